// fontwidth as a player starts it: Esc does nothing, closing the window ends it.
#define STB_IMAGE_IMPLEMENTATION
#include "tests/app/ProgramRun.h"

#include <fstream>

class FontWidthProgram : public Program {};

TEST_F(FontWidthProgram, EscIsIgnoredAndClosingTheWindowEndsTheTool) {
    gamefolder::linkFolders(GAME_DIR, dir);
    std::ofstream(dir / "input.txt") << "5 key 1 down\n7 key 1 up\n30 screenshot editor.png\n40 close\n";
    const GameRun run = startProgram(FONTWIDTH_PATH, {}, {"VUZ_INPUT=input.txt", "VUZ_FRAME_LIMIT=500"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(indexOf(run, "engine: frame limit"), -1) << "the close ended it, not the limit";
    EXPECT_NE(indexOf(run, "engine: screenshot"), -1) << "Esc at frame 5 did not end it";
    Shot shot(dir / "editor.png");
    ASSERT_NE(shot.pixels, nullptr);
    EXPECT_GT(shot.bright(-15.0f, 7.3f, -8.0f, 7.7f, 300), 0.02) << "the upper-case sample";
}
