// A bar that shows a number (0..1 is full range) as a filled part of its rectangle, anchored at
// its start (0), middle (1) or end (2); horizontal or vertical; no border. The caption's
// alignment calls set the fill's anchoring instead. Values are not clamped, but one that is
// not a number hides the fill, as 0 does.
#pragma once

#include "gui/GuiComponent.h"

class ObserveAbleNumber;

class GuiFillBar : public GuiComponent {
public:
    // value: the number shown, or null for one of its own (starting 0).
    GuiFillBar(GuiBlocks* skin, const std::string* partPaths, int partCount, ObserveAbleNumber* value);
    ~GuiFillBar() override;

    virtual bool isHorizontal() const { return horizontal; }
    virtual void setHorizontal(bool horizontal);
    virtual float getValue() const;
    // Tells the number's observers when it changes.
    virtual void setValue(float value);

    void refresh() override;
    int getTextAlignment() const override { return alignment; }
    void setTextAlignment(int alignment) override;

    IRect* getFill() const { return fill; }
    // The number shown, for observers of the bar.
    ObserveAbleNumber* getNumber() const { return value; }

private:
    void updateBar();

    std::unique_ptr<ObserveAbleNumber> ownValue;
    ObserveAbleNumber* value;
    IRect* fill = nullptr;
    int alignment = 0;
    bool horizontal = true;
};
