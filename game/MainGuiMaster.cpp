#include "game/MainGuiMaster.h"

#include <algorithm>
#include <exception>
#include <string>

#include "app/GameMasterEH.h"
#include "audio/PlayList.h"
#include "audio/Song.h"
#include "audio/SongPlayer.h"
#include "game/ChampionshipMaster.h"
#include "game/DaviScreen.h"
#include "game/GameSetupScreen.h"
#include "game/LoadingScreen.h"
#include "game/MainMenuScreen.h"
#include "game/MatchScreen.h"
#include "game/SingleMatchMaster.h"
#include "gui/GuiArtist.h"
#include "gui/GuiBlocks.h"
#include "gui/GuiBorderFactory.h"
#include "gui/GuiFonts.h"
#include "gui/GuiManager.h"
#include "gui/GuiMessageBox.h"
#include "gui/GuiMouse.h"
#include "gui/GuiSound.h"
#include "gui/GuiTextBlockTicker.h"
#include "gui/PrimitiveFactory2D.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/win32/win32.h"
#include "state/ProfileState.h"

namespace Tavek {

namespace {

// The loading bar's values while the menu master builds: 0.05 + k * 0.4 / 19.
float buildProgress(int k) { return 0.05f + static_cast<float>(k) * 0.4f / 19.0f; }

constexpr int MenuCursor = 0;
constexpr int NoCursor = 3;

}  // namespace

MainGuiMaster::MainGuiMaster(GameMasterEH* gameMaster, uint32_t camera)
    : gameMaster(gameMaster), currentMaster(this), camera(camera) {
    primitiveFactory = std::make_unique<PrimitiveFactory2D>(static_cast<int>(camera));
    guiArtist = std::make_unique<GuiArtist>(primitiveFactory.get());
    borderFactory = std::make_unique<GuiBorderFactory>();
    font = fontWhite;
    guiSound = std::make_unique<GuiSound>();
    guiSound->setVolume(1.0f);
    ticker = std::make_unique<GuiTextBlockTicker>();
    mouse = std::make_unique<GuiMouse>(&guiArtist->mouseArtist);
    iWindowsMouseHide(1);
    mouse->setMode(NoCursor);
    guiBlocks = std::make_unique<GuiBlocks>(guiArtist.get(), borderFactory.get(), font, guiSound.get(), ticker.get());
    sharedGuiBlocks = guiBlocks.get();
    buildScreens();
    menuSong1 = std::make_unique<Song>("Tavek_res\\sounds\\songs\\menu1-intro.ogg",
                                       "Tavek_res\\sounds\\songs\\menu1-loop.ogg", false, true);
    menuSong2 = std::make_unique<Song>("Tavek_res\\sounds\\songs\\menu2.ogg", false, true);
    menuPlayList = std::make_unique<PlayList>();
    menuPlayList->add(menuSong1.get());
    menuPlayList->add(menuSong2.get());
}

void MainGuiMaster::buildScreens() {
    GuiManager* manager = guiManager();
    loadingScreen = std::make_unique<LoadingScreen>(manager, guiBlocks.get());
    if (manager) manager->setScreen(loadingScreen.get());
    for (int k = 0; k <= 6; ++k) loadingScreen->setProgressAndPresent(buildProgress(k));
    mainMenuScreen = std::make_unique<MainMenuScreen>(this, guiBlocks.get());
    loadingScreen->setProgressAndPresent(buildProgress(7));
    gameSetupScreen = std::make_unique<GameSetupScreen>(this, guiBlocks.get());
    loadingScreen->setProgressAndPresent(buildProgress(8));
    matchScreen = std::make_unique<MatchScreen>(this, guiBlocks.get());
    loadingScreen->setProgressAndPresent(buildProgress(9));
    daviScreen = std::make_unique<DaviScreen>(this, guiBlocks.get());
    singleMatchMaster = std::make_unique<SingleMatchMaster>(this);  // reports the next value itself
    championshipMaster = std::make_unique<ChampionshipMaster>(this);
    // Made after every screen, so it draws over them.
    messageBox = std::make_unique<GuiMessageBox>(manager, guiBlocks.get(), nullptr, 0);
    if (manager) manager->setMessageBox(messageBox.get());
}

MainGuiMaster::~MainGuiMaster() {
    if (GuiManager* manager = guiManager()) manager->forgetPanels();
    letGoOfMenuSongs();
    if (sharedGuiBlocks == guiBlocks.get()) sharedGuiBlocks = nullptr;
    messageBox.reset();
    daviScreen.reset();
    championshipMaster.reset();
    singleMatchMaster.reset();
    matchScreen.reset();
    gameSetupScreen.reset();
    mainMenuScreen.reset();
    loadingScreen.reset();
    menuSong1.reset();
    menuSong2.reset();
    menuPlayList.reset();
    mouse.reset();
    ticker.reset();
    guiSound.reset();
    borderFactory.reset();
    guiArtist.reset();
    primitiveFactory.reset();
    guiBlocks.reset();
    history.clear();
}

void MainGuiMaster::letGoOfMenuSongs() {
    SongPlayer* player = gameMaster ? gameMaster->getSongPlayer() : nullptr;
    if (!player) return;
    PlayList playing;
    player->getSongs(playing);
    auto ours = [this](const Song* song) { return song && (song == menuSong1.get() || song == menuSong2.get()); };
    const bool inList = std::any_of(playing.getSongs().begin(), playing.getSongs().end(), ours);
    if (inList || ours(player->getCurrent()) || ours(player->getPrevious())) {
        player->stop();
        player->clearSongs();
    }
}

GuiManager* MainGuiMaster::guiManager() const { return gameMaster ? gameMaster->getGuiManager() : nullptr; }

void MainGuiMaster::tick() {
    primitiveFactory->update();
    mouse->update();
    ticker->printAll();
}

// --- Navigation -------------------------------------------------------------------------------

void MainGuiMaster::goBack() {
    GuiManager* manager = guiManager();
    if (history.empty() || !manager) return;
    if (history.size() == 1) {
        manager->setScreen(daviScreen.get());
        return;
    }
    history.pop_back();
    manager->setScreen(history.back());
}

void MainGuiMaster::useMenuCursor() { mouse->setMode(MenuCursor); }

void MainGuiMaster::useMatchCursor() { mouse->setMode(NoCursor); }

void MainGuiMaster::playMenuSongs() {
    SongPlayer* player = gameMaster ? gameMaster->getSongPlayer() : nullptr;
    if (!player) return;
    if (player->isPlaying()) player->stop();
    player->setSongs(*menuPlayList);
    player->start();
}

void MainGuiMaster::showMainMenu() {
    if (!history.empty() && history.back() == mainMenuScreen.get()) return;
    useMenuCursor();
    if (gameMaster) gameMaster->getProfile();
    playMenuSongs();
    guiSound->setVolume(1.0f);
    history.push_back(mainMenuScreen.get());
    if (GuiManager* manager = guiManager()) manager->setScreen(mainMenuScreen.get());
}

void MainGuiMaster::startQuickMatch() {
    if (GuiManager* manager = guiManager()) manager->setScreen(nullptr);
    currentMaster = static_cast<SingleMatchMasterEH*>(singleMatchMaster.get());
    singleMatchMaster->begin();
}

void MainGuiMaster::leaveMode() {
    if (history.empty()) return;
    if (GuiManager* manager = guiManager()) manager->setScreen(history.back());
    currentMaster = this;
}

void MainGuiMaster::startChampionship() {
    if (GuiManager* manager = guiManager()) manager->setScreen(nullptr);
    currentMaster = championshipMaster.get();
    championshipMaster->begin();
}

void MainGuiMaster::showGameSetup() {
    if (!history.empty() && history.back() == gameSetupScreen.get()) return;
    ProfileState* profile = gameMaster ? gameMaster->getProfile() : nullptr;
    if (profile) gameSetupScreen->loadFromOptions(profile->getOptions());
    history.push_back(gameSetupScreen.get());
    if (GuiManager* manager = guiManager()) manager->setScreen(gameSetupScreen.get());
}

void MainGuiMaster::saveOptions() {
    ProfileState* profile = gameMaster ? gameMaster->getProfile() : nullptr;
    if (!profile) return;
    gameSetupScreen->storeToOptions(profile->getOptions());
    try {
        profile->save("");
    } catch (const std::exception& e) {
        // The options stay in the profile's record for this run; the old file is untouched.
        OutputDebugStringA((std::string("The options could not be saved: ") + e.what() + "\n").c_str());
        if (GuiManager* manager = guiManager())
            manager->showMessageBox(0, "Your options could not be saved.", "They stay in use until you quit.",
                                    nullptr);
    }
}

// --- As the running mode ----------------------------------------------------------------------

MatchScreenEH* MainGuiMaster::getMatchScreenEH() { return matchScreen.get(); }

void MainGuiMaster::onMatchScreenShown() {
    if (SongPlayer* player = gameMaster ? gameMaster->getSongPlayer() : nullptr) player->stop();
    mouse->setMode(NoCursor);
}

void MainGuiMaster::onMatchOver(int) { mouse->setMode(MenuCursor); }

void MainGuiMaster::onMatchClosed(int) {
    SongPlayer* player = gameMaster ? gameMaster->getSongPlayer() : nullptr;
    if (!player) return;
    player->stop();
    player->setSongs(*menuPlayList);
    player->start();
}

void MainGuiMaster::onDaviScreenDone() {
    if (gameMaster) gameMaster->requestQuit();
}

}  // namespace Tavek
