// The font-width editor's one screen: no pictures, and Esc does nothing.
#pragma once

#include "gui/GuiScreen.h"

class WidScreen : public GuiScreen {
public:
    WidScreen(GuiManager* manager, GuiBlocks* skin) : GuiScreen(manager, skin, nullptr, 0) {}

    void onLeave() override {}
};
