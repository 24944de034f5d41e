// Grows or shrinks a sprite towards a target size at a fixed number of units per frame (the
// larger side at full speed, the other in proportion), then makes the target the sprite's base
// size. The step is fixed from the frame time when the effect is made, so the effect always
// takes the same number of frames.
#pragma once

#include "game/Effect.h"

namespace Tavek {

class ScaleEffect : public Effect {
public:
    // speed: units per second at the frame time of construction.
    ScaleEffect(float delay, const Vector2& target, float speed);
    bool apply(SpriteState& frame) override;

private:
    Vector2 current_{0.0f, 0.0f};
    bool started_ = false;
    Vector2 target_;
    float step_;
};

}  // namespace Tavek
