#include "gui/GuiSuperBorder.h"

#include <algorithm>

#include "gui/GuiBorderArtist.h"
#include "gui/IPrimitiveFactory.h"
#include "gui/IRect.h"

GuiSuperBorder::GuiSuperBorder(GuiBorderArtist* artist) : artist(artist) {
    IPrimitiveFactory* factory = artist ? artist->getPrimitiveFactory() : nullptr;
    if (factory) {
        for (int i = 0; i < 8; ++i) pieces[i] = factory->createRectPrimitive(artist->piecePaths[i], false);
    }
    GuiSuperBorder::refresh();
}

GuiSuperBorder::~GuiSuperBorder() {
    IPrimitiveFactory* factory = artist ? artist->getPrimitiveFactory() : nullptr;
    if (!factory) return;
    for (IRect* piece : pieces) factory->destroyRect(piece);
}

void GuiSuperBorder::setLineWidth(float width) {
    if (width == thickness) return;
    thickness = width;
    refresh();
}

void GuiSuperBorder::setLocation(const Vector2& newLocation) {
    if (newLocation == location) return;
    location = newLocation;
    refresh();
}

void GuiSuperBorder::setSize(const Vector2& newSize) {
    if (newSize == size) return;
    size = Vector2(std::max(newSize.x, 2.0f), std::max(newSize.y, 2.0f));
    refresh();
}

void GuiSuperBorder::hide() {
    if (!shown) return;
    shown = false;
    refresh();
}

void GuiSuperBorder::show() {
    if (shown) return;
    shown = true;
    refresh();
}

void GuiSuperBorder::refresh() {
    if (!artist || !pieces[0]) return;
    const float t = thickness, x = location.x, y = location.y, w = size.x, h = size.y;
    for (IRect* piece : pieces) {
        if (shown) piece->show();
        else piece->hide();
    }
    const Vector2 edgeAcross(w - t, t), edgeDown(t, h - t), corner(t, t);
    const struct {
        Vector2 size, location;
    } layout[8] = {
        {edgeAcross, {x + t * 0.5f, y + h * 0.5f}},  {corner, {x + w - t * 0.5f, y + h * 0.5f}},
        {edgeDown, {x + w - t * 0.5f, y}},           {corner, {x + w - t * 0.5f, y - h * 0.5f}},
        {edgeAcross, {x + t * 0.5f, y - h * 0.5f}},  {corner, {x - t * 0.5f, y - h * 0.5f}},
        {edgeDown, {x - t * 0.5f, y}},               {corner, {x - t * 0.5f, y + h * 0.5f}},
    };
    for (int i = 0; i < 8; ++i) {
        pieces[i]->setSize(layout[i].size);
        pieces[i]->setLocation(layout[i].location);
    }
}
