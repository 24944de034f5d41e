#include "gui/GuiLever.h"

#include "gui/GuiArtist.h"
#include "gui/IPrimitiveFactory.h"
#include "gui/IRect.h"
#include "gui/ObserveAbleNumber.h"
#include "platform/vuzirovari/vuzirovari.h"

GuiLever::GuiLever(GuiBlocks* skin, int borderStyle, const std::string* partPaths, int partCount,
                   ObserveAbleNumber* value)
    : GuiComponent(skin, borderStyle, partPaths, partCount, nullptr, false), value(value) {
    if (!this->value) {
        ownValue = std::make_unique<ObserveAbleNumber>();
        ownValue->value = 0.0f;
        this->value = ownValue.get();
    }
    this->value->addObserver(this);
    GuiArtist* artist = getArtist();
    if (IPrimitiveFactory* factory = getPrimitiveFactory(); factory && artist) {
        knob = factory->createRectPrimitive(artist->sliderArrowPath, false);
    }
    placeKnob();
}

GuiLever::~GuiLever() {
    if (IPrimitiveFactory* factory = getPrimitiveFactory()) factory->destroyRect(knob);
    value->removeObserver(this);
}

void GuiLever::setLocation(const Vector2& location) {
    if (location == getLocation()) return;
    GuiComponent::setLocation(location);
    placeKnob();
}

void GuiLever::setSize(const Vector2& size) {
    if (size == getSize()) return;
    GuiComponent::setSize(size);
    setTextOffset(Vector2(size.x, 0.0f));
    placeKnob();
}

void GuiLever::refresh() {
    GuiComponent::refresh();
    placeKnob();
}

void GuiLever::onMousePressed(int button) {
    if (!acceptsInput()) return;
    GuiComponent::onMousePressed(button);
    if (button == 0) dragging = true;
}

void GuiLever::onMouseReleased(int button) {
    if (!acceptsInput()) return;
    GuiComponent::onMouseReleased(button);
    if (button == 0) dragging = false;
}

void GuiLever::setAcceptsInput(bool accepts) {
    GuiComponent::setAcceptsInput(accepts);
    dragging = false;
}

void GuiLever::onMouseHeld(int button) {
    if (!acceptsInput()) return;
    GuiComponent::onMouseHeld(button);
    const float old = value->value;
    if (button != 0 || !dragging || parentInTransition()) return;

    const Vector2 at = getAbsoluteLocation(), size = getSize();
    const float length = knobLength;
    float fraction = 0.0f;
    if (horizontal) {
        // The knob's middle follows the pointer, kept on the track.
        const float px = 32.0f * iMouseX() - 16.0f;
        const float kx = px - length * 0.5f, left = at.x;
        const float span = size.x - length;
        if (span > 0.0f) fraction = (kx - left) / span;
        if (knob) knob->setSize(Vector2(length, size.y));
    } else {
        const float py = 12.0f - 24.0f * iMouseY() + 0.5f;
        const float top = at.y + size.y * 0.5f;
        const float kt = py + length * 0.5f;
        const float span = size.y - length;
        if (span > 0.0f) fraction = (top - kt) / span;
        if (knob) knob->setSize(Vector2(size.x, length));
    }
    // A knob as long as its track (or longer) has nowhere to go: its value stays 0.
    if (fraction < 0.0f) fraction = 0.0f;
    if (fraction > 1.0f) fraction = 1.0f;
    value->value = fraction;
    if (fraction != old) {
        HighLevelEvent event;
        event.valueChanged = true;
        event.value = fraction;
        raiseHighLevelEvent(event);
        value->notifyObservers(this);
    }
    placeKnob();
}

float GuiLever::getValue() const { return value->value; }

void GuiLever::setValue(float fraction) {
    if (fraction == value->value) return;
    value->value = fraction;
    value->notifyObservers(this);
    placeKnob();
}

void GuiLever::setHorizontal(bool newHorizontal) {
    if (newHorizontal == horizontal) return;
    horizontal = newHorizontal;
    placeKnob();
}

void GuiLever::setKnobLength(float length) {
    knobLength = length;
    placeKnob();
}

void GuiLever::placeKnob() {
    if (!knob) return;
    if (isActiveInHierarchy()) knob->show();
    else knob->hide();
    const Vector2 at = getAbsoluteLocation(), size = getSize();
    const float v = value->value, length = knobLength;
    if (horizontal) {
        knob->setSize(Vector2(length, size.y));
        knob->setLocation(Vector2(at.x + v * (size.x - length), at.y));
    } else {
        knob->setSize(Vector2(size.x, length));
        knob->setLocation(Vector2(at.x, at.y + size.y * 0.5f - v * (size.y - length) - length * 0.5f));
    }
}
