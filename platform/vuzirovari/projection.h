// The one projection of a camera, shared by drawing, the screen point of a world point, the
// mouse ray and picking. The view is left-handed: the camera looks along its +z, +y up, +x to
// the right of the screen.
#pragma once

#include <array>

#include "camera.h"
#include "mesh.h"
#include "vuzirovari.h"

namespace vuz {

constexpr float NearPlane = 0.1f;
constexpr float FarPlane = 1000.0f;

using GlMatrix = std::array<float, 16>;  // column-major, as OpenGL reads it

struct CameraView {
    GlMatrix view;        // world to camera
    GlMatrix projection;  // camera to clip
    float aspect;
};

// The frame's size in pixels (the window's, or the game's 639 x 479 without one).
void frameSize(int* width, int* height);
CameraView cameraView(const Camera& camera);
GlMatrix multiply(const GlMatrix& a, const GlMatrix& b);
// Where a mesh is drawn this frame; false when it follows a body that is gone.
bool meshPlacement(const Mesh& mesh, iVector3* location, iQuaternion* orientation);
GlMatrix placementMatrix(const iVector3& location, const iQuaternion& orientation, const iVector3& scale);

}  // namespace vuz
