#include "Numeric.h"

#include <cmath>

float roundToInt(float x) {
    if (x > 0.0f) return std::trunc(x + 0.5f);
    if (x < 0.0f) return std::trunc(x - 0.5f);
    return 0.0f;
}

bool passThrough(bool flag, const std::string&) { return flag; }
