// Fades a sprite in: its opacity is multiplied by a level rising from 0 to 1 by a fixed step a
// frame. The step is fixed from the frame time when the effect is made; a duration of 0 (or
// less) finishes at the first frame.
#pragma once

#include "game/Effect.h"

namespace Tavek {

class FadeInEffect : public Effect {
public:
    FadeInEffect(float delay, float duration);
    bool apply(SpriteState& frame) override;

protected:
    float level_ = 0.0f;
    float step_;
};

}  // namespace Tavek
