// Flies one fly-by path before a match: the camera moves linearly from key to key (turning
// most of the way to each key's target every frame), holds still before a cut key and jumps
// to it at its time, and stays at the last key until the path's length has passed. A path
// without keys is finished at once and leaves the camera where it is. It never shakes.
#pragma once

#include <vector>

#include "fight/ArenaFlybyList.h"
#include "fight/TwoPointCameraStrategy.h"

class ArenaFlybyCamera : public virtual TwoPointCameraStrategy {
public:
    // Copies the path and puts the camera on its first key.
    ArenaFlybyCamera(uint32_t camera, const Flyby& flyby);

    virtual bool isFinished();
    virtual void start();
    // Finishes the path; the camera keeps its pose.
    virtual void jumpToEnd();
    // Advances by the frame time while started and not finished; the fighters are ignored.
    void update(const Vector3& locationA, const Quaternion& orientationA, const Vector3& locationB,
                const Quaternion& orientationB) override;

    float getElapsed() const { return elapsed; }

private:
    uint32_t camera;
    std::vector<FlybyKey> keys;
    size_t keyIndex = 1;
    float elapsed = 0.0f;
    float length = 0.0f;
    bool running = false;
};
