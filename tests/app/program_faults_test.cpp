// The whole program against what a modder or the system may do to it: damaged or missing clips,
// a missing scene mesh, a failing AI script, model files the model library cannot take, AI
// scripts that never return, SIGTERM and SIGINT. Each run plays in a game folder of links to the
// built files, loose (no graphics.qmx), where the test damages only what it names.
#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/app/ProgramRun.h"

namespace fs = std::filesystem;

namespace {

// Under the sanitizers a program's last steps (its leak check above all) take longer than a
// player could tell: the time limits below allow for them there.
#ifdef BRENNOCK_SANITIZED_BUILD
constexpr double EndSlack = 3.0;
#else
constexpr double EndSlack = 0.0;
#endif

// The text with its keys of `count` plain numbers between `head` and `tail` (";3;1,2,3;;") set
// to `value` each: every such key, or only the first.
std::string withKeys(std::string text, const std::string& head, int count, const std::string& tail,
                     const std::string& value, bool firstOnly) {
    const auto isNumberChar = [](char c) { return (c >= '0' && c <= '9') || c == '-' || c == '.'; };
    for (size_t at = text.find(head); at != std::string::npos; at = text.find(head, at + 1)) {
        size_t end = at + head.size();
        bool matches = true;
        for (int i = 0; i < count && matches; ++i) {
            const size_t start = end;
            while (end < text.size() && isNumberChar(text[end])) ++end;
            matches = end > start && (i + 1 == count || (end < text.size() && text[end++] == ','));
        }
        if (!matches || text.compare(end, tail.size(), tail) != 0) continue;
        std::string key = head;
        for (int i = 0; i < count; ++i) key += (i ? "," : "") + value;
        key += tail;
        text.replace(at, end + tail.size() - at, key);
        if (firstOnly) break;
    }
    return text;
}

double wallSeconds() {
    return std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
}

bool isMat(const unsigned char* p) { return std::abs(p[0] - 30) + std::abs(p[1] - 79) + std::abs(p[2] - 199) < 45; }

int countContaining(const std::vector<std::string>& lines, const std::string& what) {
    int n = 0;
    for (const std::string& line : lines) n += line.find(what) != std::string::npos ? 1 : 0;
    return n;
}

std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines) out += line + "\n";
    return out;
}

// A mesh with nonsense numbers, then an animation set whose one animation has no keys.
const char MeshThenEmptyAnimation[] =
    "xof 0303txt 0032\nMesh{4;4;4;7;0;.8,4;0;0;0;0;0;0;1,1,1;}AnimationSet{Animation{}}";

// Binary .ply: a vertex element of two z and no x or y, and faces of 4, 0 and 2 corners.
std::string shortFacesPly() {
    const std::string header =
        "ply\nformat binary_little_endian 1.0\nelement vertex 4\nproperty int8 z\ncomment\n"
        "property char z\nelement face 3\nproperty list int8 char vertex_indices\nend_header\n";
    return header + std::string("\x00ly\x04\x00\x02\x02\x02\x01\x00\x02\x02\x02\x02\x66\x6c", 16);
}

// Replaces every file below the folder of a game folder of links whose name passes the test (the
// pack keeps its own); returns how many.
template <typename Test>
int replaceFiles(const fs::path& game, const std::string& folder, Test test, const std::string& bytes) {
    std::vector<std::string> found;
    for (const auto& entry : fs::recursive_directory_iterator(game / folder, fs::directory_options::follow_directory_symlink))
        if (entry.is_regular_file() && test(entry.path())) found.push_back(entry.path().lexically_relative(game).string());
    for (const std::string& file : found) gamefolder::replaceFile(game, file, bytes);
    return static_cast<int>(found.size());
}

class ProgramFaults : public Program {
protected:
    // A game folder of links to the built one, loose, with its own registry naming it.
    fs::path linkedGame(const std::string& name) {
        gamefolder::linkFolders(GAME_DIR, dir / name);
        gamefolder::writeRegistry(dir / (name + ".reg"), dir / name);
        return dir / name;
    }
    std::string registryOf(const std::string& name) { return "BRENNOCK_REGISTRY=" + (dir / (name + ".reg")).string(); }
};

}  // namespace

// Clips a fighter needs, removed or damaged: the idle clip and getting up removed, the walk cut
// in half, a kick whose key holds a non-number, a block with an absurd scale; a scene mesh of the
// arena missing (there is no archive either); the red fighter's AI script failing in its
// decisions. The game starts, plays the quick match well into its fight without a crash, and the
// log names each clip that did not load, and the scene mesh once, however often the game asks
// for it. (A fall is the ragdoll's: it has no clip.) The fighter module shields the failing
// script: its error is logged, the red fighter stands idle, and the match goes on.
TEST_F(ProgramFaults, DamagedClipsMeshesAndAFailingScriptNeverStopTheGame) {
    const fs::path game = linkedGame("game");
    const std::string script = "Tavek_res/scripts/dremoai.py";
    gamefolder::replaceFile(game, script, gamefolder::packText(GAME_DIR, script) +
                                              "\ndef broken_decide(self, opponent):\n"
                                              "    raise ValueError('dremoai lost its way')\n"
                                              "Brain.decide = broken_decide\n");
    gamefolder::removeFile(game, "Tavek_res/arenas/arena1/chair.x");
    for (const char* side : {"", "Mirrored/"}) {
        gamefolder::removeFile(game, std::string("Tavek_res/skinmeshes/") + side + "29_IdleBouncing_Loop.X");
        gamefolder::removeFile(game, std::string("Tavek_res/skinmeshes/") + side + "34_Kipup.X");
    }
    const std::string walk = "Tavek_res/skinmeshes/000_walkcycle_left-ft-fwd.X";
    const std::string walkText = gamefolder::packText(GAME_DIR, walk);
    gamefolder::replaceFile(game, walk, walkText.substr(0, walkText.size() / 2));
    const std::string kick = "Tavek_res/skinmeshes/01_RearLegRoundHouseBodyTarget.X";
    gamefolder::replaceFile(game, kick, withKeys(gamefolder::packText(GAME_DIR, kick), ";4;", 1, ",", "nan", true));
    // Every three-number key (scale and offset) of the block a million million times too large.
    const std::string block = "Tavek_res/skinmeshes/09_HeadBlock_RT.X";
    gamefolder::replaceFile(game, block, withKeys(gamefolder::packText(GAME_DIR, block), ";3;", 3, ";;", "1e12", false));
    std::ofstream(dir / "click.txt") << ClickQuickMatch;

    const fs::path fight = dir / "fight.png";
    GameRun run = start({registryOf("game"), "VUZ_FRAME_TIME=0.0333333", "VUZ_FRAME_LIMIT=1000", "VUZ_SEED=5",
                         "VUZ_INPUT=" + (dir / "click.txt").string(), "VUZ_SCREENSHOTS=990:" + fight.string()});
    ASSERT_EQ(run.exitCode, 0) << joined(run.debug);
    EXPECT_GE(indexOf(run, "engine: frame limit 1000 reached"), 0) << "the game ended early";
    for (const char* clip : {"29_IdleBouncing_Loop.X", "34_Kipup.X", "000_walkcycle_left-ft-fwd.X",
                             "01_RearLegRoundHouseBodyTarget.X"}) {
        EXPECT_GE(countContaining(run.debug, std::string("skinmeshes\\") + clip + " could not be made"), 1) << clip;
    }
    EXPECT_EQ(countContaining(run.log, "resources: \"Tavek_res\\skinmeshes\\29_IdleBouncing_Loop.X\""), 1);
    EXPECT_GE(countContaining(run.debug, "AI dremoai: dremoai lost its way"), 1) << "the script's error was not shown";
    EXPECT_EQ(countContaining(run.log, "resources: \"Tavek_res\\arenas\\arena1\\chair.x\" is neither in the archive "
                                       "nor a loose file"),
              1)
        << joined(run.log);
    // The fight is on: the match camera looks at the mat.
    Shot shot(fight);
    ASSERT_NE(shot.pixels, nullptr);
    EXPECT_GT(shot.share(-16.0f, -12.0f, 16.0f, 12.0f, isMat), 0.2) << "no fight on the mat";
}

// A modder's files replaced the GUI's pictures and the arenas' collision meshes with files the
// model library cannot take: each is refused in the log and the game runs on.
TEST_F(ProgramFaults, ModelFilesTheLibraryCannotTakeAreLeftOutAndTheGameRuns) {
    const fs::path game = linkedGame("game");
    const int pictures =
        replaceFiles(game, "Tavek_res/gui", [](const fs::path& p) { return p.extension() == ".x"; }, MeshThenEmptyAnimation);
    const int meshes =
        replaceFiles(game, "Tavek_res", [](const fs::path& p) { return p.filename() == "mat_0.93.ply"; }, shortFacesPly());
    ASSERT_GT(pictures, 10);
    ASSERT_EQ(meshes, 2);

    const fs::path shot = dir / "late.png";
    GameRun run = start({registryOf("game"), "VUZ_FRAME_LIMIT=60", "VUZ_SCREENSHOTS=50:" + shot.string()});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(fs::exists(shot)) << "the game did not come to its 50th frame";
    int refusedPictures = 0, refusedMeshes = 0;
    for (const std::string& line : run.log) {
        if (line.find("was refused") == std::string::npos) continue;
        refusedPictures += line.find("gui\\") != std::string::npos && line.find(".x ") != std::string::npos;
        refusedMeshes += line.find("mat_0.93.ply") != std::string::npos;
    }
    EXPECT_GT(refusedPictures, 0);
    EXPECT_GT(refusedMeshes, 0);
}

// AI modules that never return: one whose decide() loops for ever, one whose import does. Each
// ends as a failing script does, with the script error box (on standard error under the
// autopilot) naming the module, the call and the budget, then the usual end, exit code 0,
// within the budget and a second.
TEST_F(ProgramFaults, AnAIScriptThatNeverReturnsEndsTheGameLikeAFailingOne) {
    const char* const Modules[] = {"easy_ai_1", "easy_ai_2", "medium_ai_1", "medium_ai_2", "hard_ai_1", "dremoai"};
    const std::string decideLoops =
        "import time\nimport log\n\n\nclass Brain:\n    def __init__(self, fighter, learn_speed):\n        pass\n\n"
        "    def decide(self, opponent):\n        log.log('looping from %.3f' % time.time())\n"
        "        while True:\n            pass\n";
    const std::string importLoops = "import time\nimport log\n\nlog.log('looping from %.3f' % time.time())\n"
                                    "while True:\n    pass\n";
    // Space skips the fly-by: the fight, and the first decision, come sooner.
    std::ofstream(dir / "click.txt") << ClickQuickMatch << SkipFlyBy;
    for (const std::string& name : {std::string("decide"), std::string("import")}) {
        const fs::path game = linkedGame(name);
        for (const char* module : Modules)
            gamefolder::replaceFile(game, std::string("Tavek_res/scripts/") + module + ".py",
                                    name == "decide" ? decideLoops : importLoops);
        const std::string call = ": " + name + (name == "decide" ? "()" : "") + " took longer than 2 s and was stopped.";
        GameRun run = finish(launch({registryOf(name), "VUZ_FRAME_LIMIT=100000",
                                     "VUZ_INPUT=" + (dir / "click.txt").string()},
                                    name));
        const double ended = wallSeconds();
        EXPECT_EQ(run.exitCode, 0) << call;
        const int from = indexOf(run.debug, "looping from ");
        ASSERT_GE(from, 0) << joined(run.debug);
        const double looping = std::stod(run.debug[static_cast<size_t>(from)].substr(13));
        // The budget and about a second to end; a test machine busy with other whole-program runs
        // can delay the end by another second.
        EXPECT_LT(ended - looping, 4.0 + EndSlack) << call;
        EXPECT_GE(ended - looping, 2.0) << call;
        EXPECT_GE(countContaining(run.debug, "Brennock: An exception occurred inside a script:"), 1) << call;
        EXPECT_EQ(countContaining(run.debug, call), 1) << joined(run.debug);
        EXPECT_GE(indexOf(run, "DestroyWindow class=Brennock title=\"Brennock\""), 0);
        EXPECT_LT(indexOf(run, "engine: frame limit"), 0);
    }
}

// SIGTERM in a match and SIGINT in the main menu end the game as closing its window does:
// the end sequence runs (windows closed, the purchase page), exit code 0, within a second.
TEST_F(ProgramFaults, SigtermAndSigintEndTheGameAsClosingItsWindowDoes) {
    installFromGameFolder();
    // Space skips the fly-by: the fight is on by frame 500.
    std::ofstream(dir / "click.txt") << ClickQuickMatch << SkipFlyBy;
    struct Case {
        const char* name;
        int signal;
        int frame;  // the signal is sent once this frame is drawn
    };
    const Case cases[] = {{"match", SIGTERM, 500}, {"menu", SIGINT, 30}};
    std::vector<pid_t> runs;
    for (const Case& c : cases) {
        runs.push_back(launch({"VUZ_FRAME_TIME=0.0333333", "VUZ_FRAME_LIMIT=100000",
                               "VUZ_INPUT=" + (dir / "click.txt").string(),
                               "VUZ_SCREENSHOTS=" + std::to_string(c.frame) + ":" + (dir / c.name).string() + ".png"},
                              c.name));
    }
    for (size_t i = 0; i < runs.size(); ++i) {
        const fs::path shot = dir / (std::string(cases[i].name) + ".png");
        for (int wait = 0; wait < 1800 && !fs::exists(shot); ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        ASSERT_TRUE(fs::exists(shot)) << cases[i].name << ": the frame never came";
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        const double sent = wallSeconds();
        kill(runs[i], cases[i].signal);
        GameRun run = finish(runs[i]);
        // Within a second on an idle machine; the bound allows for a test machine busy with other
        // whole-program runs, which can delay the end by as much again.
        EXPECT_LT(wallSeconds() - sent, 2.0 + EndSlack) << cases[i].name;
        EXPECT_EQ(run.exitCode, 0) << cases[i].name;
        const int asked = indexOf(run, "engine: signal " + std::to_string(cases[i].signal) + " asks the game to end");
        const int closed = indexOf(run, "DestroyWindow class=Brennock title=\"Brennock\"");
        const int page = indexOf(run, std::string("ShellExecuteA open file://") + (dir / "game").string() + "/purchase.html");
        ASSERT_GE(asked, 0) << cases[i].name << "\n" << joined(run.log);
        EXPECT_GT(closed, asked) << cases[i].name;
        EXPECT_GT(page, closed) << cases[i].name;
        EXPECT_LT(indexOf(run, "engine: frame limit"), 0) << cases[i].name;
    }
}
