// Turns the interpreter's pending error into a ScriptException: the error's type and message
// texts, and a trace made of the context line and one "file:line  function" line per
// traceback entry, innermost last. Include only from source files that include Python.h first.
#pragma once

#include <Python.h>

#include <string>

#include "script/ScriptException.h"

namespace Tavek {

// Fetches and clears the pending error (there must be one).
ScriptException takeScriptError(const std::string& context);

}  // namespace Tavek
