// A decorated screen base for the fighter editor: a black header band with the logo and the
// editor's title, a grey band with a fill stripe under it, and a grey and blue footer band. The
// seven pictures sit behind the children and never move; there is no opening or closing
// animation. Subclasses add their widgets and say what Esc does.
#pragma once

#include "gui/GuiScreen.h"

class PrettyScreen : public GuiScreen {
public:
    PrettyScreen(GuiManager* manager, GuiBlocks* skin);
};
