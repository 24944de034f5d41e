// The match rules: scoring and penalties, the clock, keeping fighters on the mat, stepping
// out, the end checks and the end-of-match sequences with their referee calls and banners.
#include "fight/BattleManager.h"

#include "fight/FighterInstance.h"
#include "game/CurrentMasterEH.h"
#include "game/MatchScreenEH.h"
#include "platform/vuzirovari/vuzirovari.h"

namespace {
// The decided states: the end sequences, the results, and the counts that always end a match.
bool isDecidedState(int state) { return state >= 15 && state <= 26; }

// After a depletion has been handled the value is lifted just above zero, so that it is handled
// once; a value the handler restored (the second wind) is kept.
void keepAboveZero(float& value) {
    if (value <= 0.0f) value = 0.001f;
}
}  // namespace

void BattleManager::playReferee(int index) { iSoundPlay(refereeSounds[static_cast<size_t>(index)], 0); }

void BattleManager::reportMatchOver(int result) {
    if (currentMaster) currentMaster->onMatchOver(result);
}

int BattleManager::netScore(const FighterInstance* fighter) const {
    return fighter->matchPoints - static_cast<int>(static_cast<float>(fighter->halfPenalties) * 0.5f) -
           fighter->fullPenalties;
}

void BattleManager::setBattleState(int state) {
    sequenceStep = 0;
    battle.setState(state);
}

bool BattleManager::addPoints(FighterInstance* fighter, int points) {
    if (!rules.Points) return false;
    fighter->lastPoints += points;
    fighter->matchPoints += points;
    return anyWonOnPoints();
}

bool BattleManager::halfPenalty(FighterInstance* fighter) {
    if (!rules.Penalties) return false;
    fighter->registerAction(17, battle.round);
    fighter->recordActionStep(false, false, false, 0, 1);
    fighter->halfPenalties += 1;
    const bool decided = anyWonOnPoints() || anyLostOnPenalties();
    setBattleState(isA(fighter) ? 3 : 4);
    return decided;
}

bool BattleManager::fullPenalty(FighterInstance* fighter) {
    if (!rules.Penalties) return false;
    fighter->registerAction(17, battle.round);
    fighter->recordActionStep(false, false, false, 0, 2);
    fighter->fullPenalties += 1;
    if (anyWonOnPoints() || anyLostOnPenalties()) return true;
    setBattleState(isA(fighter) ? 5 : 6);
    return false;
}

bool BattleManager::wonOnPoints(FighterInstance* fighter) {
    const int own = netScore(fighter);
    const int other = netScore(opponentOf(fighter));
    return (rules.PointsForWin != 0 && own >= rules.PointsForWin) ||
           (rules.PointsGapForWin != 0 && own - other >= rules.PointsGapForWin);
}

bool BattleManager::lostOnPenalties(FighterInstance* fighter) {
    if (!rules.Penalties) return false;
    return fighter->matchPoints - netScore(fighter) >= rules.PenaltiesForDisqualification;
}

bool BattleManager::anyWonOnPoints() { return wonOnPoints(fighterA()) || wonOnPoints(fighterB()); }
bool BattleManager::anyLostOnPenalties() { return lostOnPenalties(fighterA()) || lostOnPenalties(fighterB()); }

void BattleManager::updateClock() {
    if (battle.battleState == 0 && battle.matchClock > 0.0f) battle.matchClock -= iFrq(0);
}

void BattleManager::clampToMat(FighterInstance* fighter, const float* bounds) {
    if (!bounds) return;
    const float margin = (battle.arenaIndex == 4 && !rules.Penalties) ? 1.5f : 0.75f;
    Vector3& p = fighter->location;
    if (p.x < bounds[0] + margin) p.x = bounds[0] + margin;
    if (p.x > bounds[1] - margin) p.x = bounds[1] - margin;
    if (p.z < bounds[2] + margin) p.z = bounds[2] + margin;
    if (p.z > bounds[3] - margin) p.z = bounds[3] - margin;
}

void BattleManager::checkOutOfBounds(FighterInstance* fighter) {
    // Once the match is decided nobody is sent back to the marks: that would reopen it.
    if (endReason != 0 || isDecidedState(battle.battleState)) return;
    const float h = battle.matHalfSize;
    Vector3& p = fighter->location;
    if (p.z > h) {
        p.z = h;
        pauseBy(fighter, false);
    }
    if (p.z < -h) {
        p.z = -h;
        pauseBy(fighter, false);
    }
    if (p.x > h) {
        p.x = h;
        pauseBy(fighter, false);
    }
    if (p.x < -h) {
        p.x = -h;
        pauseBy(fighter, false);
    }
}

void BattleManager::pauseBy(FighterInstance* fighter, bool) {
    playReferee(1);
    setBattleState(isA(fighter) ? 13 : 14);
    fighter->setMovementMode(4);
    battle.resetInput();
}

bool BattleManager::walkToMark(FighterInstance* fighter) {
    const Vector3& p = fighter->location;
    const Vector3& mark = fighter->startLocation;
    if (p.x != mark.x || p.y != mark.y || p.z != mark.z) {
        if (fighter->currentAction != 46) fighter->startAction(46);
        if (!fighter->getKeepHeld()) {
            fighter->setKeepHeld(true);
            fighter->startAction(0);
            fighter->resetPose();
            fighter->startAction(41, battle.round);
        }
        fighter->moveTowards(mark);
        fighter->turnTowards(mark, 1.0f);
        return false;
    }
    if (fighter->getKeepHeld()) {
        fighter->startAction(0);
        fighter->setKeepHeld(false);
    }
    return true;
}

void BattleManager::updateReturnToMarks() {
    const bool aHome = walkToMark(fighterA());
    const bool bHome = walkToMark(fighterB());
    if (aHome && bHome) {
        battle.fighterA.setMovementMode(0);
        battle.fighterB.setMovementMode(0);
        halfPenalty(battle.battleState == 13 ? fighterA() : fighterB());
    }
}

void BattleManager::checkMatchEnd() {
    if (battle.battleState != 0 || endReason != 0 || !currentMaster) return;
    FighterInstance* a = fighterA();
    FighterInstance* b = fighterB();
    if (battle.matchClock <= 0.0f && battle.matchClock > -100000.0f) {
        timeUp();
        endReason = 1;
    } else if (a->health() <= 0.0f) {
        onHealthDepleted(a);
        keepAboveZero(a->health());
    } else if (b->health() <= 0.0f) {
        onHealthDepleted(b);
        keepAboveZero(b->health());
    } else if (a->balance() <= 0.0f) {
        onBalanceDepleted(a);
        keepAboveZero(a->balance());
    } else if (b->balance() <= 0.0f) {
        onBalanceDepleted(b);
        keepAboveZero(b->balance());
    } else if (wonOnPoints(a)) {
        declarePointsWin(a);
        endReason = 4;
    } else if (wonOnPoints(b)) {
        declarePointsWin(b);
        endReason = 5;
    } else if (lostOnPenalties(a)) {
        declarePenaltyLoss(a);
        endReason = 2;
    } else if (lostOnPenalties(b)) {
        declarePenaltyLoss(b);
        endReason = 3;
    }
}

void BattleManager::declarePointsWin(FighterInstance* fighter) {
    setBattleState(isA(fighter) ? 19 : 20);
    battle.resetInput();
}

void BattleManager::declarePenaltyLoss(FighterInstance* fighter) {
    setBattleState(isA(fighter) ? 17 : 18);
    battle.resetInput();
}

void BattleManager::timeUp() {
    setBattleState(21);
    battle.resetInput();
}

void BattleManager::updateBattleState() {
    const int state = battle.battleState;
    if (state == 0) {
        battle.setFightActive(true);
        return;
    }
    if (state == 2) return;
    battle.setFightActive(false);
    switch (state) {
    case 1: runIntroSequence(); break;
    case 3: case 4: updateHalfPenalty(); break;
    case 5: case 6: updateFullPenalty(); break;
    case 7: case 8: updateKnockDown(); break;
    case 9: case 10: updateStandUp(); break;
    case 11: case 12: updateCount(); break;
    case 13: case 14: updateReturnToMarks(); break;
    case 15: case 16: updateRefereeCount(); break;
    case 17: case 18: updatePenaltyLoss(); break;
    case 19: case 20: updateEndSequence(); break;
    case 21: updateTimeUpDecision(); break;
    case 22: case 23: playResultSounds(); break;
    case 26: updateDraw(); break;
    default: onIdle(); break;
    }
}

void BattleManager::onIdle() {}

void BattleManager::updateHalfPenalty() {
    const bool blue = battle.battleState == 3;
    runPenaltySequence(blue, blue ? 5 : 6);
}

void BattleManager::updateFullPenalty() {
    const bool blue = battle.battleState == 5;
    runPenaltySequence(blue, blue ? 7 : 8);
}

// A penalty, half or full: the referee's call and the banner, two seconds, then the fight goes on.
void BattleManager::runPenaltySequence(bool blue, int refereeCall) {
    if (sequenceStep == 0) {
        playReferee(refereeCall);
        if (Tavek::MatchScreenEH* s = screen()) blue ? s->showFighter1Penalty() : s->showFighter2Penalty();
        sequenceStep = 1;
    } else if (sequenceStep == 1) {
        if (battle.timeInState > 2.0f) sequenceStep = 2;
    } else if (sequenceStep == 2) {
        sequenceStep = -1;
        setBattleState(0);
    }
}

void BattleManager::updatePenaltyLoss() {
    const bool blueLost = battle.battleState == 17;
    if (sequenceStep == 0) {
        playReferee(2);
        if (Tavek::MatchScreenEH* s = screen()) {
            blueLost ? s->showFighter1Disqualified() : s->showFighter2Disqualified();
        }
        sequenceStep = 1;
    } else if (sequenceStep == 1) {
        if (battle.timeInState > 3.0f) sequenceStep = 2;
    } else if (sequenceStep == 2) {
        sequenceStep = -1;
        setBattleState(blueLost ? 23 : 22);
    }
}

void BattleManager::updateEndSequence() {
    const bool blueWon = battle.battleState == 19;
    if (sequenceStep == 0) {
        playReferee(2);
        if (Tavek::MatchScreenEH* s = screen()) s->showEndOfRound();
        sequenceStep = 1;
    } else if (sequenceStep == 1) {
        if (battle.timeInState > 3.0f) sequenceStep = 2;
    } else if (sequenceStep == 2) {
        sequenceStep = -1;
        setBattleState(blueWon ? 22 : 23);
    }
}

void BattleManager::updateTimeUpDecision() {
    if (sequenceStep == 0) {
        playReferee(2);
        if (Tavek::MatchScreenEH* s = screen()) s->showEndOfRound();
        sequenceStep = 1;
    } else if (sequenceStep == 1) {
        if (battle.timeInState > 3.0f) sequenceStep = 2;
    } else if (sequenceStep == 2) {
        sequenceStep = -1;
        if (!battle.decideOnTimeUp) {
            reportMatchOver(2);
            for (FighterInstance* f : {fighterA(), fighterB()}) {
                f->health() += f->maxHealth() * 0.2f;
                f->clampLimits();
            }
            return;
        }
        const int a = netScore(fighterA());
        const int b = netScore(fighterB());
        sequenceStep = -1;
        setBattleState(a > b ? 22 : (a < b ? 23 : 26));
    }
}

void BattleManager::playResultSounds() {
    const bool blueWon = battle.battleState == 22;
    if (sequenceStep == 0) {
        playReferee(blueWon ? 3 : 4);
        if (Tavek::MatchScreenEH* s = screen()) {
            const bool winner = blueWon ? isPlayerA() : isPlayerB();
            const bool loser = blueWon ? isPlayerB() : isPlayerA();
            if (winner && !loser) {
                s->showYouWin();
            } else if (!winner && loser) {
                s->showYouLose();
            } else if (blueWon) {
                s->showFighter1Wins();
            } else {
                s->showFighter2Wins();
            }
        }
        sequenceStep = 1;
    } else if (sequenceStep == 1) {
        if (battle.timeInState > 3.0f) sequenceStep = 2;
    } else if (sequenceStep == 2) {
        if (Tavek::MatchScreenEH* s = screen()) s->setOverlayLevel(battle.timeInState - 3.0f);
        if (battle.timeInState > 4.0f) sequenceStep = 3;
    } else if (sequenceStep == 3) {
        sequenceStep = -1;
        if (Tavek::MatchScreenEH* s = screen()) s->setOverlayLevel(0.0f);
        reportMatchOver(blueWon ? 0 : 1);
    }
}

void BattleManager::updateDraw() {
    if (sequenceStep == 0) {
        if (Tavek::MatchScreenEH* s = screen()) s->showSuddenDeath();
        sequenceStep = 1;
    } else if (sequenceStep == 1) {
        if (battle.timeInState > 3.0f) sequenceStep = 2;
    } else if (sequenceStep == 2) {
        sequenceStep = -1;
        reportMatchOver(2);
    }
}
