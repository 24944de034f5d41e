// One engine sprite with a base state and a list of timed effects (blink, scale, fade, shake)
// that decorate a copy of that state each frame; the match banners are made of these. It owns
// its sprite, made and given back through the resource archive, and the effects it lists.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "game/Effect.h"
#include "game/SpriteState.h"

namespace Tavek {

class MainGuiMasterEH;

class SpriteFX {
public:
    // path: the sprite's .x file; owner: the menu master, whose game master's camera owns the
    // sprite (none without one). Made hidden, with no effects.
    SpriteFX(const std::string& path, MainGuiMasterEH* owner);
    virtual ~SpriteFX();
    SpriteFX(const SpriteFX&) = delete;
    SpriteFX& operator=(const SpriteFX&) = delete;

    // Once a frame: the effects act on a copy of the base state, and the copy is drawn.
    virtual void render();
    virtual void hide();
    virtual void show();
    virtual bool isVisible() const { return base_.visible; }
    // These only store; the engine hears of them at the next render.
    virtual void setPosition(const Vector2& position) { base_.position = position; }
    virtual void setScale(const Vector2& scale) { base_.scale = scale; }
    virtual void setRotation(float rotation) { base_.rotation = rotation; }
    virtual void setAlpha(float alpha) { base_.alpha = alpha; }
    virtual void setCentred(bool centred) { base_.centred = centred; }
    // Appends the effect, which then reports to this sprite.
    virtual void addEffect(std::unique_ptr<Effect> effect);
    virtual void clearEffects();
    // Runs the listed effects on a frame state in list order; finished ones are deleted.
    virtual void update(SpriteState& frame);

    uint32_t getSprite() const { return sprite_; }

private:
    uint32_t sprite_;
    SpriteState base_;
    std::vector<std::unique_ptr<Effect>> effects_;
};

}  // namespace Tavek
