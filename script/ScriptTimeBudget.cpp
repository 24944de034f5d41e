#include <Python.h>

#include "script/ScriptTimeBudget.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>

#include "platform/win32/win32_host.h"
#include "script/LogModule.h"
#include "script/ScriptErrorReader.h"
#include "script/ScriptException.h"
#include "script/ScriptInterrupted.h"
#include "script/ScriptOverBudget.h"

namespace Tavek {

namespace {

using Clock = std::chrono::steady_clock;

// A call running when the game is asked to end is stopped once it has run this long; a
// shorter one ends by itself and the game then closes as usual.
constexpr std::chrono::milliseconds EndingGrace{200};

enum Reason : int { NoReason, OverBudget, GameEnding };

struct Watch {
    // Shared with the watchdog thread.
    std::atomic<unsigned long long> running{0};  // the call being timed, 0 when none
    std::atomic<long long> startedAt{0};         // its start, in ticks of Clock
    std::atomic<unsigned long long> stoppedCall{0};
    std::atomic<int> stoppedWhy{NoReason};
    std::atomic<unsigned long> gameThread{0};    // the interpreter's thread

    // The watchdog thread and its wake-up.
    std::mutex mutex;
    std::condition_variable wake;
    std::thread thread;
    bool stopping = false;

    // Game thread only.
    int depth = 0;
    unsigned long long lastCall = 0;
};

// Never destroyed: the game keeps its interpreter, and so this thread, to the end of the process.
Watch& watch() {
    static Watch* const w = new Watch;
    return *w;
}

long long nowTicks() { return Clock::now().time_since_epoch().count(); }

void watchdog() {
    Watch& w = watch();
    std::unique_lock<std::mutex> lock(w.mutex);
    while (!w.stopping) {
        w.wake.wait_for(lock, ScriptTimeBudget::PollInterval);
        if (w.stopping) break;
        const unsigned long long call = w.running.load();
        if (call == 0) continue;
        const long long started = w.startedAt.load();
        if (w.running.load() != call) continue;  // the start time may be the next call's
        const auto elapsed = Clock::duration(nowTicks() - started);
        Reason why = NoReason;
        if (win32::endSignal() != 0 && elapsed >= EndingGrace) why = GameEnding;
        else if (elapsed >= ScriptTimeBudget::Budget) why = OverBudget;
        if (why == NoReason) continue;
        w.stoppedWhy.store(why);
        w.stoppedCall.store(call);
        // Raised again at every look while the call runs on (a script may catch the first).
        // Taking the interpreter's lock waits until the game thread, inside the script, lets
        // it go; while this thread holds it the game thread stands still inside the
        // interpreter, so the call seen running is the one running.
        lock.unlock();
        PyGILState_STATE state = PyGILState_Ensure();
        if (w.running.load() == call) PyThreadState_SetAsyncExc(w.gameThread.load(), PyExc_TimeoutError);
        PyGILState_Release(state);
        lock.lock();
    }
}

void startWatchdog() {
    Watch& w = watch();
    std::lock_guard<std::mutex> lock(w.mutex);
    if (w.thread.joinable()) return;
    w.stopping = false;
    w.thread = std::thread(watchdog);
}

}  // namespace

ScriptTimeBudget::ScriptTimeBudget(const std::string& script, const char* call) : script(&script), call(call) {
    Watch& w = watch();
    if (w.depth++ > 0) return;
    outermost = true;
    callNumber = ++w.lastCall;
    if (!w.thread.joinable()) startWatchdog();
    w.startedAt.store(nowTicks());
    w.running.store(callNumber);
}

ScriptTimeBudget::~ScriptTimeBudget() {
    Watch& w = watch();
    if (outermost) w.running.store(0);
    --w.depth;
}

void ScriptTimeBudget::check(PyObject* result) {
    Watch& w = watch();
    if (!outermost || w.stoppedCall.load() != callNumber) return;
    const std::string what = call ? *script + ": " + call : *script;
    const int why = w.stoppedWhy.load();
    Py_XDECREF(result);
    LogModule::clearPending();
    // An interruption that arrived too late for the call must not hit the next one.
    PyThreadState_SetAsyncExc(w.gameThread.load(), nullptr);
    std::string type = "<class 'TimeoutError'>";
    std::string trace = what + "\n";
    if (PyErr_Occurred()) {
        ScriptException raised = takeScriptError(what);
        trace = raised.getTrace();
    }
    if (why == GameEnding) throw ScriptInterrupted(what + " was stopped: the game is ending.");
    throw ScriptOverBudget(type, what + " took longer than " + BudgetText + " and was stopped.", trace);
}

void ScriptTimeBudget::setGameThread() { watch().gameThread.store(PyThread_get_thread_ident()); }

void ScriptTimeBudget::stopWatchdog() {
    Watch& w = watch();
    {
        std::lock_guard<std::mutex> lock(w.mutex);
        if (!w.thread.joinable()) return;
        w.stopping = true;
    }
    w.wake.notify_all();
    // The watchdog may be waiting for the interpreter's lock.
    Py_BEGIN_ALLOW_THREADS
    w.thread.join();
    Py_END_ALLOW_THREADS
    w.stopping = false;
}

}  // namespace Tavek
