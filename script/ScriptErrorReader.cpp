#include <Python.h>

#include "script/ScriptErrorReader.h"

#include "script/ScriptNumbers.h"
#include "script/ScriptRef.h"
#include "script/ScriptText.h"

namespace Tavek {

namespace {

// The text of a string attribute of a code object; "?" when it cannot be had.
std::string textAttribute(PyObject* object, const char* name) {
    std::string out;
    ScriptRef value(PyObject_GetAttrString(object, name));
    if (!value || !toGameText(value.get(), out)) {
        PyErr_Clear();
        return "?";
    }
    return out;
}

// "file:line  function\n" for one traceback entry.
std::string traceLine(PyObject* entry) {
    // The entry's own line is where the error passed through its frame; for a frame that has
    // finished it is the frame's last line.
    ScriptRef line(PyObject_GetAttrString(entry, "tb_lineno"));
    long lineNumber = line ? toScriptInt(line.get()) : -1;
    if (PyErr_Occurred()) {
        PyErr_Clear();
        lineNumber = 0;
    }
    ScriptRef frame(PyObject_GetAttrString(entry, "tb_frame"));
    ScriptRef code(frame ? PyObject_GetAttrString(frame.get(), "f_code") : nullptr);
    std::string file = "?";
    std::string function = "?";
    if (code) {
        file = textAttribute(code.get(), "co_filename");
        function = textAttribute(code.get(), "co_name");
    }
    PyErr_Clear();
    return file + ":" + std::to_string(lineNumber) + "  " + function + "\n";
}

}  // namespace

ScriptException takeScriptError(const std::string& context) {
    PyObject* rawType = nullptr;
    PyObject* rawValue = nullptr;
    PyObject* rawTrace = nullptr;
    PyErr_Fetch(&rawType, &rawValue, &rawTrace);
    // Some errors arrive as a bare string or tuple; make the value a real exception object.
    PyErr_NormalizeException(&rawType, &rawValue, &rawTrace);
    ScriptRef type(rawType);
    ScriptRef value(rawValue);
    ScriptRef trace(rawTrace);

    std::string typeText = type ? describeObject(type.get()) : "None";
    std::string messageText = value && value.get() != Py_None ? describeObject(value.get()) : "";

    std::string traceText = context + "\n";
    PyObject* entry = trace.get();
    Py_XINCREF(entry);
    while (entry && entry != Py_None) {
        traceText += traceLine(entry);
        PyObject* next = PyObject_GetAttrString(entry, "tb_next");
        Py_DECREF(entry);
        entry = next;
    }
    Py_XDECREF(entry);
    PyErr_Clear();
    return ScriptException(typeText, messageText, traceText);
}

}  // namespace Tavek
