// Stands in the quick match's place until it exists: "Quick Match" loads an exhibition match
// between the quick match's two roster fighters, both on the computer, in the National arena,
// behind the loading screen, and plays it with the player's options. When the match is over,
// or on Esc during it, it hands the game back to the menu master and shows the advertisement
// screen, whose Esc brings the main menu back. It has no match screen, so the battle draws no
// HUD. The battle manager and the menu master are borrowed.
#pragma once

#include <memory>

#include "game/CurrentMasterEH.h"

class BattleManager;

namespace Tavek {

class EnemyFighterState;
class MainGuiMasterEH;

class ExhibitionMatch : public CurrentMasterEH {
public:
    ExhibitionMatch(BattleManager* battleManager, MainGuiMasterEH* parent);
    ~ExhibitionMatch() override;
    ExhibitionMatch(const ExhibitionMatch&) = delete;
    ExhibitionMatch& operator=(const ExhibitionMatch&) = delete;

    // The loading screen at once; the load follows once the screen before it has closed.
    void begin();
    // The load, Esc during the match and the hand-back, outside the battle's own frame.
    void tick();
    bool isRunning() const { return running; }
    bool isLoadPending() const { return loadPending; }
    int getMatchesOver() const { return matchesOver; }

    // The quick match's roster record 0 or 1.
    static void fillRosterRecord(int entry, EnemyFighterState& record);

    void onMatchScreenShown() override {}
    void onMatchOver(int result) override;
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
    // Esc on the advertisement screen after the match: the main menu again.
    void onDaviScreenDone() override;
    MatchScreenEH* getMatchScreenEH() override { return nullptr; }

private:
    void load();
    void handBack(int result);

    BattleManager* battleManager;  // borrowed
    MainGuiMasterEH* parent;       // borrowed
    std::unique_ptr<EnemyFighterState> recordA;
    std::unique_ptr<EnemyFighterState> recordB;
    bool loadPending = false;
    bool running = false;
    bool handBackPending = false;
    int pendingResult = 0;
    int matchesOver = 0;
};

}  // namespace Tavek
