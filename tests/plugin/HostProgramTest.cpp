// vortane-host as a player starts it, under the autopilot in a folder of its own, and the
// host's refusals.
#define STB_IMAGE_IMPLEMENTATION
#include "tests/app/ProgramRun.h"

#include <algorithm>
#include <cstdio>
#include <fstream>

namespace {

// Autopilot pointer coordinates of a plane point.
std::string mouseAt(int frame, float x, float y) {
    char line[64];
    std::snprintf(line, sizeof line, "%d mouse %.6f %.6f\n", frame, (x + 16.0f) / 32.0f, (12.0f - y) / 24.0f);
    return line;
}

// A click on a plane point over three frames, starting at frame.
std::string clickAt(int frame, float x, float y) {
    return mouseAt(frame, x, y) + std::to_string(frame + 1) + " button 0 down\n" + std::to_string(frame + 2) +
           " button 0 up\n";
}

bool anyContains(const std::vector<std::string>& lines, const std::string& part) {
    return std::any_of(lines.begin(), lines.end(), [&](const std::string& l) { return l.find(part) != std::string::npos; });
}

}  // namespace

class VortaneHost : public Program {
protected:
    void SetUp() override {
        Program::SetUp();
        for (const char* folder : {"default_res", "Tavek_res"})
            std::filesystem::create_directory_symlink(std::filesystem::path(GAME_DIR) / folder, dir / folder);
    }
};

TEST_F(VortaneHost, APlayerWalksToTheEditorAndBackAndTheHostEndsByItself) {
    std::string script;
    script += "10 screenshot main.png\n";
    script += clickAt(20, -4.25f, 10.0f);  // Game Setup
    script += "30 screenshot setup.png\n";
    script += clickAt(40, -4.25f, 10.0f);  // Editor
    script += clickAt(50, 10.5f, 4.5f);    // NAME
    const int keys[] = {37, 23, 50};       // K, I, M
    const char* letters[] = {"K", "I", "M"};
    for (int i = 0; i < 3; ++i) {
        const int f = 60 + 4 * i;
        script += std::to_string(f) + " key " + std::to_string(keys[i]) + " down\n" + std::to_string(f) + " type " +
                  letters[i] + "\n" + std::to_string(f + 2) + " key " + std::to_string(keys[i]) + " up\n";
    }
    script += mouseAt(78, 5.0f, 2.0f);
    script += "80 screenshot general.png\n";
    script += clickAt(90, 7.25f, -10.0f);  // Next Options
    for (int i = 0; i < 4; ++i) script += clickAt(100 + 4 * i, 13.5f, 3.0f);  // STAMINA up four times
    script += "125 screenshot fighter.png\n";
    script += clickAt(130, 7.25f, -10.0f);
    script += clickAt(140, 13.5f, 1.5f);
    script += "150 screenshot kicks.png\n";
    script += clickAt(160, -11.75f, 10.0f);  // Back to the game setup screen
    script += clickAt(170, -11.75f, 10.0f);  // Back to the main menu
    script += clickAt(180, -11.75f, 10.0f);  // Exit
    std::ofstream(dir / "input.txt") << script;

    std::string shots;
    const GameRun run = startProgram(HOST_PATH, {}, {"VUZ_INPUT=input.txt", "VUZ_FRAME_LIMIT=2000"});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(indexOf(run, "engine: frame limit"), -1) << "the plug-in ended the host itself";
    for (const char* complaint : {"not made", "not offered", "Vortane:", "cannot"})
        EXPECT_FALSE(anyContains(run.log, complaint)) << complaint;
    EXPECT_TRUE(std::filesystem::is_regular_file(dir / "drive_c" / "profile0"));
    EXPECT_TRUE(std::filesystem::is_regular_file(dir / "drive_c" / "profile0Fighter0"));

    {
        Shot main(dir / "main.png");
        ASSERT_NE(main.pixels, nullptr);
        EXPECT_GT(main.bright(-15.0f, 9.4f, -8.5f, 10.6f, 200), 0.3) << "the \"Exit\" button's frame and caption";
        EXPECT_LT(main.bright(-15.0f, -11.0f, 15.0f, 7.0f, 60), 0.01) << "nothing else on the main menu";
    }
    {
        Shot general(dir / "general.png");
        ASSERT_NE(general.pixels, nullptr);
        EXPECT_GT(general.brightness(13.5f, -5.0f), 450) << "the page's paper";
        EXPECT_GT(general.brightness(11.0f, -4.5f), 450) << "the page's paper";
        const double dark = general.share(1.0f, 4.3f, 3.0f, 4.7f, [](const unsigned char* p) {
            return p[0] + p[1] + p[2] < 200;
        });
        EXPECT_GT(dark, 0.03) << "dark caption pixels along the NAME row";
        EXPECT_GT(general.bright(1.0f, 5.8f, 14.0f, 6.6f, 300), 0.5) << "the header band above the page";
        EXPECT_GT(general.bright(0.0f, 8.5f, 14.0f, 11.5f, 300), 0.05) << "the CREATE FIGHTER picture";
        EXPECT_GT(general.bright(5.0f, 1.3f, 5.6f, 2.0f, 300), 0.05) << "the cursor at the pointer";
    }
    for (const char* name : {"setup.png", "fighter.png", "kicks.png"})
        EXPECT_TRUE(std::filesystem::is_regular_file(dir / name)) << name;
}

TEST_F(VortaneHost, AMissingPlugInOrExportIsNamedAndNothingStarts) {
    GameRun run = startProgram(HOST_PATH, {"--plugin", "none/libVortane.so"}, {});
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_FALSE(run.debug.empty());
    EXPECT_EQ(run.debug[0].rfind("vortane-host: cannot load the plug-in none/libVortane.so: ", 0), 0u) << run.debug[0];
    EXPECT_FALSE(anyContains(run.log, "CreateWindowExA")) << "no window was made";

    run = startProgram(HOST_PATH, {"--plugin", NO_RUN_PATH}, {});
    EXPECT_EQ(run.exitCode, 1);
    ASSERT_FALSE(run.debug.empty());
    EXPECT_EQ(run.debug[0], std::string("vortane-host: the plug-in ") + NO_RUN_PATH + " has no export Run");
    EXPECT_FALSE(std::filesystem::exists(dir / "drive_c"));
}
