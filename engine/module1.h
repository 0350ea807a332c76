#pragma once

#include "variant.h"

#include <QString>

namespace zarnith {

// Where an operation writes its result: the calculator window's result
// numerator, result denominator and whole-number field, in this order.
class ResultDisplay {
public:
    virtual ~ResultDisplay() = default;
    virtual void showNumerator(const QString &text) = 0;
    virtual void showDenominator(const QString &text) = 0;
    virtual void showWhole(const QString &text) = 0;
};

// The fraction arithmetic engine and its result state, which lives for the
// whole run. The caller hands the first fraction over in
// varResultNumerator / varResultDenominator (as the boxes' texts), passes
// the second as two texts, and reads nothing back: each operation combines
// the fractions, reduces the result, splits an improper one into a mixed
// number and writes the three fields to the display.
//
// Errors (EngineError) pass to the caller, which reports them; the state
// keeps whatever the steps before the error stored, and because the
// write-back is the last step the display still shows the previous result.
class Module1 {
public:
    explicit Module1(ResultDisplay *display = nullptr) : m_display(display) {}
    void setDisplay(ResultDisplay *display) { m_display = display; }

    Variant varResultWhole;
    Variant varResultQuotient;
    Variant varResultNumerator;
    Variant varResultDenominator;

    // Sets the numerator, the denominator and the whole part to 0 (the
    // 16-bit integer), in this order. The quotient is not touched.
    void ResetResult();

    void AddFractions(const Variant &numerator2, const Variant &denominator2);
    void SubtractFractions(const Variant &numerator2, const Variant &denominator2);
    void MultiplyFractions(const Variant &numerator2, const Variant &denominator2);
    // Multiplies by the reciprocal, then reduces, splits and writes once more.
    void DivideFractions(const Variant &numerator2, const Variant &denominator2);

    // Euclid's algorithm on the absolute values, then the sign onto the
    // numerator and a denominator of 1 moved into the whole part. A zero
    // denominator leaves the state as it is.
    void ReduceResult();

private:
    enum class Combine { Add, Subtract, Multiply };

    void operate(Combine combine, const Variant &numerator2, const Variant &denominator2);
    void splitMixedNumber();
    void writeBack();

    ResultDisplay *m_display;
};

} // namespace zarnith
