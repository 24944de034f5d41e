// The start screen shown until the main menu is built: the menu background, the fighter and the
// logo, and one "Exit Game" button that slides in when the screen opens. The button and Esc
// both end the game.
#pragma once

#include "gui/GuiScreen.h"
#include "gui/SlideTransition.h"

class GuiButton;

namespace Tavek {

class GameMasterEH;

class StandInScreen : public GuiScreen {
public:
    StandInScreen(GameMasterEH* gameMaster, GuiManager* manager, GuiBlocks* skin);
    ~StandInScreen() override;

    // Opening and closing slide the button; the manager hears when each has ended.
    void activate() override;
    void deactivate() override;
    void tick() override;
    void onLeave() override;
    void handleHighLevelEvent(HighLevelEvent& event) override;

    GuiButton* getExitButton() const { return exitButton; }

private:
    GameMasterEH* gameMaster;
    SlideTransition slide;
    GuiButton* exitButton = nullptr;
    bool opening = false;
    bool closing = false;
};

}  // namespace Tavek
