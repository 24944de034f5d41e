#include "gui/GuiBorder.h"

#include "gui/GuiBorderArtist.h"
#include "gui/ILine.h"
#include "gui/IPrimitiveFactory.h"

GuiBorder::GuiBorder(GuiBorderArtist* artist) : artist(artist) {
    IPrimitiveFactory* factory = artist ? artist->getPrimitiveFactory() : nullptr;
    if (factory) {
        for (int i = 0; i < 4; ++i) lines[i] = factory->createLinePrimitive(artist->linePaths[i]);
    }
    GuiBorder::refresh();
}

GuiBorder::~GuiBorder() {
    IPrimitiveFactory* factory = artist ? artist->getPrimitiveFactory() : nullptr;
    if (!factory) return;
    for (ILine* line : lines) factory->destroyLine(line);
}

void GuiBorder::setLineWidth(float width) {
    if (width == lineWidth) return;
    lineWidth = width;
    refresh();
}

void GuiBorder::setLocation(const Vector2& newLocation) {
    if (newLocation == location) return;
    location = newLocation;
    refresh();
}

void GuiBorder::setSize(const Vector2& newSize) {
    if (newSize == size) return;
    size = newSize;
    refresh();
}

void GuiBorder::hide() {
    if (!shown) return;
    shown = false;
    refresh();
}

void GuiBorder::show() {
    if (shown) return;
    shown = true;
    refresh();
}

void GuiBorder::refresh() {
    if (!artist || !lines[0]) return;
    const float t = lineWidth, x = location.x, y = location.y, w = size.x, h = size.y;
    for (ILine* line : lines) {
        line->setWidth(t);
        if (shown) line->show();
        else line->hide();
    }
    lines[0]->setLocation(Vector2(x - t * 0.5f, y + h * 0.5f));
    lines[0]->setLength(w + t);
    lines[1]->setLocation(Vector2(x + w, y - h * 0.5f));
    lines[1]->setAngle(90.0f);
    lines[1]->setLength(h);
    lines[2]->setLocation(Vector2(x + w + t * 0.5f, y - h * 0.5f));
    lines[2]->setAngle(180.0f);
    lines[2]->setLength(w + t);
    lines[3]->setLocation(Vector2(x, y + h * 0.5f));
    lines[3]->setAngle(270.0f);
    lines[3]->setLength(h);
}
