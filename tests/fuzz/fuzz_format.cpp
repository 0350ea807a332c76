// Number to text and the two format patterns: every text reads back to a
// value within the rounding of its rule.

#include "fuzzcheck.h"
#include "numbers.h"

#include <cmath>
#include <cstring>

using namespace zarnith;
using namespace zarnith::fuzz;

namespace {

// A pattern's text as a number: "." alone and "" are zero.
double readBack(const QString &text, const QLocale &locale)
{
    if (text.isEmpty() || text == locale.decimalPoint())
        return 0;
    return textToDouble(text, locale);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < sizeof(double) + sizeof(float))
        return 0;
    double value = 0;
    float single = 0;
    std::memcpy(&value, data, sizeof value);
    std::memcpy(&single, data + sizeof value, sizeof single);
    if (!std::isfinite(value) || !std::isfinite(single))
        return 0;
    const QString what = QString::number(value, 'g', 17);
    // The largest doubles round up, at 15 digits, past the double range
    // (1.79769313486232E+308): every text of theirs reads back as an overflow.
    const bool pastTheRange = std::fabs(value) > 1.797693134862315e308;
    for (const QLocale &locale : kLocales) {
        const QString text = doubleToText(value, locale);
        const QString decimal = decimalPatternText(value, locale);
        const QString whole = fractionPatternText(value);
        check(!decimal.contains(u'E') && decimal.contains(locale.decimalPoint()),
              "decimal pattern has its separator and no exponent", decimal);
        check(whole != QStringLiteral("0") && whole != QStringLiteral("-0"), "zero is empty", whole);
        if (pastTheRange) {
            for (const QString &written : {text, decimal, whole})
                check(outcomeOf([&] { readBack(written, locale); }) == Outcome::Overflow,
                      "past the range at 15 digits", what);
        } else {
            // Half a unit in the 15th digit is at most 5e-15 of the value, and
            // reading the text back rounds once more, to the nearest double.
            const double general = textToDouble(text, locale);
            check(std::fabs(general - value) <= std::fabs(value) * 5.1e-15, "15 digits read back", what);
            check(std::fabs(readBack(decimal, locale) - value) <= 0.5e-10 + std::fabs(value) * 1e-14,
                  "decimal pattern within ten places", what);
            check(std::fabs(readBack(whole, locale) - value) <= 0.5 + std::fabs(value) * 1e-14,
                  "fraction-part pattern within a half", what);
        }
        const double fromSingle = textToDouble(singleToText(single, locale), locale);
        check(std::fabs(fromSingle - single) <= std::fabs(single) * 5.1e-7, "7 digits read back",
              QString::number(single, 'g', 9));
    }
    return 0;
}
