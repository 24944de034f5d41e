// Plays the toolkit's click sounds with a volume of its own, multiplied into each play.
#pragma once

#include <cstdint>

class GuiSound {
public:
    virtual ~GuiSound() = default;
    virtual float getVolume() const { return volume; }
    virtual void setVolume(float newVolume) { volume = newVolume; }
    virtual void play(uint32_t sound, bool loop, float volume);
    virtual void stop(uint32_t sound, int mode);

private:
    float volume = 1.0f;
};
