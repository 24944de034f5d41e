#include "gui/GuiBarLever.h"

#include "gui/IPrimitiveFactory.h"
#include "gui/IRect.h"

GuiBarLever::GuiBarLever(GuiBlocks* skin, int borderStyle, const std::string& barPath, const std::string* partPaths,
                         int partCount, ObserveAbleNumber* value)
    : GuiLever(skin, borderStyle, partPaths, partCount, value) {
    if (IPrimitiveFactory* factory = getPrimitiveFactory()) {
        bar = factory->createRectPrimitive(barPath, false);
        bar->setSize(getSize());
        bar->setLocation(getAbsoluteLocation());
        bar->show();
    }
    if (IRect* knob = getKnob()) knob->hide();
}

GuiBarLever::~GuiBarLever() {
    if (IPrimitiveFactory* factory = getPrimitiveFactory()) factory->destroyRect(bar);
}

void GuiBarLever::setLocation(const Vector2& location) {
    if (location == getLocation()) return;
    GuiComponent::setLocation(location);
    if (bar) bar->setLocation(getAbsoluteLocation());
    showBar();
}

void GuiBarLever::setSize(const Vector2& size) {
    if (size == getSize()) return;
    GuiComponent::setSize(size);
    setTextOffset(Vector2(size.x, 0.0f));
    if (bar) bar->setSize(size);
    showBar();
}

void GuiBarLever::refresh() {
    GuiComponent::refresh();
    placeKnob();
    showBar();
}

void GuiBarLever::showBar() {
    if (!bar) return;
    if (isActiveInHierarchy()) bar->show();
    else bar->hide();
}
