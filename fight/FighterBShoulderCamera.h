// Over the red fighter's shoulder towards the blue one (built, never selected in a match).
#pragma once

#include "fight/FighterAShoulderCamera.h"

class FighterBShoulderCamera : public FighterAShoulderCamera {
public:
    explicit FighterBShoulderCamera(uint32_t camera) : FighterAShoulderCamera(camera) {}

    void update(const Vector3& locationA, const Quaternion& orientationA, const Vector3& locationB,
                const Quaternion& orientationB) override;
};
