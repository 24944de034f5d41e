// The frame loop driven in-process: a stand-in game master decides what happens on which tick.
#include <gtest/gtest.h>

#include <filesystem>

#include <functional>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/GameMaster.h"
#include "app/ProcessState.h"
#include "app/WinMain.h"
#include "persistence/XMLFileException.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "platform/win32/win32_host.h"
#include "script/ScriptException.h"

namespace {

std::function<void(int tick)> onTick;
int ticks = 0;

class ScriptedGameMaster : public Tavek::GameMaster {
public:
    void tick() override {
        ++ticks;
        if (onTick) onTick(ticks);
    }
};

Tavek::GameMaster* makeScripted() { return new ScriptedGameMaster(); }

int loadingBarFrames = 0;

// The engine's call log, one call a line, without the frames the loading bar presents while the
// game master builds in the init phase; callLog() counts those in loadingBarFrames.
std::vector<std::string> callLog() {
    std::vector<std::string> lines;
    std::istringstream in(vtCallLog());
    loadingBarFrames = 0;
    bool initPhase = false;
    for (std::string line; std::getline(in, line);) {
        if (line == "init-begin") initPhase = true;
        if (line == "init-end") initPhase = false;
        if (initPhase && line == "render-now") {
            ++loadingBarFrames;
            continue;
        }
        lines.push_back(line);
    }
    return lines;
}

int countOf(const std::vector<std::string>& lines, const std::string& what) {
    int n = 0;
    for (const auto& l : lines) n += l == what;
    return n;
}

class FrameLoop : public ::testing::Test {
protected:
    void SetUp() override {
        // The game master's battle imports the pack's fighter scripts.
        previousFolder = std::filesystem::current_path();
        std::filesystem::current_path(GAME_DIR);
        resetProcessState();
        win32::resetForTests();
        vtReset();
        vtSetDrawing(0);
        vtSetFixedFrameTime(0.02f);
        win32::setShellOpenEnabled(false);
        win32::setSleepEnabled(false);
        makeGameMaster = makeScripted;
        ticks = 0;
        onTick = nullptr;
    }
    void TearDown() override {
        resetProcessState();
        vtReset();
        win32::resetForTests();
        std::filesystem::current_path(previousFolder);
    }
    std::filesystem::path previousFolder;
    int run() { return WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL); }

    void expectEndSequence() {
        EXPECT_TRUE(win32::liveWindows().empty());
        ASSERT_EQ(win32::shellOpens().size(), 1u);
        EXPECT_EQ(win32::shellOpens()[0], std::string("file://") + GAME_DIR + "/purchase.html");
    }
};

}  // namespace

// The phases run in order, an extra render asked for in a tick happens inside its run phase, a
// quit request ends the game after its tick, and the startup song is gone.
TEST_F(FrameLoop, PhasesRunInOrderWithTheExtraRenderInsideAndQuitEndsTheGame) {
    onTick = [](int t) {
        if (t == 2) extraRenderRequested = true;
        if (t == 3) theGameMaster->requestQuit();
    };
    EXPECT_EQ(run(), 0);
    std::vector<std::string> expected = {"open", "settings",
                                         "main", "init-begin", "init-end", "run-begin", "run-end", "render",
                                         "main", "run-begin", "render-now", "run-end", "render",
                                         "main", "run-begin", "exit", "run-end", "render"};
    EXPECT_EQ(callLog(), expected);
    EXPECT_FALSE(extraRenderRequested);
    // On the fixed frame time the clock stands still while the game master builds: the bar
    // presents the menu's eleven steps and two full bars (the battle's and the game master's).
    EXPECT_EQ(loadingBarFrames, 13);
    EXPECT_EQ(ticks, 3);
    EXPECT_EQ(vtEscEnabled(), 0);
    expectEndSequence();
    // The startup song is gone once the game master exists.
    EXPECT_NE(theGameMaster, nullptr);
    int playing = 1;
    EXPECT_EQ(vtSoundGet(startupSong, &playing, nullptr, nullptr, nullptr, nullptr), 0);
}

// A quit message does not end the game; closing the window ends the loop at the next pass. A
// paint message wipes the screen once the engine is ready.
TEST_F(FrameLoop, AQuitMessageDoesNotEndTheGameButClosingTheWindowDoesAndPaintWipes) {
    onTick = [](int t) {
        if (t == 1) {
            PostQuitMessage(0);
            PostMessageA(mainWindow, WM_PAINT, 0, 0);
        }
        if (t == 5) PostMessageA(mainWindow, WM_CLOSE, 0, 0);
    };
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(ticks, 5);
    EXPECT_EQ(countOf(callLog(), "wipe"), 1);
    EXPECT_TRUE(yieldAfterRender);
    expectEndSequence();
}

// An error raised in the init phase ends the game before any run phase; one raised in the run
// phase skips its run end and render.
TEST_F(FrameLoop, TheErrorFlagEndsTheGameAfterThePhaseThatRaisedIt) {
    vtRaiseErrorIn("init");
    EXPECT_EQ(run(), 0);
    auto log = callLog();
    EXPECT_EQ(countOf(log, "init-end"), 1);
    EXPECT_EQ(countOf(log, "run-begin"), 0);
    EXPECT_EQ(ticks, 0);
    expectEndSequence();

    SetUp();
    vtRaiseErrorIn("run");
    EXPECT_EQ(run(), 0);
    log = callLog();
    EXPECT_EQ(countOf(log, "run-begin"), 1);
    EXPECT_EQ(countOf(log, "run-end"), 0);
    EXPECT_EQ(countOf(log, "render"), 0);
    EXPECT_EQ(ticks, 1);
    expectEndSequence();
}

TEST_F(FrameLoop, AScriptFailureShowsOneBoxAndEndsTheGame) {
    onTick = [](int t) {
        if (t == 4) throw Tavek::ScriptException("NameError", "name 'x' is not defined", "fighter.py:12 decide");
    };
    EXPECT_EQ(run(), 0);
    ASSERT_EQ(win32::messageBoxes().size(), 1u);
    const auto& box = win32::messageBoxes()[0];
    EXPECT_EQ(box.caption, "Brennock");
    EXPECT_EQ(box.type, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(box.text,
              "An exception occurred inside a script:\n\nNameError: name 'x' is not defined\n\nfighter.py:12 decide");
    EXPECT_EQ(ticks, 4);
    expectEndSequence();
}

TEST_F(FrameLoop, OtherFailuresAreShownTooAndEndWithAnErrorCode) {
    onTick = [](int) { throw std::runtime_error("Missing Name attribute"); };
    EXPECT_EQ(run(), 1);
    ASSERT_EQ(win32::messageBoxes().size(), 1u);
    EXPECT_NE(win32::messageBoxes()[0].text.find("Missing Name attribute"), std::string::npos);
    EXPECT_EQ(win32::messageBoxes()[0].caption, "Brennock");
    expectEndSequence();

    SetUp();
    onTick = [](int) { throw XMLFileException("Could not read Tavek_res\\sounds\\soundscape.xml"); };
    EXPECT_EQ(run(), 1);
    ASSERT_EQ(win32::messageBoxes().size(), 1u);
    EXPECT_NE(win32::messageBoxes()[0].text.find("soundscape.xml"), std::string::npos);
    expectEndSequence();

    SetUp();
    onTick = [](int) { throw std::string("Missing filename for profile!"); };
    EXPECT_EQ(run(), 1);
    ASSERT_EQ(win32::messageBoxes().size(), 1u);
    EXPECT_NE(win32::messageBoxes()[0].text.find("Missing filename for profile!"), std::string::npos);
    expectEndSequence();
}

TEST_F(FrameLoop, WhenTheEngineFailsToOpenNoWindowStaysAndThePageOpens) {
    vtFailOpen(1);
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(countOf(callLog(), "main"), 0);
    expectEndSequence();

    SetUp();
    vtFailSettings(1);
    EXPECT_EQ(run(), 0);
    EXPECT_EQ(countOf(callLog(), "main"), 0);
    EXPECT_EQ(theGameMaster, nullptr);
    expectEndSequence();
}

TEST_F(FrameLoop, AnInactiveEngineWaitsForMessagesAndRunsNoPhase) {
    vtSetActive(0);
    vtInjectWindowEvent("expose");
    vtInjectWindowEvent("expose");
    vtInjectWindowEvent("close");
    EXPECT_EQ(run(), 0);
    auto log = callLog();
    EXPECT_EQ(countOf(log, "main"), 0);
    EXPECT_EQ(countOf(log, "wipe"), 2);
    EXPECT_EQ(ticks, 0);
    expectEndSequence();
}
