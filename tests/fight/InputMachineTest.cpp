// The input machine driven as the battle drives it: keys injected into the engine, polled
// through the fighter's own input mapper, the changed bits fed in bit order, then the tick.
// At 1/64 s a frame the chord window closes on its 5th tick and a tap on its 8th.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "fight/FighterCombo.h"
#include "fight/FighterInstance.h"
#include "fight/InputMachine.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "platform/win32/crt.h"

namespace {

enum Key { Up = 200, Down = 208, Left = 203, Right = 205, A = 30, S = 31, D = 32, W = 17,
           Ctrl = 29, Shift = 42, Space = 57, Alt = 56 };

class InputMachineTest : public ::testing::Test {
protected:
    void SetUp() override {
        vtReset();
        vtSetDrawing(0);
        vtSetFixedFrameTime(1.0f / 64.0f);
        ASSERT_EQ(iVortaneOpen(nullptr, nullptr), 1);
        machine.setFighter(&fighter);
    }
    void TearDown() override { vtReset(); }

    // One frame of the battle; returns the fighter's requested move after the tick.
    int frame(bool clearRequest = true) {
        iVortaneMain();
        if (clearRequest) fighter.requestedControl = 0;
        const uint64_t mask = fighter.inputMapper.poll() & 0xFFF;
        const uint64_t changed = mask ^ previousMask;
        using Edge = void (InputMachine::*)();
        static const Edge presses[12] = {
            &InputMachine::pressUp, &InputMachine::pressDown, &InputMachine::pressLeft,
            &InputMachine::pressRight, &InputMachine::pressButton0, &InputMachine::pressButton1,
            &InputMachine::pressButton2, &InputMachine::pressButton3, &InputMachine::pressButton4,
            &InputMachine::pressButton5, &InputMachine::pressButton6, &InputMachine::pressButton7};
        static const Edge releases[12] = {
            &InputMachine::releaseUp, &InputMachine::releaseDown, &InputMachine::releaseLeft,
            &InputMachine::releaseRight, &InputMachine::releaseButton0, &InputMachine::releaseButton1,
            &InputMachine::releaseButton2, &InputMachine::releaseButton3, &InputMachine::releaseButton4,
            &InputMachine::releaseButton5, &InputMachine::releaseButton6, &InputMachine::releaseButton7};
        for (int bit = 0; bit < 12; ++bit) {
            if (!(changed & (uint64_t(1) << bit))) continue;
            (machine.*((mask >> bit) & 1 ? presses : releases)[bit])();
        }
        previousMask = mask;
        machine.tick();
        return fighter.requestedControl;
    }

    static void key(int code, bool down) { vtKeySet(code, down ? 1 : 0); }

    // Presses the keys together, runs frames until the chord window has closed, releases them
    // and lets one frame pass; returns every move requested on the way.
    std::vector<int> chord(std::vector<int> keys) {
        std::vector<int> moves;
        for (int k : keys) key(k, true);
        for (int i = 0; i < 5; ++i)
            if (int m = frame()) moves.push_back(m);
        for (int k : keys) key(k, false);
        if (int m = frame()) moves.push_back(m);
        return moves;
    }

    FighterInstance fighter;
    InputMachine machine;
    uint64_t previousMask = 0;
};

}  // namespace

TEST_F(InputMachineTest, ChordsBecomeMovesWhenTheWindowCloses) {
    key(A, true);
    for (int f = 1; f <= 4; ++f) EXPECT_EQ(frame(), 0) << "frame " << f;
    EXPECT_EQ(frame(), 9);
    key(A, false);
    EXPECT_EQ(frame(), 0);

    // A then S two frames later: one chord, the rear-hand punch.
    key(A, true);
    EXPECT_EQ(frame(), 0);
    EXPECT_EQ(frame(), 0);
    key(S, true);
    EXPECT_EQ(frame(), 0);
    EXPECT_EQ(frame(), 0);
    EXPECT_EQ(frame(), 29);
    key(A, false);
    key(S, false);
    frame();

    // Releasing the button closes the window at once.
    key(A, true);
    EXPECT_EQ(frame(), 0);
    key(A, false);
    EXPECT_EQ(frame(), 9);

    EXPECT_EQ(chord({S}), std::vector<int>{16});
    EXPECT_EQ(chord({D}), std::vector<int>{10});
    EXPECT_EQ(chord({W}), std::vector<int>{13});
    EXPECT_EQ(chord({D, W}), std::vector<int>{28});
}

TEST_F(InputMachineTest, ModifiersPickTheVariantOrNothing) {
    // Left Ctrl with A: the switch-feet variant whenever the chord's draw is below 28672.
    std::vector<int> draws;
    crt::srand(1);
    for (int i = 0; i < 800; ++i) draws.push_back(crt::rand());
    crt::srand(1);
    key(Ctrl, true);
    frame();
    int variants = 0;
    for (int i = 0; i < 800; ++i) {
        std::vector<int> moves = chord({A});
        std::vector<int> expected;
        if (draws[i] < 28672) expected.push_back(41);
        ASSERT_EQ(moves, expected) << "chord " << i;
        variants += static_cast<int>(moves.size());
    }
    EXPECT_NEAR(variants, 700, 40);

    // Left Ctrl with S guards the trunk directly, even in the middle of a kick.
    fighter.currentAction = 22;
    EXPECT_EQ(chord({S}), std::vector<int>{14});
    fighter.currentAction = 0;
    key(Ctrl, false);
    frame();

    key(Space, true);
    frame();
    EXPECT_TRUE(chord({A}).empty());
    key(Space, false);
    key(Shift, true);
    frame();
    EXPECT_TRUE(chord({S}).empty());
    key(Shift, false);
    key(Alt, true);
    frame();
    EXPECT_EQ(chord({S}), std::vector<int>{18});
    EXPECT_TRUE(chord({A}).empty());
}

TEST_F(InputMachineTest, QuickTapsStepAndHeldDirectionsWalk) {
    const int keys[4] = {Up, Down, Left, Right};
    const int walks[4] = {3, 4, 1, 2};
    const int taps[4] = {19, 20, 22, 21};
    for (int d = 0; d < 4; ++d) {
        key(keys[d], true);
        for (int f = 1; f <= 3; ++f) EXPECT_EQ(frame(), walks[d]) << "direction " << d;
        key(keys[d], false);
        EXPECT_EQ(frame(), taps[d]) << "direction " << d;
        EXPECT_EQ(frame(), 0);
    }

    // Held past the tap limit: it only walks.
    key(Up, true);
    for (int f = 1; f <= 16; ++f) EXPECT_EQ(frame(), 3);
    key(Up, false);
    EXPECT_EQ(frame(), 0);

    // A second direction cancels the tap.
    key(Up, true);
    frame();
    key(Left, true);
    EXPECT_EQ(frame(), 5);
    key(Up, false);
    key(Left, false);
    EXPECT_EQ(frame(), 0);

    // A direction pressed inside an open chord window starts no tap.
    key(A, true);
    frame();
    key(Up, true);
    frame();
    key(Up, false);
    std::vector<int> moves;
    for (int f = 0; f < 6; ++f) moves.push_back(frame());
    EXPECT_EQ(std::count(moves.begin(), moves.end(), 19), 0);
    EXPECT_EQ(std::count(moves.begin(), moves.end(), 9), 1);
    key(A, false);
    frame();
}

TEST_F(InputMachineTest, APendingMoveHoldsEveryWindow) {
    fighter.requestedControl = 7;
    key(A, true);
    for (int f = 0; f < 10; ++f) EXPECT_EQ(frame(false), 7);
    EXPECT_TRUE(machine.isChordWindowOpen());
    // Once the move has been taken the window still has its full length to run.
    for (int f = 1; f <= 4; ++f) EXPECT_EQ(frame(), 0);
    EXPECT_EQ(frame(), 9);
}

TEST_F(InputMachineTest, FollowUpsAreQueuedOnlyWhenTheComboAllowsThem) {
    fighter.currentAction = 22;
    fighter.combos[0].addUnique(FighterCombo(22, 27, true));
    chord({S});
    EXPECT_EQ(fighter.controlQueue, std::deque<int>{16});
    EXPECT_EQ(fighter.requestedControl, 0);

    fighter.controlQueue.clear();
    fighter.combos[0].clear();
    fighter.combos[0].addUnique(FighterCombo(22, 27, false));
    chord({S});
    EXPECT_TRUE(fighter.controlQueue.empty());
    fighter.queuedMoveStarted = true;
    chord({S});
    EXPECT_EQ(fighter.controlQueue, std::deque<int>{16});

    fighter.controlQueue.clear();
    machine.submitMove(3);
    EXPECT_TRUE(fighter.controlQueue.empty());
    EXPECT_EQ(fighter.requestedControl, 0);
}

TEST_F(InputMachineTest, TheLockGuardsWithTheDirections) {
    machine.lock();
    EXPECT_EQ(fighter.requestedControl, 50);
    EXPECT_TRUE(fighter.inputLocked);
    key(Up, true);
    EXPECT_EQ(frame(), 33);
    key(Up, false);
    frame();
    key(Down, true);
    EXPECT_EQ(frame(), 14);
    key(Down, false);
    frame();
    EXPECT_TRUE(chord({A}).empty());

    fighter.controlQueue = {50, 9};
    fighter.requestedControl = 0;
    machine.unlock();
    EXPECT_TRUE(fighter.controlQueue.empty());
    EXPECT_EQ(fighter.requestedControl, 51);
    EXPECT_FALSE(fighter.inputLocked);
}
