#include "script/ScriptException.h"

namespace Tavek {

namespace {

std::string describeFailure(const std::string& type, const std::string& message, const std::string& trace) {
    return "An exception occurred inside a script:\n\n" + type + ": " + message + "\n\n" + trace;
}

}  // namespace

ScriptException::ScriptException(const std::string& type_, const std::string& message_, const std::string& trace_)
    : GameException(describeFailure(type_, message_, trace_)), type(type_), message(message_), trace(trace_) {}

ScriptException::ScriptException(const ScriptException& other)
    : GameException(other), type(other.type), message(other.message), trace(other.trace) {}

const std::string& ScriptException::getType() const { return type; }

const std::string& ScriptException::getMessage() const { return message; }

std::string ScriptException::describe() const { return describeFailure(type, message, trace); }

}  // namespace Tavek
