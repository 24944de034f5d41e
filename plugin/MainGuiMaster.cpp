#include "plugin/MainGuiMaster.h"

#include "gui/GuiArtist.h"
#include "gui/GuiBlocks.h"
#include "gui/GuiFonts.h"
#include "gui/GuiManager.h"
#include "gui/GuiTextBlockTicker.h"
#include "gui/PrimitiveFactory2D.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "plugin/BorderFactory.h"
#include "plugin/CompetitorCreationScreen.h"
#include "plugin/Font.h"
#include "plugin/GameMaster.h"
#include "plugin/GameSetupScreen.h"
#include "plugin/MainMenuScreen.h"
#include "plugin/Mouse.h"

namespace Vortane::Tavek {

namespace {

const char* const BlackLines = "default_res\\sprites\\VAV_007_2X2_Black.x";
const char* const WhiteLines = "default_res\\sprites\\VAV_008_2X2_White.x";

}  // namespace

MainGuiMaster::MainGuiMaster(GameMaster* gameMaster, uint32_t camera)
    : gameMaster_(gameMaster), camera_(camera) {
    factory_ = std::make_unique<PrimitiveFactory2D>(static_cast<int>(camera_));
    artist_ = std::make_unique<GuiArtist>(factory_.get());
    for (std::string& line : artist_->firstBorderArtist.linePaths) line = BlackLines;
    for (std::string& line : artist_->secondBorderArtist.linePaths) line = WhiteLines;
    borderFactory_ = std::make_unique<BorderFactory>();
    font_ = fontWhite;
    ticker_ = std::make_unique<GuiTextBlockTicker>();
    blocks_ = std::make_unique<GuiBlocks>(artist_.get(), borderFactory_.get(), font_, nullptr, ticker_.get());
    mainMenu_ = std::make_unique<MainMenuScreen>(blocks_.get(), this);
    gameSetup_ = std::make_unique<GameSetupScreen>(blocks_.get(), this);
    competitorCreation_ = std::make_unique<CompetitorCreationScreen>(blocks_.get(), this);
    showMainMenu();
    mouse_ = std::make_unique<Mouse>(&artist_->mouseArtist);
    iWindowsMouseHide(1);
}

MainGuiMaster::~MainGuiMaster() {
    if (GuiManager* manager = gameMaster_->getGuiManager()) manager->forgetPanels();
    mouse_.reset();
    competitorCreation_.reset();
    gameSetup_.reset();
    mainMenu_.reset();
    blocks_.reset();
    ticker_.reset();
    if (fontWhite == font_) fontWhite = nullptr;
    delete font_;
    borderFactory_.reset();
    artist_.reset();
    factory_.reset();
    history_.clear();
}

void MainGuiMaster::tick() {
    ticker_->printAll();
    mouse_->update();
    factory_->update();
}

GameMasterEH* MainGuiMaster::getGameMaster() { return gameMaster_; }

void MainGuiMaster::showMainMenu() { show(mainMenu_.get()); }

void MainGuiMaster::showGameSetup() { show(gameSetup_.get()); }

void MainGuiMaster::showCompetitorCreation() { show(competitorCreation_.get()); }

void MainGuiMaster::goBack() {
    if (history_.size() <= 1) {
        gameMaster_->quit();
        return;
    }
    history_.pop_back();
    gameMaster_->getGuiManager()->setScreen(history_.back());
}

void MainGuiMaster::show(GuiScreen* screen) {
    if (!history_.empty() && history_.back() == screen) return;
    history_.push_back(screen);
    gameMaster_->getGuiManager()->setScreen(screen);
}

}  // namespace Vortane::Tavek
