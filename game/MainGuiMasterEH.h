// The menu master as screens and mode masters see it: navigation between the menu screens, the
// shared GUI objects and the running mode. Every screen and both mode masters hold the menu
// master through this interface and never own it. The operations keep their slot order, the
// reserved ones included.
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
    // Back one screen in the menu history; with one screen left, the advertisement screen.
    virtual void goBack() = 0;
    virtual void useMenuCursor() = 0;
    virtual void useMatchCursor() = 0;
    // The menu music and the main menu, pushed once on the history.
    virtual void showMainMenu() = 0;
    virtual void startQuickMatch() = 0;
    // The menu master current again and the history's top shown.
    virtual void leaveMode() = 0;
    virtual void reservedMenu7() = 0;
    virtual void reservedMenu8() = 0;
    virtual void startChampionship() = 0;
    // The options screen filled from the profile, pushed once on the history.
    virtual void showGameSetup() = 0;
    // The options screen's values into the profile, and the profile written.
    virtual void saveOptions() = 0;
    virtual void reservedMenu12() = 0;
    virtual void leaveModeAlt() = 0;
    virtual void reservedMenu14() = 0;
    virtual void reservedMenu15() = 0;
    // Null while the game has no match screen.
    virtual MatchScreen* getMatchScreen() = 0;
    virtual LoadingScreen* getLoadingScreen() = 0;
    virtual DaviScreen* getDaviScreen() = 0;
    virtual void reservedMenu19() = 0;
    virtual GuiBlocks* getGuiBlocks() = 0;
    virtual GuiArtist* getGuiArtist() = 0;
    virtual GuiBorderFactory* getBorderFactory() = 0;
    virtual GuiFont* getFont() = 0;
    virtual GuiTextBlockTicker* getTicker() = 0;
    // The running mode: the menu master itself when none runs.
    virtual CurrentMasterEH* getCurrentMaster() = 0;
};

}  // namespace Tavek
