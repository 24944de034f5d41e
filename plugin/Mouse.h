// The plug-in's cursor is the toolkit's: it follows iMouseX and iMouseY with the arrow picture
// of its artist ("default_res\sprites\cursor.x").
#pragma once

#include "gui/GuiMouse.h"

namespace Vortane {

using Mouse = GuiMouse;

}  // namespace Vortane
