#pragma once

// The Decimals window's working values and its three commands on them:
// Fraction to Decimal, Decimal to Fraction and Reduce, each ending with the
// nearest sixty-fourth where it has a value.

#include "fraction.h"
#include "variant.h"

#include <QString>

#include <optional>

namespace zarnith {

// What the Decimals window's last command left in its working values, kept
// until the next command, Clear or the end of the program. A default
// WorkingValues is the window as it loads and after Clear. Numerators and
// denominators are held at 64-bit precision, so that 100.01 converts to
// 100 1/100 and 16777217 stays itself; values beyond the 32-bit float range
// are still refused.
struct WorkingValues {
    Variant varWholeNum = Variant::int16(0);
    double sngNumerator = 0;
    double sngDenominator = 0;
    double sngWholeParts = 0;
    double dblDecimal = 0;
    double sngWorkNumerator = 0;
    double sngWorkDenominator = 0;
    QString strApprox;
};

// A command's working values afterwards, and what it gives the window to
// show or the error that stopped it. The values come back either way: what
// a command stored before an error is not rolled back.
template <class T>
struct Step {
    WorkingValues values;
    Result<T> shown;
};

// Fraction to Decimal of w + n/d, the product w x d floored first (a
// negative whole number is added to, not subtracted from: -2 and 1/4 give
// -1.75). Only a positive numerator over a positive denominator converts;
// otherwise nothing is computed (the decimal is empty) and the nearest
// sixty-fourth is emptied with it, so that no earlier answer stands beside
// the new fraction as if it were its. Overflow beyond the 32-bit float range.
Step<std::optional<double>> fractionToDecimal(WorkingValues values, double whole, double numerator, double denominator);

// Decimal to Fraction: the decimal over 10,000,000, reduced by trial
// division, its whole part split off when it exceeds 1 (otherwise the
// whole part shown is 0). Overflow outside the method's range (about
// +-214.748), before anything is stored.
Step<MixedNumber> decimalToFraction(WorkingValues values, double decimal);

// Reduce: the typed fraction in lowest terms (lowestTerms), a whole part
// carried into the whole number in the box, a denominator of 1 folded into
// it. `wholeInBox` is the whole-number box as read; it counts (its error
// included) only where the fraction has a denominator. A zero denominator
// leaves the fraction as typed and the whole number without a value to
// show (nullopt). Overflow beyond the 32-bit float range.
struct Reduced {
    std::optional<double> whole;
    double numerator = 0;
    double denominator = 0;
};
Step<Reduced> reduce(WorkingValues values, double numerator, double denominator, const Result<double> &wholeInBox);

} // namespace zarnith
