#include "audio_output.h"
#include "engine_state.h"
#include "sound_system.h"
#include "vec_math.h"
#include "vuzirovari_test.h"

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
    engine().sounds.forEach([now](uint32_t handle, Sound& sound) {
        if (sound.endIfFinished(now)) logSound(handle, sound, vtSoundEnded);
    });
    updateListener();
}

void logSound(uint32_t handle, const Sound& sound, int kind) {
    Session& s = session();
    if (!s.soundLogOn) return;
    s.soundLog.push_back({s.frameCount, kind, sound.looping() ? 1 : 0, handle, sound.gamePath()});
}

void soundReset() {
    listener() = ListenerState();
    AudioOutput::instance().close();
}

}  // namespace vuz
