// The battle on the real resource pack: the arena build, the marks the fighters stand on, the
// arena swap the battle manager makes, and a pack whose fly-by file is broken.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <vector>

#include "fight/BattleInstance.h"
#include "fight/LoadingProgress.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "platform/win32/crt.h"
#include "resources/FileArchive.h"

namespace fs = std::filesystem;

namespace {

class RecordingProgress : public LoadingProgress {
public:
    void setProgress(float value) override { values.push_back(value); }
    std::vector<float> values;
};

class BattleArena : public ::testing::Test {
protected:
    void SetUp() override {
        previousFolder = fs::current_path();
        fs::current_path(GAME_DIR);
        vtReset();
        vtSetDrawing(0);
        vtSetFixedFrameTime(1.0f / 60.0f);
        ASSERT_EQ(iVortaneOpen(nullptr, nullptr), 1);
        battle = std::make_unique<BattleInstance>();
        battle->setLoadingScreen(&progress);
        battle->buildArena(1);
    }
    void TearDown() override {
        battle.reset();
        vtReset();
        fs::current_path(previousFolder);
    }

    bool visible(uint32_t mesh) {
        vtMeshState state{};
        vtMeshStateGet(mesh, &state);
        return state.visible != 0;
    }

    static void expectFacing(const FighterInstance& f, float yaw) {
        iQuaternion q;
        iQuaternionFromEulerAngles(&q, 0.0f, yaw, 0.0f, "xyz");
        EXPECT_FLOAT_EQ(f.orientation.x, q.x);
        EXPECT_FLOAT_EQ(f.orientation.y, q.y);
        EXPECT_FLOAT_EQ(f.orientation.z, q.z);
        EXPECT_FLOAT_EQ(f.orientation.w, q.w);
    }

    fs::path previousFolder;
    RecordingProgress progress;
    std::unique_ptr<BattleInstance> battle;
};

TEST_F(BattleArena, BuildsTheNationalArenaWithItsFlybysContactsAndLooks) {
    EXPECT_NE(battle->matBody, 0u);
    EXPECT_EQ(battle->sceneCount[0], 57);
    EXPECT_EQ(battle->litCount[0], 4);
    for (int i = 0; i < battle->sceneCount[0]; ++i) EXPECT_NE(battle->sceneMeshes[0][i], 0u) << i;
    EXPECT_EQ(battle->flybyLists[0].getFlybys().size(), 3u);
    int contacts = 0;
    for (auto& row : battle->contacts)
        for (uint32_t c : row) contacts += c != 0;
    EXPECT_EQ(contacts, 48);
    ASSERT_FALSE(progress.values.empty());
    EXPECT_FLOAT_EQ(progress.values.back(), 1.0f);
    for (size_t i = 1; i < progress.values.size(); ++i) EXPECT_GE(progress.values[i], progress.values[i - 1] - 1e-5f);

    // Entering the state it is in keeps the time in state; another state starts it again.
    battle->setState(0);
    battle->timeInState = 1.5f;
    battle->setState(0);
    EXPECT_EQ(battle->timeInState, 1.5f);
    battle->setState(3);
    EXPECT_EQ(battle->timeInState, 0.0f);

    // The two fighters never wear the same look.
    crt::srand(3);
    for (int i = 0; i < 100; ++i) {
        battle->pickRandomLooks();
        EXPECT_NE(battle->fighterA.lookId, battle->fighterB.lookId);
    }
}

TEST_F(BattleArena, SetUpPutsTheFightersOnTheirMarksAndStopHidesEverything) {
    battle->setUp(1, 0, true, 0, 60.0f, true);
    EXPECT_EQ(battle->fighterA.location, Vector3(2.0f, 0.65f, 0.0f));
    EXPECT_EQ(battle->fighterB.location, Vector3(-2.0f, 0.65f, 0.0f));
    expectFacing(battle->fighterA, -90.0f);
    expectFacing(battle->fighterB, 90.0f);
    EXPECT_TRUE(visible(battle->sceneMeshes[0][0]));
    EXPECT_TRUE(battle->isFightMode());
    EXPECT_EQ(battle->currentMatBounds[1], 7.0f);
    ASSERT_NE(battle->getFlybyList(), nullptr);

    // Stopping hides the hall and draws no path: the game's random sequence is untouched.
    const Flyby* flown = battle->getFlybyList();
    crt::srand(11);
    const int expected = crt::rand();
    crt::srand(11);
    battle->setUp(0, 1, true, 0, -1.0f, true);
    EXPECT_EQ(crt::rand(), expected);
    EXPECT_EQ(battle->getFlybyList(), flown);
    for (int arena = 0; arena < BattleInstance::ArenaCount; ++arena) {
        for (int i = 0; i < battle->sceneCount[arena]; ++i) EXPECT_FALSE(visible(battle->sceneMeshes[arena][i]));
        for (int i = 0; i < battle->litCount[arena]; ++i) EXPECT_FALSE(visible(battle->litMeshes[arena][i]));
    }

    // An arena that does not exist changes nothing.
    battle->setUp(1, 0, true, 7, 60.0f, true);
    EXPECT_EQ(battle->battleMode, 0);
    EXPECT_EQ(battle->arenaIndex, 0);
}

TEST_F(BattleArena, DojangHasItsMirrorAndSwappingArenasLeavesNothingBehind) {
    const size_t files = FileArchive::instance().files().size();
    const int textures = vtTextureCount();
    const int bodies = vtBodyCount();

    battle->destroyArenaMeshes(0);
    progress.values.clear();
    battle->buildArenaMeshes(1, 0.5f, 0.75f);
    EXPECT_EQ(battle->sceneCount[1], 40);
    EXPECT_EQ(battle->litCount[1], 3);
    EXPECT_FLOAT_EQ(progress.values.back(), 0.75f);
    iVector3 point, normal;
    ASSERT_EQ(vtMirrorPlaneGet(&point, &normal), 1);
    EXPECT_EQ(point.z, -5.0f);
    EXPECT_EQ(normal.z, 1.0f);

    battle->destroyArenaMeshes(1);
    battle->buildArenaMeshes(0, 0.5f, 0.75f);
    EXPECT_EQ(FileArchive::instance().files().size(), files);
    EXPECT_EQ(vtTextureCount(), textures);
    EXPECT_EQ(vtBodyCount(), bodies);

    // An arena that does not exist builds nothing.
    battle->buildArenaMeshes(5, 0.0f, 1.0f);
    EXPECT_EQ(battle->sceneCount[0], 57);
}

// A copy of the pack (linked file by file) whose arena-1 fly-bys are broken.
TEST(BattleArenaBrokenFlybys, StartsAndFliesTheDefaultPath) {
    const fs::path game(GAME_DIR);
    const fs::path copy = fs::temp_directory_path() / ("brennock-pack-" + std::to_string(getpid()));
    fs::remove_all(copy);
    fs::create_directories(copy);
    const fs::path broken = fs::path("Tavek_res") / "arenas" / "arena1" / "flybys.xml";
    for (const auto& entry : fs::recursive_directory_iterator(game)) {
        const fs::path relative = fs::relative(entry.path(), game);
        if (entry.is_directory()) fs::create_directories(copy / relative);
        else if (relative != broken) fs::create_symlink(entry.path(), copy / relative);
    }
    {
        std::ofstream out(copy / broken);
        out << "<Flybys><Flyby length=\"3\"><At lx=\"0\"";
    }
    const fs::path previous = fs::current_path();
    fs::current_path(copy);
    vtReset();
    vtSetDrawing(0);
    ASSERT_EQ(iVortaneOpen(nullptr, nullptr), 1);
    {
        BattleInstance battle;
        battle.buildArena(1);
        EXPECT_TRUE(battle.flybyLists[0].getFlybys().empty());
        battle.setUp(1, 0, true, 0, 60.0f, true);
        EXPECT_EQ(battle.getFlybyList(), defaultFlyby);
        EXPECT_EQ(battle.sceneCount[0], 57);
    }
    vtReset();
    fs::current_path(previous);
    fs::remove_all(copy);
}

}  // namespace
