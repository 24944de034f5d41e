// The time a single call into the interpreter may take. A call that runs past it (a script
// caught in an endless loop) is interrupted inside the interpreter and ends as a
// ScriptException, the way every script failure ends; one running when the game is asked to
// end (SIGTERM, SIGINT) is interrupted too and ends as a ScriptInterrupted.
//
// How: each guarded call only records, on the game thread, that a call runs and when it
// started. A watchdog thread looks every PollInterval; when the call is overdue it takes the
// interpreter's lock (PyGILState_Ensure, the documented way for an outside thread), which the
// game thread hands over between two instructions of the running script, and asks with
// PyThreadState_SetAsyncExc for TimeoutError to be raised in the game thread; then it lets the
// lock go. While it holds the lock the game thread stands still inside the script, so the
// call it sees running is the one it interrupts. The watchdog never runs script code and
// never touches game state; calls that keep to the budget are not changed in any way.
// (Py_AddPendingCall would be the obvious tool, but the interpreter notices a pending call
// added from another thread only when something else wakes its loop.)
//
// Guards nest: only the outermost one times the call. Include only from source files that
// include Python.h first.
#pragma once

#include <Python.h>

#include <chrono>
#include <string>

namespace Tavek {

class ScriptTimeBudget {
public:
    static constexpr std::chrono::milliseconds Budget{2000};
    static constexpr std::chrono::milliseconds PollInterval{50};
    static constexpr const char* BudgetText = "2 s";

    // The call is named by the script and what it calls ("easy_ai_1" and "decide()"), or by the
    // code run alone; both must outlive the guard.
    explicit ScriptTimeBudget(const std::string& script, const char* call = nullptr);
    ~ScriptTimeBudget();
    ScriptTimeBudget(const ScriptTimeBudget&) = delete;
    ScriptTimeBudget& operator=(const ScriptTimeBudget&) = delete;

    // After the call: when it was interrupted, releases result, clears the interpreter's error and
    // throws ScriptOverBudget (over the budget) or ScriptInterrupted (the game is ending).
    // Otherwise does nothing.
    void check(PyObject* result = nullptr);

    // The interpreter's own thread, which interruptions are raised in; called once the
    // interpreter has started, on that thread.
    static void setGameThread();
    // Stops the watchdog thread (when the interpreter stops); the next guard starts it again.
    static void stopWatchdog();

private:
    bool outermost = false;
    unsigned long long callNumber = 0;
    const std::string* script = nullptr;
    const char* call = nullptr;
};

}  // namespace Tavek
