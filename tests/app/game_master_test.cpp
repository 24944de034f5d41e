// What the game master builds before anything else of the game exists.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "app/ExhibitionMatch.h"
#include "app/GameMaster.h"
#include "app/StandInMenu.h"
#include "app/StandInScreen.h"
#include "fight/BattleManager.h"
#include "gui/GuiManager.h"
#include "app/ProcessState.h"
#include "audio/SongPlayer.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "platform/win32/win32_host.h"

namespace {
// The game master's battle reads the pack, so these tests run in the game folder, on an engine
// opened without drawing.
class GameMasterBuild : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::current_path(GAME_DIR);
        resetProcessState();
        win32::resetForTests();
        vtReset();
        vtSetDrawing(0);
        vtSetFixedFrameTime(1.0f / 60.0f);
        ASSERT_EQ(iVortaneOpen(nullptr, nullptr), 1);
    }
    void TearDown() override {
        resetProcessState();
        vtReset();
        std::filesystem::current_path(previous);
    }
    std::filesystem::path previous = std::filesystem::current_path();
};
}  // namespace

TEST_F(GameMasterBuild, CameraLightAndMusicStandReady) {
    const int engineObjects = vtLiveObjectCount();
    {
        Tavek::GameMaster master;
        iVector3 location{}, lightDirection{};
        iQuaternion orientation{};
        iVector4 lightColour{};
        float fov = 0.0f;
        ASSERT_TRUE(vtCameraGet(master.getCamera(), &location, &orientation, &fov));
        EXPECT_FLOAT_EQ(location.y, 1.0f);
        EXPECT_FLOAT_EQ(location.x, 0.0f);
        ASSERT_TRUE(vtLightGet(&lightDirection, &lightColour));
        EXPECT_FLOAT_EQ(lightDirection.y, -1.0f);
        EXPECT_FLOAT_EQ(lightColour.w, 0.35f);
        EXPECT_EQ(vtMipLevels(), 0);
        ASSERT_NE(master.getSongPlayer(), nullptr);
        EXPECT_FALSE(master.getSongPlayer()->isPlaying());
        master.tick();  // with nothing else built yet, a frame only advances the music

        master.requestQuit();
        EXPECT_TRUE(quitRequested);
    }
    // The camera and the battle's sounds went with it; the GUI keeps its two key sounds for the
    // whole process.
    EXPECT_EQ(vtLiveObjectCount(), engineObjects + 2);
}

TEST_F(GameMasterBuild, TheStartScreenPlaysAnExhibitionAndEscReturnsToIt) {
    {
        Tavek::GameMaster master;
        BattleManager* battle = master.getBattleManager();
        ASSERT_NE(battle, nullptr);
        EXPECT_EQ(battle->getCurrentMaster(), master.getExhibition());
        Tavek::StandInScreen* start = master.getStandInMenu()->getScreen();
        ASSERT_NE(start->getExhibitionButton(), nullptr);
        for (int i = 0; i < 30; ++i) {
            iVortaneMain();
            master.tick();
        }
        EXPECT_EQ(battle->getBattle().battleMode, 0);   // nothing fights on the start screen

        master.getExhibition()->begin();
        master.getGuiManager()->setScreen(nullptr);
        EXPECT_EQ(battle->getBattle().battleMode, 1);
        EXPECT_EQ(battle->getBattleState(), 1);
        EXPECT_EQ(*battle->getNameA(), "Kai Maren");
        EXPECT_FALSE(battle->isHumanA());
        EXPECT_FALSE(battle->isHumanB());
        for (int i = 0; i < 120; ++i) {
            iVortaneMain();
            master.tick();
        }
        EXPECT_NE(battle->getFlybyCamera(), nullptr);   // the arena is flown

        vtKeySet(1, 1);
        iVortaneMain();
        master.tick();
        vtKeySet(1, 0);
        EXPECT_EQ(battle->getBattle().battleMode, 0);
        EXPECT_FALSE(master.getExhibition()->isRunning());
        EXPECT_EQ(master.getGuiManager()->getScreen(), start);
    }
}
