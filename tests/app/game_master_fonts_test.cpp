// The game master's five GUI fonts, made from the generated game folder.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <filesystem>
#include <memory>

#include "PackFolder.h"
#include "tests/app/PackScripts.h"
#include "app/GameMaster.h"
#include "app/ProcessState.h"
#include "gui/GuiFont.h"
#include "game/MainGuiMaster.h"
#include "game/MainMenuScreen.h"
#include "gui/GuiFonts.h"
#include "gui/GuiManager.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "platform/win32/win32_host.h"
#include "tests/support/ScratchGameFolder.h"

TEST(GameMasterFonts, TheFiveGuiFontsLoadInOrderAndASecondMasterReplacesThem) {
    resetProcessState();
    win32::resetForTests();
    vtReset();
    vtSetDrawing(0);
    ScratchGameFolder inside(pack::gameFolder());  // the game writes its profile here
    {
        auto first = std::make_unique<Tavek::GameMaster>();
        Tavek::GameMaster& master = *first;
        GuiFont* fonts[] = {fontBlack, fontBlack30, fontWhite30, fontBlue30, fontWhite};
        uint32_t previous = 0;
        for (GuiFont* font : fonts) {
            ASSERT_NE(font, nullptr);
            EXPECT_GT(font->getEngineFont(), previous);  // made in this order
            EXPECT_FALSE(font->isLoaded());              // the width files are left to the engine
            previous = font->getEngineFont();
            int glyphs = 0, textureId = 0, owner = 0;
            ASSERT_TRUE(vtFontGet(font->getEngineFont(), &glyphs, &textureId, &owner));
            EXPECT_EQ(owner, static_cast<int>(master.getCamera()));
            EXPECT_EQ(glyphs, 256);
        }
        EXPECT_EQ(vtMipLevels(), 0);
        const Vector2 cell(0.35f, 0.35f);
        EXPECT_GT(fontWhite->textWidth("Quick Match", cell, 0.0f), 2.0f);

        // The GUI runs: the main menu opens over 31 frames, then takes input, and each frame's
        // captions are printed after the manager's poll in the same tick.
        ASSERT_NE(master.getGuiManager(), nullptr);
        MainMenuScreen* screen = master.getMainGuiMaster()->getMainMenuScreen();
        EXPECT_EQ(master.getGuiManager()->getScreen(), screen);
        EXPECT_TRUE(vtMouseHidden());
        for (int frame = 0; frame < 31; ++frame) {
            EXPECT_FALSE(screen->acceptsInput()) << frame;
            iVortaneMain();
            master.tick();
        }
        EXPECT_TRUE(screen->acceptsInput());
        iVortaneMain();
        master.tick();
        bool captionShown = false;
        for (int i = 0; i < vtTextCount(); ++i) {
            vtText text{};
            captionShown |= vtTextGet(i, &text) && std::string(text.text) == "Exit Game";
        }
        EXPECT_TRUE(captionShown);

        // The first master goes (its screens use its fonts to the end) before the second is
        // made, so the allocator may hand the same address back: the engine's font handles,
        // never reused, tell the two sets apart.
        const uint32_t firstEngineFont = fontWhite->getEngineFont();
        first.reset();
        Tavek::GameMaster second;
        iVortaneMain();
        second.tick();
        ASSERT_NE(fontWhite, nullptr);
        EXPECT_NE(fontWhite->getEngineFont(), firstEngineFont);
        EXPECT_NE(fontWhite->getEngineFont(), 0u);
    }
    resetProcessState();
    vtReset();
}

TEST(GameMasterFonts, AFontThatCannotBeMadeIsNamedInTheLog) {
    resetProcessState();
    win32::resetForTests();
    vtReset();
    vtSetDrawing(0);
    std::string debugOutput;
    win32::setDebugSink([&](const char* text) { debugOutput += text; });
    // A folder holding only the fighter scripts, which the battle imports when it is built.
    const std::filesystem::path previous = std::filesystem::current_path();
    std::string pattern = (std::filesystem::temp_directory_path() / "brennock-fonts-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    copyPackScripts(pattern);
    std::filesystem::current_path(pattern);
    {
        // Outside the game folder no width file is found: the game runs on, without text.
        Tavek::GameMaster master;
        if (fontWhite->getEngineFont() != 0) {
            win32::resetForTests();
            std::filesystem::current_path(previous);
            std::filesystem::remove_all(pattern);
            GTEST_SKIP() << "the process's archive already reads the game folder (an earlier test of this run)";
        }
        EXPECT_FLOAT_EQ(fontWhite->textWidth("Quick Match", Vector2(1.0f, 1.0f), 0.0f), 0.0f);
    }
    for (const char* folder : {"fontblairblack\\", "fontblairblack30\\", "fontblairwhite30\\", "fontblairblue30\\",
                               "fontblairwhite\\"}) {
        EXPECT_NE(debugOutput.find(std::string("default_res\\") + folder + "BlairMdITC TT.wid could not be made"),
                  std::string::npos)
            << folder;
    }
    std::filesystem::current_path(previous);
    std::filesystem::remove_all(pattern);
    win32::resetForTests();
    resetProcessState();
    vtReset();
}
