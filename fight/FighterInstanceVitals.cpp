// Health and balance, their costs, the score counters and the script mirror.
#include "fight/FighterInstance.h"

#include "fight/ActionIds.h"
#include "script/ScriptException.h"
#include "script/ScriptOverBudget.h"

void FighterInstance::clampLimits() {
    if (health() > maxHealth()) health() = maxHealth();
    if (health() < 0.0f) health() = 0.0f;
    if (balance() > maxBalance()) balance() = maxBalance();
    if (balance() < 0.0f) balance() = 0.0f;
}

void FighterInstance::regenerate(float dt) {
    if (movementMode != 0 || !isActionGroupIdle(currentAction)) return;
    float h = abilities.hasA(0x2000) ? 1.25f : 1.0f;
    float b = abilities.hasA(0x4000) ? 1.25f : 1.0f;
    health() += maxHealth() * 0.02f * h * dt;
    balance() += maxBalance() * 0.25f * b * dt;
    clampLimits();
}

float FighterInstance::queryAbility(int action) const {
    if (action < 0 || action >= ClipCount) return 0.0f;
    float base = (balanceBase() + maxBalance()) * actionParams[action].balanceCost * 0.5f * 1.2f;
    float m = 1.0f;
    if (abilities.hasA(0x40000) && isActionGroup24_25_29_30_49(action)) m = 0.667f;
    if (abilities.hasA(0x20000) && isActionGroup22_23_26_27_28_48(action)) m *= 0.667f;
    if (abilities.hasA(0x1000) && isActionGroup31to34or45(action)) m *= 0.667f;
    return base * m;
}

float FighterInstance::maxHealthFifth() const {
    return maxHealth() * 0.2f;
}

int FighterInstance::computeRemaining() const {
    return matchPoints - static_cast<int>(halfPenalties * 0.5) - fullPenalties;
}

bool FighterInstance::takeEvents() {
    if (pushedBack == 0) return false;
    reportedEvents = pushedBack;
    if (reportedEvents & 1) {
        if (static_cast<uint32_t>(-eventCooldown) >= static_cast<uint32_t>(eventCooldownLimit))
            eventCooldown = 0;
        else
            reportedEvents &= ~1;
    }
    return reportedEvents != 0;
}

template <typename Call>
void FighterInstance::pushToMirror(Call call) {
    if (!aiFighter) return;
    try {
        call(*aiFighter);
    } catch (const Tavek::ScriptOverBudget&) {
        throw;  // a script caught in a loop fails, or every frame would wait out its budget
    } catch (const Tavek::ScriptException&) {
        // The script did not take the value; the fight goes on without it.
    }
}

void FighterInstance::updateAIHealth() {
    pushToMirror([this](AIFighterMirror& m) { m.setHealth(health()); });
}

void FighterInstance::updateAILocation() {
    pushToMirror([this](AIFighterMirror& m) { m.setLocation(location); });
}

void FighterInstance::updateAIScore() {
    pushToMirror([this](AIFighterMirror& m) { m.setScore(matchPoints); });
}

void FighterInstance::updateAIAction() {
    pushToMirror([this](AIFighterMirror& m) { m.setAction(currentAction); });
}

void FighterInstance::updateAIControl() {
    pushToMirror([this](AIFighterMirror& m) { m.setControl(requestedControl); });
}

void FighterInstance::updateAIGeneralBlocking() {
    pushToMirror([this](AIFighterMirror& m) { m.setGeneralBlocking(generalBlocking); });
}

void FighterInstance::updateAIJustScored() {
    pushToMirror([this](AIFighterMirror& m) { m.setJustScored(justScored != 0); });
    justScored = 0;
}

void FighterInstance::updateAIBalance() {
    pushToMirror([this](AIFighterMirror& m) { m.setBalance(balance()); });
}

void FighterInstance::updateAITimeRemaining(float seconds) {
    pushToMirror([seconds](AIFighterMirror& m) { m.setTimeRemaining(seconds); });
}
