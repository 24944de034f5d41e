#include "fight/FighterDisplayCamera.h"

#include "platform/vuzirovari/vuzirovari.h"

void FighterDisplayCamera::update(const Vector3&, const Quaternion&, const Vector3&, const Quaternion&) {
    Quaternion orientation(0.0011240646f, -0.99069273f, 0.11727390f, -0.069180392f);
    Vector3 location(-2.7035897f, 3.3014307f, 6.2045569f);
    iCameraOrientationSet(camera, &orientation);
    iCameraLocationSet(camera, &location);
}
