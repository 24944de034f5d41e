// An empty screen to stand in front of a fight with no HUD: no background, no pictures, and Esc
// does not leave it. The master is borrowed.
#pragma once

#include "gui/GuiScreen.h"

namespace Tavek {
class MainGuiMasterEH;
}

class DebugBattleScreen : public GuiScreen {
public:
    DebugBattleScreen(Tavek::MainGuiMasterEH* master, GuiBlocks* skin);
    void onLeave() override {}

private:
    Tavek::MainGuiMasterEH* master_;
};
