#include "numbers.h"

#include <QRegularExpression>

#include <cfloat>
#include <cmath>
#include <limits>

namespace zarnith {

namespace {

// Reads past one sign at `pos`: the locale's or the ASCII one.
void skipSign(const QString &s, qsizetype &pos, const QLocale &locale)
{
    for (const QString &sign :
         {locale.negativeSign(), locale.positiveSign(), QStringLiteral("-"), QStringLiteral("+")}) {
        if (!sign.isEmpty() && s.mid(pos).startsWith(sign)) {
            pos += sign.size();
            return;
        }
    }
}

bool isDigitOf(QChar c, const QLocale &locale)
{
    if (c >= u'0' && c <= u'9')
        return true;
    const QString zero = locale.zeroDigit();
    return zero.size() == 1 && c.unicode() >= zero[0].unicode() && c.unicode() <= zero[0].unicode() + 9;
}

qsizetype skipDigits(const QString &s, qsizetype &pos, const QLocale &locale)
{
    const qsizetype start = pos;
    while (pos < s.size() && isDigitOf(s[pos], locale))
        ++pos;
    return pos - start;
}

// The written form of a number: [sign] digits [separator digits]
// [exponent [sign] digits], with at least one mantissa digit.
bool hasNumberForm(const QString &s, const QLocale &locale)
{
    qsizetype pos = 0;
    skipSign(s, pos, locale);
    qsizetype digits = skipDigits(s, pos, locale);
    const QString separator = locale.decimalPoint();
    if (s.mid(pos).startsWith(separator)) {
        pos += separator.size();
        digits += skipDigits(s, pos, locale);
    }
    if (digits == 0)
        return false;
    if (pos < s.size() && (s[pos] == u'e' || s[pos] == u'E')) {
        ++pos;
        skipSign(s, pos, locale);
        if (skipDigits(s, pos, locale) == 0)
            return false;
    }
    return pos == s.size();
}

// The float range's edge: a value below FLT_MAX plus half a unit in its last
// place still rounds to FLT_MAX; from there on it rounds to infinity.
constexpr double kSingleLimit = double(FLT_MAX) + 0x1p103;

// "2.500" -> "2.5", "3.000" -> "3"; digits before the point stay.
void dropTrailingZeros(QString &digits)
{
    if (!digits.contains(u'.'))
        return;
    while (digits.endsWith(u'0'))
        digits.chop(1);
    if (digits.endsWith(u'.'))
        digits.chop(1);
}

// A value's decimal digits rounded at `places` decimals, a half going away
// from zero. The value is first written with 15 significant digits, the
// precision a 64-bit float holds, so that 0.00000000005 rounds as the decimal
// it stands for.
struct RoundedDigits {
    bool negative = false;
    QString integer;  // without leading zeros; empty for 0
    QString fraction; // exactly `places` digits
};

RoundedDigits roundHalfAwayFromZero(double value, int places)
{
    const QString scientific = QString::number(std::fabs(value), 'e', 14);
    const qsizetype e = scientific.indexOf(u'e');
    const int exponent = scientific.mid(e + 1).toInt();
    const QString digits = scientific.left(e).remove(u'.'); // the first stands at 10^exponent

    QString integer;
    QString fraction;
    if (exponent >= 0) {
        integer = digits.left(exponent + 1).leftJustified(exponent + 1, u'0');
        fraction = digits.mid(exponent + 1);
    } else {
        fraction = QString(-exponent - 1, u'0') + digits;
    }
    fraction = fraction.leftJustified(places + 1, u'0');

    QString kept = integer + fraction.left(places);
    if (fraction[places] >= u'5') {
        qsizetype i = kept.size() - 1;
        for (; i >= 0 && kept[i] == u'9'; --i)
            kept[i] = u'0';
        if (i >= 0)
            kept[i] = QChar(kept[i].unicode() + 1);
        else
            kept.prepend(u'1');
    }

    RoundedDigits r;
    r.integer = kept.left(kept.size() - places);
    r.fraction = kept.right(places);
    while (r.integer.startsWith(u'0'))
        r.integer.remove(0, 1);
    // A value that rounds to zero has no sign.
    r.negative = value < 0 && kept.contains(QRegularExpression(QStringLiteral("[1-9]")));
    return r;
}

} // namespace

ParsedNumber parseNumber(const QString &text, const QLocale &locale)
{
    const QString trimmed = text.trimmed();
    if (!hasNumberForm(trimmed, locale))
        return {};
    QLocale strict = locale;
    strict.setNumberOptions(locale.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = strict.toDouble(trimmed, &ok);
    if (std::isinf(value))
        return {ParsedNumber::Status::OutOfRange, value};
    // The parser refuses a value that underflows the double range; its
    // nearest double is 0.
    return {ParsedNumber::Status::Ok, ok ? value : 0.0};
}

bool isNumericText(const QString &text, const QLocale &locale)
{
    return parseNumber(text, locale).isNumeric();
}

Result<double> textToDouble(const QString &text, const QLocale &locale)
{
    const ParsedNumber parsed = parseNumber(text, locale);
    switch (parsed.status) {
    case ParsedNumber::Status::Ok:
        return parsed.value;
    case ParsedNumber::Status::OutOfRange:
        return Error::Overflow;
    case ParsedNumber::Status::NotNumeric:
        break;
    }
    return Error::TypeMismatch;
}

Result<double> textToWholeNumber(const QString &text, const QLocale &locale)
{
    const Result<double> value = textToDouble(text, locale);
    if (value && *value != std::trunc(*value))
        return Error::TypeMismatch;
    return value;
}

Result<double> withinSingleRange(double value)
{
    if (std::isnan(value) || std::fabs(value) >= kSingleLimit)
        return Error::Overflow;
    return value;
}

Result<double> finite(double value)
{
    if (!std::isfinite(value))
        return Error::Overflow;
    return value;
}

Result<std::int32_t> roundToInt32(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0))
        rounded = below + 1.0;
    // The comparisons are false for NaN, which therefore overflows too.
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0))
        return Error::Overflow;
    return static_cast<std::int32_t>(rounded);
}

namespace {

// Both operands of \ and Mod, rounded; DivisionByZero for a divisor that
// rounds to 0.
Result<std::pair<std::int32_t, std::int32_t>> integerOperands(double dividend, double divisor)
{
    const Result<std::int32_t> a = roundToInt32(dividend);
    if (!a)
        return a.error();
    const Result<std::int32_t> b = roundToInt32(divisor);
    if (!b)
        return b.error();
    if (*b == 0)
        return Error::DivisionByZero;
    return std::pair{*a, *b};
}

} // namespace

Result<std::int32_t> integerDivide(double dividend, double divisor)
{
    const auto operands = integerOperands(dividend, divisor);
    if (!operands)
        return operands.error();
    const auto [a, b] = *operands;
    if (a == std::numeric_limits<std::int32_t>::min() && b == -1)
        return Error::Overflow;
    return a / b;
}

Result<std::int32_t> integerModulo(double dividend, double divisor)
{
    const auto operands = integerOperands(dividend, divisor);
    if (!operands)
        return operands.error();
    const auto [a, b] = *operands;
    // -2147483648 % -1 is undefined in C++; the remainder is 0.
    return b == -1 ? 0 : a % b;
}

QString generalNumberText(double value, int digits, const QLocale &locale)
{
    if (value == 0.0)
        return QStringLiteral("0"); // negative zero too

    // Round to `digits` significant digits first: the exponent after
    // rounding decides the form (9.9999999 at 7 digits is 10, not 9.999999).
    const QString scientific = QString::number(value, 'e', digits - 1);
    const qsizetype e = scientific.indexOf(u'e');
    const int exponent = scientific.mid(e + 1).toInt();

    QString text;
    if (exponent < -4 || exponent >= digits) {
        QString mantissa = scientific.left(e);
        dropTrailingZeros(mantissa);
        const int magnitude = std::abs(exponent);
        text = mantissa + u'E' + (exponent < 0 ? u'-' : u'+') + QString::number(magnitude).rightJustified(2, u'0');
    } else {
        text = QString::number(value, 'f', digits - 1 - exponent);
        dropTrailingZeros(text);
    }
    return text.replace(u'.', locale.decimalPoint());
}

QString doubleToText(double value, const QLocale &locale)
{
    return generalNumberText(value, 15, locale);
}

QString integerToText(std::int64_t value)
{
    return QString::number(value);
}

QString decimalPatternText(double value, const QLocale &locale)
{
    RoundedDigits r = roundHalfAwayFromZero(value, 10);
    while (r.fraction.endsWith(u'0'))
        r.fraction.chop(1);
    return (r.negative ? QStringLiteral("-") : QString()) + r.integer + locale.decimalPoint() + r.fraction;
}

QString fractionPatternText(double value)
{
    const RoundedDigits r = roundHalfAwayFromZero(value, 0);
    return (r.negative ? QStringLiteral("-") : QString()) + r.integer;
}

} // namespace zarnith
