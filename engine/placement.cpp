#include "placement.h"

#include "numbers.h"

namespace zarnith {

float centredLeft(float screenWidth, float outerWidth)
{
    return static_cast<float>(roundToInt32(screenWidth - outerWidth) / 2);
}

float calculatorTop(float screenHeight, float outerHeight)
{
    return screenHeight - 1.25f * outerHeight;
}

} // namespace zarnith
