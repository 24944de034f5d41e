// Recording stand-ins for the running game mode and its match HUD: every call is written to
// one shared log with the engine frame it came in, so a test can read a match as a timeline.
#pragma once

#include <cstdio>
#include <deque>
#include <string>
#include <vector>

#include "fight/BattleManager.h"
#include "game/CurrentMasterEH.h"
#include "game/MatchScreenEH.h"
#include "platform/vuzirovari/vuzirovari_test.h"

struct MatchLog {
    struct Entry {
        int frame;
        std::string call;
    };
    std::vector<Entry> entries;

    void add(const std::string& call) { entries.push_back({vtFrameCount(), call}); }
    // The frame of the first entry equal to call (from index `from`), or -1.
    int frameOf(const std::string& call, size_t from = 0) const {
        for (size_t i = from; i < entries.size(); ++i) {
            if (entries[i].call == call) return entries[i].frame;
        }
        return -1;
    }
    int count(const std::string& call) const {
        int n = 0;
        for (const Entry& e : entries) n += e.call == call ? 1 : 0;
        return n;
    }
    // The calls of one frame, in order.
    std::vector<std::string> callsOf(int frame) const {
        std::vector<std::string> out;
        for (const Entry& e : entries) {
            if (e.frame == frame) out.push_back(e.call);
        }
        return out;
    }
    std::string text() const {
        std::string out;
        for (const Entry& e : entries) out += std::to_string(e.frame) + " " + e.call + "\n";
        return out;
    }
};

inline std::string fmt(float v) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.9g", static_cast<double>(v));
    return buffer;
}

class RecordingScreen : public Tavek::MatchScreenEH {
public:
    explicit RecordingScreen(MatchLog& log) : log(log) {}

    int pauseRequests = 0;
    // Frames left during which the point marker counts as shown (set by a point banner).
    int markerFramesA = 0;
    int markerFramesB = 0;
    // Only these calls are logged when not empty (the HUD feed is otherwise every frame).
    bool logFeed = false;

    void setSidesSwapped(bool v) override { add("setSidesSwapped", std::to_string(v)); }
    void setFighter1Name(const std::string& n) override { feed("setFighter1Name", n); }
    void setFighter2Name(const std::string& n) override { feed("setFighter2Name", n); }
    void setFighter1MaxHealth(float v) override { feed("setFighter1MaxHealth", fmt(v)); }
    void setFighter2MaxHealth(float v) override { feed("setFighter2MaxHealth", fmt(v)); }
    void setFighter1Health(float v) override { feed("setFighter1Health", fmt(v)); }
    void setFighter2Health(float v) override { feed("setFighter2Health", fmt(v)); }
    void setFighter1MaxBalance(float v) override { feed("setFighter1MaxBalance", fmt(v)); }
    void setFighter2MaxBalance(float v) override { feed("setFighter2MaxBalance", fmt(v)); }
    void setFighter1Balance(float v) override { feed("setFighter1Balance", fmt(v)); }
    void setFighter2Balance(float v) override { feed("setFighter2Balance", fmt(v)); }
    void setFighter1Score(int v) override { score1 = v; feed("setFighter1Score", std::to_string(v)); }
    void setFighter2Score(int v) override { score2 = v; feed("setFighter2Score", std::to_string(v)); }
    void setFighter1Penalties(int v) override { penalties1 = v; feed("setFighter1Penalties", std::to_string(v)); }
    void setFighter2Penalties(int v) override { penalties2 = v; feed("setFighter2Penalties", std::to_string(v)); }
    void setClockValue(int v) override { feed("setClockValue", std::to_string(v)); }
    void setMatchTime(float v) override { matchTime = v; feed("setMatchTime", fmt(v)); }
    void setEndReason(int v) override { endReason = v; feed("setEndReason", std::to_string(v)); }
    void setReplayActive(bool v) override { add("setReplayActive", std::to_string(v)); }
    void setTextLine(int i, const std::string& t) override { add("setTextLine", std::to_string(i) + "," + t); }
    void showReady() override { add("showReady"); }
    void showFight() override { add("showFight"); }
    void showFighter1Wins() override { add("showFighter1Wins"); }
    void showFighter2Wins() override { add("showFighter2Wins"); }
    void showYouWin() override { add("showYouWin"); }
    void showYouLose() override { add("showYouLose"); }
    void showKnockdown(bool c) override { add("showKnockdown", std::to_string(c)); }
    void hideCount() override { add("hideCount"); }
    void showKnockout() override { add("showKnockout"); }
    void showCount(int n) override { add("showCount", std::to_string(n)); }
    void showEndOfRound() override { add("showEndOfRound"); }
    void showSuddenDeath() override { add("showSuddenDeath"); }
    void showFighter1Penalty() override { add("showFighter1Penalty"); }
    void showFighter2Penalty() override { add("showFighter2Penalty"); }
    void showFighter1Point(int n) override {
        markerFramesA = 60;
        add("showFighter1Point", std::to_string(n));
    }
    void showFighter2Point(int n) override {
        markerFramesB = 60;
        add("showFighter2Point", std::to_string(n));
    }
    void showFighter1Disqualified() override { add("showFighter1Disqualified"); }
    void showFighter2Disqualified() override { add("showFighter2Disqualified"); }
    void showSecondWind() override { add("showSecondWind"); }
    void setFighter1MarkerPosition(const Vector2& p) override { feed("setFighter1MarkerPosition", fmt(p.x) + "," + fmt(p.y)); }
    void setFighter2MarkerPosition(const Vector2& p) override { feed("setFighter2MarkerPosition", fmt(p.x) + "," + fmt(p.y)); }
    bool isFighter1MarkerShown() override { return markerFramesA > 0 && markerFramesA--; }
    bool isFighter2MarkerShown() override { return markerFramesB > 0 && markerFramesB--; }
    void showPauseDialog() override { add("showPauseDialog"); }
    void hidePauseDialog() override { add("hidePauseDialog"); }
    void setOverlayLevel(float v) override { overlay = v; add("setOverlayLevel", fmt(v)); }
    void showClock() override { feed("showClock", ""); }
    void hideClock() override { feed("hideClock", ""); }
    bool takePauseRequest() override {
        if (pauseRequests == 0) return false;
        --pauseRequests;
        add("takePauseRequest", "true");
        return true;
    }
    void setDebugTextShown(bool v) override { add("setDebugTextShown", std::to_string(v)); }
    void setDebugLocation(const Vector3& p) override { add("setDebugLocation", fmt(p.x)); }
    void setDebugTarget(const Vector3& p) override { add("setDebugTarget", fmt(p.x)); }
    bool toggleDebugInfo() override {
        add("toggleDebugInfo");
        return false;
    }
    void setDebugDistance(float v) override { add("setDebugDistance", fmt(v)); }

    int score1 = 0, score2 = 0, penalties1 = 0, penalties2 = 0, endReason = 0;
    float matchTime = 0.0f, overlay = -1.0f;

private:
    void add(const char* name, const std::string& args = "") {
        log.add(args.empty() ? std::string(name) : std::string(name) + "(" + args + ")");
    }
    void feed(const char* name, const std::string& args) {
        if (logFeed) add(name, args);
    }
    MatchLog& log;
};

class RecordingMaster : public Tavek::CurrentMasterEH {
public:
    RecordingMaster(MatchLog& log, RecordingScreen* screen) : log(log), screen(screen) {}

    BattleManager* manager = nullptr;   // resumed on resumeMatch, as the quick match does
    bool noScreen = false;
    std::vector<int> results;

    void onMatchScreenShown() override {}
    void onMatchOver(int result) override {
        results.push_back(result);
        log.add("onMatchOver(" + std::to_string(result) + ")");
    }
    void onMatchClosed(int) override {}
    void pauseMatch() override { log.add("pauseMatch"); }
    void resumeMatch() override {
        log.add("resumeMatch");
        if (manager) manager->resume();
    }
    void forfeitMatch() override {}
    void onBack() override {}
    void reserved8() override {}
    void reserved9(int) override {}
    void reserved10(int) override {}
    void reserved11(int) override {}
    void reserved12(int) override {}
    void reserved13() override {}
    void reserved14() override {}
    void reserved15() override {}
    void reserved16() override {}
    void reserved17(int) override {}
    void reserved18(int) override {}
    void reserved19() override {}
    void reserved20(int) override {}
    void reserved21() override {}
    void reserved22() override {}
    void reserved23() override {}
    void reserved24() override {}
    void reserved25() override {}
    void reserved26() override {}
    void reserved27() override {}
    void reserved28() override {}
    void onDaviScreenDone() override {}
    Tavek::MatchScreenEH* getMatchScreenEH() override { return noScreen ? nullptr : screen; }

private:
    MatchLog& log;
    RecordingScreen* screen;
};
