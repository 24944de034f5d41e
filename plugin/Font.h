// The plug-in's font is the toolkit's: made from a width file by path through the engine; with
// skipWidthFile every width is 0.8 and the engine's font spaces the text.
#pragma once

#include "gui/GuiFont.h"

namespace Vortane {

using Font = GuiFont;

}  // namespace Vortane
