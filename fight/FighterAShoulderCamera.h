// Over the blue fighter's shoulder towards the other fighter (built, never selected in a match).
#pragma once

#include "fight/TwoPointCameraStrategy.h"

class FighterAShoulderCamera : public virtual TwoPointCameraStrategy {
public:
    explicit FighterAShoulderCamera(uint32_t camera) : camera(camera) {}

    float trackingRate() override { return rate; }
    void update(const Vector3& locationA, const Quaternion& orientationA, const Vector3& locationB,
                const Quaternion& orientationB) override;

private:
    uint32_t camera;
    float rate = 0.05f;
};
