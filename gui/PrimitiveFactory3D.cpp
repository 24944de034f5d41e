#include "gui/PrimitiveFactory3D.h"

#include "gui/Line3D.h"
#include "gui/Rect3D.h"

PrimitiveFactory3D::PrimitiveFactory3D(int owner) : owner(owner) {}

PrimitiveFactory3D::~PrimitiveFactory3D() {
    for (Line3D* line : lines) delete line;
    for (Rect3D* rect : rects) delete rect;
}

ILine* PrimitiveFactory3D::createLinePrimitive(const std::string& file) { return createLine(file); }

IRect* PrimitiveFactory3D::createRectPrimitive(const std::string& file, bool) { return createRect(file, false); }

Line3D* PrimitiveFactory3D::createLine(const std::string& file) {
    lines.push_back(new Line3D(file, owner, this));
    return lines.back();
}

Rect3D* PrimitiveFactory3D::createRect(const std::string& file, bool) {
    rects.push_back(new Rect3D(file, owner, this));
    return rects.back();
}

void PrimitiveFactory3D::destroyLine(ILine* line) {
    for (auto it = lines.begin(); it != lines.end(); ++it) {
        if (static_cast<ILine*>(*it) != line) continue;
        Line3D* held = *it;
        lines.erase(it);
        delete held;
        return;
    }
}

void PrimitiveFactory3D::destroyRect(IRect* rect) {
    for (auto it = rects.begin(); it != rects.end(); ++it) {
        if (static_cast<IRect*>(*it) != rect) continue;
        Rect3D* held = *it;
        rects.erase(it);
        delete held;
        return;
    }
}

void PrimitiveFactory3D::update() {
    for (Line3D* line : lines) line->applyLocation();
    for (Rect3D* rect : rects) rect->applyLocation();
}
