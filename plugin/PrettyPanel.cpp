#include "plugin/PrettyPanel.h"

#include "gui/GuiText.h"

namespace Vortane::Tavek {

const Vector2 PrettyPanel::TextCell{0.6f, 0.6f};

namespace {

const std::string PagePictures[3] = {
    "default_res\\sprites\\VAV_005_Main_BG_L.x",
    "default_res\\sprites\\VAV_006_Main_BG_R.x",
    "default_res\\sprites\\VAV_001_GeneralInformationB.x",
};
// Each picture's place and size on the page: the two paper halves, then the header band
// just above the paper.
const struct {
    Vector2 offset, size;
} PictureLayout[3] = {
    {{0.0f, 0.0f}, {7.5f, 11.0f}},
    {{7.5f, 0.0f}, {7.5f, 11.0f}},
    {{0.0f, 6.2f}, {15.0f, 1.4f}},
};
const Vector2 PageSize{15.0f, 11.0f};
const Vector2 TitlePlace{0.5f, 6.2f};
const Vector2 CaptionSize{5.5f, 1.0f};
constexpr int NoBorder = -1;
constexpr int OffsetAsSet = 3;

}  // namespace

PrettyPanel::PrettyPanel(GuiBlocks* skin) : GuiPanel(skin, NoBorder, PagePictures, 3, false) {
    setSize(PageSize);
    for (int i = 0; i < 3; ++i) {
        setPartOffset(i, PictureLayout[i].offset);
        setPartSize(i, PictureLayout[i].size);
    }
    hideBackground();
    setText("GENERAL INFORMATION");
    setTextCharSize(Vector2(0.7f, 0.7f));
    setTextAlignment(OffsetAsSet);
    setTextOffset(TitlePlace);
}

GuiComponent* PrettyPanel::addCaption(const std::string& text, float x, float y) {
    auto* caption = new GuiText(getBlocks(), NoBorder, nullptr, 0, -1, nullptr);
    addChild(caption);
    caption->setEditable(false);
    caption->setLocation(Vector2(x, y));
    caption->setSize(CaptionSize);
    caption->setText(text);
    caption->setTextCharSize(TextCell);
    caption->hideBackground();
    return caption;
}

}  // namespace Vortane::Tavek
