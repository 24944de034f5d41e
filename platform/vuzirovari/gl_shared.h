#pragma once
// Small OpenGL helpers shared by the 2D layer and the 3D scene.

#include <epoxy/gl.h>

namespace vuz {

// Compiles one shader from an optional prefix (a version line and defines) and its source.
// Returns 0 and logs the compiler's words, naming `what`, when it does not compile.
unsigned compileShader(GLenum kind, const char* source, const char* prefix, const char* what);

// The engine's blend factor numbers (1 zero ... 11 source alpha saturate) as OpenGL's;
// any other number gives `fallback`.
GLenum blendFactor(int factor, GLenum fallback);

}  // namespace vuz
