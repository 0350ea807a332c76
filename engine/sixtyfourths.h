#pragma once

#include <QString>

namespace zarnith {

// The nearest sixty-fourth of a value, as the Decimals window shows it:
// "< 1/64" below 1/128, k/64 in lowest terms for the values from the middle
// of the sixty-fourth below ((2k-1)/128, exclusive) to the middle above
// ((2k+1)/128, inclusive), "> 63/64" above 0.9921875. The whole value is
// tested, so 1.5 gives "> 63/64". A negative value has no sixty-fourth: the
// text is empty.
QString nearestSixtyFourth(double value);

} // namespace zarnith
