// Blinks a sprite: shown for half a period, hidden for half a period, for a number of seconds.
// The sprite's base state is left as it was.
#pragma once

#include "game/Effect.h"

namespace Tavek {

class BlinkEffect : public Effect {
public:
    // period and duration in seconds.
    BlinkEffect(float delay, float period, float duration);
    bool apply(SpriteState& frame) override;

private:
    float halfPeriod_;
    float timer_ = 0.0f;
    float remaining_;
    bool on_ = true;
};

}  // namespace Tavek
