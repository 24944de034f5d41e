// The knock-out draw of a running tournament: generation, rounds, difficulty and its file form.
#include <gtest/gtest.h>

#include <set>

#include "persistence/ElementNotFoundException.h"
#include "persistence/PersistentObject.h"
#include "persistence/XMLFileException.h"
#include "platform/win32/crt.h"
#include "state/EnemyFighterState.h"
#include "state/TournamentState.h"
#include "tests/state/GameFolder.h"

using Tavek::EnemyFighterState;
using Tavek::TournamentState;

namespace {

class Tournament : public ::testing::Test {
protected:
    void SetUp() override {
        folder.writeChampionshipData();
        crt::srand(11);
        player.StatPoints = 200;
        player.KickPoints = 120;
        player.Rank = 0;  // yellow belt
    }

    size_t fighterElements(const TournamentState& t) const { return t.getNode()->getChildren("Fighter").size(); }

    GameFolder folder;
    PersistentObject championship{"Championship"};
    EnemyFighterState player;
};

}  // namespace

TEST_F(Tournament, ThreeBoutsDrawSevenOpponentsAndEachRoundHalvesTheRest) {
    TournamentState t("CurrentTournament", &championship);
    t.generateOpponents(3, player, 1.5f);
    EXPECT_EQ(t.getNumOpponents(), 3);
    ASSERT_EQ(t.getOpponentCount(), 7);
    EXPECT_EQ(fighterElements(t), 7u);
    std::set<std::string> scripts;
    for (int i = 0; i < 7; ++i) {
        const EnemyFighterState& o = *t.getOpponent(i);
        EXPECT_TRUE(o.name == "Ansel Kerrow" || o.name == "Ansel Dalve" || o.name == "Mira Kerrow" ||
                    o.name == "Mira Dalve")
            << o.name;
        EXPECT_EQ(o.AILearnSpeed, 1.5f);
        EXPECT_EQ(o.Stance, "R");
        scripts.insert(o.AIModule);
    }
    EXPECT_EQ(scripts, (std::set<std::string>{"rusher", "blocker"}));
    EXPECT_EQ(t.getNextOpponent(), t.getOpponent(0));

    t.advanceRound();
    EXPECT_EQ(t.getNumOpponents(), 2);
    EXPECT_EQ(t.getOpponentCount(), 3);
    EXPECT_EQ(fighterElements(t), 3u);
    t.advanceRound();
    t.advanceRound();
    EXPECT_EQ(t.getNumOpponents(), 0);
    EXPECT_EQ(t.getOpponentCount(), 0);
    EXPECT_EQ(t.getNextOpponent(), nullptr);
    EXPECT_EQ(fighterElements(t), 0u);
}

TEST_F(Tournament, NoBoutsNoOpponentsAndTheDrawSizeIsBounded) {
    TournamentState t("CurrentTournament", &championship);
    t.generateOpponents(0, player, 1.0f);
    EXPECT_EQ(t.getOpponentCount(), 0);
    t.generateOpponents(40, player, 1.0f);
    EXPECT_EQ(t.getNumOpponents(), TournamentState::MaxBouts);
    EXPECT_EQ(t.getOpponentCount(), 63);
    t.generateOpponents(-2, player, 1.0f);
    EXPECT_EQ(t.getNumOpponents(), 0);
    EXPECT_EQ(fighterElements(t), 0u);
}

TEST_F(Tournament, TheBeltChoosesTheScriptLevel) {
    TournamentState t("CurrentTournament", &championship);
    player.Rank = 5;  // black belt
    t.generateOpponents(2, player, 1.0f);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(t.getOpponent(i)->AIModule, "master");
    player.Rank = 3;  // red belt: a level without scripts
    t.generateOpponents(1, player, 1.0f);
    EXPECT_EQ(t.getOpponent(0)->AIModule, "");
}

TEST_F(Tournament, MissingDataFilesLeaveTheTournamentAsItWas) {
    TournamentState t("CurrentTournament", &championship);
    t.generateOpponents(2, player, 1.0f);
    std::filesystem::remove(folder.file("Tavek_res/championship/names.xml"));
    EXPECT_THROW(t.generateOpponents(3, player, 1.0f), XMLFileException);
    EXPECT_EQ(t.getNumOpponents(), 2);
    EXPECT_EQ(t.getOpponentCount(), 3);
    EXPECT_EQ(fighterElements(t), 3u);

    folder.writeNames();
    folder.write("Tavek_res/championship/scripts.xml", "<Scripts><level Belt=\"green\"/></Scripts>");
    EXPECT_THROW(t.generateOpponents(3, player, 1.0f), ElementNotFoundException);
    EXPECT_EQ(t.getOpponentCount(), 3);
}

TEST_F(Tournament, AnEmptyOrMisshapenDrawIsHandledWithoutHarm) {
    TournamentState empty("CurrentTournament", &championship);
    empty.advanceRound();
    EXPECT_EQ(empty.getNumOpponents(), 0);

    // A stored draw of four: after the next opponent leaves, one pair fights and the last waits.
    PersistentObject stored("Championship");
    PersistentObject current("CurrentTournament", &stored);
    current.setInt("NumOpponents", 2);
    for (int i = 0; i < 4; ++i) {
        PersistentObject fighter("Fighter", &current);
        fighter.setInt("Age", 20 + i);
        fighter.setString("name", "Opponent " + std::to_string(i), true);
    }
    TournamentState t("CurrentTournament", &stored);
    ASSERT_EQ(t.getOpponentCount(), 4);
    t.advanceRound();
    EXPECT_EQ(t.getOpponentCount(), 2);
    EXPECT_EQ(t.getOpponent(1)->name, "Opponent 3");
    EXPECT_EQ(t.getNumOpponents(), 1);
    t.advanceRound();
    t.advanceRound();
    t.advanceRound();
    EXPECT_EQ(t.getOpponentCount(), 0);
    EXPECT_EQ(t.getNumOpponents(), 0);
}

TEST_F(Tournament, StrengthDecidesWithTiesGoingToTheSecond) {
    TournamentState t;
    EnemyFighterState strong, weak, alsoWeak;
    strong.StatPoints = 300;
    strong.KickPoints = 200;
    for (int i = 0; i < 20; ++i) EXPECT_EQ(t.compareStrength(&strong, &weak), &strong);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(t.compareStrength(&weak, &strong), &strong);
    EXPECT_EQ(t.compareStrength(&weak, &alsoWeak), &alsoWeak);
    // Budgets at the ends of the int range do not overflow.
    strong.StatPoints = strong.KickPoints = 2147483647;
    EXPECT_EQ(t.compareStrength(&weak, &strong), &strong);
}

TEST_F(Tournament, DifficultyRescalesEveryOpponent) {
    TournamentState t("CurrentTournament", &championship);
    t.generateOpponents(1, player, 1.0f);
    EnemyFighterState& o = *t.getOpponent(0);
    o.Stamina = 21;
    o.kicks[EnemyFighterState::BackKick].Mobility = 15;
    t.setDifficulty(3);
    EXPECT_EQ(o.Stamina, 42);
    EXPECT_EQ(o.kicks[EnemyFighterState::BackKick].Mobility, 30);
    t.setDifficulty(3);
    EXPECT_EQ(o.Stamina, 42);
    t.setDifficulty(1);
    EXPECT_EQ(o.Stamina, 21);
    t.setDifficulty(0);
    EXPECT_EQ(o.Stamina, 15);  // 21 x 0.75, truncated
    EXPECT_EQ(t.getDifficulty(), 0);
}

TEST_F(Tournament, ASavedTournamentReadsBackTheSame) {
    {
        TournamentState t("CurrentTournament", &championship);
        t.setName("Spring Open");
        t.generateOpponents(2, player, 1.0f);
        t.setDifficulty(2);
        t.getOpponent(2)->name = "Last Seed";
        t.write();
    }
    TournamentState again("CurrentTournament", &championship);
    EXPECT_EQ(again.getName(), "Spring Open");
    EXPECT_EQ(again.getNumOpponents(), 2);
    EXPECT_EQ(again.getDifficulty(), 2);
    ASSERT_EQ(again.getOpponentCount(), 3);
    EXPECT_EQ(again.getOpponent(2)->name, "Last Seed");
    // Reading did not add elements: the same three opponents are in the file.
    EXPECT_EQ(fighterElements(again), 3u);
    EXPECT_EQ(championship.getChildren("CurrentTournament").size(), 1u);
}
