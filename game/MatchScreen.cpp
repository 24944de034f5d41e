#include "game/MatchScreen.h"

#include "app/GameMasterEH.h"
#include "fight/BattleManager.h"
#include "game/MainGuiMasterEH.h"
#include "game/PauseDLG.h"
#include "game/SpriteFX.h"
#include "gui/GuiArtist.h"
#include "gui/GuiBlocks.h"
#include "gui/GuiFillBar.h"
#include "gui/GuiManager.h"
#include "resources/StartupTables.h"

namespace Tavek {

namespace {

// The layout in screen units (the screen is 32 x 24, its parts placed from its left edge).
constexpr int OverlayPart = 0;
constexpr float PenaltyRowY = 8.3f;
const Vector2 PenaltyMarkSize(0.8f, 0.8f);

struct Plate {
    int part;
    Vector2 size, offset;
};
const Plate Plates[] = {
    {17, Vector2(16.0f, 4.0f), Vector2(0.0f, 9.5f)},   // blue, behind the left bars
    {18, Vector2(16.0f, 4.0f), Vector2(16.0f, 9.5f)},  // red, behind the right bars
    {19, Vector2(4.0f, 4.0f), Vector2(14.0f, 9.5f)},   // round and clock
};

struct BarPlace {
    const char* caption;
    bool red;  // on the right, red, its fill anchored at its end
    Vector2 location;
};
// Health 1, health 2, balance 1, balance 2.
const BarPlace BarPlaces[] = {
    {"Health", false, Vector2(0.35f, 10.0f)},
    {"Health", true, Vector2(23.4f, 10.0f)},
    {"Balance", false, Vector2(0.35f, 9.15f)},
    {"Balance", true, Vector2(23.4f, 9.15f)},
};
const Vector2 BarSize(8.25f, 0.75f);

const std::string RedFill = "Tavek_res\\gui\\general\\red.x";

GuiManager* guiManagerOf(MainGuiMasterEH* owner) {
    GameMasterEH* game = owner ? owner->getGameMaster() : nullptr;
    return game ? game->getGuiManager() : nullptr;
}

// The x offset of a penalty place: four places on each side, half and full marks sharing them.
float penaltyPlaceX(int part) {
    if (part <= 4) return static_cast<float>(part) + 1.5f;
    if (part <= 8) return static_cast<float>(part) - 2.5f;
    if (part <= 12) return static_cast<float>(part) + 16.5f;
    return static_cast<float>(part) + 12.5f;
}

}  // namespace

MatchScreen::MatchScreen(MainGuiMasterEH* owner, GuiBlocks* skin)
    : GuiScreen(guiManagerOf(owner), skin, nullptr, 0), owner_(owner) {
    barValues_.fill(3.0f);

    pauseDialog_ = std::make_unique<PauseDLG>(owner_, skin);
    pauseDialog_->deactivate();

    hudPanel_ = new GuiPanel(skin, -1, matchScreenSprites.data(), static_cast<int>(matchScreenSprites.size()), false);
    addChild(hudPanel_);
    hudPanel_->hideBackground();
    // The HUD takes no pointer, so neither the panel nor the screen has a size: a component's
    // pick area is a transparent sprite of its size, and a full-screen one costs the drawing as
    // much as the rest of the HUD together. Every part has its own size.
    hudPanel_->setSize(Vector2(0.0f, 0.0f));
    hudPanel_->setLocation(Vector2(0.0f, 0.0f));
    hudPanel_->setPartSize(OverlayPart, Vector2(32.0f, 24.0f));
    hudPanel_->setPartColour(OverlayPart, 0.0f, 0.0f, 0.0f, 0.5f);
    hudPanel_->setPartPriority(OverlayPart, 1);

    if (skin && skin->artist) {
        redArtist_ = std::make_unique<GuiArtist>(skin->artist->getPrimitiveFactory());
        redArtist_->secondFillPath = RedFill;
        redSkin_ = std::make_unique<GuiBlocks>(nullptr, nullptr, nullptr, nullptr, nullptr);
        redSkin_->assign(*skin);
        redSkin_->artist = redArtist_.get();
    }
    for (size_t i = 0; i < bars_.size(); ++i) {
        const BarPlace& place = BarPlaces[i];
        auto* bar = new GuiFillBar(place.red && redSkin_ ? redSkin_.get() : skin, nullptr, 0, nullptr);
        addChild(bar);
        bar->setText(place.caption);
        if (place.red) bar->setTextAlignment(2);
        bars_[i] = bar;
    }

    for (const Plate& plate : Plates) {
        hudPanel_->setPartSize(plate.part, plate.size);
        hudPanel_->setPartOffset(plate.part, plate.offset);
    }
    for (size_t i = 0; i < bars_.size(); ++i) {
        bars_[i]->setLocation(BarPlaces[i].location);
        bars_[i]->setSize(BarSize);
    }
    for (int part = 1; part <= 16; ++part) {
        hudPanel_->setPartOffset(part, Vector2(penaltyPlaceX(part), PenaltyRowY));
        hudPanel_->setPartSize(part, PenaltyMarkSize);
        hudPanel_->setPartVisible(part, false);
    }
    hideBackground();
    setSize(Vector2(0.0f, 0.0f));
    makeBanners();
    layoutBars();
}

MatchScreen::~MatchScreen() {
    banners_.clear();
    pauseDialog_.reset();
    // The bars hold the red skin: they go before it does.
    while (!getChildren().empty()) {
        GuiComponent* child = getChildren().back();
        removeChild(child);
        delete child;
    }
}

void MatchScreen::setFighter1Name(const std::string& name) {
    fighter1Name_ = name;
    layoutBars();
}

void MatchScreen::setFighter2Name(const std::string& name) {
    fighter2Name_ = name;
    layoutBars();
}

void MatchScreen::setFighter1Score(int netScore) {
    score1_ = netScore;
    layoutBars();
}

void MatchScreen::setFighter2Score(int netScore) {
    score2_ = netScore;
    layoutBars();
}

void MatchScreen::setTextLine(int index, const std::string& text) {
    if (index >= 0 && index < static_cast<int>(textLines_.size())) textLines_[index] = text;
}

void MatchScreen::setFighter1MarkerPosition(const Vector2& position) {
    if (marker1_) marker1_->setPosition(position);
}

void MatchScreen::setFighter2MarkerPosition(const Vector2& position) {
    if (marker2_) marker2_->setPosition(position);
}

bool MatchScreen::isFighter1MarkerShown() { return marker1_ && marker1_->isVisible(); }

bool MatchScreen::isFighter2MarkerShown() { return marker2_ && marker2_->isVisible(); }

void MatchScreen::showPauseDialog() {
    if (GuiManager* manager = guiManagerOf(owner_)) manager->setDialog(pauseDialog_.get());
}

void MatchScreen::hidePauseDialog() {
    if (GuiManager* manager = guiManagerOf(owner_)) manager->setDialog(nullptr);
}

bool MatchScreen::pauseDialogShown() const {
    GuiManager* manager = guiManagerOf(owner_);
    // Also while it closes.
    return manager && pauseDialog_ &&
           (manager->getDialog() == pauseDialog_.get() || manager->getPreviousDialog() == pauseDialog_.get());
}

void MatchScreen::setOverlayLevel(float alpha) {
    if (!hudPanel_) return;
    hudPanel_->setPartColour(OverlayPart, 0.0f, 0.0f, 0.0f, alpha);
    // Clear, it is not drawn at all.
    hudPanel_->setPartVisible(OverlayPart, alpha > 0.0f);
}

bool MatchScreen::takePauseRequest() {
    const bool requested = pauseRequested_;
    pauseRequested_ = false;
    return requested;
}

bool MatchScreen::toggleDebugInfo() {
    distanceShown_ = !distanceShown_;
    return distanceShown_;
}

void MatchScreen::refresh() {
    GuiScreen::refresh();
    layoutBars();
}

void MatchScreen::activate() {
    GuiScreen::activate();
    CurrentMasterEH* current = owner_ ? owner_->getCurrentMaster() : nullptr;
    if (current) current->onMatchScreenShown();
}

void MatchScreen::deactivate() {
    GuiScreen::deactivate();
    // A banner taken down mid-effect would otherwise go on blinking or fading in the next match.
    for (const auto& fx : banners_) {
        fx->hide();
        fx->clearEffects();
    }
    GameMasterEH* game = owner_ ? owner_->getGameMaster() : nullptr;
    BattleManager* battle = game ? game->getBattleManager() : nullptr;
    if (battle) battle->stop();
}

void MatchScreen::setBarValue(int index, float value) {
    barValues_[index] = value;
    layoutBars();
}

}  // namespace Tavek
