// The test interface: drives time and input, reads back what the engine holds.
#include <SDL.h>

#include <algorithm>

#include <cstring>

#include "../win32/hostpath.h"
#include "../win32/win32_host.h"
#include "dinput_link.h"
#include "engine_state.h"
#include "sound_system.h"
#include "vuzirovari_test.h"

using namespace vuz;

extern "C" {

void vtReset(void) {
    EngineState& e = engine();
    removeHostHooks();
    e.window.close(false);
    closeDirectInput();
    e.joysticks.closeAll();
    if (e.session.sdlStarted) SDL_QuitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_EVENTS);
    e.cameras.clear();
    e.sounds.clear();
    clearResources();
    soundReset();
    e.session = Session();
}

void vtSetDrawing(int on) {
    session().test.drawing = on != 0;
    if (!on && engine().window.isOpen()) engine().window.close();
}

void vtSetFixedFrameTime(float seconds) { session().clock.setFixed(seconds); }

void vtFailOpen(int fail) { session().test.failOpen = fail != 0; }

void vtFailSettings(int fail) { session().test.failSettings = fail != 0; }

void vtSetActive(int active) { session().test.forcedActive = active ? 1 : 0; }

void vtSetSkipRunPhase(int skip) { session().test.skipRun = skip != 0; }

void vtSetSkipRenderPhase(int skip) { session().test.skipRender = skip != 0; }

void vtRaiseErrorIn(const char* phase) { session().test.raiseErrorIn = phase ? phase : ""; }

void vtKeySet(int scanCode, int down) { session().input.setKey(scanCode, down != 0); }

void vtMouseSet(float x, float y) { session().input.setMouse(x, y); }

void vtMouseButtonSet(int button, int down) { session().input.setMouseButton(button, down != 0); }

void vtJoyCountSet(int count) { session().input.setInjectedJoyCount(count); }

void vtJoyAxisSet(int joystick, float x, float y) { session().input.setJoyAxes(joystick, x, y); }

void vtJoyButtonSet(int joystick, int button, int down) { session().input.setJoyButton(joystick, button, down != 0); }

void vtTypeChar(int character) { session().input.textTyped(character); }

int vtInjectWindowEvent(const char* event) {
    static const struct {
        const char* name;
        WindowEvent event;
    } names[] = {{"close", WindowEvent::Close},       {"expose", WindowEvent::Expose},
                 {"restore", WindowEvent::Restore},   {"focus", WindowEvent::Focus},
                 {"minimise", WindowEvent::Minimise}, {"minimize", WindowEvent::Minimise}};
    for (const auto& n : names) {
        if (event && std::strcmp(event, n.name) == 0) {
            session().injectedWindowEvents.push_back(n.event);
            return 1;
        }
    }
    return 0;
}

void vtRenderTimingSet(int on) { session().test.timeRenders = on != 0; }

void vtRenderTimes(float seconds[5]) {
    if (seconds) std::copy(session().test.renderTimes, session().test.renderTimes + 5, seconds);
}

int vtFrameCount(void) { return session().frameCount; }

int vtRenderCount(void) { return session().renderCount; }

const char* vtCallLog(void) { return session().callLog.c_str(); }

void vtCallLogClear(void) { session().callLog.clear(); }

int vtWindowOpen(void) { return engine().window.isOpen() ? 1 : 0; }

int vtWindowShown(void) { return engine().window.shown() ? 1 : 0; }

int vtMouseHidden(void) { return session().mouseHidden ? 1 : 0; }

int vtEscEnabled(void) { return session().escEnabled ? 1 : 0; }

int vtMipLevels(void) { return session().mipLevels; }

int vtCameraGet(uint32_t camera, iVector3* location, iQuaternion* orientation, float* fov) {
    const Camera* c = engine().cameras.get(camera);
    if (!c) return 0;
    if (location) *location = c->location();
    if (orientation) *orientation = c->orientation();
    if (fov) *fov = c->fov();
    return 1;
}

int vtLightGet(iVector3* direction, iVector4* colour) {
    const DirectionalLight& light = session().light;
    if (direction) *direction = light.direction;
    if (colour) *colour = light.colour;
    return light.set ? 1 : 0;
}

int vtSoundGet(uint32_t sound, int* playing, int* looping, float* volume, float* lengthSeconds, int* positional) {
    const Sound* s = engine().sounds.get(sound);
    if (!s) return 0;
    if (playing) *playing = s->playing(session().clock.seconds()) ? 1 : 0;
    if (looping) *looping = s->looping() ? 1 : 0;
    if (volume) *volume = s->volume();
    if (lengthSeconds) *lengthSeconds = static_cast<float>(s->length());
    if (positional) *positional = s->positional() ? 1 : 0;
    return 1;
}

int vtLiveObjectCount(void) { return static_cast<int>(engine().cameras.size() + engine().sounds.size()); }

int vtAutopilotActive(void) { return session().autopilot.active() ? 1 : 0; }

int vtAutopilotBadLines(void) { return session().autopilot.badLines(); }

int vtReadPixel(float u, float v, uint8_t rgba[4]) { return engine().window.readPixel(u, v, rgba) ? 1 : 0; }

int vtScreenshot(const char* pngPath) {
    if (!pngPath || !*pngPath) return 0;
    return saveScreenshot(pngPath) ? 1 : 0;
}

}  // extern "C"
