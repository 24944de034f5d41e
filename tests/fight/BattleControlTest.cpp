// Who gets control in the battle's frame: keys for a human, the script for an AI fighter, taps
// for a fighter who is down, nobody under the developer camera; and the arena's spark script,
// which speaks on its own timer.
#include <memory>

#include "BattleTestSupport.h"
#include "script/AIMaster.h"
#include "script/ScriptMaster.h"
#include "tests/script/ScriptTestFolder.h"

namespace {

constexpr int KeyUp = 200;
constexpr int KeyA = 30;  // binding 4, the tap to get up
constexpr uint64_t Up = 0x1, Button0 = 0x10;

using BattleControl = BattleOnTestFiles;

TEST_F(BattleControl, DirectionThatStepsHoldsTheButtonForTheNextFrame) {
    FighterInstance& a = battle->fighterA;
    // The frame's request is a step (23); pressing up starts a tap, and the button waits.
    a.requestedControl = 23;
    battle->applyInputMask(&a, Up | Button0);
    EXPECT_EQ(a.previousInputMask, 0u);
    EXPECT_TRUE(battle->inputMachineA.isTapRunning()) << "button 0 not pressed yet";

    a.requestedControl = 0;
    battle->applyInputMask(&a, Up | Button0);
    EXPECT_FALSE(battle->inputMachineA.isTapRunning()) << "button 0 pressed now";
    EXPECT_EQ(a.previousInputMask, Up | Button0);
}

TEST_F(BattleControl, DownFighterOnlyTaps) {
    FighterInstance& a = battle->fighterA;
    battle->setState(7);
    vtKeySet(KeyA, 1);
    vtKeySet(KeyUp, 1);
    frame();
    EXPECT_TRUE(a.tapped);
    EXPECT_EQ(a.previousInputMask, 0u) << "held inputs wait for the fight";

    a.tapped = false;
    frame();
    EXPECT_FALSE(a.tapped) << "a held key is one tap";

    battle->setState(0);
    frame();
    EXPECT_EQ(a.previousInputMask & (Up | 0x10), Up | 0x10);
}

TEST_F(BattleControl, AiFighterIsNeverPolledAndAHumanAlwaysUnlessTheDeveloperCameraIsOn) {
    FighterInstance& a = battle->fighterA;
    FighterInstance& b = battle->fighterB;
    a.aiDriven = true;
    b.startAction(22);
    vtKeySet(KeyUp, 1);
    frame();
    EXPECT_EQ(a.inputMask, 0u);
    EXPECT_EQ(b.currentAction, 22);
    EXPECT_EQ(b.inputMask & Up, Up) << "polled while kicking";
    EXPECT_EQ(b.previousInputMask & Up, Up);

    // The developer camera takes the keys, but the fighters' movement plays on.
    a.aiDriven = false;
    battle->setDeveloperCameraActive(true);
    a.startAction(22);
    const float timer = a.stateTimer;
    frame();
    EXPECT_EQ(a.inputMask, 0u);
    EXPECT_GT(a.stateTimer, timer) << "the kick plays on";
    battle->setDeveloperCameraActive(false);
    frame();
    EXPECT_EQ(a.inputMask & Up, Up);
}

// The scripts the battle talks to: fighters that walk in and kick, and a crowd that cheers.
class BattleScripts : public BattleOnTestFiles {
protected:
    void SetUp() override {
        BattleOnTestFiles::SetUp();
        scripts.module("controls", "IDLE = 0\n");
        scripts.module("fighter", R"(
class AIFighter:
    def __init__(self):
        self.location = [0.0, 0.0, 0.0]

class Fighter:
    def __init__(self, module, speed):
        self.module = module
        self.ai_fighter = AIFighter()
    def decide(self, opponent):
        return self.module.decide() if self.module else (0,)

class Spark:
    def __init__(self, module, fighterA, fighterB):
        self.calls = 0
    def decide(self, flag):
        self.calls += 1
        return ('cheer',)
)");
        scripts.module("walker", "def decide():\n    return ([41, 22, 23],)\n");
        scripts.module("crowd", "");
        script = std::make_unique<Tavek::ScriptMaster>(scripts.folder());
        ai = std::make_unique<Tavek::AIMaster>(script.get());
        battle->setAIMaster(ai.get());
        battle->setUp(1, 1, true, 0, 60.0f, true);
    }
    void TearDown() override {
        battle.reset();
        ai.reset();
        script.reset();
        BattleOnTestFiles::TearDown();
    }

    ScriptTestFolder scripts;
    std::unique_ptr<Tavek::ScriptMaster> script;
    std::unique_ptr<Tavek::AIMaster> ai;
};

TEST_F(BattleScripts, ArenaSparkSpeaksAtMostEveryThreeQuarterSeconds) {
    battle->attachSparkAI2("crowd");
    for (int i = 0; i < 150; ++i) frame();
    std::vector<int> frames;
    for (const auto& p : sounds->played) {
        EXPECT_EQ(p.group, "arena1");
        EXPECT_EQ(p.event, "cheer");
        frames.push_back(p.frame);
    }
    ASSERT_EQ(frames.size(), 3u);
    EXPECT_GE(frames[0], 45);
    for (size_t i = 1; i < frames.size(); ++i) EXPECT_GE(frames[i] - frames[i - 1], 45);
}

TEST_F(BattleScripts, CachedListChoiceKeepsOneCopyOfItsTail) {
    FighterInstance& a = battle->fighterA;
    battle->attachFighterAIA("walker", 0.0);
    battle->setFightActive(true);
    a.currentAction = 41;  // walking keeps the fighter idle, so the AI is asked every frame
    for (int i = 0; i < 10; ++i) {
        battle->controlFighter(&a);
        ASSERT_EQ(a.controlQueue.size(), 2u) << "frame " << i;
    }
    EXPECT_EQ(a.controlQueue.front(), 22);
    EXPECT_EQ(a.requestedControl, 41);
}

}  // namespace
