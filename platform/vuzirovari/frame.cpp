// One frame: iVortaneMain's step, drawing and presenting, the clock.
#include "../win32/hostpath.h"
#include "../win32/win32_host.h"
#include "dinput_link.h"
#include "engine_state.h"
#include "skin_animation.h"
#include "sound_system.h"

#include <algorithm>
#include <chrono>

using namespace vuz;

namespace vuz {

void renderFrame(bool waitForRefresh) {
    Session& s = session();
    if (!s.open) return;
    ++s.renderCount;
    RenderWindow& window = engine().window;
    if (!window.canDraw()) {
        saveScreenshotsDue();  // reports them as skipped
        return;
    }
    // Benchmarks split a render: the GPU is waited for after the 3D scene, the 2D layer and presenting.
    using Clock = std::chrono::steady_clock;
    const bool timed = s.test.timeRenders;
    auto seconds = [](Clock::time_point from) { return std::chrono::duration<float>(Clock::now() - from).count(); };
    Clock::time_point start = Clock::now();
    window.beginFrame(0.0f, 0.0f, 0.0f);
    // The 3D scene through every camera, then the sprites by priority, then the text printed
    // this frame (kept until the next frame starts, so a second render shows it too).
    int width = 0, height = 0;
    window.clientSize(&width, &height);
    engine().scene.draw(window.contextSerial(), width, height);
    if (timed) {
        s.test.renderTimes[0] = static_cast<float>(engine().scene.gatherSeconds());
        s.test.renderTimes[1] = seconds(start) - s.test.renderTimes[0];
        start = Clock::now();
        window.finish();
        s.test.renderTimes[2] = seconds(start);
        start = Clock::now();
    }
    drawOverlay();
    if (timed) {
        window.finish();
        s.test.renderTimes[3] = seconds(start);
        start = Clock::now();
    }
    window.present(waitForRefresh);
    if (timed) {
        window.finish();
        s.test.renderTimes[4] = seconds(start);
    }
    saveScreenshotsDue();
}

bool saveScreenshot(const std::string& gamePath) {
    RenderWindow& window = engine().window;
    if (!window.canDraw()) {
        win32::log("engine: no screenshot \"" + gamePath + "\": nothing is drawn");
        return false;
    }
    if (!window.savePng(hostPath(gamePath))) {
        win32::log("engine: the screenshot \"" + gamePath + "\" could not be saved");
        return false;
    }
    win32::log("engine: screenshot \"" + gamePath + "\"");
    return true;
}

void saveScreenshotsDue() {
    Session& s = session();
    std::vector<std::string> due;
    due.swap(s.screenshotsDue);
    for (const std::string& path : due) saveScreenshot(path);
}

void applyAutopilot(int frame) {
    Session& s = session();
    using Kind = ScriptEvent::Kind;
    for (const ScriptEvent& e : s.autopilot.takeDue(frame)) {
        switch (e.kind) {
        case Kind::Key: s.input.setKey(e.a, e.down); break;
        case Kind::Mouse: s.input.setMouse(e.x, e.y); break;
        case Kind::Button: s.input.setMouseButton(e.a, e.down); break;
        case Kind::Joy:
            if (s.input.injectedJoyCount() <= e.a) s.input.setInjectedJoyCount(e.a + 1);
            s.input.setJoyAxes(e.a, e.x, e.y);
            break;
        case Kind::JoyButton:
            if (s.input.injectedJoyCount() <= e.a) s.input.setInjectedJoyCount(e.a + 1);
            s.input.setJoyButton(e.a, e.b, e.down);
            break;
        case Kind::Type: s.input.textTyped(e.a); break;
        case Kind::Close:
            win32::log("engine: autopilot closes the window at frame " + std::to_string(frame));
            requestClose();
            break;
        case Kind::Screenshot: s.screenshotsDue.push_back(e.path); break;
        }
    }
}

}  // namespace vuz

extern "C" {

void iVortaneMain(void) {
    Session& s = session();
    logCall("main");
    if (!s.open) return;
    ++s.frameCount;
    startFrameText();
    s.clock.tick();
    pumpEvents(false);
    applyAutopilot(s.frameCount);
    s.input.sample(engine().joysticks.read());
    numberDirectInputJoysticks(s.input.joyCount());
    soundFrame();
    if (s.autopilot.frameLimit() > 0 && s.frameCount == s.autopilot.frameLimit()) {
        win32::log("engine: frame limit " + std::to_string(s.frameCount) + " reached");
        requestClose();
    }
    // One physics step of the frame time (at most 1/30 s), then every skinned mesh advances.
    float frame = s.clock.frameTime();
    stepPhysics(std::min(frame, 1.0f / 30.0f));
    engine().skinMeshes.forEach([frame](uint32_t, SkinMesh& m) { advanceSkinMesh(m, frame); });
}

float iFrq(int /*mode*/) { return session().clock.frameTime(); }

float iSystemTimer(void) { return session().clock.seconds(); }

}  // extern "C"
