#include "game/TextEffectUnravel.h"

#include "platform/vuzirovari/vuzirovari.h"

void TextEffectUnravel::draw() {
    if (alpha_ == 0.0f) return;
    const float spread = alpha_ <= 0.8f ? 0.0f : -(alpha_ - 0.8f) / 0.2f;
    iPrintCentered(text_.c_str(), &location_, &size_, spread, font_, 0.0f);
}
