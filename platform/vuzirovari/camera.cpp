#include "camera.h"

#include <algorithm>
#include <cmath>

#include "vec_math.h"

namespace vuz {

void Camera::setOrientation(const iQuaternion& orientation) { orientation_ = normalized(orientation); }

void Camera::setFov(float degrees) {
    if (std::isfinite(degrees)) fov_ = std::clamp(degrees, 1.0f, 179.0f);
}

void Camera::lookAt(const iVector3& target, float rate) {
    if (!std::isfinite(rate) || rate <= 0.0f) return;
    iVector3 direction = target - location_;
    if (!(length(direction) > 1e-6f)) return;  // looking at itself: nowhere to turn
    iVector3 forward = rotate(orientation_, vec3(0, 0, 1));
    iQuaternion goal = lookRotation(direction, yawOf(forward));
    if (rate >= 1.0f) {
        orientation_ = goal;
        return;
    }
    // Part of the way along the arc, then rebuilt from the new forward so no roll creeps in.
    iQuaternion partial = slerp(orientation_, goal, rate);
    iVector3 newForward = rotate(partial, vec3(0, 0, 1));
    orientation_ = lookRotation(newForward, yawOf(forward));
}

}  // namespace vuz
