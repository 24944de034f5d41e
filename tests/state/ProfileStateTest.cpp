// The player's profile with its fighter files: create, save, load, add and delete, and the
// player's data kept safe from broken, missing and hostile files.
#include <gtest/gtest.h>

#include <stdexcept>

#include "persistence/PersistentObject.h"
#include "persistence/XMLFileException.h"
#include "state/FighterState.h"
#include "state/PersistentProfile.h"
#include "state/ProfileState.h"
#include "tests/state/GameFolder.h"

using Tavek::FighterState;
using Tavek::ProfileState;

namespace {

class Profile : public ::testing::Test {
protected:
    void SetUp() override {
        folder.writeTournaments();
        std::filesystem::create_directories(folder.file("saveData"));
    }

    std::string saveFolder() const { return folder.folder() + "\\saveData\\"; }
    std::string saved(const std::string& name) const { return folder.read("saveData/" + name); }
    bool exists(const std::string& name) const { return std::filesystem::exists(folder.file("saveData/" + name)); }

    std::unique_ptr<ProfileState> makeProfile() const {
        auto p = std::make_unique<ProfileState>(1);
        p->setDirectory(saveFolder());
        return p;
    }

    // A saved profile with fighters named after the given names.
    void saveProfileWith(const std::vector<std::string>& names) const {
        auto p = makeProfile();
        p->setName("Player One");
        for (const std::string& n : names) p->newFighter()->name = n;
        p->saveAll("profile.xml");
    }

    GameFolder folder;
};

std::vector<std::string> fighterNames(const ProfileState& p) {
    std::vector<std::string> names;
    for (int i = 0; i < p.getFighterCount(); ++i) names.push_back(p.getFighter(i)->name);
    return names;
}

}  // namespace

TEST_F(Profile, FightersAreAddedSavedReloadedAndDeleted) {
    saveProfileWith({"Ada", "Bo", "Cy"});
    EXPECT_TRUE(exists("fighter0.xml") && exists("fighter1.xml") && exists("fighter2.xml"));

    auto p = makeProfile();
    p->load("profile.xml");
    EXPECT_EQ(p->getName(), "Player One");
    EXPECT_EQ(fighterNames(*p), (std::vector<std::string>{"Ada", "Bo", "Cy"}));
    EXPECT_TRUE(p->getLoadProblems().empty());

    p->getOptions().setDifficulty(3);
    p->deleteFighter(p->getFighter(1));
    EXPECT_FALSE(exists("fighter1.xml"));
    p->saveAll("");

    auto again = makeProfile();
    again->load("profile.xml");
    EXPECT_EQ(fighterNames(*again), (std::vector<std::string>{"Ada", "Cy"}));
    EXPECT_EQ(again->getOptions().getDifficulty(), 3);
    EXPECT_TRUE(again->getLoadProblems().empty());
    // The freed name is handed out again.
    again->newFighter();
    EXPECT_EQ(again->getFighterPath(again->getFighter(2)), saveFolder() + "fighter1.xml");
}

TEST_F(Profile, ANewFighterTakesTheFirstFreeNameOnDiskAndInTheProfile) {
    folder.write("saveData/fighter0.xml", "<Fighter/>");
    folder.write("saveData/fighter2.xml", "<Fighter/>");
    std::filesystem::create_directories(folder.file("saveData/fighter3.xml"));
    auto p = makeProfile();
    FighterState* first = p->newFighter();
    FighterState* second = p->newFighter();
    EXPECT_EQ(p->getFighterPath(first), saveFolder() + "fighter1.xml");
    // Not saved yet, fighter1.xml is taken all the same: two fighters never share a file.
    EXPECT_EQ(p->getFighterPath(second), saveFolder() + "fighter4.xml");
    first->name = "First";
    second->name = "Second";
    p->saveAll("profile.xml");
    auto again = makeProfile();
    again->load("profile.xml");
    EXPECT_EQ(fighterNames(*again), (std::vector<std::string>{"First", "Second"}));
}

TEST_F(Profile, ACorruptFighterFileIsReportedAndLosesNothing) {
    saveProfileWith({"Ada", "Bo", "Cy"});
    folder.write("saveData/fighter1.xml", "<Fighter name=\"Bo\"><Age value=");

    auto p = makeProfile();
    ASSERT_NO_THROW(p->load("profile.xml"));
    EXPECT_EQ(fighterNames(*p), (std::vector<std::string>{"Ada", "Cy"}));
    ASSERT_EQ(p->getLoadProblems().size(), 1u);
    EXPECT_NE(p->getLoadProblems()[0].find("fighter1.xml could not be read"), std::string::npos);

    // Saving keeps the broken file, and the profile still lists it.
    p->getFighter(0)->name = "Ada Renamed";
    p->saveAll("profile.xml");
    EXPECT_EQ(saved("fighter1.xml"), "<Fighter name=\"Bo\"><Age value=");
    PersistentProfile document;
    document.load(folder.file("saveData/profile.xml"));
    ASSERT_EQ(document.getFighterPathCount(), 3);
    EXPECT_EQ(document.getFighterPath(1), "fighter1.xml");
    EXPECT_EQ(document.getName(), "Player One");
    // Nor is its name handed to a new fighter.
    EXPECT_EQ(p->getFighterPath(p->newFighter()), saveFolder() + "fighter3.xml");
}

TEST_F(Profile, AMissingFighterFileIsReportedAndDroppedFromTheProfile) {
    saveProfileWith({"Ada", "Bo"});
    std::filesystem::remove(folder.file("saveData/fighter0.xml"));
    auto p = makeProfile();
    p->load("profile.xml");
    EXPECT_EQ(fighterNames(*p), (std::vector<std::string>{"Bo"}));
    ASSERT_EQ(p->getLoadProblems().size(), 1u);
    EXPECT_NE(p->getLoadProblems()[0].find("fighter0.xml is missing"), std::string::npos);
    p->saveAll("");
    auto again = makeProfile();
    again->load("profile.xml");
    EXPECT_TRUE(again->getLoadProblems().empty());
    EXPECT_EQ(fighterNames(*again), (std::vector<std::string>{"Bo"}));
}

TEST_F(Profile, FilesOutsideTheSaveFolderAreNeverReadOrDeleted) {
    folder.write("precious.xml", "<Fighter name=\"Not yours\"><Age value=\"30\"/></Fighter>");
    folder.write("saveData/profile.xml",
                 "<Profile><FighterPath value=\"../precious.xml\"/><FighterPath value=\"\"/><Name>P</Name></Profile>");
    auto p = makeProfile();
    p->load("profile.xml");
    EXPECT_EQ(p->getFighterCount(), 0);
    EXPECT_EQ(p->getLoadProblems().size(), 2u);
    p->saveAll("");
    EXPECT_TRUE(std::filesystem::exists(folder.file("precious.xml")));
}

TEST_F(Profile, AFileListedTwiceIsOneFighterAndDeletingItRemovesBothEntries) {
    saveProfileWith({"Ada"});
    folder.write("saveData/profile.xml", "<Profile><FighterPath value=\"fighter0.xml\"/>"
                                         "<FighterPath value=\"fighter0.xml\"/><Name>Twice</Name></Profile>");
    auto p = makeProfile();
    p->load("profile.xml");
    ASSERT_EQ(p->getFighterCount(), 1);
    p->deleteFighter(p->getFighter(0));
    p->saveAll("");
    PersistentProfile document;
    document.load(folder.file("saveData/profile.xml"));
    EXPECT_EQ(document.getFighterPathCount(), 0);
    EXPECT_FALSE(exists("fighter0.xml"));
}

TEST_F(Profile, AProfileWithoutNameStillLoadsItsFightersAndOptions) {
    saveProfileWith({"Ada"});
    folder.write("saveData/profile.xml", "<Profile><FighterPath value=\"fighter0.xml\"/>"
                                         "<Difficulty value=\"2\"/></Profile>");
    auto p = makeProfile();
    ASSERT_NO_THROW(p->load("profile.xml"));
    EXPECT_EQ(p->getName(), "");
    EXPECT_EQ(fighterNames(*p), (std::vector<std::string>{"Ada"}));
    EXPECT_EQ(p->getOptions().getDifficulty(), 2);
}

TEST_F(Profile, AnUnreadableProfileFileLeavesTheObjectAsItWas) {
    saveProfileWith({"Ada", "Bo"});
    auto p = makeProfile();
    p->load("profile.xml");
    folder.write("saveData/other.xml", "<Profile>");
    EXPECT_THROW(p->load("other.xml"), XMLFileException);
    EXPECT_THROW(p->load("absent.xml"), XMLFileException);
    EXPECT_EQ(fighterNames(*p), (std::vector<std::string>{"Ada", "Bo"}));
    EXPECT_EQ(p->getFileName(), "profile.xml");
}

TEST_F(Profile, LoadingAgainReplacesRatherThanAppends) {
    saveProfileWith({"Ada", "Bo"});
    auto p = makeProfile();
    p->load("profile.xml");
    p->load("profile.xml");
    EXPECT_EQ(fighterNames(*p), (std::vector<std::string>{"Ada", "Bo"}));
    p->saveAll("");
    PersistentProfile document;
    document.load(folder.file("saveData/profile.xml"));
    EXPECT_EQ(document.getFighterPathCount(), 2);
}

TEST_F(Profile, SavingNeedsAFileName) {
    auto p = makeProfile();
    try {
        p->save("");
        FAIL() << "saved without a file name";
    } catch (const XMLFileException& e) {
        EXPECT_EQ(e.getMessage(), "Missing filename for profile!");
    }
    EXPECT_THROW(p->saveAll(""), XMLFileException);
    p->setName("Named");
    p->save("mine.xml");
    p->setName("Renamed");
    p->save("");
    PersistentProfile document;
    document.load(folder.file("saveData/mine.xml"));
    EXPECT_EQ(document.getName(), "Renamed");
}

TEST_F(Profile, FightersOutsideTheListAreLeftAlone) {
    saveProfileWith({"Ada"});
    auto p = makeProfile();
    p->load("profile.xml");
    FighterState stranger("Fighter", nullptr);
    p->deleteFighter(&stranger);
    p->deleteFighter(nullptr);
    EXPECT_EQ(p->getFighterCount(), 1);
    EXPECT_TRUE(exists("fighter0.xml"));
    EXPECT_THROW(p->getFighter(1), std::out_of_range);
    EXPECT_THROW(p->getFighter(-1), std::out_of_range);
}

TEST_F(Profile, AProfileInMemoryTouchesNoFiles) {
    ProfileState p(0);
    p.setDirectory(saveFolder());
    FighterState* f = p.newFighter();
    EXPECT_EQ(p.getFighterCount(), 1);
    p.saveAll("memory.xml");
    EXPECT_FALSE(exists("memory.xml"));
    EXPECT_FALSE(exists("fighter0.xml"));
    p.deleteFighter(f);
    EXPECT_EQ(p.getFighterCount(), 0);
    EXPECT_EQ(p.getState(), 0);
}
