#include <Python.h>

#include "script/ScriptInterpreter.h"

#include "platform/win32/hostpath.h"
#include "script/LogModule.h"
#include "script/ScriptErrorReader.h"
#include "script/ScriptException.h"
#include "script/ScriptRef.h"
#include "script/ScriptTimeBudget.h"

namespace Tavek {

namespace {

struct Shared {
    PyObject* fromList = nullptr;
    PyObject* logModule = nullptr;
    PyObject* logFunction = nullptr;
    PyObject* invalidateCaches = nullptr;
    std::string scriptFolder;
};

Shared& shared() {
    static Shared s;
    return s;
}

[[noreturn]] void failStart(const std::string& what, const PyStatus& status) {
    std::string message = "Could not start the script interpreter: " + what;
    if (status.err_msg) message += std::string(" (") + status.err_msg + ")";
    throw ScriptException("ScriptException", message, "");
}

// Throws the pending interpreter error, if any.
void checkStartStep(const char* step) {
    if (PyErr_Occurred()) throw takeScriptError(step);
}

void initialise() {
    PyPreConfig preconfig;
    PyPreConfig_InitIsolatedConfig(&preconfig);
    preconfig.utf8_mode = 1;
    PyStatus status = Py_PreInitialize(&preconfig);
    if (PyStatus_Exception(status)) failStart("pre-initialisation failed", status);

    PyConfig config;
    PyConfig_InitIsolatedConfig(&config);
    config.site_import = 0;
    config.user_site_directory = 0;
    config.write_bytecode = 0;
    config.use_hash_seed = 1;
    config.hash_seed = 0;
    config.install_signal_handlers = 0;
    config.parse_argv = 0;
    status = PyConfig_SetString(&config, &config.program_name, L"Dovra");
    if (!PyStatus_Exception(status)) status = Py_InitializeFromConfig(&config);
    PyConfig_Clear(&config);
    if (PyStatus_Exception(status)) failStart("initialisation failed", status);
}

}  // namespace

void ScriptInterpreter::start(const std::string& scriptFolder) {
    try {
        startOrThrow(scriptFolder);
    } catch (...) {
        stop();
        throw;
    }
}

void ScriptInterpreter::startOrThrow(const std::string& scriptFolder) {
    initialise();
    Shared& s = shared();

    s.fromList = PyList_New(1);
    checkStartStep("from-list");
    PyList_SetItem(s.fromList, 0, PyUnicode_FromString("*"));
    checkStartStep("from-list");

    // Registered as an imported module, so "import log" finds it.
    ScriptRef created(LogModule::create());
    checkStartStep("log module");
    PyDict_SetItemString(PyImport_GetModuleDict(), "log", created.get());
    checkStartStep("log module");
    s.logModule = PyImport_ImportModuleLevel("log", nullptr, nullptr, s.fromList, 0);
    checkStartStep("import log");
    s.logFunction = PyObject_GetAttrString(s.logModule, "log");
    checkStartStep("log.log");

    ScriptRef importlib(PyImport_ImportModule("importlib"));
    checkStartStep("import importlib");
    s.invalidateCaches = PyObject_GetAttrString(importlib.get(), "invalidate_caches");
    checkStartStep("importlib.invalidate_caches");

    ScriptTimeBudget::setGameThread();

    s.scriptFolder = scriptFolder;
    if (!scriptFolder.empty()) {
        ScriptRef sys(PyImport_ImportModuleLevel("sys", nullptr, nullptr, nullptr, 0));
        checkStartStep("import sys");
        ScriptRef path(PyObject_GetAttrString(sys.get(), "path"));
        checkStartStep("sys.path");
        // Module path entries must be host paths, and text.
        std::string folder = hostPath(scriptFolder);
        ScriptRef entry(PyUnicode_DecodeFSDefaultAndSize(folder.data(), static_cast<Py_ssize_t>(folder.size())));
        checkStartStep("sys.path");
        PyList_Insert(path.get(), 0, entry.get());
        checkStartStep("sys.path");
    }
}

void ScriptInterpreter::stop() {
    if (!Py_IsInitialized()) return;
    ScriptTimeBudget::stopWatchdog();
    Shared& s = shared();
    Py_CLEAR(s.invalidateCaches);
    Py_CLEAR(s.logFunction);
    Py_CLEAR(s.logModule);
    Py_CLEAR(s.fromList);
    LogModule::clearPending();
    s.scriptFolder.clear();
    Py_FinalizeEx();
}

bool ScriptInterpreter::isRunning() { return Py_IsInitialized() != 0; }

const std::string& ScriptInterpreter::scriptFolder() { return shared().scriptFolder; }

PyObject* ScriptInterpreter::fromList() { return shared().fromList; }

PyObject* ScriptInterpreter::logFunction() { return shared().logFunction; }

bool ScriptInterpreter::refreshModuleFinders() {
    ScriptRef result(PyObject_CallNoArgs(shared().invalidateCaches));
    return static_cast<bool>(result);
}

}  // namespace Tavek
