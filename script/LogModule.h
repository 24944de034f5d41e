// The native module "log": scripts call log(value) to write str(value) and a newline to the
// debug output. A failure inside the call cannot be thrown through the interpreter, so it is
// kept here as a pending script exception that the bridge throws once the interpreter has
// returned. Include only from source files that include Python.h first.
#pragma once

#include <Python.h>

#include <optional>

#include "script/ScriptException.h"

namespace Tavek {

class LogModule {
public:
    // A new module object named "log" (the interpreter must be running).
    static PyObject* create();

    // The failure raised by log() since the last take, if any; the slot is empty afterwards.
    static std::optional<ScriptException> takePending();
    static bool hasPending();
    static void clearPending();

private:
    static PyObject* log(PyObject* self, PyObject* args);
};

}  // namespace Tavek
