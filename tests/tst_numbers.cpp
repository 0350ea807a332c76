// The number rules: which texts are numbers, how they convert, how integer
// division rounds, how numbers become text, and the placement arithmetic.

#include "errorof.h"
#include "numbers.h"
#include "placement.h"
#include "variant.h"

#include <QTest>

#include <cfloat>
#include <limits>

using namespace zarnith;
using namespace zarnith::test;

namespace {

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);
const QLocale kGerman(QLocale::German, QLocale::Germany);

} // namespace

class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void singleRange_data();
    void singleRange();
    void roundHalfEven_data();
    void roundHalfEven();
    void integerDivision_data();
    void integerDivision();
    void numberToText_data();
    void numberToText();
    void decimalPattern_data();
    void decimalPattern();
    void fractionPattern_data();
    void fractionPattern();
    void largestDoubles();
    void variantKinds();
    void variantErrors();
    void placement_data();
    void placement();
};

void TestNumbers::parse_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("status"); // ParsedNumber::Status
    QTest::addColumn<double>("value");

    const int ok = int(ParsedNumber::Status::Ok);
    const int no = int(ParsedNumber::Status::NotNumeric);
    const int range = int(ParsedNumber::Status::OutOfRange);
    struct Row {
        const char *name;
        QLocale locale;
        const char *text;
        int status;
        double value;
    };
    const Row rows[] = {
        {"digits", kEnglish, "42", ok, 42},
        {"blanks around", kEnglish, "  7 ", ok, 7},
        {"tab around", kEnglish, "\t7", ok, 7},
        {"minus", kEnglish, "-3", ok, -3},
        {"plus", kEnglish, "+3", ok, 3},
        {"point", kEnglish, "2.75", ok, 2.75},
        {"leading point", kEnglish, ".5", ok, 0.5},
        {"trailing point", kEnglish, "5.", ok, 5},
        {"exponent", kEnglish, "1e3", ok, 1000},
        {"exponent signed", kEnglish, "2.5E-02", ok, 0.025},
        {"exponent plus", kEnglish, "9e+9", ok, 9e9},
        {"underflow reads as 0", kEnglish, "1e-400", ok, 0},
        {"beyond double", kEnglish, "1e400", range, 0},
        {"beyond double negative", kEnglish, "-1e400", range, 0},
        {"empty", kEnglish, "", no, 0},
        {"blanks only", kEnglish, "   ", no, 0},
        {"letters", kEnglish, "abc", no, 0},
        {"digits then letter", kEnglish, "12a", no, 0},
        {"sign alone", kEnglish, "-", no, 0},
        {"separator alone", kEnglish, ".", no, 0},
        {"two separators", kEnglish, "1.2.3", no, 0},
        {"group separator", kEnglish, "1,000", no, 0},
        {"comma in English", kEnglish, "1,5", no, 0},
        {"blank inside", kEnglish, "1 2", no, 0},
        {"exponent without digits", kEnglish, "1e", no, 0},
        {"exponent alone", kEnglish, "e5", no, 0},
        {"inf", kEnglish, "inf", no, 0},
        {"nan", kEnglish, "nan", no, 0},
        {"hex", kEnglish, "0x10", no, 0},
        {"two signs", kEnglish, "--1", no, 0},
        {"German comma", kGerman, "1,5", ok, 1.5},
        {"German leading comma", kGerman, ",25", ok, 0.25},
        {"German exponent", kGerman, "2,5e3", ok, 2500},
        {"German point refused", kGerman, "1.5", no, 0},
        {"German group refused", kGerman, "1.000", no, 0},
        {"German separator alone", kGerman, ",", no, 0},
    };
    for (const Row &r : rows)
        QTest::newRow(r.name) << r.locale << QString::fromUtf8(r.text) << r.status << r.value;
}

void TestNumbers::parse()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, text);
    QFETCH(int, status);
    QFETCH(double, value);

    const ParsedNumber parsed = parseNumber(text, locale);
    QCOMPARE(int(parsed.status), status);
    QCOMPARE(isNumericText(text, locale), status != int(ParsedNumber::Status::NotNumeric));
    // The test and the conversion agree: a numeric text converts unless it
    // is out of range.
    if (status == int(ParsedNumber::Status::Ok))
        QCOMPARE(textToDouble(text, locale), value);
    else
        QCOMPARE(errorOf([&] { textToDouble(text, locale); }),
                 status == int(ParsedNumber::Status::OutOfRange) ? kOverflow : kMismatch);
}

void TestNumbers::singleRange_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("error");
    QTest::addColumn<float>("expected");
    QTest::newRow("0.1 rounds to the float") << 0.1 << kNone << 0.1f;
    QTest::newRow("largest float") << double(FLT_MAX) << kNone << FLT_MAX;
    QTest::newRow("just above rounds down") << double(FLT_MAX) + 0x1p102 << kNone << FLT_MAX;
    QTest::newRow("half a unit above overflows") << double(FLT_MAX) + 0x1p103 << kOverflow << 0.0f;
    QTest::newRow("negative beyond") << -1e39 << kOverflow << 0.0f;
    QTest::newRow("1e38") << 1e38 << kNone << 1e38f;
}

void TestNumbers::singleRange()
{
    QFETCH(double, value);
    QFETCH(int, error);
    QFETCH(float, expected);
    float result = 0.0f;
    QCOMPARE(errorOf([&] { result = toSingle(value); }), error);
    if (error == kNone)
        QCOMPARE(result, expected);
}

void TestNumbers::roundHalfEven_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("expected");
    QTest::newRow("0.5 to 0") << 0.5 << kNone << 0;
    QTest::newRow("1.5 to 2") << 1.5 << kNone << 2;
    QTest::newRow("2.5 to 2") << 2.5 << kNone << 2;
    QTest::newRow("-0.5 to 0") << -0.5 << kNone << 0;
    QTest::newRow("-1.5 to -2") << -1.5 << kNone << -2;
    QTest::newRow("-2.5 to -2") << -2.5 << kNone << -2;
    QTest::newRow("2.4999 to 2") << 2.4999 << kNone << 2;
    QTest::newRow("2.5001 to 3") << 2.5001 << kNone << 3;
    QTest::newRow("largest") << 2147483647.0 << kNone << 2147483647;
    QTest::newRow("largest plus 0.4") << 2147483647.4 << kNone << 2147483647;
    QTest::newRow("rounds past the largest") << 2147483647.5 << kOverflow << 0;
    QTest::newRow("smallest") << -2147483648.0 << kNone << int(std::numeric_limits<int>::min());
    QTest::newRow("smallest minus 0.5 is even") << -2147483648.5 << kNone
                                               << int(std::numeric_limits<int>::min());
    QTest::newRow("below smallest") << -2147483649.0 << kOverflow << 0;
    QTest::newRow("9e9") << 9e9 << kOverflow << 0;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << kOverflow << 0;
}

void TestNumbers::roundHalfEven()
{
    QFETCH(double, value);
    QFETCH(int, error);
    QFETCH(int, expected);
    std::int32_t result = 0;
    QCOMPARE(errorOf([&] { result = roundToInt32(value); }), error);
    if (error == kNone)
        QCOMPARE(result, expected);
}

void TestNumbers::integerDivision_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<int>("error");
    QTest::addColumn<int>("quotient");
    QTest::addColumn<int>("remainder");
    QTest::newRow("7 by 2") << 7.0 << 2.0 << kNone << 3 << 1;
    QTest::newRow("-7 by 2 truncates") << -7.0 << 2.0 << kNone << -3 << -1;
    QTest::newRow("7 by -2") << 7.0 << -2.0 << kNone << -3 << 1;
    QTest::newRow("-7 by -2") << -7.0 << -2.0 << kNone << 3 << -1;
    QTest::newRow("operands rounded first") << 7.5 << 2.5 << kNone << 4 << 0; // 8 \ 2
    QTest::newRow("divisor rounds to 0") << 1.0 << 0.4 << kDivZero << 0 << 0;
    QTest::newRow("divisor 0.5 rounds to 0") << 1.0 << 0.5 << kDivZero << 0 << 0;
    QTest::newRow("divisor 0") << 5.0 << 0.0 << kDivZero << 0 << 0;
    QTest::newRow("dividend beyond 32 bits") << 9e9 << 1.0 << kOverflow << 0 << 0;
    QTest::newRow("smallest by -1") << -2147483648.0 << -1.0 << kOverflow << 0 << 0;
}

void TestNumbers::integerDivision()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(int, error);
    QFETCH(int, quotient);
    QFETCH(int, remainder);
    std::int32_t q = 0;
    QCOMPARE(errorOf([&] { q = integerDivide(a, b); }), error);
    if (error == kNone) {
        QCOMPARE(q, quotient);
        QCOMPARE(integerModulo(a, b), remainder);
    }
}

void TestNumbers::numberToText_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<int>("digits");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    struct Row {
        const char *name;
        QLocale locale;
        int digits;
        double value;
        const char *text;
    };
    const Row rows[] = {
        {"zero", kEnglish, 15, 0.0, "0"},
        {"negative zero", kEnglish, 15, -0.0, "0"},
        {"integer", kEnglish, 15, 998001, "998001"},
        {"negative integer", kEnglish, 15, -5, "-5"},
        {"half", kEnglish, 15, 0.5, "0.5"},
        {"negative quarter", kEnglish, 15, -0.25, "-0.25"},
        {"15 digits of a third", kEnglish, 15, 1.0 / 3, "0.333333333333333"},
        {"largest fixed whole", kEnglish, 15, 999999999999999.0, "999999999999999"},
        {"1e15 goes to exponent", kEnglish, 15, 1e15, "1E+15"},
        {"small exponent", kEnglish, 15, 0.000015, "1.5E-05"},
        {"1e-4 stays fixed", kEnglish, 15, 0.0001, "0.0001"},
        {"large exponent three digits", kEnglish, 15, 1.5e300, "1.5E+300"},
        {"German separator", kGerman, 15, 2.75, "2,75"},
        {"German exponent", kGerman, 15, -0.000025, "-2,5E-05"},
        {"float 0.1 at 7 digits", kEnglish, 7, double(0.1f), "0.1"},
        {"float 2^24 in exponent form", kEnglish, 7, 16777216.0, "1.677722E+07"},
        {"float 1234567", kEnglish, 7, 1234567.0, "1234567"},
        {"rounding raises the exponent", kEnglish, 7, 9999999.6, "1E+07"},
        {"float third", kEnglish, 7, double(1.0f / 3.0f), "0.3333333"},
        {"German float", kGerman, 7, double(0.375f), "0,375"},
    };
    for (const Row &r : rows)
        QTest::newRow(r.name) << r.locale << r.digits << r.value << QString::fromUtf8(r.text);
}

void TestNumbers::numberToText()
{
    QFETCH(QLocale, locale);
    QFETCH(int, digits);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(generalNumberText(value, digits, locale), text);
    if (digits == 15)
        QCOMPARE(doubleToText(value, locale), text);
    else
        QCOMPARE(singleToText(float(value), locale), text);
    // What is written reads back through the parser to the value written.
    const double back = textToDouble(text, locale);
    QVERIFY2(qAbs(back - value) <= qAbs(value) * std::pow(10.0, 1 - digits),
             qPrintable(QString::number(back)));
}

void TestNumbers::decimalPattern_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    struct Row {
        const char *name;
        QLocale locale;
        double value;
        const char *text;
    };
    const Row rows[] = {
        {"three eighths", kEnglish, 0.375, ".375"},
        {"minus a quarter", kEnglish, -0.25, "-.25"},
        {"zero is the separator alone", kEnglish, 0.0, "."},
        {"whole value keeps the separator", kEnglish, 4.0, "4."},
        {"a third to ten places", kEnglish, 1.0 / 3, ".3333333333"},
        {"two thirds rounds up", kEnglish, 2.0 / 3, ".6666666667"},
        {"float tenth", kEnglish, double(0.1f), ".1000000015"},
        {"2^24", kEnglish, 16777216.0, "16777216."},
        {"half in the eleventh place goes up", kEnglish, 0.00000000005, ".0000000001"},
        {"negative half goes away from zero", kEnglish, -0.00000000005, "-.0000000001"},
        {"rounds to zero without a sign", kEnglish, -0.00000000004, "."},
        {"carry into the integer", kEnglish, 0.99999999999, "1."},
        {"negative mixed", kEnglish, -1.75, "-1.75"},
        {"large, no exponent", kEnglish, 1e20, "100000000000000000000."},
        {"German comma", kGerman, 0.375, ",375"},
        {"German whole", kGerman, 4.0, "4,"},
    };
    for (const Row &r : rows)
        QTest::newRow(r.name) << r.locale << r.value << QString::fromUtf8(r.text);
}

void TestNumbers::decimalPattern()
{
    QFETCH(QLocale, locale);
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(decimalPatternText(value, locale), text);
}

void TestNumbers::fractionPattern_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("zero is empty") << 0.0 << "";
    QTest::newRow("below a half is empty") << 0.4 << "";
    QTest::newRow("a half goes up") << 0.5 << "1";
    QTest::newRow("2.5 goes up") << 2.5 << "3";
    QTest::newRow("-2.5 goes down") << -2.5 << "-3";
    QTest::newRow("whole") << 781.0 << "781";
    QTest::newRow("ten million") << 10000000.0 << "10000000";
    QTest::newRow("negative") << -1.0 << "-1";
    QTest::newRow("large float") << double(3.0e9f) << "3000000000";
}

void TestNumbers::fractionPattern()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(fractionPatternText(value), text);
}

void TestNumbers::largestDoubles()
{
    // At 15 significant digits the largest doubles round up past the double
    // range: the text is as the rule gives it, and reads back as an overflow.
    QCOMPARE(doubleToText(-DBL_MAX, kEnglish), QStringLiteral("-1.79769313486232E+308"));
    QCOMPARE(errorOf([] { textToDouble(doubleToText(DBL_MAX, kEnglish), kEnglish); }), kOverflow);
    QCOMPARE(doubleToText(1.79769313486231e308, kEnglish), QStringLiteral("1.79769313486231E+308"));
    QCOMPARE(errorOf([] { textToDouble(QStringLiteral("1.79769313486231E+308"), kEnglish); }), kNone);
}

void TestNumbers::variantKinds()
{
    // Integer kinds write digits, floats by their width, text as it is.
    QCOMPARE(Variant::int16(0).toText(), QStringLiteral("0"));
    QCOMPARE(Variant::int32(-2147483647).toText(), QStringLiteral("-2147483647"));
    QCOMPARE(Variant::single(0.1f).toText(kEnglish), QStringLiteral("0.1"));
    QCOMPARE(Variant::real(double(0.1f)).toText(kEnglish), QStringLiteral("0.100000001490116"));
    QCOMPARE(Variant::text(" 7").toText(), QStringLiteral(" 7"));
    QCOMPARE(Variant().toText(), QString());

    // \ and Mod give 32-bit integers, the rest 64-bit floats.
    QCOMPARE(integerDivide(Variant::text("7"), Variant::real(2)).kind(), Variant::Kind::Int32);
    QCOMPARE(modulo(Variant::real(7), Variant::real(2)).kind(), Variant::Kind::Int32);
    QCOMPARE((Variant::text("3") * Variant::text("4")).kind(), Variant::Kind::Double);
    QCOMPARE((Variant::text("3") * Variant::text("4")).number(), 12.0);
    QCOMPARE(floor(Variant::real(-2.5)).number(), -3.0);

    // abs and negation keep the kind, widening an integer that overflows it.
    QCOMPARE((-Variant::int16(5)).kind(), Variant::Kind::Int16);
    QCOMPARE((-Variant::int16(-32768)).kind(), Variant::Kind::Int32);
    QCOMPARE((-Variant::int16(-32768)).number(), 32768.0);
    QCOMPARE(abs(Variant::int32(std::numeric_limits<std::int32_t>::min())).number(), 2147483648.0);
    QCOMPARE(abs(Variant::single(-1.5f)).kind(), Variant::Kind::Single);

    QVERIFY(compare(Variant::text("10"), Variant::real(9)) > 0);
    QVERIFY(Variant::int16(0) == 0);
}

void TestNumbers::variantErrors()
{
    QCOMPARE(errorOf([] { (void)(Variant::text("") * Variant::real(1)); }), kMismatch);
    QCOMPARE(errorOf([] { (void)(Variant::real(1) + Variant::text("x")); }), kMismatch);
    QCOMPARE(errorOf([] { (void)(Variant::text("1e400") - Variant::real(1)); }), kOverflow);
    QCOMPARE(errorOf([] { (void)(Variant::real(1e308) * Variant::real(10)); }), kOverflow);
    QCOMPARE(errorOf([] { divide(Variant::real(1), Variant::int16(0)); }), kDivZero);
    QCOMPARE(errorOf([] { divide(Variant::real(1), Variant::real(1e-310)); }), kOverflow);
    QCOMPARE(errorOf([] { integerDivide(Variant::real(1), Variant::text("0.4")); }), kDivZero);
}

void TestNumbers::placement_data()
{
    QTest::addColumn<float>("screenWidth");
    QTest::addColumn<float>("outerWidth");
    QTest::addColumn<float>("left");
    QTest::newRow("half dropped, not rounded up") << 15360.0f << 4755.0f << 5302.0f;
    QTest::newRow("even free width") << 15360.0f << 4760.0f << 5300.0f;
    QTest::newRow("wider than the screen") << 1000.0f << 1301.0f << -150.0f;
    QTest::newRow("free width rounds half to even") << 1000.5f << 0.0f << 500.0f;
    QTest::newRow("odd half rounds up to even") << 1001.5f << 0.0f << 501.0f;
}

void TestNumbers::placement()
{
    QFETCH(float, screenWidth);
    QFETCH(float, outerWidth);
    QFETCH(float, left);
    QCOMPARE(centredLeft(screenWidth, outerWidth), left);

    QCOMPARE(calculatorTop(11520.0f, 3555.0f), 7076.25f);
    // Taller than 0.8 of the screen: a negative top, not corrected.
    QVERIFY(calculatorTop(11520.0f, 9500.0f) < 0.0f);
    QCOMPARE(twipsToPixels(7076.25), 472);
    QCOMPARE(twipsToPixels(4628), 309);
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "tst_numbers.moc"
