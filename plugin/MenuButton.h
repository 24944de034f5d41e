// The plug-in's buttons: the skin's button pictures, a white frame, the caption in the skin's
// font centred, 6.5 x 1 units at a place relative to the screen.
#pragma once

#include "math/Vector2.h"

class GuiBlocks;
class GuiButton;
class GuiPanel;

namespace Vortane {

// Makes the button and adds it to the panel, which owns it.
GuiButton* addMenuButton(GuiPanel* panel, GuiBlocks* skin, const char* caption, const Vector2& location);

}  // namespace Vortane
