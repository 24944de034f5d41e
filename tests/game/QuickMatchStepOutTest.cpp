// A quick match through the real menus in which the player walks off the mat and then only
// stands: the referee puts both fighters back on their marks, and from there the computer must
// still see where the player really is, walk in, kick and score.
#include <algorithm>

#include "QuickMatchRig.h"
#include "fight/ActionIds.h"
#include "platform/win32/crt.h"
#include "tests/support/MirrorReads.h"

using namespace quicktest;

namespace {

constexpr int LeftArrow = 203;
constexpr int Space = 57;
constexpr int BlueSteppedOut = 13;
constexpr int QuietLimitFrames = 300;  // five seconds without a kick from the computer
constexpr int ScoreLimitFrames = 1800;  // it scores on a player who only stands within 30 s

}  // namespace

TEST_F(QuickMatch, AfterThePlayerStepsOutTheComputerSeesHimOnHisMarkAndFightsOn) {
    build();
    openSetup();
    crt::srand(3);
    click(FightNow);
    ASSERT_EQ(battle->getBattle().battleMode, 1);
    FighterInstance* a = battle->getFighterFieldA();
    FighterInstance* b = battle->getFighterFieldB();
    ASSERT_TRUE(a->aiFighter && b->aiFighter) << "both fighters carry a mirror for the other's script";
    vtKeySet(Space, 1);
    frame();
    vtKeySet(Space, 0);
    ASSERT_TRUE(frameUntil([&] { return battle->getBattleState() == FightingState; }, 3000)) << "no fight";

    // The player walks left until the referee stops the match.
    vtKeySet(LeftArrow, 1);
    ASSERT_TRUE(frameUntil([&] { return battle->getBattleState() == BlueSteppedOut; }, 1200)) << "never stepped out";
    vtKeySet(LeftArrow, 0);
    // Back to the marks, the half penalty's banner, then the fight again.
    ASSERT_TRUE(frameUntil([&] { return battle->getBattleState() == FightingState; }, 1200)) << "no fight again";
    EXPECT_EQ(a->halfPenalties, 1);
    EXPECT_EQ(a->location.x, a->startLocation.x);
    EXPECT_EQ(a->location.z, a->startLocation.z);
    for (const FighterInstance* f : {a, b})
        EXPECT_LT(mirrorreads::mirrorDrift(*f), 0.01f) << (f == a ? "blue" : "red") << " is seen off its mark";

    // From the marks: the computer walks in and kicks, never quiet for long, and scores.
    int frameCount = 0, quiet = 0, quietest = 0, kicks = 0, lastAction = b->currentAction;
    float drift = 0.0f;
    Vector3 before[2] = {a->location, b->location};
    for (; frameCount < ScoreLimitFrames && b->matchPoints == 0; ++frameCount) {
        const float clock = battle->getBattle().matchClock;
        frame();
        const bool fought = battle->getBattleState() == FightingState && battle->getBattle().matchClock < clock;
        const bool kicked = b->currentAction != lastAction && isKick(b->currentAction);
        lastAction = b->currentAction;
        kicks += kicked;
        quiet = fought && !kicked ? quiet + 1 : 0;
        quietest = std::max(quietest, quiet);
        drift = std::max({drift, mirrorreads::mirrorDrift(*a, before[0]), mirrorreads::mirrorDrift(*b, before[1])});
        before[0] = a->location;
        before[1] = b->location;
    }
    EXPECT_GT(b->matchPoints, 0) << "the computer never scored on a standing player in " << frameCount << " frames ("
                                 << kicks << " kicks)";
    EXPECT_LE(quietest, QuietLimitFrames) << "the computer stood without kicking";
    EXPECT_LE(drift, 0.25f) << "a script saw a fighter away from its place";
    single->forfeitMatch();
    EXPECT_EQ(battle->getBattle().battleMode, 0);
}
