#include "game/ShakeEffect.h"

namespace Tavek {

ShakeEffect::ShakeEffect(float delay, float amplitude, float rate, float frequency, float duration)
    : Effect(delay),
      amplitude_(amplitude),
      rate_(rate),
      remaining_(duration),
      frequency_(frequency),
      noise_(std::make_unique<ShakeNoise>()) {}

bool ShakeEffect::apply(SpriteState& frame) {
    const float dt = frameTime();
    amplitude_ += rate_ * dt;
    if (amplitude_ <= 0.0f) return true;
    remaining_ -= dt;
    if (remaining_ <= 0.0f) return true;
    const float x = remaining_ * frequency_;
    frame.position += Vector2(amplitude_ * noise_->sample(x), amplitude_ * noise_->sample(x + 10000.0f));
    return false;
}

}  // namespace Tavek
