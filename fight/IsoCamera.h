// From behind and above the blue fighter's side: the game's usual match view, following the fighters' midpoint.
#pragma once

#include "fight/TwoPointCameraStrategy.h"

class IsoCamera : public virtual TwoPointCameraStrategy {
public:
    explicit IsoCamera(uint32_t camera) : camera(camera) {}

    // Tracks slower when the fighters are closer than one unit (down to 0.003 at distance 0).
    virtual void setViewDistance(float distance);
    float trackingRate() override { return rate; }
    void update(const Vector3& locationA, const Quaternion& orientationA, const Vector3& locationB,
                const Quaternion& orientationB) override;

    float getFov() const { return fov; }

private:
    uint32_t camera;
    float rate = 0.1f;
    float fov = 30.0f;
};
