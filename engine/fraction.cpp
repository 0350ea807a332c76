#include "fraction.h"

#include "numbers.h"

#include <cmath>
#include <cstdint>

namespace zarnith {

Result<Fraction> lowestTerms(const Fraction &fraction)
{
    double a = std::fabs(fraction.numerator);
    double b = std::fabs(fraction.denominator);
    if (b == 0)
        return fraction;
    // The body runs at least once: a zero numerator gives a = |denominator|.
    double remainder = 0;
    do {
        const Result<std::int32_t> quotient = integerDivide(a, b);
        if (!quotient)
            return quotient.error();
        remainder = a - b * *quotient;
        a = b;
        b = remainder;
    } while (remainder > 0);

    const Result<std::int32_t> numerator = integerDivide(fraction.numerator, a);
    if (!numerator)
        return numerator.error();
    const Result<std::int32_t> denominator = integerDivide(fraction.denominator, a);
    if (!denominator)
        return denominator.error();
    if (*denominator < 0)
        return Fraction{-double(*numerator), -double(*denominator)};
    return Fraction{double(*numerator), double(*denominator)};
}

Result<WholeSplit> splitWhole(const Fraction &fraction)
{
    if (fraction.denominator == 0)
        return Error::DivisionByZero;
    const Result<std::int32_t> remainder = integerModulo(fraction.numerator, fraction.denominator);
    if (!remainder)
        return remainder.error();
    const double quotient = fraction.numerator / fraction.denominator;
    return WholeSplit{quotient, std::floor(quotient), double(*remainder)};
}

} // namespace zarnith
