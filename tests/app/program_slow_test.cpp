// The whole program plays a keyboard quick match to its end: a minute's round and its
// introduction, some five thousand drawn frames, so it runs with the slow tests only. A player on
// the keyboard can finish a match.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>

#define STB_IMAGE_IMPLEMENTATION  // once in this program, through ProgramRun.h
#include "tests/app/ProgramRun.h"

TEST_F(Program, AKeyboardQuickMatchIsPlayedToItsResultAndTheGameEnds) {
    installFromGameFolder();
    // "Quick Match", "Fight Now!", Space in the fly-by, then blue walks right and kicks with the
    // A key until well after the longest match could have ended; Esc on the advertisement
    // screen and on the setup screen, then "Exit Game" and Esc after five seconds.
    std::string script = ClickQuickMatch + SkipFlyBy + walkAndKickUntil(7600);
    script += "8000 key 1 down\n8001 key 1 up\n8100 key 1 down\n8101 key 1 up\n8102 mouse 0.703125 0.854167\n"
              "8200 button 0 down\n8202 button 0 up\n8600 key 1 down\n8601 key 1 up\n";
    std::ofstream(dir / "keys.txt") << script;
    const std::filesystem::path back = dir / "back.png";
    GameRun run = start({"VUZ_FRAME_TIME=0.0166667", "VUZ_FRAME_LIMIT=9000", "VUZ_SEED=11",
                         "VUZ_INPUT=" + (dir / "keys.txt").string(), "VUZ_SCREENSHOTS=8190:" + back.string()});
    ASSERT_EQ(run.exitCode, 0);
    const int over = indexOf(run.debug, "Quick match over: result ");
    ASSERT_GE(over, 0) << "the match did not end within 9000 frames";
    std::printf("%s\n", run.debug[static_cast<size_t>(over)].c_str());
    EXPECT_EQ(run.debug[static_cast<size_t>(over)].find("forfeit"), std::string::npos);
    EXPECT_EQ(over, static_cast<int>(run.debug.size()) - 1) << "something went wrong after the result";
    for (const std::string& line : run.debug) {
        EXPECT_EQ(line.find("rror"), std::string::npos) << line;
    }
    // The main menu came back with its pointer (on "Exit Game"), which ended the game through
    // the advertisement screen before the frame limit.
    Shot shot(back);
    ASSERT_NE(shot.pixels, nullptr);
    EXPECT_GT(shot.bright(6.55f, -8.86f, 6.72f, -8.69f, 600), 0.15) << "no pointer on the main menu";
    EXPECT_LT(indexOf(run, "engine: frame limit"), 0);
    EXPECT_GE(indexOf(run, std::string("ShellExecuteA open file://") + (dir / "game").string() + "/purchase.html"), 0);
}
