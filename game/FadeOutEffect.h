// Fades a sprite out: its opacity is multiplied by a level falling from 1 to 0, and at the end
// the sprite hides itself (its base state is then hidden until someone shows it again).
#pragma once

#include "game/FadeInEffect.h"

namespace Tavek {

class FadeOutEffect : public FadeInEffect {
public:
    FadeOutEffect(float delay, float duration);
    bool apply(SpriteState& frame) override;
};

}  // namespace Tavek
