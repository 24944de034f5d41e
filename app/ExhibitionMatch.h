// Stands in the game mode's place until the menus and the quick match exist: prepares and
// starts an exhibition match between the quick match's two roster fighters, both on the
// computer, in the National arena, and hears the battle's result. It holds no rule of its
// own: it calls the battle manager's operations in the order the quick match will. It has no
// match screen, so the battle draws no HUD.
#pragma once

#include <functional>
#include <memory>

#include "game/CurrentMasterEH.h"

class BattleManager;

namespace Tavek {

class EnemyFighterState;

class ExhibitionMatch : public CurrentMasterEH {
public:
    ExhibitionMatch();
    ~ExhibitionMatch() override;
    ExhibitionMatch(const ExhibitionMatch&) = delete;
    ExhibitionMatch& operator=(const ExhibitionMatch&) = delete;

    void setBattleManager(BattleManager* manager) { battleManager = manager; }
    // Called when a match is over or left with Esc; without one the next match starts 5 s
    // after a result.
    void setOnFinished(std::function<void()> callback) { onFinished = std::move(callback); }

    // Prepares the arena and both fighters and starts the match.
    void begin();
    // The wait before the next match, and Esc during a match.
    void tick();
    bool isRunning() const { return running; }
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
    void onDaviScreenDone() override {}
    MatchScreenEH* getMatchScreenEH() override { return nullptr; }

private:
    void finish();

    BattleManager* battleManager = nullptr;  // not owned
    std::unique_ptr<EnemyFighterState> recordA;
    std::unique_ptr<EnemyFighterState> recordB;
    std::function<void()> onFinished;
    bool running = false;
    bool finishPending = false;
    float nextMatchIn = -1.0f;  // seconds until the next match; negative: none waiting
    int matchesOver = 0;
};

}  // namespace Tavek
