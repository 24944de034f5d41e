#include "fight/SideCamera.h"

void SideCamera::setViewDistance(float distance) { rate = rateForDistance(distance); }

void SideCamera::update(const Vector3& locationA, const Quaternion&, const Vector3& locationB, const Quaternion&) {
    frameBoth(camera, Vector3(0.0f, 4.5f, 6.5f), locationA, locationB, fov, rate);
}
