#include <Python.h>

#include "script/AISparkInstance.h"

#include "fight/FighterInstance.h"
#include "script/AIFighterInstance.h"
#include "script/ScriptException.h"
#include "script/ScriptInterpreter.h"
#include "script/ScriptMaster.h"
#include "script/ScriptRef.h"
#include "script/ScriptTimeBudget.h"

namespace Tavek {

namespace {

AIFighterInstance* mirrorOf(FighterInstance* fighter) {
    auto* mirror = fighter ? dynamic_cast<AIFighterInstance*>(fighter->aiFighter.get()) : nullptr;
    if (!mirror) throw ScriptException("ScriptException", "NULL fighter AI on spark", "");
    return mirror;
}

// The two fighters are bound in the script master's locals only while the spark is built.
class FighterNames {
public:
    FighterNames(ScriptMaster* scriptMaster, PyObject* fighterA, PyObject* fighterB) : scriptMaster(scriptMaster) {
        PyDict_SetItemString(scriptMaster->getLocals(), "fighterA", fighterA);
        scriptMaster->checkError("fighterA");
        PyDict_SetItemString(scriptMaster->getLocals(), "fighterB", fighterB);
        scriptMaster->checkError("fighterB");
    }
    ~FighterNames() {
        if (done) return;
        // On the way out of a failure: take the names away without disturbing the exception.
        PyObject *type, *value, *trace;
        PyErr_Fetch(&type, &value, &trace);
        for (const char* name : {"fighterA", "fighterB"})
            if (PyDict_DelItemString(scriptMaster->getLocals(), name) != 0) PyErr_Clear();
        PyErr_Restore(type, value, trace);
    }
    void remove() {
        scriptMaster->execute("del fighterA");
        scriptMaster->execute("del fighterB");
        done = true;
    }

private:
    ScriptMaster* scriptMaster;
    bool done = false;
};

}  // namespace

AISparkInstance::AISparkInstance(ScriptMaster* scriptMaster, FighterInstance* fighterA, FighterInstance* fighterB,
                                 const std::string& moduleName)
    : AIInstance(scriptMaster) {
    const std::string name = moduleName.empty() ? std::string("None") : moduleName;
    if (!moduleName.empty()) scriptName = moduleName;
    AIFighterInstance* mirrorA = mirrorOf(fighterA);
    AIFighterInstance* mirrorB = mirrorOf(fighterB);
    try {
        FighterNames names(scriptMaster, mirrorA->getFighter(), mirrorB->getFighter());
        sparkObject = scriptMaster->evaluate("fighter.Spark(" + name + ", fighterA, fighterB)");
        names.remove();
        decideCallable = PyObject_GetAttrString(sparkObject, "decide");
        scriptMaster->checkError("decide");
    } catch (...) {
        releaseReferences();
        throw;
    }
}

AISparkInstance::~AISparkInstance() { releaseReferences(); }

void AISparkInstance::releaseReferences() {
    if (!ScriptInterpreter::isRunning()) return;
    Py_CLEAR(decideCallable);
    Py_CLEAR(sparkObject);
}

void AISparkInstance::setArenaType(int arenaType) {
    ScriptRef value(PyLong_FromLong(arenaType));
    scriptMaster->checkError("");
    ScriptTimeBudget budget(scriptName, "arena_type");
    PyObject_SetAttrString(sparkObject, "arena_type", value.get());
    budget.check();
    scriptMaster->checkError("");
}

AIInstance::Choice AISparkInstance::tick(bool flag) {
    ScriptRef args(PyTuple_New(1));
    scriptMaster->checkError("decide()");
    PyTuple_SetItem(args.get(), 0, PyBool_FromLong(flag));
    scriptMaster->checkError("decide()");
    return decide(args.get());
}

}  // namespace Tavek
