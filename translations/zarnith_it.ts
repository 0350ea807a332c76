<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>zarnith::AnswerLabel</name>
    <message>
        <source>Result: %1</source>
        <translation>Risultato: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuno</translation>
    </message>
</context>
<context>
    <name>zarnith::Form1</name>
    <message>
        <source>FILL ALL BOXES</source>
        <translation>COMPILARE TUTTE LE CASELLE</translation>
    </message>
    <message>
        <source>&amp;Decimal</source>
        <translation>&amp;Decimali</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>A&amp;zzera</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Functions</source>
        <translation>F&amp;unzioni</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Addiziona</translation>
    </message>
    <message>
        <source>&amp;Divide</source>
        <translation>&amp;Dividi</translation>
    </message>
    <message>
        <source>&amp;Multiply</source>
        <translation>&amp;Moltiplica</translation>
    </message>
    <message>
        <source>&amp;Subtract</source>
        <translation>&amp;Sottrai</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>First fraction, numerator</source>
        <translation>Prima frazione, numeratore</translation>
    </message>
    <message>
        <source>First fraction, denominator</source>
        <translation>Prima frazione, denominatore</translation>
    </message>
    <message>
        <source>Second fraction, numerator</source>
        <translation>Seconda frazione, numeratore</translation>
    </message>
    <message>
        <source>Second fraction, denominator</source>
        <translation>Seconda frazione, denominatore</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Addiziona</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Sottrai</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Moltiplica</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividi</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Decimali</translation>
    </message>
    <message>
        <source>Result, whole number</source>
        <translation>Risultato, numero intero</translation>
    </message>
    <message>
        <source>Result, numerator</source>
        <translation>Risultato, numeratore</translation>
    </message>
    <message>
        <source>Result, denominator</source>
        <translation>Risultato, denominatore</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>più</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>meno</translation>
    </message>
    <message>
        <source>times</source>
        <translation>per</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>diviso</translation>
    </message>
</context>
<context>
    <name>zarnith::FrmAbout</name>
    <message>
        <source>Version %1.%2</source>
        <translation>Versione %1.%2</translation>
    </message>
    <message>
        <source>%1 version %2.%3</source>
        <comment>read by a screen reader</comment>
        <translation>%1 versione %2.%3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zarnith developers. Free to use, copy and share.</source>
        <translation>Gli sviluppatori di Zarnith. Libero da usare, copiare e condividere.</translation>
    </message>
</context>
<context>
    <name>zarnith::FrmFract</name>
    <message>
        <source>COME ON NOW... Keep those numbers small please.</source>
        <translation>E DAI... Numeri piccoli, per favore.</translation>
    </message>
    <message>
        <source>Error.......Numbers Only</source>
        <translation>Errore.......Solo numeri</translation>
    </message>
    <message>
        <source>Numbers ONLY!  Check you Numerator</source>
        <translation>Solo NUMERI!  Controlla il numeratore</translation>
    </message>
    <message>
        <source>Numbers ONLY!  Check you Denominator</source>
        <translation>Solo NUMERI!  Controlla il denominatore</translation>
    </message>
    <message>
        <source>Numbers ONLY!  Check you Whole Number</source>
        <translation>Solo NUMERI!  Controlla il numero intero</translation>
    </message>
    <message>
        <source>Numbers ONLY!</source>
        <translation>Solo NUMERI!</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>più di %1</translation>
    </message>
    <message>
        <source>less than %1</source>
        <translation>meno di %1</translation>
    </message>
    <message>
        <source>nearest sixty-fourth %1</source>
        <translation>sessantaquattresimo più vicino %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the result and its nearest sixty-fourth</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation>Decimali</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Numero decimale</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Frazione</translation>
    </message>
    <message>
        <source>Decimal to Fraction</source>
        <translation>Decimale in frazione</translation>
    </message>
    <message>
        <source>Fraction to Decimal</source>
        <translation>Frazione in decimale</translation>
    </message>
    <message>
        <source>Reduce</source>
        <translation>Riduci</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Azzera</translation>
    </message>
    <message>
        <source>Approximate:</source>
        <translation>Circa:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Fractions</source>
        <translation>&amp;Frazioni</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Functions</source>
        <translation>F&amp;unzioni</translation>
    </message>
    <message>
        <source>&amp;Reduce</source>
        <translation>&amp;Riduci</translation>
    </message>
    <message>
        <source>&amp;Fraction to Decimal</source>
        <translation>&amp;Frazione in decimale</translation>
    </message>
    <message>
        <source>&amp;Decimal To Fraction</source>
        <translation>&amp;Decimale in frazione</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Azzera</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommario</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>Whole number</source>
        <translation>Numero intero</translation>
    </message>
    <message>
        <source>Numerator</source>
        <translation>Numeratore</translation>
    </message>
    <message>
        <source>Denominator</source>
        <translation>Denominatore</translation>
    </message>
    <message>
        <source>Nearest sixty-fourth</source>
        <translation>Sessantaquattresimo più vicino</translation>
    </message>
</context>
<context>
    <name>zarnith::HelpWindow</name>
    <message>
        <source>Cannot open the file: %1</source>
        <translation>Impossibile aprire il file: %1</translation>
    </message>
    <message>
        <source>Cannot open the page: %1</source>
        <translation>Impossibile aprire la pagina: %1</translation>
    </message>
    <message>
        <source>link %1</source>
        <translation>collegamento %1</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigazione</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avanti</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Pagina della guida</translation>
    </message>
</context>
<context>
    <name>zarnith::TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>Riduci a icona</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>zarnith::WorkingWindow</name>
    <message>
        <source>Cleared</source>
        <translation>Azzerato</translation>
    </message>
</context>
</TS>
