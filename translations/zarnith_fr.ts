<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>zarnith::AnswerLabel</name>
    <message>
        <source>Result: %1</source>
        <translation>Résultat : %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
</context>
<context>
    <name>zarnith::Form1</name>
    <message>
        <source>FILL ALL BOXES</source>
        <translation>REMPLISSEZ TOUTES LES CASES</translation>
    </message>
    <message>
        <source>&amp;Decimal</source>
        <translation>&amp;Décimal</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Functions</source>
        <translation>F&amp;onctions</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Additionner</translation>
    </message>
    <message>
        <source>&amp;Divide</source>
        <translation>&amp;Diviser</translation>
    </message>
    <message>
        <source>&amp;Multiply</source>
        <translation>&amp;Multiplier</translation>
    </message>
    <message>
        <source>&amp;Subtract</source>
        <translation>&amp;Soustraire</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>First fraction, numerator</source>
        <translation>Première fraction, numérateur</translation>
    </message>
    <message>
        <source>First fraction, denominator</source>
        <translation>Première fraction, dénominateur</translation>
    </message>
    <message>
        <source>Second fraction, numerator</source>
        <translation>Seconde fraction, numérateur</translation>
    </message>
    <message>
        <source>Second fraction, denominator</source>
        <translation>Seconde fraction, dénominateur</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Additionner</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Soustraire</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplier</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Diviser</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Décimal</translation>
    </message>
    <message>
        <source>Result, whole number</source>
        <translation>Résultat, nombre entier</translation>
    </message>
    <message>
        <source>Result, numerator</source>
        <translation>Résultat, numérateur</translation>
    </message>
    <message>
        <source>Result, denominator</source>
        <translation>Résultat, dénominateur</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>times</source>
        <translation>fois</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>divisé par</translation>
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
        <translation>%1 version %2.%3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zarnith developers. Free to use, copy and share.</source>
        <translation>Les développeurs de Zarnith. Libre d&apos;utiliser, de copier et de partager.</translation>
    </message>
</context>
<context>
    <name>zarnith::FrmFract</name>
    <message>
        <source>COME ON NOW... Keep those numbers small please.</source>
        <translation>ALLONS DONC... Des nombres plus petits, s&apos;il vous plaît.</translation>
    </message>
    <message>
        <source>Error.......Numbers Only</source>
        <translation>Erreur.......Nombres seulement</translation>
    </message>
    <message>
        <source>Numbers ONLY!  Check you Numerator</source>
        <translation>Des NOMBRES seulement !  Vérifiez le numérateur</translation>
    </message>
    <message>
        <source>Numbers ONLY!  Check you Denominator</source>
        <translation>Des NOMBRES seulement !  Vérifiez le dénominateur</translation>
    </message>
    <message>
        <source>Numbers ONLY!  Check you Whole Number</source>
        <translation>Des NOMBRES seulement !  Vérifiez le nombre entier</translation>
    </message>
    <message>
        <source>Numbers ONLY!</source>
        <translation>Des NOMBRES seulement !</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>plus de %1</translation>
    </message>
    <message>
        <source>less than %1</source>
        <translation>moins de %1</translation>
    </message>
    <message>
        <source>nearest sixty-fourth %1</source>
        <translation>soixante-quatrième le plus proche %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the result and its nearest sixty-fourth</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation>Décimaux</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Nombre décimal</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Fraction</translation>
    </message>
    <message>
        <source>Decimal to Fraction</source>
        <translation>Décimal en fraction</translation>
    </message>
    <message>
        <source>Fraction to Decimal</source>
        <translation>Fraction en décimal</translation>
    </message>
    <message>
        <source>Reduce</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Approximate:</source>
        <translation>Environ :</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Fractions</source>
        <translation>&amp;Fractions</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Functions</source>
        <translation>F&amp;onctions</translation>
    </message>
    <message>
        <source>&amp;Reduce</source>
        <translation>&amp;Réduire</translation>
    </message>
    <message>
        <source>&amp;Fraction to Decimal</source>
        <translation>&amp;Fraction en décimal</translation>
    </message>
    <message>
        <source>&amp;Decimal To Fraction</source>
        <translation>&amp;Décimal en fraction</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Effacer</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Sommaire</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copier</translation>
    </message>
    <message>
        <source>Whole number</source>
        <translation>Nombre entier</translation>
    </message>
    <message>
        <source>Numerator</source>
        <translation>Numérateur</translation>
    </message>
    <message>
        <source>Denominator</source>
        <translation>Dénominateur</translation>
    </message>
    <message>
        <source>Nearest sixty-fourth</source>
        <translation>Soixante-quatrième le plus proche</translation>
    </message>
</context>
<context>
    <name>zarnith::HelpWindow</name>
    <message>
        <source>Cannot open the file: %1</source>
        <translation>Impossible d&apos;ouvrir le fichier : %1</translation>
    </message>
    <message>
        <source>Cannot open the page: %1</source>
        <translation>Impossible d&apos;ouvrir la page : %1</translation>
    </message>
    <message>
        <source>link %1</source>
        <translation>lien %1</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Précédent</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Page d&apos;aide</translation>
    </message>
</context>
<context>
    <name>zarnith::TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>Réduire</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>zarnith::WorkingWindow</name>
    <message>
        <source>Cleared</source>
        <translation>Effacé</translation>
    </message>
</context>
</TS>
