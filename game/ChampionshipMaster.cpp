#include "game/ChampionshipMaster.h"

#include "app/GameMasterEH.h"
#include "game/DaviScreen.h"
#include "game/MainGuiMasterEH.h"
#include "gui/GuiManager.h"

namespace Tavek {

GuiManager* ChampionshipMaster::getGuiManager() {
    return parent && parent->getGameMaster() ? parent->getGameMaster()->getGuiManager() : nullptr;
}

void ChampionshipMaster::leave() {
    if (parent) parent->leaveModeAlt();
}

void ChampionshipMaster::begin() {
    if (!parent) return;
    DaviScreen* advertisement = parent->getDaviScreen();
    if (advertisement) advertisement->setDelay(0.0f);
    if (GuiManager* manager = getGuiManager()) manager->setScreen(advertisement);
}

}  // namespace Tavek
