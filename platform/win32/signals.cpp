// The operating system's requests to end (SIGTERM, SIGINT), kept until the game's loop asks.
#include <signal.h>

#include <atomic>

#include "win32_host.h"

namespace win32 {

namespace {

std::atomic<int> caughtSignal{0};
static_assert(std::atomic<int>::is_always_lock_free, "a signal handler may only touch lock-free atomics");

extern "C" void onEndSignal(int number) { caughtSignal.store(number); }

}  // namespace

void catchEndSignals() {
    struct sigaction action {};
    action.sa_handler = onEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

int endSignal() { return caughtSignal.load(); }

void clearEndSignal() { caughtSignal.store(0); }

}  // namespace win32
