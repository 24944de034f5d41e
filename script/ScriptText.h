// Text between the game and the interpreter. The game's text is single-byte (Latin-1);
// the interpreter's is Unicode. Include only from source files that include Python.h first.
#pragma once

#include <Python.h>

#include <string>

namespace Tavek {

// A new interpreter string decoded from game text, or null with an error set.
PyObject* toScriptText(const std::string& gameText);

// The game text of an interpreter string; characters beyond Latin-1 become '?'.
// Returns false with an error set when the object is not a string.
bool toGameText(PyObject* text, std::string& out);

// str(object) as game text; "<unprintable object>" when str() itself fails (that error is cleared).
std::string describeObject(PyObject* object);

// Game text re-encoded as UTF-8, the encoding the interpreter reads source code in.
std::string toSourceCode(const std::string& gameText);

}  // namespace Tavek
