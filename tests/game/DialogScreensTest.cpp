// The pause dialog over a shown screen, driven by the pointer through the GUI manager with a
// stand-in menu master whose running mode the test changes; the empty screen for a fight without
// a HUD.
#include <filesystem>

#include "GuiTestKit.h"
#include "TestMasters.h"
#include "game/DebugBattleScreen.h"
#include "game/PauseDLG.h"
#include "gui/GuiMouse.h"
#include "gui/HighLevelEvent.h"

namespace {

struct PlainScreen : GuiScreen {
    PlainScreen(GuiManager* manager, GuiBlocks* skin, const std::string* picture)
        : GuiScreen(manager, skin, picture, 1) {
        hideBackground();
    }
    void onLeave() override { ++leaves; }
    int leaves = 0;
};

// A running mode that closes the dialog when a button reaches it, as the quick match does.
struct ClosingMaster : gametest::CountingMaster {
    void resumeMatch() override {
        CountingMaster::resumeMatch();
        if (manager) manager->setDialog(nullptr);
    }
    void forfeitMatch() override {
        CountingMaster::forfeitMatch();
        if (manager) manager->setDialog(nullptr);
    }
    GuiManager* manager = nullptr;
};

// Visible sprites other than the toolkit's pick areas, which are blank glyphs of the font.
int visiblePictures() {
    int visible = 0;
    for (int i = 0; i < vtSpriteCount(); ++i) {
        const vtSprite sprite = guitest::spriteOf(vtSpriteAt(i));
        visible += sprite.visible && std::string(sprite.textureName ? sprite.textureName : "") != "fonts.dds" ? 1 : 0;
    }
    return visible;
}

class DialogScreens : public guitest::ManagerFixture {
protected:
    void SetUp() override {
        outputFolder = std::filesystem::current_path().string();
        openEngine(true);
        mouse = std::make_unique<GuiMouse>(&artist->mouseArtist);
        game.manager = &manager;
        menu.game = &game;
        menu.mouse = mouse.get();
        menu.blocks = skin.get();
    }
    void TearDown() override {
        mouse.reset();
        ManagerFixture::TearDown();
    }
    // Two frames so that a change of screen or dialog has settled.
    void settle() {
        frame();
        frame();
    }
    std::string outputFolder;
    std::unique_ptr<GuiMouse> mouse;
    gametest::TestGameMaster game;
    gametest::TestMenuMaster menu;
};

TEST_F(DialogScreens, ThePauseDialogSwitchesTheCursorAndItsButtonsReachTheModeRunningAtTheClick) {
    const std::string backdrop = "Tavek_res\\gui\\general\\main-bg.x";
    PlainScreen screen(&manager, skin.get(), &backdrop);
    screen.setPartSize(0, Vector2(32.0f, 24.0f));
    manager.setScreen(&screen);
    settle();
    Tavek::PauseDLG dialog(&menu, skin.get());
    ClosingMaster early, late;
    early.manager = late.manager = &manager;
    menu.current = &early;
    mouse->setMode(3);

    struct Press {
        const char* caption;
        float x;
        const char* call;
    };
    const Press presses[] = {{"Resume", 8.9375f, "resumeMatch"}, {"Forfeit", 3.9375f, "forfeitMatch"}};
    for (const Press& press : presses) {
        manager.setDialog(&dialog);
        settle();
        EXPECT_EQ(manager.getDialog(), &dialog);
        EXPECT_EQ(mouse->getMode(), 0) << press.caption;
        menu.current = &late;  // the mode changed after the dialog was made and shown

        // "Game paused" stands at its place, over the window picture.
        bool titled = false;
        for (const guitest::PrintedText& text : printed()) {
            if (text.text != "Game paused") continue;
            titled = true;
            EXPECT_NEAR(text.location.x - 0.5f * text.cell.x, -6.6875f, 0.3f);
            EXPECT_NEAR(text.location.y, 2.0f, 0.3f);
        }
        EXPECT_TRUE(titled);
        const auto window = guitest::spritesNamed("00_main_window");
        ASSERT_EQ(window.size(), 1u);
        EXPECT_TRUE(window[0].visible);
        EXPECT_TRUE(guitest::at(window[0].location, -8.0f, 0.0f));
        EXPECT_TRUE(guitest::at(window[0].scale, 19.625f, 9.75f));
        if (press.x > 5.0f) {
            pointAt(press.x, -3.5f);
            frame();
            mouse->update();
            iVortaneRender();
            ASSERT_EQ(vtScreenshot((outputFolder + "/pause_dialog.png").c_str()), 1);
            // The captions are light over the window's dark middle.
            EXPECT_GT(guitest::pixel(-6.0f, 2.0f).brightness() + guitest::pixel(-5.5f, 2.0f).brightness(), 200);
        }

        pointAt(press.x, -3.5f);
        tapButton();
        settle();
        EXPECT_EQ(late.count(press.call), 1) << press.caption;
        EXPECT_EQ(early.count(press.call), 0) << press.caption;
        EXPECT_EQ(manager.getDialog(), nullptr) << press.caption;
        EXPECT_EQ(mouse->getMode(), 3) << press.caption;
        menu.current = &early;
    }
    EXPECT_EQ(late.count("resumeMatch"), 1);
    EXPECT_EQ(late.count("forfeitMatch"), 1);

    // An event that is no click, from either button, reaches nobody.
    menu.current = &late;
    HighLevelEvent changed;
    changed.valueChanged = true;
    for (GuiComponent* child : dialog.getChildren()) {
        changed.source = changed.second = child;
        dialog.handleHighLevelEvent(changed);
    }
    EXPECT_EQ(late.count("resumeMatch"), 1);
    EXPECT_EQ(late.count("forfeitMatch"), 1);
    manager.setScreen(nullptr);
    settle();
}

TEST_F(DialogScreens, TheDebugBattleScreenDrawsNothingAndStaysOnEsc) {
    const int picturesBefore = visiblePictures();
    DebugBattleScreen screen(&menu, skin.get());
    manager.setScreen(&screen);
    settle();
    EXPECT_EQ(manager.getScreen(), &screen);
    EXPECT_TRUE(screen.isActive());
    EXPECT_EQ(visiblePictures(), picturesBefore);
    EXPECT_TRUE(printed().empty());
    tapKey(1);
    settle();
    EXPECT_EQ(manager.getScreen(), &screen);
    EXPECT_EQ(menu.count("goBack"), 0);
    manager.setScreen(nullptr);
    settle();
}

}  // namespace
