#include "fight/ActionIds.h"

#include <array>

namespace {

constexpr std::array<const char*, ActionCount> kClipFiles = {
    "29_IdleBouncing_Loop.X",              // 0
    nullptr,                               // 1 plays the clip of 0
    "32_AttentionToSparringStance.X",      // 2
    "35_Bowing.X",                         // 3
    "33_SwitchFeet.X",                     // 4
    "33_SwitchFeet_Am_A.X",                // 5
    "33_SwitchFeet_Am_B.X",                // 6
    "33_SwitchFeet_Am_C.X",                // 7
    "33_SwitchFeet_Am_D.X",                // 8
    "33_SwitchFeet_WCS_A.X",               // 9
    "33_SwitchFeet_WCS_B.X",               // 10
    "33_SwitchFeet_WCS_C.X",               // 11
    "33_SwitchFeet_WCS_D.X",               // 12
    "20_Jumping.X",                        // 13
    "34_Kipup.X",                          // 14
    "45_Fake.X",                           // 15
    "14_Chujin.X",                         // 16
    "15_Fujin.X",                          // 17
    "16_SideStepToRightSide.X",            // 18
    "17_SidestepToLeftSide.X",             // 19
    "18_RunningCharge.X",                  // 20
    "19_RunningRetreat.X",                 // 21
    "01_RearLegRoundHouseBodyTarget.X",    // 22
    "02_FrontLegRoundhouseBodyTarget.X",   // 23
    "03_RearLegRoundhouseHeadTarget.X",    // 24
    "05_RearLegAxeKick.X",                 // 25
    "06_FrontLegFrontHookKick.X",          // 26
    "10_RearLegPushKick.X",                // 27
    "11_FrontLegPushCutKick.X",            // 28
    "12_ReaLegBackKick_rt.X",              // 29
    "13_SpinningHookKick.X",               // 30
    "21_JumpingRearLegRoundhouseKick.X",   // 31
    "22_JumpFrontLegRoundhouseKick.X",     // 32
    "25_JumpingSpinHookKick.X",            // 33
    "47_JumpingSideKick.X",                // 34
    "26_DoublePunch.X",                    // 35
    "27_SinglePunchFront.X",               // 36
    "28_SinglePunchRear.X",                // 37
    "08_TorsoBlock_RT.X",                  // 38
    "09_HeadBlock_RT.X",                   // 39
    "09_HeadBlock_RT-B.X",                 // 40
    "14_Chujin.X",                         // 41
    "15_Fujin.X",                          // 42
    "17_SidestepToLeftSide.X",             // 43
    "16_SideStepToRightSide.X",            // 44
    "24_JumpingBackKick.X",                // 45
    "000_walkcycle_left-ft-fwd.X",         // 46
    "31_IdleBouncingTired.X",              // 47
    "01_RearLegRoundHouseBodyTarget.X",    // 48
    "05_RearLegAxeKick.X",                 // 49
    nullptr,                               // 50
    nullptr,                               // 51 becomes a walk 41-44
    nullptr,                               // 52 becomes a quick step 16-21
    nullptr,                               // 53
    nullptr,                               // 54
};

// Action asked for by each move 0-53 (0 for move 0).
constexpr std::array<int, MoveCount> kMoveActions = {
    0,                                   // 0
    51, 51, 51, 51, 51, 51, 51, 51,      // 1-8 walk in eight directions
    22, 23, 24, 25, 26, 38, 39, 27, 28, 29,  // 9-18
    52, 52, 52, 52,                      // 19-22 quick steps
    21, 13, 31, 32, 35, 36, 37, 4, 14, 15,   // 23-32
    40, 30, 20, 33, 1, 2, 5, 6, 7, 8,    // 33-42
    9, 10, 11, 12, 3, 45, 34, 53, 54, 48, 49,  // 43-53
};

constexpr std::array<int, ActionCount> buildActionMoves() {
    std::array<int, ActionCount> moves{};
    std::array<int, ActionCount> reached{};
    for (int move = 1; move < MoveCount; ++move) {
        const int action = kMoveActions[move];
        ++reached[action];
        moves[action] = move;
    }
    // Only an action that exactly one move reaches maps back to it.
    for (int action = 0; action < ActionCount; ++action)
        if (reached[action] != 1) moves[action] = 0;
    return moves;
}

constexpr std::array<int, ActionCount> kActionMoves = buildActionMoves();

bool isTorsoPart(int part) { return part >= 0 && part <= 3; }

bool isStrikingLimb(int part) {
    return part == 6 || part == 9 || part == 11 || part == 12 || part == 14 || part == 15;
}

}  // namespace

const char* actionAnimationFile(int action) {
    if (action < 0 || action >= ActionCount) return nullptr;
    return kClipFiles[action];
}

const char* actionMirroredAnimationFile(int action) {
    if (action == ActionWalkCycle) return "000_walkcycle_right-ft-fwd.X";
    return actionAnimationFile(action);
}

int actionClipOwner(int action) { return action == ActionIdleSecond ? ActionIdle : action; }

bool isActionGroupIdle(int action) {
    switch (action) {
        case 0: case 1: case 41: case 42: case 43: case 44: case 46: case 47: case 51:
            return true;
        default:
            return false;
    }
}

bool isWalkingAction(int action) {
    switch (action) {
        case 41: case 42: case 43: case 44: case 46: case 51:
            return true;
        default:
            return false;
    }
}

bool isActionSwitchFeetVariant(int action) { return action >= 5 && action <= 8; }

bool isRoundhouseKick(int action) {
    switch (action) {
        case 22: case 23: case 24: case 31: case 32: case 48:
            return true;
        default:
            return false;
    }
}

bool isHookKick(int action) { return action == 26 || action == 30 || action == 33; }

bool isAxeOrPushKick(int action) {
    return action == 25 || action == 27 || action == 28 || action == 49;
}

bool isBackKick(int action) { return action == 29 || action == 34 || action == 45; }

bool isKick(int action) {
    return isRoundhouseKick(action) || isHookKick(action) || isAxeOrPushKick(action) ||
           isBackKick(action);
}

bool isActionGroup22_23_26_27_28_48(int action) {
    switch (action) {
        case 22: case 23: case 26: case 27: case 28: case 48:
            return true;
        default:
            return false;
    }
}

bool isActionGroup24_25_29_30_49(int action) {
    switch (action) {
        case 24: case 25: case 29: case 30: case 49:
            return true;
        default:
            return false;
    }
}

bool isActionGroup31to34or45(int action) {
    return (action >= 31 && action <= 34) || action == 45;
}

bool isActionGroup35to37(int action) { return action >= 35 && action <= 37; }

bool isActionGroupActive(int action) {
    if (isActionGroupIdle(action)) return false;
    if (action >= 1 && action <= 12) return false;
    if (action == 14) return false;
    if (action >= 16 && action <= 21) return false;
    if (action >= 38 && action <= 40) return false;
    return true;
}

bool isActionGroupQueueable(int action) {
    if (isActionGroupIdle(action)) return false;
    switch (action) {
        case 1: case 2: case 3: case 14: case 20: case 21:
            return false;
        default:
            return true;
    }
}

int comboMoveToAction(int move) {
    if (move <= 0 || move >= MoveCount) return ActionIdle;
    return kMoveActions[move];
}

int actionToComboMove(int action) {
    if (action < 0 || action >= ActionCount) return 0;
    return kActionMoves[action];
}

bool isChainableMove(int move) {
    if (move >= 0 && move <= 8) return false;
    switch (move) {
        case 23: case 31: case 35: case 37: case 38: case 47:
            return false;
        default:
            return true;
    }
}

bool isWalkDirection(int move) { return move >= 1 && move <= 8; }

bool isContactBodyPart(int part) { return isTorsoPart(part) || isStrikingLimb(part); }

bool isLimbOnTorsoContact(int striking, int struck) {
    return isTorsoPart(struck) && isStrikingLimb(striking);
}

bool isLimbTorsoPair(int a, int b) {
    return isLimbOnTorsoContact(a, b) || isLimbOnTorsoContact(b, a);
}
