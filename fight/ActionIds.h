// What a fighter can do (action ids 0-54) and what input can ask for (move ids 1-53),
// the maps between them and the fixed sets of ids that the fight code tests.
// Every function here is a pure function of its arguments.
#pragma once

// Action ids with a name of their own in the fight code.
enum ActionId {
    ActionIdle = 0,
    ActionIdleSecond = 1,
    ActionQuickStepForward = 16,
    ActionQuickStepBack = 17,
    ActionWalkForward = 41,
    ActionWalkBack = 42,
    ActionWalkLeft = 43,
    ActionWalkRight = 44,
    ActionWalkCycle = 46,
    ActionTiredIdle = 47,
    ActionNone = 50,
    ActionWalkRequest = 51,
    ActionQuickStepRequest = 52,
    ActionBlockingOn = 53,
    ActionBlockingOff = 54,
};

constexpr int ActionCount = 55;   // ids 0-54
constexpr int MoveCount = 54;     // ids 0-53, 0 meaning no move

// Folders of the action clips; every clip has a mirrored copy of the same name.
constexpr const char* ActionClipFolder = "Tavek_res\\skinmeshes";
constexpr const char* ActionMirroredClipFolder = "Tavek_res\\skinmeshes\\Mirrored";

// The clip file of an action, or nullptr when the action has none of its own.
const char* actionAnimationFile(int action);
// The same for the mirrored folder (only the walk cycle differs in name).
const char* actionMirroredAnimationFile(int action);
// The action whose clip an action plays: 1 plays the clip of 0, every other action its own.
int actionClipOwner(int action);

// Action sets.
bool isActionGroupIdle(int action);
bool isWalkingAction(int action);
bool isActionSwitchFeetVariant(int action);
bool isRoundhouseKick(int action);
bool isHookKick(int action);
bool isAxeOrPushKick(int action);
bool isBackKick(int action);
bool isKick(int action);
bool isActionGroup22_23_26_27_28_48(int action);   // basic kicks
bool isActionGroup24_25_29_30_49(int action);      // advanced kicks
bool isActionGroup31to34or45(int action);          // jumping kicks
bool isActionGroup35to37(int action);              // punches
bool isActionGroupActive(int action);
bool isActionGroupQueueable(int action);

// Move ids.
int comboMoveToAction(int move);
int actionToComboMove(int action);
bool isChainableMove(int move);
bool isWalkDirection(int move);

// Body-part indices of the sixteen main parts (0-3 torso and head, 4-9 arms, 10-15 legs).
bool isContactBodyPart(int part);
bool isLimbOnTorsoContact(int striking, int struck);
bool isLimbTorsoPair(int a, int b);
