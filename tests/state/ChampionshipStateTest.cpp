// A fighter's championship ladder: confidence, medals, tiers and the running tournament.
#include <gtest/gtest.h>

#include "persistence/PersistentObject.h"
#include "persistence/XMLFileException.h"
#include "platform/win32/crt.h"
#include "state/ChampionshipState.h"
#include "state/EnemyFighterState.h"
#include "state/TournamentCatalog.h"
#include "state/TournamentState.h"
#include "tests/state/GameFolder.h"

using Tavek::ChampionshipState;
using Tavek::EnemyFighterState;

namespace {

class Championship : public ::testing::Test {
protected:
    void SetUp() override {
        folder.writeChampionshipData();
        crt::srand(5);
        player.StatPoints = 100;
        player.KickPoints = 100;
        player.Rank = 1;
    }

    GameFolder folder;
    PersistentObject fighterFile{"Fighter"};
    EnemyFighterState player;
};

}  // namespace

TEST_F(Championship, AFreshLadderStartsAtOneTiersShare) {
    ChampionshipState c("Championship", &fighterFile);
    EXPECT_FLOAT_EQ(c.getConfidencePoints(), 20.0f);
    EXPECT_EQ(c.getCurrentTier(), 1);
    EXPECT_EQ(c.getResults().size(), 8u);
    EXPECT_EQ(c.getResult("World"), ChampionshipState::None);
    EXPECT_EQ(c.getResult("Unknown"), ChampionshipState::None);
    EXPECT_EQ(c.getCurrentTournament(), nullptr);
}

TEST_F(Championship, WithoutATournamentTableTheLadderIsEmpty) {
    std::filesystem::remove(folder.file("Tavek_res/championship/tournaments.xml"));
    ChampionshipState c;
    EXPECT_FLOAT_EQ(c.getConfidencePoints(), 100.0f);
    EXPECT_TRUE(c.getResults().empty());
    EXPECT_FALSE(c.recordResult("Spring Open", ChampionshipState::Gold));
    EXPECT_EQ(c.confidenceGain(ChampionshipState::Gold, ChampionshipState::None, 1), 0.0f);
}

TEST_F(Championship, ABetterMedalAddsTheDifferenceOnly) {
    ChampionshipState c;
    EXPECT_TRUE(c.recordResult("Spring Open", ChampionshipState::Bronze));
    EXPECT_FLOAT_EQ(c.getConfidencePoints(), 23.75f);
    EXPECT_TRUE(c.recordResult("Spring Open", ChampionshipState::Gold));
    EXPECT_FLOAT_EQ(c.getConfidencePoints(), 25.0f);
    EXPECT_FALSE(c.recordResult("Spring Open", ChampionshipState::Gold));
    EXPECT_FLOAT_EQ(c.getConfidencePoints(), 25.0f);
    EXPECT_EQ(c.getResult("Spring Open"), ChampionshipState::Gold);
}

TEST_F(Championship, AWorseMedalChangesNothing) {
    ChampionshipState c;
    c.recordResult("Summer Cup", ChampionshipState::Silver);
    const float afterSilver = c.getConfidencePoints();
    EXPECT_FLOAT_EQ(afterSilver, 20.0f + 0.9f * 5.0f);
    EXPECT_FALSE(c.recordResult("Summer Cup", ChampionshipState::Bronze));
    EXPECT_EQ(c.getResult("Summer Cup"), ChampionshipState::Silver);
    EXPECT_EQ(c.getConfidencePoints(), afterSilver);
}

TEST_F(Championship, AMedalInEveryTournamentOfTheCurrentTierOpensTheNext) {
    ChampionshipState c;
    c.recordResult("Regional", ChampionshipState::Gold);  // a higher tier never moves the tier
    c.recordResult("Spring Open", ChampionshipState::Gold);
    c.recordResult("Summer Cup", ChampionshipState::Bronze);
    c.recordResult("Autumn Cup", ChampionshipState::None);
    EXPECT_EQ(c.getCurrentTier(), 1);
    c.recordResult("Autumn Cup", ChampionshipState::Silver);
    EXPECT_EQ(c.getCurrentTier(), 1);
    c.recordResult("Winter Cup", ChampionshipState::Bronze);
    EXPECT_EQ(c.getCurrentTier(), 2);
    c.recordResult("Winter Cup", ChampionshipState::Gold);
    EXPECT_EQ(c.getCurrentTier(), 2);
}

TEST_F(Championship, GoldEverywhereReachesOneHundred) {
    ChampionshipState c;
    for (const char* name :
         {"Spring Open", "Summer Cup", "Autumn Cup", "Winter Cup", "Regional", "State", "National", "World"})
        c.recordResult(name, ChampionshipState::Gold);
    EXPECT_NEAR(c.getConfidencePoints(), 100.0f, 1e-4f);
    EXPECT_EQ(c.getCurrentTier(), 5);
}

TEST_F(Championship, ATournamentTheTableDoesNotHoldChangesNothing) {
    ChampionshipState c;
    EXPECT_FALSE(c.recordResult("Backyard Brawl", ChampionshipState::Gold));
    EXPECT_FLOAT_EQ(c.getConfidencePoints(), 20.0f);
    EXPECT_EQ(c.getResult("Backyard Brawl"), ChampionshipState::None);
    EXPECT_EQ(c.confidenceGain(ChampionshipState::Gold, ChampionshipState::None, 9), 0.0f);
    c.startTournament(player, "Backyard Brawl", 1.0f);
    EXPECT_EQ(c.getCurrentTournament(), nullptr);
}

TEST_F(Championship, ProgressSurvivesWriteAndRead) {
    {
        ChampionshipState c("Championship", &fighterFile);
        c.recordResult("Spring Open", ChampionshipState::Silver);
        c.recordResult("Regional", ChampionshipState::Bronze);
        c.startTournament(player, "Autumn Cup", 1.0f);
        ASSERT_NE(c.getCurrentTournament(), nullptr);
        EXPECT_EQ(c.getCurrentTournament()->getOpponentCount(), 7);
        c.write();
    }
    fighterFile.save(folder.file("fighter.xml"));
    PersistentObject reloaded;
    reloaded.load(folder.file("fighter.xml"));
    ChampionshipState c("Championship", &reloaded);
    c.read();
    EXPECT_FLOAT_EQ(c.getConfidencePoints(), 20.0f + 4.5f + 0.75f * 10.0f);
    EXPECT_EQ(c.getResult("Spring Open"), ChampionshipState::Silver);
    EXPECT_EQ(c.getResult("Regional"), ChampionshipState::Bronze);
    EXPECT_EQ(c.getResult("World"), ChampionshipState::None);
    ASSERT_NE(c.getCurrentTournament(), nullptr);
    EXPECT_EQ(c.getCurrentTournament()->getName(), "Autumn Cup");
    EXPECT_EQ(c.getCurrentTournament()->getOpponentCount(), 7);
}

TEST_F(Championship, UnknownMedalTextsAndEndedTournamentsReadAsNone) {
    PersistentObject championship("Championship", &fighterFile);
    championship.setInt("CurrentTier", 3);
    championship.setString("ConfidencePoints", "not a number");
    PersistentObject current("CurrentTournament", &championship);
    current.setInt("NumOpponents", 0);
    PersistentObject result("TournamentResult", &championship);
    result.setString("name", "Spring Open", true);
    result.setString("result", "platinum", true);
    PersistentObject nameless("TournamentResult", &championship);
    nameless.setString("result", "gold", true);

    ChampionshipState c("Championship", &fighterFile);
    // The constructor made a second Championship element; read binds to the first, the file's.
    c.read();
    EXPECT_EQ(c.getCurrentTier(), 3);
    EXPECT_FLOAT_EQ(c.getConfidencePoints(), 20.0f);
    EXPECT_EQ(c.getCurrentTournament(), nullptr);
    EXPECT_EQ(c.getResult("Spring Open"), ChampionshipState::None);
    EXPECT_EQ(c.getResults().count(""), 0u);
}

TEST_F(Championship, AFighterFileWithoutChampionshipStartsAfreshAndGetsOneOnWrite) {
    PersistentObject bare("Fighter");
    bare.setInt("Age", 30);
    ChampionshipState c("Championship", &bare);
    bare.removeValue("Championship");
    c.recordResult("Spring Open", ChampionshipState::Gold);
    c.read();
    EXPECT_FLOAT_EQ(c.getConfidencePoints(), 20.0f);
    EXPECT_EQ(c.getResult("Spring Open"), ChampionshipState::None);
    c.write();
    PersistentObject written = bare.getChild("Championship");
    EXPECT_EQ(written.getFloat("ConfidencePoints"), 20.0f);
    EXPECT_EQ(written.getChildren("TournamentResult").size(), 8u);
}

TEST_F(Championship, ResetEndsTheRunningTournamentInTheFileToo) {
    ChampionshipState c("Championship", &fighterFile);
    c.startTournament(player, "Spring Open", 1.0f);
    ASSERT_NE(c.getCurrentTournament(), nullptr);
    c.write();
    c.reset();
    EXPECT_EQ(c.getCurrentTournament(), nullptr);
    EXPECT_TRUE(c.getNode()->getChildren("CurrentTournament").empty());
    c.read();
    EXPECT_EQ(c.getCurrentTournament(), nullptr);
}

TEST_F(Championship, AFailedStartLeavesNoTournament) {
    ChampionshipState c("Championship", &fighterFile);
    std::filesystem::remove(folder.file("Tavek_res/championship/scripts.xml"));
    EXPECT_THROW(c.startTournament(player, "Spring Open", 1.0f), XMLFileException);
    EXPECT_EQ(c.getCurrentTournament(), nullptr);
    EXPECT_TRUE(c.getNode()->getChildren("CurrentTournament").empty());
}
