#include <Python.h>

#include "script/ScriptText.h"

#include "script/ScriptRef.h"

namespace Tavek {

PyObject* toScriptText(const std::string& gameText) {
    return PyUnicode_DecodeLatin1(gameText.data(), static_cast<Py_ssize_t>(gameText.size()), nullptr);
}

bool toGameText(PyObject* text, std::string& out) {
    if (!text || !PyUnicode_Check(text)) {
        PyErr_SetString(PyExc_TypeError, "a string is required");
        return false;
    }
    ScriptRef bytes(PyUnicode_AsEncodedString(text, "latin-1", "replace"));
    if (!bytes) return false;
    out.assign(PyBytes_AS_STRING(bytes.get()), static_cast<size_t>(PyBytes_GET_SIZE(bytes.get())));
    return true;
}

std::string describeObject(PyObject* object) {
    std::string out;
    ScriptRef text(object ? PyObject_Str(object) : nullptr);
    if (text && toGameText(text.get(), out)) return out;
    PyErr_Clear();
    return "<unprintable object>";
}

std::string toSourceCode(const std::string& gameText) {
    // Plain ASCII, the usual case, needs no work.
    bool ascii = true;
    for (unsigned char c : gameText) ascii = ascii && c < 0x80;
    if (ascii) return gameText;
    std::string utf8;
    utf8.reserve(gameText.size() + gameText.size() / 4);
    for (unsigned char c : gameText) {
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

}  // namespace Tavek
