#include "fight/TwoPointCameraStrategy.h"

#include <algorithm>
#include <cmath>

#include "platform/vuzirovari/vuzirovari.h"

void TwoPointCameraStrategy::startShake() {
    shaking = true;
    resetShake();
}

float TwoPointCameraStrategy::trackingRate() { return 0.1f; }

void TwoPointCameraStrategy::tickShake() {
    if (!shaking) return;
    float sign = 0.0f;
    const float* step = nullptr;
    float rollStep = 0.0f;
    static const float strong[3] = {0.2f, -0.3f, 0.7f};
    static const float weak[3] = {0.1f, -0.2f, 0.1f};
    if (shakeFrame < 20) {
        bool second = shakeFrame >= 10;
        step = second ? weak : strong;
        rollStep = second ? 0.15f : 0.2f;
        sign = (shakeFrame % 10) < 5 ? 1.0f : -1.0f;
        for (int i = 0; i < 3; ++i) offset[i] += sign * step[i];
        roll += sign * rollStep;
    }
    if (++shakeFrame == 60) {
        shakeFrame = 0;
        shaking = false;
    }
}

void TwoPointCameraStrategy::shakeOffset(float& x, float& y, float& z) {
    x = offset[0];
    y = offset[1];
    z = offset[2];
}

void TwoPointCameraStrategy::shakeRotation(Quaternion& q) { iQuaternionFromEulerAngles(&q, 0.0f, 0.0f, roll, "xyz"); }

void TwoPointCameraStrategy::resetShake() {
    shakeFrame = 0;
    offset[0] = offset[1] = offset[2] = 0.0f;
    roll = 0.0f;
}

float TwoPointCameraStrategy::effectiveRate() { return snapped ? 1.0f : trackingRate(); }

void TwoPointCameraStrategy::snap() { snapped = true; }

void TwoPointCameraStrategy::applyShakeRoll(uint32_t camera) {
    Quaternion current, shake, turned;
    iCameraOrientation(camera, &current);
    shakeRotation(shake);
    iQuaternionMultiply(&turned, &current, &shake);
    iCameraOrientationSet(camera, &turned);
}

float TwoPointCameraStrategy::rateForDistance(float distance) {
    return std::min(0.02f, (distance - 1.0f) * 0.017f + 0.02f);
}

void TwoPointCameraStrategy::frameBoth(uint32_t camera, const Vector3& base, const Vector3& locationA,
                                       const Vector3& locationB, float& fov, float& rate) {
    float r = effectiveRate();
    Vector3 mid = (locationA + locationB) * 0.5f;
    Vector3 target(mid.x, 2.0f, mid.z);
    float ox = 0.0f, oy = 0.0f, oz = 0.0f;
    shakeOffset(ox, oy, oz);
    Vector3 location(base.x + ox, base.y + oy, base.z + oz);
    float nearest = std::max(locationA.z, locationB.z) - 0.5f * mid.z;
    if (nearest > 0.0f) location.z += nearest;
    iCameraLocationSet(camera, &location);

    Vector3 between = locationA - locationB;
    float distance = iVectorLength(&between);
    rate = rateForDistance(distance);  // the camera's setViewDistance
    iCameraLookAt(camera, &target, effectiveRate());
    applyShakeRoll(camera);

    // Each frame the field of view closes the share r of its gap, as the look-at does.
    float wanted = distance * 1.75f + 22.0f;
    if (r < 1.0f) iFloatTendTo(&fov, r * std::fabs(wanted - fov) / iFrq(0), wanted);
    else fov = wanted;
    iCameraFovSet(camera, fov);
    tickShake();
}
