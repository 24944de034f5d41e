// A scratch folder of small Python modules, put first on the interpreter's module path.
#pragma once

#include <string>

#include "tests/persistence/ScratchFolder.h"

class ScriptTestFolder : public ScratchFolder {
public:
    void module(const std::string& name, const std::string& source) const { write(name + ".py", source); }
};
