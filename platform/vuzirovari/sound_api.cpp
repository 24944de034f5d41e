// Sounds by handle, and the listener.
#include "engine_state.h"
#include "sound_system.h"

using namespace vuz;

namespace {
Sound* sound(uint32_t handle) { return engine().sounds.get(handle); }
double now() { return session().clock.seconds(); }
}  // namespace

extern "C" {

uint32_t iSoundOggCreate(const char* path, int positional, int /*reserved*/) {
    if (!path || !*path) return 0;
    return engine().sounds.add(Sound::open(path, positional != 0));
}

void iSoundDestroy(uint32_t handle) { engine().sounds.remove(handle); }

void iSoundPlay(uint32_t handle, int loop) {
    if (Sound* s = sound(handle)) s->play(now(), loop != 0);
}

// The same start as iSoundPlay: a streamed sound is kept filled by the audio thread, so it
// goes on while the program is busy and no frames run.
void iSoundPlayNow(uint32_t handle, int loop) {
    if (Sound* s = sound(handle)) s->play(now(), loop != 0);
}

void iSoundStop(uint32_t handle, int /*mode*/) {
    if (Sound* s = sound(handle)) s->stop();
}

int iSoundPlaying(uint32_t handle) {
    Sound* s = sound(handle);
    return s && s->playing(now()) ? 1 : 0;
}

void iSoundVolumeSet(uint32_t handle, float volume) {
    if (Sound* s = sound(handle)) s->setVolume(volume);
}

void iSoundLocationSet(uint32_t handle, const iVector3* location) {
    if (Sound* s = sound(handle); s && location) s->setLocation(*location);
}

void iListenerCameraSet(uint32_t camera) { setListenerCamera(camera); }

}  // extern "C"
