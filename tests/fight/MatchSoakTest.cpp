// Many AI-against-AI matches in one process on one battle manager: the six AI scripts in turn,
// a new arena every ten matches, each match seeded by its number. Every match must end with
// one report in bounded time, with nothing leaking from one match to the next, and the
// matches together must show the rules at work (points, penalties, knock-downs, time-ups).
#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "MatchTestBench.h"
#include "fight/ActionIds.h"
#include "resources/FileArchive.h"

namespace {

const char* const AIModules[6] = {"easy_ai_1", "easy_ai_2", "medium_ai_1", "medium_ai_2", "hard_ai_1", "dremoai"};
constexpr int FrameLimit = 18000;  // five minutes of play from the start of a match
constexpr int MatchesPerArena = 10;
constexpr int QuietLimitFrames = 300;  // five seconds of fighting without a kick from either side

long residentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return 0;
}

// What a leak would grow: the engine's live objects, the resource cache, the interpreter.
struct Counter {
    const char* name;
    int (*read)();
};
constexpr Counter EngineCounters[] = {
    {"meshes", vtMeshCount},          {"skinned meshes", vtSkinMeshCount}, {"bones", vtBoneCount},
    {"joints", vtJointCount},         {"contact pairs", vtContactPairCount}, {"bodies", vtBodyCount},
    {"textures", vtTextureCount},     {"cameras and sounds", vtLiveObjectCount},
    {"physics shapes", vtPhysicsShapeCount}, {"sprites", vtSpriteCount}};
constexpr size_t CounterCount = std::size(EngineCounters) + 2;  // then cached files, interpreter objects

struct Footprint {
    long counts[CounterCount] = {};
    // Allocated and not freed, which fragmentation does not raise: glibc's heap plus the large
    // blocks it maps on their own. The heap alone is no measure: once a mapped block is freed,
    // glibc serves blocks of that size from the heap, so the large buffers of an arena move from
    // one count to the other (3.3 MB) when the arenas have changed once.
    long heapKb = 0;
    long residentKb = 0;
    static const char* name(size_t i) {
        if (i < std::size(EngineCounters)) return EngineCounters[i].name;
        return i == std::size(EngineCounters) ? "cached files" : "interpreter objects";
    }
};

// How the soak's matches ended and what happened in them.
struct Tally {
    int matches = 0, reportedOnce = 0, kickMatches = 0, nanMatches = 0;
    int pointsWins = 0, healthKnockOuts = 0, countedOut = 0, penaltyLosses = 0, timeUps = 0, draws = 0;
    int clean = 0, guarded = 0, blocked = 0, headPoints = 0, trunkPoints = 0;
    int halfPenalties = 0, knockDowns = 0, balanceCounts = 0, getUps = 0, countedGetUps = 0, secondWinds = 0;
    int knockDownMatches = 0, quietestFrames = 0, quietestMatch = 0, stalledMatches = 0;
    int won[6] = {}, played[6] = {};  // by AI module, whichever side it fought on

    void printStyles() const {
        std::printf("longest stretch of fighting without a kick: %.1f s (match %d); %d matches over %.0f s; "
                    "knock-downs in %d matches\n",
                    quietestFrames / 60.0, quietestMatch, stalledMatches, QuietLimitFrames / 60.0, knockDownMatches);
        for (int i = 0; i < 6; ++i) {
            if (played[i] > 0) std::printf("%-12s won %d of %d\n", AIModules[i], won[i], played[i]);
        }
    }

    void print() const {
        std::printf("%d matches: %d won on points, %d knock-outs (%d health counts, %d counted out after a balance "
                    "knock-down), %d lost on penalties, %d time-up decisions, %d draws\n",
                    matches, pointsWins, healthKnockOuts + countedOut, healthKnockOuts, countedOut, penaltyLosses,
                    timeUps, draws);
        std::printf("hits: %d clean, %d guarded, %d blocked; points: %d head, %d trunk; %d half penalties; "
                    "%d knock-downs (%d balance counts), %d get-ups (%d during a count), %d second winds; kicks scored "
                    "in %d matches\n",
                    clean, guarded, blocked, headPoints, trunkPoints, halfPenalties, knockDowns, balanceCounts,
                    getUps, countedGetUps, secondWinds, kickMatches);
    }
};

bool isBalanceDown(int state) { return state == 7 || state == 8; }
bool isHealthDown(int state) { return state == 15 || state == 16; }

class Soak {
public:
    MatchBench bench;
    Tally tally;

    // Plays match `number` (1-based) to its report and half a second past it.
    void play(int number) {
        const int styleA = (number - 1) % 6, styleB = number % 6;
        const std::string aiA = AIModules[styleA];
        const std::string aiB = AIModules[styleB];
        const int arena = ((number - 1) / MatchesPerArena) % 5;
        lastArena = arena;
        SCOPED_TRACE("match " + std::to_string(number) + ": " + aiA + " against " + aiB + " in arena " +
                     std::to_string(arena));
        // The start draws the fly-by and the looks, so the C runtime is seeded before it.
        crt::srand(static_cast<uint32_t>(number));
        bench.prepare(aiA, aiB, 1, 0, true, 60.0f, arena);
        bench.scripts->importModule("random");
        bench.scripts->execute("random.seed(" + std::to_string(number) + ")");

        BattleManager& m = *bench.manager;
        bool nan = false, visited[27] = {}, countedOutNow = false;
        int frames = 0, foughtFrames = 0, state = m.getBattleState();
        int quiet = 0, quietest = 0, knockDownsBefore = tally.knockDowns;
        int lastAction[2] = {bench.a().currentAction, bench.b().currentAction};
        for (; frames < FrameLimit && bench.master.results.empty(); ++frames) {
            const float clock = bench.battle().matchClock;
            const size_t logFrom = bench.log.entries.size();
            bench.frame();
            // Fighting time is what the match clock counted in the fight (it also runs in a count).
            const bool fought = state == 0 && bench.battle().matchClock < clock;
            if (fought) ++foughtFrames;
            // A quiet stretch: fighting time in which neither fighter starts a kick or a punch.
            bool struck = false;
            int side = 0;
            for (const FighterInstance* f : {&bench.a(), &bench.b()}) {
                const int action = f->currentAction;
                struck = struck || (action != lastAction[side] && (isKick(action) || isActionGroup35to37(action)));
                lastAction[side++] = action;
            }
            quiet = fought && !struck ? quiet + 1 : 0;
            quietest = std::max(quietest, quiet);
            const int next = m.getBattleState();
            if (next != state) enter(state, next, logFrom, countedOutNow);
            if (next >= 0 && next <= 26) visited[next] = true;
            state = next;
            for (const FighterInstance* f : {&bench.a(), &bench.b()}) {
                for (float v : {f->location.x, f->location.y, f->location.z, f->health(), f->balance()}) {
                    nan = nan || std::isnan(v);
                }
            }
        }
        bench.frames(30);  // the report must not come again

        ++tally.matches;
        EXPECT_FALSE(nan);
        tally.nanMatches += nan ? 1 : 0;
        EXPECT_EQ(bench.master.results.size(), 1u) << frames << " frames";
        EXPECT_LE(foughtFrames, 3601) << "60 s are 3600 frames, and the clock may need one more to reach 0";
        if (bench.master.results.size() == 1) ++tally.reportedOnce;
        countMatch(visited, countedOutNow);
        quietestFrames = quietest;
        if (quietest > tally.quietestFrames) {
            tally.quietestFrames = quietest;
            tally.quietestMatch = number;
        }
        tally.stalledMatches += quietest > QuietLimitFrames ? 1 : 0;
        tally.knockDownMatches += tally.knockDowns > knockDownsBefore ? 1 : 0;
        ++tally.played[styleA];
        ++tally.played[styleB];
        if (visited[22]) ++tally.won[styleA];
        if (visited[23]) ++tally.won[styleB];
    }

    int quietestFrames = 0;  // of the last match played
    int lastArena = 0;

    // What one match leaves to the next. The sounds the match played are let go first, as the
    // next match's preparation does: which of them were decoded is chance (up to 4 MB).
    Footprint footprint() {
        bench.manager->loadSoundScape(lastArena, bench.recordA.SoundGroup, bench.recordB.SoundGroup, false);
        Footprint f;
        size_t i = 0;
        for (const Counter& c : EngineCounters) f.counts[i++] = c.read();
        f.counts[i++] = static_cast<long>(FileArchive::instance().files().size());
        bench.scripts->importModule("gc");
        bench.scripts->execute("gc.collect()");
        f.counts[i++] = bench.scripts->evalInt("len(gc.get_objects())");
        const struct mallinfo2 heap = mallinfo2();
        f.heapKb = static_cast<long>((heap.uordblks + heap.hblkhd) / 1024);
        f.residentKb = residentKb();
        return f;
    }

private:
    // A change of battle state, with the screen calls of the frame that made it.
    void enter(int from, int to, size_t logFrom, bool& countedOut) {
        if (isBalanceDown(to) || isHealthDown(to)) ++tally.knockDowns;
        if (to == 9 || to == 10) ++tally.getUps;
        if (isBalanceDown(from) && (to == 22 || to == 23)) countedOut = true;
        if (isBalanceDown(to)) balanceDownAt = logFrom;
        if (isBalanceDown(from)) {
            bool counted = false;
            for (size_t i = balanceDownAt; i < bench.log.entries.size() && !counted; ++i) {
                counted = bench.log.entries[i].call == "showCount(1)";
            }
            tally.balanceCounts += counted ? 1 : 0;
            tally.countedGetUps += counted && (to == 9 || to == 10) ? 1 : 0;
        }
    }

    void countMatch(const bool* visited, bool countedOutNow) {
        int points = 0;
        for (const FighterInstance* f : {&bench.a(), &bench.b()}) {
            points += f->headPoints + f->trunkPoints;
            tally.headPoints += f->headPoints;
            tally.trunkPoints += f->trunkPoints;
            tally.halfPenalties += f->halfPenalties;
            // The action log keeps each strike's outcome (it is cleared when a match starts).
            for (const TrackedAction& r : f->trackedActions.records()) {
                tally.clean += r.flag1 ? 1 : 0;
                tally.guarded += r.flag2 ? 1 : 0;
                tally.blocked += r.flag3 ? 1 : 0;
            }
        }
        tally.kickMatches += points > 0 ? 1 : 0;
        tally.secondWinds += bench.log.count("showSecondWind");
        if (visited[17] || visited[18]) ++tally.penaltyLosses;
        else if (visited[19] || visited[20]) ++tally.pointsWins;
        else if (visited[26]) ++tally.draws;
        else if (visited[21]) ++tally.timeUps;
        else if (visited[15] || visited[16]) ++tally.healthKnockOuts;
        else if (countedOutNow) ++tally.countedOut;
    }

    size_t balanceDownAt = 0;
};

TEST(MatchSoak, FiveMatchesEachEndWithOneReport) {
    Soak soak;
    ASSERT_NE(soak.bench.manager, nullptr);
    for (int number = 1; number <= 5; ++number) {
        soak.play(number);
        EXPECT_LE(soak.quietestFrames, QuietLimitFrames) << "match " << number << " stalled";
    }
    soak.tally.print();
    soak.tally.printStyles();
    EXPECT_EQ(soak.tally.reportedOnce, 5);
    EXPECT_GE(soak.tally.kickMatches, 4);
}

// Footprints are compared arena for arena: after the last match in an arena in the first round
// of arenas (matches 10 to 50) and in the second (60 to 100).
TEST(MatchSoak, AHundredMatchesInOneProcess) {
    Soak soak;
    ASSERT_NE(soak.bench.manager, nullptr);
    std::vector<Footprint> printed;
    for (int number = 1; number <= 100; ++number) {
        soak.play(number);
        if (number % MatchesPerArena == 0) printed.push_back(soak.footprint());
    }
    soak.tally.print();
    soak.tally.printStyles();
    for (size_t i = 0; i < CounterCount; ++i) {
        std::printf("%-20s", Footprint::name(i));
        for (const Footprint& f : printed) std::printf(" %6ld", f.counts[i]);
        std::printf("\n");
    }
    std::printf("%-20s", "heap in use kB");
    for (const Footprint& f : printed) std::printf(" %6ld", f.heapKb);
    std::printf("\n%-20s", "resident kB");
    for (const Footprint& f : printed) std::printf(" %6ld", f.residentKb);
    std::printf("\n");

    ASSERT_EQ(printed.size(), 10u);
    for (size_t k = 5; k < 10; ++k) {
        for (size_t i = 0; i < CounterCount; ++i) {
            EXPECT_LE(printed[k].counts[i], printed[k - 5].counts[i])
                << Footprint::name(i) << " after match " << (k + 1) * MatchesPerArena;
        }
        // What fills as it is first used stays: each referee call is decoded the first time it is
        // heard (a penalty's calls are 0.6 MB), pose buffers as clips first play, the interpreter's
        // caches. 1.1 MB of it comes after the tenth match, so the first arena's second visit is
        // allowed that much more.
        const long limitKb = k == 5 ? 2048 : 1024;
        EXPECT_LT(printed[k].heapKb - printed[k - 5].heapKb, limitKb) << "after match " << (k + 1) * MatchesPerArena;
    }
    // The arenas differ in size (arena 4 takes 9 MB more than arena 0), so resident memory is
    // compared between its highest points in the two rounds of arenas.
    long roundPeak[2] = {0, 0};
    for (size_t k = 0; k < 10; ++k) roundPeak[k / 5] = std::max(roundPeak[k / 5], printed[k].residentKb);
    EXPECT_LT(roundPeak[1] - roundPeak[0], 5 * 1024);

    const Tally& t = soak.tally;
    EXPECT_EQ(t.reportedOnce, 100);
    EXPECT_EQ(t.nanMatches, 0);
    EXPECT_GE(t.kickMatches, 90);
    EXPECT_GE(t.halfPenalties, 1);
    EXPECT_GE(t.countedGetUps, 1);
    EXPECT_GE(t.timeUps + t.draws, 1);
    EXPECT_GE(t.pointsWins, 1);
}

}  // namespace

