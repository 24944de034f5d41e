#include "app/StandInScreen.h"

#include "app/GameMasterEH.h"
#include "gui/GuiButton.h"
#include "resources/StartupTables.h"

namespace Tavek {

StandInScreen::StandInScreen(GameMasterEH* gameMaster, GuiManager* manager, GuiBlocks* skin)
    : GuiScreen(manager, skin, menuScreenSprites.data(), static_cast<int>(menuScreenSprites.size())),
      gameMaster(gameMaster) {
    // The pictures at rest, as the menus show them.
    setPartSize(0, Vector2(32.0f, 24.0f));
    setPartSize(1, Vector2(16.0f, 24.0f));
    setPartSize(2, Vector2(10.5f, 7.0f));
    setPartOffset(2, Vector2(17.0f, 6.0f));
    hideBackground();

    const std::string pictures[2] = {"Tavek_res\\gui\\mainMenu\\main-dot-exit-1.x",
                                     "Tavek_res\\gui\\mainMenu\\main-dot-exit-2.x"};
    exitButton = new GuiButton(skin, -1, nullptr, nullptr, pictures, 2);
    addChild(exitButton);
    exitButton->setSquare(true);
    exitButton->setLocation(Vector2(19.0f, -8.5f));
    exitButton->setSize(Vector2(7.0f, 1.5f));
    exitButton->setText("Exit Game");
    exitButton->setTextAlignment(3);
    exitButton->setTextOffset(Vector2(2.0f, 0.0f));
    exitButton->hideBackground();

    exhibitionButton = new GuiButton(skin, -1, nullptr, nullptr, pictures, 2);
    addChild(exhibitionButton);
    exhibitionButton->setSquare(true);
    exhibitionButton->setLocation(Vector2(19.0f, -6.5f));
    exhibitionButton->setSize(Vector2(7.0f, 1.5f));
    exhibitionButton->setText("Exhibition");
    exhibitionButton->setTextAlignment(3);
    exhibitionButton->setTextOffset(Vector2(2.0f, 0.0f));
    exhibitionButton->hideBackground();
    setTransition(&slide);
}

StandInScreen::~StandInScreen() { setTransition(nullptr); }

void StandInScreen::activate() {
    GuiComponent::activate();
    opening = true;
    closing = false;
    slide.startIn();
}

void StandInScreen::deactivate() {
    closing = true;
    opening = false;
    slide.startOut();
}

void StandInScreen::tick() {
    GuiScreen::tick();
    if (slide.isRunning()) return;
    if (opening) {
        opening = false;
        GuiScreen::activate();
    } else if (closing) {
        closing = false;
        GuiScreen::deactivate();
    }
}

void StandInScreen::onLeave() {
    if (gameMaster) gameMaster->requestQuit();
}

void StandInScreen::handleHighLevelEvent(HighLevelEvent& event) {
    GuiPanel::handleHighLevelEvent(event);
    if (event.actionPerformed && event.source == exitButton) onLeave();
    if (event.actionPerformed && event.source == exhibitionButton && onExhibition) onExhibition();
}

}  // namespace Tavek
