// The loading screen: the menu background, the logo and "Loading Game" over a progress bar.
// Whoever does long work sets the progress, and each setting draws one frame at once, so the
// bar moves while the frame loop waits. The battle's set-up reports to it too. Esc does nothing.
#pragma once

#include "fight/LoadingProgress.h"
#include "gui/GuiScreen.h"

class GuiFillBar;

class LoadingScreen : public GuiScreen, public LoadingProgress {
public:
    LoadingScreen(GuiManager* manager, GuiBlocks* skin);

    void onLeave() override {}
    virtual float getProgress() const;
    // Sets the bar (0 empty .. 1 full) and draws one frame, also when the value is unchanged.
    void setProgress(float value) override;

    GuiFillBar* getProgressBar() const { return progressBar; }

private:
    GuiFillBar* progressBar;  // a child of the screen
};
