// The game as a player starts it: a separate process, headless, under the autopilot.
#include <gtest/gtest.h>
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
    void TearDown() override { fs::remove_all(dir); }

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
    std::ofstream(dir / "registry.txt") << "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Harlowick\\Brennock Davi]\n"
                                        << "\"Path\"=\"" << (dir / "install").string() << "\"\n";
    fs::path shot = "frame2.png";  // relative: lands in the working directory
    GameRun run = start({"VUZ_FRAME_LIMIT=4", "VUZ_SCREENSHOTS=2:" + shot.string()});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_TRUE(fs::exists(dir / "install" / shot));
    EXPECT_FALSE(fs::exists(dir / shot));
}
