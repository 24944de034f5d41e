#include "plugin/StatsPanel.h"

#include <algorithm>

#include "gui/GuiLever.h"
#include "gui/GuiSuperLever.h"
#include "gui/GuiText.h"
#include "gui/HighLevelEvent.h"

namespace Vortane::Tavek {

namespace {

// The plug-in's arrows: (up, down) pictures for the arrows up, down, select left and select right.
const std::string LeftArrow = "default_res\\sprites\\VAV_002_Arrow_L.x";
const std::string RightArrow = "default_res\\sprites\\VAV_003_Arrow_r.x";
const std::string ArrowPictures[4][2] = {
    {LeftArrow, LeftArrow}, {RightArrow, RightArrow}, {LeftArrow, LeftArrow}, {RightArrow, RightArrow}};

constexpr float CaptionX = 1.0f;
constexpr float LeverX = 7.0f;
constexpr float FirstLeverY = 3.0f;
constexpr float RowStep = 1.5f;
constexpr float PointsY = 4.5f;
constexpr int NoBorder = -1;

}  // namespace

StatsPanel::StatsPanel(GuiBlocks* skin, const std::array<std::string, 6>& captions) : PrettyPanel(skin) {
    addCaption("POINTS LEFT", CaptionX, PointsY);
    remaining_ = addLabel(std::to_string(Budget), 9.0f, PointsY);
    addLabel("/", 10.0f, PointsY);
    addLabel(std::to_string(Budget), 12.0f, PointsY);
    for (size_t i = 0; i < levers_.size(); ++i) {
        const float y = FirstLeverY - RowStep * static_cast<float>(i);
        addCaption(captions[i], CaptionX, y);
        auto* lever = new GuiSuperLever(getBlocks(), NoBorder, nullptr, 0, nullptr, ArrowPictures);
        addChild(lever);
        lever->setLocation(Vector2(LeverX, y));
        lever->setSize(Vector2(7.0f, 1.0f));
        lever->setTextCharSize(TextCell);
        lever->hideBackground();
        lever->getLever()->hideBackground();  // the number shows on the paper
        levers_[i] = lever;
    }
}

void StatsPanel::handleHighLevelEvent(HighLevelEvent& event) {
    PrettyPanel::handleHighLevelEvent(event);
    if (!event.actionPerformed && !event.valueChanged) return;
    const auto moved = std::find(levers_.begin(), levers_.end(), event.source);
    if (moved == levers_.end()) return;
    int sum = 0;
    for (const GuiSuperLever* lever : levers_) sum += lever->getIntValue();
    if (sum > Budget) (*moved)->setIntValue((*moved)->getIntValue() + Budget - sum);
    remaining_->setText(std::to_string(std::max(0, Budget - sum)));
}

GuiText* StatsPanel::addLabel(const std::string& text, float x, float y) {
    auto* label = new GuiText(getBlocks(), NoBorder, nullptr, 0, -1, nullptr);
    addChild(label);
    label->setEditable(false);
    label->setLocation(Vector2(x, y));
    label->setSize(Vector2(1.0f, 1.0f));
    label->setText(text);
    label->setTextCharSize(TextCell);
    label->hideBackground();
    return label;
}

}  // namespace Vortane::Tavek
