#include "fight/TopStaticCamera.h"

#include <algorithm>
#include <cmath>

#include "platform/vuzirovari/vuzirovari.h"

void TopStaticCamera::update(const Vector3& locationA, const Quaternion&, const Vector3& locationB, const Quaternion&) {
    Vector3 mid = (locationA + locationB) * 0.5f;
    float ox = 0.0f, oy = 0.0f, oz = 0.0f;
    shakeOffset(ox, oy, oz);
    float nearest = std::max(locationA.z, locationB.z);
    float towardsFront = nearest > 2.25f ? (nearest - 2.25f) / 3.5f : 0.0f;
    Vector3 location(mid.x + ox, 15.0f + oy, mid.z + towardsFront + oz);
    iCameraLocationSet(camera, &location);

    Quaternion down, shake, orientation;
    iQuaternionFromEulerAngles(&down, 90.0f, 180.0f, 0.0f, "xyz");
    shakeRotation(shake);
    iQuaternionMultiply(&orientation, &down, &shake);
    iCameraOrientationSet(camera, &orientation);

    float spread = std::max(std::fabs(locationA.x - locationB.x), 1.333f * std::fabs(locationA.z - locationB.z));
    iCameraFovSet(camera, spread * 3.75f + 7.0f);
    tickShake();
}
