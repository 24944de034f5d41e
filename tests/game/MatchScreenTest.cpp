// The match HUD as the engine draws it: the real match screen made the GUI manager's screen and
// driven through MatchScreenEH as the battle drives it, one 1/60 s frame at a time, its sprites
// and printed texts read back from the engine, and one drawn frame kept for people to look at.
#include <cmath>
#include <filesystem>
#include <map>
#include <set>

#include "GuiTestKit.h"
#include "TestMasters.h"
#include "game/MatchScreen.h"
#include "game/PauseDLG.h"
#include "game/SpriteFX.h"
#include "gui/GuiFillBar.h"
#include "gui/GuiFonts.h"
#include "gui/GuiMouse.h"
#include "gui/IRect.h"

namespace {

using guitest::spriteOf;
using Tavek::MatchScreen;

constexpr float Frame = 1.0f / 60.0f;

class MatchHud : public guitest::ManagerFixture {
protected:
    void SetUp() override {
        outputFolder = std::filesystem::current_path().string();
        openEngine(drawn());
        fontWhite = font.get();  // the quick prints' font
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

    // The printed texts of this frame by place.
    std::map<std::pair<float, float>, std::string> texts() {
        std::map<std::pair<float, float>, std::string> byPlace;
        for (const guitest::PrintedText& t : printed()) byPlace[{t.location.x, t.location.y}] = t.text;
        return byPlace;
    }
    std::string textAt(float x, float y) {
        const auto all = texts();
        auto it = all.find({x, y});
        return it == all.end() ? "" : it->second;
    }
    // The penalty places of one side from the outside in: '.' empty, 'H' half, 'F' full.
    std::string marks(bool left) {
        std::string places = "....";
        for (const char* kind : {"penalty_half", "penalty_full"}) {
            for (const vtSprite& s : guitest::spritesNamed(kind)) {
                if (!s.visible) continue;
                const float first = left ? -13.5f : 9.5f;
                const int place = static_cast<int>(std::lround(s.location.x - first));
                if (place < 0 || place > 3) continue;
                places[place] = places[place] == '.' ? (kind[8] == 'h' ? 'H' : 'F') : '!';
            }
        }
        return places;
    }
    vtSprite banner(MatchScreen::Banner b) { return spriteOf(screen->getBanner(b)->getSprite()); }
    int visibleBanners() {
        int visible = 0;
        for (int b = 0; b < MatchScreen::BannerCount; ++b) visible += banner(static_cast<MatchScreen::Banner>(b)).visible;
        return visible;
    }
    float fillWidth(int bar) {
        const vtSprite fill = spriteOf(screen->getBar(bar)->getFill());
        return fill.visible ? fill.scale.x : 0.0f;
    }

    // Only the tests that keep a picture open a drawing window.
    virtual bool drawn() const { return false; }

    std::string outputFolder;
    std::unique_ptr<GuiMouse> mouse;
    gametest::TestGameMaster game;
    gametest::TestMenuMaster menu;
    std::unique_ptr<MatchScreen> screen;
};

class DrawnMatchHud : public MatchHud {
protected:
    bool drawn() const override { return true; }
};

TEST_F(DrawnMatchHud, AFreshScreenShowsTheDefaultsAndIsDrawnOverTheArenaPlace) {
    frame();
    EXPECT_EQ(textAt(-13.35f, 10.8f), "Fighter 1");
    EXPECT_EQ(textAt(7.75f, 10.8f), "Fighter 2");
    EXPECT_EQ(textAt(-1.25f, 8.43f), "0:00:00");
    EXPECT_EQ(textAt(0.0f, 10.15f), "1");
    EXPECT_EQ(textAt(-5.8f, 8.9f), "0");
    EXPECT_EQ(textAt(6.7f, 8.9f), "0");
    for (int bar = 0; bar < 4; ++bar) EXPECT_FLOAT_EQ(fillWidth(bar), 8.25f) << "bar " << bar;
    EXPECT_EQ(marks(true), "....");
    EXPECT_EQ(marks(false), "....");
    EXPECT_EQ(visibleBanners(), 0);
    // Every banner has its picture from the pack, each a different one.
    std::set<int> textures;
    for (int b = 0; b < MatchScreen::BannerCount; ++b) {
        const vtSprite s = banner(static_cast<MatchScreen::Banner>(b));
        EXPECT_NE(screen->getBanner(static_cast<MatchScreen::Banner>(b))->getSprite(), 0u) << "banner " << b;
        EXPECT_GT(s.textureWidth, 1) << "banner " << b;
        textures.insert(s.textureId);
    }
    EXPECT_EQ(textures.size(), static_cast<size_t>(MatchScreen::BannerCount));
    EXPECT_EQ(menu.count("onMatchScreenShown"), 1);  // shown: the running mode heard of it

    // The plates at the top, the overlay over everything but the texts.
    for (const char* plate : {"blue_bar", "red_bar", "round_and_timer"}) {
        const auto found = guitest::spritesNamed(plate);
        ASSERT_EQ(found.size(), 1u) << plate;
        EXPECT_TRUE(found[0].visible) << plate;
    }
    const auto overlay = guitest::spritesNamed("black");
    bool dark = false;
    for (const vtSprite& s : overlay) dark |= s.visible && s.scale.x == 32.0f && s.colour.w == 0.5f && s.priority == 1;
    EXPECT_TRUE(dark);

    // A match in progress, drawn.
    screen->setFighter1Name("Kai Maren");
    screen->setFighter2Name("Tomas Reil");
    screen->setFighter1Health(2.0f);
    screen->setFighter2Balance(1.2f);
    screen->setFighter1Score(3);
    screen->setFighter2Score(1);
    screen->setFighter1Penalties(3);
    screen->setMatchTime(43.5f);
    screen->setOverlayLevel(0.0f);
    screen->showFighter1Point(2);
    screen->setFighter1MarkerPosition(Vector2(-4.0f, 1.0f));
    screen->showReady();
    for (int n = 0; n < 30 || !banner(MatchScreen::Point2Blue).visible; ++n) frame();
    iVortaneRender();
    ASSERT_EQ(vtScreenshot((outputFolder + "/match_hud.png").c_str()), 1);
    using guitest::pixel;
    const guitest::Rgb blue = pixel(-3.0f, 11.0f), red = pixel(3.0f, 11.0f);
    EXPECT_GT(blue.b, blue.r + 30);
    EXPECT_GT(red.r, red.b + 30);
    const guitest::Rgb healthLeft = pixel(-14.0f, 10.0f), healthRight = pixel(14.0f, 10.0f);
    EXPECT_GT(healthLeft.b, healthLeft.r);
    EXPECT_GT(healthRight.r, healthRight.b);
    // The left penalty places: a full mark, a half mark (yellow over its dark half), two empty.
    const guitest::Rgb full = pixel(-13.1f, 8.3f), empty = pixel(-11.1f, 8.3f);
    EXPECT_GT(full.r + full.g, 300);
    EXPECT_LT(empty.r + empty.g, 150);
}

TEST_F(MatchHud, PenaltyMarksFillTheirSideFromTheOutsideIn) {
    const struct {
        int total;
        const char* places;
    } rows[] = {{0, "...."}, {1, "H..."}, {2, "F..."}, {3, "FH.."}, {4, "FF.."}, {5, "FFH."}, {6, "FFF."},
                {7, "FFFH"}, {8, "FFFF"}, {9, "FFFF"}, {10, "FFFF"}, {12, "FFFF"}, {-1, "...."}, {-3, "...."}};
    for (const auto& row : rows) {
        screen->setFighter1Penalties(row.total);
        EXPECT_EQ(marks(true), row.places) << "left " << row.total;
        EXPECT_EQ(marks(false), "....") << "left " << row.total;
        for (const char* plate : {"blue_bar", "red_bar", "round_and_timer"})
            EXPECT_TRUE(guitest::spritesNamed(plate)[0].visible) << plate << " at " << row.total;
        screen->setFighter2Penalties(row.total);
        EXPECT_EQ(marks(false), row.places) << "right " << row.total;
        screen->setFighter1Penalties(0);
        EXPECT_EQ(marks(true), "....");
        screen->setFighter2Penalties(0);
    }
    screen->setFighter1Penalties(3);
    screen->setFighter1Penalties(2);
    EXPECT_EQ(marks(true), "F...");

    // The sides do not follow the swap; a total sent again redraws nothing.
    screen->setSidesSwapped(false);
    screen->setFighter1Penalties(5);
    EXPECT_EQ(marks(true), "FFH.");
    screen->getHudPanel()->setPartVisible(5, false);  // a mark taken away behind the screen's back
    screen->setFighter1Penalties(5);
    EXPECT_EQ(marks(true), ".FH.");
}

TEST_F(MatchHud, BarsNamesScoresAndLettersFollowTheSides) {
    screen->setFighter1Health(1.5f);
    screen->setFighter2MaxBalance(6.0f);
    screen->setFighter1Name("Blue One");
    screen->setFighter2Name("Red Two");
    screen->setFighter1Score(4);
    screen->setFighter2Score(2);
    frame();
    EXPECT_FLOAT_EQ(fillWidth(0), 8.25f * 0.5f);
    EXPECT_FLOAT_EQ(fillWidth(1), 8.25f);
    EXPECT_FLOAT_EQ(fillWidth(3), 8.25f * 0.5f);
    const vtSprite rightFill = spriteOf(screen->getBar(3)->getFill());
    EXPECT_FLOAT_EQ(rightFill.location.x + rightFill.scale.x, -16.0f + 23.4f + 8.25f);  // anchored at its end
    EXPECT_EQ(textAt(-13.35f, 10.8f), "Blue One");
    EXPECT_EQ(textAt(-5.8f, 8.9f), "4");

    screen->setSidesSwapped(false);
    screen->setEndReason(4);  // fighter 1, now on the right, won on points
    screen->setFighter1Health(1.5f);  // the bars follow at the next value
    frame();
    EXPECT_FLOAT_EQ(fillWidth(0), 8.25f);
    EXPECT_FLOAT_EQ(fillWidth(1), 8.25f * 0.5f);
    EXPECT_FLOAT_EQ(fillWidth(2), 8.25f * 0.5f);
    EXPECT_EQ(textAt(-13.35f, 10.8f), "Red Two");
    EXPECT_EQ(textAt(7.75f, 10.8f), "Blue One");
    EXPECT_EQ(textAt(-5.8f, 8.9f), "L");
    EXPECT_EQ(textAt(6.7f, 8.9f), "W");
    screen->setEndReason(0);
    frame();
    EXPECT_EQ(textAt(-5.8f, 8.9f), "2");
    EXPECT_EQ(textAt(6.7f, 8.9f), "4");
    screen->setSidesSwapped(true);

    // What no bar can show gives an empty, finite fill, and a value sent again changes nothing.
    const struct {
        float maximum, value;
    } broken[] = {{0.0f, 1.0f}, {3.0f, -0.5f}, {3.0f, std::nanf("")}, {-2.0f, 1.0f}, {std::nanf(""), 1.0f}};
    for (const auto& b : broken) {
        screen->setFighter1MaxHealth(b.maximum);
        screen->setFighter1Health(b.value);
        frame();
        EXPECT_EQ(screen->getBar(0)->getValue(), 0.0f) << b.maximum << " " << b.value;
        EXPECT_EQ(fillWidth(0), 0.0f) << b.maximum << " " << b.value;
        screen->setFighter1MaxHealth(3.0f);
        screen->setFighter1Health(3.0f);
    }
    screen->setFighter1Health(9.0f);
    EXPECT_EQ(screen->getBar(0)->getValue(), 1.0f);
    screen->setFighter1Health(2.4f);
    const vtSprite before = spriteOf(screen->getBar(0)->getFill());
    for (int n = 0; n < 3; ++n) {
        screen->setFighter1Health(2.4f);
        frame();
    }
    EXPECT_EQ(spriteOf(screen->getBar(0)->getFill()).scale.x, before.scale.x);
}

TEST_F(MatchHud, TheClockAreaShowsTimeOverOrReplay) {
    screen->setMatchTime(83.25f);
    screen->setClockValue(1);
    frame();
    EXPECT_EQ(textAt(-1.25f, 8.43f), "1:23:25");
    EXPECT_EQ(textAt(0.0f, 10.15f), "2");
    screen->setMatchTime(-0.5f);
    frame();
    EXPECT_EQ(textAt(-1.25f, 8.43f), "0:00:00");

    screen->setFighter1Score(2);
    screen->setEndReason(1);
    frame();
    EXPECT_EQ(textAt(-1.25f, 8.43f), "Over!");
    EXPECT_EQ(textAt(-5.8f, 8.9f), "2");

    screen->setReplayActive(true);
    for (bool clock : {true, false}) {
        clock ? screen->showClock() : screen->hideClock();
        frame();
        EXPECT_EQ(textAt(-2.5f, 10.0f), "Instant Replay");
        EXPECT_EQ(textAt(-1.25f, 8.43f), "");
    }
    screen->setReplayActive(false);
    frame();
    EXPECT_EQ(textAt(-1.25f, 8.43f), "");  // the clock stays hidden

    screen->setTextLine(0, "Kick to the body");
    screen->setTextLine(2, "Press A");
    screen->setTextLine(3, "never");
    screen->setTextLine(-1, "never");
    frame();
    int tutorial = 0;
    for (const guitest::PrintedText& t : printed()) {
        EXPECT_NE(t.text, "never");
        if (t.location.x == 0.0f && (t.location.y == -8.0f || t.location.y == -10.0f)) {
            ++tutorial;
            EXPECT_FLOAT_EQ(t.cell.x, 0.4f);
        }
    }
    EXPECT_EQ(tutorial, 2);
}

TEST_F(DrawnMatchHud, BannersComeAndGoFrameByFrame) {
    // An announcement: visible from its call, growing towards twice its scale, gone once its
    // fade-out (from 2.9 s, 0.1 s long) has ended.
    screen->showReady();
    int lastVisible = 0;
    float lastWidth = 0.0f;
    for (int n = 1; n <= 200; ++n) {
        frame();
        const vtSprite ready = banner(MatchScreen::Ready);
        if (!ready.visible) continue;
        lastVisible = n;
        EXPECT_GE(ready.scale.x, lastWidth) << n;
        EXPECT_LE(ready.scale.x, 2.0f * 6.21f + 1e-4f) << n;
        EXPECT_FLOAT_EQ(ready.location.x, -0.5f * ready.scale.x) << n;  // centred on the screen
        lastWidth = ready.scale.x;
    }
    EXPECT_NEAR(lastVisible * Frame, 3.0f, 2.5f * Frame) << lastVisible;
    EXPECT_GT(lastWidth, 6.21f * 1.5f);

    screen->setOverlayLevel(0.0f);
    screen->showKnockdown(false);
    screen->showKnockdown(true);
    screen->showFight();
    screen->showCount(10);
    screen->showCount(0);
    screen->showCount(11);
    frame();
    EXPECT_EQ(visibleBanners(), 4);
    for (int n = 0; n < 10; ++n) frame();
    iVortaneRender();
    ASSERT_EQ(vtScreenshot((outputFolder + "/match_banners.png").c_str()), 1);
    for (int n = 0; n < 10; ++n) frame();
    const float countWidth = banner(MatchScreen::Counting10).scale.x;
    EXPECT_LT(countWidth, 5.0f);
    int fightGone = 0, countGone = 0;
    for (int n = 22; n <= 70; ++n) {
        frame();
        if (!fightGone && !banner(MatchScreen::Fight).visible) fightGone = n;
        if (!countGone && !banner(MatchScreen::Counting10).visible) countGone = n;
    }
    EXPECT_NEAR(fightGone * Frame, 1.0f, 2.5f * Frame);
    EXPECT_NEAR(countGone * Frame, 1.0f, 2.5f * Frame);
    EXPECT_TRUE(banner(MatchScreen::Knockdown).visible);
    screen->showCount(3);
    screen->hideCount();
    frame();
    EXPECT_FALSE(banner(MatchScreen::Knockdown).visible);
    EXPECT_FALSE(banner(MatchScreen::Banner(MatchScreen::Counting1 + 2)).visible);
    EXPECT_TRUE(banner(MatchScreen::CriticalHit).visible);  // the critical hit runs on
    for (int n = 0; n < 90; ++n) frame();
    EXPECT_EQ(visibleBanners(), 0);

    // A point banner blinks (0.1 s shown, 0.1 s hidden) for 0.75 s over the scorer and is gone
    // after 1.5 s; the other value's banner goes at once.
    EXPECT_FALSE(screen->isFighter1MarkerShown());
    screen->setFighter1MarkerPosition(Vector2(1.0f, 1.0f));  // nothing to move yet
    screen->showFighter1Point(1);
    screen->showFighter1Point(2);
    EXPECT_FALSE(banner(MatchScreen::Point1Blue).visible);
    std::string blink;
    int pointGone = 0;
    for (int n = 1; n <= 100; ++n) {
        screen->setFighter1MarkerPosition(Vector2(3.0f, 4.5f));
        frame();
        const vtSprite point = banner(MatchScreen::Point2Blue);
        if (n <= 48) blink += point.visible ? '+' : '-';
        if (point.visible && point.colour.w > 0.0f) {
            EXPECT_TRUE(guitest::at(point.location, 2.0f, 4.5f)) << n;  // x less half its width
            EXPECT_TRUE(screen->isFighter1MarkerShown()) << n;
        }
        if (!pointGone && !screen->isFighter1MarkerShown() && n > 46) pointGone = n;
    }
    EXPECT_EQ(blink.substr(0, 5), "+++++");
    EXPECT_EQ(blink.substr(7, 4), "----");
    EXPECT_EQ(blink.substr(13, 4), "++++");
    EXPECT_NEAR(pointGone * Frame, 1.5f, 2.5f * Frame) << blink;
    EXPECT_FALSE(banner(MatchScreen::Point1Blue).visible);

    // The colours follow the sides.
    screen->setSidesSwapped(false);
    screen->showFighter1Wins();
    screen->showFighter2Penalty();
    screen->showFighter2Point(1);
    frame();
    EXPECT_TRUE(banner(MatchScreen::RedWins).visible);
    EXPECT_FALSE(banner(MatchScreen::BlueWins).visible);
    EXPECT_TRUE(banner(MatchScreen::BluePenalty).visible);
    EXPECT_TRUE(banner(MatchScreen::Point1Blue).visible);
    EXPECT_TRUE(screen->isFighter2MarkerShown());
}

TEST_F(MatchHud, TakenDownTheScreenClearsItsBannersAndItPausesOnEsc) {
    screen->showFighter1Point(1);
    screen->showSuddenDeath();
    for (int n = 0; n < 8; ++n) frame();  // mid-blink, in a hidden half
    manager.setScreen(nullptr);
    for (int n = 0; n < 3; ++n) frame();
    EXPECT_EQ(visibleBanners(), 0);
    EXPECT_FALSE(screen->isFighter1MarkerShown());
    manager.setScreen(screen.get());
    for (int n = 0; n < 60; ++n) {
        frame();
        ASSERT_EQ(visibleBanners(), 0) << "frame " << n;
    }
    EXPECT_EQ(menu.count("onMatchScreenShown"), 2);

    EXPECT_FALSE(screen->takePauseRequest());
    tapKey(1);
    EXPECT_TRUE(screen->takePauseRequest());
    EXPECT_FALSE(screen->takePauseRequest());

    mouse->setMode(3);
    screen->showPauseDialog();
    frame();
    frame();
    EXPECT_EQ(manager.getDialog(), screen->getPauseDialog());
    EXPECT_EQ(mouse->getMode(), 0);
    screen->hidePauseDialog();
    frame();
    frame();
    EXPECT_EQ(manager.getDialog(), nullptr);
    EXPECT_EQ(mouse->getMode(), 3);

    screen->toggleDebugInfo();
    screen->setDebugDistance(2.5f);
    screen->setDebugTextShown(true);
    screen->setDebugLocation(Vector3(1.0f, 2.0f, 3.0f));
    frame();
    EXPECT_EQ(textAt(-5.0f, -10.0f), "Fighter Distance");
    EXPECT_EQ(textAt(-15.0f, -8.0f), "Location");
    EXPECT_EQ(textAt(10.0f, -8.0f), "Target");
    EXPECT_FALSE(screen->toggleDebugInfo());
}

// Under the pause dialog the banners wait hidden, their effects held, and come back as they were.
TEST_F(MatchHud, BannersWaitHiddenUnderThePauseDialog) {
    screen->showFighter1Point(2);  // blinks for 0.75 s, gone after 1.5 s
    screen->showReady();           // gone after 3.0 s
    for (int n = 0; n < 3; ++n) frame();
    ASSERT_TRUE(banner(MatchScreen::Point2Blue).visible);
    ASSERT_TRUE(banner(MatchScreen::Ready).visible);

    screen->showPauseDialog();
    for (int n = 0; n < 300; ++n) {
        frame();
        ASSERT_FALSE(banner(MatchScreen::Point2Blue).visible) << "frame " << n;
        ASSERT_FALSE(banner(MatchScreen::Ready).visible) << "frame " << n;
    }
    // Held, not run out: both still stand when the match goes on.
    EXPECT_TRUE(screen->isFighter1MarkerShown());
    screen->hidePauseDialog();
    int framesToShow = 0;
    while (!banner(MatchScreen::Ready).visible && framesToShow < 60) {
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
        pointSeen = banner(MatchScreen::Point2Blue).visible;
    }
    EXPECT_TRUE(pointSeen);
    // And it ends as it would have: 1.5 s of running time in all.
    for (int n = 0; n < 90; ++n) frame();
    EXPECT_FALSE(banner(MatchScreen::Point2Blue).visible);
    EXPECT_FALSE(screen->isFighter1MarkerShown());
}

}  // namespace
