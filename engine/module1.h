#pragma once

#include "fraction.h"
#include "variant.h"

#include <QLocale>
#include <QString>

namespace zarnith {

// The calculator's four operations.
enum class Operation { Add, Subtract, Multiply, Divide };

// The two fractions combined by the operation's formula, not yet reduced:
// add and subtract cross-multiply, multiply multiplies across, divide
// multiplies by the second fraction turned over. Overflow where a product
// or sum leaves the double range.
Result<Fraction> combine(Operation operation, const Fraction &first, const Fraction &second);

// A fraction as the calculator takes it from its boxes: numerator and
// denominator each a whole number (textToWholeNumber).
Result<Fraction> readFraction(const QString &numerator, const QString &denominator, const QLocale &locale = QLocale());

// The fraction arithmetic engine and its result state, which lives for the
// whole run. Each operation starts from a reset state, combines the two
// fractions, reduces the result, splits an improper one into a mixed number
// and gives that back. The state follows each step, so a step that fails
// leaves what the steps before it stored.
class Module1 {
public:
    Variant varResultWhole;
    Variant varResultQuotient;
    Variant varResultNumerator;
    Variant varResultDenominator;

    // Sets the numerator, the denominator and the whole part to 0 (the
    // 16-bit integer), in this order. The quotient is not touched.
    void ResetResult();

    // A zero denominator in the combination (in either fraction, or a zero
    // second numerator in a division) has no value: DivisionByZero. A
    // result beyond the 32-bit range overflows in the reduction.
    Result<MixedNumber> AddFractions(const Fraction &first, const Fraction &second);
    Result<MixedNumber> SubtractFractions(const Fraction &first, const Fraction &second);
    Result<MixedNumber> MultiplyFractions(const Fraction &first, const Fraction &second);
    Result<MixedNumber> DivideFractions(const Fraction &first, const Fraction &second);

    // The state's numerator and denominator in lowest terms (lowestTerms),
    // a denominator of 1 moved into the whole part. A zero denominator
    // leaves the state as it is.
    Failure ReduceResult();

private:
    Result<MixedNumber> operate(Operation operation, const Fraction &first, const Fraction &second);
};

} // namespace zarnith
