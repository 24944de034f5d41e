// What the game master builds before anything else of the game exists.
#include <gtest/gtest.h>

#include "app/GameMaster.h"
#include "app/ProcessState.h"
#include "audio/SongPlayer.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "platform/win32/win32_host.h"

TEST(GameMasterBuild, CameraLightAndMusicStandReady) {
    resetProcessState();
    win32::resetForTests();
    vtReset();
    vtSetDrawing(0);
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
    EXPECT_EQ(vtLiveObjectCount(), 0);  // the camera went with the game master
    resetProcessState();
    vtReset();
}
