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
    // The skinned mesh's vertices as the vertex shader poses them for drawing, in the world
    // (x, y, z each), read back through transform feedback; false when nothing can be drawn.
    bool readPosedVertices(unsigned contextSerial, SkinMesh& mesh, std::vector<float>* xyz);
    double gatherSeconds() const { return gatherSeconds_; }  // the last draw's gathering of the scene

private:
    // A pixel rectangle of the frame (x, y from its bottom-left).
    struct PixelRect {
        int x = 0, y = 0, w = 0, h = 0;
    };
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
    bool buildProgram(bool cutOut, bool skinned, bool pixelLight, Program* out);
    bool prepare(unsigned contextSerial);
    void use(const Program& p);
    void drawItems(const std::vector<DrawItem>& items, bool depthWriters, bool skipMirrors, float lit);
    void drawItem(const DrawItem& item, float lit);
    void drawDepthFirst(bool mirrored);
    void drawShadows(bool mirrored, const PixelRect& port);
    void bindGeometry(const GpuGeometry* geometry);
    void setCamera(const float* viewProjection, const float* clipPlane);
    bool outOfView(const DrawItem& item) const;
    bool coverOf(const float* low, const float* high, const PixelRect& port, PixelRect* out) const;
    void narrowTo(const PixelRect& rect, const PixelRect& port);
    void widen(const PixelRect& port);

    unsigned serial_ = 0;
    bool broken_ = false;
    Program programs_[6];  // cut-out x 1 + skinned x 2 + smooth static x 4 (skinned ones light per pixel)
    Program* current_ = nullptr;
    bool depthOnly_ = false;  // drawing the depth pass: colour writes are off
    const GpuGeometry* boundGeometry_ = nullptr;
    unsigned boneBuffer_ = 0, boneTexture_ = 0;
    unsigned boundTexture_ = 0;
    int boundWrap_ = -1;

    SceneFrame frame_;
    double gatherSeconds_ = 0.0;
    float cullMatrix_[16] = {};  // the current view projection, for skipping items out of view
    float cullWindow_[4] = {-1.0f, 1.0f, -1.0f, 1.0f};  // the part of the view drawn into (x, y)
};

// renderFrame's 3D part.
void drawScene();

}  // namespace vuz
