// Small numeric helpers used across the game.
#pragma once

#include <string>

// The nearest whole number, halves away from zero, as a float. 0 (and NaN) give 0.
float roundToInt(float x);

// The game's diagnostic hook at its error and consistency points: records nothing and
// returns the flag unchanged.
bool passThrough(bool flag, const std::string& message);
