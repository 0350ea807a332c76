// The number rules, the fraction engine's own steps and the nearest
// sixty-fourth, one rule a line.

#include "harness.h"
#include "module1.h"
#include "numbers.h"
#include "placement.h"
#include "sixtyfourths.h"

#include <QTest>

#include <cfloat>

using namespace zarnith;
using namespace zarnith::test;

namespace {

// [de|ar] rule argument(s) = what it gives, or the error it raises: "de"
// runs the rule in German (decimal comma), "ar" in Arabic (its own digits);
// "_" is the empty text.
const char *const kRules = R"(
    read +3 = 3
    read .5 = 0.5
    read 5. = 5
    read 2.5E-02 = 0.025
    read 1e-400 = 0
    read -1e400 = overflow
    read "" = mismatch
    read 12a = mismatch
    read - = mismatch
    read 1.2.3 = mismatch
    read 1,000 = mismatch
    read 1e = mismatch
    read e5 = mismatch
    read inf = mismatch
    read --1 = mismatch
    de read 2,5e3 = 2500
    de read 1.5 = mismatch
    ar read ٤٢٫٥ = 42.5
    round 2.5 = 2
    round -2.5 = -2
    round 2.5001 = 3
    round 2147483647.5 = overflow
    round -2147483648.5 = -2147483648
    round nan = overflow
    -7 \ 2 = -3
    7.5 \ 2.5 = 4
    1 \ 0.5 = division by zero
    -2147483648 \ -1 = overflow
    -7 mod 2 = -1
    7 mod -2 = 1
    -2147483648 mod -1 = 0
    text -0 = 0
    text 0.333333333333333333 = 0.333333333333333
    text 999999999999999 = 999999999999999
    text 1e15 = 1E+15
    text 0.000015 = 1.5E-05
    text 0.0001 = 0.0001
    text 1.5e300 = 1.5E+300
    de text -0.000025 = -2,5E-05
    text7 1234567 = 1234567
    text7 9999999.6 = 1E+07
    decimal 0.00000000005 = .0000000001
    decimal -0.00000000004 = .
    decimal 0.99999999999 = 1.
    decimal 1e20 = 100000000000000000000.
    fraction 0.4 = _
    fraction -2.5 = -3
    fraction 3000000000 = 3000000000
    left 15360 4755 = 5302
    left 1000 1301 = -150
    left 1001.5 0 = 501
    top 11520 3555 = 7076.25
    reduce 10/8 = 0 5/4
    reduce 4/-2 = -2 0/0
    reduce -2/0 = 0 -2/0
    reduce 1073741824/2147483646 = 0 536870912/1073741823
    999/1 × 2149633/1 = 2147483367 0/0
    999/1 × 2149634/1 = overflow
    0/0 + 0/0 = division by zero
    64ths 0.00781245 = < 1/64
    64ths 0.0078125 = 1/64
    64ths 0.02343755 = 1/32
    64ths 0.5078125 = 1/2
    64ths 0.5078126 = 33/64
    64ths 0.9921875 = 63/64
    64ths 0.99219 = > 63/64
    64ths -1e-300 = _
)";

// Runs "n1/d1 op n2/d2" as the calculator does: the first fraction as
// texts in the result state, the second as arguments. Returns the result
// state as "whole numerator/denominator".
QString operate(Module1 &engine, const QString &operation)
{
    using Routine = void (Module1::*)(const Variant &, const Variant &);
    const QMap<QString, Routine> routines = {{"+", &Module1::AddFractions}, {"-", &Module1::SubtractFractions},
                                             {"×", &Module1::MultiplyFractions}, {"÷", &Module1::DivideFractions}};
    const QStringList w = QString(operation).replace(u'/', u' ').split(u' ');
    engine.ResetResult();
    engine.varResultNumerator = Variant::text(w[0]);
    engine.varResultDenominator = Variant::text(w[1]);
    (engine.*routines[w[2]])(Variant::text(w[3]), Variant::text(w[4]));
    return engine.varResultWhole.toText() + u' ' + engine.varResultNumerator.toText() + u'/' + engine.varResultDenominator.toText();
}

} // namespace

class TestEngine : public QObject {
    Q_OBJECT
private slots:
    void rules_data() { addCases(kRules); }
    void rules()
    {
        QFETCH(QString, line);
        const QMap<QString, QLocale> locales = {{"de", QLocale(QLocale::German)}, {"ar", QLocale(QLocale::Arabic, QLocale::Egypt)}};
        const QString first = line.section(u' ', 0, 0);
        const QLocale locale = locales.value(first, QLocale::c());
        const QString rule = line.section(u'=', 0, 0).trimmed().mid(locales.contains(first) ? 3 : 0);
        const QString expected = line.section(u'=', 1).trimmed().remove(u'_');
        const QString verb = rule.section(u' ', 0, 0), argument = rule.section(u' ', 1).remove(u'"');
        const double x = argument.section(u' ', 0, 0).toDouble(), y = argument.section(u' ', 1, 1).toDouble();
        if (verb == "read") // the test and the conversion agree
            QCOMPARE(isNumericText(argument, locale), expected != "mismatch");
        bool number = true; // a value compared as a number, else a text
        Module1 engine;
        const QString got = outcome([&]() -> QString {
            const QString op = rule.section(u' ', 1, 1);
            if (op == "\\" || op == "mod") {
                const double a = verb.toDouble(), b = rule.section(u' ', 2).toDouble();
                return QString::number(op == "mod" ? integerModulo(a, b) : integerDivide(a, b));
            }
            const QMap<QString, std::function<double()>> numbers = {
                {"read", [&] { return textToDouble(argument, locale); }}, {"round", [&] { return roundToInt32(x); }},
                {"left", [&] { return centredLeft(x, y); }}, {"top", [&] { return calculatorTop(x, y); }}};
            if (numbers.contains(verb))
                return QString::number(numbers[verb](), 'g', 17);
            number = false;
            if (verb == "reduce") {
                engine.ResetResult();
                engine.varResultNumerator = Variant::real(argument.section(u'/', 0, 0).toDouble());
                engine.varResultDenominator = Variant::real(argument.section(u'/', 1).toDouble());
                engine.ReduceResult();
                return engine.varResultWhole.toText() + u' ' + engine.varResultNumerator.toText() + u'/' + engine.varResultDenominator.toText();
            }
            const QMap<QString, std::function<QString()>> texts = {
                {"text", [&] { return doubleToText(x, locale); }}, {"text7", [&] { return singleToText(float(x), locale); }},
                {"decimal", [&] { return decimalPatternText(x, locale); }}, {"fraction", [&] { return fractionPatternText(x); }},
                {"64ths", [&] { return nearestSixtyFourth(x); }}};
            return texts.contains(verb) ? texts[verb]() : operate(engine, rule);
        });
        bool numeric[2];
        if (!number || got.toDouble(&numeric[0]) != expected.toDouble(&numeric[1]) || !numeric[0] || !numeric[1])
            QCOMPARE(got, expected);
    }
    void floatsAndVariants()
    {
        // The float range ends half a unit past the largest float, where
        // rounding to a float gives infinity; within it the value is kept
        // whole. The largest double's 15-digit text overflows.
        QCOMPARE(withinSingleRange(double(FLT_MAX) + 0x1p102), double(FLT_MAX) + 0x1p102);
        QCOMPARE(outcome([] { return QString::number(withinSingleRange(-double(FLT_MAX) - 0x1p103)); }), "overflow");
        QCOMPARE(outcome([] { return QString::number(textWithinSingleRange("-1e39")); }), "overflow");
        QCOMPARE(textWithinSingleRange("16777217"), 16777217.0);
        QCOMPARE(outcome([] { return QString::number(textToDouble(doubleToText(DBL_MAX))); }), "overflow");
        // Integer kinds write digits, floats by their width, text as it is.
        const QLocale c = QLocale::c();
        QCOMPARE(QStringList({Variant::int32(-2147483647).toText(), Variant::single(0.1f).toText(c),
                              Variant::real(double(0.1f)).toText(c), Variant::text(" 7").toText(), Variant().toText()}),
                 QStringList({"-2147483647", "0.1", "0.100000001490116", " 7", ""}));
        // \ and Mod give 32-bit integers, the rest 64-bit floats; abs and
        // negation keep the kind, widening an integer that overflows it.
        using K = Variant::Kind;
        const QList<K> kinds = {integerDivide(Variant::text("7"), Variant::real(2)).kind(), modulo(Variant::real(7), Variant::real(2)).kind(),
                                (Variant::text("3") * Variant::text("4")).kind(), (-Variant::int16(5)).kind(),
                                (-Variant::int16(-32768)).kind(), abs(Variant::single(-1.5f)).kind()};
        QVERIFY(kinds == QList<K>({K::Int32, K::Int32, K::Double, K::Int16, K::Int32, K::Single}));
        QCOMPARE(abs(Variant::int32(INT32_MIN)).number(), 2147483648.0);
        QCOMPARE(floor(Variant::real(-2.5)).number(), -3.0);
        QVERIFY(compare(Variant::text("10"), Variant::real(9)) > 0);
        // Errors of the arithmetic itself.
        const QStringList errors = {outcome([] { return (Variant::text("") * Variant::real(1)).toText(); }),
                                    outcome([] { return (Variant::real(1e308) * Variant::real(10)).toText(); }),
                                    outcome([] { return divide(Variant::real(1), Variant::int16(0)).toText(); }),
                                    outcome([] { return divide(Variant::real(1), Variant::real(1e-310)).toText(); })};
        QCOMPARE(errors.join(", "), "mismatch, overflow, division by zero, overflow");
    }
};

QTEST_APPLESS_MAIN(TestEngine)
#include "tst_engine.moc"
