// The mode behind the main menu's "Championship" and "Practice": it shows the advertisement
// screen at once and, when the player leaves it, hands the game back to the menu master. It
// runs no matches, so it has no match HUD. The menu master owns it and is borrowed here.
#pragma once

#include "game/ChampionshipMasterEH.h"

namespace Tavek {

class MainGuiMasterEH;

class ChampionshipMaster : public virtual ChampionshipMasterEH {
public:
    explicit ChampionshipMaster(MainGuiMasterEH* parent) : parent(parent) {}
    ChampionshipMaster(const ChampionshipMaster&) = delete;
    ChampionshipMaster& operator=(const ChampionshipMaster&) = delete;

    GuiManager* getGuiManager() override;
    void leave() override;
    void reservedChampionship2() override {}
    void reservedChampionship3() override {}
    void reservedChampionship4() override {}
    void reservedChampionship5(int) override {}
    void reservedChampionship6() override {}
    void reservedChampionship7() override {}
    void reservedChampionship8() override {}
    void reservedChampionship9() override {}
    void reservedChampionship10(int) override {}
    void reservedChampionship11() override {}
    void reservedChampionship12() override {}
    void reservedChampionship13() override {}
    void reservedChampionship14(int, int, int) override {}
    void reservedChampionship15() override {}

    // The advertisement screen with no delay; the menu master has made this mode current.
    virtual void begin();
    virtual void reservedOwn1() {}
    virtual void reservedOwn2() {}
    virtual void reservedOwn3() {}

    void onMatchScreenShown() override {}
    void onMatchOver(int) override {}
    void onMatchClosed(int) override {}
    void pauseMatch() override {}
    void resumeMatch() override {}
    void forfeitMatch() override {}
    void onBack() override {}
    void reserved8() override {}
    void reserved9(int) override {}
    void reserved10(int) override {}
    void reserved11(int) override {}
    void reserved12(int) override {}
    void reserved13() override {}
    void reserved14() override {}
    void reserved15() override {}
    void reserved16() override {}
    void reserved17(int) override {}
    void reserved18(int) override {}
    void reserved19() override {}
    void reserved20(int) override {}
    void reserved21() override {}
    void reserved22() override {}
    void reserved23() override {}
    void reserved24() override {}
    void reserved25() override {}
    void reserved26() override {}
    void reserved27() override {}
    void reserved28() override {}
    void onDaviScreenDone() override { leave(); }
    MatchScreenEH* getMatchScreenEH() override { return nullptr; }

private:
    MainGuiMasterEH* parent;
};

}  // namespace Tavek
