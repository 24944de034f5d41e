#include "gui/PrimitiveFactory2D.h"

#include "gui/Line2D.h"
#include "gui/Rect2D.h"

PrimitiveFactory2D::PrimitiveFactory2D(int owner) : owner(owner) {}

PrimitiveFactory2D::~PrimitiveFactory2D() {
    for (Line2D* line : lines) delete line;
    for (Rect2D* rect : rects) delete rect;
}

ILine* PrimitiveFactory2D::createLinePrimitive(const std::string& file) { return createLine(file); }

IRect* PrimitiveFactory2D::createRectPrimitive(const std::string& file, bool glyph) { return createRect(file, glyph); }

Line2D* PrimitiveFactory2D::createLine(const std::string& file) {
    lines.push_back(new Line2D(file, owner, this));
    return lines.back();
}

Rect2D* PrimitiveFactory2D::createRect(const std::string& file, bool glyph) {
    rects.push_back(new Rect2D(file, owner, this, glyph));
    return rects.back();
}

void PrimitiveFactory2D::destroyLine(ILine* line) {
    for (auto it = lines.begin(); it != lines.end(); ++it) {
        if (static_cast<ILine*>(*it) != line) continue;
        Line2D* held = *it;
        lines.erase(it);
        delete held;
        return;
    }
}

void PrimitiveFactory2D::destroyRect(IRect* rect) {
    for (auto it = rects.begin(); it != rects.end(); ++it) {
        if (static_cast<IRect*>(*it) != rect) continue;
        Rect2D* held = *it;
        rects.erase(it);
        delete held;
        return;
    }
}
