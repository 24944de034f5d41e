#include "gui/GuiSound.h"

#include "platform/vuzirovari/vuzirovari.h"

void GuiSound::play(uint32_t sound, bool loop, float playVolume) {
    iSoundVolumeSet(sound, volume * playVolume);
    iSoundPlay(sound, loop ? 1 : 0);
}

void GuiSound::stop(uint32_t sound, int mode) { iSoundStop(sound, mode); }
