#include "game/DaviScreen.h"

#include "app/GameMasterEH.h"
#include "game/MainGuiMasterEH.h"
#include "gui/GuiPanel.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "resources/StartupTables.h"

namespace Tavek {

namespace {
constexpr int Prompt = 1;  // the overlay's "press Esc" picture
}  // namespace

DaviScreen::DaviScreen(MainGuiMasterEH* master, GuiBlocks* skin)
    : ShinyScreen(master->getGameMaster()->getGuiManager(), skin), master(master) {
    setPartOneVisible(false);
    setPartTwoVisible(false);
    overlay = new GuiPanel(skin, -1, daviScreenSprites.data(), static_cast<int>(daviScreenSprites.size()), false);
    addChild(overlay);
    overlay->hideBackground();
    doLayout();
    delay = 0.0f;
}

void DaviScreen::doLayout() {
    overlay->setSize(Vector2(32.0f, 24.0f));
    overlay->setLocation(Vector2(0.0f, 0.0f));
    overlay->setPartSize(0, Vector2(32.0f, 24.0f));
    overlay->setPartOffset(0, Vector2(0.0f, 0.0f));
    overlay->setPartSize(Prompt, Vector2(8.224f, 0.4488f));
    overlay->setPartOffset(Prompt, Vector2(19.25f, -10.7988f));
    overlay->setPartVisible(Prompt, false);
}

void DaviScreen::activate() {
    ShinyScreen::activate();
    blinkTime = 0.0f;
    overlay->setPartVisible(Prompt, false);
}

void DaviScreen::onLeave() {
    if (delay > 0.0f || !master) return;
    if (CurrentMasterEH* current = master->getCurrentMaster()) current->onDaviScreenDone();
}

void DaviScreen::tick() {
    ShinyScreen::tick();
    const float t = iFrq(0);
    delay -= t;
    if (delay > 0.0f) return;
    overlay->setPartVisible(Prompt, true);
    blinkTime += t;
    float alpha = 0.0f;
    if (blinkTime <= 1.0f) {
        alpha = blinkTime;
    } else if (blinkTime < 2.0f) {
        alpha = 2.0f - blinkTime;
    } else {
        blinkTime = 0.0f;
    }
    overlay->setPartColour(Prompt, 1.0f, 1.0f, 1.0f, alpha);
}

}  // namespace Tavek
