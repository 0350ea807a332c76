// The numeric-text test and the parser: they agree, and what they accept
// converts unless out of range, and writes back to the same value.

#include "fuzzcheck.h"
#include "numbers.h"

#include <cfloat>
#include <cmath>

using namespace zarnith;
using namespace zarnith::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const QLocale &locale : kLocales) {
        const ParsedNumber parsed = parseNumber(text, locale);
        check(isNumericText(text, locale) == parsed.isNumeric(), "test and parser agree", text);
        double value = 0;
        const Outcome outcome = outcomeOf([&] { value = textToDouble(text, locale); });
        if (!parsed.isNumeric()) {
            check(outcome == Outcome::TypeMismatch, "not numeric is a type mismatch", text);
            continue;
        }
        if (parsed.status == ParsedNumber::Status::OutOfRange) {
            check(outcome == Outcome::Overflow, "out of range is an overflow", text);
            continue;
        }
        check(outcome == Outcome::Value && std::isfinite(value), "numeric text converts", text);
        const Outcome single = outcomeOf([&] { textToSingle(text, locale); });
        check(single == Outcome::Value || std::fabs(value) > FLT_MAX, "float conversion in range", text);
        // The largest doubles round up past the range at 15 digits.
        double back = 0;
        const Outcome read = outcomeOf([&] { back = textToDouble(doubleToText(value, locale), locale); });
        if (std::fabs(value) > 1.797693134862315e308)
            check(read == Outcome::Overflow, "past the range at 15 digits", text);
        else
            check(read == Outcome::Value && std::fabs(back - value) <= std::fabs(value) * 5.1e-15,
                  "written value reads back", text);
    }
    return 0;
}
