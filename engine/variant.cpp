#include "variant.h"

#include "numbers.h"

namespace zarnith {

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

Variant Variant::real(double value)
{
    Variant v;
    v.m_kind = Kind::Double;
    v.m_number = value;
    return v;
}

QString Variant::toText(const QLocale &locale) const
{
    switch (m_kind) {
    case Kind::Empty:
        return {};
    case Kind::Int16:
    case Kind::Int32:
        return integerToText(static_cast<std::int64_t>(m_number));
    case Kind::Double:
        break;
    }
    return doubleToText(m_number, locale);
}

} // namespace zarnith
