// The menus through the player's hand: the options screen filled from the profile, edited with
// its arrows and saved into the profile file, Back and Esc, Championship and Practice, Exit
// Game; the menu master's history rules; and how often the loading bar presents a frame.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "game/ChampionshipMaster.h"
#include "game/DaviScreen.h"
#include "game/GameSetupScreen.h"
#include "game/MainMenuScreen.h"
#include "game/MatchScreen.h"
#include "game/SingleMatchMaster.h"
#include "game/SingleMatchSetupScreen.h"
#include "gui/GuiMessageBox.h"
#include "gui/GuiMouse.h"
#include "gui/GuiSuperLever.h"
#include "gui/GuiText.h"
#include "state/Options.h"
#include "tests/game/MenuRig.h"

using menutest::MenuRig;
using menutest::printed;

namespace {

// Plane points of the options screen's arrows (left, right) by selector row, and its buttons.
constexpr float ArrowLeftX = -3.575f, ArrowRightX = 3.575f;
constexpr float DifficultyY = 6.0f, RulesY = 3.5f, VolumeY = 1.0f, ControllerY = -1.5f, RumbleY = -4.0f,
                CameraY = -6.5f;
constexpr float FightVolumeLeftX = -8.5f;
constexpr float BackX = -12.375f, SaveX = 11.625f, ButtonsY = -10.5f;
constexpr float MenuButtonX = 6.5f;
constexpr float QuickMatchY = -0.5f, ChampionshipY = -2.5f, OptionsY = -4.5f, PracticeY = -6.5f, ExitY = -8.5f;
constexpr int ScreenChange = 70;  // frames from a click to the next screen taking input

class MenuFlow : public MenuRig {
protected:
    // A profile file in the scratch folder's saveData, loaded as the game loads it.
    void useProfileFile(const Tavek::Options& options) {
        std::filesystem::create_directories(folder->file("saveData"));
        directory = folder->path().string() + "\\saveData\\";
        Tavek::ProfileState prepared(1);
        prepared.setName("Profile");
        prepared.setDirectory(directory);
        static_cast<Tavek::OptionsBase&>(prepared.getOptions()) = options;
        prepared.saveAll("profile.xml");
        profile = std::make_unique<Tavek::ProfileState>(1);
        profile->setDirectory(directory);
        profile->load("profile.xml");
        game->profile = profile.get();
    }
    Tavek::Options savedOptions() const {
        Tavek::ProfileState reread(1);
        reread.setDirectory(directory);
        reread.load("profile.xml");
        return reread.getOptions();
    }
    std::string savedBytes() const { return folder->read("saveData/profile.xml"); }

    std::string directory;
};

}  // namespace

TEST_F(MenuFlow, TheOptionsAreEditedWithTheArrowsSavedIntoTheProfileAndLeftUnsavedWithBackOrEsc) {
    Tavek::Options start;
    start.setDifficulty(1);
    start.setGameMode(0);
    start.FightVolume = 0.57f;
    start.ArenaVolume = 0.3f;
    start.DefaultController = 2;
    start.EnableRumble = false;
    start.DefaultCameraAngle = 0;
    start.KnockdownsMode = 2;
    useProfileFile(start);
    buildMenu();
    frames(31);

    // "Game Options": the screen filled from the profile.
    click(MenuButtonX, OptionsY);
    frames(ScreenChange);
    GameSetupScreen* options = menu->getGameSetupScreen();
    ASSERT_EQ(manager->getScreen(), static_cast<GuiScreen*>(options));
    ASSERT_EQ(menu->getHistory().size(), 2u);
    for (const char* caption : {"Medium", "Standard", "6", "3", "Gamepad", "Off", "Normal"})
        EXPECT_TRUE(printed(caption)) << caption;

    // Hard, Brawl, the fight volume down twice, rumble on, close-up camera.
    click(ArrowRightX, DifficultyY);
    click(ArrowRightX, RulesY);
    click(ArrowRightX, RulesY);
    click(FightVolumeLeftX, VolumeY);
    click(FightVolumeLeftX, VolumeY);
    click(ArrowRightX, RumbleY);
    click(ArrowRightX, CameraY);
    click(ArrowLeftX, ControllerY);
    click(ArrowRightX, ControllerY);
    frame();
    for (const char* caption : {"Hard", "Brawl", "4", "3", "Gamepad", "On", "Close up"})
        EXPECT_TRUE(printed(caption)) << caption;

    // Save writes the file and goes back to the main menu.
    click(SaveX, ButtonsY);
    frames(ScreenChange);
    Tavek::Options saved = savedOptions();
    EXPECT_EQ(saved.getDifficulty(), 2);
    EXPECT_EQ(saved.MinTapsToGetUp, 19);
    EXPECT_EQ(saved.MaxTapsToGetUp, 74);
    EXPECT_EQ(saved.getGameMode(), 2);
    EXPECT_EQ(saved.PointsForWin, 0);
    EXPECT_EQ(saved.PointsGapForWin, 0);
    EXPECT_EQ(saved.PenaltiesForDisqualification, 0);
    EXPECT_EQ(saved.PointsForHeadKick, 0);
    EXPECT_EQ(saved.PointsForBodyKick, 0);
    EXPECT_EQ(saved.PointsForKnockDown, 1);
    EXPECT_FALSE(saved.Penalties);
    EXPECT_TRUE(saved.Points);
    EXPECT_NEAR(saved.FightVolume, 0.4f, 1e-6);
    EXPECT_NEAR(saved.ArenaVolume, 0.3f, 1e-6);
    EXPECT_EQ(saved.DefaultController, 1);
    EXPECT_TRUE(saved.EnableRumble);
    EXPECT_EQ(saved.DefaultCameraAngle, 1);
    EXPECT_EQ(saved.KnockdownsMode, 2);
    ASSERT_EQ(menu->getHistory().size(), 1u);
    EXPECT_EQ(manager->getScreen(), static_cast<GuiScreen*>(menu->getMainMenuScreen()));

    // Opened again: the saved values. A change left with Back, and one left with Esc, keeps
    // the file as it is, and the next showing shows the saved values again.
    const std::string bytes = savedBytes();
    for (bool withEsc : {false, true}) {
        click(MenuButtonX, OptionsY);
        frames(ScreenChange);
        ASSERT_EQ(manager->getScreen(), static_cast<GuiScreen*>(options));
        for (const char* caption : {"Hard", "Brawl", "4", "On", "Close up"}) EXPECT_TRUE(printed(caption)) << caption;
        click(ArrowLeftX, DifficultyY);
        frame();
        EXPECT_TRUE(printed("Medium"));
        if (withEsc) pressEsc();
        else click(BackX, ButtonsY);
        frames(ScreenChange);
        EXPECT_EQ(manager->getScreen(), static_cast<GuiScreen*>(menu->getMainMenuScreen()));
        EXPECT_EQ(savedBytes(), bytes);
        EXPECT_EQ(game->profile->getOptions().getDifficulty(), 2);
    }

    // Pushed once each, however often asked.
    menu->showMainMenu();
    EXPECT_EQ(menu->getHistory().size(), 1u);
    menu->showGameSetup();
    menu->showGameSetup();
    EXPECT_EQ(menu->getHistory().size(), 2u);
    menu->goBack();
    EXPECT_EQ(menu->getHistory().size(), 1u);
}

TEST_F(MenuFlow, ChampionshipAndPracticeShowTheAdvertisementScreenAndEscBringsTheMenuBack) {
    buildMenu();
    frames(31);
    player->tick();
    ASSERT_TRUE(player->isPlaying());
    for (float y : {ChampionshipY, PracticeY}) {
        click(MenuButtonX, y);
        EXPECT_EQ(menu->getCurrentMaster(), static_cast<Tavek::CurrentMasterEH*>(menu->getChampionshipMaster()));
        frames(31);  // the menu's closing
        Tavek::DaviScreen* advertisement = menu->getDaviScreen();
        ASSERT_EQ(manager->getScreen(), static_cast<GuiScreen*>(advertisement));
        frame();  // its first tick: the prompt shows at once
        EXPECT_NE(menutest::visibleSprite("press_esc"), 0u);
        pressEsc();  // during its opening: nothing
        EXPECT_EQ(manager->getScreen(), static_cast<GuiScreen*>(advertisement));
        frames(31);
        pressEsc();
        frames(31 + 31);
        EXPECT_EQ(manager->getScreen(), static_cast<GuiScreen*>(menu->getMainMenuScreen()));
        EXPECT_EQ(menu->getCurrentMaster(), static_cast<Tavek::CurrentMasterEH*>(menu.get()));
        EXPECT_TRUE(menu->getMainMenuScreen()->acceptsInput());
        EXPECT_TRUE(player->isPlaying());
        EXPECT_EQ(menu->getHistory().size(), 1u);
    }
    EXPECT_EQ(menu->getChampionshipMaster()->getMatchScreenEH(), nullptr);
    EXPECT_EQ(game->quitRequests, 0);

    // "Exit Game": the advertisement screen over a history that still holds the main menu; Esc
    // there asks the game to end.
    click(MenuButtonX, ExitY);
    frames(ScreenChange);
    EXPECT_EQ(manager->getScreen(), static_cast<GuiScreen*>(menu->getDaviScreen()));
    ASSERT_EQ(menu->getHistory().size(), 1u);
    EXPECT_EQ(menu->getHistory()[0], static_cast<GuiScreen*>(menu->getMainMenuScreen()));
    pressEsc();
    EXPECT_EQ(game->quitRequests, 1);
}

TEST_F(MenuFlow, ASaveThatFailsIsReportedAndTheOptionsStayInUse) {
    // The profile is held in memory only: it has no file, so each save fails.
    buildMenu();
    frames(31);
    EXPECT_EQ(menu->getMouse()->getMode(), 0);
    EXPECT_TRUE(vtMouseHidden());
    click(MenuButtonX, OptionsY);
    frames(ScreenChange);
    click(ArrowRightX, DifficultyY);
    click(SaveX, ButtonsY);
    GuiMessageBox* box = menu->getMessageBox();
    ASSERT_EQ(manager->getMessageBoxResult(), -1);
    EXPECT_EQ(box->getTextA()->getText(), "Your options could not be saved.");
    EXPECT_EQ(box->getTextB()->getText(), "They stay in use until you quit.");
    EXPECT_EQ(game->profile->getOptions().getDifficulty(), 2);
    frames(ScreenChange);
    // Back on the main menu under the box: its captions stay hidden until the box is answered.
    EXPECT_EQ(manager->getScreen(), static_cast<GuiScreen*>(menu->getMainMenuScreen()));
    EXPECT_FALSE(printed("Quick Match"));
    EXPECT_TRUE(printed("Your options could not be saved."));
    click(0.53125f * 32.0f - 16.0f, 12.0f - 0.541667f * 24.0f);  // "OK"
    frame();
    EXPECT_EQ(manager->getMessageBoxResult(), 0);
    EXPECT_TRUE(printed("Quick Match"));
    // The options screen shows the values kept in use.
    click(MenuButtonX, OptionsY);
    frames(ScreenChange);
    EXPECT_TRUE(printed("Hard"));
}

TEST_F(MenuRig, AnEmptyHistoryLeavesTheScreenAndTheRunningModeAlone) {
    menu = std::make_unique<Tavek::MainGuiMaster>(game.get(), camera);
    GuiScreen* screen = manager->getScreen();
    ASSERT_EQ(screen, static_cast<GuiScreen*>(menu->getLoadingScreen()));
    ASSERT_TRUE(menu->getHistory().empty());
    menu->leaveMode();
    menu->leaveModeAlt();
    menu->goBack();
    menu->onBack();
    EXPECT_EQ(manager->getScreen(), screen);
    EXPECT_EQ(menu->getCurrentMaster(), static_cast<Tavek::CurrentMasterEH*>(menu.get()));
    // "Quick Match" makes the quick match current and shows its setup screen; the match screen's
    // HUD is the menu master's answer from its construction on.
    menu->startQuickMatch();
    Tavek::SingleMatchMaster* quick = menu->getSingleMatchMaster();
    ASSERT_NE(quick, nullptr);
    EXPECT_EQ(manager->getScreen(), static_cast<GuiScreen*>(quick->getSetupScreen()));
    Tavek::CurrentMasterEH* quickAsCurrent = static_cast<Tavek::SingleMatchMasterEH*>(quick);
    EXPECT_EQ(menu->getCurrentMaster(), quickAsCurrent);
    ASSERT_NE(menu->getMatchScreen(), nullptr);
    EXPECT_EQ(menu->getMatchScreenEH(), static_cast<Tavek::MatchScreenEH*>(menu->getMatchScreen()));
    EXPECT_EQ(quick->getMatchScreenEH(), menu->getMatchScreenEH());
    quick->quit();  // with no menu history, leaving changes nothing
    EXPECT_EQ(menu->getCurrentMaster(), quickAsCurrent);
    // The skin bundle is the game's, on the white font, until the menu master goes.
    EXPECT_EQ(sharedGuiBlocks, menu->getGuiBlocks());
    EXPECT_EQ(menu->getFont(), fontWhite);
    EXPECT_EQ(menu->getMouse()->getMode(), 3);
    // Each master has one running-mode part, whichever road reaches it.
    Tavek::MainGuiMasterEH* asMenu = menu.get();
    EXPECT_EQ(static_cast<Tavek::CurrentMasterEH*>(asMenu), static_cast<Tavek::CurrentMasterEH*>(menu.get()));
    Tavek::ChampionshipMaster* championship = menu->getChampionshipMaster();
    Tavek::ChampionshipMasterEH* asChampionship = championship;
    EXPECT_EQ(static_cast<Tavek::CurrentMasterEH*>(asChampionship), static_cast<Tavek::CurrentMasterEH*>(championship));
    EXPECT_EQ(championship->getGuiManager(), manager.get());
    menu.reset();
    EXPECT_EQ(sharedGuiBlocks, nullptr);
    EXPECT_EQ(manager->getScreen(), nullptr);
}

// The loading bar presents a frame for each of the menu master's own steps and for a full bar,
// and otherwise at most one per display refresh on the engine's clock. On a fixed frame time
// that clock stands still inside a frame, so a replay presents the same frames every time; on
// real time a burst of settings presents no faster than a display refreshes.
TEST_F(MenuRig, TheLoadingBarPresentsItsOwnStepsAndAFullBarAndOtherwiseAtMostOneFramePerRefresh) {
    int renders = vtRenderCount();
    menu = std::make_unique<Tavek::MainGuiMaster>(game.get(), camera);
    EXPECT_EQ(vtRenderCount() - renders, 11);  // its ten steps and the quick match's one
    LoadingScreen* loading = menu->getLoadingScreen();

    // The frame that built the menu master: the bar moves, but presents only when full.
    renders = vtRenderCount();
    for (int i = 0; i < 100; ++i) loading->setProgress(0.3f + 0.001f * static_cast<float>(i));
    EXPECT_EQ(vtRenderCount(), renders);
    EXPECT_NEAR(loading->getProgress(), 0.399f, 1e-6f);
    loading->setProgress(1.0f);
    loading->setProgress(1.0f);
    EXPECT_EQ(vtRenderCount() - renders, 2);
    // Each later frame presents its first setting and no other.
    for (int f = 0; f < 3; ++f) {
        iVortaneMain();
        renders = vtRenderCount();
        loading->setProgress(0.5f);
        loading->setProgress(0.6f);
        loading->setProgress(0.7f);
        EXPECT_EQ(vtRenderCount() - renders, 1) << f;
        EXPECT_FLOAT_EQ(loading->getProgress(), 0.7f);
    }

    // Real time: a burst presents at most one frame per refresh of the time it took.
    const auto start = std::chrono::steady_clock::now();
    vtSetFixedFrameTime(0.0f);
    renders = vtRenderCount();
    for (int i = 0; i < 3000; ++i) loading->setProgress(0.5f + 0.0001f * static_cast<float>(i));
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_LE(vtRenderCount() - renders, 1 + static_cast<int>(seconds / LoadingScreen::FrameInterval));
    // After a refresh's pause the next setting presents; a step of the menu master's always does.
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    renders = vtRenderCount();
    loading->setProgress(0.9f);
    EXPECT_EQ(vtRenderCount() - renders, 1);
    loading->setProgressAndPresent(0.9f);
    EXPECT_EQ(vtRenderCount() - renders, 2);
}
