// A failure inside a script: the interpreter's error type, its message and a traceback text.
// Thrown and caught by value; what() is the text shown to the player (describe()).
#pragma once

#include <string>

#include "persistence/GameException.h"

namespace Tavek {

class ScriptException : public GameException {
public:
    ScriptException(const std::string& type, const std::string& message, const std::string& trace);
    ScriptException(const ScriptException& other);
    ~ScriptException() override = default;

    virtual const std::string& getType() const;
    virtual const std::string& getMessage() const;
    // The context line and one "file:line  function" line per traceback entry.
    const std::string& getTrace() const { return trace; }
    // The text shown to the player.
    virtual std::string describe() const;

private:
    std::string type;
    std::string message;
    std::string trace;
};

}  // namespace Tavek
