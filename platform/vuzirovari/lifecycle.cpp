// Opening the engine and the phases of the frame loop the program drives.
#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "../win32/crt.h"
#include "../win32/win32_host.h"
#include "dinput_link.h"
#include "engine_state.h"

using namespace vuz;

namespace vuz {

EngineState& engine() {
    static EngineState* state = new EngineState();
    return *state;
}

void logCall(const char* name) {
    // Only the latest calls are kept: the game calls the frame functions millions of times.
    constexpr size_t CallLogLimit = 64 * 1024;
    Session& s = session();
    if (s.callLog.size() > CallLogLimit) s.callLog.erase(0, s.callLog.find('\n', s.callLog.size() / 2) + 1);
    s.callLog += name;
    s.callLog += '\n';
}

}  // namespace vuz

namespace {

void readFrameTimeFromEnvironment() {
    const char* text = std::getenv("VUZ_FRAME_TIME");
    if (!text || !*text) return;
    float seconds = 0.0f;
    if (crt::scanFloat(text, &seconds) == std::strlen(text) && seconds > 0.0f) {
        session().clock.setFixed(seconds);
        win32::log(std::string("engine: fixed frame time ") + text + " s");
    } else {
        std::fprintf(stderr, "vuzirovari: VUZ_FRAME_TIME: \"%s\" is not a positive number of seconds\n", text);
        win32::log(std::string("engine: VUZ_FRAME_TIME ignored: ") + text);
    }
}

void startInputDevices() {
    Session& s = session();
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (SDL_InitSubSystem(SDL_INIT_EVENTS | SDL_INIT_JOYSTICK) != 0) {
        win32::log(std::string("engine: no joysticks or device events: ") + SDL_GetError());
        return;
    }
    s.sdlStarted = true;
    for (int i = 0; i < SDL_NumJoysticks(); ++i) engine().joysticks.deviceAdded(i);
}

void raiseErrorIfAsked(const char* phase) {
    Session& s = session();
    if (s.test.raiseErrorIn == phase) {
        s.errorFlag = true;
        s.test.raiseErrorIn.clear();
    }
}

}  // namespace

extern "C" {

int iVortaneOpen(HWND mainWindow, HWND childWindow) {
    Session& s = session();
    logCall("open");
    if (s.test.failOpen) {
        win32::log("engine: open refused");
        return 0;
    }
    if (s.open) {
        win32::log("engine: already open");
        return 1;
    }
    win32::WindowInfo info;
    if (mainWindow && !win32::windowInfo(mainWindow, &info)) {
        win32::log("engine: open failed, the main window does not exist");
        return 0;
    }
    s.autopilot.clear();
    s.autopilot.loadFromEnvironment();
    readFrameTimeFromEnvironment();
    startInputDevices();

    s.mainWindow = mainWindow;
    s.childWindow = childWindow;
    openDirectInput(mainWindow, std::min(engine().joysticks.count() + s.input.injectedJoyCount(), MaxJoysticks));
    if (s.test.drawing) {
        std::string title = info.hasTitle ? info.title : "Brennock";
        int width = info.width > 0 ? info.width : 639;
        int height = info.height > 0 ? info.height : 479;
        engine().window.open(title, width, height);
    }
    installHostHooks();
    s.clock.start();
    s.frameCount = 0;
    s.open = true;
    win32::log(std::string("engine: open") + (engine().window.isOpen() ? "" : " without a window") +
               (s.autopilot.active() ? ", autopilot on" : ""));
    return 1;
}

int iVortaneSettings(const uint32_t* record) {
    Session& s = session();
    logCall("settings");
    if (s.test.failSettings) {
        win32::log("engine: settings refused");
        return 0;
    }
    if (!s.open || !record) {
        win32::log(s.open ? "engine: settings without a record" : "engine: settings before open");
        return 0;
    }
    std::memcpy(s.settings, record, sizeof s.settings);
    s.ready = true;
    return 1;
}

void iVortaneErrorFlagSet(int flag) { session().errorFlag = flag != 0; }

int iVortaneErrorFlag(void) { return session().errorFlag ? 1 : 0; }

int iVortaneIsRendering(void) { return session().rendering ? 1 : 0; }

void iVortaneIsRenderingSet(int rendering) { session().rendering = rendering != 0; }

int iVortaneIsActive(void) {
    const Session& s = session();
    if (s.test.forcedActive >= 0) return s.test.forcedActive;
    return windowMinimised() ? 0 : 1;
}

int iVortaneIsReady(void) { return session().open && session().ready ? 1 : 0; }

int iVortaneIsExecuting(void) { return session().open ? 1 : 0; }

int iVortaneIsInitializing(void) { return session().initializing ? 1 : 0; }

void iVortaneInitBegin(void) { logCall("init-begin"); }

void iVortaneInitEnd(void) {
    logCall("init-end");
    session().initializing = false;
    raiseErrorIfAsked("init");
}

int iVortaneIsSkippingRunPhase(void) { return session().test.skipRun ? 1 : 0; }

int iVortaneIsSkippingRenderPhase(void) { return session().test.skipRender ? 1 : 0; }

void iVortaneRunBegin(void) {
    logCall("run-begin");
    startFrameText();
    raiseErrorIfAsked("run");
}

void iVortaneRunEnd(void) { logCall("run-end"); }

void iVortaneRender(void) {
    logCall("render");
    renderFrame();
}

void iRender(void) {
    logCall("render-now");
    // Drawn from inside a phase, such as a loading bar: shown at once, not at the next refresh.
    renderFrame(false);
}

void iExit(void) {
    logCall("exit");
    session().rendering = false;
}

void iEscEnable(int enabled) { session().escEnabled = enabled != 0; }

void iScreenWipe(int r, int g, int b) {
    logCall("wipe");
    RenderWindow& window = engine().window;
    if (!window.canDraw()) return;
    auto unit = [](int v) { return static_cast<float>(v < 0 ? 0 : v > 255 ? 255 : v) / 255.0f; };
    window.beginFrame(unit(r), unit(g), unit(b));
    window.present();
}

void iTextureMipLevelsSet(int levels) { session().mipLevels = levels < 0 ? 0 : levels; }

}  // extern "C"
