// The bridge to the embedded script interpreter: typed evaluation of expressions, statement
// execution, module import and reload. Every interpreter failure becomes a ScriptException
// carrying the error type, its message and a traceback text.
//
// Each instance runs code in its own pair of dictionaries: globals (empty but for "log", with
// the restricted builtins as its builtins) and locals (the restricted builtins, "log" and the
// imported modules). The first instance starts the interpreter and seeds the scripts' random
// with the C runtime's last seed (crt::lastSeed); the last one stops it.
#pragma once

#include <string>

#include "script/ScriptException.h"

struct _object;
typedef struct _object PyObject;

namespace Tavek {

class ScriptMaster {
public:
    // scriptFolder is a game path put first on the module path ("" leaves the path as it is).
    explicit ScriptMaster(const std::string& scriptFolder);
    virtual ~ScriptMaster();
    ScriptMaster(const ScriptMaster&) = delete;
    ScriptMaster& operator=(const ScriptMaster&) = delete;

    // Runs statements; with useMain in the main module's dictionary instead of the instance's.
    virtual void execute(const std::string& code, bool useMain = false);
    // Imports the module and binds it under its name in globals and locals.
    virtual void importModule(const std::string& name);
    // Reloads the module bound under name in locals; a name never imported throws.
    virtual void reloadModule(const std::string& name);
    // Forgets a pending interpreter error.
    virtual void clearError();

    virtual double evalDouble(const std::string& code);
    virtual float evalFloat(const std::string& code);
    // A float result is truncated toward zero; values beyond 32 bits and non-numbers throw.
    virtual int evalInt(const std::string& code);
    virtual long evalLong(const std::string& code);
    // str() of the result, as game text.
    virtual std::string evalString(const std::string& code);
    // True only when the result is the True object itself (1 is not).
    virtual bool evalBool(const std::string& code);
    // The value of an expression, a new reference owned by the caller.
    virtual PyObject* evaluate(const std::string& code, bool useMain = false);

    // Throws ScriptException when an interpreter error is pending; its trace starts with context.
    virtual void checkError(const std::string& context);
    // Compiles and runs code with the given start symbol (Py_file_input or Py_eval_input).
    virtual PyObject* runString(const std::string& code, bool useMain, int startSymbol);
    // The restricted builtins as a new dictionary.
    virtual PyObject* restrictedBuiltins();

    // Borrowed; for the layers that hand objects to scripts.
    PyObject* getGlobals() const { return globals; }
    PyObject* getLocals() const { return locals; }

    static int getInstanceCount() { return instanceCount; }

private:
    void releaseDictionaries();

    PyObject* globals = nullptr;
    PyObject* locals = nullptr;

    static int instanceCount;
};

}  // namespace Tavek
