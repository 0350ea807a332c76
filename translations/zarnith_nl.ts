<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>zarnith::AnswerLabel</name>
    <message>
        <source>Result: %1</source>
        <translation>Uitkomst: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>geen</translation>
    </message>
</context>
<context>
    <name>zarnith::Form1</name>
    <message>
        <source>FILL ALL BOXES</source>
        <translation>VUL ALLE VAKJES IN</translation>
    </message>
    <message>
        <source>&amp;Decimal</source>
        <translation>&amp;Decimaal</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Functions</source>
        <translation>&amp;Functies</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Optellen</translation>
    </message>
    <message>
        <source>&amp;Divide</source>
        <translation>&amp;Delen</translation>
    </message>
    <message>
        <source>&amp;Multiply</source>
        <translation>&amp;Vermenigvuldigen</translation>
    </message>
    <message>
        <source>&amp;Subtract</source>
        <translation>&amp;Aftrekken</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over Zarnith</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>First fraction, numerator</source>
        <translation>Eerste breuk, teller</translation>
    </message>
    <message>
        <source>First fraction, denominator</source>
        <translation>Eerste breuk, noemer</translation>
    </message>
    <message>
        <source>Second fraction, numerator</source>
        <translation>Tweede breuk, teller</translation>
    </message>
    <message>
        <source>Second fraction, denominator</source>
        <translation>Tweede breuk, noemer</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Optellen</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Aftrekken</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Vermenigvuldigen</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Delen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Decimaal</translation>
    </message>
    <message>
        <source>Result, whole number</source>
        <translation>Uitkomst, geheel getal</translation>
    </message>
    <message>
        <source>Result, numerator</source>
        <translation>Uitkomst, teller</translation>
    </message>
    <message>
        <source>Result, denominator</source>
        <translation>Uitkomst, noemer</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>min</translation>
    </message>
    <message>
        <source>times</source>
        <translation>keer</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>gedeeld door</translation>
    </message>
</context>
<context>
    <name>zarnith::FrmAbout</name>
    <message>
        <source>Version %1.%2</source>
        <translation>Versie %1.%2</translation>
    </message>
    <message>
        <source>%1 version %2.%3</source>
        <comment>read by a screen reader</comment>
        <translation>%1 versie %2.%3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zarnith developers. Free to use, copy and share.</source>
        <translation>De makers van Zarnith. Vrij te gebruiken, kopiëren en delen.</translation>
    </message>
</context>
<context>
    <name>zarnith::FrmFract</name>
    <message>
        <source>COME ON NOW... Keep those numbers small please.</source>
        <translation>KOM OP ZEG... Houd die getallen klein, alsjeblieft.</translation>
    </message>
    <message>
        <source>Error.......Numbers Only</source>
        <translation>Fout.......Alleen getallen</translation>
    </message>
    <message>
        <source>Numbers ONLY!  Check you Numerator</source>
        <translation>Alleen GETALLEN!  Controleer de teller</translation>
    </message>
    <message>
        <source>Numbers ONLY!  Check you Denominator</source>
        <translation>Alleen GETALLEN!  Controleer de noemer</translation>
    </message>
    <message>
        <source>Numbers ONLY!  Check you Whole Number</source>
        <translation>Alleen GETALLEN!  Controleer het gehele getal</translation>
    </message>
    <message>
        <source>Numbers ONLY!</source>
        <translation>Alleen GETALLEN!</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>meer dan %1</translation>
    </message>
    <message>
        <source>less than %1</source>
        <translation>minder dan %1</translation>
    </message>
    <message>
        <source>nearest sixty-fourth %1</source>
        <translation>dichtstbijzijnde vierenzestigste %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the result and its nearest sixty-fourth</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation>Decimalen</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Decimaal getal</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Breuk</translation>
    </message>
    <message>
        <source>Decimal to Fraction</source>
        <translation>Decimaal naar breuk</translation>
    </message>
    <message>
        <source>Fraction to Decimal</source>
        <translation>Breuk naar decimaal</translation>
    </message>
    <message>
        <source>Reduce</source>
        <translation>Herleid</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>Approximate:</source>
        <translation>Ongeveer:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Fractions</source>
        <translation>&amp;Breuken</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Functions</source>
        <translation>&amp;Functies</translation>
    </message>
    <message>
        <source>&amp;Reduce</source>
        <translation>&amp;Herleid</translation>
    </message>
    <message>
        <source>&amp;Fraction to Decimal</source>
        <translation>&amp;Breuk naar decimaal</translation>
    </message>
    <message>
        <source>&amp;Decimal To Fraction</source>
        <translation>&amp;Decimaal naar breuk</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Wissen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhoud</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over Zarnith</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>Whole number</source>
        <translation>Geheel getal</translation>
    </message>
    <message>
        <source>Numerator</source>
        <translation>Teller</translation>
    </message>
    <message>
        <source>Denominator</source>
        <translation>Noemer</translation>
    </message>
    <message>
        <source>Nearest sixty-fourth</source>
        <translation>Dichtstbijzijnde vierenzestigste</translation>
    </message>
</context>
<context>
    <name>zarnith::HelpWindow</name>
    <message>
        <source>Cannot open the file: %1</source>
        <translation>Kan het bestand niet openen: %1</translation>
    </message>
    <message>
        <source>Cannot open the page: %1</source>
        <translation>Kan de pagina niet openen: %1</translation>
    </message>
    <message>
        <source>link %1</source>
        <translation>koppeling %1</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigatie</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vooruit</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Helppagina</translation>
    </message>
</context>
<context>
    <name>zarnith::TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>Minimaliseren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>zarnith::WorkingWindow</name>
    <message>
        <source>Cleared</source>
        <translation>Gewist</translation>
    </message>
</context>
</TS>
