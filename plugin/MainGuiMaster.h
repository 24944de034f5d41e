// The plug-in's menu master: the toolkit objects of its skin, the cursor, the three screens and
// the screen history (the last entry is the screen shown).
#pragma once

#include <cstdint>
#include <list>
#include <memory>

#include "plugin/MainGuiMasterEH.h"

class GuiArtist;
class GuiBlocks;
class GuiBorderFactory;
class GuiFont;
class GuiMouse;
class GuiScreen;
class GuiTextBlockTicker;
class PrimitiveFactory2D;

namespace Vortane::Tavek {

class CompetitorCreationScreen;
class GameMaster;
class GameSetupScreen;
class MainMenuScreen;

class MainGuiMaster : public virtual MainGuiMasterEH {
public:
    // Takes the white font (and deletes it at the end); shows the main menu.
    MainGuiMaster(GameMaster* gameMaster, uint32_t camera);
    ~MainGuiMaster() override;
    MainGuiMaster(const MainGuiMaster&) = delete;
    MainGuiMaster& operator=(const MainGuiMaster&) = delete;

    // Prints the registered texts, moves the cursor and updates the factory.
    virtual void tick();

    GameMasterEH* getGameMaster() override;
    void showMainMenu() override;
    void goBack() override;
    void showGameSetup() override;
    void showCompetitorCreation() override;

    const std::list<GuiScreen*>& getHistory() const { return history_; }
    MainMenuScreen* getMainMenu() const { return mainMenu_.get(); }
    GameSetupScreen* getGameSetup() const { return gameSetup_.get(); }
    CompetitorCreationScreen* getCompetitorCreation() const { return competitorCreation_.get(); }

private:
    void show(GuiScreen* screen);

    GameMaster* gameMaster_;
    uint32_t camera_;
    std::unique_ptr<PrimitiveFactory2D> factory_;
    std::unique_ptr<GuiArtist> artist_;
    std::unique_ptr<GuiBorderFactory> borderFactory_;
    GuiFont* font_;
    std::unique_ptr<GuiTextBlockTicker> ticker_;
    std::unique_ptr<GuiBlocks> blocks_;
    std::unique_ptr<MainMenuScreen> mainMenu_;
    std::unique_ptr<GameSetupScreen> gameSetup_;
    std::unique_ptr<CompetitorCreationScreen> competitorCreation_;
    std::unique_ptr<GuiMouse> mouse_;
    std::list<GuiScreen*> history_;
};

}  // namespace Vortane::Tavek
