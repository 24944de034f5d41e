#include "game/SpriteFX.h"

#include "app/GameMasterEH.h"
#include "game/MainGuiMasterEH.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "resources/FileArchive.h"

namespace Tavek {

namespace {

int cameraOf(MainGuiMasterEH* owner) {
    GameMasterEH* game = owner ? owner->getGameMaster() : nullptr;
    return game ? static_cast<int>(game->getCamera()) : 0;
}

}  // namespace

SpriteFX::SpriteFX(const std::string& path, MainGuiMasterEH* owner)
    : sprite_(FileArchive::instance().createSprite(path, cameraOf(owner), false)) {
    iSpriteHide(sprite_);
}

SpriteFX::~SpriteFX() {
    FileArchive::instance().destroySprite(sprite_);
}

void SpriteFX::render() {
    SpriteState frame = base_;
    update(frame);
    if (!frame.visible) {
        iSpriteHide(sprite_);
        return;
    }
    if (frame.centred) frame.position.x -= frame.scale.x * 0.5f;
    iSpriteShow(sprite_);
    iSpriteSet(sprite_, &frame.position, frame.rotation, &frame.scale);
    iSpriteColorSet(sprite_, 1.0f, 1.0f, 1.0f, frame.alpha);
}

void SpriteFX::hide() {
    base_.visible = false;
    iSpriteHide(sprite_);
}

void SpriteFX::show() {
    base_.visible = true;
    iSpriteShow(sprite_);
}

void SpriteFX::addEffect(std::unique_ptr<Effect> effect) {
    if (!effect) return;
    effects_.push_back(std::move(effect));
    effects_.back()->setListener(this);
}

void SpriteFX::clearEffects() { effects_.clear(); }

void SpriteFX::update(SpriteState& frame) {
    const float dt = iFrq(0);
    for (size_t i = 0; i < effects_.size();) {
        Effect& effect = *effects_[i];
        effect.delay -= dt;
        if (effect.delay > 0.0f || !effect.apply(frame)) {
            ++i;
            continue;
        }
        effects_.erase(effects_.begin() + static_cast<std::ptrdiff_t>(i));
    }
}

}  // namespace Tavek
