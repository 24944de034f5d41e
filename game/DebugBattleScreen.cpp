#include "game/DebugBattleScreen.h"

#include "app/GameMasterEH.h"
#include "game/MainGuiMasterEH.h"

namespace {

GuiManager* guiManagerOf(Tavek::MainGuiMasterEH* master) {
    Tavek::GameMasterEH* game = master ? master->getGameMaster() : nullptr;
    return game ? game->getGuiManager() : nullptr;
}

}  // namespace

DebugBattleScreen::DebugBattleScreen(Tavek::MainGuiMasterEH* master, GuiBlocks* skin)
    : GuiScreen(guiManagerOf(master), skin, nullptr, 0), master_(master) {
    hideBackground();
}
