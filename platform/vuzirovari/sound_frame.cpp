#include "audio_output.h"
#include "engine_state.h"
#include "sound_system.h"
#include "vec_math.h"

namespace vuz {

namespace {
ListenerState& listener() {
    static ListenerState state;
    return state;
}
}  // namespace

const ListenerState& listenerState() { return listener(); }

void setListenerCamera(uint32_t camera) {
    listener().camera = camera;
    updateListener();
}

void updateListener() {
    ListenerState& l = listener();
    const Camera* camera = engine().cameras.get(l.camera);
    if (!camera) return;
    l.location = camera->location();
    l.forward = rotate(camera->orientation(), vec3(0.0f, 0.0f, 1.0f));
    l.up = rotate(camera->orientation(), vec3(0.0f, 1.0f, 0.0f));
    AudioOutput::instance().setListener(l.location, l.forward, l.up);
}

void soundFrame() {
    double now = session().clock.seconds();
    engine().sounds.forEach([now](uint32_t, Sound& sound) { sound.endIfFinished(now); });
    updateListener();
}

void soundReset() {
    listener() = ListenerState();
    AudioOutput::instance().close();
}

}  // namespace vuz
