#include "gui/Rect3D.h"

#include "gui/PointerPlane.h"
#include "platform/vuzirovari/vuzirovari.h"

Rect3D::Rect3D(const std::string& file, int owner, IPrimitiveFactory* factory) : Primitive3D(file, owner, factory) {
    iMeshScaleSet(mesh, 1.0f, 1.0f, 1.0f);
}

bool Rect3D::isPicked() { return rectanglePicked(location, size, pointerPlane()); }

void Rect3D::applyLocation() {
    placeBeforeCamera();
    iMeshScaleSet(mesh, size.x, size.y, 1.0f);
}

void Rect3D::setSize(const Vector2& newSize) {
    size = newSize;
    applyLocation();
}

void Rect3D::setExtra(float newExtra) {
    extra = newExtra;
    applyLocation();
}
