// A camera: where it is, where it looks, its field of view and its part of the window.
#pragma once

#include "vuzirovari.h"

namespace vuz {

class Camera {
public:
    static constexpr float DefaultFov = 45.0f;

    Camera(float x, float y, float width, float height) : viewport_{x, y, width, height} {}

    const iVector3& location() const { return location_; }
    void setLocation(const iVector3& location) { location_ = location; }
    const iQuaternion& orientation() const { return orientation_; }
    void setOrientation(const iQuaternion& orientation);
    float fov() const { return fov_; }
    void setFov(float degrees);  // vertical, kept inside (1, 179)
    const iVector4& viewport() const { return viewport_; }

    // Turns by the fraction rate (0..1) of the way towards looking at target, +y up, no roll.
    void lookAt(const iVector3& target, float rate);

private:
    iVector3 location_{0.0f, 0.0f, 0.0f};
    iQuaternion orientation_{0.0f, 0.0f, 0.0f, 1.0f};
    float fov_ = DefaultFov;
    iVector4 viewport_;
};

// The one directional light of the scene.
struct DirectionalLight {
    bool set = false;
    iVector3 direction{0.0f, -1.0f, 0.0f};
    iVector4 colour{1.0f, 1.0f, 1.0f, 1.0f};
};

}  // namespace vuz
