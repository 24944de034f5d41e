#include <Python.h>

#include "script/ScriptNumbers.h"

#include <climits>

#include "script/ScriptRef.h"

namespace Tavek {

namespace {

long fitTo32Bits(PyObject* integer) {
    long value = PyLong_AsLong(integer);
    if (value == -1 && PyErr_Occurred()) return -1;
    if (value < INT_MIN || value > INT_MAX) {
        PyErr_SetString(PyExc_OverflowError, "long int too large to convert to int");
        return -1;
    }
    return value;
}

}  // namespace

long toScriptInt(PyObject* value) {
    if (!value) {
        if (!PyErr_Occurred()) PyErr_SetString(PyExc_TypeError, "an integer is required");
        return -1;
    }
    if (PyLong_Check(value)) return fitTo32Bits(value);
    // int() would parse text and byte buffers; a script value of that kind is not a number.
    if (PyUnicode_Check(value) || PyObject_CheckBuffer(value)) {
        PyErr_Format(PyExc_TypeError, "an integer is required (got type %.200s)", Py_TYPE(value)->tp_name);
        return -1;
    }
    // Floats and other numbers: int() truncates toward zero.
    ScriptRef integer(PyNumber_Long(value));
    if (!integer) return -1;
    return fitTo32Bits(integer.get());
}

}  // namespace Tavek
