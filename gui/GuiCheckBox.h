// A check box: a square "on" or "off" picture for a shared switch, with its caption to the
// right. A click (as a button's) flips the switch without telling its observers, raises a
// check-box event and plays the key sound. setChecked sends nothing.
#pragma once

#include "gui/GuiComponent.h"

class ObserveAbleBool;

class GuiCheckBox : public GuiComponent {
public:
    // value: the switch shown, or null for one of its own (starting false).
    GuiCheckBox(GuiBlocks* skin, const std::string* partPaths, int partCount, ObserveAbleBool* value);
    ~GuiCheckBox() override;

    virtual bool isChecked() const;
    virtual void setChecked(bool checked);

    void setSize(const Vector2& size) override;  // the caption starts right of the square
    void refresh() override;
    void onMousePressed(int button) override;
    void onMouseReleased(int button) override;
    void setAcceptsInput(bool accepts) override;

private:
    void updateSprites();

    std::unique_ptr<ObserveAbleBool> ownValue;
    ObserveAbleBool* value;
    bool pressed = false;
    IRect* onSprite = nullptr;
    IRect* offSprite = nullptr;
};
