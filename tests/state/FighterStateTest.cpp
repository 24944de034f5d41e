// A player fighter and its own file.
#include <gtest/gtest.h>

#include <memory>

#include "persistence/PersistentObject.h"
#include "persistence/XMLFileException.h"
#include "state/ChampionshipState.h"
#include "state/FighterState.h"
#include "state/TournamentState.h"
#include "tests/state/GameFolder.h"

using Tavek::ChampionshipState;
using Tavek::FighterState;

namespace {

// A fighter file with the given Championship text (confidence as a decimal key).
std::string fighterFile(const std::string& championship, const std::string& extra = "") {
    return "<Fighter name=\"Tala Brin\"><Age value=\"24\"/><Gender>F</Gender><Rank value=\"5\"/>"
           "<StatPoints value=\"300\"/>" +
           extra + championship + "</Fighter>";
}

class Fighter : public ::testing::Test {
protected:
    void SetUp() override { folder.writeTournaments(); }
    GameFolder folder;
};

}  // namespace

TEST_F(Fighter, BudgetsAndRankFollowConfidence) {
    FighterState f("Fighter", nullptr);
    folder.write("f.xml", fighterFile("<Championship><ConfidencePoints value=\"50\"/></Championship>"));
    f.loadFromFile(folder.file("f.xml"));
    f.applyConfidencePoints();
    EXPECT_EQ(f.StatPoints, 212);
    EXPECT_EQ(f.KickPoints, 162);
    EXPECT_EQ(f.Rank, 3);
    EXPECT_EQ(f.getRankText(), "Red");

    folder.write("f.xml", fighterFile("<Championship><ConfidencePoints value=\"99.9\"/></Championship>"));
    f.loadFromFile(folder.file("f.xml"));
    f.applyConfidencePoints();
    EXPECT_EQ(f.Rank, 6);
    folder.write("f.xml", fighterFile("<Championship><ConfidencePoints value=\"100\"/></Championship>"));
    f.loadFromFile(folder.file("f.xml"));
    f.applyConfidencePoints();
    EXPECT_EQ(f.StatPoints, 425);
    EXPECT_EQ(f.KickPoints, 325);
    EXPECT_EQ(f.getRankText(), "4th Dan");
}

TEST_F(Fighter, LoadingKeepsTheFilesBudgetsAndRank) {
    FighterState f("Fighter", nullptr);
    folder.write("f.xml", fighterFile("<Championship><ConfidencePoints value=\"10\"/></Championship>"));
    f.loadFromFile(folder.file("f.xml"));
    EXPECT_EQ(f.name, "Tala Brin");
    EXPECT_EQ(f.Rank, 5);
    EXPECT_EQ(f.StatPoints, 300);
    EXPECT_FLOAT_EQ(f.getChampionship()->getConfidencePoints(), 10.0f);
}

TEST_F(Fighter, ANewFighterSavedAtOnceWritesEveryKeyAndItsChampionship) {
    FighterState f("Fighter", nullptr);
    f.saveToFile(folder.file("fighter0.xml"));
    PersistentObject saved;
    saved.load(folder.file("fighter0.xml"));
    EXPECT_EQ(saved.getTagName(), "Fighter");
    EXPECT_EQ(saved.getInt("Age"), 18);
    EXPECT_EQ(saved.getString("Gender"), "M");
    EXPECT_EQ(saved.getInt("Look"), 8);
    EXPECT_EQ(saved.getString("Stance"), "L");
    EXPECT_EQ(saved.getInt("BodyType"), 1);
    EXPECT_EQ(saved.getString("name"), "");
    // The budgets of a fresh ladder's confidence (20 with four tiers).
    EXPECT_EQ(saved.getInt("StatPoints"), 85);
    EXPECT_EQ(saved.getInt("KickPoints"), 65);
    EXPECT_EQ(saved.getInt("Rank"), 1);
    PersistentObject championship = saved.getChild("Championship");
    EXPECT_EQ(championship.getFloat("ConfidencePoints"), 20.0f);
    EXPECT_EQ(championship.getInt("CurrentTier"), 1);
}

TEST_F(Fighter, ASavedFighterLoadsBackWithItsProgress) {
    {
        FighterState f("Fighter", nullptr);
        f.name = "Oren Vask";
        f.Stamina = 40;
        f.getChampionship()->recordResult("Spring Open", ChampionshipState::Gold);
        f.saveToFile(folder.file("fighter3.xml"));
    }
    FighterState f("Fighter", nullptr);
    f.loadFromFile(folder.file("fighter3.xml"));
    EXPECT_EQ(f.name, "Oren Vask");
    EXPECT_EQ(f.Stamina, 40);
    EXPECT_EQ(f.getChampionship()->getResult("Spring Open"), ChampionshipState::Gold);
    EXPECT_FLOAT_EQ(f.getChampionship()->getConfidencePoints(), 25.0f);
    // Saved again, the file still has one Championship.
    f.saveToFile(folder.file("fighter3.xml"));
    PersistentObject saved;
    saved.load(folder.file("fighter3.xml"));
    EXPECT_EQ(saved.getChildren("Championship").size(), 1u);
}

TEST_F(Fighter, AFileWithoutChampionshipLoadsWithAFreshLadder) {
    FighterState f("Fighter", nullptr);
    folder.write("f.xml", fighterFile(""));
    ASSERT_NO_THROW(f.loadFromFile(folder.file("f.xml")));
    EXPECT_EQ(f.name, "Tala Brin");
    EXPECT_FLOAT_EQ(f.getChampionship()->getConfidencePoints(), 20.0f);
    f.saveToFile(folder.file("f.xml"));
    PersistentObject saved;
    saved.load(folder.file("f.xml"));
    EXPECT_EQ(saved.getChildren("Championship").size(), 1u);
}

TEST_F(Fighter, AnUnreadableFileLeavesTheFighterAsItWas) {
    FighterState f("Fighter", nullptr);
    folder.write("f.xml", fighterFile("<Championship/>"));
    f.loadFromFile(folder.file("f.xml"));
    folder.write("broken.xml", "<Fighter><Age value=\"1\">");
    EXPECT_THROW(f.loadFromFile(folder.file("broken.xml")), XMLFileException);
    EXPECT_EQ(f.name, "Tala Brin");
    // It can still be saved.
    EXPECT_NO_THROW(f.saveToFile(folder.file("again.xml")));
    PersistentObject saved;
    saved.load(folder.file("again.xml"));
    EXPECT_EQ(saved.getString("name"), "Tala Brin");
}

TEST_F(Fighter, AFighterHeldInMemoryWritesNothing) {
    FighterState f;
    f.saveToFile(folder.file("memory.xml"));
    EXPECT_FALSE(std::filesystem::exists(folder.file("memory.xml")));
    EXPECT_EQ(f.getChampionship()->getNode(), nullptr);
}

// The records of a fighter nest four deep (fighter, championship, tournament, opponents), each
// a view into the fighter's document. A view a screen keeps of any of them stays readable after
// the fighter is reloaded or gone.
TEST_F(Fighter, ViewsOfItsRecordsOutliveTheFighter) {
    folder.writeChampionshipData();
    auto fighter = std::make_unique<FighterState>("Fighter", nullptr);
    fighter->name = "Tala Brin";
    fighter->Rank = 0;
    fighter->getChampionship()->startTournament(*fighter, "Spring Open", 1.0f);
    fighter->saveToFile(folder.file("f.xml"));
    fighter->loadFromFile(folder.file("f.xml"));

    Tavek::TournamentState* running = fighter->getChampionship()->getCurrentTournament();
    ASSERT_NE(running, nullptr);
    ASSERT_EQ(running->getOpponentCount(), 3);
    PersistentObject tournament = *running->getNode();
    PersistentObject opponent = *running->getOpponent(2)->getNode();
    const std::string opponentName = running->getOpponent(2)->name;

    folder.write("other.xml", fighterFile(""));
    fighter->loadFromFile(folder.file("other.xml"));
    EXPECT_EQ(fighter->name, "Tala Brin");
    EXPECT_EQ(fighter->getChampionship()->getCurrentTournament(), nullptr);
    fighter.reset();

    EXPECT_EQ(tournament.getString("name"), "Spring Open");
    EXPECT_EQ(tournament.getChildren("Fighter").size(), 3u);
    EXPECT_EQ(opponent.getString("name"), opponentName);
    EXPECT_EQ(opponent.getInt("Rank"), 0);
}
