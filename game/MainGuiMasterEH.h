// The menu master as screens and mode masters reach it: navigation between the menu screens,
// the cursor, the shared GUI objects and the running mode. The operations keep their slot
// order, the reserved ones included. A pointer to it never owns the master.
#pragma once

#include "game/CurrentMasterEH.h"

class GuiArtist;
class GuiBlocks;
class GuiBorderFactory;
class GuiFont;
class GuiTextBlockTicker;
class LoadingScreen;

namespace Tavek {

class DaviScreen;
class GameMasterEH;
class MatchScreen;

class MainGuiMasterEH : public virtual CurrentMasterEH {
public:
    virtual GameMasterEH* getGameMaster() = 0;
    // Back one screen in the history; with only one left, the advertisement screen.
    virtual void goBack() = 0;
    virtual void useMenuCursor() = 0;
    virtual void useMatchCursor() = 0;
    virtual void showMainMenu() = 0;
    virtual void startQuickMatch() = 0;
    // The menu master is current again and the history's top is shown.
    virtual void leaveMode() = 0;
    virtual void reservedMenu7() = 0;
    virtual void reservedMenu8() = 0;
    virtual void startChampionship() = 0;
    virtual void showGameSetup() = 0;
    virtual void saveOptions() = 0;
    virtual void reservedMenu12() = 0;
    virtual void leaveModeAlt() = 0;
    virtual void reservedMenu14() = 0;
    virtual void reservedMenu15() = 0;
    virtual MatchScreen* getMatchScreen() = 0;
    virtual LoadingScreen* getLoadingScreen() = 0;
    virtual DaviScreen* getDaviScreen() = 0;
    virtual void reservedMenu19() = 0;
    virtual GuiBlocks* getGuiBlocks() = 0;
    virtual GuiArtist* getGuiArtist() = 0;
    virtual GuiBorderFactory* getBorderFactory() = 0;
    virtual GuiFont* getFont() = 0;
    virtual GuiTextBlockTicker* getTicker() = 0;
    // The running mode; the menu master itself while no mode runs.
    virtual CurrentMasterEH* getCurrentMaster() = 0;
};

}  // namespace Tavek
