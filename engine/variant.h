#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>

namespace zarnith {

// A value that is empty, a 16-bit or 32-bit signed integer or a 64-bit
// float, as the engine's result state and the Decimals window's whole
// number hold one (texts are read by the number rules where they are typed,
// so a variant holds none). Its kind decides how it is written as text; the
// arithmetic is done on numbers, by the rules that produced the value.
class Variant {
public:
    enum class Kind { Empty, Int16, Int32, Double };

    Variant() = default;
    static Variant int16(std::int16_t value);
    static Variant int32(std::int32_t value);
    static Variant real(double value);

    Kind kind() const { return m_kind; }

    // The number it holds; 0 for an empty value.
    double number() const { return m_number; }

    // Integers in plain digits, floats by the general number rule at 15
    // digits, empty as "".
    QString toText(const QLocale &locale = QLocale()) const;

private:
    Kind m_kind = Kind::Empty;
    double m_number = 0.0;
};

} // namespace zarnith
