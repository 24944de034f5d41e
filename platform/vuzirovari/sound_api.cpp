// Sounds by handle, and the listener.
#include "engine_state.h"
#include "sound_system.h"
#include "vuzirovari_test.h"

using namespace vuz;

namespace {
Sound* sound(uint32_t handle) { return engine().sounds.get(handle); }
double now() { return session().clock.seconds(); }

void start(uint32_t handle, int loop) {
    Sound* s = sound(handle);
    if (!s) return;
    s->play(now(), loop != 0);
    logSound(handle, *s, vtSoundStarted);
}
}  // namespace

extern "C" {

uint32_t iSoundOggCreate(const char* path, int positional, int /*reserved*/) {
    if (!path || !*path) return 0;
    return engine().sounds.add(Sound::open(path, positional != 0));
}

void iSoundDestroy(uint32_t handle) {
    if (Sound* s = sound(handle); s && s->playing(now())) logSound(handle, *s, vtSoundStopped);
    engine().sounds.remove(handle);
}

void iSoundPlay(uint32_t handle, int loop) { start(handle, loop); }

// The same start as iSoundPlay: a streamed sound is kept filled by the audio thread, so it
// goes on while the program is busy and no frames run.
void iSoundPlayNow(uint32_t handle, int loop) { start(handle, loop); }

// Stopping a silent sound is no event for the log.
void iSoundStop(uint32_t handle, int /*mode*/) {
    Sound* s = sound(handle);
    if (!s) return;
    if (s->playing(now())) logSound(handle, *s, vtSoundStopped);
    s->stop();
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
