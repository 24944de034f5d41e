// The menu master over the real engine without the rest of the game: the stand-in game master
// with a GUI manager, a song player and a profile held in memory of the test's own, the two white
// fonts, in a scratch copy of the generated game folder, played one game frame at a time. Drawing
// is off.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/GameMasterEH.h"
#include "audio/SongPlayer.h"
#include "game/GameSetupScreen.h"
#include "game/LoadingScreen.h"
#include "game/MainGuiMaster.h"
#include "game/MainMenuScreen.h"
#include "gui/GuiBlocks.h"
#include "gui/GuiFont.h"
#include "gui/GuiFonts.h"
#include "gui/GuiManager.h"
#include "gui/GuiProcessState.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "platform/win32/win32_host.h"
#include "state/ProfileState.h"
#include "tests/game/TestMasters.h"
#include "tests/support/EngineReads.h"
#include "tests/support/ScratchGameFolder.h"

namespace menutest {

// Puts the pointer on a point of the 32 x 24 plane.
inline void pointAt(float x, float y) { vtMouseSet((x + 16.0f) / 32.0f, (12.0f - y) / 24.0f); }

using enginereads::printed;
using enginereads::spriteOf;
using enginereads::visibleSprite;

class MenuRig : public ::testing::Test {
protected:
    void SetUp() override {
        resetGuiProcessState();
        win32::resetForTests();
        vtReset();
        vtSetDrawing(0);
        vtSetFixedFrameTime(1.0f / 60.0f);
        ASSERT_EQ(iVortaneOpen(nullptr, nullptr), 1);
        folder = std::make_unique<ScratchGameFolder>(GAME_DIR);
        camera = iCameraCreate(0.0f, 0.0f, 1.0f, 1.0f);
        fontWhite = new GuiFont("default_res\\fontblairwhite\\BlairMdITC TT.wid", static_cast<int>(camera), true);
        fontWhite30 = new GuiFont("default_res\\fontblairwhite30\\BlairMdITC TT.wid", static_cast<int>(camera), true);
        manager = std::make_unique<GuiManager>();
        player = std::make_unique<SongPlayer>();
        profile = std::make_unique<Tavek::ProfileState>(0);
        profile->setName("Profile");
        game = std::make_unique<gametest::TestGameMaster>();
        game->camera = camera;
        game->manager = manager.get();
        game->player = player.get();
        game->profile = profile.get();
    }
    void TearDown() override {
        menu.reset();
        game.reset();
        profile.reset();
        player.reset();
        manager.reset();
        delete fontWhite;
        delete fontWhite30;
        fontWhite = fontWhite30 = nullptr;
        iCameraDestroy(camera);
        if (HasFailure()) folder->keep();
        folder.reset();
        resetGuiProcessState();
        vtReset();
    }

    // The menu master as the game master builds it: the bar filled, then the main menu.
    void buildMenu() {
        menu = std::make_unique<Tavek::MainGuiMaster>(game.get(), camera);
        menu->getLoadingScreen()->setProgress(1.0f);
        menu->showMainMenu();
    }

    // One game frame: the engine, the GUI manager, the menu master, the music, the extra render.
    void frame() {
        iVortaneMain();
        manager->pollInput();
        menu->tick();
        player->tick();
        if (extraRenderRequested) {
            iRender();
            extraRenderRequested = false;
        }
    }
    void frames(int count) {
        for (int i = 0; i < count; ++i) frame();
    }
    // A left click at a plane point: pressed in one frame, released in the next.
    void click(float x, float y) {
        pointAt(x, y);
        vtMouseButtonSet(0, 1);
        frame();
        vtMouseButtonSet(0, 0);
        frame();
    }
    void pressEsc() {
        vtKeySet(1, 1);
        frame();
        vtKeySet(1, 0);
        frame();
    }

    std::unique_ptr<ScratchGameFolder> folder;
    uint32_t camera = 0;
    std::unique_ptr<GuiManager> manager;
    std::unique_ptr<SongPlayer> player;
    std::unique_ptr<Tavek::ProfileState> profile;
    std::unique_ptr<gametest::TestGameMaster> game;
    std::unique_ptr<Tavek::MainGuiMaster> menu;
};

}  // namespace menutest
