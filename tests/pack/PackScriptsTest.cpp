// The pack's AI scripts through the game's own script bridge, the way the AI master drives them:
// every fighter AI and spark module imports and reloads, fighters are built and mirrored, and
// decide answers with a tuple the game takes.
#include <gtest/gtest.h>

#include <string>

#include "PackFolder.h"
#include "platform/win32/win32_host.h"
#include "script/ScriptException.h"
#include "script/ScriptMaster.h"

using Tavek::ScriptException;
using Tavek::ScriptMaster;

namespace {

const char* const FighterAIs[] = {"easy_ai_1", "easy_ai_2", "medium_ai_1", "medium_ai_2", "hard_ai_1", "dremoai"};

// Sets the mirror attributes as the game does every frame (the location item by item).
void mirror(ScriptMaster& script, const std::string& f, double x, double z, int action, double balance) {
    script.execute(f + ".ai_fighter.health = 0.9\n" + f + ".ai_fighter.score = 1\n" + f +
                   ".ai_fighter.control = 0\n" + f + ".ai_fighter.action = " + std::to_string(action) + "\n" + f +
                   ".ai_fighter.general_blocking = False\n" + f + ".ai_fighter.just_scored = False\n" + f +
                   ".ai_fighter.balance = " + std::to_string(balance) + "\n" + f +
                   ".ai_fighter.time_remaining = 87.5\n" + f + ".ai_fighter.location[0] = " + std::to_string(x) +
                   "\n" + f + ".ai_fighter.location[1] = 0.65\n" + f + ".ai_fighter.location[2] = " +
                   std::to_string(z) + "\n");
}

class PackScripts : public ::testing::Test {
protected:
    void SetUp() override { win32::resetForTests(); }
    void TearDown() override { win32::resetForTests(); }
};

TEST_F(PackScripts, EveryAIAndSparkAnswersThroughTheBridge) {
    pack::WorkingFolder inside(pack::gameFolder());
    ASSERT_TRUE(inside.entered());
    try {
        ScriptMaster script("Tavek_res\\scripts");
        script.importModule("fighter");
        script.importModule("controls");
        script.execute("player = fighter.Fighter(None, 0)\n");
        for (const char* name : FighterAIs) {
            SCOPED_TRACE(name);
            script.importModule(name);
            script.reloadModule(name);
            script.execute(std::string("ai = fighter.Fighter(") + name + ", 0)\n");
            mirror(script, "ai", -2.0, 0.0, 0, 1.0);
            mirror(script, "player", 2.0, 0.0, 0, 1.0);
            // From the marks the AI walks or kicks; close in with a kick coming it may block too.
            for (int call = 0; call < 12; ++call) {
                const double x = call < 6 ? -2.0 + 0.2 * call : -0.6;
                mirror(script, "ai", x, 0.0, 0, 1.0);
                mirror(script, "player", 0.6, 0.0, call < 6 ? 0 : 22, 1.0);
                script.execute("answer = ai.decide(player)\n");
                EXPECT_TRUE(script.evalBool("type(answer) is tuple and type(answer[0]) is int"));
                const int move = script.evalInt("answer[0]");
                EXPECT_GE(move, 0);
                EXPECT_LE(move, 53);
                EXPECT_TRUE(script.evalBool("len(answer) == 1 or 0 <= answer[1] <= 1.5"));
            }
        }
        // A player's fighter has no brain and does nothing.
        EXPECT_EQ(script.evalString("player.decide(ai)"), "(0,)");

        // The sparks: the names are put into the locals for the call, then deleted.
        script.importModule("arena");
        script.reloadModule("arena");
        script.importModule("coach");
        script.reloadModule("coach");
        script.execute("fighterA = player\nfighterB = ai\n");
        script.execute("crowd = fighter.Spark(arena, fighterA, fighterB)\n"
                       "bench = fighter.Spark(coach, fighterA, fighterB)\n");
        script.execute("del fighterA\ndel fighterB\n");
        script.execute("crowd.arena_type = 4\n");
        EXPECT_EQ(script.evalString("crowd.decide(False)"), "(0,)");  // nothing happened yet
        script.execute("ai.ai_fighter.score = 2\n");
        EXPECT_EQ(script.evalString("crowd.decide(False)"), "('crowdCheer',)");
        EXPECT_EQ(script.evalString("bench.decide(False)"), "(0,)");
    } catch (const ScriptException& e) {
        FAIL() << e.getType() << ": " << e.getMessage();
    }
    // No script wrote a failure line.
    for (const std::string& line : win32::logLines()) EXPECT_EQ(line.find("AI "), std::string::npos) << line;
}

}  // namespace
