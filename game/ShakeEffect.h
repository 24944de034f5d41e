// Shakes a sprite around its place by smooth noise, with an amplitude that changes by a rate a
// second (a negative rate lets the shake die down), until its time or its amplitude runs out.
// The offsets follow the remaining time. The sprite's base state is left as it was.
#pragma once

#include <memory>

#include "game/Effect.h"
#include "game/ShakeNoise.h"

namespace Tavek {

class ShakeEffect : public Effect {
public:
    // amplitude in screen units, rate in units a second, frequency in noise cells a second,
    // duration in seconds.
    ShakeEffect(float delay, float amplitude, float rate, float frequency, float duration);
    bool apply(SpriteState& frame) override;

private:
    float amplitude_;
    float rate_;
    float remaining_;
    float frequency_;
    std::unique_ptr<ShakeNoise> noise_;
};

}  // namespace Tavek
