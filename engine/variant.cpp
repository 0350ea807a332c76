#include "variant.h"

#include "errors.h"
#include "numbers.h"

#include <cmath>
#include <limits>

namespace zarnith {

namespace {

Variant checkedReal(double value)
{
    if (!std::isfinite(value))
        throw Overflow();
    return Variant::real(value);
}

// An integer result of abs or negation: the operand's kind while it fits,
// else the next wider one.
Variant widenedInteger(Variant::Kind kind, double value)
{
    if (kind == Variant::Kind::Int16 && value >= std::numeric_limits<std::int16_t>::min()
        && value <= std::numeric_limits<std::int16_t>::max())
        return Variant::int16(static_cast<std::int16_t>(value));
    if (value >= std::numeric_limits<std::int32_t>::min()
        && value <= std::numeric_limits<std::int32_t>::max())
        return Variant::int32(static_cast<std::int32_t>(value));
    return Variant::real(value);
}

// abs and negation: the same kind of value as the operand.
Variant sameKind(const Variant &operand, double value)
{
    switch (operand.kind()) {
    case Variant::Kind::Int16:
    case Variant::Kind::Int32:
        return widenedInteger(operand.kind(), value);
    case Variant::Kind::Single:
        return Variant::single(static_cast<float>(value));
    case Variant::Kind::Empty:
    case Variant::Kind::Text:
    case Variant::Kind::Double:
        break;
    }
    return Variant::real(value);
}

} // namespace

Variant Variant::text(const QString &text)
{
    Variant v;
    v.m_kind = Kind::Text;
    v.m_text = text;
    return v;
}

Variant Variant::int16(std::int16_t value)
{
    Variant v;
    v.m_kind = Kind::Int16;
    v.m_number = value;
    return v;
}

Variant Variant::int32(std::int32_t value)
{
    Variant v;
    v.m_kind = Kind::Int32;
    v.m_number = value;
    return v;
}

Variant Variant::single(float value)
{
    Variant v;
    v.m_kind = Kind::Single;
    v.m_number = value;
    return v;
}

Variant Variant::real(double value)
{
    Variant v;
    v.m_kind = Kind::Double;
    v.m_number = value;
    return v;
}

double Variant::number(const QLocale &locale) const
{
    return m_kind == Kind::Text ? textToDouble(m_text, locale) : m_number;
}

QString Variant::toText(const QLocale &locale) const
{
    switch (m_kind) {
    case Kind::Empty:
        return {};
    case Kind::Text:
        return m_text;
    case Kind::Int16:
    case Kind::Int32:
        return integerToText(static_cast<std::int64_t>(m_number));
    case Kind::Single:
        return singleToText(static_cast<float>(m_number), locale);
    case Kind::Double:
        break;
    }
    return doubleToText(m_number, locale);
}

Variant operator*(const Variant &a, const Variant &b) { return checkedReal(a.number() * b.number()); }
Variant operator+(const Variant &a, const Variant &b) { return checkedReal(a.number() + b.number()); }
Variant operator-(const Variant &a, const Variant &b) { return checkedReal(a.number() - b.number()); }
Variant operator-(const Variant &a) { return sameKind(a, -a.number()); }

Variant divide(const Variant &a, const Variant &b)
{
    const double dividend = a.number();
    const double divisor = b.number();
    if (divisor == 0.0)
        throw DivisionByZero();
    return checkedReal(dividend / divisor);
}

Variant integerDivide(const Variant &a, const Variant &b)
{
    return Variant::int32(integerDivide(a.number(), b.number()));
}

Variant modulo(const Variant &a, const Variant &b)
{
    return Variant::int32(integerModulo(a.number(), b.number()));
}

Variant floor(const Variant &a) { return Variant::real(std::floor(a.number())); }
Variant abs(const Variant &a) { return sameKind(a, std::fabs(a.number())); }

int compare(const Variant &a, const Variant &b)
{
    const double x = a.number();
    const double y = b.number();
    return x < y ? -1 : (x > y ? 1 : 0);
}

} // namespace zarnith
