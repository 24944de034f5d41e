// Straight down from high above the fighters' midpoint, zoomed to keep both in view.
#pragma once

#include "fight/TwoPointCameraStrategy.h"

class TopStaticCamera : public virtual TwoPointCameraStrategy {
public:
    explicit TopStaticCamera(uint32_t camera) : camera(camera) {}

    void update(const Vector3& locationA, const Quaternion& orientationA, const Vector3& locationB,
                const Quaternion& orientationB) override;

private:
    uint32_t camera;
};
