#include "plugin/GeneralInfoPanel.h"

#include <cmath>
#include <string>

#include "gui/GuiCheckBox.h"
#include "gui/GuiLever.h"
#include "gui/GuiText.h"
#include "gui/HighLevelEvent.h"

namespace Vortane::Tavek {

namespace {

constexpr float CaptionX = 1.0f;
constexpr int NameLength = 20;
constexpr int NoBorder = -1;
constexpr int FrameBorder = 0;
constexpr int OffsetAsSet = 3;
constexpr float YoungestAge = 18.0f;
constexpr float AgeRange = 17.0f;

}  // namespace

GeneralInfoPanel::GeneralInfoPanel(GuiBlocks* skin) : PrettyPanel(skin) {
    addCaption("NAME", CaptionX, 4.5f);
    name_ = addField(4.5f);
    addCaption("SCHOOL", CaptionX, 3.0f);
    school_ = addField(3.0f);
    addCaption("GENDER", CaptionX, 1.5f);
    male_ = addBox(genderGroup_, "MALE", 7.0f, 1.5f);
    female_ = addBox(genderGroup_, "FEMALE", 10.5f, 1.5f);
    addCaption("AGE", CaptionX, 0.0f);
    age_ = addLever(8.0f, 0.0f, 6.0f, -1.0f);
    age_->setText("18");
    addCaption("LOOK", CaptionX, -1.5f);
    look_ = addLever(7.0f, -1.5f, 7.0f, -2.0f);
    addCaption("STANCE", CaptionX, -3.0f);
    left_ = addBox(stanceGroup_, "Left", 7.0f, -3.0f);
    right_ = addBox(stanceGroup_, "Right", 10.5f, -3.0f);
}

GeneralInfoPanel::~GeneralInfoPanel() {
    // The boxes are deleted with the panel's children; the groups stop listening first.
    for (GuiCheckBox* box : {male_, female_}) genderGroup_.remove(box);
    for (GuiCheckBox* box : {left_, right_}) stanceGroup_.remove(box);
}

void GeneralInfoPanel::handleHighLevelEvent(HighLevelEvent& event) {
    PrettyPanel::handleHighLevelEvent(event);
    if (event.valueChanged && event.source == age_) age_->setText(std::to_string(ageFor(age_->getValue())));
}

int GeneralInfoPanel::ageFor(float fraction) {
    return static_cast<int>(std::lround(fraction * AgeRange + YoungestAge));
}

GuiText* GeneralInfoPanel::addField(float y) {
    auto* field = new GuiText(getBlocks(), FrameBorder, nullptr, 0, NameLength, nullptr);
    addChild(field);
    field->setLocation(Vector2(7.0f, y));
    field->setSize(Vector2(7.0f, 1.0f));
    field->setTextCharSize(TextCell);
    field->hideBackground();  // the black letters on the paper, inside their frame
    return field;
}

GuiCheckBox* GeneralInfoPanel::addBox(GuiCheckBoxManager& group, const char* text, float x, float y) {
    auto* box = new GuiCheckBox(getBlocks(), nullptr, 0, nullptr);
    addChild(box);
    box->setLocation(Vector2(x, y));
    box->setSize(Vector2(1.0f, 1.0f));
    box->setText(text);
    box->setTextCharSize(TextCell);
    box->setTextAlignment(OffsetAsSet);
    box->setTextOffset(Vector2(1.0f, 0.0f));
    box->hideBackground();
    group.add(box);
    return box;
}

GuiLever* GeneralInfoPanel::addLever(float x, float y, float width, float textOffset) {
    auto* lever = new GuiLever(getBlocks(), NoBorder, nullptr, 0, nullptr);
    addChild(lever);
    lever->setLocation(Vector2(x, y));
    lever->setSize(Vector2(width, 1.0f));
    lever->setTextAlignment(OffsetAsSet);
    lever->setTextOffset(Vector2(textOffset, 0.0f));
    lever->setTextCharSize(TextCell);
    lever->hideBackground();
    return lever;
}

}  // namespace Vortane::Tavek
