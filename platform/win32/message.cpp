// The message queue of the one thread. Operating-system events come in through the pump
// that the engine installs; PostMessageA adds messages directly.
#include <deque>

#include "internal.h"
#include "win32_host.h"

namespace win32 {

namespace {

struct Queue {
    std::deque<MSG> messages;
    std::function<void(bool)> pump;
};

Queue& queue() {
    static Queue q;
    return q;
}

bool matches(const MSG& m, HWND window, UINT filterMin, UINT filterMax) {
    if (window && m.hwnd != window) return false;
    if (filterMin == 0 && filterMax == 0) return true;
    return m.message >= filterMin && m.message <= filterMax;
}

bool take(LPMSG out, HWND window, UINT filterMin, UINT filterMax, bool remove) {
    auto& msgs = queue().messages;
    for (auto it = msgs.begin(); it != msgs.end(); ++it) {
        if (!matches(*it, window, filterMin, filterMax)) continue;
        if (out) *out = *it;
        if (remove) msgs.erase(it);
        return true;
    }
    return false;
}

void pump(bool wait) {
    if (queue().pump) queue().pump(wait);
}

}  // namespace

void setEventPump(std::function<void(bool wait)> p) { queue().pump = std::move(p); }

void dropMessagesFor(HWND window) {
    auto& msgs = queue().messages;
    for (auto it = msgs.begin(); it != msgs.end();) it = it->hwnd == window ? msgs.erase(it) : it + 1;
}

void resetQueue() {
    queue().messages.clear();
    queue().pump = nullptr;
}

}  // namespace win32

using namespace win32;

BOOL PeekMessageA(LPMSG msg, HWND window, UINT filterMin, UINT filterMax, UINT removeMsg) {
    pump(false);
    return take(msg, window, filterMin, filterMax, (removeMsg & PM_REMOVE) != 0) ? TRUE : FALSE;
}

BOOL GetMessageA(LPMSG msg, HWND window, UINT filterMin, UINT filterMax) {
    pump(false);
    while (!take(msg, window, filterMin, filterMax, true)) {
        // With nothing that could ever post (no engine pump), waiting would never end.
        if (!queue().pump) {
            if (msg) *msg = MSG{};
            return FALSE;
        }
        pump(true);
    }
    // Never -1: an error would leave the message unfilled.
    return msg && msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL TranslateMessage(const MSG*) { return FALSE; }

LRESULT DispatchMessageA(const MSG* msg) {
    if (!msg || !msg->hwnd) return 0;
    return sendToWindow(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (window && !IsWindow(window)) return FALSE;
    MSG m{};
    m.hwnd = window;
    m.message = message;
    m.wParam = wParam;
    m.lParam = lParam;
    queue().messages.push_back(m);
    return TRUE;
}

void PostQuitMessage(int exitCode) { PostMessageA(nullptr, WM_QUIT, static_cast<WPARAM>(exitCode), 0); }
