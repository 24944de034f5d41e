// The game master as the player meets it: start-up behind the loading bar, the main menu with
// its music, fonts and cursor (the quick match behind it is tested with the game's screens). A whole
// game master in a scratch copy of the game folder (loose files), drawing off.
#include <memory>
#include <vector>

#include "audio/SongPlayer.h"
#include "fight/BattleManager.h"
#include "game/MainMenuScreen.h"
#include "gui/GuiBlocks.h"
#include "gui/GuiFont.h"
#include "gui/GuiFonts.h"
#include "gui/GuiMouse.h"
#include "tests/support/GameMasterRig.h"

namespace {

using GameMasterRun = gamemastertest::GameMasterRig;

// Static meshes shown, of every one alive.
int visibleMeshes() {
    int seen = 0, shown = 0;
    for (uint32_t h = 1; h < 200000 && seen < vtMeshCount(); ++h) {
        vtMeshState state{};
        if (!vtMeshStateGet(h, &state)) continue;
        ++seen;
        shown += state.visible ? 1 : 0;
    }
    return shown;
}

int visibleSkinMeshes() {
    int seen = 0, shown = 0;
    for (uint32_t h = 1; h < 200000 && seen < vtSkinMeshCount(); ++h) {
        vtSkinMeshState state{};
        if (!vtSkinMeshStateGet(h, &state)) continue;
        ++seen;
        shown += state.visible ? 1 : 0;
    }
    return shown;
}

bool menuSongStarted() {
    for (int i = 0; i < vtSoundLogCount(); ++i) {
        vtSoundEvent e{};
        vtSoundLogGet(i, &e);
        const std::string path = e.path ? e.path : "";
        if (e.kind == vtSoundStarted &&
            (path.find("menu1-intro.ogg") != std::string::npos || path.find("menu2.ogg") != std::string::npos))
            return true;
    }
    return false;
}

}  // namespace

// Start-up behind the loading bar: the menu master's eleven steps, each presented in a frame of
// its own, then the battle's values rising to a full bar; then the main menu with its music and
// cursor, nothing of the battle drawn, and nothing of the engine left behind when it goes.
TEST_F(GameMasterRun, StartUpFillsTheBarShowsTheMainMenuWithItsMusicAndTearsDownClean) {
    vtSoundLogEnable(1);
    const int engineObjects = vtLiveObjectCount();
    build();
    const std::vector<float>& values = record.values;
    const std::vector<int>& renderCounts = record.renders;
    const float menuValues[] = {0.05f,      0.07105263f, 0.09210526f, 0.1131579f, 0.1342105f, 0.1552632f,
                                0.1763158f, 0.1973684f,  0.2184211f,  0.2394737f, 0.2605263f};
    ASSERT_GT(values.size(), 11u + 400u);
    for (size_t i = 0; i < 11; ++i) EXPECT_NEAR(values[i], menuValues[i], 1e-6) << i;
    EXPECT_NEAR(values[11], 0.5f, 0.01f);
    for (size_t i = 12; i < values.size(); ++i) EXPECT_GE(values[i], values[i - 1] - 1e-4f) << i;
    EXPECT_FLOAT_EQ(values.back(), 1.0f);
    // Each of the menu master's own values presents exactly one frame.
    for (size_t i = 1; i <= 11; ++i) EXPECT_EQ(renderCounts[i] - renderCounts[i - 1], 1) << i;
    // The battle's values present at most one frame each. On the fixed frame time the clock
    // stands still through the whole construction, so none of them presents but the full bar,
    // and the game master's own full bar presents once more.
    for (size_t i = 12; i < renderCounts.size(); ++i) EXPECT_LE(renderCounts[i] - renderCounts[i - 1], 1) << i;
    EXPECT_EQ(renderCounts.back(), renderCounts[11]);
    EXPECT_EQ(vtRenderCount() - renderCounts.back(), 2);

    // The main menu, its music and cursor; the battle built but nothing of it shown.
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(gui->getScreen(), static_cast<GuiScreen*>(menu->getMainMenuScreen()));
    ASSERT_EQ(menu->getHistory().size(), 1u);
    EXPECT_EQ(menu->getCurrentMaster(), static_cast<Tavek::CurrentMasterEH*>(menu));
    EXPECT_EQ(menu->getMouse()->getMode(), 0);
    EXPECT_TRUE(vtMouseHidden());
    EXPECT_EQ(sharedGuiBlocks, menu->getGuiBlocks());
    EXPECT_EQ(sharedGuiBlocks->font, fontWhite);
    EXPECT_TRUE(menuSongStarted());
    EXPECT_TRUE(master->getSongPlayer()->isPlaying());
    EXPECT_EQ(master->getBattleManager()->getCurrentMaster(), static_cast<Tavek::CurrentMasterEH*>(menu));
    EXPECT_FLOAT_EQ(menu->getLoadingScreen()->getProgress(), 1.0f);
    EXPECT_GT(vtMeshCount(), 60);
    EXPECT_EQ(visibleMeshes(), 0);
    EXPECT_EQ(visibleSkinMeshes(), 0);
    EXPECT_TRUE(win32::messageBoxes().empty());

    // The menu opens and takes input after 31 frames; still nothing of the battle is drawn.
    for (int i = 0; i < 31; ++i) {
        EXPECT_FALSE(menu->getMainMenuScreen()->acceptsInput()) << i;
        frame();
    }
    EXPECT_TRUE(menu->getMainMenuScreen()->acceptsInput());
    EXPECT_EQ(visibleMeshes(), 0);

    // The five GUI fonts, made in this order on the game master's camera, their width files left
    // to the engine; each frame's captions are printed after the manager's poll in the same tick.
    uint32_t previous = 0;
    for (GuiFont* font : {fontBlack, fontBlack30, fontWhite30, fontBlue30, fontWhite}) {
        ASSERT_NE(font, nullptr);
        EXPECT_GT(font->getEngineFont(), previous);
        EXPECT_FALSE(font->isLoaded());
        previous = font->getEngineFont();
        int glyphs = 0, textureId = 0, owner = 0;
        ASSERT_TRUE(vtFontGet(font->getEngineFont(), &glyphs, &textureId, &owner));
        EXPECT_EQ(owner, static_cast<int>(master->getCamera()));
        EXPECT_EQ(glyphs, 256);
    }
    EXPECT_EQ(vtMipLevels(), 0);
    EXPECT_GT(fontWhite->textWidth("Quick Match", Vector2(0.35f, 0.35f), 0.0f), 2.0f);
    frame();
    bool captionShown = false;
    for (int i = 0; i < vtTextCount(); ++i) {
        vtText text{};
        captionShown |= vtTextGet(i, &text) && std::string(text.text) == "Exit Game";
    }
    EXPECT_TRUE(captionShown);

    // Nothing of the engine stays behind but the toolkit's two key sounds.
    const uint32_t firstEngineFont = fontWhite->getEngineFont();
    master->getMainGuiMaster()->getLoadingScreen()->getProgressBar()->getNumber()->removeObserver(&record);
    master.reset();
    EXPECT_EQ(vtLiveObjectCount(), engineObjects + 2);
    EXPECT_EQ(sharedGuiBlocks, nullptr);

    // A second game master makes fonts of its own. The allocator may hand the first set's
    // address back: the engine's font handles, never reused, tell the two sets apart.
    build();
    frame();
    ASSERT_NE(fontWhite, nullptr);
    EXPECT_NE(fontWhite->getEngineFont(), firstEngineFont);
    EXPECT_NE(fontWhite->getEngineFont(), 0u);
}
