#pragma once

// The design numbers of the windows, each with where it comes from. The
// positions and sizes of the controls stand in each window's definition,
// in twips as the windows were laid out.

namespace zarnith::design {

// Point sizes of the dialog face. The windows were laid out in a bitmap
// sans-serif face with few sizes; these are the sizes they asked for (not
// 7, 7.5, 9, 12 and 22), which that face drew at the nearest size it had,
// and which a scalable face draws as they are.
inline constexpr double kDialogPoints = 8.0;        // every control without a font of its own
inline constexpr double kCaptionPoints = 6.79;      // the Decimals window's frame captions
inline constexpr double kSmallPoints = 7.47;        // its numerator and denominator; the About box's small lines
inline constexpr double kFractionPoints = 8.83;     // the calculator's fractions and result; the nearest sixty-fourth
inline constexpr double kLargePoints = 12.23;       // Clear and Decimal, the decimal box, the About box's title
inline constexpr double kWholeNumberPoints = 21.74; // both windows' whole-number boxes

// How many characters a person may type or paste into each box: room for
// the numbers each box is meant for (a 3-digit numerator over a 4-digit
// denominator in the calculator, a 10-character decimal). What the program
// writes is shown whole, however long.
inline constexpr int kCalculatorNumeratorChars = 3;
inline constexpr int kCalculatorDenominatorChars = 4;
inline constexpr int kWholeNumberChars = 3;
inline constexpr int kDecimalChars = 10;
inline constexpr int kDecimalsNumeratorChars = 8;
inline constexpr int kDecimalsDenominatorChars = 9;

// A text the program writes that is wider than its box or label is set in
// a smaller size of its font: a tenth smaller a step, down to 4 points,
// below which digits no longer read.
inline constexpr double kShrinkStep = 0.9;
inline constexpr double kSmallestPoints = 4.0;

// The operator pictures and the hand pointer are drawn for 32 pixels (the
// operator pictures also for 16); the hand's hot spot is the tip of its
// index finger.
inline constexpr int kPicturePixels = 32;
inline constexpr int kSmallPicturePixels = 16;
inline constexpr int kHandHotSpotX = 12;
inline constexpr int kHandHotSpotY = 1;

// A window's own title bar (Wayland without the compositor's): a line of
// the caption's font with 5 pixels above and below it, the boxes 4 pixels
// from the ends and 2 from the edges and from each other, the icon 6 pixels
// from the left, as desktop title bars of that height lay them out.
inline constexpr int kTitleBarPadding = 10;
inline constexpr int kTitleBarEndMargin = 4;
inline constexpr int kTitleBarEdgeMargin = 2;
inline constexpr int kTitleBarIconLeft = 6;

} // namespace zarnith::design
