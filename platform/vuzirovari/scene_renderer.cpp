#include "scene_renderer.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <string>

#include "../win32/win32_host.h"
#include "engine_state.h"
#include "gl_shared.h"
#include "projection.h"
#include "scene_shaders.h"
#include "vec_math.h"

namespace vuz {

namespace {

bool knownFactor(int f) { return f >= 1 && f <= 11; }

// Drawn without blending: opaque surfaces, and alpha-blended ones whose every texel and whose
// own alpha are fully opaque (blending them would give the texel itself).
bool opaqueItem(const DrawItem& item) {
    const RenderMode& m = item.mode;
    if (!knownFactor(m.source) || !knownFactor(m.target)) return false;
    if (m.source == 2 && m.target == 1) return true;
    bool solidTexels = !item.texture || (!item.texture->hasSeeThroughTexels() && item.textureMode != 4);
    return m.source == 5 && m.target == 6 && item.alpha >= 1.0f && solidTexels;
}

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

bool SceneRenderer::buildProgram(bool cutOut, bool skinned, bool pixelLight, Program* out) {
    std::string prefix = std::string("#version 330 core\n") + (skinned ? "#define SKINNED\n" : "") +
                         (pixelLight ? "#define PIXEL_LIGHT\n" : "");
    unsigned vs = compileShader(GL_VERTEX_SHADER, SceneVertexShader, prefix.c_str(), "3D");
    std::string fsPrefix = prefix + (cutOut ? "#define CUT_OUT\n" : "");
    unsigned fs = compileShader(GL_FRAGMENT_SHADER, SceneFragmentShader, fsPrefix.c_str(), "3D");
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
    *out = Program();
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
    out->model = at("model");
    out->normalMatrix = at("normalMatrix");
    out->firstBone = at("firstBone");
    glUseProgram(program);
    glUniform1i(at("picture"), 0);
    if (skinned) glUniform1i(at("boneMatrices"), 1);
    return true;
}

bool SceneRenderer::build() {
    current_ = nullptr;
    for (int i = 0; i < 6; ++i)
        if (!buildProgram((i & 1) != 0, (i & 2) != 0, (i & 6) != 0, &programs_[i])) return false;
    glGenBuffers(1, &boneBuffer_);
    glGenTextures(1, &boneTexture_);
    glBindBuffer(GL_TEXTURE_BUFFER, boneBuffer_);
    glBufferData(GL_TEXTURE_BUFFER, 64 * sizeof(float), nullptr, GL_STREAM_DRAW);
    glBindTexture(GL_TEXTURE_BUFFER, boneTexture_);
    glTexBuffer(GL_TEXTURE_BUFFER, GL_RGBA32F, boneBuffer_);
    glBindTexture(GL_TEXTURE_BUFFER, 0);
    glBindBuffer(GL_TEXTURE_BUFFER, 0);
    return true;
}

void SceneRenderer::use(const Program& p) {
    if (current_ == &p) return;
    current_ = const_cast<Program*>(&p);
    glUseProgram(p.name);
}

void SceneRenderer::bindGeometry(const GpuGeometry* geometry) {
    if (boundGeometry_ == geometry) return;
    boundGeometry_ = geometry;
    glBindVertexArray(geometry ? geometry->vertexArray : 0);
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
    if (!item.geometry || outOfView(item)) return;
    unsigned name = item.texture ? item.texture->glTexture(serial_) : 0;
    const RenderMode& m = item.mode;
    bool known = knownFactor(m.source) && knownFactor(m.target);
    int source = known ? m.source : 5, target = known ? m.target : 6;
    bool opaque = opaqueItem(item);
    bool cutOut = source == 2 && target == 1 && item.cutout && name && item.texture->hasCutOutTexels();
    // Without colour every untextured scenery surface uses the one program (its lighting is
    // never seen), so the driver compiles the fewest variants for the depth pass.
    bool pixelLight = item.firstBone < 0 && !item.geometry->flatFaced && !(depthOnly_ && !cutOut);
    Program& p = programs_[(cutOut ? 1 : 0) + (item.firstBone >= 0 ? 2 : 0) + (pixelLight ? 4 : 0)];
    use(p);
    bindGeometry(item.geometry);
    if (p.placement != item.placement) {
        p.placement = item.placement;
        if (item.firstBone >= 0) {
            glUniform1i(p.firstBone, item.firstBone);
        } else {
            glUniformMatrix4fv(p.model, 1, GL_FALSE, item.model.data());
            glUniformMatrix3fv(p.normalMatrix, 1, GL_FALSE, item.normal);
        }
    }
    glUniform1i(p.textured, name ? 1 : 0);
    if (!name && boundTexture_ != 0) {
        // Nothing sampled: no texture bound either, so the driver's compiled variant of the
        // program does not depend on the last surface's texture and wrap mode.
        glBindTexture(GL_TEXTURE_2D, 0);
        boundTexture_ = 0;
        boundWrap_ = -1;
    }
    if (name) {
        int wrap = wrapMode(item.textureMode);
        if (name != boundTexture_ || wrap != boundWrap_) {
            if (name != boundTexture_) glBindTexture(GL_TEXTURE_2D, name);
            boundTexture_ = name;
            boundWrap_ = wrap;
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, item.texture->hasMipMaps() ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        }
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
    if (p.litSet != lit) {
        p.litSet = lit;
        glUniform1f(p.lit, lit);
    }
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(item.count), GL_UNSIGNED_INT,
                   reinterpret_cast<void*>(static_cast<uintptr_t>(item.firstIndex) * sizeof(uint32_t)));
}

void SceneRenderer::drawItems(const std::vector<DrawItem>& items, bool depthWriters, bool skipMirrors, float lit) {
    for (const DrawItem& item : items) {
        if (item.mode.depthWrite != depthWriters || (skipMirrors && item.mirror)) continue;
        drawItem(item, lit);
    }
}

// Depth first: the opaque surfaces lay down the nearest depth without colour, so the surfaces
// pass then shades each of their pixels once (the floor under the mat is never shaded). The
// picture is the same: at every pixel the last surface drawn at the nearest depth still wins.
// It takes the surfaces drawn opaque by their render mode up to the first one that is not
// (a blended surface must be blended over what was drawn before it); measured on the arenas,
// laying down the depth of the blended figures and what follows them costs more than it saves.
void SceneRenderer::drawDepthFirst(bool mirrored) {
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    depthOnly_ = true;
    for (const DrawItem& item : frame_.items) {
        if (!item.mode.depthWrite || (mirrored && item.mirror)) continue;
        if (item.mode.source != 2 || item.mode.target != 1) break;
        if (!item.mode.depthTest) continue;
        // Without colour only cut-out texels need the texture; every other surface is drawn
        // untextured, so all of them share one compiled variant of their program.
        if (item.cutout && item.texture && item.texture->hasCutOutTexels()) {
            drawItem(item, 1.0f);
        } else {
            DrawItem depthOnly = item;
            depthOnly.texture = nullptr;
            drawItem(depthOnly, 1.0f);
        }
    }
    depthOnly_ = false;
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
}

// Shadows: the casters pressed onto the floor mark the stencil where the floor shows, once
// however many overlap, then the surfaces there are drawn again with the ambient light only.
void SceneRenderer::drawShadows(bool mirrored, const PixelRect& port) {
    PixelRect cover;
    if (frame_.shadows.empty() || !coverOf(frame_.shadowLow, frame_.shadowHigh, port, &cover)) return;
    narrowTo(cover, port);
    glDisable(GL_BLEND);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glDisable(GL_CULL_FACE);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_FALSE);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glEnable(GL_STENCIL_TEST);
    glStencilFunc(GL_ALWAYS, 1, 0xFF);
    glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
    glDisable(GL_POLYGON_OFFSET_LINE);
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(-1.0f, -8.0f);  // lies on the floor: drawn just in front of it
    Program& p = programs_[0];
    use(p);
    p.placement = 0;
    glUniform1i(p.textured, 0);
    if (boundTexture_ != 0) glBindTexture(GL_TEXTURE_2D, 0);
    boundTexture_ = 0;
    boundWrap_ = -1;
    for (const ShadowItem& shadow : frame_.shadows) {
        bindGeometry(shadow.geometry);
        glUniformMatrix4fv(p.model, 1, GL_FALSE, shadow.model.data());
        for (const GpuPart& part : shadow.geometry->parts)
            glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(part.indexCount), GL_UNSIGNED_INT,
                           reinterpret_cast<void*>(static_cast<uintptr_t>(part.firstIndex) * sizeof(uint32_t)));
    }
    glDisable(GL_POLYGON_OFFSET_FILL);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glEnable(GL_CULL_FACE);
    glStencilFunc(GL_EQUAL, 1, 0xFF);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    for (const DrawItem& item : frame_.items) {
        // Scenery only: figures are never darkened by a shadow.
        if (!item.mode.depthWrite || !item.bounded || item.firstBone >= 0 || (mirrored && item.mirror)) continue;
        bool reached = true;  // only surfaces the shadows reach can lie in shadow
        for (int k = 0; k < 3; ++k)
            reached = reached && item.low[k] <= frame_.shadowHigh[k] + 0.01f && frame_.shadowLow[k] - 0.01f <= item.high[k];
        if (!reached) continue;
        DrawItem shaded = item;
        shaded.mode.depthWrite = false;
        drawItem(shaded, 0.0f);
    }
    glDisable(GL_STENCIL_TEST);
    widen(port);
}

bool SceneRenderer::prepare(unsigned contextSerial) {
    if (contextSerial == 0) return false;
    if (contextSerial != serial_) {
        serial_ = contextSerial;
        boneBuffer_ = boneTexture_ = 0;
        broken_ = !build();
    }
    return !broken_;
}

bool SceneRenderer::readPosedVertices(unsigned contextSerial, SkinMesh& mesh, std::vector<float>* xyz) {
    if (!prepare(contextSerial) || mesh.data.geometry.mesh.indices.empty()) return false;
    if (!mesh.gpu || mesh.gpu->contextSerial != contextSerial) mesh.gpu = uploadSkinMesh(mesh.data, contextSerial);
    if (!mesh.gpu) return false;
    std::string prefix = "#version 330 core\n#define SKINNED\n#define PIXEL_LIGHT\n#define CAPTURE\n";
    unsigned vs = compileShader(GL_VERTEX_SHADER, SceneVertexShader, prefix.c_str(), "3D");
    if (!vs) return false;
    unsigned program = glCreateProgram();
    glAttachShader(program, vs);
    const char* captured[] = {"capturedPosition"};
    glTransformFeedbackVaryings(program, 1, captured, GL_INTERLEAVED_ATTRIBS);
    glLinkProgram(program);
    glDeleteShader(vs);
    int ok = 0;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    std::vector<float> bones;
    appendSkinMatrices(mesh, &bones);
    const size_t count = mesh.gpu->vertexCount;
    unsigned out = 0;
    if (ok) {
        const float identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, noClip[4] = {0, 0, 0, 1};
        glUseProgram(program);
        glUniformMatrix4fv(glGetUniformLocation(program, "viewProjection"), 1, GL_FALSE, identity);
        glUniform4fv(glGetUniformLocation(program, "clipPlane"), 1, noClip);
        glUniform1i(glGetUniformLocation(program, "boneMatrices"), 1);
        glUniform1i(glGetUniformLocation(program, "firstBone"), 0);
        glActiveTexture(GL_TEXTURE1);
        glBindBuffer(GL_TEXTURE_BUFFER, boneBuffer_);
        glBufferData(GL_TEXTURE_BUFFER, static_cast<GLsizeiptr>(bones.size() * sizeof(float)), bones.data(), GL_STREAM_DRAW);
        glBindBuffer(GL_TEXTURE_BUFFER, 0);
        glBindTexture(GL_TEXTURE_BUFFER, boneTexture_);
        glActiveTexture(GL_TEXTURE0);
        glGenBuffers(1, &out);
        glBindBuffer(GL_TRANSFORM_FEEDBACK_BUFFER, out);
        glBufferData(GL_TRANSFORM_FEEDBACK_BUFFER, static_cast<GLsizeiptr>(count * 3 * sizeof(float)), nullptr, GL_STREAM_READ);
        glBindBufferBase(GL_TRANSFORM_FEEDBACK_BUFFER, 0, out);
        glEnable(GL_RASTERIZER_DISCARD);
        glBindVertexArray(mesh.gpu->vertexArray);
        glBeginTransformFeedback(GL_POINTS);
        glDrawArrays(GL_POINTS, 0, static_cast<GLsizei>(count));
        glEndTransformFeedback();
        glDisable(GL_RASTERIZER_DISCARD);
        xyz->assign(count * 3, 0.0f);
        glGetBufferSubData(GL_TRANSFORM_FEEDBACK_BUFFER, 0, static_cast<GLsizeiptr>(xyz->size() * sizeof(float)), xyz->data());
        glBindBufferBase(GL_TRANSFORM_FEEDBACK_BUFFER, 0, 0);
        glDeleteBuffers(1, &out);
        glBindVertexArray(0);
        glUseProgram(0);
    }
    glDeleteProgram(program);
    current_ = nullptr;
    boundGeometry_ = nullptr;
    return ok != 0;
}

void SceneRenderer::draw(unsigned contextSerial, int width, int height) {
    if (!prepare(contextSerial)) return;
    EngineState& e = engine();
    if (e.cameras.size() == 0) return;
    const Session& s = session();
    iVector3 light = s.light.direction;
    float len = length(light);
    light = len > 1e-6f ? light * (1.0f / len) : vec3(0, -1, 0);
    auto gatherStart = std::chrono::steady_clock::now();
    buildSceneFrame(light, serial_, &frame_);
    gatherSeconds_ = std::chrono::duration<double>(std::chrono::steady_clock::now() - gatherStart).count();
    if (frame_.empty()) return;

    current_ = nullptr;
    boundGeometry_ = nullptr;
    boundTexture_ = 0;
    boundWrap_ = -1;
    for (Program& p : programs_) p.placement = 0, p.litSet = -1.0f;
    if (!frame_.bones.empty()) {
        glActiveTexture(GL_TEXTURE1);
        glBindBuffer(GL_TEXTURE_BUFFER, boneBuffer_);
        glBufferData(GL_TEXTURE_BUFFER, static_cast<GLsizeiptr>(frame_.bones.size() * sizeof(float)), frame_.bones.data(),
                     GL_STREAM_DRAW);
        glBindBuffer(GL_TEXTURE_BUFFER, 0);
        glBindTexture(GL_TEXTURE_BUFFER, boneTexture_);
    }
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
        const PixelRect area{x, y, w, h};
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
        // The reflection is drawn only into the rectangle the mirrors cover on the screen.
        bool mirrored = false;
        PixelRect mirrorCover;
        if (s.mirrorSet && dot(camera.location() - s.mirrorPoint, s.mirrorNormal) > 0.0f) {
            float low[3] = {1e30f, 1e30f, 1e30f}, high[3] = {-1e30f, -1e30f, -1e30f};
            for (const DrawItem& item : frame_.items) {
                if (!item.mirror) continue;
                mirrored = true;
                for (int k = 0; k < 3; ++k) low[k] = std::fmin(low[k], item.low[k]), high[k] = std::fmax(high[k], item.high[k]);
            }
            mirrored = mirrored && coverOf(low, high, area, &mirrorCover);
        }
        if (mirrored) {
            narrowTo(mirrorCover, area);
            glEnable(GL_STENCIL_TEST);
            glStencilFunc(GL_ALWAYS, 1, 0xFF);
            glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
            glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
            glDepthMask(GL_FALSE);
            for (const DrawItem& item : frame_.items) {
                if (!item.mirror) continue;
                DrawItem outline = item;
                outline.cutout = false;
                outline.texture = nullptr;  // only its outline counts: nothing to sample
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
            glClear(GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);  // only the rectangle was touched
            widen(area);
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
        drawDepthFirst(mirrored);
        drawItems(frame_.items, true, mirrored, 1.0f);
        drawShadows(mirrored, area);
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
    glBindTexture(GL_TEXTURE_2D, 0);
    glUseProgram(0);
    current_ = nullptr;
    boundGeometry_ = nullptr;
}

}  // namespace vuz
