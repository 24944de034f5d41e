#include "fight/InputMachine.h"

#include "fight/ActionIds.h"
#include "fight/FighterCombo.h"
#include "fight/FighterInstance.h"
#include "platform/win32/crt.h"

namespace {

enum Direction { Up = 0, Down = 1, Left = 2, Right = 3 };

bool isIdleOrSwitchFeet(int action) {
    return isActionGroupIdle(action) || (action >= 5 && action <= 8);
}

bool keepsQueueClosed(int action) {
    switch (action) {
        case 0: case 1: case 2: case 3: case 14: case 20: case 21:
        case 41: case 42: case 43: case 44: case 46: case 47: case 51:
            return true;
        default:
            return false;
    }
}

}  // namespace

InputMachine::InputMachine() {
    reset();
}

void InputMachine::reset() {
    enabled = false;
    chordOpen = false;
    chordTimer = 0.0f;
    for (bool& held : buttonHeld) held = false;
    button5Down = button6Down = button7Down = false;
    for (bool& held : directionHeld) held = false;
    latch4 = latch5 = latch6 = latch7 = false;
    locked = false;
    tapRunning = false;
    tapKind = 0;
    tapTimer = 0.0f;
    directionDown = false;
}

void InputMachine::tick() {
    if (!fighter || fighter->requestedControl != 0) return;
    submitDirectionMove();
    if (chordOpen) {
        if (chordTimer >= chordLimit) {
            submitButtonMove();
            chordTimer = 0.0f;
        } else {
            chordTimer += iFrq(0);
        }
    } else if (tapRunning) {
        if (tapTimer >= tapLimit) {
            stopHold();
            tapTimer = 0.0f;
        } else {
            tapTimer += iFrq(0);
        }
    }
}

void InputMachine::submitMove(int move) {
    if (!fighter) return;
    const int current = fighter->currentAction;
    const int action = comboMoveToAction(move);
    FighterCombos& active = fighter->getActiveCombos();
    FighterCombo combo(current, active.resolveVariant(current, action), false);
    bool storedFlag = false;
    if (isChainableMove(move) && !keepsQueueClosed(current) && fighter->controlQueue.empty() &&
        active.find(combo, &storedFlag) && (fighter->queuedMoveStarted || storedFlag) &&
        current != action) {
        fighter->controlQueue.push_back(actionToComboMove(combo.action));
        return;
    }
    if (isIdleOrSwitchFeet(current)) fighter->requestedControl = move;
}

void InputMachine::pressAttackButton(int button) {
    if (locked || buttonHeld[button]) return;
    stopHold();
    latchHeld();
    buttonHeld[button] = true;
}

void InputMachine::releaseAttackButton(int button) {
    if (!buttonHeld[button]) return;
    if (!locked && chordOpen) submitButtonMove();
    buttonHeld[button] = false;
}

void InputMachine::pressButton0() { pressAttackButton(0); }
void InputMachine::pressButton1() { pressAttackButton(1); }
void InputMachine::pressButton2() { pressAttackButton(2); }
void InputMachine::pressButton3() { pressAttackButton(3); }
void InputMachine::releaseButton0() { releaseAttackButton(0); }
void InputMachine::releaseButton1() { releaseAttackButton(1); }
void InputMachine::releaseButton2() { releaseAttackButton(2); }
void InputMachine::releaseButton3() { releaseAttackButton(3); }

void InputMachine::pressButton4() {
    if (buttonHeld[4]) return;
    if (chordOpen) latch4 = true;
    buttonHeld[4] = true;
}

void InputMachine::releaseButton4() {
    buttonHeld[4] = false;
}

void InputMachine::pressButton5() {
    if (locked) return;
    if (chordOpen) latch5 = true;
    setButton5Down();
}

void InputMachine::releaseButton5() {
    if (button5Down) clearButton5Down();
}

void InputMachine::pressButton6() {
    if (button6Down || locked) return;
    if (chordOpen) {
        latch6 = true;
        return;
    }
    beginCharge();
}

void InputMachine::releaseButton6() {
    if (button6Down) endCharge();
}

void InputMachine::pressButton7() {
    if (locked) return;
    if (chordOpen) latch7 = true;
    setButton7Down();
}

void InputMachine::releaseButton7() {
    clearButton7Down();
}

void InputMachine::pressDirection(int kind) {
    directionHeld[kind] = true;
    if (locked) {
        directionAction();
        return;
    }
    if (chordOpen) return;
    if (!tapRunning) {
        startHold(kind);
        return;
    }
    if (kind == Up || kind == Down) {
        if (tapKind == kind) submitStateMove();
        else stopHold();
    } else if (tapKind != kind) {
        stopHold();
    }
}

void InputMachine::releaseDirection(int kind) {
    if (!directionHeld[kind]) return;
    directionHeld[kind] = false;
    submitHoldMove();
    clearDirectionDown();
}

void InputMachine::pressUp() { pressDirection(Up); }
void InputMachine::pressDown() { pressDirection(Down); }
void InputMachine::pressLeft() { pressDirection(Left); }
void InputMachine::pressRight() { pressDirection(Right); }
void InputMachine::releaseUp() { releaseDirection(Up); }
void InputMachine::releaseDown() { releaseDirection(Down); }
void InputMachine::releaseLeft() { releaseDirection(Left); }
void InputMachine::releaseRight() { releaseDirection(Right); }

void InputMachine::submitDirectionMove() {
    if (!fighter || locked || !isActionGroupIdle(fighter->currentAction)) return;
    const bool up = directionHeld[Up], down = directionHeld[Down];
    const bool left = directionHeld[Left], right = directionHeld[Right];
    int move = 0;
    if (up && left) move = 5;
    else if (up && right) move = 6;
    else if (down && left) move = 7;
    else if (down && right) move = 8;
    else if (up) move = 3;
    else if (down) move = 4;
    else if (right) move = 2;
    else if (left) move = 1;
    if (move != 0) submitMove(move);
}

void InputMachine::latchHeld() {
    if (chordOpen) return;
    chordOpen = true;
    latch4 = buttonHeld[4];
    latch5 = button5Down;
    latch6 = button6Down;
    latch7 = button7Down;
}

void InputMachine::clearLatches() {
    if (!chordOpen) return;
    chordOpen = false;
    chordTimer = 0.0f;
    latch4 = latch5 = latch6 = latch7 = false;
}

void InputMachine::submitButtonMove() {
    if (!fighter) {
        clearLatches();
        buttonHeld[4] = false;
        return;
    }
    const bool b0 = buttonHeld[0], b1 = buttonHeld[1], b2 = buttonHeld[2], b3 = buttonHeld[3];
    if (latch4) {
        if (b0) submitRandomMove();
        else if (b1) fighter->requestedControl = 14;
        else if (b2) submitMove(32);
        else if (b3) fighter->requestedControl = 33;
    } else if (latch6) {
        // a charge is held: no attack
    } else if (latch7) {
        if (b1) submitMove(18);
    } else if (latch5) {
        // Left Shift held: no attack
    } else if (b0 && b1) {
        submitMove(29);
    } else if (b0) {
        submitMove(9);
    } else if (b1) {
        submitMove(16);
    } else if (b2 && b3) {
        submitMove(28);
    } else if (b2) {
        submitMove(10);
    } else if (b3) {
        submitMove(13);
    }
    clearLatches();
}

void InputMachine::beginCharge() {
    if (!button6Down) button6Down = true;
}

void InputMachine::endCharge() {
    button6Down = false;
}

void InputMachine::cancelCharge() {
    if (fighter) submitMove(24);
    endCharge();
}

void InputMachine::lock() {
    if (!fighter || locked) return;
    locked = true;
    fighter->inputLocked = true;
    bool anyDirection = false;
    for (bool held : directionHeld) anyDirection = anyDirection || held;
    if (!anyDirection) submitMove(50);
    else directionAction();
}

void InputMachine::unlock() {
    if (!fighter || !locked) return;
    locked = false;
    fighter->inputLocked = false;
    if (!fighter->controlQueue.empty() && fighter->controlQueue.front() == 50)
        fighter->controlQueue.clear();
    submitMove(51);
}

void InputMachine::directionAction() {
    if (!fighter) return;
    fighter->controlQueue.clear();
    if (!locked || !isActionGroupIdle(fighter->currentAction)) return;
    if (directionHeld[Up]) fighter->requestedControl = 33;
    else if (directionHeld[Down]) fighter->requestedControl = 14;
    else if (directionHeld[Left] || directionHeld[Right]) fighter->requestedControl = 15;
}

void InputMachine::startHold(int kind) {
    if (directionDown || tapRunning) return;
    directionDown = true;
    tapRunning = true;
    tapTimer = 0.0f;
    tapKind = kind;
}

void InputMachine::clearDirectionDown() {
    for (bool held : directionHeld)
        if (held) return;
    directionDown = false;
}

void InputMachine::submitHoldMove() {
    if (fighter && tapRunning) {
        static const int tapMoves[4] = {19, 20, 22, 21};
        submitMove(tapMoves[tapKind]);
    }
    stopHold();
}

void InputMachine::submitStateMove() {
    if (!fighter) return;
    if (directionHeld[Up] && fighter->currentAction == 16) submitMove(35);
    else if (directionHeld[Down] && fighter->currentAction == 17) submitMove(23);
}

void InputMachine::submitRandomMove() {
    if (!fighter) return;
    int r = static_cast<int>(crt::rand() / 32767.0 * 4.0 + 0.5);
    if (r >= 0 && r <= 3) submitMove(41);
}
