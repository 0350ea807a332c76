#include "placement.h"

#include "numbers.h"

namespace zarnith {

float centredLeft(float screenWidth, float outerWidth)
{
    // Real screens and windows lie far inside the 32-bit range.
    const Result<std::int32_t> freeWidth = roundToInt32(screenWidth - outerWidth);
    return freeWidth ? static_cast<float>(*freeWidth / 2) : 0.0f;
}

float calculatorTop(float screenHeight, float outerHeight)
{
    return screenHeight - 1.25f * outerHeight;
}

} // namespace zarnith
