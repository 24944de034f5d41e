// The advertisement screen: the menu background with a full-screen overlay picture. After its
// delay a "press Esc" prompt shows and blinks (fading in over one second and out over the
// next), and only then does Esc leave it, by telling the running mode. The delay keeps its
// value between showings; showing the screen again restarts only the blink.
#pragma once

#include "game/ShinyScreen.h"

class GuiPanel;

namespace Tavek {

class MainGuiMasterEH;

class DaviScreen : public ShinyScreen {
public:
    DaviScreen(MainGuiMasterEH* master, GuiBlocks* skin);

    void activate() override;
    // Once the delay is over: the running mode's onDaviScreenDone. Before: nothing.
    void onLeave() override;
    // Seconds from now before the prompt shows and Esc is taken.
    virtual void setDelay(float seconds) { delay = seconds; }
    virtual void doLayout();
    void tick() override;

    float getDelay() const { return delay; }
    GuiPanel* getOverlay() const { return overlay; }

private:
    float delay = 0.0f;
    float blinkTime = 0.0f;
    MainGuiMasterEH* master;
    GuiPanel* overlay;  // a child of the screen
};

}  // namespace Tavek
