// The game as a player starts it: a separate process, headless, under the autopilot.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/app/PackScripts.h"
#define STB_IMAGE_IMPLEMENTATION  // once in this program, through ProgramRun.h
#include "tests/app/ProgramRun.h"

namespace fs = std::filesystem;

TEST_F(Program, RunsItsLoopUntilClosedThenEndsCleanly) {
    GameRun run = start({"VUZ_FRAME_LIMIT=40"});
    ASSERT_EQ(run.exitCode, 0);
    int child = indexOf(run, "DestroyWindow class=Brennock title=(none)");
    int main = indexOf(run, "DestroyWindow class=Brennock title=\"Brennock\"");
    int page = indexOf(run, "ShellExecuteA open https://harlowick.example/buy");
    ASSERT_GE(child, 0);
    ASSERT_GE(main, 0);
    ASSERT_GE(page, 0);
    EXPECT_LT(child, main);
    EXPECT_LT(main, page);
}

TEST_F(Program, TheWindowIsShownAndDrawn) {
    fs::path shot = dir / "frame10.png";
    copyPackScripts(dir.string());  // all the game needs to start: the fighter scripts
    GameRun run = start({"VUZ_FRAME_LIMIT=15", "VUZ_SCREENSHOTS=10:" + shot.string()});
    ASSERT_EQ(run.exitCode, 0);
    int w = 0, h = 0, n = 0;
    unsigned char* pixels = stbi_load(shot.c_str(), &w, &h, &n, 4);
    ASSERT_NE(pixels, nullptr) << "no screenshot at " << shot;
    EXPECT_EQ(w, 639);
    EXPECT_EQ(h, 479);
    // The game has nothing to show yet: a black screen, fully drawn.
    for (int i : {0, w / 2 + h / 2 * w, w * h - 1}) {
        EXPECT_EQ(pixels[i * 4 + 0], 0);
        EXPECT_EQ(pixels[i * 4 + 1], 0);
        EXPECT_EQ(pixels[i * 4 + 2], 0);
        EXPECT_EQ(pixels[i * 4 + 3], 255);
    }
    stbi_image_free(pixels);
}

TEST_F(Program, TheInstallFolderFromTheRegistryIsUsed) {
    fs::create_directories(dir / "install");
    copyPackScripts((dir / "install").string());
    std::ofstream(dir / "registry.txt") << "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Harlowick\\Brennock Davi]\n"
                                        << "\"Path\"=\"" << (dir / "install").string() << "\"\n";
    fs::path shot = "frame2.png";  // relative: lands in the working directory
    GameRun run = start({"VUZ_FRAME_LIMIT=4", "VUZ_SCREENSHOTS=2:" + shot.string()});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_TRUE(fs::exists(dir / "install" / shot));
    EXPECT_FALSE(fs::exists(dir / shot));
}


// The start screen in the built game folder: "Exit Game" clicked with the pointer, or Esc,
// ends the game long before the frame limit.
TEST_F(Program, TheStartScreenEndsTheGameByItsButtonOrEsc) {
    std::ofstream(dir / "registry.txt") << "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Harlowick\\Brennock Davi]\n"
                                        << "\"Path\"=\"" << GAME_DIR << "\"\n";
    const fs::path opened = dir / "start.png", late = dir / "late.png";
    std::ofstream(dir / "click.txt") << "1 mouse 0.5 0.5\n40 mouse 0.703125 0.854167\n"
                                     << "45 button 0 down\n47 button 0 up\n";
    GameRun run = start({"VUZ_FRAME_LIMIT=2000", "VUZ_INPUT=" + (dir / "click.txt").string(),
                         "VUZ_SCREENSHOTS=42:" + opened.string() + ";400:" + late.string()});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_FALSE(fs::exists(late)) << "the game did not end on the click";
    for (const std::string& line : run.log) {
        EXPECT_EQ(line.find("not made"), std::string::npos) << line;
        EXPECT_EQ(line.find("rror"), std::string::npos) << line;
    }
    {
        Shot shot(opened);
        ASSERT_NE(shot.pixels, nullptr);
        EXPECT_GT(shot.bright(-15.5f, -11.5f, 15.5f, -10.5f, 30), 0.5);  // the background
        EXPECT_GT(shot.bright(2.0f, 7.0f, 10.0f, 9.0f, 300), 0.1);       // the logo
        EXPECT_GT(shot.bright(3.1f, -9.1f, 4.4f, -7.9f, 150), 0.05);     // the button's square
        EXPECT_GT(shot.bright(5.0f, -8.7f, 7.0f, -8.3f, 400), 0.05);     // its caption
        EXPECT_GT(shot.bright(6.55f, -8.86f, 6.72f, -8.69f, 600), 0.15);  // the cursor under the caption band
    }

    std::ofstream(dir / "esc.txt") << "40 key 1 down\n41 key 1 up\n";
    run = start({"VUZ_FRAME_LIMIT=2000", "VUZ_INPUT=" + (dir / "esc.txt").string(),
                 "VUZ_SCREENSHOTS=400:" + late.string()});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_FALSE(fs::exists(late)) << "the game did not end on Esc";
}
