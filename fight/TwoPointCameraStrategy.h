// A way of driving the match camera from the two fighters' poses. The battle manager owns one
// of each kind and calls the active one's update every frame; the strategy places and turns
// the engine camera it was given. All of them share the screen shake that a fall starts, and
// the snap that makes a camera follow without smoothing from then on (a snap is never undone).
#pragma once

#include <cstdint>

#include "math/Quaternion.h"
#include "math/Vector3.h"

class TwoPointCameraStrategy {
public:
    TwoPointCameraStrategy() = default;
    TwoPointCameraStrategy(const TwoPointCameraStrategy&) = delete;
    TwoPointCameraStrategy& operator=(const TwoPointCameraStrategy&) = delete;
    virtual ~TwoPointCameraStrategy() = default;

    // Restarts the shake from its first frame with no offset.
    virtual void startShake();
    // How much of the remaining turn the camera makes per update, 0..1.
    virtual float trackingRate();
    // One frame of the shake: 20 frames of offsets and roll that add back up to nothing, then
    // quiet until frame 60, where the shake ends.
    virtual void tickShake();
    virtual void shakeOffset(float& x, float& y, float& z);
    // The shake's roll as a rotation about the view axis.
    virtual void shakeRotation(Quaternion& q);
    virtual void resetShake();
    // 1.0 once snapped, else the tracking rate.
    virtual float effectiveRate();
    virtual void snap();
    virtual void update(const Vector3& locationA, const Quaternion& orientationA, const Vector3& locationB,
                        const Quaternion& orientationB) = 0;

    bool isSnapped() const { return snapped; }
    bool isShaking() const { return shaking; }
    int getShakeFrame() const { return shakeFrame; }

protected:
    // The camera's current orientation followed by the shake's roll.
    void applyShakeRoll(uint32_t camera);
    // The framing of IsoCamera and SideCamera: from `base` (lifted towards the front when the
    // fighters are near the camera) looking at their midpoint, the field of view widening
    // with their distance and smoothed at the tracking rate unless snapped. `rate` is the
    // camera's own tracking rate, set from the distance on the way.
    void frameBoth(uint32_t camera, const Vector3& base, const Vector3& locationA, const Vector3& locationB,
                   float& fov, float& rate);
    // The tracking rate of IsoCamera and SideCamera for a distance between the fighters.
    static float rateForDistance(float distance);

private:
    bool snapped = false;
    float offset[3] = {0.0f, 0.0f, 0.0f};
    float roll = 0.0f;
    int shakeFrame = 0;
    bool shaking = false;
};
