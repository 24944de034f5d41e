// A profile, its options and a fighter with a running championship are saved as the files in
// tests/state/saved/, byte for byte, and what is loaded from them saves as the same bytes. Any
// change in a key's name, order, shape or number format shows here.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/win32/crt.h"
#include "state/ChampionshipState.h"
#include "state/FighterState.h"
#include "state/ProfileState.h"
#include "tests/state/GameFolder.h"

using Tavek::ChampionshipState;
using Tavek::FighterState;
using Tavek::ProfileState;

namespace {

std::string expected(const std::string& name) {
    std::ifstream in(std::string(STATE_TEST_SAVED_DIR) + "/" + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every field away from its default, so a key that is dropped or read into the wrong field shows.
void fillFighter(FighterState& f) {
    f.name = "Mira Dalve";
    f.Age = 23;
    f.Gender = "F";
    f.Look = 14;
    f.School = "Harbour Dojang";
    f.Stance = "R";
    f.BodyType = 3;
    f.Stamina = 11;
    f.Training = 12;
    f.Defense = 13;
    f.Agility = 14;
    f.Footwork = 15;
    for (int k = 0; k < FighterState::KickFamilyCount; ++k)
        f.kicks[k] = {20 + k, 30 + k, 40 + k, 50 + k};
    f.abilities.fromString("PK9O3");
    f.AIModule = "counter";
    f.AILearnSpeed = 1.25f;
    f.SoundGroup = "female.quenra";
}

}  // namespace

TEST(SavedBytes, AProfileAndAFighterWithItsChampionshipAreWrittenAsEver) {
    GameFolder folder;
    folder.writeChampionshipData();
    std::filesystem::create_directories(folder.file("saveData"));
    const std::string saveFolder = folder.folder() + "\\saveData\\";
    crt::srand(7);

    ProfileState profile(1);
    profile.setDirectory(saveFolder);
    profile.setName("Ansel Kerrow");
    Tavek::Options& options = profile.getOptions();
    options.setDifficulty(2);
    options.setGameMode(1);
    options.FightVolume = 0.57f;
    options.ArenaVolume = 0.3f;
    options.KnockdownsMode = 1;
    options.DefaultController = 2;
    options.EnableRumble = false;
    options.DefaultCameraAngle = 3;

    FighterState& fighter = *profile.newFighter();
    fillFighter(fighter);
    ChampionshipState& championship = *fighter.getChampionship();
    championship.recordResult("Summer Cup", ChampionshipState::Gold);
    championship.recordResult("Autumn Cup", ChampionshipState::Bronze);
    fighter.applyConfidencePoints();
    fighter.Rank = 0;  // yellow belt: the opponents draw from two scripts
    championship.startTournament(fighter, "Spring Open", 1.25f);
    profile.saveAll("profile.xml");

    EXPECT_EQ(folder.read("saveData/profile.xml"), expected("profile.xml"));
    EXPECT_EQ(folder.read("saveData/fighter0.xml"), expected("fighter0.xml"));

    // Everything read back is written back unchanged.
    ProfileState loaded(1);
    loaded.setDirectory(saveFolder);
    loaded.load("profile.xml");
    ASSERT_EQ(loaded.getFighterCount(), 1);
    std::filesystem::remove(folder.file("saveData/profile.xml"));
    std::filesystem::remove(folder.file("saveData/fighter0.xml"));
    loaded.saveAll("");
    EXPECT_EQ(folder.read("saveData/profile.xml"), expected("profile.xml"));
    EXPECT_EQ(folder.read("saveData/fighter0.xml"), expected("fighter0.xml"));
}
