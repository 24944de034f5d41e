#include "gui/GuiButton.h"

#include <algorithm>

#include "gui/GuiArtist.h"
#include "gui/IPrimitiveFactory.h"
#include "gui/IRect.h"

GuiButton::GuiButton(GuiBlocks* skin, int borderStyle, const std::string* upPath, const std::string* downPath,
                     const std::string* partPaths, int partCount)
    : GuiComponent(skin, borderStyle, partPaths, partCount, nullptr, false) {
    GuiArtist* artist = getArtist();
    if (IPrimitiveFactory* factory = getPrimitiveFactory(); factory && artist) {
        downSprite = factory->createRectPrimitive(downPath ? *downPath : artist->buttonDownPath, false);
        upSprite = factory->createRectPrimitive(upPath ? *upPath : artist->buttonUpPath, false);
        downSprite->hide();
    }
    setBorderLineWidth(0.25f);
    setTextAlignment(1);
    updateSprites();
}

GuiButton::~GuiButton() {
    if (IPrimitiveFactory* factory = getPrimitiveFactory()) {
        factory->destroyRect(downSprite);
        factory->destroyRect(upSprite);
    }
}

void GuiButton::refresh() {
    GuiComponent::refresh();
    updateSprites();
}

void GuiButton::onMousePressed(int button) {
    if (!acceptsInput()) return;
    GuiComponent::onMousePressed(button);
    if (button != 0) return;
    pressed = true;
    updateSprites();
}

void GuiButton::onMouseReleased(int button) {
    if (!acceptsInput()) return;
    GuiComponent::onMouseReleased(button);
    if (button != 0 || !pressed) return;
    pressed = false;
    updateSprites();
    if (!containsMouse() || parentInTransition()) return;
    HighLevelEvent event;
    event.actionPerformed = true;
    raiseHighLevelEvent(event);
    playKeySound();
}

void GuiButton::updateSprites() {
    if (!downSprite || !upSprite) return;
    if (!isActiveInHierarchy()) {
        downSprite->hide();
        upSprite->hide();
    } else if (pressed) {
        downSprite->show();
        upSprite->hide();
    } else {
        downSprite->hide();
        upSprite->show();
    }
    const Vector2 location = getAbsoluteLocation(), size = getSize();
    const float side = std::min(size.x, size.y);
    const Vector2 drawn = square ? Vector2(side, side) : size;
    for (IRect* sprite : {downSprite, upSprite}) {
        sprite->setSize(drawn);
        sprite->setLocation(location);
    }
}
