// The test interface's view of sounds, the listener and the audio device.
#include "audio_output.h"
#include "engine_state.h"
#include "sound_system.h"
#include "vuzirovari_test.h"

using namespace vuz;

extern "C" {

int vtSoundLocationGet(uint32_t sound, iVector3* location) {
    const Sound* s = engine().sounds.get(sound);
    if (!s) return 0;
    if (location) *location = s->location();
    return 1;
}

int vtListenerGet(uint32_t* camera, iVector3* location, iVector3* forward, iVector3* up) {
    const ListenerState& l = listenerState();
    if (camera) *camera = l.camera;
    if (location) *location = l.location;
    if (forward) *forward = l.forward;
    if (up) *up = l.up;
    return l.camera != 0 ? 1 : 0;
}

int vtSoundCount(void) { return static_cast<int>(engine().sounds.size()); }

void vtSoundLogEnable(int on) { session().soundLogOn = on != 0; }

int vtSoundLogCount(void) { return static_cast<int>(session().soundLog.size()); }

int vtSoundLogGet(int index, vtSoundEvent* out) {
    const std::vector<SoundLogEntry>& log = session().soundLog;
    if (index < 0 || static_cast<size_t>(index) >= log.size()) return 0;
    const SoundLogEntry& e = log[static_cast<size_t>(index)];
    if (out) *out = {e.frame, e.kind, e.looping, e.sound, e.gamePath.c_str()};
    return 1;
}

void vtSoundLogClear(void) { session().soundLog.clear(); }

int vtAudioOutputOpen(void) { return AudioOutput::instance().isOpen() ? 1 : 0; }

int vtSoundOutputGet(uint32_t sound, int* sourcePlaying, float* gain, int* streamed) {
    const Sound* s = engine().sounds.get(sound);
    if (!s || !s->voice()) return 0;
    Voice::Status status = s->voice()->status();
    if (sourcePlaying) *sourcePlaying = status.sourcePlaying ? 1 : 0;
    if (gain) *gain = status.gain;
    if (streamed) *streamed = status.streamed ? 1 : 0;
    return 1;
}

}  // extern "C"
