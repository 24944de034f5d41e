// The battle's script AIs: the fighters' AIs and mirrors, the choices of an AI fighter, and the
// ambient sparks that pick arena and tutorial sounds on their own timers.
#include "audio/SoundScape.h"
#include "fight/ActionIds.h"
#include "fight/BattleInstance.h"
#include "fight/FrameProfile.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/win32/win32.h"
#include "script/AIFighterInstance.h"
#include "script/AIMaster.h"
#include "script/AISparkInstance.h"

namespace {

constexpr float ArenaSparkInterval = 0.75f;
constexpr float TutorialSparkInterval = 0.2f;

// True once the interval has passed since the last time it was true; the first call only
// starts the timer.
bool due(bool& started, float& last, float interval) {
    float now = iSystemTimer();
    if (!started) {
        started = true;
        last = now;
        return false;
    }
    if (now - last < interval) return false;
    last = now;
    return true;
}

}  // namespace

void BattleInstance::attachFighterAIA(const std::string& name, double value) {
    if (aiMaster) aiMaster->attachFighterAI(&fighterA, name, value);
}

void BattleInstance::attachFighterAIB(const std::string& name, double value) {
    if (aiMaster) aiMaster->attachFighterAI(&fighterB, name, value);
}

void BattleInstance::attachSparkAI1(const std::string& name) {
    if (aiMaster) aiMaster->attachSparkAI1(this, name);
}

void BattleInstance::attachSparkAI2(const std::string& name) {
    if (!aiMaster) return;
    aiMaster->attachSparkAI2(this, name);
    if (sparkAI2) sparkAI2->setArenaType(arenaIndex);
}

void BattleInstance::attachSparkAI3(const std::string& name) {
    if (aiMaster) aiMaster->attachSparkAI3(this, name);
}

void BattleInstance::attachBlankMirrors() {
    if (!aiMaster) return;
    aiMaster->attachFighterAI(&fighterA, "", 0.0);
    aiMaster->attachFighterAI(&fighterB, "", 0.0);
}

void BattleInstance::releaseSparks() {
    for (Tavek::AISparkInstance** slot : {&sparkAI1, &sparkAI2, &sparkAI3}) {
        delete *slot;
        *slot = nullptr;
    }
}

void BattleInstance::handleAIResult(FighterInstance* fighter) {
    fighter->updateMovement(false);
    if (!fightActive || !isActionGroupIdle(fighter->currentAction)) return;
    auto* ai = dynamic_cast<Tavek::AIFighterInstance*>(fighter->aiFighter.get());
    if (!ai) return;
    Tavek::AIInstance::Choice choice;
    {
        FrameProfile::Scope timer(FrameProfile::Decide);
        choice = ai->tick(getOpponent(fighter));
    }
    if (choice.kind == 0) {
        fighter->requestedControl = choice.value;
    } else if (choice.kind == 1) {
        // The same list comes back while it is cached: it replaces the queue, never grows it.
        fighter->controlQueue.clear();
        fighter->enqueueControls(choice.values);
    } else {
        OutputDebugStringA("AIFighter result type unknown\n");
    }
    InputMachine* machine = getInputMachine(fighter);
    if (ai->wasPressed()) machine->pressButton5();
    if (ai->wasReleased()) machine->releaseButton5();
    updateControlFlags(fighter);
}

void BattleInstance::arenaSparkStep() {
    if (!sparkAI2) return;
    if (!due(arenaSparkStarted, arenaSparkTime, ArenaSparkInterval)) return;
    std::string arena;
    if (arenaIndex >= 0 && arenaIndex < ArenaCount) arena = "arena" + std::to_string(arenaIndex + 1);
    else OutputDebugStringA("Unknown arena type\n");
    FrameProfile::Scope timer(FrameProfile::Decide);
    Tavek::AIInstance::Choice choice = sparkAI2->tick(false);
    if (choice.kind == 3 && !arena.empty() && soundScape) soundScape->playEvent(arena, choice.text, true);
}

void BattleInstance::tutorialSparkStep() {
    if (!sparkAI3 || battleState != 0) return;
    if (!due(tutorialSparkStarted, tutorialSparkTime, TutorialSparkInterval)) return;
    FrameProfile::Scope timer(FrameProfile::Decide);
    Tavek::AIInstance::Choice choice = sparkAI3->tick(true);
    if (choice.kind == 3 && soundScape) soundScape->playEvent("default", choice.text, true);
}
