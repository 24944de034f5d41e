// Starting, timing and ending actions, the requests that start them and the action log.
#include <string>

#include "fight/ActionIds.h"
#include "fight/BattleInstanceEH.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "fight/FighterInstance.h"

namespace {

constexpr float HeldActionTimer = 1000000000.0f;

bool isAttack(int action) {
    return (action >= 22 && action <= 34) || action == 45 || action == 48 || action == 49;
}

bool isGuard(int action) {
    return action >= 38 && action <= 40;
}

// Brings an angle difference into [-180, 180].
float wrapDegrees(float d) {
    while (d > 180.0f) d -= 360.0f;
    while (d < -180.0f) d += 360.0f;
    return d;
}

// 0, 1, 2 or 3 for the bands ahead, left of, right of and behind the fighter's heading.
int headingBand(float d) {
    if (d > -45.0f && d <= 45.0f) return 0;
    if (d > -135.0f && d <= -45.0f) return 1;
    if (d > 45.0f && d <= 135.0f) return 2;
    return 3;
}

}  // namespace

void FighterInstance::startAction(int action, int owner) {
    if (action < 0 || action > ActionBlockingOff || action == ActionNone) {
        OutputDebugStringA(("Fighter: action " + std::to_string(action) + " does not exist\n").c_str());
        return;
    }
    if (owner == -1 && battle) owner = battle->getRound();

    if (action < ClipCount) {
        if (actionParams[action].available == 0) return;
        float cost = action == ActionTiredIdle ? 0.0f : queryAbility(action);
        bool tooTired = balance() - cost < 0.0f;
        // A tired fighter asked again and again: the tired idle keeps playing undisturbed.
        if (tooTired && currentAction == ActionTiredIdle) return;

        strikeLanded = false;
        closeRangeStart = false;
        if (isAttack(action)) {
            if (FighterInstance* opp = opponent()) {
                Vector3 gap = opp->location - location;
                if (iVectorLength(&gap) < 1.9f) closeRangeStart = true;
            }
        }
        registerAction(action, owner);
        if (tooTired) {
            startAction(ActionTiredIdle);
            if (battle) battle->playFighterSound("tired", this, isMale ? "male" : "female");
            return;
        }
        balance() -= cost;
        if (!actionSound[action].empty() && battle)
            battle->playFighterSound(actionSound[action], this, "");
    }

    bool started = true;
    if (action == ActionWalkRequest) {
        int walk = CalculateWalkingAction();
        if (walk == currentAction) {
            started = false;
        } else {
            previousAction = currentAction;
            currentAction = walk;
            heldStart();
        }
    } else if (isWalkingAction(action)) {
        if (!keepHeld) {
            started = false;
        } else {
            previousAction = currentAction;
            currentAction = action;
            heldStart();
        }
    } else if (action == ActionQuickStepRequest) {
        int step = CalculateQuickStepAction();
        previousAction = currentAction;
        currentAction = step;
        timedStart(step);
    } else if (action == ActionIdle || action == ActionBlockingOff) {
        if (action == ActionBlockingOff) generalBlocking = false;
        previousAction = currentAction;
        currentAction = ActionIdle;
        actionParams[0].animationSpeed = 0.333f;
        heldStart();
    } else if (action == ActionBlockingOn) {
        generalBlocking = true;
        previousAction = currentAction;
        currentAction = ActionIdle;
        actionParams[0].animationSpeed = 0.1f;
        heldStart();
    } else {
        previousAction = currentAction;
        currentAction = action;
        timedStart(action);
    }

    if (started) {
        // The side flips at the start that follows an action which ends on the other foot.
        if (previousAction != currentAction && switchesSide[previousAction]) side = 1 - side;
        resetPose();
    }
    if (actionParams[currentAction].healthDamage > 0.0f && battle) battle->setContactsEnabled(true);
    if (!isActionGroupIdle(currentAction)) reanchor();
}

void FighterInstance::heldStart() {
    actionTimer = HeldActionTimer;
    windowStart = windowEnd = 0.0f;
}

void FighterInstance::timedStart(int action) {
    actionTimer = clipLength[action][side] / animationRate - 0.05f;
    windowEnd = actionTimer - blendDuration[action];
    windowStart = blendDuration[action];
}

int FighterInstance::CalculateWalkingAction() const {
    int c = requestedControl;
    if (c < 1 || c > 8) return 0;
    if (relativeDirections) {
        static const int relative[9] = {0, 43, 44, 41, 42, 41, 41, 42, 42};
        return relative[c];
    }
    static const float headings[9] = {0, 270, 90, 180, 0, 225, 135, 315, 45};
    iVector3 axis;
    float angle = 0.0f;
    iQuaternionToAxisAngle(&orientation, &axis, &angle);
    float heading = axis.y < 0.0f ? angle : 360.0f - angle;
    static const int bands[4] = {41, 43, 44, 42};
    return bands[headingBand(wrapDegrees(heading - headings[c]))];
}

int FighterInstance::CalculateQuickStepAction() const {
    int c = requestedControl;
    if (c < 19 || c > 22) return 0;
    if (relativeDirections) return c - 3;   // 19-22 give 16-19
    static const float headings[4] = {180, 0, 90, 270};
    iVector3 axis;
    float angle = 0.0f;
    iQuaternionToAxisAngle(&orientation, &axis, &angle);
    float heading = axis.y < 0.0f ? angle : 360.0f - angle;
    static const int bands[4] = {16, 19, 18, 17};
    return bands[headingBand(wrapDegrees(heading - headings[c - 19]))];
}

void FighterInstance::update() {
    if (movementMode == 1) {
        updateMovement(false);
        iVector3 hip;
        iBodyLocation(bodies[FighterTables::HipPart], &hip);
        location = Vector3(hip.x, 0.65f, hip.z);
        if (stateTimer >= recoveryTime() * 0.5f) {
            stateTimer = 0.0f;
            previousMode = 1;
            movementMode = 0;
            if (generalBlocking) startAction(ActionBlockingOn);
        }
    } else if (movementMode == 5) {
        if (battle) battle->applyGravity(this);
    } else {
        updateAction();
        sampleBodies();
    }
    if (!debugShapes) applyBodiesToPose();
    stateTimer += iFrq(0);
    keepDistance();
}

void FighterInstance::updateAction() {
    const float t = actionTimer;
    placeBodiesAtPose();

    bool runStep3 = true;
    if (t > 0.0f && t <= blendDuration[currentAction] && !isActionGroupIdle(currentAction)) {
        // Blending out: a queued follow-up takes over from here.
        if (!controlQueue.empty() && controlQueue.front() != 50) {
            previousHoldCount = holdCount;
            holdCount = 1;
            followAction = currentAction;
            queueActive = true;
            return;
        }
        if (controlQueue.empty()) {
            followAction = 0;
            runStep3 = false;
        }
    }

    if (runStep3) {
        if (t <= 0.0f && !isActionGroupIdle(currentAction)) {
            // The action has ended.
            queuedMoveStarted = false;
            if (!controlQueue.empty() && controlQueue.front() == 50) {
                followAction = 0;
                queueActive = true;
                return;
            }
            if (requestedControl != 50) {
                previousHoldCount = holdCount;
                holdCount = 0;
                if (isGuard(currentAction)) {
                    requestedControl = generalBlocking ? 50 : 51;
                } else {
                    followAction = 0;
                    if (!controlQueue.empty()) {
                        queueActive = true;
                        return;
                    }
                    if (!queueActive) {
                        startAction(ActionIdle);
                        return;
                    }
                    previousAction = currentAction;
                    resetPose();
                }
            }
        } else if (requestedControl == 0 && isWalkingAction(currentAction)) {
            if (!keepHeld) startAction(ActionIdle);
            return;
        }
    }

    switch (movementMode) {
        case 0: {
            int a = comboMoveToAction(requestedControl);
            if (a != 0) {
                startAction(a);
                if (!queuedMoveStarted && !isActionGroupIdle(a)) {
                    updateMovement(true);
                    sideAtLastStart = side;
                }
            }
            updateMovement(false);
            break;
        }
        case 1:
            updateMovement(false);
            break;
        case 6:
            if (requestedControl == 32) startAction(15);
            updateMovement(false);
            break;
        default:
            break;
    }

    float step = actionParams[currentAction].animationSpeed * 2.5f * iFrq(0);
    actionTimer -= step;
    auxTimer -= step;
}

void FighterInstance::setAnimationPaused(bool paused) {
    for (int a : {currentAction, previousAction}) {
        float speed = paused ? 0.0f : actionParams[a].animationSpeed * animationRate * 2.5f;
        iSkinMeshAnimationSpeedSet(clipMeshes[a][side], speed);
    }
}

void FighterInstance::setMovementMode(int value) {
    previousMode = movementMode;
    movementMode = value;
    stateTimer = 0.0f;
}

bool FighterInstance::stateAllows(int part) const {
    for (int p : actionParams[currentAction].activeParts)
        if (p == part) return true;
    return false;
}

bool FighterInstance::isBlendingOut() const {
    return actionTimer <= blendDuration[currentAction];
}

FighterCombos& FighterInstance::getActiveCombos() {
    return sideAtLastStart != 0 ? combos[1] : combos[0];
}

int FighterInstance::setHoldCount(int value) {
    int old = holdCount;
    previousHoldCount = holdCount;
    holdCount = value;
    return old;
}

void FighterInstance::enqueueControls(const std::vector<int>& list) {
    size_t first = 0;
    if (!list.empty() && isActionGroupIdle(currentAction)) {
        requestedControl = list[0];
        first = 1;
    }
    for (size_t i = first; i < list.size(); ++i) controlQueue.push_back(list[i]);
}

void FighterInstance::registerAction(int action, int owner) {
    trackedActions.registerAction(action, owner, closeRangeStart);
}

void FighterInstance::recordActionStep(bool flagA, bool flagB, bool flagC, int value, int penalty) {
    trackedActions.recordStep(flagA, flagB, flagC, value, penalty);
}
