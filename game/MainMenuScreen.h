// The main menu: five square picture buttons in a column on the right of the animated menu
// background. Each button goes to the menu master; "Exit Game" and Esc both go back, which from
// the main menu shows the advertisement screen. Its buttons are its children.
#pragma once

#include "game/ShinyScreen.h"

class GuiButton;

namespace Tavek {
class MainGuiMasterEH;
}

class MainMenuScreen : public ShinyScreen {
public:
    MainMenuScreen(Tavek::MainGuiMasterEH* master, GuiBlocks* skin);

    void onLeave() override;
    void handleHighLevelEvent(HighLevelEvent& event) override;

    GuiButton* getQuickMatchButton() const { return quickMatchButton; }
    GuiButton* getChampionshipButton() const { return championshipButton; }
    GuiButton* getGameOptionsButton() const { return gameOptionsButton; }
    GuiButton* getPracticeButton() const { return practiceButton; }
    GuiButton* getExitButton() const { return exitButton; }

private:
    GuiButton* makeButton(const char* caption, const char* pictureName, float y, GuiBlocks* skin);

    Tavek::MainGuiMasterEH* master;
    GuiButton* gameOptionsButton = nullptr;
    GuiButton* quickMatchButton = nullptr;
    GuiButton* championshipButton = nullptr;
    GuiButton* practiceButton = nullptr;
    GuiButton* exitButton = nullptr;
};
