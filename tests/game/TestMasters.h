// Stand-ins for the game master and the menu master, for screens and effects tested without a
// whole game: each operation does nothing or answers what the test set, and the calls the
// screens make are counted.
#pragma once

#include <map>
#include <string>

#include "app/GameMasterEH.h"
#include "game/MainGuiMasterEH.h"
#include "gui/GuiMouse.h"

namespace gametest {

// A master of the running mode that counts the calls it receives.
struct CountingMaster : virtual Tavek::CurrentMasterEH {
    void onMatchScreenShown() override { ++calls["onMatchScreenShown"]; }
    void onMatchOver(int) override { ++calls["onMatchOver"]; }
    void onMatchClosed(int) override { ++calls["onMatchClosed"]; }
    void pauseMatch() override { ++calls["pauseMatch"]; }
    void resumeMatch() override { ++calls["resumeMatch"]; }
    void forfeitMatch() override { ++calls["forfeitMatch"]; }
    void onBack() override { ++calls["onBack"]; }
    void reserved8() override {}
    void reserved9(int) override {}
    void reserved10(int) override {}
    void reserved11(int) override {}
    void reserved12(int) override {}
    void reserved13() override {}
    void reserved14() override {}
    void reserved15() override {}
    void reserved16() override {}
    void reserved17(int) override {}
    void reserved18(int) override {}
    void reserved19() override {}
    void reserved20(int) override {}
    void reserved21() override {}
    void reserved22() override {}
    void reserved23() override {}
    void reserved24() override {}
    void reserved25() override {}
    void reserved26() override {}
    void reserved27() override {}
    void reserved28() override {}
    void onDaviScreenDone() override { ++calls["onDaviScreenDone"]; }
    Tavek::MatchScreenEH* getMatchScreenEH() override { return matchScreen; }

    int count(const std::string& call) const {
        auto it = calls.find(call);
        return it == calls.end() ? 0 : it->second;
    }
    std::map<std::string, int> calls;
    Tavek::MatchScreenEH* matchScreen = nullptr;
};

// The game master as screens see it: a camera, a GUI manager, and the song player and profile
// when the test gives them; quits and profile requests are counted.
struct TestGameMaster : Tavek::GameMasterEH {
    void saveProfile() override {}
    void reloadProfile() override {}
    void tick() override {}
    void requestQuit() override { ++quitRequests; }
    void idle() override {}
    uint32_t getCamera() override { return camera; }
    GuiManager* getGuiManager() override { return manager; }
    Tavek::ProfileState* getProfile() override {
        ++profileRequests;
        return profile;
    }
    void releaseProfile() override {}
    void loadProfile(const std::string&, const std::string&) override {}
    BattleManager* getBattleManager() override { return nullptr; }
    SongPlayer* getSongPlayer() override { return player; }

    uint32_t camera = 7;
    GuiManager* manager = nullptr;
    SongPlayer* player = nullptr;
    Tavek::ProfileState* profile = nullptr;
    int quitRequests = 0;
    int profileRequests = 0;
};

// The menu master: its cursor is a real one when the test gives it, its current master is the
// test's choice (itself at first).
struct TestMenuMaster : virtual Tavek::MainGuiMasterEH, CountingMaster {
    Tavek::GameMasterEH* getGameMaster() override { return game; }
    void goBack() override { ++calls["goBack"]; }
    void useMenuCursor() override {
        if (mouse) mouse->setMode(0);
    }
    void useMatchCursor() override {
        if (mouse) mouse->setMode(3);
    }
    void showMainMenu() override {}
    void startQuickMatch() override {}
    void leaveMode() override {}
    void reservedMenu7() override {}
    void reservedMenu8() override {}
    void startChampionship() override {}
    void showGameSetup() override {}
    void saveOptions() override {}
    void reservedMenu12() override {}
    void leaveModeAlt() override {}
    void reservedMenu14() override {}
    void reservedMenu15() override {}
    Tavek::MatchScreen* getMatchScreen() override { return nullptr; }
    LoadingScreen* getLoadingScreen() override { return nullptr; }
    Tavek::DaviScreen* getDaviScreen() override { return nullptr; }
    void reservedMenu19() override {}
    GuiBlocks* getGuiBlocks() override { return blocks; }
    GuiArtist* getGuiArtist() override { return nullptr; }
    GuiBorderFactory* getBorderFactory() override { return nullptr; }
    GuiFont* getFont() override { return nullptr; }
    GuiTextBlockTicker* getTicker() override { return nullptr; }
    Tavek::CurrentMasterEH* getCurrentMaster() override { return current ? current : this; }

    Tavek::GameMasterEH* game = nullptr;
    GuiMouse* mouse = nullptr;
    GuiBlocks* blocks = nullptr;
    Tavek::CurrentMasterEH* current = nullptr;
};

}  // namespace gametest
