// Static meshes in the scene: visibility, placement, how they are drawn, the mirror, and the
// debug meshes that follow bodies.
#include <algorithm>
#include <memory>

#include "../win32/win32_host.h"
#include "engine_state.h"
#include "vec_math.h"

using namespace vuz;

namespace {

Mesh* mesh(uint32_t handle) { return engine().meshes.get(handle); }

void computeBounds(Mesh& m) {
    float lo[3] = {1e30f, 1e30f, 1e30f}, hi[3] = {-1e30f, -1e30f, -1e30f};
    for (const MeshVertex& v : m.data.vertices)
        for (int i = 0; i < 3; ++i) {
            lo[i] = std::min(lo[i], v.position[i]);
            hi[i] = std::max(hi[i], v.position[i]);
        }
    m.bounds = {lo[0], lo[1], lo[2], hi[0], hi[1], hi[2]};
}

}  // namespace

namespace vuz {

// Meshes without normals in their file get the normals of their faces.
void giveFaceNormals(MeshData& data) {
    bool any = false;
    for (const MeshVertex& v : data.vertices) any = any || v.normal[0] != 0.0f || v.normal[1] != 0.0f || v.normal[2] != 0.0f;
    if (any) return;
    MeshData flat;
    flat.parts = data.parts;
    flat.materialTextures = data.materialTextures;
    for (size_t i = 0; i + 2 < data.indices.size(); i += 3) {
        MeshVertex a = data.vertices[data.indices[i]], b = data.vertices[data.indices[i + 1]], c = data.vertices[data.indices[i + 2]];
        iVector3 pa = vec3(a.position[0], a.position[1], a.position[2]);
        iVector3 n = cross(vec3(b.position[0], b.position[1], b.position[2]) - pa, vec3(c.position[0], c.position[1], c.position[2]) - pa);
        float len = length(n);
        // Front faces are clockwise as seen: (b - a) x (c - a) points out of the front.
        n = len > 0.0f ? n * (1.0f / len) : vec3(0, 1, 0);
        for (MeshVertex v : {a, b, c}) {
            v.normal[0] = n.x, v.normal[1] = n.y, v.normal[2] = n.z;
            flat.indices.push_back(static_cast<uint32_t>(flat.vertices.size()));
            flat.vertices.push_back(v);
        }
    }
    data = std::move(flat);
}

void prepareMesh(Mesh& m) {
    giveFaceNormals(m.data);
    computeBounds(m);
    m.serial = engine().nextSerial++;
}

}  // namespace vuz

extern "C" {

void iMeshShow(uint32_t handle) {
    if (Mesh* m = mesh(handle)) m->visible = true;
}

void iMeshHide(uint32_t handle) {
    if (Mesh* m = mesh(handle)) m->visible = false;
}

void iMeshLocationSet(uint32_t handle, const iVector3* location) {
    Mesh* m = mesh(handle);
    if (m && usableVector(location, "iMeshLocationSet")) m->location = *location;
}

void iMeshOrientationSet(uint32_t handle, const iQuaternion* orientation) {
    Mesh* m = mesh(handle);
    iQuaternion q;
    if (m && usableRotation(orientation, "iMeshOrientationSet", &q)) m->orientation = q;
}

void iMeshEulerOrientationSet(uint32_t handle, float x, float y, float z, const char* order) {
    Mesh* m = mesh(handle);
    if (m && usableNumbers({x, y, z}, "iMeshEulerOrientationSet")) m->orientation = eulerAngles(x, y, z, order);
}

void iMeshScaleSet(uint32_t handle, float x, float y, float z) {
    Mesh* m = mesh(handle);
    if (m && usableNumbers({x, y, z}, "iMeshScaleSet")) m->scale = vec3(x, y, z);
}

void iMeshRenderModeSet(uint32_t handle, int source, int target, int depthTest, int depthWrite) {
    if (Mesh* m = mesh(handle)) m->mode = RenderMode{source, target, depthTest != 0, depthWrite != 0};
}

void iMeshRenderPrioritySet(uint32_t handle, int priority) {
    if (Mesh* m = mesh(handle)) m->priority = priority;
}

void iMeshZBiasSet(uint32_t handle, int bias) {
    if (Mesh* m = mesh(handle)) m->zBias = bias;
}

void iMeshEmissiveSet(uint32_t handle, float r, float g, float b, float a) {
    Mesh* m = mesh(handle);
    if (m && usableNumbers({r, g, b, a}, "iMeshEmissiveSet")) m->emissive = iVector4{r, g, b, a};
}

void iMeshAlphaSet(uint32_t handle, float alpha) {
    Mesh* m = mesh(handle);
    if (m && usableNumbers({alpha}, "iMeshAlphaSet")) m->alpha = alpha;
}

void iMeshAlphaTextureChange(uint32_t handle, const char* texturePath) {
    Mesh* m = mesh(handle);
    if (!m || !texturePath || !m->texture) return;
    std::string error;
    std::shared_ptr<Texture> mask = engine().textures.fromFile(texturePath, 1, &error);
    if (!mask) {
        win32::log("engine: mesh alpha unchanged: " + error);
        return;
    }
    // The mask is stretched over the mesh's own copy of its picture; its red becomes the alpha.
    Image image = m->texture->image();
    const Image& k = mask->image();
    for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x) {
            size_t mx = static_cast<size_t>(x) * k.width / image.width, my = static_cast<size_t>(y) * k.height / image.height;
            image.rgba[(static_cast<size_t>(y) * image.width + x) * 4 + 3] = k.rgba[(my * k.width + mx) * 4];
        }
    m->texture = std::make_shared<Texture>(m->texture->name() + " + " + texturePath, std::move(image), m->texture->mipLevels());
    m->alphaTextureName = texturePath;
}

void iMeshMirrorMake(uint32_t handle, int on) {
    if (Mesh* m = mesh(handle)) m->mirror = on != 0;
}

void iMirrorPlaneSet(const iVector3* point, const iVector3* normal) {
    if (!usableVector(point, "iMirrorPlaneSet") || !usableVector(normal, "iMirrorPlaneSet")) return;
    float n = length(*normal);
    if (!(n > 1e-6f)) {
        refuseInput("iMirrorPlaneSet", "a normal of length 0");
        return;
    }
    Session& s = session();
    s.mirrorSet = true;
    s.mirrorPoint = *point;
    s.mirrorNormal = *normal * (1.0f / n);
}

void iMeshTextureModeSet(uint32_t handle, int mode) {
    if (Mesh* m = mesh(handle)) m->textureMode = mode >= 1 && mode <= 4 ? mode : 1;
}

void iMeshWireframeEnable(uint32_t handle, int on) {
    if (Mesh* m = mesh(handle)) m->wireframe = on != 0;
}

void iMeshSpecularSet(uint32_t handle, float power, float strength) {
    Mesh* m = mesh(handle);
    if (m && usableNumbers({power, strength}, "iMeshSpecularSet")) m->stored.specular[0] = power, m->stored.specular[1] = strength;
}

void iMeshFogSet(uint32_t handle, float start, float end) {
    Mesh* m = mesh(handle);
    if (m && usableNumbers({start, end}, "iMeshFogSet")) m->stored.fog[0] = start, m->stored.fog[1] = end;
}

void iMeshLocalLightsEnable(uint32_t handle, int on) {
    if (Mesh* m = mesh(handle)) m->stored.localLights = on != 0;
}

void iMeshTextureMipMapLodSet(uint32_t handle, float bias) {
    Mesh* m = mesh(handle);
    if (m && usableNumbers({bias}, "iMeshTextureMipMapLodSet")) m->stored.mipLodBias = bias;
}

void iMeshEnvMapBlendSet(uint32_t handle, float value) {
    Mesh* m = mesh(handle);
    if (m && usableNumbers({value}, "iMeshEnvMapBlendSet")) m->stored.envMapBlend = value;
}

void iMeshEnvMapGlassSet(uint32_t handle, float value) {
    Mesh* m = mesh(handle);
    if (m && usableNumbers({value}, "iMeshEnvMapGlassSet")) m->stored.envMapGlass = value;
}

uint32_t iBodyMeshCreate(const char* path, uint32_t body) {
    if (!path || !engine().bodies.get(body)) {
        win32::log("engine: debug mesh not made: no such body");
        return 0;
    }
    std::string bytes, error;
    if (!readGameFile(path, &bytes)) {
        win32::log(std::string("engine: debug mesh not made: cannot read \"") + path + "\"");
        return 0;
    }
    auto m = std::make_unique<Mesh>();
    if (!readMeshData(bytes.data(), bytes.size(), &m->data, &error)) {
        win32::log(std::string("engine: debug mesh not made: \"") + path + "\": " + error);
        return 0;
    }
    m->kind = Mesh::Kind::Debug;
    m->body = body;
    prepareMesh(*m);
    return engine().meshes.add(std::move(m));
}

}  // extern "C"
