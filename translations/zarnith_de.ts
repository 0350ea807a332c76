<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>zarnith::AnswerLabel</name>
    <message>
        <source>Result: %1</source>
        <translation>Ergebnis: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keines</translation>
    </message>
</context>
<context>
    <name>zarnith::Form1</name>
    <message>
        <source>FILL ALL BOXES</source>
        <translation>ALLE FELDER AUSFÜLLEN</translation>
    </message>
    <message>
        <source>&amp;Decimal</source>
        <translation>De&amp;zimal</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Functions</source>
        <translation>&amp;Funktionen</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Addieren</translation>
    </message>
    <message>
        <source>&amp;Divide</source>
        <translation>&amp;Dividieren</translation>
    </message>
    <message>
        <source>&amp;Multiply</source>
        <translation>&amp;Multiplizieren</translation>
    </message>
    <message>
        <source>&amp;Subtract</source>
        <translation>&amp;Subtrahieren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Zarnith</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>First fraction, numerator</source>
        <translation>Erster Bruch, Zähler</translation>
    </message>
    <message>
        <source>First fraction, denominator</source>
        <translation>Erster Bruch, Nenner</translation>
    </message>
    <message>
        <source>Second fraction, numerator</source>
        <translation>Zweiter Bruch, Zähler</translation>
    </message>
    <message>
        <source>Second fraction, denominator</source>
        <translation>Zweiter Bruch, Nenner</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Addieren</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Subtrahieren</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplizieren</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividieren</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Dezimal</translation>
    </message>
    <message>
        <source>Result, whole number</source>
        <translation>Ergebnis, ganze Zahl</translation>
    </message>
    <message>
        <source>Result, numerator</source>
        <translation>Ergebnis, Zähler</translation>
    </message>
    <message>
        <source>Result, denominator</source>
        <translation>Ergebnis, Nenner</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>minus</translation>
    </message>
    <message>
        <source>times</source>
        <translation>mal</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>geteilt durch</translation>
    </message>
</context>
<context>
    <name>zarnith::FrmAbout</name>
    <message>
        <source>Version %1.%2</source>
        <translation>Version %1.%2</translation>
    </message>
    <message>
        <source>%1 version %2.%3</source>
        <comment>read by a screen reader</comment>
        <translation>%1 Version %2.%3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zarnith developers. Free to use, copy and share.</source>
        <translation>Die Zarnith-Entwickler. Frei zu nutzen, zu kopieren und weiterzugeben.</translation>
    </message>
</context>
<context>
    <name>zarnith::FrmFract</name>
    <message>
        <source>COME ON NOW... Keep those numbers small please.</source>
        <translation>NA HÖR MAL... Bitte die Zahlen klein halten.</translation>
    </message>
    <message>
        <source>Error.......Numbers Only</source>
        <translation>Fehler.......Nur Zahlen</translation>
    </message>
    <message>
        <source>Numbers ONLY!  Check you Numerator</source>
        <translation>Nur ZAHLEN!  Prüfe den Zähler</translation>
    </message>
    <message>
        <source>Numbers ONLY!  Check you Denominator</source>
        <translation>Nur ZAHLEN!  Prüfe den Nenner</translation>
    </message>
    <message>
        <source>Numbers ONLY!  Check you Whole Number</source>
        <translation>Nur ZAHLEN!  Prüfe die ganze Zahl</translation>
    </message>
    <message>
        <source>Numbers ONLY!</source>
        <translation>Nur ZAHLEN!</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>mehr als %1</translation>
    </message>
    <message>
        <source>less than %1</source>
        <translation>weniger als %1</translation>
    </message>
    <message>
        <source>nearest sixty-fourth %1</source>
        <translation>nächstes Vierundsechzigstel %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the result and its nearest sixty-fourth</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation>Dezimalzahlen</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Dezimalzahl</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Bruch</translation>
    </message>
    <message>
        <source>Decimal to Fraction</source>
        <translation>Dezimal in Bruch</translation>
    </message>
    <message>
        <source>Fraction to Decimal</source>
        <translation>Bruch in Dezimal</translation>
    </message>
    <message>
        <source>Reduce</source>
        <translation>Kürzen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Approximate:</source>
        <translation>Ungefähr:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Fractions</source>
        <translation>B&amp;rüche</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Functions</source>
        <translation>&amp;Funktionen</translation>
    </message>
    <message>
        <source>&amp;Reduce</source>
        <translation>&amp;Kürzen</translation>
    </message>
    <message>
        <source>&amp;Fraction to Decimal</source>
        <translation>B&amp;ruch in Dezimal</translation>
    </message>
    <message>
        <source>&amp;Decimal To Fraction</source>
        <translation>&amp;Dezimal in Bruch</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber Zarnith</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Whole number</source>
        <translation>Ganze Zahl</translation>
    </message>
    <message>
        <source>Numerator</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>Denominator</source>
        <translation>Nenner</translation>
    </message>
    <message>
        <source>Nearest sixty-fourth</source>
        <translation>Nächstes Vierundsechzigstel</translation>
    </message>
</context>
<context>
    <name>zarnith::HelpWindow</name>
    <message>
        <source>Cannot open the file: %1</source>
        <translation>Die Datei lässt sich nicht öffnen: %1</translation>
    </message>
    <message>
        <source>Cannot open the page: %1</source>
        <translation>Die Seite lässt sich nicht öffnen: %1</translation>
    </message>
    <message>
        <source>link %1</source>
        <translation>Link %1</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Hilfeseite</translation>
    </message>
</context>
<context>
    <name>zarnith::TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>Minimieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>zarnith::WorkingWindow</name>
    <message>
        <source>Cleared</source>
        <translation>Gelöscht</translation>
    </message>
</context>
</TS>
