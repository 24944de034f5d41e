// A script call stopped because it ran past its time budget. A script failure like any other
// (the script error box, a clean end), which no caller may take for a value the script refused:
// a script that loops in one call would loop again in the next.
#pragma once

#include "script/ScriptException.h"

namespace Tavek {

class ScriptOverBudget : public ScriptException {
public:
    using ScriptException::ScriptException;
};

}  // namespace Tavek
