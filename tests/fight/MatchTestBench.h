// One battle manager on the real pack for a whole test program: the engine open with drawing
// off and a fixed 1/60 s frame, the script bridge, the recording master and screen, the two
// roster fighters, and a frame that does what the frame loop does. Every sound started is read
// from the engine's sound log: each referee call goes into the match log as "ref N". With
// logEverything the log holds all a replay must repeat: every call of the doubles, every sound
// start and stop ("sound start|stop|end <game path>"), every state change, and per frame the
// float bits of both fighters' location, health and balance.
#pragma once

#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "RecordingMatch.h"
#include "game/SingleMatchMaster.h"
#include "fight/BattleManager.h"
#include "fight/FighterInstance.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "platform/win32/crt.h"
#include "resources/StartupTables.h"
#include "script/ScriptMaster.h"
#include "state/EnemyFighterState.h"
#include "state/Options.h"

struct MatchBench {
    static constexpr float Frame = 1.0f / 60.0f;

    MatchLog log;
    RecordingScreen screen{log};
    RecordingMaster master{log, &screen};
    std::unique_ptr<Tavek::ScriptMaster> scripts;
    std::unique_ptr<BattleManager> manager;
    uint32_t camera = 0;
    Tavek::EnemyFighterState recordA, recordB;
    bool logEverything = false;   // see the top; also set screen.logFeed for the HUD feed
    // Every sound started since the last prepare, with its frame.
    struct Heard {
        int frame;
        uint32_t sound;
        std::string path;
    };
    std::vector<Heard> heard;

    // before: runs after the engine's reset and before it opens (a test's pads and hooks).
    template <typename BeforeOpen>
    explicit MatchBench(BeforeOpen before) {
        open(before);
    }
    MatchBench() {
        open([] {});
    }

    template <typename BeforeOpen>
    void open(BeforeOpen before) {
        if (chdir(GAME_DIR) != 0) return;
        vtReset();
        vtSetDrawing(0);
        vtSetFixedFrameTime(Frame);
        vtSoundLogEnable(1);
        before();
        iVortaneOpen(nullptr, nullptr);
        camera = iCameraCreate(0.0f, 0.0f, 1.0f, 1.0f);
        scripts = std::make_unique<Tavek::ScriptMaster>(scriptsFolder);
        manager = std::make_unique<BattleManager>(camera, scripts.get(), &master, nullptr);
        master.manager = manager.get();
        Tavek::SingleMatchMaster::fillRosterRecord(0, recordA);
        Tavek::SingleMatchMaster::fillRosterRecord(1, recordB);
    }
    ~MatchBench() {
        manager.reset();
        scripts.reset();
        iCameraDestroy(camera);
        vtReset();
    }

    FighterInstance& a() { return *manager->getFighterFieldA(); }
    FighterInstance& b() { return *manager->getFighterFieldB(); }
    BattleInstance& battle() { return manager->getBattle(); }

    // The quick match's preparation, with the given AI modules ("" leaves a side to a player on
    // the keyboard).
    void prepare(const std::string& aiA, const std::string& aiB, int mode = 1, int round = 0,
                 bool decideOnTimeUp = true, float seconds = 60.0f, int arena = 0) {
        log.entries.clear();
        master.results.clear();
        heard.clear();
        vtSoundLogClear();
        BattleManager& m = *manager;
        m.setCurrentMaster(&master);
        m.loadArena(arena, nullptr, 0.0f, 1.0f);
        if (m.getBodyTypeA() != recordA.BodyType) m.applyFighterStateA(recordA, nullptr, 0.0f, 1.0f);
        if (m.getBodyTypeB() != recordB.BodyType) m.applyFighterStateB(recordB, nullptr, 0.0f, 1.0f);
        m.loadSoundScape(arena, recordA.SoundGroup, recordB.SoundGroup, false);
        Tavek::Options options;
        m.applyOptions(options, true, false);
        m.start(mode, round, decideOnTimeUp, arena, seconds, true);
        m.applyFighterStateA(recordA, nullptr, 0.0f, 1.0f);
        m.applyFighterStateB(recordB, nullptr, 0.0f, 1.0f);
        m.reserved84(1);
        if (aiA.empty()) {
            m.clearAIA();
            m.setControllerA(-1);
        } else {
            m.attachAIA(aiA, 0.0);
        }
        if (aiB.empty()) {
            m.clearAIB();
            m.setControllerB(-1);
        } else {
            m.attachAIB(aiB, 0.0);
        }
        m.attachSparkAI1("coach");
        m.attachSparkAI2("arena");
        m.setCurrentMaster(&master);
    }

    // Straight into the fight, past the introduction.
    void fightNow() {
        manager->setBattleState(0);
    }

    void frame() {
        const int stateBefore = manager->getBattleState();
        iVortaneMain();
        static_cast<TickAble*>(manager.get())->tick();
        readSoundLog();
        if (!logEverything) return;
        if (manager->getBattleState() != stateBefore) log.add("state " + std::to_string(manager->getBattleState()));
        log.add(valueBits(a()) + " " + valueBits(b()));
    }

    // The sound log's new lines into `heard` and the match log, each at its own frame.
    void readSoundLog() {
        static const char* const kinds[] = {"", "start", "stop", "end"};
        vtSoundEvent e{};
        for (int i = 0; vtSoundLogGet(i, &e); ++i) {
            if (e.kind == vtSoundStarted) heard.push_back({e.frame, e.sound, e.path});
            int referee = -1;
            for (int r = 0; r < BattleManager::RefereeSoundCount; ++r)
                if (manager->getRefereeSound(r) == e.sound) referee = r;
            if (referee >= 0 && e.kind == vtSoundStarted)
                log.entries.push_back({e.frame, "ref " + std::to_string(referee)});
            else if (logEverything)
                log.entries.push_back({e.frame, std::string("sound ") + kinds[e.kind] + " " + e.path});
        }
        vtSoundLogClear();
    }

    void frames(int n) {
        for (int i = 0; i < n; ++i) frame();
    }

    // Runs until the battle is in `state` (true) or `limit` frames have passed (false).
    bool runUntilState(int state, int limit) {
        for (int i = 0; i < limit; ++i) {
            if (manager->getBattleState() == state) return true;
            frame();
        }
        return manager->getBattleState() == state;
    }

    static std::string valueBits(FighterInstance& f) {
        char text[96];
        std::snprintf(text, sizeof text, "%08x %08x %08x %08x %08x", bits(f.location.x), bits(f.location.y),
                      bits(f.location.z), bits(f.health()), bits(f.balance()));
        return text;
    }
    static uint32_t bits(float v) {
        uint32_t b = 0;
        std::memcpy(&b, &v, sizeof b);
        return b;
    }

    bool runUntilReported(int limit) {
        for (int i = 0; i < limit && master.results.empty(); ++i) frame();
        return !master.results.empty();
    }
};
