#include <algorithm>

#include <gtest/gtest.h>

#include "state/TournamentCatalog.h"
#include "tests/persistence/ScratchFolder.h"

namespace {

std::string tournament(const std::string& name, int tier, const std::string& arena = "dojang",
                       const std::string& extra = " roundlength=\"0x42B40000\"") {
    return "<Tournament name=\"" + name + "\" opponents=\"2\" difficulty=\"1.5\" tier=\"" + std::to_string(tier) +
           "\" rounds=\"3\" arena=\"" + arena + "\"" + extra + "/>";
}

}  // namespace

TEST(TournamentCatalog, IndexesByTierAndName) {
    ScratchFolder folder;
    folder.write("tournaments.xml", "<Tournaments>" + tournament("Spring", 1) + tournament("Summer", 1, "college") +
                                        "<Note/>" + tournament("Regional", 2, "regionals") +
                                        tournament("Nationals", 4, "highschool") + "</Tournaments>");
    TournamentCatalog catalog(folder.file("tournaments.xml"));
    EXPECT_TRUE(catalog.getLoadError().empty());
    EXPECT_EQ(catalog.getTierCount(), 3);
    EXPECT_EQ(catalog.countTournamentsInTier(1), 2);
    EXPECT_EQ(catalog.countTournamentsInTier(3), 0);
    EXPECT_TRUE(catalog.getTournamentsInTier(3).empty());
    std::vector<int> tiers = catalog.getTiers();
    std::sort(tiers.begin(), tiers.end());
    EXPECT_EQ(tiers, (std::vector<int>{1, 2, 4}));

    const auto& first = catalog.getTournamentsInTier(1);
    EXPECT_EQ(first[0]->getName(), "Spring");
    EXPECT_EQ(first[1]->getName(), "Summer");

    const TournamentRecord* summer = catalog.findByName("Summer");
    ASSERT_NE(summer, nullptr);
    EXPECT_EQ(summer->getOpponents(), 2);
    EXPECT_EQ(summer->getDifficulty(), 1.5f);
    EXPECT_EQ(summer->getTier(), 1);
    EXPECT_EQ(summer->getRounds(), 3);
    EXPECT_EQ(summer->getRoundLength(), 90.0f);
    EXPECT_EQ(summer->getArena(), 3);
    EXPECT_EQ(catalog.findByName("Regional")->getArena(), 4);
    EXPECT_EQ(catalog.findByName("Nationals")->getArena(), 2);
    EXPECT_EQ(catalog.findByName("Spring")->getArena(), 1);
    EXPECT_EQ(catalog.findByName("Winter"), nullptr);
}

TEST(TournamentCatalog, IncompleteOrNamelessTournamentsAreSkipped) {
    ScratchFolder folder;
    folder.write("tournaments.xml", "<T>" + tournament("NoLength", 1, "dojang", "") +
                                        tournament("BadLength", 1, "dojang", " roundlength=\"long\"") +
                                        tournament("", 1) + tournament("Good", 2) + "</T>");
    TournamentCatalog catalog(folder.file("tournaments.xml"));
    EXPECT_EQ(catalog.findByName("NoLength"), nullptr);
    EXPECT_EQ(catalog.findByName("BadLength"), nullptr);
    EXPECT_EQ(catalog.countTournamentsInTier(1), 0);
    EXPECT_EQ(catalog.getTierCount(), 1);
    EXPECT_NE(catalog.findByName("Good"), nullptr);
}

TEST(TournamentCatalog, ArenaNamesMatchCaseSensitively) {
    ScratchFolder folder;
    folder.write("tournaments.xml", "<T>" + tournament("A", 1, "Dojang") + tournament("B", 1, "arena9") + "</T>");
    TournamentCatalog catalog(folder.file("tournaments.xml"));
    EXPECT_EQ(catalog.findByName("A")->getArena(), 0);
    EXPECT_EQ(catalog.findByName("B")->getArena(), 0);
}

TEST(TournamentCatalog, ChildShapedKeysRead) {
    ScratchFolder folder;
    folder.write("tournaments.xml",
                 "<T><Tournament><name>Open</name><opponents value=\"3\"/><difficulty value=\"2\"/>"
                 "<tier value=\"5\"/><rounds value=\"1\"/><roundlength value=\"60.5\"/><arena>dojang</arena>"
                 "</Tournament></T>");
    TournamentCatalog catalog(folder.file("tournaments.xml"));
    const TournamentRecord* open = catalog.findByName("Open");
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->getTier(), 5);
    EXPECT_EQ(open->getRoundLength(), 60.5f);
    EXPECT_EQ(open->getArena(), 1);
}

TEST(TournamentCatalog, RepeatedNameIsFoundAsTheLaterOne) {
    ScratchFolder folder;
    folder.write("tournaments.xml", "<T>" + tournament("Cup", 1) + tournament("Cup", 2) + "</T>");
    TournamentCatalog catalog(folder.file("tournaments.xml"));
    EXPECT_EQ(catalog.findByName("Cup")->getTier(), 2);
    EXPECT_EQ(catalog.countTournamentsInTier(1), 1);
    EXPECT_EQ(catalog.countTournamentsInTier(2), 1);
}

TEST(TournamentCatalog, UnreadableFileGivesAnEmptyCatalogAndSaysWhy) {
    ScratchFolder folder;
    TournamentCatalog missing(folder.file("tournaments.xml"));
    EXPECT_EQ(missing.getTierCount(), 0);
    EXPECT_NE(missing.getLoadError().find("tournaments.xml"), std::string::npos);

    folder.write("tournaments.xml", "<T>" + tournament("Cut", 1).substr(0, 20));
    TournamentCatalog broken(folder.file("tournaments.xml"));
    EXPECT_EQ(broken.getTierCount(), 0);
    EXPECT_FALSE(broken.getLoadError().empty());
}
