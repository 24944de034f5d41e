// A page of the fighter editor: 15 x 11 units of paper (a left and a right half) under a header
// band that carries the title "GENERAL INFORMATION", drawn with the skin it is given (the
// editor hands its pages a bundle with the black font).
#pragma once

#include <string>

#include "gui/GuiPanel.h"

namespace Vortane::Tavek {

class PrettyPanel : public GuiPanel {
public:
    // The character cell of every text on a page, large enough to read on the paper.
    static const Vector2 TextCell;

    explicit PrettyPanel(GuiBlocks* skin);

protected:
    // A caption of the page (a label, not editable) at (x, y), 5.5 x 1 units.
    GuiComponent* addCaption(const std::string& text, float x, float y);
};

}  // namespace Vortane::Tavek
