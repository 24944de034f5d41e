#include "game/ScaleEffect.h"

namespace Tavek {

namespace {

// Moves one side by step towards its target, stopping there; true once it is there.
bool stepTowards(float& value, float target, float step) {
    if (target > value) {
        value += step;
        if (value > target) {
            value = target;
            return true;
        }
        return false;
    }
    if (target < value) {
        value -= step;
        if (value < target) {
            value = target;
            return true;
        }
        return false;
    }
    return true;
}

}  // namespace

ScaleEffect::ScaleEffect(float delay, const Vector2& target, float speed)
    : Effect(delay), target_(target), step_(frameTime() * speed) {}

bool ScaleEffect::apply(SpriteState& frame) {
    if (!started_) {
        current_ = frame.scale;
        started_ = true;
    }
    // The larger side moves by the whole step, the other in proportion; a side of 0 leaves
    // nothing to keep in proportion, so both move by the whole step then.
    float stepX = step_;
    float stepY = step_;
    if (current_.y < current_.x) {
        if (current_.x != 0.0f) stepY = step_ * current_.y / current_.x;
    } else if (current_.y != 0.0f) {
        stepX = step_ * current_.x / current_.y;
    }
    const bool arrivedX = stepTowards(current_.x, target_.x, stepX);
    const bool arrivedY = stepTowards(current_.y, target_.y, stepY);
    frame.scale = current_;
    if (!(arrivedX && arrivedY)) return false;
    notifyListenerValue(&target_);
    return true;
}

}  // namespace Tavek
