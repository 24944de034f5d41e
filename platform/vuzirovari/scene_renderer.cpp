#include "scene_renderer.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "../win32/win32_host.h"
#include "engine_state.h"
#include "gl_shared.h"
#include "projection.h"
#include "vec_math.h"

namespace vuz {

namespace {

const char* const VertexShader = R"(#version 330 core
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec2 uv;
uniform mat4 viewProjection;
uniform vec4 clipPlane;
out vec3 surfaceNormal;
out vec2 pictureUv;
void main() {
    surfaceNormal = normal;
    pictureUv = uv;
    gl_ClipDistance[0] = dot(vec4(position, 1.0), clipPlane);
    gl_Position = viewProjection * vec4(position, 1.0);
}
)";

// A lit texel = texture x ((1 - e.a) x L + e.a x e.rgb), L = light x (a + (1 - a) x diffuse x lit).
const char* const FragmentShader = R"(
in vec3 surfaceNormal;
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
    vec3 n = normalize(surfaceNormal);
    float diffuse = max(0.0, dot(n, -lightDirection));
    vec3 light = lightColour * (ambient + (1.0 - ambient) * diffuse * lit);
    vec3 colour = texel.rgb * ((1.0 - emissive.a) * light + emissive.a * emissive.rgb);
    result = vec4(colour, texel.a * alpha);
}
)";

bool knownFactor(int f) { return f >= 1 && f <= 11; }

GLint wrapMode(int mode) {
    switch (mode) {
    case 2: return GL_MIRRORED_REPEAT;
    case 3: return GL_CLAMP_TO_EDGE;
    case 4: return GL_CLAMP_TO_BORDER;
    default: return GL_REPEAT;
    }
}

// Reflection in the plane n . x = d, as a column-major matrix.
GlMatrix reflection(iVector3 n, float d) {
    return {1 - 2 * n.x * n.x, -2 * n.x * n.y,    -2 * n.x * n.z,    0,
            -2 * n.y * n.x,    1 - 2 * n.y * n.y, -2 * n.y * n.z,    0,
            -2 * n.z * n.x,    -2 * n.z * n.y,    1 - 2 * n.z * n.z, 0,
            2 * d * n.x,       2 * d * n.y,       2 * d * n.z,       1};
}

}  // namespace

bool SceneRenderer::buildProgram(bool cutOut, Program* out) {
    unsigned vs = compileShader(GL_VERTEX_SHADER, VertexShader, "", "3D");
    unsigned fs = compileShader(GL_FRAGMENT_SHADER, FragmentShader, cutOut ? "#version 330 core\n#define CUT_OUT\n" : "#version 330 core\n", "3D");
    unsigned program = 0;
    if (vs && fs) {
        program = glCreateProgram();
        glAttachShader(program, vs);
        glAttachShader(program, fs);
        glLinkProgram(program);
        int ok = 0;
        glGetProgramiv(program, GL_LINK_STATUS, &ok);
        if (!ok) {
            win32::log("engine: the 3D shaders do not link");
            glDeleteProgram(program);
            program = 0;
        }
    }
    if (vs) glDeleteShader(vs);
    if (fs) glDeleteShader(fs);
    if (!program) return false;
    auto at = [program](const char* name) { return glGetUniformLocation(program, name); };
    out->name = program;
    out->viewProjection = at("viewProjection");
    out->clipPlane = at("clipPlane");
    out->lightDirection = at("lightDirection");
    out->lightColour = at("lightColour");
    out->ambient = at("ambient");
    out->emissive = at("emissive");
    out->alpha = at("alpha");
    out->lit = at("lit");
    out->textured = at("textured");
    out->flatGrey = at("flatGrey");
    glUseProgram(program);
    glUniform1i(at("picture"), 0);
    return true;
}

bool SceneRenderer::build() {
    programs_[0] = programs_[1] = Program();
    current_ = nullptr;
    if (!buildProgram(false, &programs_[0]) || !buildProgram(true, &programs_[1])) return false;
    glGenVertexArrays(1, &vertexArray_);
    glGenBuffers(1, &buffer_);
    glBindVertexArray(vertexArray_);
    glBindBuffer(GL_ARRAY_BUFFER, buffer_);
    const GLsizei stride = sizeof(SceneVertex);
    glVertexAttribPointer(0, 3, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(0));
    glVertexAttribPointer(1, 3, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(3 * sizeof(float)));
    glVertexAttribPointer(2, 2, GL_FLOAT, GL_FALSE, stride, reinterpret_cast<void*>(6 * sizeof(float)));
    for (int i = 0; i < 3; ++i) glEnableVertexAttribArray(i);
    glBindVertexArray(0);
    return true;
}

void SceneRenderer::use(const Program& p) {
    if (current_ == &p) return;
    current_ = &p;
    glUseProgram(p.name);
}

// All eight corners of the item's bounds lie beyond one side of the view.
bool SceneRenderer::outOfView(const DrawItem& item) const {
    const float* m = cullMatrix_;
    int outside[6] = {0, 0, 0, 0, 0, 0};
    for (int k = 0; k < 8; ++k) {
        float p[3] = {k & 1 ? item.high[0] : item.low[0], k & 2 ? item.high[1] : item.low[1], k & 4 ? item.high[2] : item.low[2]};
        float c[4];
        for (int r = 0; r < 4; ++r) c[r] = m[r] * p[0] + m[4 + r] * p[1] + m[8 + r] * p[2] + m[12 + r];
        outside[0] += c[0] < -c[3];
        outside[1] += c[0] > c[3];
        outside[2] += c[1] < -c[3];
        outside[3] += c[1] > c[3];
        outside[4] += c[2] < -c[3];
        outside[5] += c[2] > c[3];
    }
    for (int side : outside)
        if (side == 8) return true;
    return false;
}

void SceneRenderer::setCamera(const float* viewProjection, const float* clipPlane) {
    std::copy(viewProjection, viewProjection + 16, cullMatrix_);
    for (const Program& p : programs_) {
        use(p);
        glUniformMatrix4fv(p.viewProjection, 1, GL_FALSE, viewProjection);
        glUniform4fv(p.clipPlane, 1, clipPlane);
    }
}

void SceneRenderer::drawItem(const DrawItem& item, float lit) {
    if (outOfView(item)) return;
    unsigned name = item.texture ? item.texture->glTexture(serial_) : 0;
    const RenderMode& m = item.mode;
    bool known = knownFactor(m.source) && knownFactor(m.target);
    int source = known ? m.source : 5, target = known ? m.target : 6;
    bool opaque = source == 2 && target == 1;
    const Program& p = programs_[opaque && item.cutout && name && item.texture->hasCutOutTexels() ? 1 : 0];
    use(p);
    glUniform1i(p.textured, name ? 1 : 0);
    if (name) {
        glBindTexture(GL_TEXTURE_2D, name);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrapMode(item.textureMode));
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrapMode(item.textureMode));
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, item.texture->hasMipMaps() ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    }
    glUniform1f(p.flatGrey, item.flatGrey);
    if (opaque) {
        glDisable(GL_BLEND);
    } else {
        glEnable(GL_BLEND);
        glBlendFunc(blendFactor(source, GL_SRC_ALPHA), blendFactor(target, GL_ONE_MINUS_SRC_ALPHA));
    }
    m.depthTest ? glEnable(GL_DEPTH_TEST) : glDisable(GL_DEPTH_TEST);
    if (item.zBias > 0) {
        glEnable(GL_POLYGON_OFFSET_FILL);
        glEnable(GL_POLYGON_OFFSET_LINE);
        glPolygonOffset(0.0f, -static_cast<float>(item.zBias));
    } else {
        glDisable(GL_POLYGON_OFFSET_FILL);
        glDisable(GL_POLYGON_OFFSET_LINE);
    }
    glPolygonMode(GL_FRONT_AND_BACK, item.wireframe ? GL_LINE : GL_FILL);
    glUniform4f(p.emissive, item.emissive.x, item.emissive.y, item.emissive.z, item.emissive.w);
    glUniform1f(p.alpha, item.alpha);
    glUniform1f(p.lit, lit);
    glDrawArrays(GL_TRIANGLES, static_cast<GLint>(item.first), static_cast<GLsizei>(item.count));
}

void SceneRenderer::drawItems(const std::vector<DrawItem>& items, bool depthWriters, bool skipMirrors, float lit) {
    for (const DrawItem& item : items) {
        if (item.mode.depthWrite != depthWriters || (skipMirrors && item.mirror)) continue;
        drawItem(item, lit);
    }
}

void SceneRenderer::draw(unsigned contextSerial, int width, int height) {
    if (contextSerial == 0) return;
    if (contextSerial != serial_) {
        serial_ = contextSerial;
        vertexArray_ = buffer_ = 0;
        broken_ = !build();
    }
    if (broken_) return;
    EngineState& e = engine();
    if (e.cameras.size() == 0) return;
    const Session& s = session();
    iVector3 light = s.light.direction;
    float len = length(light);
    light = len > 1e-6f ? light * (1.0f / len) : vec3(0, -1, 0);
    buildSceneFrame(light, &frame_);
    if (frame_.vertices.empty()) return;

    current_ = nullptr;
    glBindVertexArray(vertexArray_);
    glBindBuffer(GL_ARRAY_BUFFER, buffer_);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(frame_.vertices.size() * sizeof(SceneVertex)), frame_.vertices.data(),
                 GL_STREAM_DRAW);
    glActiveTexture(GL_TEXTURE0);
    for (const Program& p : programs_) {
        use(p);
        glUniform3f(p.lightDirection, light.x, light.y, light.z);
        glUniform3f(p.lightColour, s.light.colour.x, s.light.colour.y, s.light.colour.z);
        glUniform1f(p.ambient, std::fmin(1.0f, std::fmax(0.0f, s.light.colour.w)));
    }
    glEnable(GL_CULL_FACE);
    glCullFace(GL_BACK);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_SCISSOR_TEST);
    const float noClip[4] = {0.0f, 0.0f, 0.0f, 1.0f};

    e.cameras.forEach([&](uint32_t, Camera& camera) {
        const iVector4& port = camera.viewport();
        int x = static_cast<int>(std::lround(port.x * width)), w = static_cast<int>(std::lround(port.z * width));
        int h = static_cast<int>(std::lround(port.w * height));
        int y = height - static_cast<int>(std::lround(port.y * height)) - h;
        if (w <= 0 || h <= 0) return;
        glViewport(x, y, w, h);
        glScissor(x, y, w, h);
        glDepthMask(GL_TRUE);
        glStencilMask(0xFF);
        glClear(GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        CameraView view = cameraView(camera);
        GlMatrix viewProjection = multiply(view.projection, view.view);
        glFrontFace(GL_CW);  // front faces are clockwise as seen
        setCamera(viewProjection.data(), noClip);

        // The mirror: its outline in the stencil, the scene reflected inside it, its picture over.
        bool mirrored = false;
        if (s.mirrorSet && dot(camera.location() - s.mirrorPoint, s.mirrorNormal) > 0.0f) {
            for (const DrawItem& item : frame_.items) mirrored = mirrored || item.mirror;
        }
        if (mirrored) {
            glEnable(GL_STENCIL_TEST);
            glStencilFunc(GL_ALWAYS, 1, 0xFF);
            glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
            glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
            glDepthMask(GL_FALSE);
            for (const DrawItem& item : frame_.items) {
                if (!item.mirror) continue;
                DrawItem outline = item;
                outline.cutout = false;
                drawItem(outline, 1.0f);
            }
            glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
            glStencilFunc(GL_EQUAL, 1, 0xFF);
            glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
            float d = dot(s.mirrorNormal, s.mirrorPoint);
            GlMatrix reflected = multiply(viewProjection, reflection(s.mirrorNormal, d));
            const float keepFront[4] = {s.mirrorNormal.x, s.mirrorNormal.y, s.mirrorNormal.z, -d};
            setCamera(reflected.data(), keepFront);
            glEnable(GL_CLIP_DISTANCE0);
            glFrontFace(GL_CCW);  // the reflection turns the winding over
            glDepthMask(GL_TRUE);
            drawItems(frame_.items, true, true, 1.0f);
            glDepthMask(GL_FALSE);
            drawItems(frame_.items, false, true, 1.0f);
            glDisable(GL_CLIP_DISTANCE0);
            glFrontFace(GL_CW);
            glDisable(GL_STENCIL_TEST);
            glDepthMask(GL_TRUE);
            glClear(GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
            setCamera(viewProjection.data(), noClip);
            // The mirror's own picture, blended over the reflection by its alpha.
            for (const DrawItem& item : frame_.items) {
                if (!item.mirror) continue;
                DrawItem over = item;
                over.mode = RenderMode{5, 6, true, true};
                over.cutout = false;
                drawItem(over, 1.0f);
            }
        }

        glDepthMask(GL_TRUE);
        drawItems(frame_.items, true, mirrored, 1.0f);

        // Shadows: the volumes count into the stencil where they hide the surfaces, then the
        // surfaces inside them are drawn again with the ambient light only.
        if (frame_.shadowCount) {
            glDisable(GL_POLYGON_OFFSET_FILL);
            glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
            glDisable(GL_CULL_FACE);
            glEnable(GL_DEPTH_TEST);
            glDepthFunc(GL_LESS);
            glDepthMask(GL_FALSE);
            glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
            glEnable(GL_STENCIL_TEST);
            glStencilFunc(GL_ALWAYS, 0, 0xFF);
            glStencilOpSeparate(GL_BACK, GL_KEEP, GL_INCR_WRAP, GL_KEEP);
            glStencilOpSeparate(GL_FRONT, GL_KEEP, GL_DECR_WRAP, GL_KEEP);
            glDrawArrays(GL_TRIANGLES, static_cast<GLint>(frame_.shadowFirst), static_cast<GLsizei>(frame_.shadowCount));
            glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
            glEnable(GL_CULL_FACE);
            glDepthFunc(GL_LEQUAL);
            glStencilFunc(GL_NOTEQUAL, 0, 0xFF);
            glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
            for (const DrawItem& item : frame_.items) {
                if (!item.mode.depthWrite || (mirrored && item.mirror)) continue;
                bool reached = true;  // only surfaces the volumes reach can lie in shadow
                for (int k = 0; k < 3; ++k)
                    reached = reached && item.low[k] <= frame_.shadowHigh[k] && frame_.shadowLow[k] <= item.high[k];
                if (!reached) continue;
                DrawItem shaded = item;
                shaded.mode.depthWrite = false;
                drawItem(shaded, 0.0f);
            }
            glDisable(GL_STENCIL_TEST);
        }

        glDepthMask(GL_FALSE);
        drawItems(frame_.items, false, mirrored, 1.0f);
        glDepthMask(GL_TRUE);
    });

    // Back to the state the 2D layer expects.
    glDisable(GL_SCISSOR_TEST);
    glDisable(GL_STENCIL_TEST);
    glDisable(GL_CULL_FACE);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_POLYGON_OFFSET_FILL);
    glDisable(GL_POLYGON_OFFSET_LINE);
    glDisable(GL_CLIP_DISTANCE0);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glDepthMask(GL_TRUE);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glFrontFace(GL_CCW);
    glViewport(0, 0, width, height);
    glDisable(GL_BLEND);
    glBindVertexArray(0);
    glUseProgram(0);
    current_ = nullptr;
}

}  // namespace vuz
