// Whole numbers from script values, converted the way the game's scripts were written for:
// a float is truncated toward zero, text is not a number, and the result must fit 32 bits.
// Include only from source files that include Python.h first.
#pragma once

#include <Python.h>

namespace Tavek {

// The value as a 32-bit integer, or -1 with an interpreter error set (TypeError for a value
// without an integer meaning, OverflowError beyond 32 bits). Callers check the error.
long toScriptInt(PyObject* value);

}  // namespace Tavek
