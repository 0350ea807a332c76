<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>zarnith::AnswerLabel</name>
    <message>
        <source>Result: %1</source>
        <translation>Resultado: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
</context>
<context>
    <name>zarnith::Form1</name>
    <message>
        <source>FILL ALL BOXES</source>
        <translation>PREENCHA TODOS OS CAMPOS</translation>
    </message>
    <message>
        <source>&amp;Decimal</source>
        <translation>&amp;Decimal</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Functions</source>
        <translation>&amp;Funções</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Somar</translation>
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
        <translation>Su&amp;btrair</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>First fraction, numerator</source>
        <translation>Primeira fração, numerador</translation>
    </message>
    <message>
        <source>First fraction, denominator</source>
        <translation>Primeira fração, denominador</translation>
    </message>
    <message>
        <source>Second fraction, numerator</source>
        <translation>Segunda fração, numerador</translation>
    </message>
    <message>
        <source>Second fraction, denominator</source>
        <translation>Segunda fração, denominador</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Somar</translation>
    </message>
    <message>
        <source>Subtract</source>
        <translation>Subtrair</translation>
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
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>Result, whole number</source>
        <translation>Resultado, número inteiro</translation>
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
        <translation>mais</translation>
    </message>
    <message>
        <source>minus</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>times</source>
        <translation>vezes</translation>
    </message>
    <message>
        <source>divided by</source>
        <translation>dividido por</translation>
    </message>
</context>
<context>
    <name>zarnith::FrmAbout</name>
    <message>
        <source>Version %1.%2</source>
        <translation>Versão %1.%2</translation>
    </message>
    <message>
        <source>%1 version %2.%3</source>
        <comment>read by a screen reader</comment>
        <translation>%1 versão %2.%3</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Zarnith developers. Free to use, copy and share.</source>
        <translation>Desenvolvedores do Zarnith. Livre para usar, copiar e compartilhar.</translation>
    </message>
</context>
<context>
    <name>zarnith::FrmFract</name>
    <message>
        <source>COME ON NOW... Keep those numbers small please.</source>
        <translation>FALA SÉRIO... Números pequenos, por favor.</translation>
    </message>
    <message>
        <source>Error.......Numbers Only</source>
        <translation>Erro.......Só números</translation>
    </message>
    <message>
        <source>Numbers ONLY!  Check you Numerator</source>
        <translation>Só NÚMEROS!  Confira o numerador</translation>
    </message>
    <message>
        <source>Numbers ONLY!  Check you Denominator</source>
        <translation>Só NÚMEROS!  Confira o denominador</translation>
    </message>
    <message>
        <source>Numbers ONLY!  Check you Whole Number</source>
        <translation>Só NÚMEROS!  Confira o número inteiro</translation>
    </message>
    <message>
        <source>Numbers ONLY!</source>
        <translation>Só NÚMEROS!</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>mais de %1</translation>
    </message>
    <message>
        <source>less than %1</source>
        <translation>menos de %1</translation>
    </message>
    <message>
        <source>nearest sixty-fourth %1</source>
        <translation>sessenta e quatro avos mais próximo %1</translation>
    </message>
    <message>
        <source>, </source>
        <comment>between the result and its nearest sixty-fourth</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>Decimals</source>
        <translation>Decimais</translation>
    </message>
    <message>
        <source>Decimal</source>
        <translation>Decimal</translation>
    </message>
    <message>
        <source>Fraction</source>
        <translation>Fração</translation>
    </message>
    <message>
        <source>Decimal to Fraction</source>
        <translation>Decimal para fração</translation>
    </message>
    <message>
        <source>Fraction to Decimal</source>
        <translation>Fração para decimal</translation>
    </message>
    <message>
        <source>Reduce</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Approximate:</source>
        <translation>Aproximado:</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Fractions</source>
        <translation>&amp;Frações</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>&amp;Functions</source>
        <translation>&amp;Funções</translation>
    </message>
    <message>
        <source>&amp;Reduce</source>
        <translation>&amp;Reduzir</translation>
    </message>
    <message>
        <source>&amp;Fraction to Decimal</source>
        <translation>&amp;Fração para decimal</translation>
    </message>
    <message>
        <source>&amp;Decimal To Fraction</source>
        <translation>&amp;Decimal para fração</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;juda</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Conteúdo</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Whole number</source>
        <translation>Número inteiro</translation>
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
        <translation>Sessenta e quatro avos mais próximo</translation>
    </message>
</context>
<context>
    <name>zarnith::HelpWindow</name>
    <message>
        <source>Cannot open the file: %1</source>
        <translation>Não foi possível abrir o arquivo: %1</translation>
    </message>
    <message>
        <source>Cannot open the page: %1</source>
        <translation>Não foi possível abrir a página: %1</translation>
    </message>
    <message>
        <source>link %1</source>
        <translation>link %1</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navegação</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Voltar</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Avançar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>Help page</source>
        <translation>Página de ajuda</translation>
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
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>zarnith::WorkingWindow</name>
    <message>
        <source>Cleared</source>
        <translation>Limpo</translation>
    </message>
</context>
</TS>
