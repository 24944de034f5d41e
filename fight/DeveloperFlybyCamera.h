// A free camera for looking round the arena while developing: the mouse turns it, Q and E
// roll it, W, S, A and D move it, Space lifts it. Built with the others; nothing in a match
// selects it. It never shakes.
#pragma once

#include "fight/TwoPointCameraStrategy.h"

class DeveloperFlybyCamera : public virtual TwoPointCameraStrategy {
public:
    explicit DeveloperFlybyCamera(uint32_t camera) : camera(camera) {}

    void update(const Vector3& locationA, const Quaternion& orientationA, const Vector3& locationB,
                const Quaternion& orientationB) override;
    // The point 10 units along the pointer's ray from the camera. The fighters' locations are
    // not used.
    void mouseRay(Vector3& out, const Vector3& locationA, const Vector3& locationB);

private:
    uint32_t camera;
};
