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
    // The surface program without (0) and with (1) cut-out texels: without, the depth and
    // stencil tests can run before the texel is worked out.
    struct Program {
        unsigned name = 0;
        int viewProjection = -1, clipPlane = -1, lightDirection = -1, lightColour = -1, ambient = -1;
        int emissive = -1, alpha = -1, lit = -1, textured = -1, flatGrey = -1;
    };
    bool build();
    bool buildProgram(bool cutOut, Program* out);
    void use(const Program& p);
    void drawItems(const std::vector<DrawItem>& items, bool depthWriters, bool skipMirrors, float lit);
    void drawItem(const DrawItem& item, float lit);
    void setCamera(const float* viewProjection, const float* clipPlane);

    unsigned serial_ = 0;
    bool broken_ = false;
    Program programs_[2];
    const Program* current_ = nullptr;
    unsigned vertexArray_ = 0, buffer_ = 0;
    bool outOfView(const DrawItem& item) const;

    SceneFrame frame_;
    float cullMatrix_[16] = {};  // the current view projection, for skipping items out of view
};

// renderFrame's 3D part.
void drawScene();

}  // namespace vuz
