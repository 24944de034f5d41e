// Everything the engine holds, in one place. The exported functions work on engine().
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "autopilot.h"
#include "camera.h"
#include "frame_clock.h"
#include "handle_table.h"
#include "input_state.h"
#include "joysticks.h"
#include "render_window.h"
#include "sound.h"
#include "vuzirovari.h"

namespace vuz {

// Window events a test pretends the operating system sent; the pump delivers them.
enum class WindowEvent { Close, Expose, Restore, Focus, Minimise };

// Settings only tests change; a reset returns them to these values.
struct TestSettings {
    bool drawing = true;
    bool failOpen = false;
    bool failSettings = false;
    int forcedActive = -1;  // -1: from the window
    bool skipRun = false;
    bool skipRender = false;
    std::string raiseErrorIn;  // "init" or "run", once
};

// The state a reset starts afresh (handle counters live on in the tables).
struct Session {
    bool open = false;
    bool ready = false;
    bool rendering = true;
    bool initializing = true;
    bool errorFlag = false;
    bool escEnabled = true;
    bool mouseHidden = false;
    bool sdlStarted = false;  // events and joysticks
    int mouseResolution = 0;
    int mipLevels = 0;
    int frameCount = 0;
    int renderCount = 0;
    HWND mainWindow = nullptr;
    HWND childWindow = nullptr;
    uint32_t settings[6] = {0, 0, 0, 0, 0, 0};
    std::string callLog;
    std::vector<std::string> screenshotsDue;  // game paths, saved after the next present
    std::vector<WindowEvent> injectedWindowEvents;
    bool injectedMinimised = false;
    DirectionalLight light;
    FrameClock clock;
    InputState input;
    Autopilot autopilot;
    TestSettings test;
};

struct EngineState {
    Session session;
    RenderWindow window;
    Joysticks joysticks;
    HandleTable<Camera> cameras;
    HandleTable<Sound> sounds;
};

// Lives for the whole process and is never destroyed, so nothing depends on the order in
// which libraries are unloaded at exit.
EngineState& engine();
inline Session& session() { return engine().session; }

void logCall(const char* name);  // one line of the lifecycle call log

// host_link.cpp: the engine's side of the Windows subset.
void installHostHooks();
void removeHostHooks();
void pumpEvents(bool wait);
void requestClose();  // as if the player closed the main window
bool windowMinimised();  // the real window, or the pretended state without one

// frame.cpp
void renderFrame();
void saveScreenshotsDue();
void applyAutopilot(int frame);
bool saveScreenshot(const std::string& gamePath);

}  // namespace vuz
