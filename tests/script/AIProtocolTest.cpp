// The script AI's protocol against small fixture scripts: when the script is asked, what its
// answers become, the held-button latch, the mirror's attributes, the spark scripts and which
// module names may be attached.
#include <Python.h>

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <memory>
#include <string>

#include "fight/FighterInstance.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "script/AIFighterInstance.h"
#include "script/AIMaster.h"
#include "platform/win32/win32_host.h"
#include "script/ScriptException.h"
#include "script/ScriptInterrupted.h"
#include "script/ScriptMaster.h"
#include "script/ScriptTimeBudget.h"
#include "tests/script/ScriptTestFolder.h"

using Tavek::AIFighterInstance;
using Tavek::AIInstance;
using Tavek::AIMaster;
using Tavek::AISparkInstance;
using Tavek::ScriptException;
using Tavek::ScriptMaster;

namespace {

// The game's fighter module as far as the protocol goes; every object it makes is kept in a list
// so that the tests can read what the program did to it.
const char* const FighterModule = R"(
import controls

made = []
sparks = []

class AIFighter:
    def __init__(self):
        self.location = [0.0, 0.0, 0.0]

class Fighter:
    def __init__(self, module, speed):
        self.module = module
        self.speed = speed
        self.ai_fighter = AIFighter()
        self.calls = 0
        self.opponents = []
        made.append(self)

    def decide(self, opponent):
        self.calls += 1
        self.opponents.append(opponent)
        return self.module.decide(self, opponent) if self.module else (controls.IDLE,)

class Spark:
    def __init__(self, module, fighterA, fighterB):
        if module is not None and getattr(module, 'refuse', False):
            raise RuntimeError('no crowd today')
        self.module = module
        self.fighterA = fighterA
        self.fighterB = fighterB
        self.flags = []
        sparks.append(self)

    def decide(self, flag):
        self.flags.append(flag)
        return ('cheer %d' % self.fighterA.score,)
)";

// An AI whose answer the test sets.
const char* const PuppetModule = "answer = (0,)\ndef decide(me, opponent):\n    return answer\n";

class AIProtocol : public ::testing::Test {
protected:
    void SetUp() override {
        vtReset();
        vtSetDrawing(0);
        vtSetFixedFrameTime(1.0f / 64.0f);
        ASSERT_EQ(iVortaneOpen(nullptr, nullptr), 1);
        folder.module("fighter", FighterModule);
        folder.module("controls", "IDLE = 0\nKICK = 5\nHOLD = 50\n");
        folder.module("puppet", PuppetModule);
        folder.module("crowd", "refuse = False\n");
        script = std::make_unique<ScriptMaster>(folder.folder());
        ai = std::make_unique<AIMaster>(script.get());
        fighterA = std::make_unique<FighterInstance>();
        fighterB = std::make_unique<FighterInstance>();
        ai->attachFighterAI(fighterA.get(), "puppet", 0.5);
        ai->attachFighterAI(fighterB.get(), "", 0.0);
    }
    void TearDown() override {
        sparkAI1.reset();
        sparkAI2.reset();
        delete sparkAI3;
        sparkAI3 = nullptr;
        fighterA.reset();
        fighterB.reset();
        ai.reset();
        script.reset();
        vtReset();
    }

    AIFighterInstance& mirrorA() { return dynamic_cast<AIFighterInstance&>(*fighterA->aiFighter); }
    void answer(const std::string& expression) { script->execute("puppet.answer = " + expression); }
    int calls() { return script->evalInt("fighter.made[0].calls"); }
    // One frame of the engine, then A's AI is asked, as the battle does for an idle fighter.
    AIInstance::Choice frame() {
        iVortaneMain();
        return mirrorA().tick(fighterB.get());
    }

    ScriptTestFolder folder;
    std::unique_ptr<ScriptMaster> script;
    std::unique_ptr<AIMaster> ai;

public:
    // The battle as the AI master sees it.
    std::unique_ptr<FighterInstance> fighterA, fighterB;
    std::unique_ptr<AISparkInstance> sparkAI1, sparkAI2;
    AISparkInstance* sparkAI3 = nullptr;   // a battle may hold a slot as an owning pointer
};

// The AI master's spark operations take the battle; this fixture stands in for it.
struct BattleView {
    FighterInstance& fighterA;
    FighterInstance& fighterB;
    std::unique_ptr<AISparkInstance>& sparkAI1;
    std::unique_ptr<AISparkInstance>& sparkAI2;
    AISparkInstance*& sparkAI3;
};

TEST_F(AIProtocol, AHoldKeepsTheChoiceAndTheIntervalLimitsTheCalls) {
    answer("(5, 2.0)");
    AIInstance::Choice first = frame();
    EXPECT_EQ(first.kind, 0);
    EXPECT_EQ(first.value, 5);
    EXPECT_EQ(calls(), 1);
    answer("(7,)");
    // Two seconds are 128 frames: the script is not asked before the hold is over.
    for (int i = 1; i < 128; ++i) ASSERT_EQ(frame().value, 5) << "frame " << i;
    EXPECT_EQ(calls(), 1);
    EXPECT_EQ(frame().value, 7);
    EXPECT_EQ(calls(), 2);
    // Without a hold the next call comes a third of a second after the last one (22 frames).
    answer("(9,)");
    for (int i = 1; i < 22; ++i) ASSERT_EQ(frame().value, 7) << "frame " << i;
    EXPECT_EQ(frame().value, 9);
    EXPECT_EQ(calls(), 3);
    // The script was handed the opponent's Fighter object.
    EXPECT_TRUE(script->evalBool("fighter.made[0].opponents[-1] is fighter.made[1]"));
}

TEST_F(AIProtocol, AnswersBecomeChoicesAndBadAnswersThrow) {
    struct Case {
        const char* answer;
        int kind;
        int value;
        std::vector<int> values;
        std::string text;
    };
    const Case cases[] = {
        {"(3.9,)", 0, 3, {}, ""},
        {"(True, 0.0, 'extra')", 0, 1, {}, ""},
        {"([1, 2.5, 50],)", 1, 0, {1, 2, 50}, ""},
        {"('taunt',)", 3, 0, {}, "taunt"},
    };
    for (const Case& c : cases) {
        answer(c.answer);
        for (int i = 0; i < 22; ++i) iVortaneMain();
        AIInstance::Choice choice = mirrorA().tick(fighterB.get());
        EXPECT_EQ(choice.kind, c.kind) << c.answer;
        EXPECT_EQ(choice.value, c.value) << c.answer;
        EXPECT_EQ(choice.values, c.values) << c.answer;
        EXPECT_EQ(choice.text, c.text) << c.answer;
    }
    for (const char* bad : {"5", "()", "(b'kick',)", "(2 ** 40,)", "([1, 'x'],)", "(None,)", "(1, 'soon')"}) {
        answer(bad);
        for (int i = 0; i < 22; ++i) iVortaneMain();
        EXPECT_THROW(mirrorA().tick(fighterB.get()), ScriptException) << bad;
    }
    // A script that raises throws too, and an opponent without a mirror is refused.
    script->execute("puppet.decide = lambda me, opponent: 1 // 0");
    for (int i = 0; i < 22; ++i) iVortaneMain();
    EXPECT_THROW(mirrorA().tick(fighterB.get()), ScriptException);
    fighterB->aiFighter.reset();
    try {
        mirrorA().tick(fighterB.get());
        FAIL() << "no opponent mirror";
    } catch (const ScriptException& e) {
        EXPECT_EQ(e.getMessage(), "NULL fighter AI on decide()");
    }
}

TEST_F(AIProtocol, TheHeldControlLatchesAPressAndARelease) {
    // A cached single 50 presses in its first tick only.
    answer("(50,)");
    frame();
    EXPECT_TRUE(mirrorA().wasPressed());
    frame();
    EXPECT_FALSE(mirrorA().wasPressed());
    EXPECT_FALSE(mirrorA().wasReleased());
    // A later choice without 50 releases in its first tick.
    answer("(5,)");
    for (int i = 0; i < 20; ++i) frame();
    EXPECT_FALSE(mirrorA().wasReleased());
    frame();
    EXPECT_TRUE(mirrorA().wasReleased());
    EXPECT_FALSE(mirrorA().wasPressed());
    frame();
    EXPECT_FALSE(mirrorA().wasReleased());
    // A cached list 3, 50 presses in every tick that feeds it.
    answer("([3, 50],)");
    for (int i = 0; i < 21; ++i) frame();
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(frame().kind == 1);
        EXPECT_TRUE(mirrorA().wasPressed()) << "tick " << i;
    }
    EXPECT_EQ(calls(), 3);
}

TEST_F(AIProtocol, AttachingNamesTheModuleAndRefusesWhatIsNotAnAIScript) {
    EXPECT_TRUE(fighterA->aiDriven);
    EXPECT_FALSE(fighterB->aiDriven);
    EXPECT_TRUE(script->evalBool("fighter.made[0].module is puppet and fighter.made[0].speed == 0.5"));
    EXPECT_TRUE(script->evalBool("fighter.made[1].module is None and fighter.made[1].speed == 0"));
    ai->attachFighterAI(fighterB.get(), "puppet", 1.0 / 3.0);
    EXPECT_DOUBLE_EQ(script->evalDouble("fighter.made[2].speed"), 0.333333);

    // Attaching again reloads the file, so an edited script counts.
    folder.module("puppet", "def decide(me, opponent):\n    return (42,)\n");
    ai->attachFighterAI(fighterA.get(), "puppet", 0.5);
    EXPECT_EQ(mirrorA().tick(fighterB.get()).value, 42);

    // Names from a record that are not AI scripts of the folder fail as a missing module, and
    // the fighter keeps its mirror.
    AIFighterInstance* before = &mirrorA();
    std::string missingType;
    try {
        script->importModule("nowhere");
    } catch (const ScriptException& e) {
        missingType = e.getType();
        EXPECT_EQ(e.getMessage(), "No module named 'nowhere'");
    }
    for (const char* name : {"missing", "os", "puppet.sub", "puppet, __import__('os')", "None", "../puppet"}) {
        try {
            ai->attachFighterAI(fighterA.get(), name, 0.5);
            ADD_FAILURE() << name;
        } catch (const ScriptException& e) {
            EXPECT_EQ(e.getType(), missingType) << name;
            EXPECT_EQ(e.getMessage(), "No module named '" + std::string(name) + "'");
        }
    }
    EXPECT_EQ(&mirrorA(), before);
    EXPECT_TRUE(fighterA->aiDriven);
    EXPECT_EQ(script->evalInt("len(fighter.made)"), 4);
    // A module that cannot build its fighter fails at the attach.
    folder.module("broken", "def decide(me, opponent):\n    return (1,)\n");
    script->execute("fighter.Fighter.__init__ = lambda self, module, speed: None");
    EXPECT_THROW(ai->attachFighterAI(fighterA.get(), "broken", 0.0), ScriptException);
    EXPECT_EQ(&mirrorA(), before);
}

TEST_F(AIProtocol, TheFighterKeepsItsMirrorCurrent) {
    fighterA->stats[2] = 0.75f;
    fighterA->stats[5] = 0.5f;
    fighterA->matchPoints = 3;
    fighterA->requestedControl = 12;
    fighterA->currentAction = 7;
    fighterA->location = Vector3(1.5f, 0.65f, -2.0f);
    fighterA->generalBlocking = true;
    fighterA->justScored = 1;
    // What the battle pushes in one frame.
    fighterA->updateAIHealth();
    fighterA->updateAIScore();
    fighterA->updateAIControl();
    fighterA->updateAIAction();
    fighterA->updateAIGeneralBlocking();
    fighterA->updateAIJustScored();
    fighterA->updateAIBalance();
    fighterA->updateAITimeRemaining(42.5f);
    fighterA->updateAILocation();
    const std::string me = "fighter.made[0].ai_fighter.";
    EXPECT_EQ(script->evalString("type(" + me + "health).__name__"), "float");
    EXPECT_FLOAT_EQ(script->evalFloat(me + "health"), 0.75f);
    EXPECT_FLOAT_EQ(script->evalFloat(me + "balance"), 0.5f);
    EXPECT_EQ(script->evalString("type(" + me + "score).__name__"), "int");
    EXPECT_EQ(script->evalInt(me + "score"), 3);
    EXPECT_EQ(script->evalInt(me + "control"), 12);
    EXPECT_EQ(script->evalInt(me + "action"), 7);
    EXPECT_TRUE(script->evalBool(me + "general_blocking"));
    EXPECT_TRUE(script->evalBool(me + "just_scored"));
    EXPECT_FLOAT_EQ(script->evalFloat(me + "time_remaining"), 42.5f);
    EXPECT_EQ(script->evalString(me + "location"), "[1.5, 0.6499999761581421, -2.0]");
    EXPECT_EQ(fighterA->justScored, 0);

    // A script that refuses a value loses that value only.
    script->execute("type(fighter.made[0].ai_fighter).balance = property(lambda self: 0.0)");
    fighterA->stats[5] = 0.25f;
    EXPECT_NO_THROW(fighterA->updateAIBalance());
    fighterA->stats[2] = 0.5f;
    fighterA->updateAIHealth();
    EXPECT_FLOAT_EQ(script->evalFloat(me + "health"), 0.5f);
}

TEST_F(AIProtocol, ASparkSeesBothFightersAndLeavesNoNamesBehind) {
    BattleView battle{*fighterA, *fighterB, sparkAI1, sparkAI2, sparkAI3};
    ai->attachSparkAI2(&battle, "crowd");
    ASSERT_TRUE(sparkAI2);
    ai->attachSparkAI3(&battle, "crowd");
    ASSERT_NE(sparkAI3, nullptr);
    EXPECT_TRUE(script->evalBool("fighter.sparks[0].fighterA is fighter.made[0].ai_fighter"));
    EXPECT_TRUE(script->evalBool("fighter.sparks[0].fighterB is fighter.made[1].ai_fighter"));
    EXPECT_TRUE(script->evalBool("fighter.sparks[0].module is crowd"));
    for (PyObject* dictionary : {script->getLocals(), script->getGlobals()}) {
        EXPECT_EQ(PyDict_GetItemString(dictionary, "fighterA"), nullptr);
        EXPECT_EQ(PyDict_GetItemString(dictionary, "fighterB"), nullptr);
    }
    sparkAI2->setArenaType(3);
    EXPECT_EQ(script->evalInt("fighter.sparks[0].arena_type"), 3);
    // The spark answers a text, which it reads off the fighters' mirrors.
    fighterA->matchPoints = 4;
    fighterA->updateAIScore();
    AIInstance::Choice said = sparkAI2->tick(true);
    EXPECT_EQ(said.kind, 3);
    EXPECT_EQ(said.text, "cheer 4");
    EXPECT_TRUE(script->evalBool("fighter.sparks[0].flags == [True]"));

    // A spark whose script fails leaves the slot as it was and no names behind.
    folder.module("crowd", "refuse = True\n");
    AISparkInstance* third = sparkAI3;
    EXPECT_THROW(ai->attachSparkAI2(&battle, "crowd"), ScriptException);
    EXPECT_THROW(ai->attachSparkAI3(&battle, "crowd"), ScriptException);
    EXPECT_TRUE(sparkAI2);
    EXPECT_EQ(sparkAI3, third);
    EXPECT_EQ(PyDict_GetItemString(script->getLocals(), "fighterA"), nullptr);
    EXPECT_EQ(PyDict_GetItemString(script->getLocals(), "fighterB"), nullptr);
    // A fighter without a mirror cannot be watched; the empty name empties the slot.
    fighterB->aiFighter.reset();
    EXPECT_THROW(ai->attachSparkAI1(&battle, "puppet"), ScriptException);
    EXPECT_FALSE(sparkAI1);
    ai->attachSparkAI2(&battle, "");
    ai->attachSparkAI3(&battle, "");
    EXPECT_FALSE(sparkAI2);
    EXPECT_EQ(sparkAI3, nullptr);
}

}  // namespace

namespace {

double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

// A script that never returns is stopped after its time budget and fails like a script that
// raised: at the attach (a module whose import loops), in decide() (also one that catches the
// interruption and loops on), in an expression, in a mirror's setter. The failure names the
// module and the call.
// Calls that return in time are untouched, also right after a stopped one; a script running
// when the game is asked to end (SIGTERM) is stopped at once, as an interruption, not a failure.
TEST_F(AIProtocol, AScriptThatNeverReturnsIsStoppedAfterItsBudget) {
    using Clock = std::chrono::steady_clock;
    const double budget = std::chrono::duration<double>(Tavek::ScriptTimeBudget::Budget).count();
    auto expectStopped = [&](auto&& call, const std::string& what) {
        const Clock::time_point start = Clock::now();
        std::string text;
        try {
            call();
            ADD_FAILURE() << what << " was not stopped";
        } catch (const ScriptException& e) {
            EXPECT_EQ(e.getMessage(), what + " took longer than 2 s and was stopped.");
            EXPECT_EQ(e.getType(), "<class 'TimeoutError'>");
            text = e.describe();
            EXPECT_NE(text.find("An exception occurred inside a script:"), std::string::npos);
        }
        const double took = secondsSince(start);
        EXPECT_GE(took, budget - 0.05) << what;
        EXPECT_LT(took, budget + 1.0) << what;
        return text;
    };

    folder.module("spinner", "def decide(me, opponent):\n    while True:\n        pass\n");
    ai->attachFighterAI(fighterA.get(), "spinner", 0.5);
    // The trace shows where it looped.
    const std::string text = expectStopped([&] { frame(); }, "spinner: decide()");
    EXPECT_NE(text.find("spinner.py:2  decide"), std::string::npos) << text;

    folder.module("stubborn",
                  "def step():\n    return 1\n\ndef decide(me, opponent):\n    while True:\n        try:\n"
                  "            step()\n        except BaseException:\n            pass\n");
    ai->attachFighterAI(fighterA.get(), "stubborn", 0.5);
    expectStopped([&] { frame(); }, "stubborn: decide()");

    folder.module("frozen", "while True:\n    pass\n");
    expectStopped([&] { ai->attachFighterAI(fighterA.get(), "frozen", 0.5); }, "frozen: import");
    expectStopped([&] { script->evalInt("sum(1 for _ in iter(int, 1))"); }, "sum(1 for _ in iter(int, 1))");
    // A mirror value the script refuses is let go; one whose setter loops is not.
    ai->attachFighterAI(fighterA.get(), "puppet", 0.5);
    script->execute("fighter.AIFighter.balance = property(None, lambda self, v: sum(1 for _ in iter(int, 1)))");
    expectStopped([&] { fighterA->updateAIBalance(); }, "puppet: balance");
    script->execute("del fighter.AIFighter.balance");

    // In time: nothing changes, and no interruption is left over for the next call.
    ai->attachFighterAI(fighterA.get(), "puppet", 0.5);
    answer("(5,)");
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(frame().value, 5);
    script->execute("import time\ntime.sleep(0.3)");
    EXPECT_EQ(script->evalInt("1 + 1"), 2);
    EXPECT_LT(secondsSince(start), 1.0);

    // The game is asked to end while a script loops.
    ai->attachFighterAI(fighterA.get(), "spinner", 0.5);
    win32::catchEndSignals();
    std::raise(SIGTERM);
    const Clock::time_point asked = Clock::now();
    EXPECT_THROW(frame(), Tavek::ScriptInterrupted);
    EXPECT_LT(secondsSince(asked), 1.0);
    win32::clearEndSignal();
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGINT, SIG_DFL);
}
