#include "game/TextEffect.h"

#include <algorithm>
#include <cmath>

#include "platform/vuzirovari/vuzirovari.h"

TextEffect::TextEffect(uint32_t font) : font_(font) { reset(); }

void TextEffect::reset() {
    alpha_ = 0.0f;
    text_.clear();
    location_ = Vector2(0.0f, 0.0f);
    size_ = Vector2(1.0f, 1.0f);
    setColour(1.0f, 1.0f, 1.0f);
}

void TextEffect::draw() {
    if (alpha_ == 0.0f) return;
    iPrintCentered(text_.c_str(), &location_, &size_, 0.0f, font_, 0.0f);
}

void TextEffect::setAlpha(float alpha) { alpha_ = std::isnan(alpha) ? 0.0f : std::clamp(alpha, 0.0f, 1.0f); }

void TextEffect::setColour(float r, float g, float b) {
    colour_[0] = r;
    colour_[1] = g;
    colour_[2] = b;
}

void TextEffect::applyColour() { iPrintColorSet(colour_[0], colour_[1], colour_[2], 1.0f); }

void TextEffect::restoreColour() { iPrintColorSet(1.0f, 1.0f, 1.0f, 1.0f); }

void TextEffect::tick() {
    applyColour();
    draw();
    restoreColour();
}
