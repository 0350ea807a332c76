#pragma once

// The number rules shared by both windows: which texts are numbers, how
// they convert, how integer division rounds, and how numbers become text.

#include "result.h"

#include <QLocale>
#include <QString>
#include <cstdint>

namespace zarnith {

struct ParsedNumber {
    enum class Status { Ok, NotNumeric, OutOfRange };
    Status status = Status::NotNumeric;
    double value = 0.0;

    bool isNumeric() const { return status != Status::NotNumeric; }
};

// Reads a box's text as a number with the locale's parser: blanks around it,
// an optional sign, digits with the locale's decimal separator, an optional
// exponent. No group separators, no "inf" or "nan". A text the grammar
// accepts whose value lies beyond the double range is OutOfRange; one that
// underflows reads as 0.
ParsedNumber parseNumber(const QString &text, const QLocale &locale = QLocale());

// True when the text is a number (OutOfRange texts are numbers too, just
// too large for a double).
bool isNumericText(const QString &text, const QLocale &locale = QLocale());

// Text to a 64-bit float: TypeMismatch when not numeric, Overflow when out
// of range.
Result<double> textToDouble(const QString &text, const QLocale &locale = QLocale());

// Text to a whole number, as the calculator takes its entries: as
// textToDouble, and TypeMismatch for a number with a fractional part (a
// whole value written another way, "2.0", "1e3" or " 7", is taken).
Result<double> textToWholeNumber(const QString &text, const QLocale &locale = QLocale());

// The Decimals window keeps its numbers at 64-bit precision but refuses,
// as it always has, values beyond the 32-bit float range: this gives the
// value unchanged, or Overflow where rounding it to a 32-bit float would
// give infinity (from FLT_MAX plus half a unit in its last place on).
Result<double> withinSingleRange(double value);

// A result of the double arithmetic: Overflow once it has left the double
// range (infinite or not a number).
Result<double> finite(double value);

// Rounds to the nearest integer, an exact half to the even neighbour, and
// requires the 32-bit signed range (Overflow outside it, NaN included).
Result<std::int32_t> roundToInt32(double value);

// a \ b: both operands rounded by roundToInt32, the quotient truncated toward
// zero. DivisionByZero when the divisor rounds to 0; Overflow when the
// quotient leaves the 32-bit range (-2147483648 \ -1).
Result<std::int32_t> integerDivide(double dividend, double divisor);

// a Mod b: operands as for integerDivide; the remainder takes the sign of
// the dividend.
Result<std::int32_t> integerModulo(double dividend, double divisor);

// Number to text without a format pattern: at most `digits` significant
// digits, trailing zeros dropped, the locale's decimal separator, a leading
// "-" when negative, and the exponent form (mantissa, "E", sign, at least two
// digits) when the decimal exponent is below -4 or reaches `digits`.
QString generalNumberText(double value, int digits, const QLocale &locale = QLocale());

// The same rule at a 64-bit float's 15 digits.
QString doubleToText(double value, const QLocale &locale = QLocale());

// An integer in plain digits, "-" in front when negative.
QString integerToText(std::int64_t value);

// The decimal pattern "##.##########": rounded to ten decimal places, a half
// going away from zero; no leading zero (.375, -.25), the separator always
// written (4 is "4.", 0 is "." alone), trailing zeros dropped, no exponent.
QString decimalPatternText(double value, const QLocale &locale = QLocale());

// The fraction-part pattern "####": rounded to an integer, a half going away
// from zero, in plain digits; 0 gives the empty text.
QString fractionPatternText(double value);

} // namespace zarnith
