#include "plugin/MainMenuScreen.h"

#include "gui/GuiButton.h"
#include "gui/HighLevelEvent.h"
#include "plugin/GameMasterEH.h"
#include "plugin/MainGuiMasterEH.h"
#include "plugin/MenuButton.h"

namespace Vortane::Tavek {

MainMenuScreen::MainMenuScreen(GuiBlocks* skin, MainGuiMasterEH* owner)
    : GuiScreen(owner->getGameMaster()->getGuiManager(), skin, nullptr, 0), owner_(owner) {
    exitButton_ = addMenuButton(this, skin, "Exit", Vector2(1.0f, 10.0f));
    gameSetupButton_ = addMenuButton(this, skin, "Game Setup", Vector2(8.5f, 10.0f));
}

void MainMenuScreen::onLeave() { owner_->goBack(); }

void MainMenuScreen::handleHighLevelEvent(HighLevelEvent& event) {
    GuiScreen::handleHighLevelEvent(event);
    if (!event.actionPerformed) return;
    if (event.source == exitButton_) owner_->goBack();
    else if (event.source == gameSetupButton_) owner_->showGameSetup();
}

}  // namespace Vortane::Tavek
