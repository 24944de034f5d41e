// The menu screens' opening and closing, tick by tick, read from the main menu's own sprites;
// the advertisement screen's clock; the loading screen.
#include <gtest/gtest.h>

#include "game/DaviScreen.h"
#include "game/LoadingScreen.h"
#include "game/MainMenuScreen.h"
#include "gui/GuiButton.h"
#include "gui/GuiFillBar.h"
#include "gui/GuiPanel.h"
#include "tests/game/MenuRig.h"

using menutest::MenuRig;
using menutest::spriteOf;
using menutest::visibleSprite;

namespace {

constexpr float QuickMatchX = 6.5f, QuickMatchY = -0.5f;

// The advertisement screen's prompt: its alpha, or -1 while it is hidden.
float promptAlpha() {
    const uint32_t prompt = visibleSprite("press_esc");
    return prompt ? spriteOf(prompt).colour.w : -1.0f;
}

}  // namespace

TEST_F(MenuRig, TheMainMenuOpensInThirtyOneTicksAndTakesClicksOnlyAfterwards) {
    buildMenu();
    MainMenuScreen* mainMenu = menu->getMainMenuScreen();
    ASSERT_EQ(manager->getScreen(), mainMenu);

    // Tick 1: the background transparent, the fighter 30 units down, the logo of no size.
    frame();
    EXPECT_TRUE(extraRenderRequested || vtRenderCount() > 0);
    const uint32_t background = visibleSprite("main-bg");
    const uint32_t fighter = visibleSprite("main-fighter");
    const uint32_t logo = visibleSprite("main-logo");
    ASSERT_NE(background, 0u);
    ASSERT_NE(fighter, 0u);
    ASSERT_NE(logo, 0u);
    EXPECT_FLOAT_EQ(spriteOf(background).colour.w, 0.0f);
    EXPECT_FLOAT_EQ(spriteOf(fighter).location.x, -16.0f);
    EXPECT_FLOAT_EQ(spriteOf(fighter).location.y, -30.0f);
    EXPECT_FLOAT_EQ(spriteOf(logo).scale.x, 0.0f);
    EXPECT_FLOAT_EQ(spriteOf(logo).scale.y, 0.0f);

    // Tick 16: half way.
    int renders = vtRenderCount();
    frames(15);
    EXPECT_EQ(vtRenderCount() - renders, 15);  // one extra frame per animation tick
    EXPECT_NEAR(spriteOf(background).colour.w, 0.5f, 1e-6);
    EXPECT_FLOAT_EQ(spriteOf(fighter).location.y, -15.0f);
    EXPECT_NEAR(spriteOf(logo).scale.x, 5.25f, 1e-5);
    EXPECT_NEAR(spriteOf(logo).scale.y, 3.5f, 1e-5);
    EXPECT_NEAR(spriteOf(logo).location.x + 0.5f * spriteOf(logo).scale.x, 6.25f, 1e-5);

    // A click released on tick 20 is not delivered: the menu still stands.
    menutest::pointAt(QuickMatchX, QuickMatchY);
    frames(2);
    vtMouseButtonSet(0, 1);
    frame();
    vtMouseButtonSet(0, 0);
    frame();  // tick 20
    int startsBefore = game->profileRequests;
    EXPECT_EQ(manager->getScreen(), mainMenu);
    EXPECT_FALSE(mainMenu->acceptsInput());

    // Tick 31: at rest, and input on.
    frames(11);
    EXPECT_FLOAT_EQ(spriteOf(background).colour.w, 1.0f);
    EXPECT_FLOAT_EQ(spriteOf(fighter).location.x, -16.0f);
    EXPECT_FLOAT_EQ(spriteOf(fighter).location.y, 0.0f);
    EXPECT_FLOAT_EQ(spriteOf(logo).scale.x, 10.5f);
    EXPECT_FLOAT_EQ(spriteOf(logo).scale.y, 7.0f);
    EXPECT_FLOAT_EQ(spriteOf(logo).location.x, 1.0f);
    EXPECT_TRUE(mainMenu->acceptsInput());
    EXPECT_TRUE(menutest::printed("Quick Match"));

    // Tick 32 asks for no extra frame.
    renders = vtRenderCount();
    frame();
    EXPECT_FALSE(extraRenderRequested);
    EXPECT_EQ(vtRenderCount(), renders);
    EXPECT_EQ(game->profileRequests, startsBefore);

    // Closing mirrors the opening: "Game Options" closes the menu in 31 ticks.
    click(6.5f, -4.5f);
    ASSERT_EQ(manager->getPreviousScreen(), mainMenu);
    EXPECT_FLOAT_EQ(spriteOf(background).colour.w, 1.0f);  // the closing starts with the next frame
    frames(16);                                              // tick 16
    EXPECT_NEAR(spriteOf(background).colour.w, 0.5f, 1e-6);
    EXPECT_FLOAT_EQ(spriteOf(fighter).location.y, -15.0f);
    EXPECT_NEAR(spriteOf(logo).scale.x, 5.25f, 1e-5);
    frames(15);  // tick 31: gone, and the options screen opens
    EXPECT_EQ(manager->getPreviousScreen(), nullptr);
    EXPECT_FALSE(mainMenu->isActive());
    EXPECT_EQ(manager->getScreen(), static_cast<GuiScreen*>(menu->getGameSetupScreen()));
}

TEST_F(MenuRig, TheAdvertisementScreenWaitsItsDelayThenBlinksItsPrompt) {
    buildMenu();
    frames(31);
    Tavek::DaviScreen* advertisement = menu->getDaviScreen();
    advertisement->setDelay(5.0f);
    menu->goBack();  // one screen in the history: the advertisement screen
    EXPECT_EQ(menu->getHistory().size(), 1u);
    frames(31);      // the main menu closes
    ASSERT_EQ(manager->getScreen(), advertisement);
    // Its fighter and logo stay hidden, and its opening still takes 31 ticks.
    EXPECT_EQ(visibleSprite("main-fighter"), 0u);
    EXPECT_EQ(visibleSprite("main-logo"), 0u);
    frames(30);
    EXPECT_FALSE(advertisement->acceptsInput());
    frame();
    EXPECT_TRUE(advertisement->acceptsInput());
    EXPECT_LT(promptAlpha(), 0.0f);  // still waiting

    // 4.9 s after it was shown: Esc does nothing.
    frames(294 - 31 - 2);
    vtKeySet(1, 1);
    frame();
    vtKeySet(1, 0);
    frame();
    EXPECT_GT(advertisement->getDelay(), 0.0f);
    EXPECT_EQ(game->quitRequests, 0);
    EXPECT_LT(promptAlpha(), 0.0f);

    // The delay runs out on the 300th tick; the prompt then fades in over one second.
    frames(300 - 294);
    EXPECT_LE(advertisement->getDelay(), 0.0f);
    EXPECT_GE(promptAlpha(), 0.0f);
    frames(30);
    EXPECT_NEAR(promptAlpha(), 0.5f, 0.02f);
    frames(60);
    EXPECT_NEAR(promptAlpha(), 0.5f, 0.02f);  // fading out at 1.5 s

    // Esc now leaves: with the menu master current, that is the quit.
    vtKeySet(1, 1);
    frame();
    vtKeySet(1, 0);
    EXPECT_EQ(game->quitRequests, 1);
}

TEST_F(MenuRig, ABlinkTickLandingOnTwoSecondsDrawsThePromptTransparentAndRestarts) {
    buildMenu();
    frames(31);
    vtSetFixedFrameTime(0.25f);  // exact in binary: the cycle lands on 2.0
    Tavek::DaviScreen* advertisement = menu->getDaviScreen();
    advertisement->setDelay(0.0f);
    menu->startChampionship();
    frames(32);  // the menu's closing, then the first tick of the advertisement screen
    ASSERT_EQ(manager->getScreen(), advertisement);
    EXPECT_FLOAT_EQ(promptAlpha(), 0.25f);  // the prompt shows on the first tick
    frames(3);
    EXPECT_FLOAT_EQ(promptAlpha(), 1.0f);
    frames(3);
    EXPECT_FLOAT_EQ(promptAlpha(), 0.25f);
    frame();  // blink time 2.0
    EXPECT_FLOAT_EQ(promptAlpha(), 0.0f);
    frame();
    EXPECT_FLOAT_EQ(promptAlpha(), 0.25f);

    // Shown again, the blink restarts but the delay does not come back.
    vtSetFixedFrameTime(1.0f / 60.0f);
    frames(31);
    vtKeySet(1, 1);
    frame();
    vtKeySet(1, 0);
    frames(31 + 2);  // closing, then the main menu's first opening ticks
    EXPECT_EQ(manager->getScreen(), static_cast<GuiScreen*>(menu->getMainMenuScreen()));
    EXPECT_EQ(menu->getCurrentMaster(), static_cast<Tavek::CurrentMasterEH*>(menu.get()));
    frames(31);
    menu->startChampionship();
    frames(32);
    EXPECT_LT(advertisement->getDelay(), 0.0f);
    EXPECT_NEAR(promptAlpha(), 1.0f / 60.0f, 1e-5);
}

TEST_F(MenuRig, AClosingAskedForDuringTheOpeningKeepsTheNextScreenDeafUntilItsOwnOpeningEnds) {
    buildMenu();
    frames(10);
    // The opening is interrupted: the options screen is set while the menu still opens.
    menu->showGameSetup();
    GuiScreen* options = manager->getScreen();
    ASSERT_EQ(options, static_cast<GuiScreen*>(menu->getGameSetupScreen()));
    // The menu finishes its opening (21 ticks), then closes (31), then the options open (31).
    for (int tick = 0; tick < 21 + 31 + 30; ++tick) {
        frame();
        ASSERT_FALSE(options->acceptsInput()) << "tick " << tick;
    }
    frame();
    EXPECT_TRUE(options->acceptsInput());
}

TEST_F(MenuRig, ShinyScreensWithoutAManagerEndTheirAnimationsAlone) {
    buildMenu();
    // The loading screen ignores Esc; a shiny screen with no manager runs both animations.
    frames(31);
    manager->setScreen(menu->getLoadingScreen());
    frames(31);
    ASSERT_EQ(manager->getScreen(), static_cast<GuiScreen*>(menu->getLoadingScreen()));
    pressEsc();
    EXPECT_EQ(manager->getScreen(), static_cast<GuiScreen*>(menu->getLoadingScreen()));
    EXPECT_EQ(game->quitRequests, 0);

    struct LonelyScreen : ShinyScreen {
        using ShinyScreen::ShinyScreen;
        void onLeave() override {}
    } lonely(nullptr, menu->getGuiBlocks());
    lonely.activate();
    for (int i = 0; i < 31; ++i) static_cast<TickAble&>(lonely).tick();
    EXPECT_FALSE(lonely.isOpening());
    EXPECT_TRUE(lonely.isActive());
    lonely.deactivate();
    for (int i = 0; i < 31; ++i) static_cast<TickAble&>(lonely).tick();
    EXPECT_FALSE(lonely.isClosing());
    EXPECT_FALSE(lonely.isActive());
}
