// The number rules, the fraction arithmetic and the Decimals window's conversions: values in, a result or an error out.

#include "conversions.h"
#include "module1.h"
#include "numbers.h"
#include "placement.h"
#include "sixtyfourths.h"
#include "tables.h"
#include <QTest>

using namespace zarnith;
using namespace zarnith::test;

namespace {
// rule [de|ar]: cases "argument(s) = what it gives, or the error it stops with" apart by ";", in German (decimal
// comma) or Arabic (its own digits) where named; "_" is the empty text; a mixed number "whole numerator/denominator".
const char *const kRules = R"(
    read: +3 = 3; .5 = 0.5; 5. = 5; 2.5E-02 = 0.025; 1e-400 = 0; -1e400 = overflow; "" = mismatch; 12a = mismatch
    read: - = mismatch; 1.2.3 = mismatch; 1,000 = mismatch; 1e = mismatch; e5 = mismatch; inf = mismatch
    read: --1 = mismatch
    read de: 2,5e3 = 2500; 1.5 = mismatch
    read ar: ٤٢٫٥ = 42.5
    whole: 1e3 = 1000; 2.0 = 2; 1.5 = mismatch; x = mismatch
    single: 3.4028235677973362e38 = 3.4028235677973362e38; -3.4028235677973366e38 = overflow
    round: 2.5 = 2; -2.5 = -2; 2.5001 = 3; 2147483647.5 = overflow; -2147483648.5 = -2147483648; nan = overflow
    div: -7 2 = -3; 7.5 2.5 = 4; 1 0.5 = division by zero; -2147483648 -1 = overflow
    mod: -7 2 = -1; 7 -2 = 1; -2147483648 -1 = 0
    text: -0 = 0; 0.333333333333333333 = 0.333333333333333; 999999999999999 = 999999999999999; 1e15 = 1E+15
    text: 0.000015 = 1.5E-05; 0.0001 = 0.0001; 1.5e300 = 1.5E+300
    text de: -0.000025 = -2,5E-05
    decimal: 0.00000000005 = .0000000001; -0.00000000004 = .; 0.99999999999 = 1.; 1e20 = 100000000000000000000.
    fraction: 0.4 = _; -2.5 = -3; 3000000000 = 3000000000
    left: 15360 4755 = 5302; 1000 1301 = -150; 1001.5 0 = 501
    top: 11520 3555 = 7076.25
    lowest: 10/8 = 5/4; 4/-2 = -2/1; 0/7 = 0/1; -2/0 = -2/0; 1073741824/2147483646 = 536870912/1073741823; 5/2.5 = 2/1
    lowest: 1/0.4 = division by zero; 3e9/1 = overflow
    split: 7/2 = 3 3.5 1; -7/2 = -4 -3.5 -1
    fractions: 3/4 + 1/2 = 1 1/4; 1/2 - 2/1 = 0 -3/2; 1/-2 × 1/1 = 0 -1/2; 1/2 ÷ -1/4 = -2 0/0; 2/3 ÷ 4/9 = 1 1/2
    fractions: 999/1 × 2149633/1 = 2147483367 0/0; 999/1 × 2149634/1 = overflow; 1/2 ÷ 0/5 = division by zero
    fractions: 0/0 + 0/0 = division by zero; 1e200/1 × 1e200/1 = overflow
    64ths: 0.00781245 = < 1/64; 0.0078125 = 1/64; 0.02343755 = 1/32; 0.5078125 = 1/2; 0.5078126 = 33/64
    64ths: 0.9921875 = 63/64; 0.99219 = > 63/64; -1e-300 = _
)";
const auto number = [](double value) { return QString::number(value, 'g', 17); };
const auto fraction = [](const Fraction &f) { return number(f.numerator) + u'/' + number(f.denominator); };
const auto mixed = [](const MixedNumber &m) { return number(m.whole) + u' ' + fraction({m.numerator, m.denominator}); };
const auto split = [](const WholeSplit &s) {
    return number(s.whole) + u' ' + number(s.quotient) + u' ' + number(s.remainder);
};
} // namespace

class TestEngine : public QObject {
    Q_OBJECT
private slots:
    void rules_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("expected");
        for (const QString &line : QString::fromUtf8(kRules).split(u'\n')) {
            for (const QString &c : line.section(u':', 1).split(u';', Qt::SkipEmptyParts)) {
                const QString rule = line.section(u':', 0, 0).trimmed();
                QTest::newRow(qPrintable(rule + u' ' + c.trimmed()))
                    << rule << c.section(u'=', 0, 0).trimmed().remove(u'"')
                    << c.section(u'=', 1).trimmed().remove(u'_');
            }
        }
    }
    void rules()
    {
        QFETCH(QString, rule);
        QFETCH(QString, argument);
        QFETCH(QString, expected);
        const QMap<QString, QLocale> locales = {{"de", QLocale(QLocale::German)},
                                                {"ar", QLocale(QLocale::Arabic, QLocale::Egypt)}};
        const QLocale locale = locales.value(rule.section(u' ', 1), QLocale::c());
        const QStringList w = QString(argument).replace(u'/', u' ').split(u' ');
        const double x = w[0].toDouble(), y = w.value(1).toDouble();
        const Fraction f = {x, y};
        if (rule.startsWith("read")) // the test and the conversion agree
            QCOMPARE(isNumericText(argument, locale), expected != "mismatch");
        const auto integer = [](std::int32_t i) { return QString::number(i); };
        Module1 engine; // n1/d1 op n2/d2, through the engine as the calculator runs it
        const auto operation = [&] {
            const auto routines = std::array{&Module1::AddFractions, &Module1::SubtractFractions,
                                             &Module1::MultiplyFractions, &Module1::DivideFractions};
            return (engine.*routines[QString("+-×÷").indexOf(w[2])])(f, {w[3].toDouble(), w[4].toDouble()});
        };
        const QMap<QString, std::function<QString()>> rules = {
            {"read", [&] { return outcome(textToDouble(argument, locale), number); }},
            {"whole", [&] { return outcome(textToWholeNumber(argument, locale), number); }},
            {"single", [&] { return outcome(withinSingleRange(x), number); }},
            {"round", [&] { return outcome(roundToInt32(x), integer); }},
            {"div", [&] { return outcome(integerDivide(x, y), integer); }},
            {"mod", [&] { return outcome(integerModulo(x, y), integer); }},
            {"text", [&] { return doubleToText(x, locale); }},
            {"decimal", [&] { return decimalPatternText(x, locale); }},
            {"fraction", [&] { return fractionPatternText(x); }},
            {"left", [&] { return number(centredLeft(x, y)); }},
            {"top", [&] { return number(calculatorTop(x, y)); }},
            {"lowest", [&] { return outcome(lowestTerms(f), fraction); }},
            {"split", [&] { return outcome(splitWhole(f), split); }},
            {"fractions", [&] { return outcome(operation(), mixed); }},
            {"64ths", [&] { return nearestSixtyFourth(x); }}};
        const QString got = rules[rule.section(u' ', 0, 0)]();
        bool numbers[2]; // a number compared as one
        if (got.toDouble(&numbers[0]) != expected.toDouble(&numbers[1]) || !numbers[0] || !numbers[1])
            QCOMPARE(got, expected);
    }
    // What the engine's result state holds after an operation, a failed one included.
    void resultState()
    {
        Module1 engine;
        const auto state = [&] {
            return QStringList{engine.varResultWhole.toText(), engine.varResultNumerator.toText(),
                               engine.varResultDenominator.toText(), engine.varResultQuotient.toText()}
                .join(u' ');
        };
        QVERIFY(engine.AddFractions({3, 4}, {1, 2}));
        QCOMPARE(state(), "1 1 4 1.25");
        QVERIFY(!engine.AddFractions({9e9, 1}, {0, 1})); // the combined pair stays; the reduction overflowed
        QCOMPARE(state(), "0 9000000000 1 1.25");
        engine.ResetResult();
        QCOMPARE(state(), "0 0 0 1.25");
    }
    // The Decimals window's commands on its working values: what each shows, and what a failed one leaves stored.
    void conversions()
    {
        const auto [converted, decimal] = fractionToDecimal(WorkingValues(), -2, 1, 4);
        QCOMPARE(decimal ? **decimal : 0.0, -1.75);
        QCOMPARE(converted.sngWholeParts, -8.0);
        const auto [nothing, none] = fractionToDecimal(converted, 5, 0, 4);
        QVERIFY(none && !*none && nothing.strApprox.isEmpty());
        const auto [failed, tooLarge] = fractionToDecimal(WorkingValues(), 1e9, 1, 1e30);
        QVERIFY(!tooLarge && failed.sngNumerator == 1 && failed.sngDenominator == 1e30 && failed.dblDecimal == 0);
        const auto [split, fraction] = decimalToFraction(WorkingValues(), 2.75);
        QVERIFY(fraction && *fraction == MixedNumber({2, 3, 4}));
        QCOMPARE(split.varWholeNum.toText() + u' ' + split.strApprox, "2.75 > 63/64");
        const auto [kept, outside] = decimalToFraction(split, 214.75);
        QVERIFY(!outside && kept.dblDecimal == 2.75);
        const auto [carried, reduced] = reduce(WorkingValues(), 8, 4, 1.0);
        QVERIFY(reduced && *reduced->whole == 3 && reduced->numerator == 0 && reduced->denominator == 0);
        QCOMPARE(carried.varWholeNum.toText() + u' ' + QString::number(carried.sngDenominator), "3 0");
    }
};

QTEST_APPLESS_MAIN(TestEngine)
#include "tst_engine.moc"
