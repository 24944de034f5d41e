// What the running game mode must handle, and its road to the match HUD. Every master
// implements it; the fight and the screens reach the running mode only through it. The
// operations keep their slot order, the reserved ones included, and every master implements
// the reserved ones as empty bodies. A pointer to it never owns the master.
#pragma once

namespace Tavek {

class MatchScreenEH;

class CurrentMasterEH {
public:
    virtual ~CurrentMasterEH() = default;

    // The match screen became active: the quick-match master starts the battle here.
    virtual void onMatchScreenShown() = 0;
    // A match was decided: 0 blue (A) won, 1 red (B) won, 2 no winner. A forfeit reports the
    // forfeiting side as the loser (2 when both or neither side is a player).
    virtual void onMatchOver(int result) = 0;
    virtual void onMatchClosed(int result) = 0;
    // The battle has paused at the player's request.
    virtual void pauseMatch() = 0;
    // A pause request while paused, or the pause dialog's "Resume".
    virtual void resumeMatch() = 0;
    virtual void forfeitMatch() = 0;
    virtual void onBack() = 0;
    virtual void reserved8() = 0;
    virtual void reserved9(int) = 0;
    virtual void reserved10(int) = 0;
    virtual void reserved11(int) = 0;
    virtual void reserved12(int) = 0;
    virtual void reserved13() = 0;
    virtual void reserved14() = 0;
    virtual void reserved15() = 0;
    virtual void reserved16() = 0;
    virtual void reserved17(int) = 0;
    virtual void reserved18(int) = 0;
    virtual void reserved19() = 0;
    virtual void reserved20(int) = 0;
    virtual void reserved21() = 0;
    virtual void reserved22() = 0;
    virtual void reserved23() = 0;
    virtual void reserved24() = 0;
    virtual void reserved25() = 0;
    virtual void reserved26() = 0;
    virtual void reserved27() = 0;
    virtual void reserved28() = 0;
    // The advertisement screen was left with Esc after its delay.
    virtual void onDaviScreenDone() = 0;
    // The match HUD, or null when this master has none: callers skip their screen calls then.
    virtual MatchScreenEH* getMatchScreenEH() = 0;
};

}  // namespace Tavek
