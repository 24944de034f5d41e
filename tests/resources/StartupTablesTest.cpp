#include <gtest/gtest.h>

#include <set>

#include "resources/StartupTables.h"

namespace {

template <size_t N>
void expectGuiSprites(const std::array<std::string, N>& table) {
    for (const std::string& file : table) {
        EXPECT_EQ(file.rfind("Tavek_res\\gui\\", 0), 0u) << file;
        EXPECT_EQ(file.substr(file.size() - 2), ".x") << file;
        EXPECT_EQ(file.find('/'), std::string::npos) << file;
    }
}

}  // namespace

TEST(StartupTables, MatchScreenHasPenaltyMarkersInFourGroupsOfFour) {
    ASSERT_EQ(matchScreenSprites.size(), 20u);
    EXPECT_EQ(matchScreenSprites[0], "Tavek_res\\gui\\general\\black.x");
    const char* const groups[4] = {"penalty_half.x", "penalty_full.x", "penalty_half.x", "penalty_full.x"};
    for (int group = 0; group < 4; ++group) {
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(matchScreenSprites[1 + group * 4 + i], std::string("Tavek_res\\gui\\matchScreen\\") + groups[group])
                << "entry " << 1 + group * 4 + i;
        }
    }
    EXPECT_EQ(matchScreenSprites[17], "Tavek_res\\gui\\matchScreen\\blue_bar.x");
    EXPECT_EQ(matchScreenSprites[18], "Tavek_res\\gui\\matchScreen\\red_bar.x");
    EXPECT_EQ(matchScreenSprites[19], "Tavek_res\\gui\\matchScreen\\round_and_timer.x");
}

TEST(StartupTables, LookNamesAreThreeDifferentNames) {
    ASSERT_EQ(lookNames.size(), 3u);
    EXPECT_EQ(std::set<std::string>(lookNames.begin(), lookNames.end()).size(), 3u);
    EXPECT_EQ(lookNames[0], "quenra");
    EXPECT_EQ(lookNames[1], "lodrevi");
    EXPECT_EQ(lookNames[2], "ferd");
}

TEST(StartupTables, EverySpriteTableNamesGameSpritesByBackslashPath) {
    expectGuiSprites(daviScreenSprites);
    expectGuiSprites(optionScreenSprites);
    expectGuiSprites(loadingScreenSprites);
    expectGuiSprites(matchScreenSprites);
    expectGuiSprites(pauseDialogSprites);
    expectGuiSprites(menuScreenSprites);
    expectGuiSprites(quickMatchScreenSprites);
}

TEST(StartupTables, FolderTextsEndTheWayTheirUsersJoinThem) {
    // Sample names are appended straight to the sounds folder; the script folder is a module path.
    EXPECT_EQ(soundsFolder + "soundscape.xml", "Tavek_res\\sounds\\soundscape.xml");
    EXPECT_EQ(scriptsFolder, "Tavek_res\\scripts");
    EXPECT_EQ(fighterPathKey, "FighterPath");
    EXPECT_EQ(profileRootName, "Profile");
}
