// A whole game master in a scratch copy of the game folder (loose files), drawing off, played
// one game frame at a time by the player's hand: the quick match's click points, the loading
// bar's values, the texts, sprites and sounds the engine holds.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/GameMaster.h"
#include "app/ProcessState.h"
#include "audio/SongPlayer.h"
#include "fight/BattleManager.h"
#include "game/DaviScreen.h"
#include "game/LoadingScreen.h"
#include "game/MainGuiMaster.h"
#include "game/MainMenuScreen.h"
#include "game/MatchScreen.h"
#include "game/PauseDLG.h"
#include "game/SingleMatchMaster.h"
#include "game/SingleMatchSetupScreen.h"
#include "gui/GuiButton.h"
#include "gui/GuiFillBar.h"
#include "gui/GuiManager.h"
#include "gui/GuiMessageBox.h"
#include "gui/GuiMouse.h"
#include "gui/GuiSuperLever.h"
#include "gui/ObserveAbleNumber.h"
#include "gui/Observer.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "platform/win32/win32_host.h"
#include "state/EnemyFighterState.h"
#include "state/ProfileState.h"
#include "tests/support/ScratchGameFolder.h"

namespace quicktest {

using Tavek::SingleMatchSetupScreen;

// Click points, 0..1 from the top-left of the window.
struct Point {
    float u, v;
};
constexpr Point QuickMatchButton{0.703125f, 0.520833f};
constexpr Point FightNow{0.816f, 0.9375f};
constexpr Point Back{0.113f, 0.9375f};
constexpr Point ControllerARight{0.406f, 0.521f};
constexpr Point ControllerALeft{0.125f, 0.521f};
constexpr Point FighterARight{0.406f, 0.214f};
constexpr Point FighterALeft{0.125f, 0.214f};
constexpr Point Forfeit{0.623f, 0.646f};
constexpr Point Resume{0.779f, 0.646f};
// The arena buttons, Dojang to World: 4 units wide at x 5, 9.5, 14, 18.5, 23 on the screen.
inline Point arenaButton(int k) { return {(5.0f + 4.5f * static_cast<float>(k) + 2.0f) / 32.0f, 0.8125f}; }

constexpr int FightingState = 0;
constexpr int PausedState = 2;
constexpr int EscKey = 1;
constexpr int HeldKey = 30;

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

class QuickMatch : public ::testing::Test {
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
    void build() {
        master = std::make_unique<Tavek::GameMaster>();
        menu = master->getMainGuiMaster();
        gui = master->getGuiManager();
        battle = master->getBattleManager();
        single = menu->getSingleMatchMaster();
        setup = single->getSetupScreen();
        matchScreen = menu->getMatchScreen();
    }
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
    void press(Point p) {
        vtMouseSet(p.u, p.v);
        vtMouseButtonSet(0, 1);
        frame();
    }
    void release() {
        vtMouseButtonSet(0, 0);
        frame();
    }
    void click(Point p) {
        press(p);
        release();
    }
    void pressEsc() {
        vtKeySet(EscKey, 1);
        frame();
        vtKeySet(EscKey, 0);
        frame();
    }
    // From the opened main menu to the opened setup screen.
    void openSetup() {
        ASSERT_TRUE(frameUntil([&] { return menu->getMainMenuScreen()->acceptsInput(); }));
        click(QuickMatchButton);
        ASSERT_TRUE(frameUntil([&] { return setup->acceptsInput(); })) << "no setup screen";
    }
    static bool printed(const std::string& text) {
        for (int i = 0; i < vtTextCount(); ++i) {
            vtText t{};
            if (vtTextGet(i, &t) && t.text && text == t.text) return true;
        }
        return false;
    }
    // Visible sprites whose picture name holds the fragment.
    static int visibleSprites(const std::string& fragment) {
        int n = 0;
        for (int i = 0; i < vtSpriteCount(); ++i) {
            vtSprite s{};
            if (vtSpriteGet(vtSpriteAt(i), &s) && s.visible && s.textureName &&
                std::string(s.textureName).find(fragment) != std::string::npos)
                ++n;
        }
        return n;
    }
    // Whether exactly the chosen arena button shows its chosen look.
    static ::testing::AssertionResult arenaLook(int chosen) {
        const char* const names[5] = {"Dojang", "Local", "State", "National", "World"};
        for (int k = 0; k < 5; ++k) {
            const std::string name = std::string("Arena-") + names[k];
            const int first = visibleSprites(name + "-2"), second = visibleSprites(name + "-1");
            if (first != (k == chosen ? 1 : 0) || second != (k == chosen ? 0 : 1))
                return ::testing::AssertionFailure() << names[k] << ": -2 shown " << first << ", -1 shown " << second;
        }
        return ::testing::AssertionSuccess();
    }
    static int invalidSounds() {
        int n = 0;
        for (int i = 0; i < vtSoundLogCount(); ++i) {
            vtSoundEvent e{};
            vtSoundLogGet(i, &e);
            const bool invalid = e.path && std::string(e.path).find("invalid selection") != std::string::npos;
            n += e.kind == vtSoundStarted && invalid;
        }
        return n;
    }
    int cursor() const { return menu->getMouse()->getMode(); }
    Tavek::CurrentMasterEH* singleAsCurrent() const { return static_cast<Tavek::SingleMatchMasterEH*>(single); }
    Tavek::CurrentMasterEH* menuAsCurrent() const { return static_cast<Tavek::MainGuiMasterEH*>(menu); }
    // The bar's values since the last 0.0 it took.
    std::vector<float> sinceLastZero() const {
        size_t zero = record.values.size();
        while (zero > 0 && record.values[zero - 1] != 0.0f) --zero;
        if (zero == 0) return {};
        return std::vector<float>(record.values.begin() + static_cast<long>(zero) - 1, record.values.end());
    }

    BarRecord record;
    std::string debug;
    std::unique_ptr<ScratchGameFolder> folder;
    std::unique_ptr<Tavek::GameMaster> master;
    Tavek::MainGuiMaster* menu = nullptr;
    GuiManager* gui = nullptr;
    BattleManager* battle = nullptr;
    Tavek::SingleMatchMaster* single = nullptr;
    SingleMatchSetupScreen* setup = nullptr;
    Tavek::MatchScreen* matchScreen = nullptr;
};

}  // namespace quicktest
