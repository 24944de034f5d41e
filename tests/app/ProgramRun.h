// The game as a player starts it: Dovra as a separate process, headless, under the autopilot, in
// a scratch folder of its own that stays behind only when a test failed. What it logged comes
// back line by line: the platform's log (VUZ_LOG) and the game's own lines (standard error).
// Screenshots are read through Shot. Include stb_image.h's implementation once per program.
#pragma once

#include <gtest/gtest.h>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include <stb/stb_image.h>

#include "tests/support/ScratchGameFolder.h"

extern char** environ;

// Autopilot input: the main menu's "Quick Match", then the setup screen's "Fight Now!" (the
// computer fights on side B, the player's side stands on the keyboard); Space in the fly-by.
inline const std::string ClickQuickMatch = "1 mouse 0.703125 0.520833\n60 button 0 down\n62 button 0 up\n"
                                           "70 mouse 0.816 0.9375\n140 button 0 down\n142 button 0 up\n";
inline const std::string SkipFlyBy = "260 key 57 down\n262 key 57 up\n";

// Blue (A) walks right towards red and kicks with the A key, over and over, from frame 300 up to
// the frame given.
inline std::string walkAndKickUntil(int last) {
    std::string script;
    for (int f = 300; f < last; f += 24) {
        script += std::to_string(f) + " key 205 down\n" + std::to_string(f + 8) + " key 30 down\n" +
                  std::to_string(f + 10) + " key 30 up\n" + std::to_string(f + 20) + " key 205 up\n";
    }
    return script;
}

struct GameRun {
    int exitCode = -1;
    std::vector<std::string> log;    // the platform's log (VUZ_LOG)
    std::vector<std::string> debug;  // the game's own lines, on standard error
};

class Program : public ::testing::Test {
protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("brennock_program_" + std::to_string(getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
    }
    void TearDown() override {
        if (!HasFailure()) std::filesystem::remove_all(dir);
        else std::printf("The run's files are kept in %s\n", dir.c_str());
    }

#ifdef DOVRA_PATH
    // Runs the game to its end. extraEnv entries replace the defaults of the same name.
    GameRun start(const std::vector<std::string>& extraEnv) { return finish(launch(extraEnv)); }

    // Starts the game and returns at once: its process id, or -1. The run's files go to a
    // folder of its own under dir when one is named, so that runs may overlap.
    pid_t launch(const std::vector<std::string>& extraEnv, const std::string& runName = "") {
        return launchProgram(DOVRA_PATH, {}, extraEnv, runName);
    }
#endif

    // Runs a program with its arguments in the scratch folder to its end, as start does.
    GameRun startProgram(const std::string& path, const std::vector<std::string>& arguments,
                         const std::vector<std::string>& extraEnv) {
        return finish(launchProgram(path, arguments, extraEnv));
    }

    // Starts a program with its arguments in the scratch folder and returns at once, as launch does.
    pid_t launchProgram(const std::string& path, const std::vector<std::string>& arguments,
                        const std::vector<std::string>& extraEnv, const std::string& runName = "") {
        const std::filesystem::path out = runName.empty() ? dir : dir / runName;
        std::filesystem::create_directories(out);
        std::vector<std::string> env = {"SDL_VIDEODRIVER=offscreen", "SDL_AUDIODRIVER=dummy",
                                        "VUZ_FRAME_TIME=0.02",       "VUZ_LOG=" + (out / "run.log").string(),
                                        "BRENNOCK_REGISTRY=" + (dir / "registry.txt").string()};
        for (char** e = environ; *e; ++e) {
            std::string s = *e;
            if (s.rfind("VUZ_", 0) != 0 && s.rfind("SDL_", 0) != 0 && s.rfind("BRENNOCK_", 0) != 0 &&
                s.rfind("DISPLAY=", 0) != 0 && s.rfind("WAYLAND_DISPLAY=", 0) != 0)
                env.push_back(s);
        }
        for (const std::string& extra : extraEnv) {
            const std::string name = extra.substr(0, extra.find('=') + 1);
            std::erase_if(env, [&](const std::string& s) { return s.rfind(name, 0) == 0; });
            env.push_back(extra);
        }
        std::vector<char*> envp;
        for (auto& s : env) envp.push_back(s.data());
        envp.push_back(nullptr);

        std::filesystem::remove(out / "run.log");
        std::string program = path;
        std::vector<std::string> words = arguments;
        std::vector<char*> argv = {program.data()};
        for (std::string& word : words) argv.push_back(word.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 2, (out / "stderr.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0644);
        posix_spawn_file_actions_addchdir_np(&actions, dir.c_str());
        pid_t pid = 0;
        int rc = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), envp.data());
        posix_spawn_file_actions_destroy(&actions);
        if (rc != 0) return -1;
        runFolders[pid] = out;
        return pid;
    }

    // Waits for a launched program to end.
    GameRun finish(pid_t pid) {
        GameRun run;
        if (pid <= 0) return run;
        int status = 0;
        waitpid(pid, &status, 0);
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        const std::filesystem::path out = runFolders[pid];
        run.log = lines(out / "run.log");
        run.debug = lines(out / "stderr.txt");
        return run;
    }

    static std::vector<std::string> lines(const std::filesystem::path& file) {
        std::vector<std::string> out;
        std::ifstream in(file);
        for (std::string line; std::getline(in, line);) out.push_back(line);
        return out;
    }

    static int indexOf(const std::vector<std::string>& log, const std::string& prefix) {
        for (size_t i = 0; i < log.size(); ++i)
            if (log[i].rfind(prefix, 0) == 0) return static_cast<int>(i);
        return -1;
    }
    static int indexOf(const GameRun& run, const std::string& prefix) { return indexOf(run.log, prefix); }

    // The game folder as the install folder, as a player's registry names it: links to its loose
    // files, so the game's saveData lands in the test's own folder.
    void installFromGameFolder() {
        gamefolder::linkFolders(GAME_DIR, dir / "game");
        gamefolder::writeRegistry(dir / "registry.txt", dir / "game");
    }

    std::filesystem::path dir;
    std::map<pid_t, std::filesystem::path> runFolders;
};

// A screenshot's pixels, addressed by points of the 32 x 24 plane.
struct Shot {
    explicit Shot(const std::filesystem::path& file) { pixels = stbi_load(file.c_str(), &w, &h, &n, 4); }
    ~Shot() { stbi_image_free(pixels); }
    Shot(const Shot&) = delete;
    Shot& operator=(const Shot&) = delete;

    const unsigned char* at(float x, float y) const {
        int px = static_cast<int>((x + 16.0f) / 32.0f * static_cast<float>(w));
        int py = static_cast<int>((12.0f - y) / 24.0f * static_cast<float>(h));
        px = px < 0 ? 0 : (px >= w ? w - 1 : px);
        py = py < 0 ? 0 : (py >= h ? h - 1 : py);
        return pixels + (py * w + px) * 4;
    }
    int brightness(float x, float y) const {
        const unsigned char* p = at(x, y);
        return p[0] + p[1] + p[2];
    }
    // The share of points of an area, a tenth of a unit apart, for which the test holds.
    template <typename Test>
    double share(float left, float bottom, float right, float top, Test test) const {
        int hits = 0, total = 0;
        for (float x = left; x < right; x += 0.1f) {
            for (float y = bottom; y < top; y += 0.1f, ++total) hits += test(at(x, y)) ? 1 : 0;
        }
        return total ? static_cast<double>(hits) / total : 0.0;
    }
    // The share of points of an area brighter than the threshold (the sum of red, green and blue).
    double bright(float left, float bottom, float right, float top, int threshold) const {
        return share(left, bottom, right, top, [&](const unsigned char* p) { return p[0] + p[1] + p[2] > threshold; });
    }

    unsigned char* pixels = nullptr;
    int w = 0, h = 0, n = 0;
};
