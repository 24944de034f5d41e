#include <Python.h>

#include "script/LogModule.h"

#include <string>

#include "platform/win32/win32.h"
#include "script/ScriptText.h"

namespace Tavek {

namespace {

std::optional<ScriptException>& pendingSlot() {
    static std::optional<ScriptException> slot;
    return slot;
}

PyMethodDef logMethods[] = {
    {"log", nullptr, METH_VARARGS, nullptr},
    {nullptr, nullptr, 0, nullptr},
};

PyModuleDef logDefinition = {
    PyModuleDef_HEAD_INIT,
    "log",        // m_name
    nullptr,      // m_doc
    -1,           // m_size: the module keeps no state of its own
    logMethods,   // m_methods
    nullptr,      // m_slots
    nullptr,      // m_traverse
    nullptr,      // m_clear
    nullptr,      // m_free
};

}  // namespace

PyObject* LogModule::create() {
    logMethods[0].ml_meth = &LogModule::log;
    return PyModule_Create(&logDefinition);
}

PyObject* LogModule::log(PyObject*, PyObject* args) {
    PyObject* value = PyTuple_Check(args) && PyTuple_GET_SIZE(args) > 0 ? PyTuple_GET_ITEM(args, 0) : nullptr;
    if (!value) {
        // The script stops here; the bridge turns the pending failure into a ScriptException
        // after the interpreter has unwound its own frames.
        const char* message = "No arguments passed to log()";
        pendingSlot().emplace("ScriptException", message, "");
        PyErr_SetString(PyExc_TypeError, message);
        return nullptr;
    }
    // Only the first value is written. A value whose str() fails raises that error in the script.
    PyObject* str = PyObject_Str(value);
    if (!str) return nullptr;
    std::string text;
    bool converted = toGameText(str, text);
    Py_DECREF(str);
    if (!converted) return nullptr;
    OutputDebugStringA(text.c_str());
    OutputDebugStringA("\n");
    Py_RETURN_NONE;
}

std::optional<ScriptException> LogModule::takePending() {
    std::optional<ScriptException> taken;
    taken.swap(pendingSlot());
    return taken;
}

bool LogModule::hasPending() { return pendingSlot().has_value(); }

void LogModule::clearPending() { pendingSlot().reset(); }

}  // namespace Tavek
