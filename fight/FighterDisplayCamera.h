// A fixed view of the mat from the front corner, used by the introduction outside matches.
// It ignores the fighters and never shakes.
#pragma once

#include "fight/TwoPointCameraStrategy.h"

class FighterDisplayCamera : public virtual TwoPointCameraStrategy {
public:
    explicit FighterDisplayCamera(uint32_t camera) : camera(camera) {}

    void update(const Vector3& locationA, const Quaternion& orientationA, const Vector3& locationB,
                const Quaternion& orientationB) override;

private:
    uint32_t camera;
};
