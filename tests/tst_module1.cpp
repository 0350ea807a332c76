// The fraction arithmetic engine, called as the calculator window calls it:
// the first fraction as texts in the result state, the second as arguments,
// the result read from what the engine writes to its display.

#include "errorof.h"
#include "module1.h"
#include "resultfields.h"

#include <QTest>

using namespace zarnith;
using namespace zarnith::test;

namespace {

using Routine = void (Module1::*)(const Variant &, const Variant &);

Routine routineFor(QChar op)
{
    switch (op.unicode()) {
    case u'+':
        return &Module1::AddFractions;
    case u'-':
        return &Module1::SubtractFractions;
    case u'*':
        return &Module1::MultiplyFractions;
    }
    return &Module1::DivideFractions;
}

// Runs one operation as the calculator does; the error kind, or kNone.
int run(Module1 &engine, const QString &n1, const QString &d1, QChar op, const QString &n2,
        const QString &d2)
{
    return errorOf([&] {
        engine.ResetResult();
        engine.varResultNumerator = Variant::text(n1);
        engine.varResultDenominator = Variant::text(d1);
        (engine.*routineFor(op))(Variant::text(n2), Variant::text(d2));
    });
}

} // namespace

class TestModule1 : public QObject {
    Q_OBJECT
private slots:
    void operations_data();
    void operations();
    void writeOrder();
    void errorKeepsDisplay();
    void resetKinds();
    void reduceResult_data();
    void reduceResult();
};

void TestModule1::operations_data()
{
    QTest::addColumn<QString>("n1");
    QTest::addColumn<QString>("d1");
    QTest::addColumn<QString>("op");
    QTest::addColumn<QString>("n2");
    QTest::addColumn<QString>("d2");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("whole");
    QTest::addColumn<QString>("numerator");
    QTest::addColumn<QString>("denominator");

    struct Row {
        const char *name, *n1, *d1, *op, *n2, *d2;
        int error;
        const char *whole, *numerator, *denominator;
    };
    const Row rows[] = {
        {"1/2 + 1/3", "1", "2", "+", "1", "3", kNone, "0", "5", "6"},
        {"3/4 + 1/2 splits", "3", "4", "+", "1", "2", kNone, "1", "1", "4"},
        {"1/2 + 1/2 is whole", "1", "2", "+", "1", "2", kNone, "1", "0", "0"},
        {"1/2 - 1/2 is zero", "1", "2", "-", "1", "2", kNone, "0", "0", "0"},
        {"1/4 - 3/4 reduces", "1", "4", "-", "3", "4", kNone, "0", "-1", "2"},
        {"negative improper not split", "1", "2", "-", "2", "1", kNone, "0", "-3", "2"},
        {"sign moves to numerator", "1", "-2", "*", "1", "1", kNone, "0", "-1", "2"},
        {"1/2 / -1/4 is whole -2", "1", "2", "/", "-1", "4", kNone, "-2", "0", "0"},
        {"2/3 / 4/9", "2", "3", "/", "4", "9", kNone, "1", "1", "2"},
        {"999/1 * 999/1", "999", "1", "*", "999", "1", kNone, "998001", "0", "0"},
        {"zero numerator", "0", "7", "*", "3", "5", kNone, "0", "0", "0"},
        {"-7/3 + 0/1 stays improper", "-7", "3", "+", "0", "1", kNone, "0", "-7", "3"},
        {"7/3 split", "7", "3", "*", "1", "1", kNone, "2", "1", "3"},
        {"both negative", "-1", "-3", "*", "1", "1", kNone, "0", "1", "3"},
        {"whole written as 2.0", "2.0", "1", "+", "0", "1", kNone, "2", "0", "0"},
        {"whole written as 1e3", "1e3", "7", "+", "0", "1", kNone, "142", "6", "7"},
        {"blank before a digit", " 7", "2", "+", "0", "1", kNone, "3", "1", "2"},
        {"near the 32-bit limit", "999", "1", "*", "2149633", "1", kNone, "2147483367", "0", "0"},
        {"past the 32-bit limit", "999", "1", "*", "2149634", "1", kOverflow, "", "", ""},
        // A zero combined denominator never produces a result.
        {"1/2 - 1/0", "1", "2", "-", "1", "0", kDivZero, "", "", ""},
        {"1/2 + 1/0", "1", "2", "+", "1", "0", kDivZero, "", "", ""},
        {"1/0 * 1/2", "1", "0", "*", "1", "2", kDivZero, "", "", ""},
        {"1/2 / 0/5", "1", "2", "/", "0", "5", kDivZero, "", "", ""},
        {"-1/2 / 0/5", "-1", "2", "/", "0", "5", kDivZero, "", "", ""},
        {"0/2 / 0/5", "0", "2", "/", "0", "5", kDivZero, "", "", ""},
        {"0/0 + 0/0", "0", "0", "+", "0", "0", kDivZero, "", "", ""},
        // Entries are whole numbers.
        {"1/0.5 / 3/4", "1", "0.5", "/", "3", "4", kMismatch, "", "", ""},
        {"1/0.5 * 4/3", "1", "0.5", "*", "4", "3", kMismatch, "", "", ""},
        {"1.5 as numerator", "1.5", "2", "+", "1", "2", kMismatch, "", "", ""},
        {"0.25 as second numerator", "1", "2", "+", "0.25", "1", kMismatch, "", "", ""},
        {"1/0.4 + 0/1", "1", "0.4", "+", "0", "1", kMismatch, "", "", ""},
        {"empty first numerator", "", "2", "+", "1", "2", kMismatch, "", "", ""},
        {"empty second denominator", "1", "2", "+", "1", "", kMismatch, "", "", ""},
        {"letters", "a", "2", "+", "1", "2", kMismatch, "", "", ""},
        {"blanks only", "1", "  ", "+", "1", "2", kMismatch, "", "", ""},
        {"9e9 overflows", "9e9", "1", "+", "0", "1", kOverflow, "", "", ""},
        {"beyond the double range", "1e400", "1", "+", "0", "1", kOverflow, "", "", ""},
    };
    for (const Row &r : rows)
        QTest::newRow(r.name) << QString(r.n1) << QString(r.d1) << QString(r.op) << QString(r.n2)
                              << QString(r.d2) << r.error << QString(r.whole)
                              << QString(r.numerator) << QString(r.denominator);
}

void TestModule1::operations()
{
    QFETCH(QString, n1);
    QFETCH(QString, d1);
    QFETCH(QString, op);
    QFETCH(QString, n2);
    QFETCH(QString, d2);
    QFETCH(int, error);
    QFETCH(QString, whole);
    QFETCH(QString, numerator);
    QFETCH(QString, denominator);

    ResultFields display;
    Module1 engine(&display);
    QCOMPARE(run(engine, n1, d1, op[0], n2, d2), error);
    if (error != kNone) {
        QVERIFY(display.writes.isEmpty());
        return;
    }
    QCOMPARE(display.whole, whole);
    QCOMPARE(display.numerator, numerator);
    QCOMPARE(display.denominator, denominator);
    // The shown mixed number is the exact value of the two fractions.
    const double a = n1.toDouble() / d1.toDouble();
    const double b = n2.toDouble() / d2.toDouble();
    const double exact = op == "+" ? a + b : op == "-" ? a - b : op == "*" ? a * b : a / b;
    const double shown = whole.toDouble()
        + (denominator == "0" ? 0.0 : numerator.toDouble() / denominator.toDouble());
    QVERIFY(qAbs(shown - exact) < 1e-9);
}

void TestModule1::writeOrder()
{
    ResultFields display;
    Module1 engine(&display);
    QCOMPARE(run(engine, "3", "4", '+', "1", "2"), kNone);
    QCOMPARE(display.writes, QStringList({"N:1", "D:4", "W:1"}));
    // Division multiplies by the reciprocal, then reduces and writes again.
    display.writes.clear();
    QCOMPARE(run(engine, "2", "3", '/', "4", "9"), kNone);
    QCOMPARE(display.writes, QStringList({"N:1", "D:2", "W:1", "N:1", "D:2", "W:1"}));
}

void TestModule1::errorKeepsDisplay()
{
    ResultFields display;
    Module1 engine(&display);
    QCOMPARE(run(engine, "1", "2", '+', "1", "3"), kNone);
    display.writes.clear();
    QCOMPARE(run(engine, "1", "2", '+', "1", ""), kMismatch);
    QVERIFY(display.writes.isEmpty());
    // The state keeps what the steps before the error stored.
    QCOMPARE(engine.varResultWhole.kind(), Variant::Kind::Int16);
}

void TestModule1::resetKinds()
{
    Module1 engine;
    QVERIFY(engine.varResultNumerator.isEmpty());
    engine.varResultQuotient = Variant::real(2.5);
    engine.ResetResult();
    for (const Variant *v : {&engine.varResultNumerator, &engine.varResultDenominator,
                             &engine.varResultWhole}) {
        QCOMPARE(v->kind(), Variant::Kind::Int16);
        QCOMPARE(v->toText(), QStringLiteral("0"));
    }
    QCOMPARE(engine.varResultQuotient.number(), 2.5);
}

void TestModule1::reduceResult_data()
{
    QTest::addColumn<double>("numerator");
    QTest::addColumn<double>("denominator");
    QTest::addColumn<QString>("reduced"); // whole numerator/denominator
    QTest::newRow("10/8") << 10.0 << 8.0 << "0 5/4";
    QTest::newRow("-8/16") << -8.0 << 16.0 << "0 -1/2";
    QTest::newRow("4/-2 to whole") << 4.0 << -2.0 << "-2 0/0";
    QTest::newRow("0/4 to whole 0") << 0.0 << 4.0 << "0 0/0";
    QTest::newRow("zero denominator unchanged") << -2.0 << 0.0 << "0 -2/0";
    QTest::newRow("coprime") << 7.0 << 9.0 << "0 7/9";
    QTest::newRow("large gcd") << 1073741824.0 << 2147483646.0 << "0 536870912/1073741823";
}

void TestModule1::reduceResult()
{
    QFETCH(double, numerator);
    QFETCH(double, denominator);
    QFETCH(QString, reduced);
    Module1 engine;
    engine.ResetResult();
    engine.varResultNumerator = Variant::real(numerator);
    engine.varResultDenominator = Variant::real(denominator);
    engine.ReduceResult();
    QCOMPARE(QStringLiteral("%1 %2/%3")
                 .arg(engine.varResultWhole.toText(), engine.varResultNumerator.toText(),
                      engine.varResultDenominator.toText()),
             reduced);
}

QTEST_APPLESS_MAIN(TestModule1)
#include "tst_module1.moc"
