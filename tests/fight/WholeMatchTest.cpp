// Whole matches through BattleManager::start to their result: two script AIs fight a 60 s round
// in the National arena, prepared as the quick match prepares them, and the same seeds replay
// the same match frame for frame.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "MatchTestBench.h"
#include "audio/SoundScape.h"
#include "input/InputHooks.h"
#include "platform/dinput/dinput_test.h"
#include "platform/vuzirovari/dinput_link.h"

namespace {

struct MatchRun {
    std::string log;          // every call, sound, state change and the fighters' values
    std::vector<int> results;
    int frames = 0;
    float fightSeconds = 0.0f;
    int kickPoints = 0;
    int kickPointsWithoutContact = 0;
    int kickPointsUnheard = 0;
    bool nan = false;
    int finalState = 0;
    int endReason = 0;
    int scoreA = 0, scoreB = 0, penaltiesA = 0, penaltiesB = 0;
    int hudScoreA = -1, hudScoreB = -1, hudPenaltiesA = -1, hudPenaltiesB = -1;
};

// Whether a strike pair of the scorer's striking part on the other's target part touched in
// this frame's physics step (A's part i against B's part j).
bool strikeContactTouched(BattleInstance& battle, int scorer) {
    auto striking = [](int part) { return part == 6 || part == 9 || part == 11 || part == 12 || part == 14 || part == 15; };
    for (int i = 0; i < 16; ++i) {
        for (int j = 0; j < 16; ++j) {
            if (!(scorer == 0 ? striking(i) && j <= 3 : striking(j) && i <= 3)) continue;
            iVector3 point{}, direction{};
            if (iBodyBodyFeedback(battle.contacts[i][j], -1, -1, &point, &direction, 0, 0, 0, 0)) return true;
        }
    }
    return false;
}

// Whether a "kickConnected" sample started in this frame for the fighter struck by `scorer`.
bool kickConnectedHeard(MatchBench& bench, int scorer) {
    const auto& events = bench.battle().soundScape->getEvents();
    auto event = events.find("kickConnected");
    if (event == events.end()) return false;
    for (const MatchBench::Heard& h : bench.heard) {
        if (h.frame != vtFrameCount()) continue;
        for (const auto& [group, samples] : event->second)
            for (const Tavek::SoundScape::Entry& e : samples)
                if (h.sound == (scorer == 0 && e.soundB ? e.soundB : e.soundA)) return true;
    }
    return false;
}

bool knockDownState(int s) { return s == 7 || s == 8 || s == 15 || s == 16; }

// Seeds both generators as a fresh start does (the C runtime's before the match draws its
// fly-by and looks, Python's once the AIs are attached) and plays the match to its report.
MatchRun playMatch(const std::string& aiA, const std::string& aiB, uint32_t seed) {
    MatchRun run;
    MatchBench bench;
    if (!bench.manager) return run;
    bench.screen.logFeed = true;
    bench.logEverything = true;
    crt::srand(seed);
    bench.prepare(aiA, aiB);
    bench.scripts->importModule("random");
    bench.scripts->execute("random.seed(" + std::to_string(seed) + ")");
    BattleManager& m = *bench.manager;
    for (int frame = 0; frame < 12000 && bench.master.results.empty(); ++frame) {
        const int pointsBefore[2] = {bench.a().matchPoints, bench.b().matchPoints};
        const int stateBefore = m.getBattleState();
        bench.frame();
        ++run.frames;
        if (stateBefore == 0) run.fightSeconds += MatchBench::Frame;
        const int state = m.getBattleState();
        FighterInstance* fighters[2] = {&bench.a(), &bench.b()};
        for (int side = 0; side < 2; ++side) {
            FighterInstance& f = *fighters[side];
            FighterInstance& other = *fighters[1 - side];
            if (f.matchPoints > pointsBefore[side] && !knockDownState(state) &&
                other.health() > 0.0011f && other.balance() > 0.0011f) {
                ++run.kickPoints;
                if (!strikeContactTouched(bench.battle(), side)) ++run.kickPointsWithoutContact;
                if (!kickConnectedHeard(bench, side)) ++run.kickPointsUnheard;
            }
            for (float v : {f.location.x, f.location.y, f.location.z, f.health(), f.balance()}) {
                if (std::isnan(v)) run.nan = true;
            }
        }
    }
    // A few frames more: the report must not come again.
    bench.frames(30);
    run.results = bench.master.results;
    run.log = bench.log.text();
    run.finalState = m.getBattleState();
    run.endReason = m.getEndReason();
    run.scoreA = m.getScoreA();
    run.scoreB = m.getScoreB();
    run.penaltiesA = bench.a().halfPenalties + 2 * bench.a().fullPenalties;
    run.penaltiesB = bench.b().halfPenalties + 2 * bench.b().fullPenalties;
    run.hudScoreA = bench.screen.score1;
    run.hudScoreB = bench.screen.score2;
    run.hudPenaltiesA = bench.screen.penalties1;
    run.hudPenaltiesB = bench.screen.penalties2;
    return run;
}

// Two logs that must be equal byte for byte; on a difference, the first differing line of each.
void expectSameLog(const std::string& first, const std::string& again, const char* what) {
    if (first == again) return;
    size_t at = 0;
    while (at < first.size() && at < again.size() && first[at] == again[at]) ++at;
    const size_t line = at == 0 ? 0 : first.rfind('\n', at - 1) + 1;
    ADD_FAILURE() << what << " differs from here:\n" << first.substr(line, 300) << "\n---\n" << again.substr(line, 300);
}

// The match, then the same match twice more in one process, each from a fresh engine and a
// fresh manager with the same seeds: the logs (every call of the doubles, every sound, every
// state change and the fighters' values as bits) agree byte for byte, so nothing of one battle
// carries into the next.
TEST(WholeMatch, TwoScriptAIsFightToOneResultAndTheSameSeedsReplayIt) {
    const MatchRun first = playMatch("hard_ai_1", "medium_ai_1", 7);
    ASSERT_EQ(first.results.size(), 1u) << "frames " << first.frames;
    const int result = first.results[0];
    // The report fits the final state and the end reason.
    const int expected[27] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
                              -1, -1, -1, -1, -1, -1, -1, 2,  0,  1,  -1, -1, 2};
    ASSERT_TRUE(first.finalState >= 0 && first.finalState <= 26);
    EXPECT_EQ(result, expected[first.finalState]) << "final state " << first.finalState;
    if (first.endReason == 4) {
        EXPECT_EQ(result, 0);
    }
    if (first.endReason == 5) {
        EXPECT_EQ(result, 1);
    }
    EXPECT_FALSE(first.nan);
    EXPECT_LE(first.fightSeconds, 60.0f + MatchBench::Frame * 1.5f);
    EXPECT_EQ(first.hudScoreA, first.scoreA);
    EXPECT_EQ(first.hudScoreB, first.scoreB);
    EXPECT_EQ(first.hudPenaltiesA, first.penaltiesA);
    EXPECT_EQ(first.hudPenaltiesB, first.penaltiesB);
    EXPECT_GT(first.kickPoints, 0) << "no kick scored in a whole match";
    EXPECT_EQ(first.kickPointsWithoutContact, 0);
    EXPECT_EQ(first.kickPointsUnheard, 0);
    EXPECT_NE(first.log.find("ref 0"), std::string::npos) << "the referee's start call is in the log";
    std::printf("match: %d frames, %.1f s fought, result %d, end reason %d, score %d:%d, %d kick points\n",
                first.frames, static_cast<double>(first.fightSeconds), result, first.endReason, first.scoreA,
                first.scoreB, first.kickPoints);

    for (int run = 2; run <= 3; ++run) {
        const MatchRun again = playMatch("hard_ai_1", "medium_ai_1", 7);
        EXPECT_EQ(again.frames, first.frames) << "run " << run;
        expectSameLog(first.log, again.log, run == 2 ? "the second run" : "the third run");
    }
}

int countContaining(const std::string& text) {
    int n = 0;
    for (const std::string& call : dinputTest::calls()) n += call.find(text) != std::string::npos ? 1 : 0;
    return n;
}

void forgetPads() {
    resetInputHooksForTests();
    dinputTest::reset();
    vtDirectInputImportRestore();
}

// The mat knocks a fighter's own pad when it lands, and only a pad: never a keyboard player's
// (there is no pad to knock), nor with rumble switched off.
TEST(WholeMatch, AKnockDownRumblesTheFallenPlayersOwnPad) {
    forgetPads();
    {
        MatchBench bench([] {
            dinputTest::setRecording(true);
            dinputTest::setConstantForce(0, true);
            installInputHooks();
            vtJoyCountSet(1);
        });
        ASSERT_NE(bench.manager, nullptr);
        refreshForceFeedback();
        auto knockDownA = [&](int controller, bool rumble) {
            bench.prepare("", "medium_ai_1");
            bench.manager->getRules()->EnableRumble = rumble;
            bench.manager->clearAIA();
            bench.manager->setControllerA(controller);
            bench.fightNow();
            bench.frames(2);
            dinputTest::clearCalls();
            bench.a().balance() = 0.0f;
            for (int i = 0; i < 400 && !bench.a().groundTouched; ++i) bench.frame();
            EXPECT_TRUE(bench.a().groundTouched);
            return countContaining("Start 1");
        };
        EXPECT_EQ(knockDownA(0, true), 1);        // A plays on pad 0
        EXPECT_EQ(knockDownA(-1, true), 0);       // A plays on the keyboard
        EXPECT_EQ(knockDownA(0, false), 0);       // rumble switched off
    }
    forgetPads();
}

// A player on the keyboard against a script AI: Space skips the fly-by, the arrows close in and
// the A key kicks until a kick lands; a pause holds the match; tapping A gets the player up
// from a knock-down; the match then runs to its report with the player's banner. The log of
// the whole match is left in *replay.
void playTheKeyScript(std::string* replay) {
    MatchBench bench;
    ASSERT_NE(bench.manager, nullptr);
    BattleManager& m = *bench.manager;
    bench.screen.logFeed = true;
    bench.logEverything = true;
    crt::srand(3);
    bench.prepare("", "medium_ai_1");
    bench.scripts->importModule("random");
    bench.scripts->execute("random.seed(3)");
    bench.frames(70);
    ASSERT_EQ(m.getSequenceStep(), 3);   // flying the arena
    vtKeySet(57, 1);
    bench.frame();
    vtKeySet(57, 0);
    ASSERT_TRUE(bench.runUntilState(0, 800));

    // Close in and kick until a kick scores.
    int frame = 0;
    const int arrows[2] = {200, 203};
    for (; frame < 3000 && bench.a().matchPoints == 0 && m.getBattleState() == 0; ++frame) {
        const int arrow = arrows[(frame / 90) % 2];
        for (int key : arrows) vtKeySet(key, key == arrow && (frame % 90) < 45 ? 1 : 0);
        vtKeySet(30, (frame / 3) % 2);
        bench.frame();
    }
    for (int key : {200, 203, 30}) vtKeySet(key, 0);
    EXPECT_GT(bench.a().matchPoints, 0) << "no kick of the player scored in " << frame << " frames";
    bench.frame();   // the point banner comes with the next frame's HUD
    EXPECT_GE(bench.log.frameOf("showFighter1Point(" + std::to_string(bench.a().matchPoints) + ")"), 0);

    // A pause holds the fight and resuming goes on from there.
    ASSERT_TRUE(bench.runUntilState(0, 600));
    const float clock = bench.battle().matchClock;
    bench.screen.pauseRequests = 1;
    bench.frame();
    ASSERT_EQ(m.getBattleState(), 2);
    bench.frames(60);
    EXPECT_FLOAT_EQ(bench.battle().matchClock, clock);
    bench.screen.pauseRequests = 1;
    bench.frame();
    EXPECT_EQ(m.getBattleState(), 0);

    // Knocked down, the player taps A and gets up before ten.
    bench.a().balance() = 0.0f;
    bench.frame();
    ASSERT_EQ(m.getBattleState(), 7);
    for (int i = 0; i < 900 && m.getBattleState() == 7; ++i) {
        vtKeySet(30, (i / 2) % 2);
        bench.frame();
    }
    vtKeySet(30, 0);
    EXPECT_EQ(m.getBattleState(), 9);
    EXPECT_EQ(bench.log.count("showCount(10)"), 0);

    // To the report: the player's own banner.
    ASSERT_TRUE(bench.runUntilReported(6000));
    const int result = bench.master.results.front();
    if (result == 0) {
        EXPECT_EQ(bench.log.count("showYouWin"), 1);
    }
    if (result == 1) {
        EXPECT_EQ(bench.log.count("showYouLose"), 1);
    }
    bench.frames(30);
    EXPECT_EQ(bench.master.results.size(), 1u);
    *replay = bench.log.text();
}

// The same key script, played again from a fresh start, gives the same match frame for frame.
TEST(WholeMatch, APlayerOnTheKeyboardFightsAScriptAI) {
    std::string first, again;
    playTheKeyScript(&first);
    ASSERT_FALSE(HasFatalFailure());
    playTheKeyScript(&again);
    expectSameLog(first, again, "the replayed key script");
}

}  // namespace
