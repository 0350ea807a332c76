// The calculator's arithmetic against exact rational arithmetic: tens of
// thousands of random whole-number fractions, as short as the boxes allow,
// through all four operations, compared field by field.

#include "errorof.h"
#include "module1.h"
#include "resultfields.h"

#include <QTest>

#include <numeric>
#include <random>

using namespace zarnith;
using namespace zarnith::test;

namespace {

struct Expected {
    bool divisionByZero = false;
    QString whole, numerator, denominator;
};

// The reference: 64-bit integers and std::gcd, written independently of
// the engine's variant arithmetic.
Expected reference(qint64 n1, qint64 d1, char op, qint64 n2, qint64 d2)
{
    qint64 n = 0;
    qint64 d = 0;
    switch (op) {
    case '+': n = n1 * d2 + d1 * n2; d = d1 * d2; break;
    case '-': n = n1 * d2 - d1 * n2; d = d1 * d2; break;
    case '*': n = n1 * n2; d = d1 * d2; break;
    default: n = n1 * d2; d = d1 * n2; break;
    }
    Expected e;
    if (d == 0) {
        e.divisionByZero = true;
        return e;
    }
    const qint64 g = std::gcd(n, d);
    n /= g;
    d /= g;
    if (d < 0) {
        n = -n;
        d = -d;
    }
    qint64 whole = 0;
    if (d == 1) {
        whole = n;
        n = 0;
        d = 0;
    } else if (n > d) {
        whole = n / d;
        n %= d;
    }
    e.whole = QString::number(whole);
    e.numerator = QString::number(n);
    e.denominator = QString::number(d);
    return e;
}

} // namespace

class TestRandom : public QObject {
    Q_OBJECT
private slots:
    void againstExactArithmetic_data();
    void againstExactArithmetic();
};

void TestRandom::againstExactArithmetic_data()
{
    QTest::addColumn<unsigned>("seed");
    for (unsigned seed : {1u, 2u, 3u, 4u})
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

void TestRandom::againstExactArithmetic()
{
    QFETCH(unsigned, seed);
    std::mt19937 random(seed);
    // Numerators have 3 characters, denominators 4: "-99".."999", "-999".."9999".
    // Zeros come often enough to test the zero numerator and denominator.
    auto entry = [&random](int low, int high) {
        std::uniform_int_distribution<int> zero(0, 15);
        if (zero(random) == 0)
            return 0;
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    const char ops[] = {'+', '-', '*', '/'};
    ResultFields fields;
    Module1 engine(&fields);
    int divisionsByZero = 0;
    for (int i = 0; i < 10000; ++i) {
        const qint64 n1 = entry(-99, 999);
        const qint64 d1 = entry(-999, 9999);
        const qint64 n2 = entry(-99, 999);
        const qint64 d2 = entry(-999, 9999);
        for (char op : ops) {
            const Expected expected = reference(n1, d1, op, n2, d2);
            fields = {};
            const int error = errorOf([&] {
                engine.ResetResult();
                engine.varResultNumerator = Variant::text(QString::number(n1));
                engine.varResultDenominator = Variant::text(QString::number(d1));
                const Variant a = Variant::text(QString::number(n2));
                const Variant b = Variant::text(QString::number(d2));
                switch (op) {
                case '+': engine.AddFractions(a, b); break;
                case '-': engine.SubtractFractions(a, b); break;
                case '*': engine.MultiplyFractions(a, b); break;
                default: engine.DivideFractions(a, b); break;
                }
            });
            const QString what = QStringLiteral("%1/%2 %3 %4/%5").arg(n1).arg(d1).arg(op).arg(n2).arg(d2);
            if (expected.divisionByZero) {
                ++divisionsByZero;
                QVERIFY2(error == kDivZero, qPrintable(what));
                continue;
            }
            QVERIFY2(error == kNone, qPrintable(what));
            QVERIFY2(fields.whole == expected.whole && fields.numerator == expected.numerator
                         && fields.denominator == expected.denominator,
                     qPrintable(what + QStringLiteral(": %1 %2/%3").arg(fields.whole, fields.numerator,
                                                                       fields.denominator)));
        }
    }
    QVERIFY(divisionsByZero > 0);
}

QTEST_APPLESS_MAIN(TestRandom)
#include "tst_random.moc"
