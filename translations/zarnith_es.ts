<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>zarnith::AnswerLabel</name>
    <message>
        <source>Result: %1</source>
        <translation>Resultado: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
</context>
<context>
    <name>zarnith::Form1</name>
    <message>
        <source>FILL ALL BOXES</source>
        <translation>RELLENE TODAS LAS CASILLAS</translation>
    </message>
    <message>
        <source>&amp;Decimal</source>
        <translation>&amp;Decimal</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Functions</source>
        <translation>&amp;Funciones</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Sumar</translation>
    </message>
    <message>
        <source>&amp;Divide</source>
        <translation>&amp;Dividir</translation>
    </message>
    <message>
        <source>&amp;Multiply</source>
        <translation>&amp;Multiplicar</translation>
    </message>
    <message>
        <source>&amp;Subtract</source>
        <translation>&amp;Restar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>First fraction, numerator</source>
        <translation>Primera fracción, numerador</translation>
    </message>
    <message>
        <source>First fraction, denominator</source>
        <translation>Primera fracción, denominador</translation>
    </message>
    <message>
        <source>Second fraction, numerator</source>
        <translation>Segunda fracción, numerador</translation>
    </message>
    <message>
        <source>Second fraction, denominator</source>
        <translation>Segunda fracción, denominador</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Sumar</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Restar</translation>
    </message>
    <message>
        <source>Multiply</source>
        <translation>Multiplicar</translation>
    </message>
    <message>
        <source>Divide</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>Result, whole number</source>
        <translation>Resultado, número entero</translation>
    </message>
    <message>
        <source>Result, numerator</source>
        <translation>Resultado, numerador</translation>
    </message>
    <message>
        <source>Result, denominator</source>
        <translation>Resultado, denominador</translation>
    </message>
    <message>
        <source>plus</source>
        <translation>más</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>por</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>entre</translation>
    </message>
</context>
<context>
    <name>zarnith::FrmAbout</name>
    <message>
        <source>Version %1.%2</source>
        <translation>Versión %1.%2</translation>
    </message>
    <message>
        <source>%1 version %2.%3</source>
        <comment>read by a screen reader</comment>
        <translation>%1 versión %2.%3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Zarnith developers. Free to use, copy and share.</source>
        <translation>Los desarrolladores de Zarnith. Libre de usar, copiar y compartir.</translation>
    </message>
</context>
<context>
    <name>zarnith::FrmFract</name>
    <message>
        <source>COME ON NOW... Keep those numbers small please.</source>
        <translation>VENGA YA... Números pequeños, por favor.</translation>
    </message>
    <message>
        <source>Error.......Numbers Only</source>
        <translation>Error.......Solo números</translation>
    </message>
    <message>
        <source>Numbers ONLY!  Check you Numerator</source>
        <translation>¡Solo NÚMEROS!  Revise el numerador</translation>
    </message>
    <message>
        <source>Numbers ONLY!  Check you Denominator</source>
        <translation>¡Solo NÚMEROS!  Revise el denominador</translation>
    </message>
    <message>
        <source>Numbers ONLY!  Check you Whole Number</source>
        <translation>¡Solo NÚMEROS!  Revise el número entero</translation>
    </message>
    <message>
        <source>Numbers ONLY!</source>
        <translation>¡Solo NÚMEROS!</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>más de %1</translation>
    </message>
    <message>
        <source>less than %1</source>
        <translation>menos de %1</translation>
    </message>
    <message>
        <source>nearest sixty-fourth %1</source>
        <translation>sesenta y cuatroavo más cercano %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the result and its nearest sixty-fourth</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation>Decimales</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Fracción</translation>
    </message>
    <message>
        <source>Decimal to Fraction</source>
        <translation>Decimal a fracción</translation>
    </message>
    <message>
        <source>Fraction to Decimal</source>
        <translation>Fracción a decimal</translation>
    </message>
    <message>
        <source>Reduce</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Approximate:</source>
        <translation>Aproximado:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Fractions</source>
        <translation>&amp;Fracciones</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Functions</source>
        <translation>&amp;Funciones</translation>
    </message>
    <message>
        <source>&amp;Reduce</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Fraction to Decimal</source>
        <translation>&amp;Fracción a decimal</translation>
    </message>
    <message>
        <source>&amp;Decimal To Fraction</source>
        <translation>&amp;Decimal a fracción</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Contenido</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Whole number</source>
        <translation>Número entero</translation>
    </message>
    <message>
        <source>Numerator</source>
        <translation>Numerador</translation>
    </message>
    <message>
        <source>Denominator</source>
        <translation>Denominador</translation>
    </message>
    <message>
        <source>Nearest sixty-fourth</source>
        <translation>Sesenta y cuatroavo más cercano</translation>
    </message>
</context>
<context>
    <name>zarnith::HelpWindow</name>
    <message>
        <source>Cannot open the file: %1</source>
        <translation>No se puede abrir el archivo: %1</translation>
    </message>
    <message>
        <source>Cannot open the page: %1</source>
        <translation>No se puede abrir la página: %1</translation>
    </message>
    <message>
        <source>link %1</source>
        <translation>enlace %1</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegación</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Atrás</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>A&amp;delante</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ayuda</translation>
    </message>
</context>
<context>
    <name>zarnith::TitleBar</name>
    <message>
        <source>Minimise</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>zarnith::WorkingWindow</name>
    <message>
        <source>Cleared</source>
        <translation>Borrado</translation>
    </message>
</context>
</TS>
