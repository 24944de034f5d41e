// The quick match on the game-master rig: its click points, the setup screen's arena looks, the
// buzz of a refused choice, and the masters it runs under.
#pragma once

#include "audio/SongPlayer.h"
#include "fight/BattleManager.h"
#include "game/DaviScreen.h"
#include "game/MainMenuScreen.h"
#include "game/MatchScreen.h"
#include "game/PauseDLG.h"
#include "game/SingleMatchMaster.h"
#include "game/SingleMatchSetupScreen.h"
#include "gui/GuiButton.h"
#include "gui/GuiMessageBox.h"
#include "gui/GuiMouse.h"
#include "gui/GuiSuperLever.h"
#include "state/EnemyFighterState.h"
#include "state/ProfileState.h"
#include "tests/support/GameMasterRig.h"

namespace quicktest {

using Tavek::SingleMatchSetupScreen;
using enginereads::printed;
using enginereads::visibleSprites;

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
constexpr int HeldKey = 30;

class QuickMatch : public gamemastertest::GameMasterRig {
protected:
    void build() override {
        GameMasterRig::build();
        battle = master->getBattleManager();
        single = menu->getSingleMatchMaster();
        setup = single->getSetupScreen();
        matchScreen = menu->getMatchScreen();
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
    // From the opened main menu to the opened setup screen.
    void openSetup() {
        ASSERT_TRUE(frameUntil([&] { return menu->getMainMenuScreen()->acceptsInput(); }));
        click(QuickMatchButton);
        ASSERT_TRUE(frameUntil([&] { return setup->acceptsInput(); })) << "no setup screen";
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

    BattleManager* battle = nullptr;
    Tavek::SingleMatchMaster* single = nullptr;
    SingleMatchSetupScreen* setup = nullptr;
    Tavek::MatchScreen* matchScreen = nullptr;
};

}  // namespace quicktest
