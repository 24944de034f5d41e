// The quick-match master as its setup screen sees it: the GUI manager, the roster, and the
// steps of the quick match (show the setup screen, leave the mode, start the fight). The
// operations keep their slot order. A pointer to it never owns the master.
#pragma once

#include <vector>

#include "game/CurrentMasterEH.h"

class GuiManager;

namespace Tavek {

class EnemyFighterState;

class SingleMatchMasterEH : public virtual CurrentMasterEH {
public:
    virtual GuiManager* getGuiManager() = 0;
    // The fighters a quick match offers, in the order the setup screen's selectors count them.
    virtual std::vector<EnemyFighterState*>* getRoster() = 0;
    // Shows the setup screen.
    virtual void begin() = 0;
    // Hands the game back to the menu master.
    virtual void leave() = 0;
    virtual void restart() = 0;
    // Loads the chosen arena and fighters behind the loading bar, then shows the match screen.
    virtual void startMatch() = 0;
    // The setup screen's Back and Esc.
    virtual void quit() = 0;
};

}  // namespace Tavek
