#include "game/TextEffectFade.h"

#include "platform/vuzirovari/vuzirovari.h"

void TextEffectFade::applyColour() { iPrintColorSet(colour_[0], colour_[1], colour_[2], alpha_); }
