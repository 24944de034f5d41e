#include <Python.h>

#include "script/AIMaster.h"

#include <filesystem>
#include <set>

#include "fight/FighterInstance.h"
#include "platform/win32/hostpath.h"
#include "script/AIFighterInstance.h"
#include "script/ScriptInterpreter.h"
#include "script/ScriptMaster.h"

namespace Tavek {

namespace {

bool isPlainIdentifier(const std::string& name) {
    if (name.empty()) return false;
    auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; };
    auto digit = [](char c) { return c >= '0' && c <= '9'; };
    if (!letter(name[0])) return false;
    for (char c : name)
        if (!letter(c) && !digit(c)) return false;
    // A keyword would change the meaning of the constructor text it is pasted into.
    static const std::set<std::string> keywords = {
        "False", "None",   "True",    "and",      "as",       "assert", "async", "await",  "break",
        "class", "continue", "def",   "del",      "elif",     "else",   "except", "finally", "for",
        "from",  "global", "if",      "import",   "in",       "is",     "lambda", "nonlocal", "not",
        "or",    "pass",   "raise",   "return",   "try",      "while",  "with",  "yield"};
    return keywords.count(name) == 0;
}

}  // namespace

AIMaster::AIMaster(ScriptMaster* scriptMaster) : scriptMaster(scriptMaster) {
    scriptMaster->importModule("fighter");
    scriptMaster->importModule("controls");
}

AIMaster::~AIMaster() = default;

ScriptMaster* AIMaster::getScriptMaster() { return scriptMaster; }

bool AIMaster::isAIModuleName(const std::string& name) {
    if (!isPlainIdentifier(name)) return false;
    const std::string& folder = ScriptInterpreter::scriptFolder();
    if (folder.empty()) return false;
    std::error_code error;
    return std::filesystem::is_regular_file(hostPath(folder + "\\" + name + ".py"), error);
}

void AIMaster::loadModule(const std::string& moduleName) {
    if (!isAIModuleName(moduleName)) {
        // Records come from save files: a name that is not one of our AI scripts is never
        // imported, and fails just as a missing script would.
        PyErr_Format(PyExc_ModuleNotFoundError, "No module named '%s'", moduleName.c_str());
        scriptMaster->checkError("import " + moduleName);
    }
    scriptMaster->importModule(moduleName);
    scriptMaster->reloadModule(moduleName);
}

void AIMaster::attachFighterAI(FighterInstance* fighter, const std::string& moduleName, double learnSpeed) {
    if (!moduleName.empty()) loadModule(moduleName);
    auto mirror = std::make_unique<AIFighterInstance>(scriptMaster, fighter, moduleName, learnSpeed);
    fighter->aiDriven = !moduleName.empty();
    fighter->aiFighter = std::move(mirror);
}

void AIMaster::attachSparkAI(FighterInstance& fighterA, FighterInstance& fighterB,
                             std::unique_ptr<AISparkInstance>& slot, const std::string& moduleName) {
    if (moduleName.empty()) {
        slot.reset();
        return;
    }
    loadModule(moduleName);
    slot = std::make_unique<AISparkInstance>(scriptMaster, &fighterA, &fighterB, moduleName);
}

void AIMaster::attachSparkAI(FighterInstance& fighterA, FighterInstance& fighterB, AISparkInstance*& slot,
                             const std::string& moduleName) {
    std::unique_ptr<AISparkInstance> owned(slot);
    slot = nullptr;
    try {
        attachSparkAI(fighterA, fighterB, owned, moduleName);
    } catch (...) {
        slot = owned.release();
        throw;
    }
    slot = owned.release();
}

}  // namespace Tavek
