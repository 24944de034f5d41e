// The battle's frame: the fighters' mirrors, their control by keys, pad or queued moves, their
// updates and hits, the clock of the battle state, the sounds and the strike contacts.
#include "audio/SoundScape.h"
#include "fight/ActionIds.h"
#include "fight/BattleInstance.h"
#include "fight/FrameProfile.h"
#include "platform/vuzirovari/vuzirovari.h"

namespace {

// The bits of an input mask: four directions, then buttons 0-7; bit 12 is binding 4's click.
constexpr int DirectionBits = 4;
constexpr int MaskBits = 12;
constexpr uint64_t TapBit = 0x1000;

void deliver(InputMachine& machine, int bit, bool pressed) {
    using Call = void (InputMachine::*)();
    static const Call presses[MaskBits] = {
        &InputMachine::pressUp, &InputMachine::pressDown, &InputMachine::pressLeft,
        &InputMachine::pressRight, &InputMachine::pressButton0, &InputMachine::pressButton1,
        &InputMachine::pressButton2, &InputMachine::pressButton3, &InputMachine::pressButton4,
        &InputMachine::pressButton5, &InputMachine::pressButton6, &InputMachine::pressButton7};
    static const Call releases[MaskBits] = {
        &InputMachine::releaseUp, &InputMachine::releaseDown, &InputMachine::releaseLeft,
        &InputMachine::releaseRight, &InputMachine::releaseButton0, &InputMachine::releaseButton1,
        &InputMachine::releaseButton2, &InputMachine::releaseButton3, &InputMachine::releaseButton4,
        &InputMachine::releaseButton5, &InputMachine::releaseButton6, &InputMachine::releaseButton7};
    const Call call = pressed ? presses[bit] : releases[bit];
    (machine.*call)();
}

bool strikes(const FighterInstance& fighter) {
    int action = fighter.currentAction;
    if (action < 0 || action >= FighterInstance::ClipCount) return false;
    return fighter.actionParams[action].healthDamage > 0.0f;
}

}  // namespace

void BattleInstance::stepPhysics() {
    using FrameProfile::Scope;
    pruneHitInformation();
    if (battleMode == 0 || battleState == 2) return;
    {
        Scope timer(FrameProfile::Mirrors);
        updateAIMirrors();
    }
    if (battleState == 0) {
        fighterA.updatePendingKnockDown();
        fighterB.updatePendingKnockDown();
    }

    if (!developerCameraActive) {
        Scope timer(FrameProfile::Control);
        if (battleMode == 1) {
            controlFighter(&fighterA);
            controlFighter(&fighterB);
            inputMachineA.tick();
            inputMachineB.tick();
            updateControlFlags(&fighterA);
            updateControlFlags(&fighterB);
            if (fighterA.takeEvents()) onEvent(&fighterA);
            if (fighterB.takeEvents()) onEvent(&fighterB);
        } else if (battleMode == 4) {
            // The tutorial's partner stands just behind the learner.
            controlFighter(&fighterA);
            inputMachineA.tick();
            fighterB.location = fighterA.location + Vector3(0.0f, 0.0f, 0.1f);
            fighterA.regenerate(iFrq(0));
            fighterA.update();
        }
    }

    if (battleMode != 4) {
        {
            Scope timer(FrameProfile::Regeneration);
            fighterA.regenerate(iFrq(0));
            fighterB.regenerate(iFrq(0));
        }
        {
            Scope timer(FrameProfile::Hits);
            detectHits();
        }
        Scope timer(FrameProfile::Update);
        fighterA.update();
        fighterB.update();
    }

    timeInState += iFrq(0);

    if (soundScape) {
        if (battleMode == 1) {
            soundScape->setVolume(arenaVolume);
            arenaSparkStep();
            soundScape->update();
            soundScape->setVolume(fightVolume);
        } else if (battleMode == 4) {
            tutorialSparkStep();
            soundScape->update();
            soundScape->setVolume(fightVolume);
        }
    }

    setContactsEnabled(strikes(fighterA) || (strikes(fighterB) && battleMode == 1));
}

void BattleInstance::controlFighter(FighterInstance* fighter) {
    // A held walk of a fighter driven from outside survives the frame; every other request
    // must be made anew.
    if (!(fighter->externallyDriven && isWalkDirection(fighter->requestedControl))) fighter->requestedControl = 0;
    if (fighter->queueActive && fighter->isBlendingOut()) {
        nextQueuedAction(fighter);
        return;
    }
    if (fighter->aiDriven) {
        if (isActionGroupIdle(fighter->currentAction)) handleAIResult(fighter);
        return;
    }
    if (!fighter->externallyDriven) {
        pollInput(fighter);
        return;
    }
    if (isActionGroupIdle(fighter->currentAction)) onEvent2(fighter);
}

void BattleInstance::nextQueuedAction(FighterInstance* fighter) {
    fighter->updateMovement(false);
    if (fighter->controlQueue.empty()) {
        fighter->requestedControl = 0;
        fighter->queueActive = false;
        return;
    }
    fighter->requestedControl = fighter->controlQueue.front();
    fighter->controlQueue.pop_front();
    fighter->queuedMoveStarted = true;
}

void BattleInstance::pollInput(FighterInstance* fighter) {
    uint64_t mask = fighter->inputMapper.poll();
    fighter->inputMask = mask;
    if (mask != fighter->previousInputMask) fighter->inputChanged = true;
    applyInputMask(fighter, mask);
}

void BattleInstance::applyInputMask(FighterInstance* fighter, uint64_t mask) {
    if (battleState == 7 || battleState == 8) {
        // A fighter who is down only taps to get up; held inputs wait for the fight.
        if (mask & TapBit) fighter->tapped = true;
        return;
    }
    if (battleState != 0) return;
    InputMachine& machine = *getInputMachine(fighter);
    const uint64_t changed = mask ^ fighter->previousInputMask;
    for (int bit = 0; bit < MaskBits; ++bit) {
        if (!((changed >> bit) & 1u)) continue;
        deliver(machine, bit, ((mask >> bit) & 1u) != 0);
        // A direction that made a step of its own: the rest is seen again next frame.
        if (bit < DirectionBits && (fighter->requestedControl == 35 || fighter->requestedControl == 23)) return;
    }
    fighter->previousInputMask = mask;
}

void BattleInstance::resetInput() {
    inputMachineA.reset();
    fighterA.requestedControl = 0;
    fighterA.controlQueue.clear();
    inputMachineB.reset();
    fighterB.requestedControl = 0;
    fighterB.controlQueue.clear();
}

void BattleInstance::updateAIMirrors() {
    for (FighterInstance* fighter : {&fighterA, &fighterB}) {
        // The place too, every frame: the rules move fighters as well as their own walks do
        // (back on the mat, back to the marks, after a hit, at a move's start), and a script
        // that saw an old place would walk and kick at where the other fighter no longer is.
        fighter->updateAILocation();
        fighter->updateAIHealth();
        fighter->updateAIScore();
        fighter->updateAIControl();
        fighter->updateAIAction();
        fighter->updateAIGeneralBlocking();
        fighter->updateAIJustScored();
        fighter->updateAIBalance();
        fighter->updateAITimeRemaining(matchClock);
    }
}

void BattleInstance::updateControlFlags(FighterInstance* fighter) {
    if (isWalkDirection(fighter->requestedControl) || isWalkDirection(fighter->lastRequestedControl) ||
        isActionGroupActive(fighter->currentAction))
        fighter->pushedBack |= 1;
    if (fighter->requestedControl != fighter->lastRequestedControl) {
        fighter->pushedBack |= 2;
        fighter->lastRequestedControl = fighter->requestedControl;
        fighter->inputChanged = false;
    }
}
