// What the HUD costs the game's thread, timed for the benchmarks: the battle's calls into the
// match screen (a current master that stands in for the quick-match master towards the battle,
// passing every call on, and answers a match screen that passes every call on to the real one,
// adding its time and allocations to a meter), and the GUI manager's poll, which ticks the
// current screen.
#pragma once

#include <chrono>
#include <string>

#include "AllocationCount.h"
#include "game/CurrentMasterEH.h"
#include "game/MatchScreenEH.h"
#include "gui/GuiManager.h"

// Time (ms) and operator new calls of the game's thread, summed over measured stretches.
struct HudMeter {
    double ms = 0.0;
    long allocations = 0;
    long calls = 0;
    void clear() { *this = HudMeter(); }
};

// Adds the time and allocations of its own life to a meter; stretches may nest, and only the
// outermost counts.
class HudScope {
public:
    explicit HudScope(HudMeter& meter) : meter_(meter), outer_(depth++ == 0) {
        if (!outer_) return;
        allocations_ = threadAllocations();
        start_ = Clock::now();
    }
    ~HudScope() {
        --depth;
        if (!outer_) return;
        meter_.ms += std::chrono::duration<double, std::milli>(Clock::now() - start_).count();
        meter_.allocations += threadAllocations() - allocations_;
        ++meter_.calls;
    }
    HudScope(const HudScope&) = delete;
    HudScope& operator=(const HudScope&) = delete;

private:
    using Clock = std::chrono::steady_clock;
    static inline int depth = 0;
    HudMeter& meter_;
    bool outer_;
    long allocations_ = 0;
    Clock::time_point start_;
};

class TimedMatchScreen final : public Tavek::MatchScreenEH {
public:
    using Scope = HudScope;
    Tavek::MatchScreenEH* inner = nullptr;
    HudMeter* meter = nullptr;

    void setSidesSwapped(bool fighter1OnLeft) override { Scope s(*meter); inner->setSidesSwapped(fighter1OnLeft); }
    void setFighter1Name(const std::string& name) override { Scope s(*meter); inner->setFighter1Name(name); }
    void setFighter2Name(const std::string& name) override { Scope s(*meter); inner->setFighter2Name(name); }
    void setFighter1MaxHealth(float value) override { Scope s(*meter); inner->setFighter1MaxHealth(value); }
    void setFighter2MaxHealth(float value) override { Scope s(*meter); inner->setFighter2MaxHealth(value); }
    void setFighter1Health(float value) override { Scope s(*meter); inner->setFighter1Health(value); }
    void setFighter2Health(float value) override { Scope s(*meter); inner->setFighter2Health(value); }
    void setFighter1MaxBalance(float value) override { Scope s(*meter); inner->setFighter1MaxBalance(value); }
    void setFighter2MaxBalance(float value) override { Scope s(*meter); inner->setFighter2MaxBalance(value); }
    void setFighter1Balance(float value) override { Scope s(*meter); inner->setFighter1Balance(value); }
    void setFighter2Balance(float value) override { Scope s(*meter); inner->setFighter2Balance(value); }
    void setFighter1Score(int netScore) override { Scope s(*meter); inner->setFighter1Score(netScore); }
    void setFighter2Score(int netScore) override { Scope s(*meter); inner->setFighter2Score(netScore); }
    void setFighter1Penalties(int total) override { Scope s(*meter); inner->setFighter1Penalties(total); }
    void setFighter2Penalties(int total) override { Scope s(*meter); inner->setFighter2Penalties(total); }
    void setClockValue(int roundIndex) override { Scope s(*meter); inner->setClockValue(roundIndex); }
    void setMatchTime(float seconds) override { Scope s(*meter); inner->setMatchTime(seconds); }
    void setEndReason(int reason) override { Scope s(*meter); inner->setEndReason(reason); }
    void setReplayActive(bool active) override { Scope s(*meter); inner->setReplayActive(active); }
    void setTextLine(int index, const std::string& text) override { Scope s(*meter); inner->setTextLine(index, text); }
    void showReady() override { Scope s(*meter); inner->showReady(); }
    void showFight() override { Scope s(*meter); inner->showFight(); }
    void showFighter1Wins() override { Scope s(*meter); inner->showFighter1Wins(); }
    void showFighter2Wins() override { Scope s(*meter); inner->showFighter2Wins(); }
    void showYouWin() override { Scope s(*meter); inner->showYouWin(); }
    void showYouLose() override { Scope s(*meter); inner->showYouLose(); }
    void showKnockdown(bool critical) override { Scope s(*meter); inner->showKnockdown(critical); }
    void hideCount() override { Scope s(*meter); inner->hideCount(); }
    void showKnockout() override { Scope s(*meter); inner->showKnockout(); }
    void showCount(int n) override { Scope s(*meter); inner->showCount(n); }
    void showEndOfRound() override { Scope s(*meter); inner->showEndOfRound(); }
    void showSuddenDeath() override { Scope s(*meter); inner->showSuddenDeath(); }
    void showFighter1Penalty() override { Scope s(*meter); inner->showFighter1Penalty(); }
    void showFighter2Penalty() override { Scope s(*meter); inner->showFighter2Penalty(); }
    void showFighter1Point(int points) override { Scope s(*meter); inner->showFighter1Point(points); }
    void showFighter2Point(int points) override { Scope s(*meter); inner->showFighter2Point(points); }
    void showFighter1Disqualified() override { Scope s(*meter); inner->showFighter1Disqualified(); }
    void showFighter2Disqualified() override { Scope s(*meter); inner->showFighter2Disqualified(); }
    void showSecondWind() override { Scope s(*meter); inner->showSecondWind(); }
    void setFighter1MarkerPosition(const Vector2& position) override { Scope s(*meter); inner->setFighter1MarkerPosition(position); }
    void setFighter2MarkerPosition(const Vector2& position) override { Scope s(*meter); inner->setFighter2MarkerPosition(position); }
    bool isFighter1MarkerShown() override { Scope s(*meter); return inner->isFighter1MarkerShown(); }
    bool isFighter2MarkerShown() override { Scope s(*meter); return inner->isFighter2MarkerShown(); }
    void showPauseDialog() override { Scope s(*meter); inner->showPauseDialog(); }
    void hidePauseDialog() override { Scope s(*meter); inner->hidePauseDialog(); }
    void setOverlayLevel(float alpha) override { Scope s(*meter); inner->setOverlayLevel(alpha); }
    void showClock() override { Scope s(*meter); inner->showClock(); }
    void hideClock() override { Scope s(*meter); inner->hideClock(); }
    bool takePauseRequest() override { Scope s(*meter); return inner->takePauseRequest(); }
    void setDebugTextShown(bool shown) override { Scope s(*meter); inner->setDebugTextShown(shown); }
    void setDebugLocation(const Vector3& location) override { Scope s(*meter); inner->setDebugLocation(location); }
    void setDebugTarget(const Vector3& target) override { Scope s(*meter); inner->setDebugTarget(target); }
    bool toggleDebugInfo() override { Scope s(*meter); return inner->toggleDebugInfo(); }
    void setDebugDistance(float distance) override { Scope s(*meter); inner->setDebugDistance(distance); }
};

class TimedCurrentMaster final : public Tavek::CurrentMasterEH {
public:
    TimedCurrentMaster(Tavek::CurrentMasterEH* master, HudMeter* meter) : inner(master) { screen_.meter = meter; }

    void onMatchScreenShown() override { inner->onMatchScreenShown(); }
    void onMatchOver(int result) override { inner->onMatchOver(result); }
    void onMatchClosed(int result) override { inner->onMatchClosed(result); }
    void pauseMatch() override { inner->pauseMatch(); }
    void resumeMatch() override { inner->resumeMatch(); }
    void forfeitMatch() override { inner->forfeitMatch(); }
    void onBack() override { inner->onBack(); }
    void reserved8() override { inner->reserved8(); }
    void reserved9(int value) override { inner->reserved9(value); }
    void reserved10(int value) override { inner->reserved10(value); }
    void reserved11(int value) override { inner->reserved11(value); }
    void reserved12(int value) override { inner->reserved12(value); }
    void reserved13() override { inner->reserved13(); }
    void reserved14() override { inner->reserved14(); }
    void reserved15() override { inner->reserved15(); }
    void reserved16() override { inner->reserved16(); }
    void reserved17(int value) override { inner->reserved17(value); }
    void reserved18(int value) override { inner->reserved18(value); }
    void reserved19() override { inner->reserved19(); }
    void reserved20(int value) override { inner->reserved20(value); }
    void reserved21() override { inner->reserved21(); }
    void reserved22() override { inner->reserved22(); }
    void reserved23() override { inner->reserved23(); }
    void reserved24() override { inner->reserved24(); }
    void reserved25() override { inner->reserved25(); }
    void reserved26() override { inner->reserved26(); }
    void reserved27() override { inner->reserved27(); }
    void reserved28() override { inner->reserved28(); }
    void onDaviScreenDone() override { inner->onDaviScreenDone(); }
    Tavek::MatchScreenEH* getMatchScreenEH() override {
        screen_.inner = inner->getMatchScreenEH();
        return screen_.inner ? &screen_ : nullptr;
    }

    Tavek::CurrentMasterEH* inner;

private:
    TimedMatchScreen screen_;
};

// The game's GUI manager with its poll timed while `on`, for makeGuiManager.
struct TimedGuiManager : GuiManager {
    void pollInput() override {
        if (!on) {
            GuiManager::pollInput();
            return;
        }
        HudScope scope(meter);
        GuiManager::pollInput();
    }
    static GuiManager* make() { return new TimedGuiManager(); }
    static inline HudMeter meter;
    static inline bool on = false;
};
