#include "plugin/GameSetupScreen.h"

#include "gui/GuiButton.h"
#include "gui/HighLevelEvent.h"
#include "plugin/GameMasterEH.h"
#include "plugin/MainGuiMasterEH.h"
#include "plugin/MenuButton.h"

namespace Vortane::Tavek {

GameSetupScreen::GameSetupScreen(GuiBlocks* skin, MainGuiMasterEH* owner)
    : GuiScreen(owner->getGameMaster()->getGuiManager(), skin, nullptr, 0), owner_(owner) {
    backButton_ = addMenuButton(this, skin, "Back", Vector2(1.0f, 10.0f));
    editorButton_ = addMenuButton(this, skin, "Editor", Vector2(8.5f, 10.0f));
}

void GameSetupScreen::onLeave() { owner_->goBack(); }

void GameSetupScreen::handleHighLevelEvent(HighLevelEvent& event) {
    GuiScreen::handleHighLevelEvent(event);
    if (!event.actionPerformed) return;
    if (event.source == backButton_) owner_->goBack();
    else if (event.source == editorButton_) owner_->showCompetitorCreation();
}

}  // namespace Vortane::Tavek
