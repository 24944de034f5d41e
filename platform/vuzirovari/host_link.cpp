// The engine's side of the Windows subset: operating-system events become window messages
// and input, the window's fate follows the main window's record.
#include <SDL.h>

#include <chrono>
#include <string>
#include <thread>

#include "../win32/win32_host.h"
#include "engine_state.h"
#include "scancodes.h"
#include "text_utf8.h"

namespace vuz {

namespace {

constexpr WPARAM ActivatedByRestore = 1;  // the window became the active one

void post(UINT message, WPARAM wParam) {
    HWND main = session().mainWindow;
    if (main) PostMessageA(main, message, wParam, 0);
}

bool ourWindow(Uint32 windowId) { return windowId != 0 && windowId == engine().window.windowId(); }

void mouseTo(int x, int y) {
    int w = 0, h = 0;
    engine().window.clientSize(&w, &h);
    if (w > 0 && h > 0) session().input.mouseMoved(static_cast<float>(x) / w, static_cast<float>(y) / h);
}

int mouseButton(Uint8 sdlButton) {
    switch (sdlButton) {
    case SDL_BUTTON_LEFT: return 0;
    case SDL_BUTTON_RIGHT: return 1;
    case SDL_BUTTON_MIDDLE: return 2;
    default: return -1;
    }
}

void windowEvent(const SDL_WindowEvent& e) {
    if (!ourWindow(e.windowID)) return;
    switch (e.event) {
    case SDL_WINDOWEVENT_CLOSE: requestClose(); break;
    case SDL_WINDOWEVENT_EXPOSED: post(WM_PAINT, 0); break;
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_FOCUS_GAINED: post(WM_ACTIVATE, ActivatedByRestore); break;
    default: break;
    }
}

void handle(const SDL_Event& e) {
    InputState& input = session().input;
    switch (e.type) {
    case SDL_QUIT: requestClose(); break;
    case SDL_WINDOWEVENT: windowEvent(e.window); break;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        if (!e.key.repeat) input.keyEvent(classicScanCode(e.key.keysym.scancode), e.type == SDL_KEYDOWN);
        break;
    case SDL_TEXTINPUT:
        for (const char* p = e.text.text; *p;) {
            size_t used = 0;
            int c = firstLatin1(p, &used);
            if (c > 0) input.textTyped(c);
            if (used == 0) {  // outside Latin-1: skip the whole character
                ++p;
                while ((static_cast<unsigned char>(*p) & 0xC0) == 0x80) ++p;
            } else {
                p += used;
            }
        }
        break;
    case SDL_MOUSEMOTION:
        if (ourWindow(e.motion.windowID)) mouseTo(e.motion.x, e.motion.y);
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (ourWindow(e.button.windowID)) {
            mouseTo(e.button.x, e.button.y);
            input.mouseButtonEvent(mouseButton(e.button.button), e.type == SDL_MOUSEBUTTONDOWN);
        }
        break;
    case SDL_JOYDEVICEADDED: engine().joysticks.deviceAdded(e.jdevice.which); break;
    case SDL_JOYDEVICEREMOVED: engine().joysticks.deviceRemoved(e.jdevice.which); break;
    case SDL_JOYBUTTONDOWN:
    case SDL_JOYBUTTONUP:
        input.joyButtonEvent(engine().joysticks.indexOf(e.jbutton.which), e.jbutton.button,
                             e.type == SDL_JOYBUTTONDOWN);
        break;
    default: break;
    }
}

void windowDestroyed(HWND window) {
    Session& s = session();
    if (window == s.childWindow) s.childWindow = nullptr;
    if (window != s.mainWindow || !window) return;
    s.mainWindow = nullptr;
    if (engine().window.isOpen()) {
        win32::log("engine: the main window is gone, closing the real window");
        engine().window.close(false);
    }
}

int showMessageBox(const char* text, const char* caption, UINT type) {
    Uint32 flags = (type & MB_ICONERROR) ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
    if (SDL_ShowSimpleMessageBox(flags, caption ? caption : "", text ? text : "", engine().window.sdlWindow()) != 0)
        win32::log(std::string("engine: message box failed: ") + SDL_GetError());
    return IDOK;
}

void deliverInjected() {
    Session& s = session();
    std::vector<WindowEvent> events;
    events.swap(s.injectedWindowEvents);
    for (WindowEvent e : events) {
        switch (e) {
        case WindowEvent::Close: requestClose(); break;
        case WindowEvent::Expose: post(WM_PAINT, 0); break;
        case WindowEvent::Restore:
            s.injectedMinimised = false;
            post(WM_ACTIVATE, ActivatedByRestore);
            break;
        case WindowEvent::Focus: post(WM_ACTIVATE, ActivatedByRestore); break;
        case WindowEvent::Minimise: s.injectedMinimised = true; break;
        }
    }
}

}  // namespace

bool windowMinimised() { return engine().window.minimised() || session().injectedMinimised; }

// SIGTERM or SIGINT: the main window is closed once, as a player closing it would.
void deliverEndSignal() {
    static int delivered = 0;
    const int signal = win32::endSignal();
    if (signal == 0 || signal == delivered) return;
    delivered = signal;
    win32::log("engine: signal " + std::to_string(signal) + " asks the game to end, closing the window");
    requestClose();
}

void pumpEvents(bool wait) {
    deliverEndSignal();
    if (!session().injectedWindowEvents.empty()) {
        deliverInjected();
        wait = false;  // something arrived
    }
    if (!session().sdlStarted) {
        // Nothing can arrive; a short nap keeps a waiting caller from spinning.
        if (wait) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        return;
    }
    SDL_Event e;
    if (wait && SDL_WaitEventTimeout(&e, 50)) handle(e);
    while (SDL_PollEvent(&e)) handle(e);
}

void requestClose() {
    Session& s = session();
    if (s.mainWindow) PostMessageA(s.mainWindow, WM_CLOSE, 0, 0);
    else s.rendering = false;  // no window procedure to ask
}

void installHostHooks() {
    win32::setEventPump([](bool wait) { pumpEvents(wait); });
    win32::setDestroyListener([](HWND window) { windowDestroyed(window); });
    win32::setIconicQuery([](HWND window) {
        return window && window == session().mainWindow && windowMinimised();
    });
    bool autopilot = session().autopilot.active();
    if (engine().window.isOpen() && engine().window.onDesktop() && !autopilot)
        win32::setMessageBoxPresenter(showMessageBox);
    if (autopilot) win32::setShellOpenEnabled(false);
}

void removeHostHooks() {
    win32::setEventPump(nullptr);
    win32::setDestroyListener(nullptr);
    win32::setIconicQuery(nullptr);
    win32::setMessageBoxPresenter(nullptr);
}

}  // namespace vuz
