#include "fight/ArenaFlybyCamera.h"

#include "platform/vuzirovari/vuzirovari.h"

ArenaFlybyCamera::ArenaFlybyCamera(uint32_t camera, const Flyby& flyby)
    : camera(camera), keys(flyby.keys), length(flyby.length) {
    if (keys.empty()) return;
    iCameraLocationSet(camera, &keys[0].location);
    iCameraLookAt(camera, &keys[0].target, 1.0f);
    iCameraFovSet(camera, 30.0f);
}

bool ArenaFlybyCamera::isFinished() { return keys.empty() || elapsed >= length; }

void ArenaFlybyCamera::start() { running = true; }

void ArenaFlybyCamera::jumpToEnd() { elapsed = length; }

void ArenaFlybyCamera::update(const Vector3&, const Quaternion&, const Vector3&, const Quaternion&) {
    if (!running || isFinished()) return;
    elapsed += iFrq(0);
    if (keyIndex >= keys.size()) return;
    const FlybyKey& next = keys[keyIndex];
    if (elapsed >= next.t) {
        iCameraLocationSet(camera, &next.location);
        iCameraLookAt(camera, &next.target, 1.0f);
        ++keyIndex;
        return;
    }
    const FlybyKey& previous = keys[keyIndex - 1];
    // A cut waits for its time; so does a key no later than the one before it.
    if (next.cut || !(next.t > previous.t)) return;
    float f = (elapsed - previous.t) / (next.t - previous.t);
    Vector3 target = previous.target + (next.target - previous.target) * f;
    iCameraLookAt(camera, &target, 0.9f);
    Vector3 location = previous.location + (next.location - previous.location) * f;
    iCameraLocationSet(camera, &location);
}
