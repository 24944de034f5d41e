// The quick match: the roster of two fighters and the setup screen, the load of the chosen
// arena and fighters behind the loading bar, the battle's start when the match screen shows,
// the pause dialog's Resume and Forfeit, and the advertisement screen after the result. The
// menu master makes it once and keeps it for the whole run; it owns the roster (records and
// their document) and the setup screen, and reaches everything else through the menu master.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "game/SingleMatchMasterEH.h"

class PersistentObject;

namespace Tavek {

class MainGuiMasterEH;
class SingleMatchSetupScreen;

class SingleMatchMaster : public virtual SingleMatchMasterEH, public virtual CurrentMasterEH {
public:
    // Reports the loading bar's next step when made (the menu master builds it behind the bar).
    explicit SingleMatchMaster(MainGuiMasterEH* parent);
    ~SingleMatchMaster() override;
    SingleMatchMaster(const SingleMatchMaster&) = delete;
    SingleMatchMaster& operator=(const SingleMatchMaster&) = delete;

    // The quick match's roster record 0 or 1 (the battle's test bench fills its records here).
    static void fillRosterRecord(int entry, EnemyFighterState& record);

    GuiManager* getGuiManager() override;
    std::vector<EnemyFighterState*>* getRoster() override { return &roster; }
    void begin() override;
    void leave() override;
    void restart() override { begin(); }
    // Blocks the frame loop: the loading screen's wait of 31 frames, then the arena and the
    // fighters that must be rebuilt, then the match screen.
    void startMatch() override;
    void quit() override { leave(); }

    // Starts the battle with the setup screen's choices and the profile's options.
    void onMatchScreenShown() override;
    // Cursor and menu music back, one log line, then the advertisement screen for 5 seconds.
    void onMatchOver(int result) override;
    void onMatchClosed(int) override {}
    void pauseMatch() override;
    void resumeMatch() override;
    // The forfeiting side loses: 1 with a human on side A only, 0 with one on side B only,
    // 2 (no winner) otherwise.
    void forfeitMatch() override;
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
    // The setup screen again, with the choices as they were.
    void onDaviScreenDone() override;
    // The menu master's match screen.
    MatchScreenEH* getMatchScreenEH() override;

    SingleMatchSetupScreen* getSetupScreen() const { return setupScreen.get(); }

private:
    void finishMatch(int result, const std::string& reason);

    MainGuiMasterEH* parent;  // the menu master, which outlives this master
    std::unique_ptr<PersistentObject> rosterRoot;
    std::vector<EnemyFighterState*> roster;  // owned, children of rosterRoot
    int previousArena = 0;
    std::unique_ptr<SingleMatchSetupScreen> setupScreen;
};

}  // namespace Tavek
