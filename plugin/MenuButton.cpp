#include "plugin/MenuButton.h"

#include "gui/GuiButton.h"
#include "gui/GuiPanel.h"

namespace Vortane {

namespace {

const Vector2 ButtonSize{6.5f, 1.0f};
const Vector2 CaptionCell{0.6f, 0.6f};
constexpr int WhiteFrame = 1;
constexpr int Centred = 1;

}  // namespace

GuiButton* addMenuButton(GuiPanel* panel, GuiBlocks* skin, const char* caption, const Vector2& location) {
    auto* button = new GuiButton(skin, WhiteFrame, nullptr, nullptr, nullptr, 0);
    panel->addChild(button);
    button->setLocation(location);
    button->setSize(ButtonSize);
    button->setText(caption);
    button->setTextAlignment(Centred);
    button->setTextCharSize(CaptionCell);
    return button;
}

}  // namespace Vortane
