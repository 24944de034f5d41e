// The match rules for a fighter who goes down: the knock-down points, the second wind, the
// referee's counts with their calls and banners, getting up by tapping, and standing up.
#include <algorithm>

#include "fight/BattleManager.h"
#include "fight/FighterInstance.h"
#include "fight/TwoPointCameraStrategy.h"
#include "game/CurrentMasterEH.h"
#include "game/MatchScreenEH.h"
#include "input/InputHooks.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/win32/crt.h"

namespace {

// Step 2 of the balance count waits for the body to reach the mat, but no longer than this many
// seconds after the knock-down: a body that never reports the contact is counted all the same.
constexpr float GroundWaitLimit = 3.0f;

bool hasAbility(const FighterInstance& fighter, int id) {
    uint32_t bit = 0;
    bool inMaskB = false;
    if (!FighterAbilities::bitOf(id, &bit, &inMaskB)) return false;
    return inMaskB ? fighter.abilities.hasB(bit) : fighter.abilities.hasA(bit);
}

float damageOf(const FighterInstance& f) {
    return f.maxHealth() > 0.0f ? (f.maxHealth() - f.health()) / f.maxHealth() : 1.0f;
}

}  // namespace

void BattleManager::onHealthDepleted(FighterInstance* fighter) {
    FighterInstance* other = opponentOf(fighter);
    other->registerAction(16, battle.round);
    other->recordActionStep(false, false, false, rules.PointsForKnockDown, 0);
    if (addPoints(other, rules.PointsForKnockDown)) return;
    if (battle.battleState != 0) return;
    if (hasAbility(*fighter, 6) && !fighter->secondWindUsed && crt::rand() / 32767.0 > 0.5) {
        fighter->secondWindUsed = true;
        fighter->health() = fighter->maxHealth() * 0.2f;
        if (Tavek::MatchScreenEH* s = screen()) s->showSecondWind();
        return;
    }
    setBattleState(isA(fighter) ? 15 : 16);
    fighter->setMovementMode(5);
    fighter->tapped = false;
    battle.resetInput();
    battle.liftFighter(fighter);
}

void BattleManager::onBalanceDepleted(FighterInstance* fighter) {
    FighterInstance* other = opponentOf(fighter);
    other->registerAction(16, battle.round);
    other->recordActionStep(false, false, false, rules.PointsForKnockDown, 0);
    if (addPoints(other, rules.PointsForKnockDown)) return;
    if (battle.battleState != 0) return;
    fighter->tapped = false;
    fighter->maxBalance() *= 0.9f;
    fighter->setMovementMode(5);
    battle.resetInput();
    battle.liftFighter(fighter);
    setBattleState(isA(fighter) ? 7 : 8);
}

void BattleManager::onFighterFell(FighterInstance* fighter) {
    if (addPoints(opponentOf(fighter), rules.PointsForKnockDown)) return;
    if (battle.battleState != 0) return;
    setBattleState(isA(fighter) ? 11 : 12);
    fighter->setMovementMode(6);
    fighter->maxHealth() *= 0.9f;
    fighter->resetPose();
    fighter->tapped = false;
    battle.resetInput();
    fighter->startAction(15, battle.round);
}

void BattleManager::rumbleFor(FighterInstance* fighter) {
    // The fighter's own pad, and never a keyboard player's.
    if (!rules.EnableRumble || fighter->aiDriven) return;
    const int joystick = fighter->inputMapper.getJoystickIndex();
    if (joystick >= 0) rumbleJoystick(joystick, 1.0f, 0.3f);
}

bool BattleManager::countStep(FighterInstance* fighter, int step) {
    const float t = battle.timeInState;
    if (step == 0) {
        playReferee(2);
        if (Tavek::MatchScreenEH* s = screen()) s->showKnockdown(fighter->knockedDown != 0);
        fighter->knockedDown = 0;
        fighter->groundTouched = false;
        sequenceStep = 1;
        return true;
    }
    if (step == 1) {
        if (t > 2.0f) sequenceStep = 2;
        return true;
    }
    if (step >= 2 && step <= 20 && step % 2 == 0) {
        const int count = step / 2;
        playReferee(8 + count);
        if (Tavek::MatchScreenEH* s = screen()) s->showCount(count);
        sequenceStep = step + 1;
        return true;
    }
    if (step >= 3 && step <= 19) {
        const float wait = static_cast<float>(step + 3) / 2.0f;
        const bool due = step == 11 ? t >= wait : t > wait;
        if (due) sequenceStep = step + 1;
        return true;
    }
    return false;
}

void BattleManager::updateKnockDown() {
    FighterInstance* f = battle.battleState == 7 ? fighterA() : fighterB();
    if (sequenceStep < 3) battle.matchClock -= iFrq(0);
    if (sequenceStep > 0 && !f->groundTouched && f->getBodyFeedback()) {
        f->groundTouched = true;
        battle.playFighterSound("knockDown", f, "");
        if (TwoPointCameraStrategy* c = cameras[static_cast<size_t>(cameraIndex)].get()) c->startShake();
        rumbleFor(f);
    }
    if (sequenceStep > 1 && sequenceStep < 20 && f->groundTouched) {
        if (updateBalance(f)) {
            if (Tavek::MatchScreenEH* s = screen()) s->hideCount();
            return;
        }
    }
    const int step = sequenceStep;
    if (step == 2 && !f->groundTouched) {
        if (battle.timeInState < GroundWaitLimit) return;
        f->groundTouched = true;  // no thud or shake: the body did not land
    }
    if (countStep(f, step)) return;
    if (step == 21) {
        if (battle.timeInState > 12.0f) sequenceStep = 22;
    } else if (step == 22) {
        if (Tavek::MatchScreenEH* s = screen()) s->showKnockout();
        sequenceStep = 23;
    } else if (step == 23 && battle.timeInState >= 14.0f) {
        const bool blueDown = isA(f);
        sequenceStep = -1;
        setBattleState(blueDown ? 23 : 22);
    }
}

void BattleManager::updateRefereeCount() {
    FighterInstance* f = battle.battleState == 15 ? fighterA() : fighterB();
    if (sequenceStep > 0 && !f->groundTouched && f->getBodyFeedback()) {
        f->groundTouched = true;
        battle.playFighterSound("knockDown", f, "");
    }
    const int step = sequenceStep;
    if (countStep(f, step)) return;
    if (step == 21) {
        if (Tavek::MatchScreenEH* s = screen()) s->showKnockout();
        sequenceStep = 22;
    } else if (step == 22) {
        if (battle.timeInState >= 14.0f) sequenceStep = 23;
    } else if (step == 23) {
        const bool blueDown = isA(f);
        sequenceStep = -1;
        setBattleState(blueDown ? 23 : 22);
    }
}

void BattleManager::updateCount() {
    FighterInstance* f = battle.battleState == 11 ? fighterA() : fighterB();
    if (sequenceStep == 0) {
        sequenceStep = 1;
        if (f->tapped) {
            f->tapped = false;
            const float h0 = f->stats[0];
            f->health() += std::max(0.0f, (f->maxHealth() * 1.5f - h0) * 0.5f);
            if (f->health() >= f->maxHealth()) {
                f->health() = f->maxHealth();
                f->balance() = f->maxBalance();
                setBattleState(0);
                f->setMovementMode(0);
            }
        }
    } else if (sequenceStep == 1) {
        if (battle.timeInState > 3.0f) sequenceStep = 2;
    } else if (sequenceStep == 2) {
        sequenceStep = -1;
        setBattleState(isA(f) ? 15 : 16);
    }
}

bool BattleManager::updateBalance(FighterInstance* f) {
    if (tapStep == 0.0f) tapStep = balancePerTap(f);
    if (f->aiDriven) {
        if (aiTapPeriod == 0.0f) {
            aiTapPeriod = aiTapInterval(f, f->maxBalance() / tapStep);
            aiTapTimer = aiTapPeriod;
        }
        aiTapTimer -= iFrq(0);
        if (aiTapTimer <= 0.0f) {
            aiTapTimer += aiTapPeriod;
            f->tapped = true;
        }
    }
    if (!f->tapped) return false;
    f->tapped = false;
    f->balance() += tapStep;
    if (f->balance() < f->maxBalance()) return false;
    standUp(f);
    aiTapPeriod = 0.0f;
    aiTapTimer = 0.0f;
    tapStep = 0.0f;
    return true;
}

float BattleManager::balancePerTap(FighterInstance* f) {
    const float fewest = static_cast<float>(rules.MinTapsToGetUp);
    const float most = static_cast<float>(rules.MaxTapsToGetUp);
    // At least one tap, whatever rules were assigned from code.
    const float taps = std::max(1.0f, fewest + (most - fewest) * damageOf(*f));
    return f->maxBalance() / taps;
}

float BattleManager::aiTapInterval(FighterInstance* f, float tapsNeeded) {
    const double damage = damageOf(*f);
    const double fewest = rules.MinTapsToGetUp;
    double a = 0.0, b = 0.5 * fewest, c = 0.1;
    switch (rules.getDifficulty()) {
    case 0: a = 0.5 * fewest * damage; b = 0.333 * fewest; c = 0.25; break;
    case 1: a = 0.1 * fewest * damage; b = 0.2 * fewest; c = 0.2; break;
    case 2: a = 0.05 * fewest * damage; b = 0.2 * fewest; c = 0.16; break;
    default: break;
    }
    const double r1 = crt::rand() * a / 32767.0;
    const double r2 = crt::rand() * b / 32767.0;
    return static_cast<float>(std::min(c, 9.5 / (tapsNeeded + r2 - r1)));
}

void BattleManager::standUp(FighterInstance* f) {
    f->balance() = f->maxBalance();
    f->setMovementMode(0);
    f->startAction(14, battle.round);
    f->captureBodyState();
    setBattleState(isA(f) ? 9 : 10);
}

void BattleManager::updateStandUp() {
    FighterInstance* f = battle.battleState == 9 ? fighterA() : fighterB();
    if (f->currentAction == 0) setBattleState(0);
}
