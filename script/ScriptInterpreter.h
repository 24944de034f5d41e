// The one embedded interpreter of the process and the objects every bridge instance shares:
// the from-list of imports, the "log" module and function, and the import system's cache
// reset. Started by the first ScriptMaster, stopped with the last.
// Include only from source files that include Python.h first.
#pragma once

#include <Python.h>

#include <string>

namespace Tavek {

class ScriptInterpreter {
public:
    // Starts the interpreter isolated from the user's own Python setup (no environment
    // variables, no site packages, no bytecode files, a fixed hash seed), registers "log"
    // and puts scriptFolder (a game path; nothing when empty) first on the module path.
    // Throws ScriptException when it cannot; the interpreter is then stopped again.
    static void start(const std::string& scriptFolder);
    static void stop();
    static bool isRunning();
    // The game path of the scripts folder given to start() ("" when none was given).
    static const std::string& scriptFolder();

    // Borrowed references, valid while the interpreter runs.
    static PyObject* fromList();
    static PyObject* logFunction();

    // Forgets cached folder listings so that modules written since the last import are found.
    // Sets an interpreter error when it fails.
    static bool refreshModuleFinders();

private:
    static void startOrThrow(const std::string& scriptFolder);
};

}  // namespace Tavek
