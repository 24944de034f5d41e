// What the frame loop and the test reset do for sounds, and the listener on its camera.
#pragma once

#include <cstdint>

#include "vuzirovari.h"

namespace vuz {

// Once per iVortaneMain: sounds whose time is up fall silent, the listener follows its camera.
void soundFrame();
// Back to no listener camera and no audio device (after every sound is gone).
void soundReset();
// A line of the sound log, when a test has it on (kind: vtSoundStarted, vtSoundStopped, vtSoundEnded).
void logSound(uint32_t handle, const Sound& sound, int kind);

void setListenerCamera(uint32_t camera);
// Puts the listener where its camera is now; without a live camera it stays where it was.
void updateListener();

struct ListenerState {
    uint32_t camera = 0;
    iVector3 location{0.0f, 0.0f, 0.0f};
    iVector3 forward{0.0f, 0.0f, 1.0f};
    iVector3 up{0.0f, 1.0f, 0.0f};
};
const ListenerState& listenerState();

}  // namespace vuz
