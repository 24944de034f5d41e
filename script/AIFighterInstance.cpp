#include <Python.h>

#include "script/AIFighterInstance.h"

#include <sstream>

#include "fight/FighterInstance.h"
#include "script/ScriptException.h"
#include "script/ScriptInterpreter.h"
#include "script/ScriptMaster.h"
#include "script/ScriptRef.h"
#include "script/ScriptTimeBudget.h"

namespace Tavek {

namespace {

// The learn speed as the constructor text writes it: six significant digits, no trailing zeros.
std::string learnSpeedText(double learnSpeed) {
    std::ostringstream out;
    out << learnSpeed;
    return out.str();
}

}  // namespace

AIFighterInstance::AIFighterInstance(ScriptMaster* scriptMaster, FighterInstance* fighter,
                                     const std::string& moduleName, double learnSpeed)
    : AIInstance(scriptMaster), fighter(fighter) {
    if (!moduleName.empty()) scriptName = moduleName;
    // The module name goes in unquoted: it names the module object bound by the import.
    const std::string text = "fighter.Fighter(" + (moduleName.empty() ? std::string("None") : moduleName) +
                             ", " + learnSpeedText(learnSpeed) + ")";
    fighterObject = scriptMaster->evaluate(text);
    try {
        decideCallable = PyObject_GetAttrString(fighterObject, "decide");
        scriptMaster->checkError(text);
        aiFighterObject = PyObject_GetAttrString(fighterObject, "ai_fighter");
        scriptMaster->checkError(text);
        locationSequence = PyObject_GetAttrString(aiFighterObject, "location");
        scriptMaster->checkError(text);
        if (fighter) {
            setHealth(fighter->health());
            setScore(fighter->matchPoints);
            setLocation(fighter->location);
        }
    } catch (...) {
        releaseReferences();
        throw;
    }
}

AIFighterInstance::~AIFighterInstance() { releaseReferences(); }

void AIFighterInstance::releaseReferences() {
    // A mirror that outlives the interpreter has nothing left to release.
    if (!ScriptInterpreter::isRunning()) return;
    Py_CLEAR(decideCallable);
    Py_CLEAR(locationSequence);
    Py_CLEAR(aiFighterObject);
    Py_CLEAR(fighterObject);
}

AIInstance::Choice AIFighterInstance::tick(FighterInstance* opponent) {
    auto* other = opponent ? dynamic_cast<AIFighterInstance*>(opponent->aiFighter.get()) : nullptr;
    if (!other) throw ScriptException("ScriptException", "NULL fighter AI on decide()", "");

    ScriptRef args(PyTuple_New(1));
    scriptMaster->checkError("decide()");
    Py_INCREF(other->fighterObject);
    PyTuple_SetItem(args.get(), 0, other->fighterObject);
    scriptMaster->checkError("decide()");

    Choice choice = decide(args.get());
    if (choice.kind == 1) {
        for (int value : choice.values) feedControl(value);
    } else if (choice.kind == 0) {
        feedControl(choice.value);
    }
    return choice;
}

void AIFighterInstance::feedControl(int value) {
    if (!held) {
        released = false;
        if (value == HeldControl) {
            pressed = true;
            held = true;
        }
    } else {
        pressed = false;
        if (value != HeldControl) {
            released = true;
            held = false;
        }
    }
}

bool AIFighterInstance::wasPressed() { return pressed; }

bool AIFighterInstance::wasReleased() { return released; }

void AIFighterInstance::setAttribute(const char* name, PyObject* value) {
    ScriptRef owned(value);
    scriptMaster->checkError("");
    ScriptTimeBudget budget(scriptName, name);
    PyObject_SetAttrString(aiFighterObject, name, owned.get());
    budget.check();
    scriptMaster->checkError("");
}

void AIFighterInstance::setHealth(float health) { setAttribute("health", PyFloat_FromDouble(health)); }

void AIFighterInstance::setScore(int score) { setAttribute("score", PyLong_FromLong(score)); }

void AIFighterInstance::setControl(int control) { setAttribute("control", PyLong_FromLong(control)); }

void AIFighterInstance::setAction(int action) { setAttribute("action", PyLong_FromLong(action)); }

void AIFighterInstance::setLocation(const Vector3& location) {
    const float items[3] = {location.x, location.y, location.z};
    for (int i = 0; i < 3; ++i) {
        ScriptRef value(PyFloat_FromDouble(items[i]));
        scriptMaster->checkError("");
        ScriptTimeBudget budget(scriptName, "location");
        PySequence_SetItem(locationSequence, i, value.get());
        budget.check();
        scriptMaster->checkError("");
    }
}

void AIFighterInstance::setGeneralBlocking(bool blocking) {
    setAttribute("general_blocking", PyBool_FromLong(blocking));
}

void AIFighterInstance::setJustScored(bool justScored) {
    setAttribute("just_scored", PyBool_FromLong(justScored));
}

void AIFighterInstance::setBalance(float balance) { setAttribute("balance", PyFloat_FromDouble(balance)); }

void AIFighterInstance::setTimeRemaining(float seconds) {
    setAttribute("time_remaining", PyFloat_FromDouble(seconds));
}

PyObject* AIFighterInstance::getFighter() { return aiFighterObject; }

}  // namespace Tavek
