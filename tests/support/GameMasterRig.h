// A whole game master in a scratch copy of the game folder (loose files), drawing off, played
// one game frame at a time by the player's hand: the loading bar's values, the game's own lines,
// the texts and sprites the engine holds. build() makes the game master when the test has set
// up the folder.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/GameMaster.h"
#include "app/ProcessState.h"
#include "game/LoadingScreen.h"
#include "game/MainGuiMaster.h"
#include "gui/GuiFillBar.h"
#include "gui/GuiManager.h"
#include "gui/ObserveAbleNumber.h"
#include "gui/Observer.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "platform/win32/win32_host.h"
#include "tests/support/EngineReads.h"
#include "tests/support/ScratchGameFolder.h"

namespace gamemastertest {

// Every value the loading bar takes, with the engine's render count when it was set.
struct BarRecord : Observer {
    void notify(ObserveAble* changed, void*) override {
        values.push_back(static_cast<ObserveAbleNumber*>(changed)->value);
        renders.push_back(vtRenderCount());
    }
    std::vector<float> values;
    std::vector<int> renders;
};
inline BarRecord* bar = nullptr;

// A GUI manager that hangs the record on the loading screen's bar when it first shows it.
struct RecordingManager : GuiManager {
    void setScreen(GuiScreen* screen) override {
        if (auto* loading = dynamic_cast<LoadingScreen*>(screen); loading && !attached && bar) {
            attached = true;
            loading->getProgressBar()->getNumber()->addObserver(bar);
        }
        GuiManager::setScreen(screen);
    }
    bool attached = false;
};

class GameMasterRig : public ::testing::Test {
protected:
    void SetUp() override {
        resetProcessState();
        win32::resetForTests();
        win32::setSleepEnabled(false);
        win32::setDebugSink([this](const char* text) { debug += text; });
        vtReset();
        vtSetDrawing(0);
        vtSetFixedFrameTime(1.0f / 60.0f);
        vtJoyCountSet(0);
        ASSERT_EQ(iVortaneOpen(nullptr, nullptr), 1);
        folder = std::make_unique<ScratchGameFolder>(GAME_DIR);
        bar = &record;
        makeGuiManager = []() -> GuiManager* { return new RecordingManager(); };
    }
    void TearDown() override {
        if (master) master->getMainGuiMaster()->getLoadingScreen()->getProgressBar()->getNumber()->removeObserver(bar);
        master.reset();
        bar = nullptr;
        resetProcessState();
        win32::setDebugSink(nullptr);
        win32::setSleepEnabled(true);
        if (folder && HasFailure()) folder->keep();
        folder.reset();
        vtReset();
    }
    virtual void build() {
        master = std::make_unique<Tavek::GameMaster>();
        menu = master->getMainGuiMaster();
        gui = master->getGuiManager();
    }
    // One game frame, as the frame loop runs it.
    void frame() {
        iVortaneMain();
        master->tick();
        if (extraRenderRequested) {
            iRender();
            extraRenderRequested = false;
        }
    }
    void frames(int count) {
        for (int i = 0; i < count; ++i) frame();
    }
    // Frames until the test holds (at most limit); whether it did.
    bool frameUntil(const std::function<bool()>& test, int limit = 200) {
        for (int i = 0; i < limit && !test(); ++i) frame();
        return test();
    }
    void pressEsc() {
        vtKeySet(1, 1);
        frame();
        vtKeySet(1, 0);
        frame();
    }

    BarRecord record;
    std::string debug;
    std::unique_ptr<ScratchGameFolder> folder;
    std::unique_ptr<Tavek::GameMaster> master;
    Tavek::MainGuiMaster* menu = nullptr;
    GuiManager* gui = nullptr;
};

}  // namespace gamemastertest
