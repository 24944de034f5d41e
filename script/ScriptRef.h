// An owned reference to an interpreter object, released when it goes out of scope.
// Include only from source files that include Python.h first.
#pragma once

#include <Python.h>

namespace Tavek {

class ScriptRef {
public:
    ScriptRef() = default;
    // Takes over a new reference (may be null).
    explicit ScriptRef(PyObject* owned) : object(owned) {}
    ~ScriptRef() { Py_XDECREF(object); }
    ScriptRef(const ScriptRef&) = delete;
    ScriptRef& operator=(const ScriptRef&) = delete;

    PyObject* get() const { return object; }
    explicit operator bool() const { return object != nullptr; }
    // Gives the reference to the caller.
    PyObject* release() {
        PyObject* owned = object;
        object = nullptr;
        return owned;
    }
    void reset(PyObject* owned = nullptr) {
        PyObject* old = object;
        object = owned;
        Py_XDECREF(old);
    }

private:
    PyObject* object = nullptr;
};

}  // namespace Tavek
