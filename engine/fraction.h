#pragma once

// The fraction arithmetic both windows share: a fraction brought to lowest
// terms, and the whole part split off an improper one.

#include "result.h"

namespace zarnith {

struct Fraction {
    double numerator = 0;
    double denominator = 0;

    friend bool operator==(const Fraction &, const Fraction &) = default;
};

// A mixed number as a window shows it: the whole part, and the fraction
// beside it (0 over 0 when the value is whole).
struct MixedNumber {
    double whole = 0;
    double numerator = 0;
    double denominator = 0;

    friend bool operator==(const MixedNumber &, const MixedNumber &) = default;
};

// The fraction in lowest terms, its sign on the numerator: Euclid's
// algorithm on the absolute values with the rounding integer division of
// the number rules (so a numerator or denominator with a fractional part is
// rounded at each division), then both divided by the greatest common
// divisor. A zero denominator leaves the fraction as it is. Overflow for an
// operand beyond the 32-bit range; DivisionByZero where a divisor rounds to
// 0 (a denominator above 0 and at most 0.5).
Result<Fraction> lowestTerms(const Fraction &fraction);

// The whole part of a fraction greater than one: the floating quotient,
// its floor, and the remainder (numerator Mod denominator) that stays over
// the denominator.
struct WholeSplit {
    double quotient = 0;
    double whole = 0;
    double remainder = 0;
};
Result<WholeSplit> splitWhole(const Fraction &fraction);

} // namespace zarnith
