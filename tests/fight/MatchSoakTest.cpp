// Many AI-against-AI matches in one process on one battle manager: the six AI scripts in turn,
// a new arena every ten matches, each match seeded by its number. Every match must end with
// one report in bounded time, with nothing leaking from one match to the next, and the
// matches together must show the rules at work (points, penalties, knock-downs, time-ups) and
// no fight may stall. Beside the soak: a tournament of the styles in pairs (slow), and the quick
// match's opponent against a scripted keyboard player.
#include <gtest/gtest.h>
#include <malloc.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "MatchTestBench.h"
#include "fight/ActionIds.h"
#include "resources/FileArchive.h"
#include "tests/support/MirrorReads.h"

namespace {
const char* const AIModules[6] = {"easy_ai_1", "easy_ai_2", "medium_ai_1", "medium_ai_2", "hard_ai_1", "dremoai"};
constexpr int FrameLimit = 18000;  // five minutes of play from the start of a match
constexpr int MatchesPerArena = 10;
constexpr int QuietLimitFrames = 300;  // five seconds of fighting without a kick from either side
constexpr float MirrorDriftLimit = 0.25f;  // metres between a fighter and the place its script sees

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
    float mirrorDrift = 0.0f;  // the farthest a script saw a fighter from its place, in metres
    int won[6] = {}, played[6] = {};  // by AI module, whichever side it fought on
    int beat[6][6] = {}, met[6][6] = {};  // beat[i][j]: style i won against style j; met counts both orders
    // By style: strikes started, points scored, and of its strikes that touched, the clean ones.
    int strikes[6] = {}, scored[6] = {}, touched[6] = {}, cleanHits[6] = {}, downs[6] = {};

    void printStyles() const {
        std::printf("longest stretch of fighting without a kick: %.1f s (seed %d); %d matches over %.0f s; "
                    "knock-downs in %d matches; %d draws; mirrored places off by %.3f m at most\n",
                    quietestFrames / 60.0, quietestMatch, stalledMatches, QuietLimitFrames / 60.0, knockDownMatches, draws,
                    mirrorDrift);
        for (int i = 0; i < 6; ++i) {
            if (played[i] == 0) continue;
            std::printf("%-12s won %d of %d; per match %.1f strikes, %.1f points, %.1f touched (%.0f %% clean); "
                        "knocked down %d times\n",
                        AIModules[i], won[i], played[i], 1.0 * strikes[i] / played[i], 1.0 * scored[i] / played[i],
                        1.0 * touched[i] / played[i], touched[i] ? 100.0 * cleanHits[i] / touched[i] : 0.0, downs[i]);
        }
        for (int i = 0; i < 6; ++i) {
            for (int j = i + 1; j < 6; ++j) {
                if (met[i][j] == 0) continue;
                std::printf("%-12s against %-12s %2d : %-2d of %2d (%3.0f %% : %3.0f %%)\n", AIModules[i],
                            AIModules[j], beat[i][j], beat[j][i], met[i][j], 100.0 * beat[i][j] / met[i][j],
                            100.0 * beat[j][i] / met[i][j]);
            }
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

    // Plays match `number` (1-based) of the soak: the styles in turn, a new arena every ten.
    void play(int number) {
        playMatch((number - 1) % 6, number % 6, number, ((number - 1) / MatchesPerArena) % 5, false);
    }

    // Plays one match seeded by `seed` to its report and half a second past it, from the
    // introduction or straight from the fight.
    void playMatch(int styleA, int styleB, int seed, int arena, bool fromTheFight) {
        const std::string aiA = AIModules[styleA];
        const std::string aiB = AIModules[styleB];
        lastArena = arena;
        SCOPED_TRACE("seed " + std::to_string(seed) + ": " + aiA + " against " + aiB + " in arena " +
                     std::to_string(arena));
        // The start draws the fly-by and the looks, so the C runtime is seeded before it.
        crt::srand(static_cast<uint32_t>(seed));
        bench.prepare(aiA, aiB, 1, 0, true, 60.0f, arena);
        bench.scripts->importModule("random");
        bench.scripts->execute("random.seed(" + std::to_string(seed) + ")");
        if (fromTheFight) bench.fightNow();
        downsOf[0] = downsOf[1] = 0;

        BattleManager& m = *bench.manager;
        bool nan = false, visited[27] = {}, countedOutNow = false;
        int frames = 0, foughtFrames = 0, state = m.getBattleState();
        int quiet = 0, quietest = 0, knockDownsBefore = tally.knockDowns;
        int lastAction[2] = {bench.a().currentAction, bench.b().currentAction};
        float drift = 0.0f;
        int driftFrame = 0;
        Vector3 placeBefore[2] = {bench.a().location, bench.b().location};
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
                const bool starts = action != lastAction[side] && (isKick(action) || isActionGroup35to37(action));
                tally.strikes[side == 0 ? styleA : styleB] += starts ? 1 : 0;
                struck = struck || starts;
                lastAction[side++] = action;
            }
            quiet = fought && !struck ? quiet + 1 : 0;
            quietest = std::max(quietest, quiet);
            const int next = m.getBattleState();
            if (next != state) enter(state, next, logFrom, countedOutNow);
            if (next >= 0 && next <= 26) visited[next] = true;
            state = next;
            side = 0;
            for (const FighterInstance* f : {&bench.a(), &bench.b()}) {
                for (float v : {f->location.x, f->location.y, f->location.z, f->health(), f->balance()}) {
                    nan = nan || std::isnan(v);
                }
                // The scripts decide in the fight on the places they see: those must follow
                // every move, the rules' own included.
                const float off = fought && next == 0 ? mirrorreads::mirrorDrift(*f, placeBefore[side]) : 0.0f;
                if (off > drift) {
                    drift = off;
                    driftFrame = frames;
                }
                placeBefore[side++] = f->location;
            }
        }
        EXPECT_LE(drift, MirrorDriftLimit) << "a script saw its fighter that far off at frame " << driftFrame;
        tally.mirrorDrift = std::max(tally.mirrorDrift, drift);
        bench.frames(30);  // the report must not come again

        ++tally.matches;
        EXPECT_FALSE(nan);
        tally.nanMatches += nan ? 1 : 0;
        EXPECT_EQ(bench.master.results.size(), 1u) << frames << " frames";
        EXPECT_LE(foughtFrames, 3601) << "60 s are 3600 frames, and the clock may need one more to reach 0";
        if (bench.master.results.size() == 1) ++tally.reportedOnce;
        countMatch(visited, countedOutNow);
        countStyles(styleA, styleB);
        quietestFrames = quietest;
        if (quietest > tally.quietestFrames) {
            tally.quietestFrames = quietest;
            tally.quietestMatch = seed;
        }
        tally.stalledMatches += quietest > QuietLimitFrames ? 1 : 0;
        tally.knockDownMatches += tally.knockDowns > knockDownsBefore ? 1 : 0;
        ++tally.played[styleA];
        ++tally.played[styleB];
        if (visited[22]) ++tally.won[styleA];
        if (visited[23]) ++tally.won[styleB];
        tally.beat[styleA][styleB] += visited[22] ? 1 : 0;
        tally.beat[styleB][styleA] += visited[23] ? 1 : 0;
        ++tally.met[std::min(styleA, styleB)][std::max(styleA, styleB)];
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
        if (isBalanceDown(to) || isHealthDown(to)) {
            ++tally.knockDowns;
            ++downsOf[to % 2 == 1 ? 0 : 1];  // 7 and 15 are fighter A's, 8 and 16 fighter B's
        }
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

    void countStyles(int styleA, int styleB) {
        int side = 0;
        for (const FighterInstance* f : {&bench.a(), &bench.b()}) {
            const int style = side++ == 0 ? styleA : styleB;
            tally.scored[style] += f->matchPoints;
            for (const TrackedAction& r : f->trackedActions.records()) {
                tally.touched[style] += r.flag1 || r.flag2 || r.flag3 ? 1 : 0;
                tally.cleanHits[style] += r.flag1 ? 1 : 0;
            }
        }
        tally.downs[styleA] += downsOf[0];
        tally.downs[styleB] += downsOf[1];
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
    int downsOf[2] = {};  // knock-downs of fighters A and B in the match being played
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
    // Fights that decide: no stall, few draws, a knock-down in one match of ten at least, and
    // wins on points and by knock-out as well as at time up.
    EXPECT_EQ(t.stalledMatches, 0);
    EXPECT_LE(t.draws, 10);
    EXPECT_GE(t.knockDownMatches, 10);
    EXPECT_GE(t.healthKnockOuts + t.countedOut, 1);
    EXPECT_GE(t.pointsWins, 20);
}

// How strong a style is meant to be: 0 the beginners, 1 the club fighters and dremoai, 2 hard.
int styleRank(int style) { return style < 2 ? 0 : style == 4 ? 2 : 1; }

// Every pairing of two styles over many matches from the fight's start (40, or
// BRENNOCK_PAIRING_MATCHES for a quicker look), sides swapped every other match, the arenas in
// turn: the stronger style wins as often as the names promise, and no match stalls.
class StylePairing : public ::testing::TestWithParam<std::pair<int, int>> {};

TEST_P(StylePairing, TheStrongerStyleWins) {
    const auto [first, second] = GetParam();
    int matches = 40;
    if (const char* wanted = std::getenv("BRENNOCK_PAIRING_MATCHES")) matches = std::max(2, std::atoi(wanted));
    Soak soak;
    ASSERT_NE(soak.bench.manager, nullptr);
    for (int k = 0; k < matches; ++k) {
        const bool swapped = k % 2 == 1;
        soak.playMatch(swapped ? second : first, swapped ? first : second, 100 * (first * 6 + second) + k, k % 5,
                       true);
    }
    soak.tally.print();
    soak.tally.printStyles();
    EXPECT_EQ(soak.tally.stalledMatches, 0);
    const int rankGap = styleRank(second) - styleRank(first);
    if (rankGap == 0) return;
    const int stronger = rankGap > 0 ? second : first, weaker = rankGap > 0 ? first : second;
    const double share = static_cast<double>(soak.tally.beat[stronger][weaker]) / matches;
    EXPECT_GE(share, std::abs(rankGap) == 2 ? 0.75 : 0.5) << AIModules[stronger] << " against " << AIModules[weaker];
}

std::vector<std::pair<int, int>> allPairings() {
    std::vector<std::pair<int, int>> pairs;
    for (int i = 0; i < 6; ++i)
        for (int j = i + 1; j < 6; ++j) pairs.emplace_back(i, j);
    return pairs;
}

INSTANTIATE_TEST_SUITE_P(Styles, StylePairing, ::testing::ValuesIn(allPairings()),
                         [](const ::testing::TestParamInfo<std::pair<int, int>>& info) {
                             return std::string(AIModules[info.param.first]) + "_vs_" + AIModules[info.param.second];
                         });

// The quick match's opponent against a player on the keyboard: one who closes in and kicks
// scores on it, and it scores on one who only stands in guard.
TEST(MatchSoak, DremoaiIsFairToAPlayer) {
    Soak soak;
    MatchBench& bench = soak.bench;
    ASSERT_NE(bench.manager, nullptr);
    auto start = [&](uint32_t seed) {
        crt::srand(seed);
        bench.prepare("", "dremoai");
        bench.scripts->importModule("random");
        bench.scripts->execute("random.seed(" + std::to_string(seed) + ")");
        bench.fightNow();
    };
    constexpr int Limit = 1800;  // 30 s of fighting
    const int arrows[2] = {200, 203};
    start(5);
    int frame = 0;
    for (; frame < Limit && bench.a().matchPoints == 0; ++frame) {
        const int arrow = arrows[(frame / 90) % 2];
        for (int key : arrows) vtKeySet(key, key == arrow && (frame % 90) < 45 ? 1 : 0);
        vtKeySet(30, (frame / 3) % 2);
        bench.frame();
    }
    for (int key : {200, 203, 30}) vtKeySet(key, 0);
    EXPECT_GT(bench.a().matchPoints, 0) << "the player's kicks never scored in " << frame << " frames";

    // A player who only stands in the fighting stance with left Shift held, which keeps the
    // keyboard from attacking.
    start(6);
    vtKeySet(42, 1);
    for (frame = 0; frame < Limit && bench.b().matchPoints == 0; ++frame) bench.frame();
    vtKeySet(42, 0);
    EXPECT_EQ(bench.a().matchPoints, 0);
    EXPECT_GT(bench.b().matchPoints, 0) << "dremoai never scored on a standing player in " << frame << " frames";
}

}  // namespace

