#include "sixtyfourths.h"

#include <array>

namespace zarnith {

namespace {

// Row k holds k sixty-fourths in lowest terms; rows 0 and 64 are the ends.
const std::array<const char *, 65> kTexts = {
    "< 1/64", "1/64",  "1/32",  "3/64",  "1/16",  "5/64",  "3/32",  "7/64",  "1/8",   "9/64",    "5/32",
    "11/64",  "3/16",  "13/64", "7/32",  "15/64", "1/4",   "17/64", "9/32",  "19/64", "5/16",    "21/64",
    "11/32",  "23/64", "3/8",   "25/64", "13/32", "27/64", "7/16",  "29/64", "15/32", "31/64",   "1/2",
    "33/64",  "17/32", "35/64", "9/16",  "37/64", "19/32", "39/64", "5/8",   "41/64", "21/32",   "43/64",
    "11/16",  "45/64", "23/32", "47/64", "3/4",   "49/64", "25/32", "51/64", "13/16", "53/64",   "27/32",
    "55/64",  "7/8",   "57/64", "29/32", "59/64", "15/16", "61/64", "31/32", "63/64", "> 63/64",
};

} // namespace

QString nearestSixtyFourth(double value)
{
    if (!(value >= 0.0))
        return {};
    if (value < 1.0 / 128)
        return QString::fromLatin1(kTexts[0]);
    // The upper bound of row k is (2k+1)/128, exact in a double; a value
    // on it belongs to row k, one just above it to row k+1.
    for (int k = 1; k <= 63; ++k) {
        if (value <= (2.0 * k + 1) / 128)
            return QString::fromLatin1(kTexts[k]);
    }
    return QString::fromLatin1(kTexts[64]);
}

} // namespace zarnith
