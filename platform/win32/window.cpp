// Window classes and window records. A window is a record with its class's procedure; the
// engine makes the real (SDL) window for the main window when it opens.
#include <strings.h>

#include <map>

#include "internal.h"
#include "win32_host.h"

struct HWND__ {};

namespace win32 {

namespace {

struct ClassRecord {
    WNDCLASSEXA wc{};
    std::string name;
};

struct WindowRecord {
    WindowInfo info;
    WNDPROC proc = nullptr;
};

struct Windows {
    std::vector<ClassRecord> classes;
    std::map<uintptr_t, WindowRecord> live;  // by handle value
    uintptr_t nextHandle = 0x10000;          // handles are never reused
    std::function<void(HWND)> destroyListener;
    std::function<bool(HWND)> iconicQuery;
};

Windows& state() {
    static Windows w;
    return w;
}

WindowRecord* find(HWND window) {
    auto& live = state().live;
    auto it = live.find(reinterpret_cast<uintptr_t>(window));
    return it == live.end() ? nullptr : &it->second;
}

const ClassRecord* findClass(const char* name) {
    if (!name) return nullptr;
    for (const auto& c : state().classes)
        if (strcasecmp(c.name.c_str(), name) == 0) return &c;
    return nullptr;
}

std::string describe(const WindowInfo& info) {
    return "class=" + info.className + " title=" + (info.hasTitle ? "\"" + info.title + "\"" : "(none)");
}

}  // namespace

LRESULT sendToWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    WindowRecord* rec = find(window);
    if (!rec || !rec->proc) return 0;
    WNDPROC proc = rec->proc;  // the record may go away inside the call
    return proc(window, message, wParam, lParam);
}

bool windowInfo(HWND window, WindowInfo* out) {
    WindowRecord* rec = find(window);
    if (!rec) return false;
    if (out) *out = rec->info;
    return true;
}

std::vector<HWND> liveWindows() {
    std::vector<HWND> all;
    for (const auto& [handle, rec] : state().live) all.push_back(reinterpret_cast<HWND>(handle));
    return all;
}

void setDestroyListener(std::function<void(HWND)> listener) { state().destroyListener = std::move(listener); }
void setIconicQuery(std::function<bool(HWND)> query) { state().iconicQuery = std::move(query); }

void resetWindows() {
    Windows& w = state();
    w.classes.clear();
    w.live.clear();
    w.destroyListener = nullptr;
    w.iconicQuery = nullptr;
}

}  // namespace win32

using namespace win32;

ATOM RegisterClassExA(const WNDCLASSEXA* wc) {
    if (!wc || !wc->lpszClassName || !wc->lpfnWndProc) return 0;
    if (findClass(wc->lpszClassName)) return 0;  // already registered, as on Windows
    ClassRecord rec;
    rec.wc = *wc;
    rec.name = wc->lpszClassName;
    state().classes.push_back(rec);
    return static_cast<ATOM>(0xC000 + state().classes.size());
}

HWND CreateWindowExA(DWORD, LPCSTR className, LPCSTR windowName, DWORD style, int x, int y, int width,
                     int height, HWND parent, HMENU, HINSTANCE, LPVOID param) {
    const ClassRecord* cls = findClass(className);
    if (!cls) return nullptr;
    if (parent && !find(parent)) return nullptr;

    WindowRecord rec;
    rec.proc = cls->wc.lpfnWndProc;
    rec.info.className = cls->name;
    rec.info.hasTitle = windowName != nullptr;
    rec.info.title = windowName ? windowName : "";
    rec.info.style = style;
    rec.info.x = x;
    rec.info.y = y;
    rec.info.width = width;
    rec.info.height = height;
    rec.info.parent = parent;

    uintptr_t handle = state().nextHandle++;
    state().live[handle] = rec;
    HWND window = reinterpret_cast<HWND>(handle);

    // As on Windows, creation talks to the window procedure before it returns.
    LPARAM createParam = reinterpret_cast<LPARAM>(param);
    if (sendToWindow(window, WM_NCCREATE, 0, createParam) == 0 ||
        sendToWindow(window, WM_CREATE, 0, createParam) == -1) {
        state().live.erase(handle);
        return nullptr;
    }
    log("CreateWindowExA " + describe(rec.info) + " " + std::to_string(width) + "x" + std::to_string(height));
    return window;
}

BOOL DestroyWindow(HWND window) {
    WindowRecord* rec = find(window);
    if (!rec) return FALSE;
    // Owned windows go first.
    for (HWND other : liveWindows()) {
        WindowInfo info;
        if (windowInfo(other, &info) && info.parent == window) DestroyWindow(other);
    }
    sendToWindow(window, WM_DESTROY, 0, 0);
    sendToWindow(window, WM_NCDESTROY, 0, 0);
    if (state().destroyListener) state().destroyListener(window);
    rec = find(window);
    if (!rec) return TRUE;
    log("DestroyWindow " + describe(rec->info));
    dropMessagesFor(window);
    state().live.erase(reinterpret_cast<uintptr_t>(window));
    return TRUE;
}

BOOL IsWindow(HWND window) { return find(window) ? TRUE : FALSE; }

BOOL IsIconic(HWND window) {
    if (!find(window) || !state().iconicQuery) return FALSE;
    return state().iconicQuery(window) ? TRUE : FALSE;
}

LRESULT DefWindowProcA(HWND, UINT message, WPARAM, LPARAM) {
    // Creation goes on; nothing else has a default effect here (a close is never turned into a destroy).
    return message == WM_NCCREATE ? TRUE : 0;
}
