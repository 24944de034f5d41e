#include "gui/GuiCheckBox.h"

#include "gui/GuiArtist.h"
#include "gui/IPrimitiveFactory.h"
#include "gui/IRect.h"
#include "gui/ObserveAbleBool.h"

GuiCheckBox::GuiCheckBox(GuiBlocks* skin, const std::string* partPaths, int partCount, ObserveAbleBool* value)
    : GuiComponent(skin, 0, partPaths, partCount, nullptr, false), value(value) {
    if (!this->value) {
        ownValue = std::make_unique<ObserveAbleBool>();
        ownValue->value = false;
        this->value = ownValue.get();
    }
    this->value->addObserver(this);
    GuiArtist* artist = getArtist();
    if (IPrimitiveFactory* factory = getPrimitiveFactory(); factory && artist) {
        onSprite = factory->createRectPrimitive(artist->checkBoxOnPath, false);
        offSprite = factory->createRectPrimitive(artist->checkBoxOffPath, false);
        offSprite->hide();
    }
    hideBackground();
    hideBorder();
    updateSprites();
}

GuiCheckBox::~GuiCheckBox() {
    if (IPrimitiveFactory* factory = getPrimitiveFactory()) {
        factory->destroyRect(onSprite);
        factory->destroyRect(offSprite);
    }
    value->removeObserver(this);
}

bool GuiCheckBox::isChecked() const { return value->value; }

void GuiCheckBox::setChecked(bool checked) {
    if (checked == value->value) return;
    value->value = checked;
    updateSprites();
}

void GuiCheckBox::setSize(const Vector2& size) {
    if (size == getSize()) return;
    GuiComponent::setSize(size);
    setTextOffset(Vector2(size.y, 0.0f));
}

void GuiCheckBox::refresh() {
    GuiComponent::refresh();
    updateSprites();
}

void GuiCheckBox::onMousePressed(int button) {
    if (!acceptsInput()) return;
    GuiComponent::onMousePressed(button);
    if (button == 0) pressed = true;
}

void GuiCheckBox::onMouseReleased(int button) {
    if (!acceptsInput()) return;
    GuiComponent::onMouseReleased(button);
    if (button != 0 || !pressed) return;
    pressed = false;
    if (!containsMouse() || parentInTransition()) return;
    value->value = !value->value;
    updateSprites();
    HighLevelEvent event;
    event.checkBoxToggled = true;
    event.checked = value->value;
    raiseHighLevelEvent(event);
    playKeySound();
}

void GuiCheckBox::setAcceptsInput(bool accepts) {
    GuiComponent::setAcceptsInput(accepts);
    pressed = false;
}

void GuiCheckBox::updateSprites() {
    if (!onSprite || !offSprite || !value) return;
    if (!isActiveInHierarchy()) {
        onSprite->hide();
        offSprite->hide();
    } else if (value->value) {
        onSprite->show();
        offSprite->hide();
    } else {
        onSprite->hide();
        offSprite->show();
    }
    const Vector2 location = getAbsoluteLocation(), size = getSize();
    for (IRect* sprite : {onSprite, offSprite}) {
        sprite->setSize(Vector2(size.y, size.y));
        sprite->setLocation(location);
    }
}
