// The plug-in's game setup menu: "Back" and "Editor" (the competitor creation screen). Esc
// does what "Back" does.
#pragma once

#include "gui/GuiScreen.h"

class GuiButton;

namespace Vortane::Tavek {

class MainGuiMasterEH;

class GameSetupScreen : public GuiScreen {
public:
    // skin: the menu master's bundle; owner: the menu master.
    GameSetupScreen(GuiBlocks* skin, MainGuiMasterEH* owner);

    void onLeave() override;
    void handleHighLevelEvent(HighLevelEvent& event) override;

    GuiButton* getBackButton() const { return backButton_; }
    GuiButton* getEditorButton() const { return editorButton_; }

private:
    MainGuiMasterEH* owner_;
    GuiButton* backButton_ = nullptr;
    GuiButton* editorButton_ = nullptr;
};

}  // namespace Vortane::Tavek
