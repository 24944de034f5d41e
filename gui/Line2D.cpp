#include "gui/Line2D.h"

#include "gui/PointerPlane.h"
#include "platform/vuzirovari/vuzirovari.h"

Line2D::Line2D(const std::string& file, int owner, IPrimitiveFactory* factory)
    : Primitive2D(file, owner, factory, false) {
    const iVector2 scale{length, width};
    iSpriteScaleSet(sprite, &scale);
    iSpriteOrientationSet(sprite, angle);
}

bool Line2D::isPicked() {
    const Vector2 mouse = pointerPlane();
    const float my = mouse.y + 1.0f;
    return location.x <= mouse.x && mouse.x <= location.x + length && location.y <= my && my <= location.y + width;
}

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
