#include "gui/Line3D.h"

#include "gui/PointerPlane.h"
#include "platform/vuzirovari/vuzirovari.h"

Line3D::Line3D(const std::string& file, int owner, IPrimitiveFactory* factory) : Primitive3D(file, owner, factory) {
    iMeshEulerOrientationSet(mesh, 0.0f, 0.0f, 0.0f, "xyz");
    iMeshScaleSet(mesh, length, width, 1.0f);
}

bool Line3D::isPicked() { return linePicked(location, length, width, pointerPlane()); }

// The turn by the angle replaces the camera's turn, as the line has always been drawn.
void Line3D::applyLocation() {
    placeBeforeCamera();
    iMeshEulerOrientationSet(mesh, 0.0f, 0.0f, angle, "xyz");
    iMeshScaleSet(mesh, length, width, 1.0f);
}

void Line3D::setWidth(float newWidth) {
    width = newWidth;
    applyLocation();
}

void Line3D::setAngle(float degrees) {
    angle = degrees;
    applyLocation();
}

void Line3D::setLength(float newLength) {
    length = newLength;
    applyLocation();
}
