// What the plug-in's screens may ask of the menu master: the screen history.
#pragma once

namespace Vortane::Tavek {

class GameMasterEH;

class MainGuiMasterEH {
public:
    virtual ~MainGuiMasterEH() = default;
    virtual GameMasterEH* getGameMaster() = 0;
    // Each show appends its screen to the history and shows it, unless it is already shown.
    virtual void showMainMenu() = 0;
    // One step back; from the main menu alone, the game master's quit.
    virtual void goBack() = 0;
    virtual void showGameSetup() = 0;
    virtual void showCompetitorCreation() = 0;
};

}  // namespace Vortane::Tavek
