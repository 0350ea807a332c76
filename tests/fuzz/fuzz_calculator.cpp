// The calculator's four operations on four arbitrary texts: an operation
// raises one of the three errors, or shows three numeric fields with the
// fraction in lowest terms, a positive denominator, and the exact value.

#include "fuzzcheck.h"
#include "module1.h"
#include "numbers.h"
#include "resultfields.h"

#include <cmath>
#include <numeric>

using namespace zarnith;
using namespace zarnith::fuzz;

namespace {

using Routine = void (Module1::*)(const Variant &, const Variant &);
const Routine kRoutines[] = {&Module1::AddFractions, &Module1::SubtractFractions,
                             &Module1::MultiplyFractions, &Module1::DivideFractions};

// The entry as an integer when it is a whole number of at most 31 bits.
bool smallInteger(const QString &text, __int128 &out)
{
    const ParsedNumber p = parseNumber(text);
    if (p.status != ParsedNumber::Status::Ok || p.value != std::trunc(p.value)
        || std::fabs(p.value) > 2147483647.0)
        return false;
    out = static_cast<__int128>(p.value);
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QStringList texts = fields(data, size, 4);
    const QString what = texts.join(u'|');
    test::ResultFields shown;
    Module1 engine(&shown);
    for (int op = 0; op < 4; ++op) {
        shown = {};
        const Outcome outcome = outcomeOf([&] {
            engine.ResetResult();
            engine.varResultNumerator = Variant::text(texts[0]);
            engine.varResultDenominator = Variant::text(texts[1]);
            (engine.*kRoutines[op])(Variant::text(texts[2]), Variant::text(texts[3]));
        });
        if (outcome != Outcome::Value)
            continue;
        bool ok[3];
        const qlonglong whole = shown.whole.toLongLong(&ok[0]);
        const qlonglong n = shown.numerator.toLongLong(&ok[1]);
        const qlonglong d = shown.denominator.toLongLong(&ok[2]);
        check(ok[0] && ok[1] && ok[2], "three integer fields", what);
        if (d == 0) {
            check(n == 0, "a whole result shows 0 over 0", what);
        } else {
            check(d > 1 && std::gcd(n, d) == 1, "lowest terms, positive denominator", what);
            check(n < d, "a proper or negative fraction", what);
            check(n < 0 ? whole == 0 : true, "a negative fraction is not split", what);
        }
        // The exact value, where the entries are small enough to multiply.
        __int128 e[4];
        if (smallInteger(texts[0], e[0]) && smallInteger(texts[1], e[1])
            && smallInteger(texts[2], e[2]) && smallInteger(texts[3], e[3])) {
            __int128 num = 0;
            __int128 den = 0;
            switch (op) {
            case 0: num = e[0] * e[3] + e[1] * e[2]; den = e[1] * e[3]; break;
            case 1: num = e[0] * e[3] - e[1] * e[2]; den = e[1] * e[3]; break;
            case 2: num = e[0] * e[2]; den = e[1] * e[3]; break;
            default: num = e[0] * e[3]; den = e[1] * e[2]; break;
            }
            const __int128 shownDen = d == 0 ? 1 : d;
            check((__int128(whole) * shownDen + n) * den == num * shownDen, "the exact value", what);
        }
    }
    return 0;
}
