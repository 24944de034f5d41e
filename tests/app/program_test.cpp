// The game as a player starts it: a separate process, headless, under the autopilot.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/GameMaster.h"
#include "app/ProcessState.h"
#include "fight/BattleManager.h"
#include "fight/FighterInstance.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "platform/win32/crt.h"
#include "platform/win32/win32_host.h"
#define STB_IMAGE_IMPLEMENTATION  // once in this program, through ProgramRun.h
#include "tests/app/ProgramRun.h"

namespace fs = std::filesystem;

// The install folder the registry names becomes the working folder (a relative screenshot lands
// there); the window is shown and drawn at the game's size, black while there is nothing to show;
// the loop runs to its frame limit and the end closes the child window before the main one. The
// folder has no purchase page, so none opens.
TEST_F(Program, RunsInTheRegistrysInstallFolderDrawsItsWindowThenEndsCleanly) {
    const fs::path install = dir / "install";
    gamefolder::copyScripts(GAME_DIR, install);  // all the game needs to start: the fighter scripts
    gamefolder::writeRegistry(dir / "registry.txt", install);
    const fs::path shot = "frame10.png";  // relative: lands in the working directory
    GameRun run = start({"VUZ_FRAME_LIMIT=15", "VUZ_SCREENSHOTS=10:" + shot.string()});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_FALSE(fs::exists(dir / shot));
    const int child = indexOf(run, "DestroyWindow class=Brennock title=(none)");
    const int main = indexOf(run, "DestroyWindow class=Brennock title=\"Brennock\"");
    ASSERT_GE(child, 0);
    EXPECT_LT(child, main);
    EXPECT_LT(indexOf(run, "ShellExecuteA"), 0) << "a purchase page opened where the folder has none";
    Shot frame(install / shot);
    ASSERT_NE(frame.pixels, nullptr) << "no screenshot in " << install;
    EXPECT_EQ(frame.w, 639);
    EXPECT_EQ(frame.h, 479);
    // The game has nothing to show yet: a black screen, fully drawn.
    for (int i : {0, frame.w / 2 + frame.h / 2 * frame.w, frame.w * frame.h - 1}) {
        EXPECT_EQ(frame.pixels[i * 4 + 0], 0);
        EXPECT_EQ(frame.pixels[i * 4 + 1], 0);
        EXPECT_EQ(frame.pixels[i * 4 + 2], 0);
        EXPECT_EQ(frame.pixels[i * 4 + 3], 255);
    }
}

// The main menu in the built game folder: "Exit Game" clicked with the pointer, or Esc, shows
// the advertisement screen, and Esc there ends the game long before the frame limit. A broken
// profile at start-up is reported in the game's own box over the menu and the game goes on.
TEST_F(Program, TheMainMenuEndsTheGameByItsButtonOrEscAlsoAfterABrokenProfileIsReported) {
    installFromGameFolder();
    const fs::path opened = dir / "start.png", advertisement = dir / "advertisement.png", late = dir / "late.png";
    std::ofstream(dir / "click.txt") << "1 mouse 0.5 0.5\n40 mouse 0.703125 0.854167\n"
                                     << "45 button 0 down\n47 button 0 up\n150 key 1 down\n151 key 1 up\n";
    GameRun run = start({"VUZ_FRAME_LIMIT=2000", "VUZ_INPUT=" + (dir / "click.txt").string(),
                         "VUZ_SCREENSHOTS=42:" + opened.string() + ";140:" + advertisement.string() + ";400:" +
                             late.string()});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_FALSE(fs::exists(late)) << "the game did not end on Esc";
    for (const std::string& line : run.log) {
        EXPECT_EQ(line.find("not made"), std::string::npos) << line;
        EXPECT_EQ(line.find("rror"), std::string::npos) << line;
    }
    {
        Shot shot(opened);
        ASSERT_NE(shot.pixels, nullptr);
        EXPECT_GT(shot.bright(-15.5f, -11.5f, 15.5f, -10.5f, 30), 0.5);  // the background
        EXPECT_GT(shot.bright(-14.0f, -6.0f, -2.0f, 6.0f, 60), 0.3);      // the fighter picture
        EXPECT_GT(shot.bright(2.0f, 7.0f, 10.0f, 9.0f, 300), 0.1);       // the logo
        for (float y : {-0.5f, -2.5f, -4.5f, -6.5f, -8.5f}) {
            EXPECT_GT(shot.bright(3.1f, y - 0.6f, 4.4f, y + 0.6f, 150), 0.05) << y;   // the button's square
            EXPECT_GT(shot.bright(5.0f, y - 0.2f, 7.0f, y + 0.2f, 400), 0.05) << y;  // its caption
        }
        EXPECT_GT(shot.bright(6.55f, -8.86f, 6.72f, -8.69f, 600), 0.15);  // the cursor under the caption band
    }
    {
        Shot shot(advertisement);
        ASSERT_NE(shot.pixels, nullptr);
        EXPECT_GT(shot.bright(3.3f, -10.9f, 11.4f, -10.7f, 200), 0.05);  // the prompt
    }

    // Once more over a broken profile: the game's own box says so over the main menu, "OK"
    // closes it, and Esc on the menu and on the advertisement screen ends the game.
    fs::create_directories(dir / "game" / "saveData");
    std::ofstream(dir / "game" / "saveData" / "profile.xml") << "<Profile><Name>Old";
    const fs::path box = dir / "box.png";
    std::ofstream(dir / "input.txt") << "1 mouse 0.53125 0.541667\n70 button 0 down\n72 button 0 up\n"
                                     << "120 key 1 down\n121 key 1 up\n220 key 1 down\n221 key 1 up\n";
    run = start({"VUZ_FRAME_LIMIT=2000", "VUZ_INPUT=" + (dir / "input.txt").string(),
                 "VUZ_SCREENSHOTS=50:" + box.string() + ";600:" + late.string()});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_FALSE(fs::exists(late)) << "the game did not end on Esc";
    EXPECT_GE(indexOf(run.debug, "The profile "), 0);
    for (const std::string& line : run.log) EXPECT_EQ(line.find("MessageBoxA"), std::string::npos) << line;
    std::ifstream kept(dir / "game" / "saveData" / "profile.xml.broken");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(kept), std::istreambuf_iterator<char>()),
              "<Profile><Name>Old");
    Shot shot(box);
    ASSERT_NE(shot.pixels, nullptr);
    EXPECT_GT(shot.bright(-15.5f, -11.5f, 15.5f, -10.5f, 30), 0.5);  // the main menu's background
    EXPECT_GT(shot.bright(-7.0f, 1.5f, 2.0f, 2.3f, 300), 0.02);      // the box's first line
    EXPECT_LT(shot.bright(-7.0f, -2.5f, -2.0f, 2.5f, 200), 0.2);     // its dark inside
    EXPECT_GT(shot.bright(0.5f, -1.2f, 1.5f, -0.8f, 300), 0.02);     // "OK"
}

namespace {

// Where the main menu's "Quick Match" and the setup screen's "Fight Now!" are, as the pointer
// reads them (0..1 from the top-left).
constexpr float QuickMatchX = 0.703125f, QuickMatchY = 0.520833f;
constexpr float FightNowX = 0.816f, FightNowY = 0.9375f;

// A keyboard quick match as a player plays it: "Quick Match" once the menu has opened, "Fight
// Now!" once the setup screen has, Space in the fly-by, then blue (A) walks right towards red
// and kicks with the A key, over and over. At frame 1210 (both have scored by then) Esc pauses
// and "Forfeit" ends the match; Esc after the advertisement's five seconds, Esc on the setup
// screen, "Exit Game" on the main menu and Esc after five seconds end the game.
std::string keyboardMatchScript() {
    std::string script = ClickQuickMatch + SkipFlyBy + walkAndKickUntil(1200);
    script += "1210 key 1 down\n1212 key 1 up\n1214 mouse 0.623 0.646\n1240 button 0 down\n1242 button 0 up\n"
              "1570 key 1 down\n1572 key 1 up\n1670 key 1 down\n1672 key 1 up\n1680 mouse 0.703125 0.854167\n"
              "1750 button 0 down\n1752 button 0 up\n2100 key 1 down\n2102 key 1 up\n";
    return script;
}
const char* const SixtyFramesASecond = "VUZ_FRAME_TIME=0.0166667";

// The frames at which the keyboard quick match's pictures are taken.
const std::vector<std::pair<int, std::string>> KeyboardMatchShots = {
    {130, "setup.png"},  {230, "flyby.png"},  {500, "ready.png"}, {850, "kick.png"},
    {1200, "point.png"}, {1205, "fight.png"}, {1230, "paused.png"}, {1400, "advertisement.png"}};

// The autopilot's variables for the keyboard quick match in dir, run up to the frame limit, with
// the pictures taken before it.
std::vector<std::string> keyboardMatchVariables(const fs::path& dir, int frameLimit) {
    std::string list;
    for (const auto& [frame, name] : KeyboardMatchShots) {
        if (frame >= frameLimit) continue;
        list += (list.empty() ? "" : ";") + std::to_string(frame) + ":" + (dir / name).string();
    }
    return {SixtyFramesASecond, "VUZ_FRAME_LIMIT=" + std::to_string(frameLimit), "VUZ_SEED=1",
            "VUZ_INPUT=" + (dir / "keys.txt").string(), "VUZ_SCREENSHOTS=" + list};
}

// The mat's lit blue (the pack paints it 30, 80, 200).
bool isMat(const unsigned char* p) { return std::abs(p[0] - 30) + std::abs(p[1] - 79) + std::abs(p[2] - 199) < 45; }
// The fighters' protectors and helmets in the arena's light: darker than the mat and its red border.
bool isFighterRed(const unsigned char* p) { return p[0] >= 40 && p[0] <= 170 && p[0] > 2.5 * p[1] && p[0] > 2.5 * p[2]; }
bool isFighterBlue(const unsigned char* p) { return p[2] >= 40 && p[2] <= 150 && p[2] > 2 * p[0] && p[2] > 1.6 * p[1]; }

// Pixels of a colour standing on the mat: with mat within 40 pixels to their left and to their right.
template <typename Test>
int onTheMat(const Shot& shot, Test test) {
    auto mat = [&](int x, int y) { return isMat(shot.pixels + (y * shot.w + x) * 4); };
    int count = 0;
    for (int y = 0; y < shot.h; ++y) {
        for (int x = 0; x < shot.w; ++x) {
            if (!test(shot.pixels + (y * shot.w + x) * 4)) continue;
            bool left = false, right = false;
            for (int i = std::max(0, x - 40); i < x && !left; ++i) left = mat(i, y);
            for (int i = x + 1; i <= std::min(shot.w - 1, x + 40) && !right; ++i) right = mat(i, y);
            count += left && right ? 1 : 0;
        }
    }
    return count;
}

}  // namespace

// The keyboard quick match through the whole program: the setup screen, the camera flying over
// the lit arena, "Ready" over the two fighters, the fight with its point banners, blue and red
// on the mat, the pause dialog, "Forfeit" (the player loses: result 1), the advertisement
// screen, and the way out. Nothing is reported missing on the way. Played again alongside, in a
// game folder of its own, with the same VUZ_SEED, VUZ_FRAME_TIME and VUZ_INPUT up to a frame in
// the fight (the kicks traded), it repeats the first frame for frame, logs and pictures alike.
TEST_F(Program, AKeyboardQuickMatchIsPlayedForfeitedAndReplayedByItsSeed) {
    installFromGameFolder();
    std::ofstream(dir / "keys.txt") << keyboardMatchScript();
    const pid_t played = launch(keyboardMatchVariables(dir, 2400), "played");
#ifndef BRENNOCK_SANITIZED_BUILD  // the sanitized pass plays the match once
    constexpr int ReplayFrames = 860;
    const fs::path again = dir / "again";
    gamefolder::linkFolders(GAME_DIR, again / "game");
    gamefolder::writeRegistry(again / "registry.txt", again / "game");
    std::ofstream(again / "keys.txt") << keyboardMatchScript();
    std::vector<std::string> replayVariables = keyboardMatchVariables(again, ReplayFrames);
    replayVariables.push_back("BRENNOCK_REGISTRY=" + (again / "registry.txt").string());
    const pid_t replayed = launch(replayVariables, "replayed");
#endif
    GameRun first = finish(played);
    ASSERT_EQ(first.exitCode, 0);
    EXPECT_LT(indexOf(first, "engine: frame limit"), 0) << "the game did not end by its Esc";
    for (const auto* lines : {&first.log, &first.debug}) {
        for (const std::string& line : *lines) {
            EXPECT_EQ(line.find("not made"), std::string::npos) << line;
            EXPECT_EQ(line.find("rror"), std::string::npos) << line;
            EXPECT_EQ(line.find("could not"), std::string::npos) << line;
        }
    }
    const int over = indexOf(first.debug, "Quick match over: result 1, end reason forfeit");
    EXPECT_GE(over, 0) << "no forfeit reported";
    auto shot = [&](const char* name) { return Shot(dir / name); };
    {
        Shot setup = shot("setup.png");
        ASSERT_NE(setup.pixels, nullptr);
        EXPECT_GT(setup.share(-12.0f, 5.0f, -2.0f, 7.0f, [](const unsigned char* p) { return p[2] > p[0] + 40; }), 0.3)
            << "no blue panel";
        EXPECT_GT(setup.share(3.0f, 5.0f, 12.0f, 7.0f, [](const unsigned char* p) { return p[0] > p[2] + 40; }), 0.3)
            << "no red panel";
    }
    {
        Shot flyby = shot("flyby.png");
        ASSERT_NE(flyby.pixels, nullptr);
        EXPECT_GT(flyby.share(-16.0f, -12.0f, 16.0f, 12.0f, isMat), 0.15) << "no mat in the fly-by";
        // The hall around it is lit: scenery, not a black void.
        EXPECT_GT(flyby.share(-16.0f, -12.0f, 16.0f, 12.0f, [](const unsigned char* p) {
            return !isMat(p) && p[0] + p[1] + p[2] > 120;
        }), 0.1);
    }
    for (const char* name : {"ready.png", "fight.png"}) {
        Shot fight = shot(name);
        ASSERT_NE(fight.pixels, nullptr) << name;
        EXPECT_GT(fight.share(-16.0f, -12.0f, 16.0f, 12.0f, isMat), 0.3) << "no mat in " << name;
        EXPECT_GT(onTheMat(fight, isFighterRed), 200) << "no red fighter on the mat in " << name;
        EXPECT_GT(onTheMat(fight, isFighterBlue), 200) << "no blue fighter on the mat in " << name;
        // The HUD's plates: blue at the top left, red at the top right.
        auto blue = [](const unsigned char* p) { return p[2] > p[0] + 60; };
        auto red = [](const unsigned char* p) { return p[0] > p[2] + 60; };
        EXPECT_GT(fight.share(-15.0f, 10.0f, -8.0f, 11.5f, blue), 0.3) << name;
        EXPECT_GT(fight.share(8.0f, 10.0f, 15.0f, 11.5f, red), 0.3) << name;
    }
    {
        // The pause dialog's window in the middle of the match.
        Shot paused = shot("paused.png");
        ASSERT_NE(paused.pixels, nullptr);
        EXPECT_GT(paused.bright(-6.0f, -3.0f, 6.0f, 3.0f, 30), 0.5);
    }
    EXPECT_NE(shot("advertisement.png").pixels, nullptr);
#ifndef BRENNOCK_SANITIZED_BUILD
    // The replay: the log up to its frame limit is the first run's (its pictures in its own
    // folder), its game lines a beginning of the first run's, its pictures the same bytes.
    GameRun second = finish(replayed);
    ASSERT_EQ(second.exitCode, 0);
    const int limit = indexOf(second, "engine: frame limit");
    ASSERT_GE(limit, 0);
    ASSERT_LE(static_cast<size_t>(limit), first.log.size());
    for (int i = 0; i < limit; ++i) {
        std::string line = second.log[static_cast<size_t>(i)];
        if (const size_t at = line.find(again.string()); at != std::string::npos)
            line.replace(at, again.string().size(), dir.string());
        EXPECT_EQ(line, first.log[static_cast<size_t>(i)]) << "line " << i;
    }
    ASSERT_LE(second.debug.size(), first.debug.size());
    EXPECT_TRUE(std::equal(second.debug.begin(), second.debug.end(), first.debug.begin()));
    for (const auto& [frame, name] : KeyboardMatchShots) {
        if (frame >= ReplayFrames) continue;
        std::ifstream a(dir / name, std::ios::binary), b(again / name, std::ios::binary);
        const std::string bytesA((std::istreambuf_iterator<char>(a)), std::istreambuf_iterator<char>());
        const std::string bytesB((std::istreambuf_iterator<char>(b)), std::istreambuf_iterator<char>());
        EXPECT_TRUE(!bytesA.empty() && bytesA == bytesB) << name << " differs between the two runs";
    }
#endif
}

namespace {

constexpr int FightingState = 0;

LRESULT CALLBACK quietWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) return 0;
    return DefWindowProcA(window, message, wParam, lParam);
}

// The game folder as the working folder and the engine open on a drawing window of the game's
// size, as the program has them; everything back as it was afterwards.
struct InGameFolderWithWindow {
    InGameFolderWithWindow() {
        resetProcessState();
        win32::resetForTests();
        win32::setShellOpenEnabled(false);
        vtReset();
        vtSetDrawing(1);
        vtSetFixedFrameTime(1.0f / 60.0f);
        WNDCLASSEXA windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = quietWindowProc;
        windowClass.lpszClassName = "Brennock";
        RegisterClassExA(&windowClass);
        HWND window = CreateWindowExA(0, "Brennock", "Brennock", WS_POPUP | WS_CAPTION, 0, 0, 639, 479, nullptr,
                                      nullptr, nullptr, nullptr);
        const uint32_t settings[6] = {0, 0, 0x004B0000, 0, 0, 0};
        opened = iVortaneOpen(window, nullptr) == 1 && iVortaneSettings(settings) == 1 && vtWindowOpen() == 1;
    }
    ~InGameFolderWithWindow() {
        vtReset();
        resetProcessState();
        win32::resetForTests();
    }
    ScratchGameFolder folder{GAME_DIR};  // the game writes its profile here
    bool opened = false;
};

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool bluish() const { return b > r + 20 && b > g + 20; }
    bool reddish() const { return r > g + 20 && r > b + 20; }
    int distance(const Rgb& o) const { return std::abs(r - o.r) + std::abs(g - o.g) + std::abs(b - o.b); }
};

// The presented pixels of a square of 17 x 17 pixels (about a fighter's chest, arms included)
// around a point of the 32 x 24 plane.
std::vector<Rgb> around(const iVector2& at) {
    std::vector<Rgb> out;
    for (int dy = -8; dy <= 8; ++dy) {
        for (int dx = -8; dx <= 8; ++dx) {
            uint8_t p[4] = {0, 0, 0, 0};
            vtReadPixel((at.x + 16.0f) / 32.0f + dx / 639.0f, (12.0f - at.y) / 24.0f + dy / 479.0f, p);
            out.push_back({p[0], p[1], p[2]});
        }
    }
    return out;
}

template <typename Test>
double shareOf(const std::vector<Rgb>& pixels, Test test) {
    size_t n = 0;
    for (const Rgb& p : pixels) n += test(p) ? 1 : 0;
    return pixels.empty() ? 0.0 : static_cast<double>(n) / static_cast<double>(pixels.size());
}

double changedShare(const std::vector<Rgb>& before, const std::vector<Rgb>& after) {
    size_t n = 0;
    for (size_t i = 0; i < before.size() && i < after.size(); ++i) n += before[i].distance(after[i]) > 60 ? 1 : 0;
    return before.empty() ? 0.0 : static_cast<double>(n) / static_cast<double>(before.size());
}

iVector2 chestOnScreen(FighterInstance* fighter, uint32_t camera) {
    iVector3 chest{};
    iSkinMeshBoneLocation(fighter->getMainBone(1), &chest, 0);
    iVector2 out{};
    i3DLocationToScreen(&out, &chest, camera);
    return out;
}

}  // namespace

// The quick match as the program plays it, in this process, so that the test knows where the
// fighters stand: the main menu's "Quick Match" and the setup screen's "Fight Now!" clicked with
// the pointer, the arena flown, then the fight drawn off screen. Where each fighter's chest bone
// projects, the picture shows A's blue and B's red protector (the fighters themselves: hidden,
// the spot changes), and the floor halfway between them is the mat.
TEST(ProgramQuickMatch, TheFightShowsTheBlueAndTheRedFighterOnTheMat) {
    InGameFolderWithWindow game;
    ASSERT_TRUE(game.opened) << "no drawing window";
    crt::srand(7);  // the program's start-up seed, which the scripts' random takes too
    Tavek::GameMaster master;
    BattleManager* battle = master.getBattleManager();
    ASSERT_NE(battle, nullptr);
    auto frame = [&] {
        iVortaneMain();
        master.tick();
    };
    auto click = [&](float u, float v) {
        vtMouseSet(u, v);
        for (int i = 0; i < 70; ++i) frame();  // the screen before opens
        vtMouseButtonSet(0, 1);
        frame();
        vtMouseButtonSet(0, 0);
        frame();
    };
    click(QuickMatchX, QuickMatchY);
    click(FightNowX, FightNowY);
    ASSERT_EQ(battle->getBattle().battleMode, 1) << "the clicks did not start the quick match";
    int frames = 0;
    for (; battle->getBattleState() != FightingState && frames < 3000; ++frames) frame();
    ASSERT_EQ(battle->getBattleState(), FightingState) << "no fight after " << frames << " frames";
    for (int i = 0; i < 120; ++i) frame();
    // A moment when the two stand apart on the picture, so neither hides the other nor the mat
    // between them.
    auto apart = [&] {
        const iVector2 a = chestOnScreen(battle->getFighterFieldA(), master.getCamera());
        const iVector2 b = chestOnScreen(battle->getFighterFieldB(), master.getCamera());
        if (std::abs(a.x - b.x) < 4.0f) return false;
        iVector3 hipA{}, hipB{};
        iSkinMeshBoneLocation(battle->getFighterFieldA()->getMainBone(0), &hipA, 0);
        iSkinMeshBoneLocation(battle->getFighterFieldB()->getMainBone(0), &hipB, 0);
        const iVector3 floor{(hipA.x + hipB.x) / 2.0f, 0.0f, (hipA.z + hipB.z) / 2.0f};
        iVector2 between{};
        i3DLocationToScreen(&between, &floor, master.getCamera());
        iVortaneRender();
        return shareOf(around(between), [](const Rgb& p) { return p.bluish() && p.b > 150; }) >= 0.7;
    };
    for (int i = 0; i < 40 && !apart(); ++i) {
        for (int k = 0; k < 30; ++k) frame();
    }
    iVortaneRender();
    EXPECT_EQ(vtScreenshot((game.folder.previousFolder() / "quick_match_fight.png").c_str()), 1);

    const uint32_t camera = master.getCamera();
    FighterInstance* fighterA = battle->getFighterFieldA();
    FighterInstance* fighterB = battle->getFighterFieldB();
    const iVector2 chestA = chestOnScreen(fighterA, camera), chestB = chestOnScreen(fighterB, camera);
    iVector3 hipA{}, hipB{};
    iSkinMeshBoneLocation(fighterA->getMainBone(0), &hipA, 0);
    iSkinMeshBoneLocation(fighterB->getMainBone(0), &hipB, 0);
    const iVector3 floor{(hipA.x + hipB.x) / 2.0f, 0.0f, (hipA.z + hipB.z) / 2.0f};
    iVector2 between{};
    i3DLocationToScreen(&between, &floor, camera);
    for (const iVector2& at : {chestA, chestB, between}) {
        ASSERT_TRUE(at.x > -15.5f && at.x < 15.5f && at.y > -11.5f && at.y < 11.5f)
            << "off screen: " << at.x << ", " << at.y;
    }
    const std::vector<Rgb> a = around(chestA), b = around(chestB), mat = around(between);
    // A's protector is a darker blue than the lit mat behind it.
    EXPECT_GE(shareOf(a, [](const Rgb& p) { return p.bluish() && p.b < 150; }), 0.15)
        << "fighter A at " << chestA.x << ", " << chestA.y;
    EXPECT_GE(shareOf(b, [](const Rgb& p) { return p.reddish(); }), 0.15)
        << "fighter B at " << chestB.x << ", " << chestB.y;
    EXPECT_GE(shareOf(mat, [](const Rgb& p) { return p.bluish() && p.b > 150; }), 0.7) << "the mat";
    // The menu's pointer is not drawn over the match.
    const iVector2 pointer{FightNowX * 32.0f - 16.0f, 12.0f - FightNowY * 24.0f};
    EXPECT_EQ(shareOf(around(pointer), [](const Rgb& p) { return p.r > 220 && p.g > 220 && p.b > 220; }), 0.0)
        << "the pointer shows over the fight";

    // The same frame without the fighters: their chests give way to what stands behind them.
    iSkinMeshHide(fighterA->skinMesh);
    iSkinMeshHide(fighterB->skinMesh);
    iVortaneRender();
    EXPECT_GE(changedShare(a, around(chestA)), 0.3) << "fighter A";
    EXPECT_GE(changedShare(b, around(chestB)), 0.3) << "fighter B";
}

// A broken AI script of the quick match's red fighter, failing on import, ends the game with the
// script's error (on standard error under the autopilot) and a clean exit. (Failing in its
// decisions, it is played through in the damaged-pack run of ProgramFaults.)
TEST_F(Program, AFighterScriptFailingOnImportEndsTheGameWithItsError) {
    const fs::path install = dir / "game";
    gamefolder::linkFolders(GAME_DIR, install);
    const std::string script = "Tavek_res/scripts/dremoai.py";
    gamefolder::replaceFile(install, script,
                            gamefolder::packText(GAME_DIR, script) + "\nraise ImportError('dremoai cannot start')\n");
    gamefolder::writeRegistry(dir / "registry.txt", install);
    std::ofstream(dir / "fight.txt") << ClickQuickMatch << SkipFlyBy;
    GameRun run = start({SixtyFramesASecond, "VUZ_FRAME_LIMIT=900", "VUZ_INPUT=" + (dir / "fight.txt").string()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_LT(indexOf(run, "engine: frame limit"), 0) << "the game went on";
    bool shown = false;
    for (const std::string& line : run.debug) shown = shown || line.find("dremoai cannot start") != std::string::npos;
    EXPECT_TRUE(shown) << "the script's error was not shown";
}
