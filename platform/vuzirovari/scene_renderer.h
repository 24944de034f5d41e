// Draws the 3D scene into the frame through every camera: the mirror's reflection, surfaces
// with depth writes, shadows, then surfaces without depth writes (light maps, see-through).
#pragma once

#include <cstdint>

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
    // The surface programs: without and with cut-out texels (without, the depth and stencil
    // tests can run before the texel is worked out), placed by a model matrix or posed by bones.
    struct Program {
        unsigned name = 0;
        int viewProjection = -1, clipPlane = -1, lightDirection = -1, lightColour = -1, ambient = -1;
        int emissive = -1, alpha = -1, lit = -1, textured = -1, flatGrey = -1;
        int model = -1, normalMatrix = -1, firstBone = -1;
        uint64_t placement = 0;  // the placement whose matrices it holds (0: none yet)
        float litSet = -1.0f;    // the lit value it holds
    };
    bool build();
    bool buildProgram(bool cutOut, bool skinned, Program* out);
    void use(const Program& p);
    void drawItems(const std::vector<DrawItem>& items, bool depthWriters, bool skipMirrors, float lit);
    void drawItem(const DrawItem& item, float lit);
    void drawShadows(bool mirrored);
    void bindGeometry(const GpuGeometry* geometry);
    void setCamera(const float* viewProjection, const float* clipPlane);
    bool outOfView(const DrawItem& item) const;

    unsigned serial_ = 0;
    bool broken_ = false;
    Program programs_[4];  // cut-out x 1 + skinned x 2
    Program* current_ = nullptr;
    const GpuGeometry* boundGeometry_ = nullptr;
    unsigned boneBuffer_ = 0, boneTexture_ = 0;
    unsigned boundTexture_ = 0;
    int boundWrap_ = -1;

    SceneFrame frame_;
    float cullMatrix_[16] = {};  // the current view projection, for skipping items out of view
};

// renderFrame's 3D part.
void drawScene();

}  // namespace vuz
