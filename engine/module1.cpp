#include "module1.h"

#include "errors.h"

#include <cmath>

namespace zarnith {

namespace {

// Every entry of an operation is a whole number. A text that is empty, not a
// number, or has a fractional part is refused (reported like any other
// error); a whole value written another way ("2.0", "1e3", " 7") is taken.
// The refusal keeps the reduction's integer divisions from rounding
// fractional entries into wrong results.
Variant wholeEntry(const Variant &entry)
{
    const double value = entry.number();
    if (value != std::trunc(value))
        throw TypeMismatch();
    return Variant::real(value);
}

} // namespace

void Module1::ResetResult()
{
    varResultNumerator = Variant::int16(0);
    varResultDenominator = Variant::int16(0);
    varResultWhole = Variant::int16(0);
}

void Module1::AddFractions(const Variant &numerator2, const Variant &denominator2)
{
    operate(Combine::Add, numerator2, denominator2);
}

void Module1::SubtractFractions(const Variant &numerator2, const Variant &denominator2)
{
    operate(Combine::Subtract, numerator2, denominator2);
}

void Module1::MultiplyFractions(const Variant &numerator2, const Variant &denominator2)
{
    operate(Combine::Multiply, numerator2, denominator2);
}

void Module1::DivideFractions(const Variant &numerator2, const Variant &denominator2)
{
    MultiplyFractions(denominator2, numerator2);
    ReduceResult();
    splitMixedNumber();
    writeBack();
}

void Module1::operate(Combine combine, const Variant &numerator2, const Variant &denominator2)
{
    const Variant n1 = wholeEntry(varResultNumerator);
    const Variant d1 = wholeEntry(varResultDenominator);
    const Variant n2 = wholeEntry(numerator2);
    const Variant d2 = wholeEntry(denominator2);

    switch (combine) {
    case Combine::Add:
        varResultNumerator = n1 * d2 + d1 * n2;
        break;
    case Combine::Subtract:
        varResultNumerator = n1 * d2 - d1 * n2;
        break;
    case Combine::Multiply:
        varResultNumerator = n1 * n2;
        break;
    }
    varResultDenominator = d1 * d2;

    // A zero denominator (in either fraction, or a zero second numerator in
    // a division) has no value: it is a division by zero, never a result.
    if (varResultDenominator == 0)
        throw DivisionByZero();

    ReduceResult();
    splitMixedNumber();
    writeBack();
}

void Module1::ReduceResult()
{
    Variant a = abs(varResultNumerator);
    Variant b = abs(varResultDenominator);
    if (b == 0)
        return;

    Variant t;
    do {
        t = a - integerDivide(a, b) * b;
        a = b;
        b = t;
    } while (t > 0);

    varResultNumerator = integerDivide(varResultNumerator, a);
    varResultDenominator = integerDivide(varResultDenominator, a);
    if (varResultDenominator < 0) {
        varResultNumerator = -varResultNumerator;
        varResultDenominator = -varResultDenominator;
    }
    if (varResultDenominator == 1) {
        varResultWhole = varResultNumerator;
        varResultNumerator = Variant::int16(0);
        varResultDenominator = Variant::int16(0);
    }
}

// Only a result greater than 1 with a positive denominator is split; a
// negative improper fraction stays as it is, with whole part 0.
void Module1::splitMixedNumber()
{
    if (varResultNumerator > varResultDenominator) {
        varResultQuotient = divide(varResultNumerator, varResultDenominator);
        varResultNumerator = modulo(varResultNumerator, varResultDenominator);
        varResultWhole = floor(varResultQuotient);
    }
}

void Module1::writeBack()
{
    if (!m_display)
        return;
    m_display->showNumerator(varResultNumerator.toText());
    m_display->showDenominator(varResultDenominator.toText());
    m_display->showWhole(varResultWhole.toText());
}

} // namespace zarnith
