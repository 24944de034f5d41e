#include "scene_shaders.h"

namespace vuz {

// Static geometry is placed by its model matrix; a skinned figure's vertices are moved by up to
// four of its bone matrices (world placement included), read from a buffer texture.
const char* const SceneVertexShader = R"(
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 uv;
layout(location = 3) in uvec4 bones;
layout(location = 4) in vec4 weights;
uniform mat4 viewProjection;
uniform vec4 clipPlane;
uniform mat4 model;
uniform mat3 normalMatrix;
#ifdef SKINNED
uniform samplerBuffer boneMatrices;
uniform int firstBone;
mat4 bone(uint index) {
    int at = (firstBone + int(index)) * 4;
    return mat4(texelFetch(boneMatrices, at), texelFetch(boneMatrices, at + 1), texelFetch(boneMatrices, at + 2),
                texelFetch(boneMatrices, at + 3));
}
#endif
#ifdef PIXEL_LIGHT
out vec3 surfaceNormal;
#else
uniform vec3 lightDirection;
out float vertexDiffuse;
#endif
out vec2 pictureUv;
#ifdef CAPTURE
out vec3 capturedPosition;
#endif
void main() {
#ifdef SKINNED
    vec3 world = vec3(0.0), n = vec3(0.0);
    for (int k = 0; k < 4; ++k) {
        if (weights[k] == 0.0) continue;
        mat4 m = bone(bones[k]);
        world += weights[k] * (m * vec4(position, 1.0)).xyz;
        n += weights[k] * (mat3(m) * normal);
    }
    vec4 placed = vec4(world, 1.0);
#else
    vec4 placed = model * vec4(position, 1.0);
    vec3 n = normalMatrix * normal;
#endif
    float len = length(n);
#ifdef PIXEL_LIGHT
    surfaceNormal = len > 0.0 ? n / len : n;
#else
    vertexDiffuse = max(0.0, dot(len > 0.0 ? n / len : n, -lightDirection));
#endif
    pictureUv = uv;
    gl_ClipDistance[0] = dot(placed, clipPlane);
    gl_Position = viewProjection * placed;
#ifdef CAPTURE
    capturedPosition = placed.xyz;
#endif
}
)";

// A lit texel = texture x ((1 - e.a) x L + e.a x e.rgb), L = light x (a + (1 - a) x diffuse x lit).
// On flat-faced meshes (a triangle's corners share one normal) the diffuse share is worked
// out per vertex, which is the same on every pixel; other meshes, the figures among them,
// interpolate their normals and light each pixel.
const char* const SceneFragmentShader = R"(
#ifdef PIXEL_LIGHT
in vec3 surfaceNormal;
#else
in float vertexDiffuse;
#endif
in vec2 pictureUv;
uniform sampler2D picture;
uniform vec3 lightDirection;
uniform vec3 lightColour;
uniform float ambient;
uniform vec4 emissive;
uniform float alpha;
uniform float lit;
uniform int textured;
uniform float flatGrey;
out vec4 result;
void main() {
    vec4 texel = textured != 0 ? texture(picture, pictureUv) : vec4(vec3(flatGrey), 1.0);
#ifdef CUT_OUT
    if (texel.a < 0.5) discard;
#endif
#ifdef PIXEL_LIGHT
    float diffuse = max(0.0, dot(normalize(surfaceNormal), -lightDirection));
#else
    float diffuse = vertexDiffuse;
#endif
    vec3 light = lightColour * (ambient + (1.0 - ambient) * diffuse * lit);
    vec3 colour = texel.rgb * ((1.0 - emissive.a) * light + emissive.a * emissive.rgb);
    result = vec4(colour, texel.a * alpha);
}
)";

}  // namespace vuz
