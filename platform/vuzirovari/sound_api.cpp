// Sounds by handle.
#include "engine_state.h"

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

}  // extern "C"
