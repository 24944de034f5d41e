#include "game/Effect.h"

#include <cmath>

#include "game/SpriteFX.h"
#include "platform/vuzirovari/vuzirovari.h"

namespace Tavek {

void Effect::notifyListenerValue(const Vector2* scale) {
    if (listener_ && scale) listener_->setScale(*scale);
}

void Effect::notifyListener(bool visible) {
    if (!listener_) return;
    if (visible)
        listener_->show();
    else
        listener_->hide();
}

bool Effect::apply(SpriteState&) { return true; }

float Effect::frameTime() {
    const float dt = iFrq(0);
    return std::isfinite(dt) && dt > 0.0f ? dt : 1.0f / 60.0f;
}

}  // namespace Tavek
