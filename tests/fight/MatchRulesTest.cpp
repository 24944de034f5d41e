// The match rules as timelines of what the referee calls and the HUD shows, on the real arena
// and fighters. Counters such as points, health and balance are set directly: the rules only
// read them.
#include <gtest/gtest.h>

#include "MatchTestBench.h"
#include "fight/TwoPointCameraStrategy.h"

namespace {

MatchBench* bench = nullptr;

class MatchRules : public ::testing::Test {
protected:
    static void SetUpTestSuite() { bench = new MatchBench(); }
    static void TearDownTestSuite() {
        delete bench;
        bench = nullptr;
    }
    void SetUp() override {
        ASSERT_NE(bench->manager, nullptr);
        bench->screen.logFeed = false;
        bench->screen.pauseRequests = 0;
        bench->master.noScreen = false;
        bench->manager->getRules()->EnableRumble = true;
    }
    void TearDown() override {
        for (int key : {1, 2, 3, 4, 28, 30, 57}) vtKeySet(key, 0);
        bench->manager->setCurrentMaster(&bench->master);
    }
    MatchBench& m() { return *bench; }
    BattleManager& mgr() { return *bench->manager; }
    const MatchLog& log() { return bench->log; }
};

TEST_F(MatchRules, TheIntroductionFliesTheArenaUntilSkippedThenCallsStartReadyAndFight) {
    m().prepare("", "");
    m().frames(10);
    ASSERT_NE(mgr().getFlybyCamera(), nullptr);
    EXPECT_EQ(mgr().getSequenceStep(), 1);   // the fade in runs for a second
    m().frames(55);
    EXPECT_EQ(mgr().getSequenceStep(), 3);   // the flight
    vtKeySet(57, 1);
    m().frame();
    vtKeySet(57, 0);
    m().frames(5);
    const int startCall = log().frameOf("ref 0");
    ASSERT_GT(startCall, 0) << log().text();
    EXPECT_LE(startCall - log().entries.front().frame, 72);
    EXPECT_EQ(mgr().getFlybyCamera(), nullptr);
    ASSERT_TRUE(m().runUntilState(0, 1000));
    const int ready = log().frameOf("showReady");
    const int fight = log().frameOf("showFight");
    EXPECT_NEAR(ready - startCall, 180, 6);
    EXPECT_NEAR(fight - ready, 240, 6);
    EXPECT_EQ(log().count("showReady"), 1);

    // A later round flies nothing and shows "ready" once the fade is over.
    m().prepare("", "", 1, 1);
    const int begin = vtFrameCount();
    m().frames(2);
    EXPECT_EQ(mgr().getFlybyCamera(), nullptr);
    ASSERT_TRUE(m().runUntilState(0, 400));
    EXPECT_EQ(log().frameOf("ref 0"), -1);
    EXPECT_NEAR(log().frameOf("showReady") - begin, 65, 4);
    EXPECT_NEAR(log().frameOf("showFight") - log().frameOf("showReady"), 240, 6);
}

TEST_F(MatchRules, TheTutorialModeShowsNoSecondNameNoClockAndFightsOnTheSecondFrame) {
    m().prepare("", "", 4);
    m().screen.logFeed = true;
    m().frame();
    m().frame();
    EXPECT_EQ(mgr().getBattleState(), 0);
    EXPECT_EQ(mgr().getCameraIndex(), 6);
    EXPECT_EQ(log().count("showFight"), 1);
    EXPECT_EQ(log().count("showReady"), 0);
    EXPECT_GE(log().count("setFighter2Name"), 2);   // an empty name
    EXPECT_GE(log().count("hideClock"), 2);
    EXPECT_EQ(log().count("showClock"), 0);
}

TEST_F(MatchRules, AFightingFrameFeedsTheHudInOrderAndPauseKeepsTheTime) {
    m().prepare("", "");
    m().fightNow();
    m().frames(3);
    m().screen.logFeed = true;
    m().frame();
    m().screen.logFeed = false;
    std::vector<std::string> names;
    for (const std::string& call : log().callsOf(vtFrameCount())) names.push_back(call.substr(0, call.find('(')));
    const std::vector<std::string> expected = {
        "setClockValue",        "setMatchTime",          "setEndReason",          "setFighter1Score",
        "setFighter2Score",     "setFighter1Penalties",  "setFighter2Penalties",  "setFighter1Name",
        "setFighter1MaxHealth", "setFighter1Health",     "setFighter1MaxBalance", "setFighter1Balance",
        "setFighter2Name",      "showClock",             "setFighter2MaxHealth",  "setFighter2Health",
        "setFighter2MaxBalance", "setFighter2Balance"};
    EXPECT_EQ(names, expected);

    // A pause request pauses the fight; the clock stands; a second request resumes through the
    // master and the time in state goes on from where it stopped.
    const float clockBefore = m().battle().matchClock;
    m().screen.pauseRequests = 1;
    m().frame();
    EXPECT_EQ(mgr().getBattleState(), 2);
    EXPECT_EQ(log().count("pauseMatch"), 1);
    m().frames(30);
    EXPECT_FLOAT_EQ(m().battle().matchClock, clockBefore);
    m().screen.pauseRequests = 1;
    m().frame();
    EXPECT_EQ(log().count("resumeMatch"), 1);
    EXPECT_EQ(mgr().getBattleState(), 0);
    EXPECT_LT(m().battle().timeInState, 4 * 6.0f / 60.0f + 0.2f);  // not the 30 paused frames

    // Camera keys: 3 the side camera, 4 the top camera, 2 back to the iso camera, each snapped.
    vtKeySet(3, 1);
    m().frame();
    vtKeySet(3, 0);
    EXPECT_EQ(mgr().getCameraIndex(), 6);
    EXPECT_TRUE(mgr().getCamera(6)->isSnapped());
    vtKeySet(4, 1);
    m().frame();
    vtKeySet(4, 0);
    EXPECT_EQ(mgr().getCameraIndex(), 1);
    vtKeySet(2, 1);
    m().frame();
    vtKeySet(2, 0);
    EXPECT_EQ(mgr().getCameraIndex(), 0);
    EXPECT_EQ(log().count("setDebugTextShown(1)"), 0);
}

TEST_F(MatchRules, ABalanceKnockDownIsCountedAndAnAIGetsUpByTapping) {
    m().prepare("", "medium_ai_1");
    m().fightNow();
    m().frames(2);
    m().b().balance() = 0.0f;
    m().frame();
    ASSERT_EQ(mgr().getBattleState(), 8);
    EXPECT_EQ(m().a().matchPoints, 1);  // the knock-down point
    const int down = vtFrameCount();
    EXPECT_EQ(log().frameOf("ref 2"), down);
    EXPECT_EQ(log().count("showKnockdown(0)"), 1);
    ASSERT_TRUE(m().runUntilState(10, 900)) << log().text();
    EXPECT_GE(log().frameOf("showCount(1)"), down + 120);
    EXPECT_EQ(log().count("hideCount"), 1);
    ASSERT_TRUE(m().runUntilState(0, 600));
    EXPECT_FLOAT_EQ(m().b().balance(), m().b().maxBalance());
}

TEST_F(MatchRules, APlayerGetsUpByTappingTheKickKeyOrIsCountedOut) {
    m().prepare("", "medium_ai_1");
    m().fightNow();
    m().frames(2);
    m().a().balance() = 0.0f;
    m().frame();
    ASSERT_EQ(mgr().getBattleState(), 7);
    const int down = vtFrameCount();
    for (int i = 0; i < 900 && log().frameOf("showCount(1)") < 0; ++i) m().frame();
    ASSERT_GT(log().frameOf("showCount(1)"), down);
    for (int i = 0; i < 600 && mgr().getBattleState() == 7; ++i) {
        vtKeySet(30, (i / 2) % 2);
        m().frame();
    }
    vtKeySet(30, 0);
    EXPECT_EQ(mgr().getBattleState(), 9);
    EXPECT_EQ(log().count("showCount(10)"), 0);

    // Down again without tapping: counted out, knocked out, and red wins.
    ASSERT_TRUE(m().runUntilState(0, 600));
    m().a().balance() = 0.0f;
    m().frame();
    ASSERT_EQ(mgr().getBattleState(), 7);
    const int second = vtFrameCount();
    ASSERT_TRUE(m().runUntilState(23, 1200)) << log().text();
    size_t after = 0;
    while (after < log().entries.size() && log().entries[after].frame < second) ++after;
    for (int n = 2; n <= 10; ++n) {
        const int at = log().frameOf("showCount(" + std::to_string(n) + ")", after);
        EXPECT_NEAR(at - second, 60 * (n + 1), 3) << "count " << n;
        EXPECT_EQ(log().frameOf("ref " + std::to_string(8 + n), after), at);
    }
    EXPECT_NEAR(log().frameOf("showKnockout", after) - second, 60 * 12, 3);
    ASSERT_TRUE(m().runUntilReported(600));
    EXPECT_EQ(m().master.results, std::vector<int>{1});
    EXPECT_GE(log().frameOf("showYouLose"), 0);   // the player lost to the computer
    m().frames(30);
    EXPECT_EQ(m().master.results.size(), 1u);
}

// A strike that lands on a fighter who is already down (the other's kick was still in the air):
// the fighter stays down past the knock-over's recovery time, in either count. And a body that
// never reports its contact with the mat is counted all the same, a few seconds after the
// knock-down, and the fighter can still get up by tapping.
TEST_F(MatchRules, AFighterWhoIsDownStaysDownWhenStruckAndIsCountedEvenIfTheMatNeverReportsTheBody) {
    m().prepare("", "medium_ai_1");
    m().fightNow();
    m().frames(2);
    FighterInstance& red = m().b();
    const int recoveryFrames = static_cast<int>(red.recoveryTime() * 0.5f * 60.0f) + 30;
    auto strikeTheDownedFighter = [&] {
        ASSERT_FALSE(red.groundTouched);
        red.knockDown(Vector3(0.0f, 0.0f, -700.0f), 1);
        for (int i = 0; i < recoveryFrames; ++i) {
            m().frame();
            ASSERT_EQ(red.getMovementMode(), 5) << "frame " << i;
        }
    };
    red.balance() = 0.0f;
    m().frame();
    ASSERT_EQ(mgr().getBattleState(), 8);
    strikeTheDownedFighter();
    for (int i = 0; i < 900 && log().frameOf("showCount(1)") < 0; ++i) m().frame();
    ASSERT_GT(log().frameOf("showCount(1)"), 0) << log().text();
    const float stopped = m().battle().matchClock;
    ASSERT_TRUE(m().runUntilState(0, 900));
    EXPECT_EQ(log().count("hideCount"), 1);  // got up by tapping
    EXPECT_FLOAT_EQ(m().battle().matchClock, stopped);  // no clock from count 1 to the get-up
    m().frames(60);
    EXPECT_NEAR(m().battle().matchClock, stopped - 1.0f, 0.05f);  // the match goes on

    // Down again, and the body never tells the mat it landed.
    red.balance() = 0.0f;
    m().frame();
    ASSERT_EQ(mgr().getBattleState(), 8);
    const int down = vtFrameCount();
    const size_t logFrom = log().entries.size();
    for (int i = 0; i < 600 && mgr().getBattleState() == 8; ++i) {
        m().frame();
        red.enableBodyFeedback(false);
    }
    EXPECT_NEAR(log().frameOf("showCount(1)", logFrom) - down, 180, 2) << log().text();
    EXPECT_EQ(mgr().getBattleState(), 10);
    ASSERT_TRUE(m().runUntilState(0, 600));

    red.health() = 0.0f;
    m().frame();
    ASSERT_EQ(mgr().getBattleState(), 16);
    strikeTheDownedFighter();
    ASSERT_TRUE(m().runUntilState(22, 900)) << log().text();
}

TEST_F(MatchRules, AHealthKnockDownGivesASecondWindAtAFavourableDrawElseACountToTen) {
    m().prepare("", "");
    m().fightNow();
    m().frames(2);
    m().a().abilities.learn(6);
    // A seed whose first draw is above one half.
    uint32_t seed = 1;
    for (;; ++seed) {
        crt::srand(seed);
        if (crt::rand() / 32767.0 > 0.5) break;
    }
    crt::srand(seed);
    m().a().health() = 0.0f;
    m().frame();
    EXPECT_EQ(mgr().getBattleState(), 0);
    EXPECT_EQ(log().count("showSecondWind"), 1);
    EXPECT_NEAR(m().a().health(), m().a().maxHealth() * 0.2f, 0.01f);
    EXPECT_EQ(m().b().matchPoints, 1);

    // The second wind comes once: the next time the count runs to ten.
    m().a().health() = 0.0f;
    m().frame();
    ASSERT_EQ(mgr().getBattleState(), 15);
    const int down = vtFrameCount();
    const float clock = m().battle().matchClock;
    ASSERT_TRUE(m().runUntilState(23, 1000));
    EXPECT_NEAR(log().frameOf("showCount(1)") - down, 121, 3);
    EXPECT_NEAR(log().frameOf("showCount(10)") - down, 660, 3);
    EXPECT_EQ(log().frameOf("showKnockout"), log().frameOf("showCount(10)") + 1);
    EXPECT_NEAR(vtFrameCount() - down, 840, 3);
    EXPECT_FLOAT_EQ(m().battle().matchClock, clock);  // no clock during this count
    ASSERT_TRUE(m().runUntilReported(600));
    m().frames(60);
    EXPECT_EQ(m().master.results, std::vector<int>{1});
}

TEST_F(MatchRules, SteppingOutCostsAHalfPenaltyAndEightOfThemDisqualify) {
    m().prepare("", "");
    m().fightNow();
    m().frames(2);
    m().a().location.x = 6.4f;
    m().frame();
    ASSERT_EQ(mgr().getBattleState(), 13);
    EXPECT_GE(log().frameOf("ref 1"), 0);
    ASSERT_TRUE(m().runUntilState(3, 1200)) << "fighter A never reached the mark";
    EXPECT_FLOAT_EQ(m().a().location.x, m().a().startLocation.x);
    EXPECT_EQ(m().a().halfPenalties, 1);
    m().frame();
    const int banner = log().frameOf("showFighter1Penalty");
    EXPECT_GE(log().frameOf("ref 5"), 0);
    ASSERT_TRUE(m().runUntilState(0, 300));
    EXPECT_NEAR(vtFrameCount() - banner, 121, 3);
    EXPECT_EQ(mgr().getScoreA(), 0);  // one half penalty costs nothing yet

    m().a().halfPenalties = 7;
    mgr().halfPenalty(&m().a());
    EXPECT_EQ(mgr().getBattleState(), 3);  // the banner first
    ASSERT_TRUE(m().runUntilState(17, 300));
    EXPECT_EQ(mgr().getEndReason(), 2);
    ASSERT_TRUE(m().runUntilReported(900));
    EXPECT_EQ(m().master.results, std::vector<int>{1});
    EXPECT_EQ(log().count("showFighter1Disqualified"), 1);
    EXPECT_EQ(mgr().getScoreA(), -4);
}

TEST_F(MatchRules, ALeadOfTenWinsOnPointsAndSteppingOutAfterwardsReopensNothing) {
    m().prepare("", "");
    m().fightNow();
    m().frames(2);
    m().a().matchPoints = 10;
    m().frame();
    EXPECT_EQ(mgr().getBattleState(), 19);
    EXPECT_EQ(mgr().getEndReason(), 4);
    m().frames(10);
    m().b().location.z = -9.0f;   // the loser stumbles off the mat
    m().frame();
    EXPECT_NE(mgr().getBattleState(), 14);
    EXPECT_EQ(m().b().halfPenalties, 0);
    ASSERT_TRUE(m().runUntilReported(900));
    EXPECT_EQ(log().count("showEndOfRound"), 1);
    EXPECT_EQ(log().count("showFighter1Wins"), 1);
    EXPECT_FLOAT_EQ(m().screen.overlay, 0.0f);
    m().frames(120);
    EXPECT_EQ(m().master.results, std::vector<int>{0});
}

TEST_F(MatchRules, TimeUpReportsNoWinnerOrDecidesByScore) {
    // Without a decision: report 2, both fighters get a fifth of their health back, state 21.
    m().prepare("", "", 1, 0, false, 1.0f);
    m().fightNow();
    m().a().health() = 0.5f * m().a().maxHealth();
    const bool reached = m().runUntilState(21, 120);
    ASSERT_TRUE(reached) << mgr().getBattleState() << " " << m().battle().matchClock << "\n" << log().text();
    EXPECT_EQ(mgr().getEndReason(), 1);
    float before = 0.0f;
    for (int i = 0; i < 400 && m().master.results.empty(); ++i) {
        before = m().a().health();
        m().frame();
    }
    EXPECT_EQ(m().master.results, std::vector<int>{2});
    EXPECT_NEAR(m().a().health(), std::min(m().a().maxHealth(), before + 0.2f * m().a().maxHealth()), 0.005f);
    m().frames(60);
    EXPECT_EQ(mgr().getBattleState(), 21);
    EXPECT_EQ(m().master.results.size(), 1u);

    // Decided and level: sudden death and a report of 2.
    m().prepare("", "", 1, 0, true, 1.0f);
    m().fightNow();
    ASSERT_TRUE(m().runUntilState(26, 400));
    ASSERT_TRUE(m().runUntilReported(400));
    EXPECT_EQ(log().count("showSuddenDeath"), 1);
    EXPECT_EQ(m().master.results, std::vector<int>{2});

    // Decided with red ahead: red wins.
    m().prepare("", "", 1, 0, true, 1.0f);
    m().fightNow();
    m().b().matchPoints = 3;
    ASSERT_TRUE(m().runUntilReported(900));
    EXPECT_EQ(m().master.results, std::vector<int>{1});
    EXPECT_EQ(log().count("showFighter2Wins"), 1);
}

TEST_F(MatchRules, WithoutAScreenOrAMasterNothingIsShownAndNothingBreaks) {
    m().master.noScreen = true;
    m().prepare("", "");
    m().fightNow();
    m().b().balance() = 0.0f;
    m().frames(2);
    m().a().matchPoints = 20;
    ASSERT_TRUE(m().runUntilReported(3000));
    for (const auto& e : log().entries) {
        EXPECT_TRUE(e.call.rfind("ref", 0) == 0 || e.call.rfind("onMatchOver", 0) == 0) << e.call;
    }

    m().prepare("", "");
    mgr().setCurrentMaster(nullptr);
    m().fightNow();
    m().a().health() = 0.0f;
    m().frames(200);
    EXPECT_EQ(mgr().getBattleState(), 0);   // nothing ends a match without a master
    EXPECT_TRUE(log().entries.empty() || log().entries.back().call.rfind("ref", 0) == 0);
}

}  // namespace
