#include "gui/GuiFillBar.h"

#include <cmath>

#include "gui/GuiArtist.h"
#include "gui/IPrimitiveFactory.h"
#include "gui/IRect.h"
#include "gui/ObserveAbleNumber.h"

GuiFillBar::GuiFillBar(GuiBlocks* skin, const std::string* partPaths, int partCount, ObserveAbleNumber* value)
    : GuiComponent(skin, -1, partPaths, partCount, nullptr, false), value(value) {
    if (!this->value) {
        ownValue = std::make_unique<ObserveAbleNumber>();
        ownValue->value = 0.0f;
        this->value = ownValue.get();
    }
    this->value->addObserver(this);
    GuiArtist* artist = getArtist();
    if (IPrimitiveFactory* factory = getPrimitiveFactory(); factory && artist) {
        fill = factory->createRectPrimitive(artist->secondFillPath, false);
    }
    updateBar();
}

GuiFillBar::~GuiFillBar() {
    value->removeObserver(this);
    if (IPrimitiveFactory* factory = getPrimitiveFactory()) factory->destroyRect(fill);
}

void GuiFillBar::setHorizontal(bool newHorizontal) {
    if (newHorizontal == horizontal) return;
    horizontal = newHorizontal;
    updateBar();
}

float GuiFillBar::getValue() const { return value->value; }

void GuiFillBar::setValue(float newValue) {
    if (newValue == value->value) return;
    value->value = newValue;
    value->notifyObservers(this);
    updateBar();
}

void GuiFillBar::refresh() {
    GuiComponent::refresh();
    updateBar();
}

void GuiFillBar::setTextAlignment(int newAlignment) {
    if (newAlignment == alignment) return;
    alignment = newAlignment;
    updateBar();
}

void GuiFillBar::updateBar() {
    if (!fill) return;
    if (isActiveInHierarchy()) fill->show();
    else fill->hide();
    const Vector2 size = getSize();
    Vector2 location = getAbsoluteLocation();
    const float v = value->value;
    if (v == 0.0f || !std::isfinite(v)) {
        fill->hide();
    } else {
        fill->setSize(horizontal ? Vector2(v * size.x, size.y) : Vector2(size.x, v * size.y));
    }
    const Vector2 filled = fill->getSize();
    if (alignment == 1) {
        if (horizontal) location.x += (size.x - filled.x) * 0.5f;
        else location.y += (size.y - filled.y) * 0.5f;
    } else if (alignment == 2) {
        if (horizontal) location.x += size.x - filled.x;
        else location.y += size.y - filled.y;
    }
    fill->setLocation(location);
}
