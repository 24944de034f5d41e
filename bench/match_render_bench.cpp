// The drawn match, run by hand: build/bin/match_render_bench [arena] [fight frame] [measured frames]
// (build/bin/match_render_bench quick [seed]: a whole quick match instead, quick_match_render.cpp)
// An AI-against-AI exhibition on the real pack, seed 1, fixed 1/60 s frames, drawn at 639 x 479
// on llvmpipe through SDL's off-screen driver (set LP_NUM_THREADS for the rasteriser's threads).
// It plays up to the fight frame (900 by default, 15 s in), then reports:
// - a whole drawn frame (engine frame, the battle's tick, the render, read back so the
//   rasteriser has finished) over the measured frames: median, quartiles and worst;
// - the render alone, the same fight frame drawn again and again;
// - the split of a frame: the simulation (engine frame and the battle's tick, from the measured
//   frames), then, redrawing with the GPU waited for between the parts, gathering the 3D scene,
//   issuing it to the driver (its vertex work included), rasterising it, the 2D layer and present;
// each as wall time and as CPU time (all threads, and the game's thread alone: on a loaded
// machine the CPU times are the steadier figures);
// - the peak resident memory (VmHWM).
// BENCH_SHOTS=folder saves screenshots of frames 60 (fly-by), the fight frame and later ones.
#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "MatchTestBench.h"

namespace {

using Clock = std::chrono::steady_clock;

double ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// CPU time in ms: of the whole process (every rasteriser thread too), or of this thread alone.
double cpuMs(clockid_t clock) {
    timespec t{};
    clock_gettime(clock, &t);
    return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) * 1e-6;
}

long statusKb(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0) return std::stol(line.substr(field.size()));
    return 0;
}

void finish() {
    uint8_t pixel[4];
    vtReadPixel(0.5f, 0.5f, pixel);
}

void report(const char* what, std::vector<double> times) {
    if (times.empty()) return;
    std::sort(times.begin(), times.end());
    auto at = [&](double q) { return times[static_cast<size_t>(q * static_cast<double>(times.size() - 1))]; };
    std::printf("%-28s median %6.2f ms (%6.1f/s), quartiles %6.2f .. %6.2f, worst %6.2f, %zu frames\n", what,
                at(0.5), 1000.0 / at(0.5), at(0.25), at(0.75), times.back(), times.size());
}

}  // namespace

int quickMatchRender(int argc, char** argv);

int main(int argc, char** argv) {
    if (argc > 1 && std::string(argv[1]) == "quick") return quickMatchRender(argc - 1, argv + 1);
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("ALSOFT_DRIVERS", "null", 0);
    const int arena = argc > 1 ? std::atoi(argv[1]) : 0;
    const int fightFrame = argc > 2 ? std::atoi(argv[2]) : 900;
    const int measured = argc > 3 ? std::atoi(argv[3]) : 300;
    const char* shots = std::getenv("BENCH_SHOTS");
    MatchBench bench([] { vtSetDrawing(1); });
    if (!bench.manager) {
        std::printf("no game folder at %s: build the respack target first\n", GAME_DIR);
        return 1;
    }
    // Lit as the game master lights the game: a steep light, 35 % ambient, so the shadows show.
    const iVector3 light{0.1f, -1.0f, 0.1f};
    const iVector4 colour{1.0f, 1.0f, 1.0f, 0.35f};
    iLightDirectionalSet(&light, &colour);
    crt::srand(1u);
    bench.prepare("hard_ai_1", "dremoai", 1, 0, true, 60.0f, arena);
    bench.scripts->importModule("random");
    bench.scripts->execute("random.seed(1)");
    TickAble* manager = bench.manager.get();
    auto shoot = [&](int frame) {
        if (!shots) return;
        std::string path = std::string(shots) + "/arena" + std::to_string(arena) + "-frame" + std::to_string(frame) + ".png";
        vtScreenshot(path.c_str());
    };
    std::vector<double> frames, frameCpu, frameThread, simulation;
    for (int frame = 1; frame <= fightFrame + measured && bench.master.results.empty(); ++frame) {
        Clock::time_point start = Clock::now();
        double cpu = cpuMs(CLOCK_PROCESS_CPUTIME_ID), thread = cpuMs(CLOCK_THREAD_CPUTIME_ID);
        iVortaneMain();
        manager->tick();
        if (frame > fightFrame) simulation.push_back(ms(Clock::now() - start));
        iVortaneRender();
        finish();
        if (frame > fightFrame) {
            frames.push_back(ms(Clock::now() - start));
            frameCpu.push_back(cpuMs(CLOCK_PROCESS_CPUTIME_ID) - cpu);
            frameThread.push_back(cpuMs(CLOCK_THREAD_CPUTIME_ID) - thread);
        }
        if (frame == 60 || frame == fightFrame || (frame > fightFrame && (frame - fightFrame) % 100 == 0)) shoot(frame);
    }
    std::printf("arena %d, frames %d..%d, LP_NUM_THREADS=%s\n", arena, fightFrame + 1, fightFrame + measured,
                std::getenv("LP_NUM_THREADS") ? std::getenv("LP_NUM_THREADS") : "(unset)");
    report("whole drawn frame, wall", frames);
    report("  CPU, all threads", frameCpu);
    report("  CPU, game thread", frameThread);
    std::vector<double> renders, renderCpu, renderThread;
    for (int i = 0; i < measured; ++i) {
        Clock::time_point start = Clock::now();
        double cpu = cpuMs(CLOCK_PROCESS_CPUTIME_ID), thread = cpuMs(CLOCK_THREAD_CPUTIME_ID);
        iVortaneRender();
        finish();
        renders.push_back(ms(Clock::now() - start));
        renderCpu.push_back(cpuMs(CLOCK_PROCESS_CPUTIME_ID) - cpu);
        renderThread.push_back(cpuMs(CLOCK_THREAD_CPUTIME_ID) - thread);
    }
    report("same frame redrawn, wall", renders);
    report("  CPU, all threads", renderCpu);
    report("  CPU, game thread", renderThread);
    std::vector<double> split[5];
    vtRenderTimingSet(1);
    for (int i = 0; i < measured; ++i) {
        iVortaneRender();
        float seconds[5];
        vtRenderTimes(seconds);
        for (int k = 0; k < 5; ++k) split[k].push_back(seconds[k] * 1000.0);
    }
    vtRenderTimingSet(0);
    report("split: simulation", simulation);
    report("  gathering the 3D scene", split[0]);
    report("  issuing it (vertex work)", split[1]);
    report("  rasterising it", split[2]);
    report("  2D layer", split[3]);
    report("  present", split[4]);
    std::printf("peak resident memory (VmHWM): %.1f MB\n", statusKb("VmHWM:") / 1024.0);
    return 0;
}
