// A whole game master in a scratch copy of the game folder (loose files), 1/60 s frames, played
// by the player's hand to a quick match between two computer fighters: the main menu's
// "Quick Match", side A's controller widened to the computer on the setup screen (no player can
// choose that; the match benchmarks need both sides on the computer), "Fight Now!".
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/GameMaster.h"
#include "app/ProcessState.h"
#include "audio/SongPlayer.h"
#include "fight/BattleManager.h"
#include "game/DaviScreen.h"
#include "game/MainGuiMaster.h"
#include "game/MainMenuScreen.h"
#include "game/MatchScreen.h"
#include "game/SingleMatchMaster.h"
#include "game/SingleMatchSetupScreen.h"
#include "gui/GuiManager.h"
#include "gui/GuiProcessState.h"
#include "gui/GuiSuperLever.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "platform/win32/crt.h"
#include "platform/win32/win32_host.h"
#include "script/ScriptMaster.h"
#include "tests/support/ScratchGameFolder.h"

class QuickMatchDriver {
public:
    static constexpr int ComputerController = 2;
    static constexpr int EscKey = 1;

    // drawing: the engine draws into its off-screen window (639 x 479) or not at all;
    // managerFactory: makes the game's GUI manager (the game's own when null).
    QuickMatchDriver(const std::string& gameDir, bool drawing, GuiManager* (*managerFactory)() = nullptr) {
        setenv("SDL_VIDEODRIVER", "offscreen", 0);
        setenv("ALSOFT_DRIVERS", "null", 0);
        resetProcessState();
        win32::resetForTests();
        win32::setSleepEnabled(false);  // the loading screen's wait, real time otherwise
        win32::setDebugSink([this](const char* text) { log += text; });
        vtReset();
        vtSetDrawing(drawing ? 1 : 0);
        vtSetFixedFrameTime(1.0f / 60.0f);
        vtJoyCountSet(0);
        if (!iVortaneOpen(nullptr, nullptr)) return;
        folder = std::make_unique<ScratchGameFolder>(gameDir);
        crt::srand(1u);
        if (managerFactory) makeGuiManager = managerFactory;
        master = std::make_unique<Tavek::GameMaster>();
        menu = master->getMainGuiMaster();
        gui = master->getGuiManager();
        battle = master->getBattleManager();
        single = menu->getSingleMatchMaster();
        setup = single->getSetupScreen();
        screen = menu->getMatchScreen();
    }
    ~QuickMatchDriver() {
        master.reset();
        resetProcessState();
        win32::setDebugSink(nullptr);
        win32::setSleepEnabled(true);
        folder.reset();
        vtReset();
    }
    QuickMatchDriver(const QuickMatchDriver&) = delete;
    QuickMatchDriver& operator=(const QuickMatchDriver&) = delete;

    bool ready() const { return master && battle && screen; }

    // One game frame as the frame loop runs it: the engine's frame, the game master's tick and
    // the extra render the menus ask for.
    void frame() {
        iVortaneMain();
        master->tick();
        extraRender();
    }
    void extraRender() {
        if (!extraRenderRequested) return;
        iRender();
        extraRenderRequested = false;
    }

    // From the main menu, or the setup screen, or the advertisement screen after a match, to the
    // first frame of a match between two computer fighters, the game's and the scripts' draws
    // seeded with seed. False when a screen did not come.
    bool startMatch(uint32_t seed) {
        if (gui->getScreen() == static_cast<GuiScreen*>(menu->getDaviScreen())) {
            frames(320);  // the advertisement screen ignores Esc for five seconds
            pressKey(EscKey);
        }
        if (gui->getScreen() != static_cast<GuiScreen*>(setup)) {
            if (!frameUntil([&] { return menu->getMainMenuScreen()->acceptsInput(); }, 600)) return fail("no main menu");
            click(0.703125f, 0.520833f);  // "Quick Match"
        }
        if (!frameUntil([&] { return setup->acceptsInput(); }, 600)) return fail("no setup screen");
        GuiSuperLever* controllerA = setup->getControllerASelector();
        controllerA->setMaximum(ComputerController);
        controllerA->setIntValue(ComputerController);
        controllerA->setText("CPU");
        crt::srand(seed);
        if (Tavek::ScriptMaster* scripts = master->getScriptMaster()) {
            scripts->importModule("random");
            scripts->execute("random.seed(" + std::to_string(seed) + ")");
        }
        log.clear();
        click(0.816f, 0.9375f);  // "Fight Now!"
        if (battle->getBattle().battleMode != 1) return fail("no match after Fight Now!");
        return battle->isHumanA() ? fail("side A is not the computer") : true;
    }
    // Why the last match did not start.
    std::string failure;

    bool fail(const char* why) {
        failure = why;
        return false;
    }
    bool matchOver() const { return log.find("Quick match over") != std::string::npos; }
    bool fighting() const { return battle->getBattle().battleMode == 1 && battle->getBattleState() == 0; }

    void frames(int count) {
        for (int i = 0; i < count; ++i) frame();
    }
    template <class Test>
    bool frameUntil(Test test, int limit) {
        for (int i = 0; i < limit && !test(); ++i) frame();
        return test();
    }
    void click(float u, float v) {
        vtMouseSet(u, v);
        vtMouseButtonSet(0, 1);
        frame();
        vtMouseButtonSet(0, 0);
        frame();
    }
    void pressKey(int key) {
        vtKeySet(key, 1);
        frame();
        vtKeySet(key, 0);
        frame();
    }

    std::string log;  // the game's log lines since the last match started
    std::unique_ptr<ScratchGameFolder> folder;
    std::unique_ptr<Tavek::GameMaster> master;
    Tavek::MainGuiMaster* menu = nullptr;
    GuiManager* gui = nullptr;
    BattleManager* battle = nullptr;
    Tavek::SingleMatchMaster* single = nullptr;
    Tavek::SingleMatchSetupScreen* setup = nullptr;
    Tavek::MatchScreen* screen = nullptr;
};
