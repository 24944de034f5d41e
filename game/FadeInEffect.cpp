#include "game/FadeInEffect.h"

#include <limits>

namespace Tavek {

FadeInEffect::FadeInEffect(float delay, float duration)
    : Effect(delay),
      step_(duration > 0.0f ? frameTime() / duration : std::numeric_limits<float>::infinity()) {}

bool FadeInEffect::apply(SpriteState& frame) {
    level_ += step_;
    const bool finished = level_ >= 1.0f;
    if (finished) level_ = 1.0f;
    frame.alpha *= level_;
    return finished;
}

}  // namespace Tavek
