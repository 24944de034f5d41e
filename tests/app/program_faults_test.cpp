// The whole program against what a modder or the system may do to it: damaged or missing clips,
// a missing scene mesh, AI scripts that never return, SIGTERM and SIGINT. Each run plays in a
// copy of the game folder made of links to the built files, loose (no graphics.qmx), where the
// test damages only what it names.
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

// The main menu's "Quick Match", then the setup screen's "Fight Now!": the computer fights on
// side B, the player's side stands on the keyboard.
const char* const ClickQuickMatch = "1 mouse 0.703125 0.520833\n60 button 0 down\n62 button 0 up\n"
                                    "70 mouse 0.816 0.9375\n140 button 0 down\n142 button 0 up\n";

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

class ProgramFaults : public Program {
protected:
    // A game folder of links to the built one, loose, with its own registry naming it.
    fs::path linkedGame(const std::string& name) {
        const fs::path game = dir / name;
        for (const char* top : {"Tavek_res", "default_res", "purchase.html"}) {
            const fs::path from = fs::path(GAME_DIR) / top;
            if (!fs::is_directory(from)) {
                fs::create_symlink(from, game / top);
                continue;
            }
            for (const auto& entry : fs::recursive_directory_iterator(from)) {
                const fs::path to = game / top / fs::relative(entry.path(), from);
                if (entry.is_directory()) fs::create_directories(to);
                else fs::create_symlink(entry.path(), to);
            }
        }
        std::ofstream(dir / (name + ".reg")) << "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Harlowick\\Brennock Davi]\n"
                                            << "\"Path\"=\"" << game.string() << "\"\n";
        return game;
    }
    std::string registryOf(const std::string& name) { return "BRENNOCK_REGISTRY=" + (dir / (name + ".reg")).string(); }

    // The built file's text, for writing a damaged copy of it.
    static std::string builtText(const fs::path& relative) {
        std::ifstream in(fs::path(GAME_DIR) / relative, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    static void replace(const fs::path& file, const std::string& text) {
        fs::remove(file);
        std::ofstream(file, std::ios::binary) << text;
    }
};

}  // namespace

// Clips a fighter needs, removed or damaged: the idle clip and getting up removed, the walk cut
// in half, a kick whose key holds a non-number, a block with an absurd scale. The game starts,
// plays the quick match well into its fight without a crash, and the log names each clip that did
// not load. (A fall is the ragdoll's: it has no clip.)
TEST_F(ProgramFaults, DamagedOrMissingClipsNeverStopTheGame) {
    const fs::path game = linkedGame("game");
    const fs::path clips = game / "Tavek_res" / "skinmeshes";
    for (const char* side : {"", "Mirrored"}) {
        fs::remove(clips / side / "29_IdleBouncing_Loop.X");
        fs::remove(clips / side / "34_Kipup.X");
    }
    const std::string walk = builtText("Tavek_res/skinmeshes/000_walkcycle_left-ft-fwd.X");
    replace(clips / "000_walkcycle_left-ft-fwd.X", walk.substr(0, walk.size() / 2));
    const std::string kick = builtText("Tavek_res/skinmeshes/01_RearLegRoundHouseBodyTarget.X");
    replace(clips / "01_RearLegRoundHouseBodyTarget.X", withKeys(kick, ";4;", 1, ",", "nan", true));
    // Every three-number key (scale and offset) of the block a million million times too large.
    const std::string block = builtText("Tavek_res/skinmeshes/09_HeadBlock_RT.X");
    replace(clips / "09_HeadBlock_RT.X",
            withKeys(block, ";3;", 3, ";;", "1e12", false));
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
    // The fight is on: the match camera looks at the mat.
    Shot shot(fight);
    ASSERT_NE(shot.pixels, nullptr);
    EXPECT_GT(shot.share(-16.0f, -12.0f, 16.0f, 12.0f, isMat), 0.2) << "no fight on the mat";
}

// A scene mesh of the arena missing from the folder (and there is no archive) is named once in
// the log, however often the game asks for it.
TEST_F(ProgramFaults, AMissingSceneMeshIsNamedOnce) {
    const fs::path game = linkedGame("game");
    fs::remove(game / "Tavek_res" / "arenas" / "arena1" / "chair.x");
    std::ofstream(dir / "click.txt") << ClickQuickMatch;
    GameRun run = start({registryOf("game"), "VUZ_FRAME_LIMIT=150", "VUZ_INPUT=" + (dir / "click.txt").string()});
    ASSERT_EQ(run.exitCode, 0);
    EXPECT_EQ(countContaining(run.log, "resources: \"Tavek_res\\arenas\\arena1\\chair.x\" is neither in the archive "
                                       "nor a loose file"),
              1)
        << joined(run.log);
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
    std::ofstream(dir / "click.txt") << ClickQuickMatch;
    for (const std::string& name : {std::string("decide"), std::string("import")}) {
        const fs::path scripts = linkedGame(name) / "Tavek_res" / "scripts";
        for (const char* module : Modules)
            replace(scripts / (std::string(module) + ".py"), name == "decide" ? decideLoops : importLoops);
        const std::string call = ": " + name + (name == "decide" ? "()" : "") + " took longer than 2 s and was stopped.";
        GameRun run = finish(launch({registryOf(name), "VUZ_FRAME_LIMIT=100000",
                                     "VUZ_INPUT=" + (dir / "click.txt").string()},
                                    name));
        const double ended = wallSeconds();
        EXPECT_EQ(run.exitCode, 0) << call;
        const int from = indexOf(run.debug, "looping from ");
        ASSERT_GE(from, 0) << joined(run.debug);
        const double looping = std::stod(run.debug[static_cast<size_t>(from)].substr(13));
        EXPECT_LT(ended - looping, 3.0 + EndSlack) << call;
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
    std::ofstream(dir / "click.txt") << ClickQuickMatch;
    struct Case {
        const char* name;
        int signal;
        int frame;  // the signal is sent once this frame is drawn
    };
    const Case cases[] = {{"match", SIGTERM, 900}, {"menu", SIGINT, 30}};
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
        EXPECT_LT(wallSeconds() - sent, 1.0 + EndSlack) << cases[i].name;
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
