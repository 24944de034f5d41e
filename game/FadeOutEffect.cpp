#include "game/FadeOutEffect.h"

namespace Tavek {

FadeOutEffect::FadeOutEffect(float delay, float duration) : FadeInEffect(delay, duration) { level_ = 1.0f; }

bool FadeOutEffect::apply(SpriteState& frame) {
    level_ -= step_;
    const bool finished = level_ <= 0.0f;
    if (finished) {
        level_ = 0.0f;
        notifyListener(false);
    }
    frame.alpha *= level_;
    return finished;
}

}  // namespace Tavek
