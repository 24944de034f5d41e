#include "ScriptException.h"

namespace Tavek {

ScriptException::ScriptException(const std::string& type_, const std::string& message_, const std::string& trace_)
    : type(type_), message(message_), trace(trace_) {}

ScriptException::ScriptException(const ScriptException& other)
    : type(other.type), message(other.message), trace(other.trace) {}

const std::string& ScriptException::getType() const { return type; }

const std::string& ScriptException::getMessage() const { return message; }

std::string ScriptException::describe() const {
    return "An exception occurred inside a script:\n\n" + type + ": " + message + "\n\n" + trace;
}

}  // namespace Tavek
