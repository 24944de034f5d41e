// The start screen shown until the main menu is built: the menu background, the fighter and the
// logo, an "Exhibition" button that starts an exhibition match, and an "Exit Game" button; both
// slide in when the screen opens. The exit button and Esc end the game.
#pragma once

#include <functional>

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
    GuiButton* getExhibitionButton() const { return exhibitionButton; }
    // What the "Exhibition" button does.
    void setOnExhibition(std::function<void()> callback) { onExhibition = std::move(callback); }

private:
    GameMasterEH* gameMaster;
    SlideTransition slide;
    GuiButton* exitButton = nullptr;
    GuiButton* exhibitionButton = nullptr;
    std::function<void()> onExhibition;
    bool opening = false;
    bool closing = false;
};

}  // namespace Tavek
