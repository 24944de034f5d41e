#include <Python.h>

#include "script/ScriptMaster.h"

#include "platform/win32/crt.h"
#include "script/LogModule.h"
#include "script/RestrictedBuiltinsText.h"
#include "script/ScriptErrorReader.h"
#include "script/ScriptInterpreter.h"
#include "script/ScriptNumbers.h"
#include "script/ScriptRef.h"
#include "script/ScriptText.h"
#include "script/ScriptTimeBudget.h"

namespace Tavek {

namespace {

// The scripts draw from Python's random; seeding it with the C runtime's seed makes one seed
// replay the whole game. Reads the seed only, so the game's own draws are unchanged. Leaves an
// interpreter error pending when it fails.
void seedScriptRandom(uint32_t seed) {
    ScriptRef random(PyImport_ImportModule("random"));
    if (!random) return;
    ScriptRef result(PyObject_CallMethod(random.get(), "seed", "k", static_cast<unsigned long>(seed)));
}

}  // namespace

int ScriptMaster::instanceCount = 0;

ScriptMaster::ScriptMaster(const std::string& scriptFolder) {
    const bool startsInterpreter = instanceCount == 0;
    if (startsInterpreter) ScriptInterpreter::start(scriptFolder);
    ++instanceCount;
    try {
        if (startsInterpreter) {
            seedScriptRandom(crt::lastSeed());
            checkError("random.seed");
        }
        globals = PyDict_New();
        checkError("");
        locals = restrictedBuiltins();
        checkError("");
        // Code run through this instance sees only the restricted builtins; without this entry
        // the interpreter would hand it the full set.
        ScriptRef builtins(PyDict_Copy(locals));
        checkError("");
        PyDict_SetItemString(globals, "__builtins__", builtins.get());
        PyDict_SetItemString(globals, "log", ScriptInterpreter::logFunction());
        PyDict_SetItemString(locals, "log", ScriptInterpreter::logFunction());
        checkError("");
    } catch (...) {
        releaseDictionaries();
        if (--instanceCount == 0) ScriptInterpreter::stop();
        throw;
    }
}

ScriptMaster::~ScriptMaster() {
    releaseDictionaries();
    if (--instanceCount == 0) ScriptInterpreter::stop();
}

void ScriptMaster::releaseDictionaries() {
    Py_CLEAR(locals);
    Py_CLEAR(globals);
}

void ScriptMaster::execute(const std::string& code, bool useMain) {
    ScriptRef result(runString(code, useMain, Py_file_input));
}

void ScriptMaster::importModule(const std::string& name) {
    const std::string context = "import " + name;
    // Module files written since the last import are found too.
    ScriptInterpreter::refreshModuleFinders();
    checkError(context);
    ScriptRef key(toScriptText(name));
    checkError(context);
    ScriptTimeBudget budget(name, "import");
    PyObject* imported =
        PyImport_ImportModuleLevelObject(key.get(), globals, locals, ScriptInterpreter::fromList(), 0);
    budget.check(imported);
    ScriptRef module(imported);
    checkError(context);
    PyDict_SetItem(globals, key.get(), module.get());
    PyDict_SetItem(locals, key.get(), module.get());
    checkError(context);
}

void ScriptMaster::reloadModule(const std::string& name) {
    const std::string context = "reload(" + name + ")";
    ScriptRef key(toScriptText(name));
    checkError(context);
    PyObject* bound = PyDict_GetItemWithError(locals, key.get());
    if (!bound) {
        // Never imported: the interpreter would crash on a missing module, so fail here.
        if (!PyErr_Occurred()) PyErr_SetString(PyExc_TypeError, "reload() argument must be a module");
        checkError(context);
    }
    ScriptRef module(Py_NewRef(bound));
    ScriptInterpreter::refreshModuleFinders();
    checkError(context);
    ScriptTimeBudget budget(name, "reload");
    PyObject* reloaded = PyImport_ReloadModule(module.get());
    budget.check(reloaded);
    Py_XDECREF(reloaded);
    checkError(context);
}

void ScriptMaster::clearError() {
    PyErr_Clear();
    LogModule::clearPending();
}

double ScriptMaster::evalDouble(const std::string& code) {
    ScriptRef result(evaluate(code));
    double value = PyFloat_AsDouble(result.get());
    checkError(code);
    return value;
}

float ScriptMaster::evalFloat(const std::string& code) { return static_cast<float>(evalDouble(code)); }

int ScriptMaster::evalInt(const std::string& code) {
    ScriptRef result(evaluate(code));
    long value = toScriptInt(result.get());
    checkError(code);
    return static_cast<int>(value);
}

long ScriptMaster::evalLong(const std::string& code) { return evalInt(code); }

std::string ScriptMaster::evalString(const std::string& code) {
    ScriptRef result(evaluate(code));
    ScriptRef text(PyObject_Str(result.get()));
    checkError(code);
    std::string out;
    toGameText(text.get(), out);
    checkError(code);
    return out;
}

bool ScriptMaster::evalBool(const std::string& code) {
    ScriptRef result(evaluate(code));
    return result.get() == Py_True;
}

PyObject* ScriptMaster::evaluate(const std::string& code, bool useMain) {
    PyObject* result = runString(code, useMain, Py_eval_input);
    if (!result) throw ScriptException("ScriptException", "The expression gave no value.", code + "\n");
    return result;
}

void ScriptMaster::checkError(const std::string& context) {
    // A failure inside log() comes first: it ended the script whatever the script did next.
    if (std::optional<ScriptException> pending = LogModule::takePending()) {
        PyErr_Clear();
        throw *pending;
    }
    if (!PyErr_Occurred()) return;
    throw takeScriptError(context);
}

PyObject* ScriptMaster::runString(const std::string& code, bool useMain, int startSymbol) {
    PyObject* scriptGlobals = globals;
    PyObject* scriptLocals = locals;
    if (useMain) {
        PyObject* mainModule = PyImport_AddModule("__main__");
        if (!mainModule) {
            PyErr_Clear();
            throw ScriptException("ScriptException", "Could not get __main__ module.", "");
        }
        scriptGlobals = scriptLocals = PyModule_GetDict(mainModule);
    }
    const std::string source = toSourceCode(code);
    ScriptTimeBudget budget(code);
    PyObject* result = PyRun_StringFlags(source.c_str(), startSymbol, scriptGlobals, scriptLocals, nullptr);
    budget.check(result);
    try {
        checkError(code);
    } catch (...) {
        Py_XDECREF(result);
        throw;
    }
    return result;
}

PyObject* ScriptMaster::restrictedBuiltins() { return evaluate(restrictedBuiltinsText(), true); }

}  // namespace Tavek
