// The plug-in's main menu: "Exit" (one step back, which from here ends the plug-in) and
// "Game Setup". Esc does what "Exit" does.
#pragma once

#include "gui/GuiScreen.h"

class GuiButton;

namespace Vortane::Tavek {

class MainGuiMasterEH;

class MainMenuScreen : public GuiScreen {
public:
    // skin: the menu master's bundle; owner: the menu master.
    MainMenuScreen(GuiBlocks* skin, MainGuiMasterEH* owner);

    void onLeave() override;
    void handleHighLevelEvent(HighLevelEvent& event) override;

    GuiButton* getExitButton() const { return exitButton_; }
    GuiButton* getGameSetupButton() const { return gameSetupButton_; }

private:
    MainGuiMasterEH* owner_;
    GuiButton* exitButton_ = nullptr;
    GuiButton* gameSetupButton_ = nullptr;
};

}  // namespace Vortane::Tavek
