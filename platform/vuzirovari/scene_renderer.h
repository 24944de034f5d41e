// Draws the 3D scene into the frame through every camera: the mirror's reflection, surfaces
// with depth writes, shadows, then surfaces without depth writes (light maps, see-through).
#pragma once

#include "scene_geometry.h"

namespace vuz {

class SceneRenderer {
public:
    SceneRenderer() = default;
    SceneRenderer(const SceneRenderer&) = delete;
    SceneRenderer& operator=(const SceneRenderer&) = delete;

    // Part of renderFrame, before the 2D layer; leaves the GL state as the 2D layer expects.
    void draw(unsigned contextSerial, int frameWidth, int frameHeight);

private:
    bool build();
    void drawItems(const std::vector<DrawItem>& items, bool depthWriters, bool skipMirrors, float lit);
    void drawItem(const DrawItem& item, float lit);
    void setCamera(const float* viewProjection, const float* clipPlane);

    unsigned serial_ = 0;
    bool broken_ = false;
    unsigned program_ = 0, vertexArray_ = 0, buffer_ = 0, white_ = 0;
    int viewProjection_ = -1, clipPlane_ = -1, lightDirection_ = -1, lightColour_ = -1, ambient_ = -1;
    int emissive_ = -1, alpha_ = -1, lit_ = -1, textured_ = -1, flatGrey_ = -1, cutout_ = -1;
    SceneFrame frame_;
};

// renderFrame's 3D part.
void drawScene();

}  // namespace vuz
