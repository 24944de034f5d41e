// The loading screen: the menu background, the logo and "Loading Game" over a progress bar.
// Whoever does long work sets the progress, and the setting draws a frame at once, so the bar
// moves while the frame loop waits. The battle's set-up reports to it too. Esc does nothing.
#pragma once

#include "fight/LoadingProgress.h"
#include "gui/GuiScreen.h"

class GuiFillBar;

class LoadingScreen : public GuiScreen, public LoadingProgress {
public:
    // The shortest time between two frames the bar presents: one refresh of a 60 Hz display,
    // less a little so a bar set once per fixed 1/60 s frame presents in every frame.
    static constexpr float FrameInterval = 1.0f / 60.0f - 0.0005f;

    LoadingScreen(GuiManager* manager, GuiBlocks* skin);

    void onLeave() override {}
    virtual float getProgress() const;
    // Sets the bar (0 empty .. 1 full), also when the value is unchanged, and presents a frame
    // when FrameInterval has passed on the engine's clock since the bar's last frame ended, and
    // always for a full bar. A display shows no more frames than that, and a long set-up that reports
    // hundreds of steps does not wait for hundreds of frames. The engine's clock is real time,
    // or the fixed frame time of a replay, where it stands still inside a blocking load: a
    // replay presents the same frames every time.
    void setProgress(float value) override;
    // Sets the bar and always presents a frame: the menu master's own steps.
    void setProgressAndPresent(float value);

    GuiFillBar* getProgressBar() const { return progressBar; }

private:
    void present();

    GuiFillBar* progressBar;  // a child of the screen
    bool presented = false;   // whether the bar has presented a frame yet
    float lastPresent = 0.0f; // the engine's clock when the bar's last frame ended
};
