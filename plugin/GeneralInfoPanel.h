// The editor's first page: NAME and SCHOOL fields (20 characters at most), the GENDER and
// STANCE radio groups (neither checked at first; once one box is checked, exactly one stays
// checked), the AGE lever with its caption (18 to 35) and the LOOK lever.
#pragma once

#include "gui/GuiCheckBoxManager.h"
#include "plugin/PrettyPanel.h"

class GuiCheckBox;
class GuiLever;
class GuiText;

namespace Vortane::Tavek {

class GeneralInfoPanel : public PrettyPanel {
public:
    explicit GeneralInfoPanel(GuiBlocks* skin);
    ~GeneralInfoPanel() override;

    // After passing the event up: a value change of the age lever sets its caption to the age.
    void handleHighLevelEvent(HighLevelEvent& event) override;

    // The age a lever fraction stands for: the nearest whole number to v x 17 + 18.
    static int ageFor(float fraction);

    GuiText* getNameField() const { return name_; }
    GuiText* getSchoolField() const { return school_; }
    GuiCheckBox* getMaleBox() const { return male_; }
    GuiCheckBox* getFemaleBox() const { return female_; }
    GuiCheckBox* getLeftBox() const { return left_; }
    GuiCheckBox* getRightBox() const { return right_; }
    GuiLever* getAgeLever() const { return age_; }
    GuiLever* getLookLever() const { return look_; }

private:
    GuiText* addField(float y);
    GuiCheckBox* addBox(GuiCheckBoxManager& group, const char* text, float x, float y);
    GuiLever* addLever(float x, float y, float width, float textOffset);

    GuiCheckBoxManager genderGroup_;
    GuiCheckBoxManager stanceGroup_;
    GuiText* name_ = nullptr;
    GuiText* school_ = nullptr;
    GuiCheckBox* male_ = nullptr;
    GuiCheckBox* female_ = nullptr;
    GuiLever* age_ = nullptr;
    GuiLever* look_ = nullptr;
    GuiCheckBox* left_ = nullptr;
    GuiCheckBox* right_ = nullptr;
};

}  // namespace Vortane::Tavek
