// Whole quick matches in this process, the computer on both sides (side A widened to "CPU" by
// the test, as no player can), through the real menus, seed 1, drawing off: on every frame the
// HUD agrees with the battle, a knock-down shows its banners, the end shows its result, and a
// second match starts clean without the engine or the resource cache growing. The pack is
// damaged: the National arena's scenery is gone, and so is the display mesh of the body type
// side A's fighter is changed to. Each is logged, and the match plays to its report.
#include <algorithm>
#include <cmath>
#include <map>

#include "QuickMatchRig.h"
#include "fight/ArenaFiles.h"
#include "fight/FighterTables.h"
#include "game/SpriteFX.h"
#include "platform/win32/crt.h"

using namespace quicktest;

namespace {

constexpr int ComputerController = 2;
constexpr int ChangedBodyType = 3;

// The HUD's printed text at a plane point (x, y), or "" when none is printed there.
std::string textAt(float x, float y) {
    for (int i = 0; i < vtTextCount(); ++i) {
        vtText t{};
        if (vtTextGet(i, &t) && t.text && std::fabs(t.location.x - x) < 0.05f && std::fabs(t.location.y - y) < 0.05f)
            return t.text;
    }
    return "";
}

// Whether the game's lines or the platform's log name the text.
bool logged(const std::string& debug, const std::string& text) {
    if (debug.find(text) != std::string::npos) return true;
    for (const std::string& line : win32::logLines())
        if (line.find(text) != std::string::npos) return true;
    return false;
}

float clampedShare(float value, float maximum) {
    const float share = maximum > 0.0f ? value / maximum : 0.0f;
    return std::isfinite(share) ? std::fmin(std::fmax(share, 0.0f), 1.0f) : 0.0f;
}

}  // namespace

TEST_F(QuickMatch, AComputerMatchOverADamagedPackKeepsTheHudInStepWithTheBattleToItsResult) {
    int sceneryLeftOut = 0;
    for (const std::string& scene : ArenaFiles::sceneFiles(0))
        sceneryLeftOut += gamefolder::removeFile(folder->path(), "Tavek_res/arenas/arena1/" + scene);
    ASSERT_GT(sceneryLeftOut, 10);
    std::string mesh = std::string(FighterTables::TextureFolder) + FighterTables::bodyTypes[ChangedBodyType].mesh;
    std::replace(mesh.begin(), mesh.end(), '\\', '/');
    ASSERT_TRUE(gamefolder::removeFile(folder->path(), mesh)) << mesh;
    mesh = mesh.substr(mesh.find_last_of('/') + 1);
    build();
    EXPECT_TRUE(logged(debug, "audience.x")) << "the missing scenery was not logged";
    (*single->getRoster())[0]->BodyType = ChangedBodyType;
    openSetup();
    // The test's own widening of side A to the computer.
    GuiSuperLever* controllerA = setup->getControllerASelector();
    controllerA->setMaximum(ComputerController);
    controllerA->setIntValue(ComputerController);
    controllerA->setText("CPU");
    crt::srand(1);
    click(FightNow);
    ASSERT_EQ(battle->getBattle().battleMode, 1);
    EXPECT_FALSE(battle->isHumanA());
    EXPECT_FALSE(battle->isHumanB());
    EXPECT_EQ(battle->getBodyTypeA(), ChangedBodyType);
    EXPECT_TRUE(logged(debug, mesh)) << "the missing body was not logged";
    FighterInstance* a = battle->getFighterFieldA();
    FighterInstance* b = battle->getFighterFieldB();

    debug.clear();
    bool knockedDown = false, countShown = false, knockdownShown = false;
    int pointsSeen = 0, frameCount = 0;
    int scoreA = 0, scoreB = 0;
    float shareA = 1.0f, shareB = 1.0f;
    std::map<Tavek::MatchScreen::Banner, bool> resultShown;
    bool fedBefore = false, pointByA = false, pointByB = false;
    while (debug.find("Quick match over") == std::string::npos && frameCount < 9000) {
        frame();
        ++frameCount;
        if (gui->getScreen() != static_cast<GuiScreen*>(matchScreen)) break;
        const bool fed = battle->getBattle().battleMode == 1;
        if (!fed) continue;
        // The battle feeds the HUD at the start of its tick, with the values the last frame left:
        // the names, the scores (while no result letters stand), the health bars.
        EXPECT_EQ(textAt(-13.35f, 10.8f), "Kai Maren") << frameCount;
        EXPECT_EQ(textAt(7.75f, 10.8f), "Tomas Reil") << frameCount;
        if (fedBefore) {
            if (battle->getEndReason() == 0) {
                EXPECT_EQ(textAt(-5.8f, 8.9f), std::to_string(scoreA)) << frameCount;
                EXPECT_EQ(textAt(6.7f, 8.9f), std::to_string(scoreB)) << frameCount;
            }
            EXPECT_NEAR(matchScreen->getBar(0)->getValue(), shareA, 1e-5f) << frameCount;
            EXPECT_NEAR(matchScreen->getBar(1)->getValue(), shareB, 1e-5f) << frameCount;
            for (int bar = 0; bar < 4; ++bar) {
                const float value = matchScreen->getBar(bar)->getValue();
                ASSERT_TRUE(std::isfinite(value) && value >= 0.0f && value <= 1.0f) << bar << ": " << value;
            }
            // A point scored in the last frame shows its banner in this one.
            if (pointByA) {
                EXPECT_TRUE(matchScreen->isFighter1MarkerShown()) << frameCount;
            }
            if (pointByB) {
                EXPECT_TRUE(matchScreen->isFighter2MarkerShown()) << frameCount;
            }
        }
        // The penalty places lit on each side: half + 2 x full, as the battle counts them.
        for (int side = 0; side < 2; ++side) {
            const FighterInstance* f = side == 0 ? a : b;
            const int total = f->halfPenalties + 2 * f->fullPenalties;
            int lit = 0;
            for (int part = side == 0 ? 1 : 9, last = part + 7; part <= last; ++part) {
                const bool full = part % 8 >= 5 || part % 8 == 0;
                lit += matchScreen->getHudPanel()->isPartVisible(part) ? (full ? 2 : 1) : 0;
            }
            if (total <= 8) {
                EXPECT_EQ(lit, total) << "side " << side << " at frame " << frameCount;
            }
        }
        pointByA = battle->getScoreA() > scoreA;
        pointByB = battle->getScoreB() > scoreB;
        pointsSeen += pointByA + pointByB;
        scoreA = battle->getScoreA();
        scoreB = battle->getScoreB();
        shareA = clampedShare(a->health(), a->maxHealth());
        shareB = clampedShare(b->health(), b->maxHealth());
        fedBefore = true;
        // Once the fight runs, A's balance is taken: the knock-down banner, then the count.
        if (!knockedDown && battle->getBattleState() == FightingState && frameCount > 1500) {
            a->balance() = 0.0f;
            knockedDown = true;
        }
        for (auto result : {Tavek::MatchScreen::BlueWins, Tavek::MatchScreen::RedWins, Tavek::MatchScreen::SuddenDeath})
            resultShown[result] = resultShown[result] || matchScreen->getBanner(result)->isVisible();
        knockdownShown = knockdownShown || matchScreen->getBanner(Tavek::MatchScreen::Knockdown)->isVisible();
        for (int n = Tavek::MatchScreen::Counting1; n <= Tavek::MatchScreen::Counting10; ++n)
            countShown = countShown || matchScreen->getBanner(static_cast<Tavek::MatchScreen::Banner>(n))->isVisible();
    }
    ASSERT_NE(debug.find("Quick match over: result "), std::string::npos) << "no result in " << frameCount << " frames";
    EXPECT_EQ(debug.find("Quick match over"), debug.rfind("Quick match over")) << "reported twice";
    EXPECT_TRUE(knockedDown);
    EXPECT_TRUE(knockdownShown) << "no knock-down banner";
    EXPECT_TRUE(countShown) << "no count";
    std::printf("points seen %d, result: %s", pointsSeen, debug.c_str());
    // The result's banner: blue or red wins, or sudden death before a draw.
    const char result = debug[debug.find("result ") + 7];
    EXPECT_TRUE(result == '0'   ? resultShown[Tavek::MatchScreen::BlueWins]
                : result == '1' ? resultShown[Tavek::MatchScreen::RedWins]
                                : resultShown[Tavek::MatchScreen::SuddenDeath])
        << result;

    // The report's frame left the battle stopped, and nothing of it changes afterwards.
    EXPECT_EQ(gui->getScreen(), static_cast<GuiScreen*>(menu->getDaviScreen()));
    EXPECT_EQ(battle->getBattle().battleMode, 0);
    const float stateTime = battle->getBattle().timeInState;
    const Vector3 whereA = a->location, whereB = b->location;
    frames(20);
    EXPECT_FLOAT_EQ(battle->getBattle().timeInState, stateTime);
    EXPECT_EQ(a->location.x, whereA.x);
    EXPECT_EQ(b->location.z, whereB.z);
    for (int k = 0; k < Tavek::MatchScreen::BannerCount; ++k)
        EXPECT_FALSE(matchScreen->getBanner(static_cast<Tavek::MatchScreen::Banner>(k))->isVisible()) << k;
    const int liveAfterFirst = vtLiveObjectCount();

    // A second match: no banner of the first at its start; after it the engine holds no more.
    frames(300);
    pressEsc();
    ASSERT_TRUE(frameUntil([&] { return setup->acceptsInput(); }));
    click(FightNow);
    ASSERT_EQ(battle->getBattle().battleMode, 1);
    frame();
    for (int k = 0; k < Tavek::MatchScreen::BannerCount; ++k)
        EXPECT_FALSE(matchScreen->getBanner(static_cast<Tavek::MatchScreen::Banner>(k))->isVisible()) << k;
    ASSERT_TRUE(frameUntil([&] { return battle->getBattleState() == FightingState; }, 3000));
    frames(300);
    single->forfeitMatch();
    EXPECT_EQ(battle->getBattle().battleMode, 0);
    frames(2);
    EXPECT_LE(vtLiveObjectCount(), liveAfterFirst);
}
