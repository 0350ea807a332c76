#pragma once

// Window geometry in twips (1/1440 inch, 15 twips to the pixel at 96 dots
// per inch) and the start-up placement rules of the two working windows.

#include <cmath>

namespace zarnith {

constexpr int kTwipsPerPixel = 15;

// A position or size in twips to whole pixels, to the nearest pixel.
inline int twipsToPixels(double twips)
{
    return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}
inline float pixelsToTwips(int pixels)
{
    return static_cast<float>(pixels) * kTwipsPerPixel;
}

// Left edge of a window centred on the screen: the free width rounded to a
// 32-bit integer (halves to even), then halved with the remainder dropped,
// so a free width of 10605 gives 5302 and -301 gives -150. Not clamped.
float centredLeft(float screenWidth, float outerWidth);

// Top edge of the calculator window: its bottom a quarter of its own height
// above the bottom of the screen. Not rounded, not clamped.
float calculatorTop(float screenHeight, float outerHeight);

} // namespace zarnith
