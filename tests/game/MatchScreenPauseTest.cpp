// The match screen under its pause dialog: the banners wait hidden, their effects held, and come
// back as they were when the dialog has closed.
#include "GuiTestKit.h"
#include "TestMasters.h"
#include "game/MatchScreen.h"
#include "game/PauseDLG.h"
#include "game/SpriteFX.h"
#include "gui/GuiFonts.h"
#include "gui/GuiMouse.h"

namespace {

using Tavek::MatchScreen;

class PausedHud : public guitest::ManagerFixture {
protected:
    void SetUp() override {
        openEngine(false);
        fontWhite = font.get();
        mouse = std::make_unique<GuiMouse>(&artist->mouseArtist);
        game.manager = &manager;
        menu.game = &game;
        menu.mouse = mouse.get();
        menu.blocks = skin.get();
        screen = std::make_unique<MatchScreen>(&menu, skin.get());
        manager.setScreen(screen.get());
        frame();
    }
    void TearDown() override {
        manager.setDialog(nullptr);
        manager.setScreen(nullptr);
        manager.forgetPanels();
        screen.reset();
        mouse.reset();
        fontWhite = nullptr;
        ManagerFixture::TearDown();
    }
    bool drawn(MatchScreen::Banner b) { return guitest::spriteOf(screen->getBanner(b)->getSprite()).visible != 0; }

    std::unique_ptr<GuiMouse> mouse;
    gametest::TestGameMaster game;
    gametest::TestMenuMaster menu;
    std::unique_ptr<MatchScreen> screen;
};

TEST_F(PausedHud, BannersWaitHiddenUnderThePauseDialog) {
    screen->showFighter1Point(2);  // blinks for 0.75 s, gone after 1.5 s
    screen->showReady();           // gone after 3.0 s
    for (int n = 0; n < 3; ++n) frame();
    ASSERT_TRUE(drawn(MatchScreen::Point2Blue));
    ASSERT_TRUE(drawn(MatchScreen::Ready));

    screen->showPauseDialog();
    for (int n = 0; n < 300; ++n) {
        frame();
        ASSERT_FALSE(drawn(MatchScreen::Point2Blue)) << "frame " << n;
        ASSERT_FALSE(drawn(MatchScreen::Ready)) << "frame " << n;
    }
    // Held, not run out: both still stand when the match goes on.
    EXPECT_TRUE(screen->isFighter1MarkerShown());
    screen->hidePauseDialog();
    int framesToShow = 0;
    while (!drawn(MatchScreen::Ready) && framesToShow < 60) {
        frame();
        ++framesToShow;
    }
    EXPECT_LT(framesToShow, 60) << "Ready never came back";
    EXPECT_EQ(manager.getDialog(), nullptr);
    EXPECT_EQ(manager.getPreviousDialog(), nullptr) << "shown again while the dialog still closed";
    // The point banner's blink goes on where it stopped.
    bool pointSeen = false;
    for (int n = 0; n < 12 && !pointSeen; ++n) {
        frame();
        pointSeen = drawn(MatchScreen::Point2Blue);
    }
    EXPECT_TRUE(pointSeen);
    // And it ends as it would have: 1.5 s of running time in all.
    for (int n = 0; n < 90; ++n) frame();
    EXPECT_FALSE(drawn(MatchScreen::Point2Blue));
    EXPECT_FALSE(screen->isFighter1MarkerShown());
}

}  // namespace
