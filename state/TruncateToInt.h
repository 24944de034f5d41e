// A game value made an integer the way the game always does it: truncated toward zero,
// held at the ends of the int range when beyond it, and 0 for a value that is not a number.
#pragma once

#include <climits>

inline int truncateToInt(double value) {
    if (!(value > -2147483648.0)) return value < 0.0 ? INT_MIN : 0;
    if (value >= 2147483648.0) return INT_MAX;
    return static_cast<int>(value);
}
