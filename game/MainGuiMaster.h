// The menu master, the spine of the game's flow. The game master makes one at start-up and
// keeps it for the whole run. It builds the shared GUI core (primitive factory, skin, borders,
// click sound, print list, cursor, the skin bundle) and every menu screen behind the loading
// bar, owns the two mode masters (quick match, championship) and the menu music, keeps the history of the menu screens
// shown, and says which mode runs (the current master: itself when none does). It owns all
// of these; the game master is borrowed.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "game/MainGuiMasterEH.h"

class GameSetupScreen;
class GuiManager;
class GuiMessageBox;
class GuiMouse;
class GuiScreen;
class GuiSound;
class MainMenuScreen;
class PlayList;
class PrimitiveFactory2D;
class Song;

namespace Tavek {

class ChampionshipMaster;
class SingleMatchMaster;

class MainGuiMaster : public virtual MainGuiMasterEH {
public:
    // Builds everything with the loading bar moving, ending with the menu songs; the game
    // master then fills the bar and calls showMainMenu.
    MainGuiMaster(GameMasterEH* gameMaster, uint32_t camera);
    // Never run by the game; tests do. Lets go of the GUI manager's panels and of the song
    // player's menu songs before anything goes.
    ~MainGuiMaster() override;
    MainGuiMaster(const MainGuiMaster&) = delete;
    MainGuiMaster& operator=(const MainGuiMaster&) = delete;

    // Once a frame after the GUI manager's poll: the primitives, the cursor, every caption.
    virtual void tick();

    GameMasterEH* getGameMaster() override { return gameMaster; }
    void goBack() override;
    void useMenuCursor() override;
    void useMatchCursor() override;
    void showMainMenu() override;
    void startQuickMatch() override;
    void leaveMode() override;
    void reservedMenu7() override {}
    void reservedMenu8() override {}
    void startChampionship() override;
    void showGameSetup() override;
    // A save that fails is reported in the message box; the options stay in use.
    void saveOptions() override;
    void reservedMenu12() override {}
    void leaveModeAlt() override { leaveMode(); }
    void reservedMenu14() override {}
    void reservedMenu15() override {}
    MatchScreen* getMatchScreen() override { return matchScreen.get(); }
    LoadingScreen* getLoadingScreen() override { return loadingScreen.get(); }
    DaviScreen* getDaviScreen() override { return daviScreen.get(); }
    void reservedMenu19() override {}
    GuiBlocks* getGuiBlocks() override { return guiBlocks.get(); }
    GuiArtist* getGuiArtist() override { return guiArtist.get(); }
    GuiBorderFactory* getBorderFactory() override { return borderFactory.get(); }
    GuiFont* getFont() override { return font; }
    GuiTextBlockTicker* getTicker() override { return ticker.get(); }
    CurrentMasterEH* getCurrentMaster() override { return currentMaster; }

    void onMatchScreenShown() override;
    void onMatchOver(int result) override;
    void onMatchClosed(int result) override;
    void pauseMatch() override {}
    void resumeMatch() override {}
    void forfeitMatch() override {}
    void onBack() override { goBack(); }
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
    // From the advertisement screen shown on leaving the main menu: the game ends.
    void onDaviScreenDone() override;
    // The match screen's HUD part.
    MatchScreenEH* getMatchScreenEH() override;

    // The menu screens shown, oldest first.
    const std::vector<GuiScreen*>& getHistory() const { return history; }
    MainMenuScreen* getMainMenuScreen() const { return mainMenuScreen.get(); }
    GameSetupScreen* getGameSetupScreen() const { return gameSetupScreen.get(); }
    ChampionshipMaster* getChampionshipMaster() const { return championshipMaster.get(); }
    SingleMatchMaster* getSingleMatchMaster() const { return singleMatchMaster.get(); }
    GuiMouse* getMouse() const { return mouse.get(); }
    GuiMessageBox* getMessageBox() const { return messageBox.get(); }
    const PlayList* getMenuPlayList() const { return menuPlayList.get(); }

private:
    GuiManager* guiManager() const;
    void playMenuSongs();
    void buildScreens();
    void letGoOfMenuSongs();

    GameMasterEH* gameMaster;
    CurrentMasterEH* currentMaster;
    std::unique_ptr<SingleMatchMaster> singleMatchMaster;
    std::unique_ptr<ChampionshipMaster> championshipMaster;
    uint32_t camera;
    std::unique_ptr<PrimitiveFactory2D> primitiveFactory;
    std::unique_ptr<GuiBlocks> guiBlocks;
    std::unique_ptr<GuiArtist> guiArtist;
    std::unique_ptr<GuiBorderFactory> borderFactory;
    GuiFont* font = nullptr;  // the process-wide white font
    std::unique_ptr<GuiSound> guiSound;
    std::unique_ptr<GuiTextBlockTicker> ticker;
    std::unique_ptr<GuiMouse> mouse;
    std::unique_ptr<LoadingScreen> loadingScreen;
    std::unique_ptr<DaviScreen> daviScreen;
    std::unique_ptr<MainMenuScreen> mainMenuScreen;
    std::unique_ptr<GameSetupScreen> gameSetupScreen;
    std::unique_ptr<MatchScreen> matchScreen;
    std::unique_ptr<GuiMessageBox> messageBox;
    std::vector<GuiScreen*> history;
    std::unique_ptr<Song> menuSong1;
    std::unique_ptr<Song> menuSong2;
    std::unique_ptr<PlayList> menuPlayList;
};

}  // namespace Tavek
