// A slider: a knob on a track, dragged with the left button. Its value is a fraction 0..1 in a
// shared number: 0 puts the knob at the left (or top) end, 1 at the right (or bottom) end.
// A drag that changes the value raises a value-changed event and tells the number's observers.
#pragma once

#include "gui/GuiComponent.h"

class ObserveAbleNumber;

class GuiLever : public GuiComponent {
public:
    // value: the shared number, or null for one of its own (starting 0).
    GuiLever(GuiBlocks* skin, int borderStyle, const std::string* partPaths, int partCount, ObserveAbleNumber* value);
    ~GuiLever() override;

    void setLocation(const Vector2& location) override;
    void setSize(const Vector2& size) override;  // the caption stands right of the track
    void refresh() override;
    void onMouseHeld(int button) override;
    void onMousePressed(int button) override;
    void onMouseReleased(int button) override;
    void setAcceptsInput(bool accepts) override;

    virtual float getValue() const;
    // Stores the fraction as given (no clamp), tells the observers and moves the knob; no event.
    virtual void setValue(float value);
    virtual void setHorizontal(bool horizontal);
    virtual bool isHorizontal() const { return horizontal; }
    virtual void setKnobLength(float length);
    virtual float getKnobLength() const { return knobLength; }

    bool isDragging() const { return dragging; }

protected:
    void placeKnob();
    IRect* getKnob() const { return knob; }

private:
    std::unique_ptr<ObserveAbleNumber> ownValue;
    ObserveAbleNumber* value;
    float knobLength = 0.5f;
    bool horizontal = true;
    bool dragging = false;
    IRect* knob = nullptr;
};
