// The action and move vocabulary, walked id by id against the tables the fight code relies on.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "fight/ActionIds.h"

namespace {

using Predicate = bool (*)(int);

// Checks a predicate over every action id (and a few outside the range) against a member set.
void expectSet(const char* name, Predicate predicate, const std::set<int>& members,
               bool outsideRange) {
    for (int id = -3; id <= 60; ++id) {
        const bool expected = (id >= 0 && id <= 54) ? members.count(id) > 0 : outsideRange;
        EXPECT_EQ(predicate(id), expected) << name << " of " << id;
    }
}

std::set<int> allActionsExcept(const std::set<int>& excluded) {
    std::set<int> out;
    for (int id = 0; id <= 54; ++id)
        if (!excluded.count(id)) out.insert(id);
    return out;
}

}  // namespace

TEST(FightActionSets, IdleAndWalking) {
    expectSet("idle", isActionGroupIdle, {0, 1, 41, 42, 43, 44, 46, 47, 51}, false);
    expectSet("walking", isWalkingAction, {41, 42, 43, 44, 46, 51}, false);
    expectSet("switch feet", isActionSwitchFeetVariant, {5, 6, 7, 8}, false);
}

TEST(FightActionSets, KickFamiliesAndGrades) {
    expectSet("roundhouse", isRoundhouseKick, {22, 23, 24, 31, 32, 48}, false);
    expectSet("hook", isHookKick, {26, 30, 33}, false);
    expectSet("axe/push", isAxeOrPushKick, {25, 27, 28, 49}, false);
    expectSet("back", isBackKick, {29, 34, 45}, false);
    expectSet("kick", isKick, {22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 45, 48, 49}, false);
    expectSet("basic", isActionGroup22_23_26_27_28_48, {22, 23, 26, 27, 28, 48}, false);
    expectSet("advanced", isActionGroup24_25_29_30_49, {24, 25, 29, 30, 49}, false);
    expectSet("jumping", isActionGroup31to34or45, {31, 32, 33, 34, 45}, false);
    expectSet("punch", isActionGroup35to37, {35, 36, 37}, false);

    // Every kick is in exactly one family and exactly one grade.
    for (int id = 0; id <= 54; ++id) {
        const int families = isRoundhouseKick(id) + isHookKick(id) + isAxeOrPushKick(id) + isBackKick(id);
        const int grades = isActionGroup22_23_26_27_28_48(id) + isActionGroup24_25_29_30_49(id) +
                           isActionGroup31to34or45(id);
        EXPECT_EQ(families, isKick(id) ? 1 : 0) << id;
        EXPECT_EQ(grades, isKick(id) ? 1 : 0) << id;
    }
}

TEST(FightActionSets, ActiveAndQueueable) {
    expectSet("active",
              isActionGroupActive,
              allActionsExcept({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14, 16, 17, 18, 19, 20, 21,
                                38, 39, 40, 41, 42, 43, 44, 46, 47, 51}),
              true);
    expectSet("queueable", isActionGroupQueueable,
              allActionsExcept({0, 1, 2, 3, 14, 20, 21, 41, 42, 43, 44, 46, 47, 51}), true);
}

TEST(FightActionClips, FileNames) {
    // The clip names themselves are checked by loading the real pack; here, who owns which clip.
    EXPECT_STREQ(actionAnimationFile(0), "29_IdleBouncing_Loop.X");
    EXPECT_EQ(actionAnimationFile(1), nullptr);
    EXPECT_EQ(actionClipOwner(1), 0);
    EXPECT_EQ(actionClipOwner(22), 22);
    EXPECT_STREQ(actionAnimationFile(46), "000_walkcycle_left-ft-fwd.X");
    EXPECT_STREQ(actionMirroredAnimationFile(46), "000_walkcycle_right-ft-fwd.X");
    EXPECT_STREQ(actionMirroredAnimationFile(47), "31_IdleBouncingTired.X");
    // 48 and 49 share the clips of 22 and 25.
    EXPECT_STREQ(actionAnimationFile(48), actionAnimationFile(22));
    EXPECT_STREQ(actionAnimationFile(49), actionAnimationFile(25));
    for (int id : {50, 51, 52, 53, 54, 55, 99, -1}) EXPECT_EQ(actionAnimationFile(id), nullptr) << id;
    // Every other action has a clip of its own, with the extension the loader expects.
    for (int id = 0; id <= 49; ++id) {
        if (id == 1) continue;
        ASSERT_NE(actionAnimationFile(id), nullptr) << id;
        const std::string name = actionAnimationFile(id);
        EXPECT_EQ(name.substr(name.size() - 2), ".X") << id;
    }
}

TEST(FightMoves, ActionToMoveIsTheInverseWhereUnique) {
    // Every walk direction walks; moves outside the list are the idle action.
    for (int move = 1; move <= 8; ++move) EXPECT_EQ(comboMoveToAction(move), 51) << move;
    for (int move : {0, 54, -1, 1000}) EXPECT_EQ(comboMoveToAction(move), 0) << move;
    const std::set<int> unreached = {0, 16, 17, 18, 19, 41, 42, 43, 44, 46, 47, 50, 51, 52};
    for (int action = -2; action <= 60; ++action) {
        const int move = actionToComboMove(action);
        if (action < 0 || action > 54 || unreached.count(action)) {
            EXPECT_EQ(move, 0) << action;
        } else {
            ASSERT_NE(move, 0) << action;
            EXPECT_EQ(comboMoveToAction(move), action) << action;
        }
    }
    EXPECT_EQ(actionToComboMove(45), 48);
    EXPECT_EQ(actionToComboMove(53), 50);
    EXPECT_EQ(actionToComboMove(1), 37);
}

TEST(FightMoves, ChainableAndWalkDirections) {
    const std::set<int> notChainable = {0, 1, 2, 3, 4, 5, 6, 7, 8, 23, 31, 35, 37, 38, 47};
    for (int move = -2; move <= 60; ++move) {
        EXPECT_EQ(isChainableMove(move), notChainable.count(move) == 0) << move;
        EXPECT_EQ(isWalkDirection(move), move >= 1 && move <= 8) << move;
    }
}

TEST(FightBodyParts, ContactSets) {
    const std::set<int> contact = {0, 1, 2, 3, 6, 9, 11, 12, 14, 15};
    const std::set<int> torso = {0, 1, 2, 3};
    const std::set<int> limbs = {6, 9, 11, 12, 14, 15};
    for (int a = -1; a <= 16; ++a) {
        EXPECT_EQ(isContactBodyPart(a), contact.count(a) > 0) << a;
        for (int b = -1; b <= 16; ++b) {
            const bool onTorso = limbs.count(a) && torso.count(b);
            EXPECT_EQ(isLimbOnTorsoContact(a, b), onTorso) << a << "," << b;
            EXPECT_EQ(isLimbTorsoPair(a, b), onTorso || (limbs.count(b) && torso.count(a)))
                << a << "," << b;
        }
    }
    EXPECT_TRUE(isLimbOnTorsoContact(12, 3));
    EXPECT_FALSE(isLimbOnTorsoContact(3, 12));
    EXPECT_TRUE(isLimbTorsoPair(3, 12));
    EXPECT_FALSE(isLimbTorsoPair(0, 3));
    EXPECT_FALSE(isLimbTorsoPair(6, 15));
}
