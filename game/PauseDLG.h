// The dialog over a paused match: the window picture, "Game paused", and the buttons "Forfeit"
// and "Resume", which go to the master that runs the match when they are clicked. While it is
// open the menu cursor shows; closing it brings back the match cursor. The match screen owns it;
// the running mode opens and closes it. The master and the skin are borrowed.
#pragma once

#include "gui/GuiDLG.h"

class GuiButton;
class GuiText;

namespace Tavek {

class MainGuiMasterEH;

class PauseDLG : public GuiDLG {
public:
    PauseDLG(MainGuiMasterEH* master, GuiBlocks* skin);

    void deactivate() override;  // the match cursor, then closed
    void activate() override;    // the menu cursor, then open
    void handleHighLevelEvent(HighLevelEvent& event) override;
    void tick() override;

    // Sizes the window and its picture.
    virtual void doLayout();

private:
    GuiPanel* window_;
    MainGuiMasterEH* master_;
    GuiBlocks* skin_;
    GuiText* title_;
    GuiButton* forfeitButton_;
    GuiButton* resumeButton_;
};

}  // namespace Tavek
