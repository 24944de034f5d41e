// The championship mode's own requests, beside what every running mode handles. The
// operations keep their slot order, the reserved ones included.
#pragma once

#include "game/CurrentMasterEH.h"

class GuiManager;

namespace Tavek {

class ChampionshipMasterEH : public virtual CurrentMasterEH {
public:
    // The game's GUI manager.
    virtual GuiManager* getGuiManager() = 0;
    // Back to the menus.
    virtual void leave() = 0;
    virtual void reservedChampionship2() = 0;
    virtual void reservedChampionship3() = 0;
    virtual void reservedChampionship4() = 0;
    virtual void reservedChampionship5(int) = 0;
    virtual void reservedChampionship6() = 0;
    virtual void reservedChampionship7() = 0;
    virtual void reservedChampionship8() = 0;
    virtual void reservedChampionship9() = 0;
    virtual void reservedChampionship10(int) = 0;
    virtual void reservedChampionship11() = 0;
    virtual void reservedChampionship12() = 0;
    virtual void reservedChampionship13() = 0;
    virtual void reservedChampionship14(int, int, int) = 0;
    virtual void reservedChampionship15() = 0;
};

}  // namespace Tavek
