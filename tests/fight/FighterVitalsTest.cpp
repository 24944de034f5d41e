// A bare fighter's numbers: regeneration, the cost of actions, the shown score, the script
// mirror, the starts that are refused and the distance to the opponent.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <vector>

#include "fight/FighterInstance.h"
#include "RecordingBattle.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "script/ScriptException.h"

namespace {

class FighterVitals : public ::testing::Test {
protected:
    void SetUp() override {
        vtReset();
        vtSetDrawing(0);
        vtSetFixedFrameTime(1.0f / 64.0f);
        ASSERT_EQ(iVortaneOpen(nullptr, nullptr), 1);
    }
    void TearDown() override { vtReset(); }

    FighterInstance fighter;
};

// Records every value; setBalance fails as a broken script would.
class RecordingMirror : public AIFighterMirror {
public:
    explicit RecordingMirror(std::vector<std::string>* log) : log(log) {}
    void setHealth(float) override { log->push_back("health"); }
    void setScore(int) override { log->push_back("score"); }
    void setControl(int) override { log->push_back("control"); }
    void setAction(int) override { log->push_back("action"); }
    void setLocation(const Vector3&) override { log->push_back("location"); }
    void setGeneralBlocking(bool) override { log->push_back("blocking"); }
    void setJustScored(bool) override { log->push_back("justScored"); }
    void setBalance(float) override {
        throw Tavek::ScriptException("ValueError", "balance refused", "");
    }
    void setTimeRemaining(float seconds) override {
        if (seconds < 0.0f) throw std::runtime_error("not a script failure");
        log->push_back("time");
    }
    std::vector<std::string>* log;
};

}  // namespace

TEST_F(FighterVitals, RegenerationOnlyWhileIdleInTheAnimatedMode) {
    auto regenerateFrom = [&](int action, int mode) {
        fighter.currentAction = action;
        fighter.movementMode = mode;
        fighter.health() = 0.5f;
        fighter.balance() = 0.2f;
        fighter.regenerate(0.5f);
        return std::vector<float>{fighter.health(), fighter.balance()};
    };
    EXPECT_EQ(regenerateFrom(0, 0), (std::vector<float>{0.51f, 0.325f}));
    EXPECT_EQ(regenerateFrom(42, 0), (std::vector<float>{0.51f, 0.325f}));   // walking
    EXPECT_EQ(regenerateFrom(22, 0), (std::vector<float>{0.5f, 0.2f}));      // kicking
    EXPECT_EQ(regenerateFrom(0, 1), (std::vector<float>{0.5f, 0.2f}));       // knocked over

    fighter.abilities.learn(20);
    fighter.abilities.learn(31);
    std::vector<float> boosted = regenerateFrom(0, 0);
    EXPECT_FLOAT_EQ(boosted[0], 0.5f + 0.02f * 1.25f * 0.5f);
    EXPECT_FLOAT_EQ(boosted[1], 0.2f + 0.25f * 1.25f * 0.5f);

    fighter.health() = 0.999f;
    fighter.balance() = 0.99f;
    fighter.regenerate(10.0f);
    EXPECT_EQ(fighter.health(), fighter.maxHealth());
    EXPECT_EQ(fighter.balance(), fighter.maxBalance());
}

TEST_F(FighterVitals, AbilitiesCheapenTheirOwnKicks) {
    const float full = fighter.queryAbility(24);
    EXPECT_FLOAT_EQ(full, 0.12f);
    fighter.abilities.learn(28);
    EXPECT_FLOAT_EQ(fighter.queryAbility(24), full * 0.667f);   // advanced kick
    EXPECT_FLOAT_EQ(fighter.queryAbility(31), full);            // jumping kick: not this ability
    fighter.abilities.learn(10);
    EXPECT_FLOAT_EQ(fighter.queryAbility(31), full * 0.667f);

    fighter.matchPoints = 5;
    fighter.halfPenalties = 3;
    EXPECT_EQ(fighter.computeRemaining(), 4);
    fighter.halfPenalties = 1;
    EXPECT_EQ(fighter.computeRemaining(), 5);
    fighter.fullPenalties = 2;
    EXPECT_EQ(fighter.computeRemaining(), 3);
}

TEST_F(FighterVitals, AFailingScriptLosesOnlyItsOwnValue) {
    // Without a mirror nothing is pushed, and the scored flag still clears.
    fighter.justScored = 1;
    fighter.updateAIJustScored();
    EXPECT_EQ(fighter.justScored, 0);

    std::vector<std::string> log;
    fighter.aiFighter = std::make_unique<RecordingMirror>(&log);
    fighter.justScored = 1;
    fighter.updateAIHealth();
    fighter.updateAILocation();
    fighter.updateAIScore();
    fighter.updateAIAction();
    fighter.updateAIControl();
    fighter.updateAIGeneralBlocking();
    fighter.updateAIJustScored();
    EXPECT_NO_THROW(fighter.updateAIBalance());
    fighter.updateAITimeRemaining(30.0f);
    EXPECT_EQ(log, (std::vector<std::string>{"health", "location", "score", "action", "control",
                                             "blocking", "justScored", "time"}));
    EXPECT_EQ(fighter.justScored, 0);
    EXPECT_THROW(fighter.updateAITimeRemaining(-1.0f), std::runtime_error);

    fighter.destroy();
    EXPECT_EQ(fighter.aiFighter, nullptr);
}

TEST_F(FighterVitals, RefusedStartsCostNothingAndATiredFighterIsNotRestarted) {
    RecordingBattle battle;
    fighter.battle = &battle;

    fighter.actionParams[24].available = 0;
    fighter.startAction(24);
    EXPECT_EQ(fighter.currentAction, 0);
    EXPECT_TRUE(fighter.trackedActions.records().empty());
    EXPECT_EQ(fighter.balance(), 1.0f);
    EXPECT_TRUE(battle.sounds.empty());

    fighter.startAction(60);
    fighter.startAction(-3);
    fighter.startAction(50);
    EXPECT_EQ(fighter.currentAction, 0);

    // Too little balance: the tired idle and one "tired" call, however often the kick is asked.
    fighter.balance() = 0.05f;
    for (int i = 0; i < 5; ++i) fighter.startAction(22);
    EXPECT_EQ(fighter.currentAction, 47);
    ASSERT_EQ(battle.sounds.size(), 1u);
    EXPECT_EQ(battle.sounds[0].event, "tired");
    EXPECT_EQ(battle.sounds[0].key, "male");
    EXPECT_EQ(fighter.trackedActions.records().size(), 1u);
    EXPECT_EQ(fighter.balance(), 0.05f);

    // Paid for: the kick starts and costs its balance (its sound and record: FighterBody).
    fighter.balance() = 1.0f;
    fighter.startAction(22);
    EXPECT_EQ(fighter.currentAction, 22);
    EXPECT_FLOAT_EQ(fighter.balance(), 1.0f - 0.12f);
    EXPECT_EQ(fighter.trackedActions.records().size(), 2u);
    fighter.battle = nullptr;
}

TEST_F(FighterVitals, FightersOnOnePointArePushedApartAlongTheFacing) {
    RecordingBattle battle;
    fighter.battle = &battle;
    iQuaternionFromEulerAngles(&fighter.orientation, 0.0f, -90.0f, 0.0f, "xyz");   // facing -x
    fighter.location = battle.opponent.location;
    fighter.keepDistance();
    EXPECT_TRUE(std::isfinite(fighter.location.x) && std::isfinite(fighter.location.z));
    EXPECT_NEAR(fighter.location.x, battle.opponent.location.x + 0.75f, 1e-5f);
    EXPECT_NEAR(fighter.location.z, battle.opponent.location.z, 1e-5f);
    EXPECT_EQ(fighter.pushedBack & 1, 1);

    // Closer than 0.75: pushed out to exactly 0.75, but only while the battle runs.
    fighter.location = battle.opponent.location + Vector3(0.3f, 0.0f, 0.4f);
    battle.running = false;
    fighter.keepDistance();
    EXPECT_NEAR(fighter.location.x, -1.7f, 1e-5f);
    battle.running = true;
    fighter.keepDistance();
    Vector3 gap = fighter.location - battle.opponent.location;
    EXPECT_NEAR(iVectorLength(&gap), 0.75f, 1e-5f);
    fighter.battle = nullptr;
}

TEST_F(FighterVitals, DirectionsTurnIntoWalksByTheFightersHeading) {
    // Fighter A faces -x (heading 90): the left arrow (control 1, heading 270) walks it back.
    iQuaternionFromEulerAngles(&fighter.orientation, 0.0f, -90.0f, 0.0f, "xyz");
    const int expected[9] = {0, 42, 41, 43, 44, 42, 43, 44, 41};
    for (int c = 1; c <= 8; ++c) {
        fighter.requestedControl = c;
        EXPECT_EQ(fighter.CalculateWalkingAction(), expected[c]) << "control " << c;
    }
    const int steps[4] = {19, 18, 16, 17};
    for (int c = 19; c <= 22; ++c) {
        fighter.requestedControl = c;
        EXPECT_EQ(fighter.CalculateQuickStepAction(), steps[c - 19]) << "control " << c;
    }
    fighter.relativeDirections = true;
    fighter.requestedControl = 1;
    EXPECT_EQ(fighter.CalculateWalkingAction(), 43);
    fighter.requestedControl = 20;
    EXPECT_EQ(fighter.CalculateQuickStepAction(), 17);
}
