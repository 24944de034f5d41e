#include "fight/ActionIds.h"

#include <array>

namespace {

// What each action is: its clip, the sets it belongs to, its kick family and kind of strike.
enum ActionFlags : unsigned {
    Idle = 1,        // idle or walking: a new request may replace it at once
    Walking = 2,
    Active = 4,
    Queueable = 8,
};
enum KickFamily { NoFamily, Roundhouse, Hook, AxeOrPush, Back };
enum Strike { NoStrike, BasicKick, AdvancedKick, JumpingKick, Punch };

struct ActionRow {
    const char* clip;   // nullptr: no clip of its own
    unsigned flags;
    KickFamily family;
    Strike strike;
};

constexpr ActionRow kActions[ActionCount] = {
    // clip                               sets                 kick family strike
    {"29_IdleBouncing_Loop.X",             Idle,                NoFamily,   NoStrike},     // 0
    {nullptr,                              Idle,                NoFamily,   NoStrike},     // 1 plays the clip of 0
    {"32_AttentionToSparringStance.X",     0,                   NoFamily,   NoStrike},     // 2
    {"35_Bowing.X",                        0,                   NoFamily,   NoStrike},     // 3
    {"33_SwitchFeet.X",                    Queueable,           NoFamily,   NoStrike},     // 4
    {"33_SwitchFeet_Am_A.X",               Queueable,           NoFamily,   NoStrike},     // 5
    {"33_SwitchFeet_Am_B.X",               Queueable,           NoFamily,   NoStrike},     // 6
    {"33_SwitchFeet_Am_C.X",               Queueable,           NoFamily,   NoStrike},     // 7
    {"33_SwitchFeet_Am_D.X",               Queueable,           NoFamily,   NoStrike},     // 8
    {"33_SwitchFeet_WCS_A.X",              Queueable,           NoFamily,   NoStrike},     // 9
    {"33_SwitchFeet_WCS_B.X",              Queueable,           NoFamily,   NoStrike},     // 10
    {"33_SwitchFeet_WCS_C.X",              Queueable,           NoFamily,   NoStrike},     // 11
    {"33_SwitchFeet_WCS_D.X",              Queueable,           NoFamily,   NoStrike},     // 12
    {"20_Jumping.X",                       Active | Queueable,  NoFamily,   NoStrike},     // 13
    {"34_Kipup.X",                         0,                   NoFamily,   NoStrike},     // 14
    {"45_Fake.X",                          Active | Queueable,  NoFamily,   NoStrike},     // 15
    {"14_Chujin.X",                        Queueable,           NoFamily,   NoStrike},     // 16
    {"15_Fujin.X",                         Queueable,           NoFamily,   NoStrike},     // 17
    {"16_SideStepToRightSide.X",           Queueable,           NoFamily,   NoStrike},     // 18
    {"17_SidestepToLeftSide.X",            Queueable,           NoFamily,   NoStrike},     // 19
    {"18_RunningCharge.X",                 0,                   NoFamily,   NoStrike},     // 20
    {"19_RunningRetreat.X",                0,                   NoFamily,   NoStrike},     // 21
    {"01_RearLegRoundHouseBodyTarget.X",   Active | Queueable,  Roundhouse, BasicKick},    // 22
    {"02_FrontLegRoundhouseBodyTarget.X",  Active | Queueable,  Roundhouse, BasicKick},    // 23
    {"03_RearLegRoundhouseHeadTarget.X",   Active | Queueable,  Roundhouse, AdvancedKick},  // 24
    {"05_RearLegAxeKick.X",                Active | Queueable,  AxeOrPush,  AdvancedKick},  // 25
    {"06_FrontLegFrontHookKick.X",         Active | Queueable,  Hook,       BasicKick},    // 26
    {"10_RearLegPushKick.X",               Active | Queueable,  AxeOrPush,  BasicKick},    // 27
    {"11_FrontLegPushCutKick.X",           Active | Queueable,  AxeOrPush,  BasicKick},    // 28
    {"12_ReaLegBackKick_rt.X",             Active | Queueable,  Back,       AdvancedKick},  // 29
    {"13_SpinningHookKick.X",              Active | Queueable,  Hook,       AdvancedKick},  // 30
    {"21_JumpingRearLegRoundhouseKick.X",  Active | Queueable,  Roundhouse, JumpingKick},  // 31
    {"22_JumpFrontLegRoundhouseKick.X",    Active | Queueable,  Roundhouse, JumpingKick},  // 32
    {"25_JumpingSpinHookKick.X",           Active | Queueable,  Hook,       JumpingKick},  // 33
    {"47_JumpingSideKick.X",               Active | Queueable,  Back,       JumpingKick},  // 34
    {"26_DoublePunch.X",                   Active | Queueable,  NoFamily,   Punch},        // 35
    {"27_SinglePunchFront.X",              Active | Queueable,  NoFamily,   Punch},        // 36
    {"28_SinglePunchRear.X",               Active | Queueable,  NoFamily,   Punch},        // 37
    {"08_TorsoBlock_RT.X",                 Queueable,           NoFamily,   NoStrike},     // 38
    {"09_HeadBlock_RT.X",                  Queueable,           NoFamily,   NoStrike},     // 39
    {"09_HeadBlock_RT-B.X",                Queueable,           NoFamily,   NoStrike},     // 40
    {"14_Chujin.X",                        Idle | Walking,      NoFamily,   NoStrike},     // 41
    {"15_Fujin.X",                         Idle | Walking,      NoFamily,   NoStrike},     // 42
    {"17_SidestepToLeftSide.X",            Idle | Walking,      NoFamily,   NoStrike},     // 43
    {"16_SideStepToRightSide.X",           Idle | Walking,      NoFamily,   NoStrike},     // 44
    {"24_JumpingBackKick.X",               Active | Queueable,  Back,       JumpingKick},  // 45
    {"000_walkcycle_left-ft-fwd.X",        Idle | Walking,      NoFamily,   NoStrike},     // 46
    {"31_IdleBouncingTired.X",             Idle,                NoFamily,   NoStrike},     // 47
    {"01_RearLegRoundHouseBodyTarget.X",   Active | Queueable,  Roundhouse, BasicKick},    // 48
    {"05_RearLegAxeKick.X",                Active | Queueable,  AxeOrPush,  AdvancedKick},  // 49
    {nullptr,                              Active | Queueable,  NoFamily,   NoStrike},     // 50
    {nullptr,                              Idle | Walking,      NoFamily,   NoStrike},     // 51 becomes a walk 41-44
    {nullptr,                              Active | Queueable,  NoFamily,   NoStrike},     // 52 becomes a quick step 16-21
    {nullptr,                              Active | Queueable,  NoFamily,   NoStrike},     // 53
    {nullptr,                              Active | Queueable,  NoFamily,   NoStrike},     // 54
};

// Any other id: no clip, in no set, but active and queueable.
constexpr ActionRow kUnknownAction = {nullptr, Active | Queueable, NoFamily, NoStrike};

constexpr const ActionRow& row(int action) {
    return action >= 0 && action < ActionCount ? kActions[action] : kUnknownAction;
}

constexpr bool hasFlag(int action, ActionFlags flag) { return (row(action).flags & flag) != 0; }

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

const char* actionAnimationFile(int action) { return row(action).clip; }

const char* actionMirroredAnimationFile(int action) {
    if (action == ActionWalkCycle) return "000_walkcycle_right-ft-fwd.X";
    return actionAnimationFile(action);
}

int actionClipOwner(int action) { return action == ActionIdleSecond ? ActionIdle : action; }

bool isActionGroupIdle(int action) { return hasFlag(action, Idle); }

bool isWalkingAction(int action) { return hasFlag(action, Walking); }

bool isActionSwitchFeetVariant(int action) { return action >= 5 && action <= 8; }

bool isRoundhouseKick(int action) { return row(action).family == Roundhouse; }

bool isHookKick(int action) { return row(action).family == Hook; }

bool isAxeOrPushKick(int action) { return row(action).family == AxeOrPush; }

bool isBackKick(int action) { return row(action).family == Back; }

bool isKick(int action) { return row(action).family != NoFamily; }

bool isActionGroup22_23_26_27_28_48(int action) { return row(action).strike == BasicKick; }

bool isActionGroup24_25_29_30_49(int action) { return row(action).strike == AdvancedKick; }

bool isActionGroup31to34or45(int action) { return row(action).strike == JumpingKick; }

bool isActionGroup35to37(int action) { return row(action).strike == Punch; }

bool isActionGroupActive(int action) { return hasFlag(action, Active); }

bool isActionGroupQueueable(int action) { return hasFlag(action, Queueable); }

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
