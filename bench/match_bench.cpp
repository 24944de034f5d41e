// The speed of a whole match, run by hand: build/bin/match_bench. On one core, with drawing off,
// a fixed 1/60 s frame and OpenAL's null output, it reports:
// - the battle manager's construction (arena 1, both fighters, contacts), from the loose files
//   and from graphics.qmx, each in a fresh child process so that nothing is cached yet, and its
//   share of the one-second start-up;
// - the simulated frames per second of AI-against-AI matches (hard_ai_1 against dremoai, seeds
//   1 to 3, the quick match's preparation) from the start to the report, and where a frame's
//   time goes (fight/FrameProfile.h);
// - the peak resident memory (VmHWM).
#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "MatchTestBench.h"
#include "fight/FrameProfile.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr double StartUpBudget = 1.0;  // seconds from launch to the main menu
constexpr int FrameLimit = 18000;

double seconds(Clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

long statusKb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(field, 0) == 0) return std::stol(line.substr(field.size()));
    }
    return 0;
}

void pinToOneCore() {
    cpu_set_t set;
    CPU_ZERO(&set);
    const int cpu = sched_getcpu();
    CPU_SET(cpu < 0 ? 0 : cpu, &set);
    if (sched_setaffinity(0, sizeof set, &set) != 0) std::perror("sched_setaffinity");
}

// A game folder of links to the built pack without graphics.qmx: every file is read loose.
fs::path looseGameFolder() {
    char pattern[] = "/tmp/match_bench_loose_XXXXXX";
    const char* made = mkdtemp(pattern);
    if (!made) return {};
    for (const fs::directory_entry& e : fs::directory_iterator(GAME_DIR)) {
        if (e.path().filename() == "graphics.qmx") continue;
        fs::create_directory_symlink(e.path(), fs::path(made) / e.path().filename());
    }
    return made;
}

// In a child process: the engine, the interpreter, then the battle manager alone is timed.
// Gives the seconds of the interpreter's and the manager's construction; false on failure.
bool timeConstruction(const fs::path& folder, double& interpreter, double& manager) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return false;
    std::fflush(stdout);  // or the child's exit writes the parent's buffered lines again
    const pid_t child = fork();
    if (child == 0) {
        close(pipeEnds[0]);
        double times[2] = {-1.0, -1.0};
        if (chdir(folder.c_str()) == 0) {
            vtReset();
            vtSetDrawing(0);
            vtSetFixedFrameTime(MatchBench::Frame);
            iVortaneOpen(nullptr, nullptr);
            const uint32_t camera = iCameraCreate(0.0f, 0.0f, 1.0f, 1.0f);
            MatchLog log;
            RecordingScreen screen(log);
            RecordingMaster master(log, &screen);
            const Clock::time_point t0 = Clock::now();
            auto scripts = std::make_unique<Tavek::ScriptMaster>(scriptsFolder);
            const Clock::time_point t1 = Clock::now();
            auto battle = std::make_unique<BattleManager>(camera, scripts.get(), &master, nullptr);
            const Clock::time_point t2 = Clock::now();
            times[0] = seconds(t1 - t0);
            times[1] = seconds(t2 - t1);
        }
        if (write(pipeEnds[1], times, sizeof times) != static_cast<ssize_t>(sizeof times)) _exit(1);
        _exit(0);  // the parent reports; nothing to tear down
    }
    close(pipeEnds[1]);
    double times[2] = {-1.0, -1.0};
    const bool read = ::read(pipeEnds[0], times, sizeof times) == static_cast<ssize_t>(sizeof times);
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    interpreter = times[0];
    manager = times[1];
    return read && manager >= 0.0;
}

void reportConstruction() {
    const fs::path loose = looseGameFolder();
    struct Source {
        const char* name;
        fs::path folder;
    };
    const Source sources[] = {{"loose files", loose}, {"graphics.qmx", GAME_DIR}};
    for (const Source& s : sources) {
        double interpreter = 0.0, manager = 0.0;
        if (!timeConstruction(s.folder, interpreter, manager)) {
            std::printf("construction from %s: failed\n", s.name);
            continue;
        }
        std::printf("battle manager from %-12s %7.1f ms (%4.1f %% of a %.1f s start-up); interpreter %6.1f ms\n",
                    s.name, manager * 1e3, 100.0 * manager / StartUpBudget, StartUpBudget, interpreter * 1e3);
    }
    if (!loose.empty()) fs::remove_all(loose);
}

struct MatchRun {
    int frames = 0;
    double seconds = 0.0;
    int result = -1;
};

MatchRun playMatch(MatchBench& bench, int seed) {
    // The start draws the fly-by and the looks, so the C runtime is seeded before it.
    crt::srand(static_cast<uint32_t>(seed));
    bench.prepare("hard_ai_1", "dremoai", 1, 0, true, 60.0f, 0);
    bench.scripts->importModule("random");
    bench.scripts->execute("random.seed(" + std::to_string(seed) + ")");
    TickAble* manager = bench.manager.get();
    MatchRun run;
    const Clock::time_point start = Clock::now();
    while (bench.master.results.empty() && run.frames < FrameLimit) {
        {
            FrameProfile::Scope timer(FrameProfile::Engine);
            iVortaneMain();
        }
        manager->tick();
        ++run.frames;
    }
    run.seconds = seconds(Clock::now() - start);
    run.result = bench.master.results.empty() ? -1 : bench.master.results.front();
    return run;
}

// Three matches with the timers off for the frame rate, then three with them on for the split.
void reportMatches() {
    MatchBench bench;
    if (!bench.manager) {
        std::printf("no game folder at %s: build the respack target first\n", GAME_DIR);
        return;
    }
    int frames = 0;
    double total = 0.0;
    for (int seed = 1; seed <= 3; ++seed) {
        const MatchRun run = playMatch(bench, seed);
        std::printf("seed %d: %5d frames in %6.3f s = %7.0f frames/s (report %d)\n", seed, run.frames, run.seconds,
                    run.frames / run.seconds, run.result);
        frames += run.frames;
        total += run.seconds;
    }
    std::printf("all: %d frames in %.3f s = %.0f simulated frames/s, %.1f x real time (target 2000)\n", frames, total,
                frames / total, frames / total / 60.0);

    FrameProfile::reset();
    FrameProfile::enabled = true;
    frames = 0;
    total = 0.0;
    for (int seed = 1; seed <= 3; ++seed) {
        const MatchRun run = playMatch(bench, seed);
        frames += run.frames;
        total += run.seconds;
    }
    FrameProfile::enabled = false;
    const char* const names[FrameProfile::SectionCount] = {
        "engine (iVortaneMain)", "fighters: control", "fighters: update", "fighters: regeneration",
        "fighters: hit detection", "AI scripts: decide", "AI scripts: mirror setters", "manager: rules, cameras, HUD"};
    double profiled = 0.0;
    for (int64_t n : FrameProfile::nanoseconds) profiled += static_cast<double>(n);
    std::printf("the split of a frame, timers on (%d frames):\n", frames);
    for (int i = 0; i < FrameProfile::SectionCount; ++i) {
        const double n = static_cast<double>(FrameProfile::nanoseconds[i]);
        std::printf("  %-30s %7.1f us/frame %5.1f %%\n", names[i], n / 1e3 / frames, 100.0 * n / profiled);
    }
    std::printf("  %-30s %7.1f us/frame (outside the timers: %.1f %%)\n", "measured frame", total * 1e6 / frames,
                100.0 * (total * 1e9 - profiled) / (total * 1e9));
    std::printf("peak resident memory (VmHWM): %.1f MB (target under 200)\n", statusKb("VmHWM:") / 1024.0);
}

}  // namespace

int main() {
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setenv("ALSOFT_DRIVERS", "null", 0);
    setenv("BRENNOCK_REGISTRY", "/nonexistent/brennock-bench-registry.txt", 0);
    pinToOneCore();
    reportConstruction();
    reportMatches();
    return 0;
}
