#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>

namespace zarnith {

// A value that is empty, text, a 16-bit or 32-bit signed integer, a 32-bit
// float or a 64-bit float. Arithmetic and comparisons use its numeric value
// (text is converted by the numeric-text parser); its kind matters only
// where it becomes text.
class Variant {
public:
    enum class Kind { Empty, Text, Int16, Int32, Single, Double };

    Variant() = default;
    static Variant text(const QString &text);
    static Variant int16(std::int16_t value);
    static Variant int32(std::int32_t value);
    static Variant single(float value);
    static Variant real(double value);

    Kind kind() const { return m_kind; }
    bool isEmpty() const { return m_kind == Kind::Empty; }

    // The numeric value: 0 when empty; text through textToDouble, so an
    // empty or non-numeric text raises TypeMismatch and one beyond the
    // double range Overflow.
    double number(const QLocale &locale = QLocale()) const;

    // Integers in plain digits, floats by the general number rule at their
    // width, text as it is, empty as "".
    QString toText(const QLocale &locale = QLocale()) const;

private:
    Kind m_kind = Kind::Empty;
    double m_number = 0.0;
    QString m_text;
};

// The arithmetic of the numeric rules. Results of ×, +, −, / and floor are
// 64-bit floats (Overflow when beyond the double range); \ and Mod give
// 32-bit integers; abs and negation keep the operand's kind, widening an
// integer that no longer fits (as -(-32768) does).
Variant operator*(const Variant &a, const Variant &b);
Variant operator+(const Variant &a, const Variant &b);
Variant operator-(const Variant &a, const Variant &b);
Variant operator-(const Variant &a);
Variant divide(const Variant &a, const Variant &b);        // a / b
Variant integerDivide(const Variant &a, const Variant &b); // a \ b
Variant modulo(const Variant &a, const Variant &b);        // a Mod b
Variant floor(const Variant &a);
Variant abs(const Variant &a);

// Numeric comparison: negative, zero or positive as a <, = or > b.
int compare(const Variant &a, const Variant &b);
inline bool operator<(const Variant &a, double b) { return compare(a, Variant::real(b)) < 0; }
inline bool operator>(const Variant &a, double b) { return compare(a, Variant::real(b)) > 0; }
inline bool operator>(const Variant &a, const Variant &b) { return compare(a, b) > 0; }
inline bool operator==(const Variant &a, double b) { return compare(a, Variant::real(b)) == 0; }

} // namespace zarnith
