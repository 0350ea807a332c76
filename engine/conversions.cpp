#include "conversions.h"

#include "numbers.h"
#include "sixtyfourths.h"

#include <cmath>

namespace zarnith {

namespace {

// Decimal to Fraction works in ten-millionths: a decimal is taken to seven
// places, over a denominator of 10,000,000 (2^7 x 5^7).
constexpr double kTenMillion = 10000000.0;
// It reduces by trial division: eleven passes, each trying the divisors 2
// to 50 once in ascending order. Eleven passes of 2 to 50 take out every
// factor of 2 and 5 that 10,000,000 holds, so a whole working numerator
// ends fully reduced.
constexpr int kReductionPasses = 11;
constexpr int kFirstDivisor = 2;
constexpr int kLastDivisor = 50;

// Whether k divides the value rounded to a 32-bit integer.
bool divides(int k, double value)
{
    const Result<std::int32_t> remainder = integerModulo(value, k);
    return remainder && *remainder == 0;
}

// The numerator, then the denominator, each refused beyond the 32-bit float
// range and stored as it is read: a denominator refused leaves the numerator
// stored.
Failure storeFraction(WorkingValues &values, double numerator, double denominator)
{
    for (auto [value, stored] : {std::pair{numerator, &values.sngNumerator}, {denominator, &values.sngDenominator}}) {
        const Result<double> within = withinSingleRange(value);
        if (!within)
            return within.error();
        *stored = *within;
    }
    return {};
}

} // namespace

Step<std::optional<double>> fractionToDecimal(WorkingValues values, double whole, double numerator, double denominator)
{
    values.varWholeNum = Variant::real(whole);
    if (const Failure failed = storeFraction(values, numerator, denominator))
        return {values, *failed};
    const double n = values.sngNumerator, d = values.sngDenominator;
    if (!(n > 0 && d > 0)) {
        values.strApprox.clear();
        return {values, std::optional<double>()};
    }
    const Result<double> wholeParts = withinSingleRange(whole * d);
    if (!wholeParts)
        return {values, wholeParts.error()};
    values.sngWholeParts = std::floor(*wholeParts);
    // A denominator below the 32-bit float range can carry the quotient past
    // the double range: that is the arithmetic failing, refused as too large.
    const Result<double> decimal = finite((values.sngWholeParts + n) / d);
    if (!decimal)
        return {values, decimal.error()};
    values.dblDecimal = *decimal;
    values.strApprox = nearestSixtyFourth(values.dblDecimal);
    return {values, std::optional<double>(values.dblDecimal)};
}

Step<MixedNumber> decimalToFraction(WorkingValues values, double decimal)
{
    // The range of the method: every divisibility test rounds the
    // ten-million-fold decimal to a 32-bit integer.
    const double tenMillionFold = decimal * kTenMillion;
    if (!roundToInt32(tenMillionFold))
        return {values, Error::Overflow};

    values.dblDecimal = decimal;
    values.sngWorkNumerator = tenMillionFold;
    values.sngWorkDenominator = kTenMillion;
    for (int pass = 0; pass < kReductionPasses; ++pass) {
        for (int k = kFirstDivisor; k <= kLastDivisor; ++k) {
            if (divides(k, values.sngWorkNumerator) && divides(k, values.sngWorkDenominator)) {
                values.sngWorkNumerator /= k;
                values.sngWorkDenominator /= k;
            }
        }
    }
    values.sngNumerator = values.sngWorkNumerator;
    values.sngDenominator = values.sngWorkDenominator;

    double whole = 0;
    if (values.sngNumerator > values.sngDenominator) {
        const Result<WholeSplit> split = splitWhole({values.sngNumerator, values.sngDenominator});
        if (!split)
            return {values, split.error()};
        values.varWholeNum = Variant::real(split->quotient);
        values.sngNumerator = split->remainder;
        whole = split->whole;
    }
    values.strApprox = nearestSixtyFourth(decimal);
    return {values, MixedNumber{whole, values.sngNumerator, values.sngDenominator}};
}

Step<Reduced> reduce(WorkingValues values, double numerator, double denominator, const Result<double> &wholeInBox)
{
    if (const Failure failed = storeFraction(values, numerator, denominator))
        return {values, *failed};
    const double n = values.sngNumerator, d = values.sngDenominator;
    if (d == 0)
        return {values, Reduced{std::nullopt, n, d}};

    const Result<Fraction> reduced = lowestTerms({n, d});
    if (!reduced)
        return {values, reduced.error()};
    values.sngNumerator = reduced->numerator;
    values.sngDenominator = reduced->denominator;

    // The whole number comes from its box every time, so that a number the
    // user typed there is kept and carried onto.
    if (!wholeInBox)
        return {values, wholeInBox.error()};
    double whole = *wholeInBox;
    if (values.sngNumerator > values.sngDenominator) {
        const Result<WholeSplit> split = splitWhole(*reduced);
        if (!split)
            return {values, split.error()};
        values.sngNumerator = split->remainder;
        whole += split->whole;
    }
    values.varWholeNum = Variant::real(whole);

    if (values.sngDenominator == 1) {
        const double shown = whole + values.sngNumerator;
        values.sngNumerator = 0;
        values.sngDenominator = 0;
        return {values, Reduced{shown, 0, 0}};
    }
    return {values, Reduced{whole, values.sngNumerator, values.sngDenominator}};
}

} // namespace zarnith
