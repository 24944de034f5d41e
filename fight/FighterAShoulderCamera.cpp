#include "fight/FighterAShoulderCamera.h"

#include "platform/vuzirovari/vuzirovari.h"

void FighterAShoulderCamera::update(const Vector3& locationA, const Quaternion& orientationA,
                                    const Vector3& locationB, const Quaternion&) {
    float ox = 0.0f, oy = 0.0f, oz = 0.0f;
    shakeOffset(ox, oy, oz);
    Vector3 behind(0.0f + ox, 6.25f + oy, -9.45f + oz), turned;
    iVectorRotate(&turned, &behind, &orientationA);
    Vector3 location = locationA + Vector3(turned);
    iCameraLocationSet(camera, &location);

    Vector3 up(0.0f, 1.0f, 0.0f);
    Quaternion aside, orientation;
    iQuaternionFromAxisAngle(&aside, &up, -5.0f);
    iQuaternionMultiply(&orientation, &orientationA, &aside);
    iCameraOrientationSet(camera, &orientation);

    Vector3 target(locationB.x, 2.0f, locationB.z);
    iCameraLookAt(camera, &target, effectiveRate());
    applyShakeRoll(camera);
    tickShake();
}
