#include "gui/GuiMouse.h"

#include "gui/GuiMouseArtist.h"
#include "gui/IPrimitiveFactory.h"
#include "gui/IRect.h"
#include "platform/vuzirovari/vuzirovari.h"

GuiMouse::GuiMouse(GuiMouseArtist* artist) : artist(artist) {
    IPrimitiveFactory* factory = artist ? artist->getPrimitiveFactory() : nullptr;
    if (factory) {
        factoryOwner = factory->getOwner();
        cursors[0] = factory->createRectPrimitive(artist->cursorPath, false);
        cursors[1] = factory->createRectPrimitive(artist->secondCursorPath, true);
        cursors[2] = factory->createRectPrimitive(artist->thirdCursorPath, true);
        for (IRect* cursor : cursors) cursor->setPriority(1);
    }
    refresh();
    iMouseResolutionSet(1024);
    refresh();
}

GuiMouse::~GuiMouse() {
    IPrimitiveFactory* factory = artist ? artist->getPrimitiveFactory() : nullptr;
    if (!factory) return;
    for (IRect* cursor : cursors) factory->destroyRect(cursor);
}

void GuiMouse::update() {
    setPosition(Vector2(iMouseX() * 32.0f - 16.0f, 12.0f - iMouseY() * 24.0f + size.y * 0.5f));
}

void GuiMouse::setMode(int newMode) {
    mode = newMode;
    refresh();
}

Vector2 GuiMouse::getCursorLocation() const { return cursors[0] ? cursors[0]->getLocation() : position; }

void GuiMouse::setPosition(const Vector2& newPosition) {
    position = newPosition;
    refresh();
}

void GuiMouse::refresh() {
    if (!cursors[0]) return;
    if (mode >= 0 && mode <= 3) {
        for (int i = 0; i < 3; ++i) {
            if (i == mode) cursors[i]->show();
            else cursors[i]->hide();
        }
    }
    for (IRect* cursor : cursors) {
        cursor->setLocation(position);
        cursor->setSize(size);
    }
}
