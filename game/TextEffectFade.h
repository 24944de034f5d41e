// A text effect whose alpha is the print opacity: the line fades in and out with it.
#pragma once

#include "game/TextEffect.h"

class TextEffectFade : public virtual TextEffect {
public:
    explicit TextEffectFade(uint32_t font) : TextEffect(font) {}
    void applyColour() override;
};
