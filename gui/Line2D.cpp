#include "gui/Line2D.h"

#include "gui/PointerPlane.h"
#include "platform/vuzirovari/vuzirovari.h"

Line2D::Line2D(const std::string& file, int owner, IPrimitiveFactory* factory)
    : Primitive2D(file, owner, factory, false) {
    const iVector2 scale{length, width};
    iSpriteScaleSet(sprite, &scale);
    iSpriteOrientationSet(sprite, angle);
}

bool Line2D::isPicked() { return linePicked(location, length, width, pointerPlane()); }

void Line2D::applyLocation() {
    const iVector2 scale{length, width};
    iSpriteLocationSet(sprite, &location);
    iSpriteScaleSet(sprite, &scale);
    iSpriteOrientationSet(sprite, angle);
}

void Line2D::setWidth(float newWidth) {
    width = newWidth;
    applyLocation();
}

void Line2D::setAngle(float degrees) {
    angle = degrees;
    applyLocation();
}

void Line2D::setLength(float newLength) {
    length = newLength;
    applyLocation();
}
