// A stepped selector: a panel holding a lever between arrow buttons, choosing a whole number
// between a minimum and a maximum (0 and 10 at first), shown as its caption. Horizontal, the
// left and right arrows step; vertical, the up and down arrows. Dragging snaps the knob to
// whole steps. Each child's event goes on to the parent unchanged, then the super lever raises
// its own value-changed event (value = the lever's fraction) to its listeners.
// An empty range (minimum = maximum) has fraction 0 and the value minimum.
#pragma once

#include "gui/GuiPanel.h"

class GuiButton;
class GuiLever;
class ObserveAbleNumber;

class GuiSuperLever : public GuiPanel {
public:
    // arrowPictures: four (up, down) picture pairs for the arrows up, down, select left and
    // select right; null gives the toolkit's own arrows.
    GuiSuperLever(GuiBlocks* skin, int borderStyle, const std::string* partPaths, int partCount,
                  ObserveAbleNumber* value, const std::string (*arrowPictures)[2] = nullptr);

    void refresh() override;
    void handleHighLevelEvent(HighLevelEvent& event) override;

    virtual void deactivateLever(int unused);  // hides the knob; the arrows stay
    virtual bool isLeverActive() const;
    // Snaps the fraction to the nearest whole step and shows the number.
    virtual void setLeverValue(float fraction);
    virtual float getLeverValue() const;
    // Clamps to the range; sends no event.
    virtual void setIntValue(int value);
    // The whole number the lever stands at (a fraction between steps counts down).
    virtual int getIntValue() const;
    virtual void setMinimum(int minimum);  // ignored above the maximum
    virtual int getMinimum() const { return minimum; }
    virtual void setMaximum(int maximum);  // ignored below the minimum
    virtual int getMaximum() const { return maximum; }
    virtual void setHorizontal(bool horizontal);
    virtual bool isHorizontal() const;
    virtual void setKnobLength(float length);
    virtual float getKnobLength() const;
    virtual void setShowsValue(bool shows) { showingValue = shows; }
    virtual bool showsValue() const { return showingValue; }
    // Reversed: up and right count down, down and left count up.
    virtual void setReversed(bool reversed) { this->reversed = reversed; }

    GuiLever* getLever() const { return lever; }
    GuiButton* getUpButton() const { return up; }
    GuiButton* getDownButton() const { return down; }
    GuiButton* getSelectLeftButton() const { return selectLeft; }
    GuiButton* getSelectRightButton() const { return selectRight; }

private:
    void arrange();
    bool stepByArrow(const GuiComponent* arrow);
    float range() const { return static_cast<float>(maximum) - static_cast<float>(minimum); }

    GuiLever* lever = nullptr;
    GuiButton* up = nullptr;
    GuiButton* down = nullptr;
    GuiButton* selectLeft = nullptr;
    GuiButton* selectRight = nullptr;
    int minimum = 0;
    int maximum = 10;
    bool showingValue = true;
    bool reversed = false;
};
