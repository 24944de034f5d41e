#include "game/BlinkEffect.h"

namespace Tavek {

BlinkEffect::BlinkEffect(float delay, float period, float duration)
    : Effect(delay), halfPeriod_(period * 0.5f), remaining_(duration) {}

bool BlinkEffect::apply(SpriteState& frame) {
    const float dt = frameTime();
    remaining_ -= dt;
    if (remaining_ <= 0.0f) return true;
    timer_ += dt;
    if (timer_ >= halfPeriod_) {
        timer_ = 0.0f;
        on_ = !on_;
    }
    frame.visible = on_;
    return false;
}

}  // namespace Tavek
