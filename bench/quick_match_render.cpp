// The drawn quick match: build/bin/match_render_bench quick [seed]
// A whole quick match between two computer fighters through the real menus and game master,
// drawn at 639 x 479 on llvmpipe through SDL's off-screen driver (set LIBGL_ALWAYS_SOFTWARE=1
// and LP_NUM_THREADS), 1/60 s frames with no pacing. Two matches are played with the same seed
// (the second need not repeat the first frame for frame):
// - plain, as the game's loop runs it: wall-clock frames per second from the first fighting
//   frame to the result, the mean frame and the slowest 1 %, against 60 frames per second;
// - timed: the engine waits for the rasteriser after each part of the drawing, so its frames
//   split into the engine's step, the battle, the HUD's CPU (the battle's calls into the
//   match screen and the GUI poll that ticks it), the 3D scene, the 2D layer (HUD sprites and
//   text) and the present.
// BENCH_SHOTS=folder saves the setup screen, a fighting frame, and the pause dialog opened just
// after two points; "quick [seed] shots" takes the pictures only.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "HudMeter.h"
#include "QuickMatchDriver.h"

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point start) { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); }

std::string loadAverage() {
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

// A drawn frame's parts, in ms.
struct Split {
    double engineStep = 0, battle = 0, hudFeed = 0, guiPoll = 0, scene = 0, overlay = 0, present = 0, whole = 0;
    void add(const Split& o) {
        engineStep += o.engineStep;
        battle += o.battle;
        hudFeed += o.hudFeed;
        guiPoll += o.guiPoll;
        scene += o.scene;
        overlay += o.overlay;
        present += o.present;
        whole += o.whole;
    }
};

void shoot(const char* folder, const char* name) {
    if (folder) vtScreenshot((std::string(folder) + "/" + name + ".png").c_str());
}

// One pass over a match: per-frame wall times from the first fighting frame to the result, and
// with timing on the summed split of those frames.
struct Pass {
    std::vector<double> frames;
    double wallMs = 0.0;
    Split sum;
    std::string result;
};

Pass playMatch(QuickMatchDriver& game, uint32_t seed, bool timed, const char* shots) {
    Pass pass;
    HudMeter feed;
    if (!game.startMatch(seed)) {
        std::printf("the match did not start: %s\n", game.failure.c_str());
        return pass;
    }
    TimedCurrentMaster master(game.battle->getCurrentMaster(), &feed);
    game.battle->setCurrentMaster(&master);
    vtRenderTimingSet(timed ? 1 : 0);
    TimedGuiManager::on = timed;
    bool started = false;
    Clock::time_point firstFight;
    for (int frame = 0; frame < 12000 && !game.matchOver(); ++frame) {
        feed.clear();
        TimedGuiManager::meter.clear();
        const Clock::time_point start = Clock::now();
        iVortaneMain();
        const double engineStep = msSince(start);
        const Clock::time_point tickStart = Clock::now();
        game.master->tick();
        game.extraRender();
        const double tick = msSince(tickStart);
        iVortaneRender();
        const double whole = msSince(start);
        if (!started && game.fighting()) {
            started = true;
            firstFight = start;
            if (shots && !timed) shoot(shots, "quick-fighting");
        }
        if (!started) continue;
        pass.frames.push_back(whole);
        if (timed) {
            Split s;
            s.engineStep = engineStep;
            s.hudFeed = feed.ms;
            s.guiPoll = TimedGuiManager::meter.ms;
            s.battle = tick - feed.ms - s.guiPoll;
            float parts[5];
            vtRenderTimes(parts);
            s.scene = 1000.0 * (parts[0] + parts[1] + parts[2]);
            s.overlay = 1000.0 * parts[3];
            s.present = 1000.0 * parts[4];
            s.whole = whole;
            pass.sum.add(s);
        }
    }
    pass.wallMs = started ? msSince(firstFight) : 0.0;
    vtRenderTimingSet(0);
    TimedGuiManager::on = false;
    game.battle->setCurrentMaster(master.inner);
    const std::string::size_type at = game.log.find("Quick match over");
    pass.result = at == std::string::npos ? "no result" : game.log.substr(at);
    if (!pass.result.empty() && pass.result.back() == '\n') pass.result.pop_back();
    return pass;
}

// The pause dialog opened just after two points were shown, for the eye.
void shootPause(QuickMatchDriver& game, const char* shots) {
    if (!game.startMatch(1u)) return;
    if (!game.frameUntil([&] { return game.fighting(); }, 3000)) return;
    game.frames(60);
    Tavek::MatchScreenEH* screen = static_cast<Tavek::MatchScreenEH*>(game.screen);
    screen->showFighter1Point(2);
    screen->showFighter2Point(1);
    game.pressKey(QuickMatchDriver::EscKey);  // the battle opens the dialog in the second frame
    game.frames(2);
    iVortaneRender();
    shoot(shots, "quick-pause");
    game.pressKey(QuickMatchDriver::EscKey);
    game.single->forfeitMatch();
}

}  // namespace

int quickMatchRender(int argc, char** argv) {
    const uint32_t seed = argc > 1 ? static_cast<uint32_t>(std::atoi(argv[1])) : 1u;
    const char* shots = std::getenv("BENCH_SHOTS");
    std::printf("load average before: %s, LP_NUM_THREADS=%s\n", loadAverage().c_str(),
                std::getenv("LP_NUM_THREADS") ? std::getenv("LP_NUM_THREADS") : "(unset)");
    QuickMatchDriver game(GAME_DIR, true, TimedGuiManager::make);
    if (!game.ready()) {
        std::printf("no game at %s: build the respack target first\n", GAME_DIR);
        return 1;
    }
    if (shots) {
        game.frameUntil([&] { return game.menu->getMainMenuScreen()->acceptsInput(); }, 600);
        game.click(0.703125f, 0.520833f);
        game.frameUntil([&] { return game.setup->acceptsInput(); }, 600);
        iVortaneRender();
        shoot(shots, "quick-setup");
    }
    if (shots && argc > 2 && std::string(argv[2]) == "shots") {
        shootPause(game, shots);
        return 0;
    }
    const Pass plain = playMatch(game, seed, false, shots);
    const Pass timed = playMatch(game, seed, true, nullptr);
    if (plain.frames.empty()) return 1;

    std::vector<double> sorted = plain.frames;
    std::sort(sorted.begin(), sorted.end());
    const size_t n = sorted.size();
    double slowestSum = 0.0;
    const size_t slowest = std::max<size_t>(1, n / 100);
    for (size_t i = n - slowest; i < n; ++i) slowestSum += sorted[i];
    double sum = 0.0;
    for (double t : sorted) sum += t;
    std::printf("seed %u, %s\n", seed, plain.result.c_str());
    std::printf("first fighting frame to the result: %zu frames in %.1f s = %.1f frames/s (%.0f %% of 60)\n", n,
                plain.wallMs / 1000.0, 1000.0 * static_cast<double>(n) / plain.wallMs,
                100000.0 * static_cast<double>(n) / plain.wallMs / 60.0);
    std::printf("frame: mean %.2f ms, median %.2f ms, slowest 1 %% (%zu frames) mean %.2f ms, worst %.2f ms; "
                "60 frames/s needs 16.67 ms\n",
                sum / static_cast<double>(n), sorted[n / 2], slowest, slowestSum / static_cast<double>(slowest),
                sorted.back());
    if (!timed.frames.empty()) {
        const double k = 1.0 / static_cast<double>(timed.frames.size());
        const Split& s = timed.sum;
        const double hud = s.hudFeed + s.guiPoll + s.overlay;
        std::printf("split of a drawn frame, waiting for the rasteriser after each part (%zu frames, mean %.2f ms):\n",
                    timed.frames.size(), s.whole * k);
        std::printf("  engine step (input, physics, animation) %6.2f ms\n", s.engineStep * k);
        std::printf("  battle and the rest of the tick         %6.2f ms\n", s.battle * k);
        std::printf("  HUD feed (battle's calls into screen)   %6.3f ms\n", s.hudFeed * k);
        std::printf("  GUI poll (match screen's tick)          %6.3f ms\n", s.guiPoll * k);
        std::printf("  3D scene                                %6.2f ms\n", s.scene * k);
        std::printf("  2D layer (HUD sprites and text)         %6.2f ms\n", s.overlay * k);
        std::printf("  present                                 %6.2f ms\n", s.present * k);
        std::printf("  the HUD in all (feed, poll, 2D layer)   %6.2f ms = %.1f %% of the frame\n", hud * k,
                    100.0 * hud / s.whole);
    }
    if (shots) shootPause(game, shots);
    std::printf("load average after: %s\n", loadAverage().c_str());
    return 0;
}
