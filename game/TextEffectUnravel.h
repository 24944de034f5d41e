// A text effect whose letters spread apart as its alpha rises from 0.8 to 1 (by up to one
// character cell each), and stand as usual at 0.8 and below.
#pragma once

#include "game/TextEffect.h"

class TextEffectUnravel : public virtual TextEffect {
public:
    explicit TextEffectUnravel(uint32_t font) : TextEffect(font) {}
    void draw() override;
};
