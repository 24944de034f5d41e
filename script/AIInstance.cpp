#include <Python.h>

#include "script/AIInstance.h"

#include "platform/vuzirovari/vuzirovari.h"
#include "script/ScriptMaster.h"
#include "script/ScriptNumbers.h"
#include "script/ScriptRef.h"
#include "script/ScriptText.h"
#include "script/ScriptTimeBudget.h"

namespace Tavek {

namespace {

const char* const DecideContext = "decide()";

}  // namespace

AIInstance::AIInstance(ScriptMaster* scriptMaster) : scriptMaster(scriptMaster) {}

AIInstance::~AIInstance() = default;

ScriptMaster* AIInstance::getScriptMaster() { return scriptMaster; }

AIInstance::Choice AIInstance::decide(PyObject* args) {
    const float now = iSystemTimer();
    // A new AI answers on its first call, whatever the clock says.
    if (decidedOnce) {
        if (now < holdUntil) return cached;
        if (now - lastDecisionTime < decisionInterval) return cached;
    }
    decidedOnce = true;
    lastDecisionTime = now;

    ScriptTimeBudget budget(scriptName, "decide()");
    PyObject* answer = PyObject_Call(getScriptObject(), args, nullptr);
    budget.check(answer);
    ScriptRef result(answer);
    scriptMaster->checkError(DecideContext);
    // Anything but a tuple fails here with the interpreter's own message.
    PyObject* first = PyTuple_GetItem(result.get(), 0);
    scriptMaster->checkError(DecideContext);

    if (PyTuple_Size(result.get()) == 2) {
        PyObject* hold = PyTuple_GetItem(result.get(), 1);
        scriptMaster->checkError(DecideContext);
        const double seconds = PyFloat_AsDouble(hold);
        scriptMaster->checkError(DecideContext);
        holdUntil = iSystemTimer() + static_cast<float>(seconds);
    } else {
        holdUntil = 0.0f;
    }

    Choice choice;
    if (PyList_Check(first)) {
        choice.kind = 1;
        // The list may change size while its items convert, so ask for its size every time.
        for (Py_ssize_t i = 0; i < PyList_Size(first); ++i) {
            PyObject* item = PyList_GetItem(first, i);
            scriptMaster->checkError(DecideContext);
            const long value = toScriptInt(item);
            scriptMaster->checkError(DecideContext);
            choice.values.push_back(static_cast<int>(value));
        }
    } else if (PyUnicode_Check(first)) {
        choice.kind = 3;
        toGameText(first, choice.text);
        scriptMaster->checkError(DecideContext);
    } else {
        choice.kind = 0;
        const long value = toScriptInt(first);
        scriptMaster->checkError(DecideContext);
        choice.value = static_cast<int>(value);
    }
    cached = choice;
    return choice;
}

}  // namespace Tavek
