// One timed decoration of a sprite (a blink, a scale, a fade, a shake), applied to the sprite's
// frame state every frame once its delay has run out. The sprite that lists it owns it and is
// its listener: an effect may hide or show it, or make a new size its base size.
#pragma once

#include "game/SpriteState.h"

namespace Tavek {

class SpriteFX;

class Effect {
public:
    // delay: seconds of frame time before the effect starts acting.
    explicit Effect(float delay) : delay(delay) {}
    Effect(const Effect&) = delete;
    Effect& operator=(const Effect&) = delete;

    virtual void setListener(SpriteFX* listener) { listener_ = listener; }
    virtual void clearListener() { listener_ = nullptr; }
    // The listener's base scale becomes the value; nothing without a listener.
    virtual void notifyListenerValue(const Vector2* scale);
    // The listener shows (true) or hides (false) itself; nothing without a listener.
    virtual void notifyListener(bool visible);
    // Changes the frame state; true when the effect has finished (the base effect at once).
    virtual bool apply(SpriteState& frame);
    virtual ~Effect() = default;

    float delay;

protected:
    // The engine's last frame time in seconds; 1/60 s should the engine ever report a time that
    // is not above 0 or not finite, so that no effect stalls.
    static float frameTime();

private:
    SpriteFX* listener_ = nullptr;
};

}  // namespace Tavek
