#include "gui/Rect2D.h"

#include "gui/PointerPlane.h"
#include "platform/vuzirovari/vuzirovari.h"

Rect2D::Rect2D(const std::string& file, int owner, IPrimitiveFactory* factory, bool glyph)
    : Primitive2D(file, owner, factory, glyph) {
    iSpriteScaleSet(sprite, &size);
}

bool Rect2D::isPicked() { return rectanglePicked(location, size, pointerPlane()); }

void Rect2D::applyLocation() {
    iSpriteLocationSet(sprite, &location);
    iSpriteScaleSet(sprite, &size);
}

void Rect2D::setSize(const Vector2& newSize) {
    size = newSize;
    applyLocation();
}

void Rect2D::setExtra(float newExtra) {
    extra = newExtra;
    applyLocation();
}
