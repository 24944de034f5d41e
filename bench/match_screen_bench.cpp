// The match screen's CPU per frame, run by hand: build/bin/match_screen_bench [seeds]
// Whole quick matches between two computer fighters through the real menus and game master,
// drawing off, 1/60 s frames, seeds 1 to 3 (or 1 to the number given). For every frame of a
// match (from the battle's first tick to its result) it times what the HUD costs:
// - the battle's calls into the screen: the per-frame feed and the referee's events;
// - the GUI manager's poll with the match screen current, which ticks the screen (its prints,
//   the banners' effects and renders) and reads the mouse and keys;
// and counts the operator new calls made in them. Then a busy stretch of a fourth match in which
// at least four banners run their effects at once the whole time (both point banners and two
// announcements, shown again every second). Mean, 99th percentile and worst per frame, against
// a budget of 0.5 ms; the machine's load average before and after.
#include <algorithm>
#include <cstdint>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "HudMeter.h"
#include "QuickMatchDriver.h"
#include "game/SpriteFX.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr double BudgetMs = 0.5;
constexpr int FrameLimit = 12000;

std::string loadAverage() {
    std::ifstream in("/proc/loadavg");
    std::string one, five, fifteen;
    in >> one >> five >> fifteen;
    return one + " " + five + " " + fifteen;
}

struct FrameCost {
    double feedMs = 0.0, pollMs = 0.0, frameMs = 0.0;
    long allocations = 0;
    int frame = 0;  // counted from the match's first frame
    double hudMs() const { return feedMs + pollMs; }
};

double percentile(std::vector<double> values, double q) {
    if (values.empty()) return 0.0;
    std::sort(values.begin(), values.end());
    return values[static_cast<size_t>(q * static_cast<double>(values.size() - 1))];
}

void report(const char* what, const std::vector<FrameCost>& costs) {
    if (costs.empty()) return;
    std::vector<double> hud, allocations;
    double feed = 0.0, poll = 0.0, frame = 0.0, allocationSum = 0.0;
    for (const FrameCost& c : costs) {
        hud.push_back(c.hudMs());
        allocations.push_back(static_cast<double>(c.allocations));
        feed += c.feedMs;
        poll += c.pollMs;
        frame += c.frameMs;
        allocationSum += static_cast<double>(c.allocations);
    }
    const double n = static_cast<double>(costs.size());
    const FrameCost& worst =
        *std::max_element(costs.begin(), costs.end(), [](const FrameCost& a, const FrameCost& b) { return a.hudMs() < b.hudMs(); });
    const double mean = (feed + poll) / n;
    std::printf("%-22s %5zu frames  HUD mean %.4f ms (feed %.4f, poll %.4f)  p99 %.4f  worst %.4f  "
                "(frame %d)  allocations/frame mean %.2f max %.0f  [whole frame mean %.3f ms]  %s\n",
                what, costs.size(), mean, feed / n, poll / n, percentile(hud, 0.99), worst.hudMs(), worst.frame,
                allocationSum / n, percentile(allocations, 1.0), frame / n, mean <= BudgetMs ? "within 0.5 ms" : "OVER 0.5 ms");
}

// Banners with their effects, shown through the battle's interface every second: both point
// banners (each shown again clears its own effects) and, in turn, a critical hit with the second
// wind or a knock-out with the end of the round (an announcement keeps its earlier effects, so
// each is shown again only after its two seconds are over). At least four run at any time.
void showBusyBanners(Tavek::MatchScreenEH& screen, int second) {
    screen.showFighter1Point(2);
    screen.showFighter2Point(1);
    if (second % 2 == 0) {
        screen.showKnockdown(true);
        screen.showSecondWind();
    } else {
        screen.showKnockout();
        screen.showEndOfRound();
    }
}

int visibleBanners(const Tavek::MatchScreen& screen) {
    int n = 0;
    for (int k = 0; k < Tavek::MatchScreen::BannerCount; ++k)
        n += screen.getBanner(static_cast<Tavek::MatchScreen::Banner>(k))->isVisible();
    return n;
}

// One quick match with the given seed, measured frame by frame; busyFrames > 0: from the
// 300th fighting frame on, that many frames with four banners or more running, then a forfeit.
std::vector<FrameCost> playMatch(QuickMatchDriver& game, uint32_t seed, int busyFrames, int* minBannersSeen) {
    std::vector<FrameCost> costs;
    HudMeter feedMeter;
    if (!game.startMatch(seed)) {
        std::printf("seed %u: the match did not start: %s\n", seed, game.failure.c_str());
        return costs;
    }
    TimedCurrentMaster timed(game.battle->getCurrentMaster(), &feedMeter);
    game.battle->setCurrentMaster(&timed);
    int fightingFrames = 0;
    size_t lastShow = SIZE_MAX;
    for (int frame = 0; frame < FrameLimit && !game.matchOver(); ++frame) {
        // The busy stretch: fighting frames from the 300th on, at least four banners at a time.
        const bool busy = busyFrames > 0 && fightingFrames >= 300 && game.fighting();
        if (busy && costs.size() % 60 == 0 && lastShow != costs.size()) {
            lastShow = costs.size();
            if (Tavek::MatchScreenEH* screen = timed.getMatchScreenEH()) showBusyBanners(*screen, static_cast<int>(costs.size() / 60));
        }
        feedMeter.clear();
        TimedGuiManager::meter.clear();
        TimedGuiManager::on = true;
        const Clock::time_point start = Clock::now();
        game.frame();
        const double frameMs = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        TimedGuiManager::on = false;
        const bool onScreen = game.gui->getScreen() == static_cast<GuiScreen*>(game.screen);
        if (!onScreen && !game.matchOver()) break;
        fightingFrames += game.fighting();
        if (busyFrames > 0 && !busy) continue;
        costs.push_back({feedMeter.ms, TimedGuiManager::meter.ms, frameMs,
                         feedMeter.allocations + TimedGuiManager::meter.allocations, frame});
        if (busyFrames > 0) {
            *minBannersSeen = std::min(*minBannersSeen, visibleBanners(*game.screen));
            if (static_cast<int>(costs.size()) >= busyFrames) {
                game.single->forfeitMatch();
                break;
            }
        }
    }
    if (busyFrames == 0) {
        const std::string::size_type at = game.log.find("Quick match over");
        std::string line = at == std::string::npos ? "no result" : game.log.substr(at);
        if (!line.empty() && line.back() == '\n') line.pop_back();
        std::printf("seed %u: %s\n", seed, line.c_str());
    }
    game.battle->setCurrentMaster(timed.inner);
    return costs;
}

}  // namespace

int main(int argc, char** argv) {
    const int seeds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    std::printf("load average before: %s\n", loadAverage().c_str());
    QuickMatchDriver game(GAME_DIR, false, TimedGuiManager::make);
    if (!game.ready()) {
        std::printf("no game at %s: build the respack target first\n", GAME_DIR);
        return 1;
    }
    std::vector<FrameCost> all;
    std::vector<std::vector<FrameCost>> perSeed;
    for (int seed = 1; seed <= seeds; ++seed) {
        perSeed.push_back(playMatch(game, static_cast<uint32_t>(seed), 0, nullptr));
        all.insert(all.end(), perSeed.back().begin(), perSeed.back().end());
    }
    int fewestBanners = Tavek::MatchScreen::BannerCount;
    std::vector<FrameCost> busy = playMatch(game, 1u, 600, &fewestBanners);

    std::printf("\nThe match screen per frame, drawing off (budget %.1f ms, mean):\n", BudgetMs);
    for (size_t i = 0; i < perSeed.size(); ++i) {
        const std::string name = "seed " + std::to_string(i + 1);
        report(name.c_str(), perSeed[i]);
    }
    report("all seeds", all);
    report("four banners or more", busy);
    std::printf("  (fewest banners shown in a busy frame: %d)\n", fewestBanners);
    std::printf("load average after: %s\n", loadAverage().c_str());
    return 0;
}
