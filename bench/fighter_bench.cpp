// The cost of a fighter per frame, run by hand: build/bin/fighter_bench. One fighter (then two)
// on a mat, drawing off, a fixed 1/60 s frame, looping idle, a walk, three kicks and a guard;
// then the same fighter lying as a ragdoll. Prints the mean and 99th percentile of the fighter's
// own work per frame (its pending knock-down, regeneration and update), the engine's frame with
// one and with two fighters, and the time to build a fighter from its files.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "fight/ActionIds.h"
#include "fight/BattleInstanceEH.h"
#include "fight/FighterInstance.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "resources/FileArchive.h"
#include "tests/support/FighterTestFiles.h"

namespace {

using Clock = std::chrono::steady_clock;

double microseconds(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

class BenchBattle : public BattleInstanceEH {
public:
    FighterInstance* getOpponent(FighterInstance* f) override { return f == a ? b : a; }
    void playFighterSound(const std::string&, FighterInstance*, const std::string&) override {}
    void setContactsEnabled(bool) override {}
    void applyGravity(FighterInstance* fighter) override {
        const iVector3 pull{0.0f, -9.80665f, 0.0f};
        for (uint32_t body : fighter->bodies) iBodyAccelerationApply(body, &pull);
    }
    bool isRunning() override { return true; }
    int getRound() override { return 1; }
    bool isFightMode() override { return true; }
    FighterInstance* a = nullptr;
    FighterInstance* b = nullptr;
};

struct Samples {
    std::vector<double> fighter, engine;
    void report(const char* what) {
        for (auto* list : {&fighter, &engine}) {
            if (list->empty()) continue;
            std::vector<double> sorted = *list;
            std::sort(sorted.begin(), sorted.end());
            double mean = 0.0;
            for (double v : sorted) mean += v;
            mean /= static_cast<double>(sorted.size());
            std::printf("%-40s %-8s mean %8.2f us  p99 %8.2f us  (%zu frames)\n", what,
                        list == &fighter ? "fighter" : "engine", mean,
                        sorted[sorted.size() * 99 / 100], sorted.size());
        }
    }
};

// One frame as the battle runs it; the fighters' own work and the engine's are timed apart.
void frame(std::vector<FighterInstance*> fighters, int control, Samples* samples) {
    Clock::time_point start = Clock::now();
    iVortaneMain();
    Clock::time_point engineDone = Clock::now();
    fighters[0]->requestedControl = control;
    for (FighterInstance* f : fighters) {
        f->updatePendingKnockDown();
        f->regenerate(iFrq(0));
        f->update();
        f->requestedControl = 0;
    }
    Clock::time_point done = Clock::now();
    samples->engine.push_back(microseconds(engineDone - start));
    samples->fighter.push_back(microseconds(done - engineDone) / static_cast<double>(fighters.size()));
}

// Idle, walk, kicks 22, 26 and 24, a guard, over and over, until enough frames are measured.
void scriptedLoop(std::vector<FighterInstance*> fighters, int frames, Samples* samples) {
    FighterInstance& f = *fighters[0];
    while (static_cast<int>(samples->fighter.size()) < frames) {
        for (int i = 0; i < 30; ++i) frame(fighters, 0, samples);
        for (int i = 0; i < 60; ++i) frame(fighters, 2, samples);
        for (int action : {22, 26, 24, 38}) {
            f.balance() = f.maxBalance();
            frame(fighters, actionToComboMove(action), samples);
            for (int i = 0; i < 240 && f.currentAction != 0; ++i) frame(fighters, 0, samples);
        }
    }
}

void placeAsA(FighterInstance& f, bool first) {
    f.location = first ? Vector3(2.0f, 0.65f, 0.0f) : Vector3(-2.0f, 0.65f, 0.0f);
    iQuaternionFromEulerAngles(&f.orientation, 0.0f, first ? -90.0f : 90.0f, 0.0f, "xyz");
    f.resetPose();
    f.startAction(0, -1);
}

}  // namespace

int main() {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("brennock-fighter-bench-" + std::to_string(getpid()));
    FighterTestFiles::write(folder.string());
    std::filesystem::current_path(folder);
    vtSetDrawing(0);
    vtSetFixedFrameTime(1.0f / 60.0f);
    if (iVortaneOpen(nullptr, nullptr) != 1) return 1;

    const uint32_t mat = FileArchive::instance().createBody(FighterTestFiles::MatPly);
    iBodyEnable(mat);
    BenchBattle battle;
    FighterInstance a, b;
    battle.a = &a;
    battle.b = &b;

    Clock::time_point start = Clock::now();
    a.setUp(mat, &battle, true, nullptr, 0.0f, 1.0f);
    std::printf("%-40s %.1f ms\n", "set-up of one fighter (test files)",
                microseconds(Clock::now() - start) / 1000.0);
    b.location = Vector3(-2.0f, 0.65f, 0.0f);   // a bare opponent to face at first
    placeAsA(a, true);

    Samples one;
    scriptedLoop({&a}, 10000, &one);
    one.report("one fighter, animated (mode 0)");
    std::printf("%-40s %zu\n", "kicks and guards started", a.trackedActions.records().size());

    Samples lying;
    Vector3 push(0.0f, 0.0f, -400.0f);
    iVectorRotate(&push, &push, &a.orientation);
    a.knockDown(push, 3);
    frame({&a}, 0, &lying);
    a.setMovementMode(5);
    a.enableBodyFeedback(true);
    lying = Samples();
    while (lying.fighter.size() < 10000) frame({&a}, 0, &lying);
    lying.report("one fighter, lying ragdoll (mode 5)");

    a.setMovementMode(0);
    a.enableBodyFeedback(false);
    placeAsA(a, true);
    b.setUp(mat, &battle, false, nullptr, 0.0f, 1.0f);
    placeAsA(b, false);
    Samples two;
    scriptedLoop({&a, &b}, 10000, &two);
    two.report("two fighters, animated (mode 0)");

    a.destroy();
    b.destroy();
    FileArchive::instance().destroyBody(mat);
    iExit();
    std::filesystem::current_path(folder.parent_path());
    std::filesystem::remove_all(folder);
    return 0;
}
