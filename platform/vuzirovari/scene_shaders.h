// The 3D scene's shaders, compiled with a prefix of defines: SKINNED (posed by bone matrices),
// PIXEL_LIGHT (normals interpolated and lit per pixel), CUT_OUT (texels with alpha below one
// half are left out), CAPTURE (the posed position is an output, for reading the pose back).
#pragma once

namespace vuz {

extern const char* const SceneVertexShader;
extern const char* const SceneFragmentShader;

}  // namespace vuz
