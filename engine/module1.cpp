#include "module1.h"

#include "numbers.h"

namespace zarnith {

Result<Fraction> combine(Operation operation, const Fraction &first, const Fraction &second)
{
    const auto [n1, d1] = first;
    const auto [n2, d2] = second;
    double numerator = 0;
    switch (operation) {
    case Operation::Add:
        numerator = n1 * d2 + d1 * n2;
        break;
    case Operation::Subtract:
        numerator = n1 * d2 - d1 * n2;
        break;
    case Operation::Multiply:
        numerator = n1 * n2;
        break;
    case Operation::Divide:
        return combine(Operation::Multiply, first, {d2, n2});
    }
    const Result<double> n = finite(numerator);
    const Result<double> d = finite(d1 * d2);
    if (!n || !d)
        return Error::Overflow;
    return Fraction{*n, *d};
}

Result<Fraction> readFraction(const QString &numerator, const QString &denominator, const QLocale &locale)
{
    const Result<double> n = textToWholeNumber(numerator, locale);
    if (!n)
        return n.error();
    const Result<double> d = textToWholeNumber(denominator, locale);
    if (!d)
        return d.error();
    return Fraction{*n, *d};
}

void Module1::ResetResult()
{
    varResultNumerator = Variant::int16(0);
    varResultDenominator = Variant::int16(0);
    varResultWhole = Variant::int16(0);
}

Result<MixedNumber> Module1::AddFractions(const Fraction &first, const Fraction &second)
{
    return operate(Operation::Add, first, second);
}

Result<MixedNumber> Module1::SubtractFractions(const Fraction &first, const Fraction &second)
{
    return operate(Operation::Subtract, first, second);
}

Result<MixedNumber> Module1::MultiplyFractions(const Fraction &first, const Fraction &second)
{
    return operate(Operation::Multiply, first, second);
}

Result<MixedNumber> Module1::DivideFractions(const Fraction &first, const Fraction &second)
{
    return operate(Operation::Divide, first, second);
}

Result<MixedNumber> Module1::operate(Operation operation, const Fraction &first, const Fraction &second)
{
    ResetResult();
    const Result<Fraction> combined = combine(operation, first, second);
    if (!combined)
        return combined.error();
    varResultNumerator = Variant::real(combined->numerator);
    varResultDenominator = Variant::real(combined->denominator);
    if (combined->denominator == 0)
        return Error::DivisionByZero;
    if (const Failure failed = ReduceResult())
        return *failed;

    // Only a result greater than 1 with a positive denominator is split; a
    // negative improper fraction stays as it is, with whole part 0.
    const Fraction reduced{varResultNumerator.number(), varResultDenominator.number()};
    if (reduced.numerator > reduced.denominator) {
        const Result<WholeSplit> split = splitWhole(reduced);
        if (!split)
            return split.error();
        varResultQuotient = Variant::real(split->quotient);
        varResultNumerator = Variant::real(split->remainder);
        varResultWhole = Variant::real(split->whole);
    }
    return MixedNumber{varResultWhole.number(), varResultNumerator.number(), varResultDenominator.number()};
}

Failure Module1::ReduceResult()
{
    const Result<Fraction> reduced = lowestTerms({varResultNumerator.number(), varResultDenominator.number()});
    if (!reduced)
        return reduced.error();
    if (reduced->denominator == 1) {
        varResultWhole = Variant::real(reduced->numerator);
        varResultNumerator = Variant::int16(0);
        varResultDenominator = Variant::int16(0);
    } else {
        varResultNumerator = Variant::real(reduced->numerator);
        varResultDenominator = Variant::real(reduced->denominator);
    }
    return {};
}

} // namespace zarnith
