// Cameras and the directional light.
#include <memory>

#include "engine_state.h"

using namespace vuz;

namespace {
Camera* camera(uint32_t handle) { return engine().cameras.get(handle); }
}  // namespace

extern "C" {

uint32_t iCameraCreate(float x, float y, float width, float height) {
    return engine().cameras.add(std::make_unique<Camera>(x, y, width, height));
}

void iCameraDestroy(uint32_t handle) { engine().cameras.remove(handle); }

void iCameraLocationSet(uint32_t handle, const iVector3* location) {
    if (Camera* c = camera(handle); c && location) c->setLocation(*location);
}

void iCameraLocation(uint32_t handle, iVector3* out) {
    if (!out) return;
    Camera* c = camera(handle);
    *out = c ? c->location() : iVector3{0.0f, 0.0f, 0.0f};
}

void iCameraOrientationSet(uint32_t handle, const iQuaternion* orientation) {
    if (Camera* c = camera(handle); c && orientation) c->setOrientation(*orientation);
}

void iCameraOrientation(uint32_t handle, iQuaternion* out) {
    if (!out) return;
    Camera* c = camera(handle);
    *out = c ? c->orientation() : iQuaternion{0.0f, 0.0f, 0.0f, 1.0f};
}

void iCameraLookAt(uint32_t handle, const iVector3* target, float rate) {
    if (Camera* c = camera(handle); c && target) c->lookAt(*target, rate);
}

void iCameraFovSet(uint32_t handle, float degrees) {
    if (Camera* c = camera(handle)) c->setFov(degrees);
}

void iLightDirectionalSet(const iVector3* direction, const iVector4* colour) {
    DirectionalLight& light = session().light;
    light.set = true;
    if (direction) light.direction = *direction;
    if (colour) light.colour = *colour;
}

}  // extern "C"
