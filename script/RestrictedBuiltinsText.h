// The builtins scripts run with through the bridge, as the text of a dictionary display:
// every builtin a fighter script may use, and none that reaches files, the console or the
// interactive helpers (open, input, quit, help and the like are left out).
#pragma once

#include <string>

namespace Tavek {

// "{'ArithmeticError': ArithmeticError,'AssertionError': AssertionError,...}", evaluated in
// the interpreter's main module.
const std::string& restrictedBuiltinsText();

}  // namespace Tavek
