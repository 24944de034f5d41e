#include "fight/IsoCamera.h"

void IsoCamera::setViewDistance(float distance) { rate = rateForDistance(distance); }

void IsoCamera::update(const Vector3& locationA, const Quaternion&, const Vector3& locationB, const Quaternion&) {
    frameBoth(camera, Vector3(0.0f, 7.5f, 7.5f), locationA, locationB, fov, rate);
}
