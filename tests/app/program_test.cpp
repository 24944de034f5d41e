// The game as a player starts it: a separate process, headless, under the autopilot.
#include <gtest/gtest.h>

#include "tests/app/PackScripts.h"
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

extern char** environ;

namespace fs = std::filesystem;

namespace {

struct GameRun {
    int exitCode = -1;
    std::vector<std::string> log;
};

class Program : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("brennock_program_" + std::to_string(getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        if (!HasFailure()) fs::remove_all(dir);
    }

    GameRun start(const std::vector<std::string>& extraEnv) {
        std::vector<std::string> env = {"SDL_VIDEODRIVER=offscreen", "SDL_AUDIODRIVER=dummy",
                                        "VUZ_FRAME_TIME=0.02",       "VUZ_LOG=" + (dir / "run.log").string(),
                                        "BRENNOCK_REGISTRY=" + (dir / "registry.txt").string()};
        for (char** e = environ; *e; ++e) {
            std::string s = *e;
            if (s.rfind("VUZ_", 0) != 0 && s.rfind("SDL_", 0) != 0 && s.rfind("BRENNOCK_", 0) != 0 &&
                s.rfind("DISPLAY=", 0) != 0 && s.rfind("WAYLAND_DISPLAY=", 0) != 0)
                env.push_back(s);
        }
        env.insert(env.end(), extraEnv.begin(), extraEnv.end());
        std::vector<char*> envp;
        for (auto& s : env) envp.push_back(s.data());
        envp.push_back(nullptr);

        std::string program = DOVRA_PATH;
        char* argv[] = {program.data(), nullptr};
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
        pid_t pid = 0;
        GameRun run;
        int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, envp.data());
        posix_spawn_file_actions_destroy(&actions);
        if (rc != 0) return run;
        int status = 0;
        waitpid(pid, &status, 0);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        std::ifstream in(dir / "run.log");
        for (std::string line; std::getline(in, line);) run.log.push_back(line);
        return run;
    }

    static int indexOf(const GameRun& run, const std::string& prefix) {
        for (size_t i = 0; i < run.log.size(); ++i)
            if (run.log[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
        return -1;
    }

    fs::path dir;
};

}  // namespace

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

namespace {

// The pixel at a point of the 32 x 24 plane.
struct Shot {
    explicit Shot(const fs::path& file) { pixels = stbi_load(file.c_str(), &w, &h, &n, 4); }
    ~Shot() { stbi_image_free(pixels); }
    int brightness(float x, float y) const {
        const int px = static_cast<int>((x + 16.0f) / 32.0f * static_cast<float>(w));
        const int py = static_cast<int>((12.0f - y) / 24.0f * static_cast<float>(h));
        const unsigned char* p = pixels + (py * w + px) * 4;
        return p[0] + p[1] + p[2];
    }
    // The share of points of an area brighter than the threshold.
    double bright(float left, float bottom, float right, float top, int threshold) const {
        int hits = 0, total = 0;
        for (float x = left; x < right; x += 0.1f) {
            for (float y = bottom; y < top; y += 0.1f, ++total) hits += brightness(x, y) > threshold ? 1 : 0;
        }
        return total ? static_cast<double>(hits) / total : 0.0;
    }
    unsigned char* pixels = nullptr;
    int w = 0, h = 0, n = 0;
};

}  // namespace

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
