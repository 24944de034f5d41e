#include "scene_geometry.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "engine_state.h"
#include "matrix_math.h"
#include "skin_animation.h"
#include "vec_math.h"

namespace vuz {

namespace {

iVector3 applyPoint(const GlMatrix& m, float x, float y, float z) {
    return vec3(m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
                m[2] * x + m[6] * y + m[10] * z + m[14]);
}

// The world box around a box of the mesh's own space placed by m.
void placeBox(const GlMatrix& m, const float* low, const float* high, float* outLow, float* outHigh) {
    for (int k = 0; k < 3; ++k) outLow[k] = 1e30f, outHigh[k] = -1e30f;
    for (int c = 0; c < 8; ++c) {
        iVector3 p = applyPoint(m, c & 1 ? high[0] : low[0], c & 2 ? high[1] : low[1], c & 4 ? high[2] : low[2]);
        const float q[3] = {p.x, p.y, p.z};
        for (int k = 0; k < 3; ++k) outLow[k] = std::min(outLow[k], q[k]), outHigh[k] = std::max(outHigh[k], q[k]);
    }
}

// Normals turn with the placement and undo its scale: the columns over the scale squared
// (a uniform scale only lengthens them, which the shader's normalising undoes).
void normalMatrix(const GlMatrix& place, iVector3 scale, float* out) {
    bool uniform = scale.x == scale.y && scale.y == scale.z;
    const float s[3] = {scale.x, scale.y, scale.z};
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 3; ++r) out[c * 3 + r] = uniform ? place[c * 4 + r] : place[c * 4 + r] / (s[c] * s[c]);
}

// A placed geometry's parts as items.
void addParts(const GpuGeometry& g, const DrawItem& base, const std::vector<std::shared_ptr<Texture>>* slots,
              SceneFrame* frame) {
    for (const GpuPart& part : g.parts) {
        DrawItem& item = frame->items.emplace_back(base);
        item.firstIndex = part.firstIndex;
        item.count = part.indexCount;
        item.order = static_cast<uint32_t>(frame->items.size());
        if (slots) item.texture = part.material < slots->size() ? (*slots)[part.material].get() : nullptr;
        if (item.bounded && item.firstBone < 0) placeBox(item.model, part.low, part.high, item.low, item.high);
    }
}

void pushMatrix(std::vector<float>& out, const Matrix4& m) {
    // Rows first in the engine; OpenGL reads columns.
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) out.push_back(m[r * 4 + c]);
}

void addSkinMesh(SkinMesh& mesh, unsigned contextSerial, uint64_t placement, SceneFrame* frame) {
    if (mesh.data.geometry.mesh.indices.empty()) return;
    if (!mesh.gpu || mesh.gpu->contextSerial != contextSerial) mesh.gpu = uploadSkinMesh(mesh.data, contextSerial);
    if (!mesh.gpu) return;
    size_t firstBone = frame->bones.size() / 16;
    appendSkinMatrices(mesh, &frame->bones);
    DrawItem base;
    base.geometry = mesh.gpu.get();
    base.placement = placement;
    base.model = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    base.firstBone = static_cast<int>(firstBone);
    base.mode = mesh.mode;
    base.serial = mesh.serial;
    base.flatGrey = 0.5f;
    // Its bounds: around each matrix's box of vertices, placed by the matrix.
    const std::vector<float>& boxes = mesh.gpu->matrixBoxes;
    for (int k = 0; k < 3; ++k) base.low[k] = 1e30f, base.high[k] = -1e30f;
    GlMatrix m;
    for (size_t b = 0; b * 6 < boxes.size() && (firstBone + b + 1) * 16 <= frame->bones.size(); ++b) {
        if (boxes[b * 6] > boxes[b * 6 + 3]) continue;
        std::copy_n(&frame->bones[(firstBone + b) * 16], 16, m.begin());
        float low[3], high[3];
        placeBox(m, &boxes[b * 6], &boxes[b * 6 + 3], low, high);
        for (int k = 0; k < 3; ++k) base.low[k] = std::min(base.low[k], low[k]), base.high[k] = std::max(base.high[k], high[k]);
    }
    base.bounded = base.low[0] <= base.high[0];
    addParts(*mesh.gpu, base, &mesh.textures, frame);
}

// Where a ray downwards from p meets a triangle of the mesh's own space, as a height.
bool rayDown(const iVector3& origin, const iVector3& direction, const FloorTriangle& t, float* along) {
    auto corner = [&t](int k) { return vec3(t.corner[k][0], t.corner[k][1], t.corner[k][2]); };
    return rayMeetsTriangle(origin, direction, corner(0), corner(1), corner(2), along);
}

struct FloorMesh {
    const GpuGeometry* geometry;
    GlMatrix place;
    iVector3 location, scale;
    iQuaternion orientation;
    float low[3], high[3];
};

// The highest floor straight below a point, from the static scenery's level triangles.
bool floorBelow(const std::vector<FloorMesh>& floors, iVector3 point, float* floorY) {
    bool found = false;
    for (const FloorMesh& f : floors) {
        if (point.x < f.low[0] || point.x > f.high[0] || point.z < f.low[2] || point.z > f.high[2] || f.low[1] > point.y)
            continue;
        // The ray in the mesh's own space: undo the placement (scale after turn).
        iQuaternion back{-f.orientation.x, -f.orientation.y, -f.orientation.z, f.orientation.w};
        iVector3 o = rotate(back, point - f.location), d = rotate(back, vec3(0, -1, 0));
        const float s[3] = {f.scale.x, f.scale.y, f.scale.z};
        if (s[0] == 0.0f || s[1] == 0.0f || s[2] == 0.0f) continue;
        o = vec3(o.x / s[0], o.y / s[1], o.z / s[2]);
        d = vec3(d.x / s[0], d.y / s[1], d.z / s[2]);
        for (const FloorTriangle& t : f.geometry->floor) {
            float along = 0.0f;
            if (!rayDown(o, d, t, &along)) continue;
            iVector3 hit = applyPoint(f.place, o.x + d.x * along, o.y + d.y * along, o.z + d.z * along);
            if (!found || hit.y > *floorY) *floorY = hit.y;
            found = true;
        }
    }
    return found;
}

// Flattens along the light onto the plane y = h.
GlMatrix flatten(iVector3 light, float h) {
    float sx = light.x / light.y, sz = light.z / light.y;
    return {1, 0, 0, 0, -sx, 0, -sz, 0, 0, 0, 1, 0, sx * h, h, sz * h, 1};
}

uint64_t mix(uint64_t hash, const void* bytes, size_t size) {
    const unsigned char* b = static_cast<const unsigned char*>(bytes);
    for (size_t i = 0; i < size; ++i) hash = (hash ^ b[i]) * 1099511628211ull;
    return hash;
}

// What the frame reuses from the last one: its lists keep their room.
struct Scratch {
    std::vector<std::pair<Mesh*, GlMatrix>> casters;
    std::vector<FloorMesh> floors;
};

Scratch& scratch() {
    static Scratch s;
    return s;
}

}  // namespace

void appendSkinMatrices(SkinMesh& mesh, std::vector<float>* out) {
    const SkinPose& pose = skinMeshPose(mesh);
    const SkinnedGeometry& g = mesh.data.geometry;
    // Each bone's skinning transform, placed in the world: its model transform after its offset.
    Matrix4 place = composeMatrix(mesh.location, mesh.orientation, vec3(1, 1, 1));
    size_t firstBone = out->size() / 16;
    for (size_t b = 0; b < mesh.data.bones.size(); ++b) {
        if (b < pose.model.size()) pushMatrix(*out, place * pose.model[b]);
        else pushMatrix(*out, place);
    }
    for (size_t k = 0; k < g.offsetBones.size(); ++k) {
        int b = g.offsetBones[k];
        if (b < 0 || static_cast<size_t>(b) >= pose.model.size()) continue;
        Matrix4 m = place * (pose.model[b] * g.offsets[k]);
        for (int c = 0; c < 4; ++c)
            for (int r = 0; r < 4; ++r) (*out)[(firstBone + b) * 16 + c * 4 + r] = m[r * 4 + c];
    }
    pushMatrix(*out, g.frame >= 0 && static_cast<size_t>(g.frame) < pose.model.size() ? place * pose.model[g.frame] : place);
}

void buildSceneFrame(const iVector3& light, unsigned contextSerial, SceneFrame* frame) {
    frame->items.clear();
    frame->bones.clear();
    frame->shadows.clear();
    EngineState& e = engine();
    Scratch& s = scratch();
    s.casters.clear();
    s.floors.clear();
    uint64_t scenery = 1469598103934665603ull;
    uint64_t placement = 0;
    e.meshes.forEach([&](uint32_t handle, Mesh& m) {
        iVector3 location;
        iQuaternion turn;
        if (!m.visible || !meshPlacement(m, &location, &turn)) return;
        if (!m.gpu || m.gpu->contextSerial != contextSerial)
            m.gpu = uploadMesh(m.data, contextSerial, m.kind == Mesh::Kind::Static);
        if (!m.gpu) return;
        GlMatrix place = placementMatrix(location, turn, m.scale);
        if (m.kind == Mesh::Kind::ShadowCaster) {
            if (m.shadowLength > 0.0f) s.casters.emplace_back(&m, place);
            return;
        }
        DrawItem base;
        base.geometry = m.gpu.get();
        base.placement = ++placement;
        base.model = place;
        normalMatrix(place, m.scale, base.normal);
        base.bounded = true;
        base.texture = m.kind == Mesh::Kind::Debug ? nullptr : m.texture.get();
        base.flatGrey = m.kind == Mesh::Kind::Debug ? 0.8f : 0.5f;
        base.mode = m.mode;
        base.priority = m.priority;
        base.serial = m.serial;
        base.zBias = m.zBias;
        base.textureMode = m.textureMode;
        base.wireframe = m.wireframe;
        base.mirror = m.mirror && m.kind == Mesh::Kind::Static;
        base.emissive = m.emissive;
        base.alpha = m.alpha;
        size_t first = frame->items.size();
        addParts(*m.gpu, base, nullptr, frame);
        if (m.kind == Mesh::Kind::Static && m.mode.depthWrite && !base.mirror && !m.gpu->floor.empty()) {
            FloorMesh f{m.gpu.get(), place, location, m.scale, turn, {1e30f, 1e30f, 1e30f}, {-1e30f, -1e30f, -1e30f}};
            for (size_t i = first; i < frame->items.size(); ++i)
                for (int k = 0; k < 3; ++k)
                    f.low[k] = std::min(f.low[k], frame->items[i].low[k]), f.high[k] = std::max(f.high[k], frame->items[i].high[k]);
            s.floors.push_back(f);
            scenery = mix(scenery, &handle, sizeof handle);
            scenery = mix(scenery, place.data(), sizeof(float) * 16);
        }
    });
    e.skinMeshes.forEach([&](uint32_t, SkinMesh& m) {
        if (m.visible) addSkinMesh(m, contextSerial, ++placement, frame);
    });
    std::sort(frame->items.begin(), frame->items.end(), [](const DrawItem& a, const DrawItem& b) {
        if (a.priority != b.priority) return a.priority < b.priority;
        return a.serial != b.serial ? a.serial < b.serial : a.order < b.order;
    });

    // Shadows: each caster pressed onto the floor below its middle, when the light comes from
    // above and the caster is near enough to the floor for its shadow to reach it.
    for (int k = 0; k < 3; ++k) frame->shadowLow[k] = 1e30f, frame->shadowHigh[k] = -1e30f;
    if (light.y > -0.05f) return;
    scenery = mix(scenery, &light, sizeof light);
    for (auto& [mesh, place] : s.casters) {
        GpuGeometry& g = *mesh->gpu;
        float low[3] = {1e30f, 1e30f, 1e30f}, high[3] = {-1e30f, -1e30f, -1e30f};
        for (const GpuPart& part : g.parts) {
            float l[3], h[3];
            placeBox(place, part.low, part.high, l, h);
            for (int k = 0; k < 3; ++k) low[k] = std::min(low[k], l[k]), high[k] = std::max(high[k], h[k]);
        }
        iVector3 middle = vec3((low[0] + high[0]) * 0.5f, (low[1] + high[1]) * 0.5f, (low[2] + high[2]) * 0.5f);
        // The floor is looked for again once the caster has moved a little or the scenery changed.
        float moved = std::fabs(middle.x - g.floorAskedAt[0]) + std::fabs(middle.z - g.floorAskedAt[2]);
        bool rose = middle.y > g.floorAskedAt[1] + 0.02f, sank = g.floorFound && middle.y < g.floorY;
        if (g.floorScenery != scenery || moved > 0.02f || rose || sank) {
            g.floorScenery = scenery;
            g.floorAskedAt[0] = middle.x, g.floorAskedAt[1] = middle.y, g.floorAskedAt[2] = middle.z;
            g.floorFound = floorBelow(s.floors, middle, &g.floorY);
        }
        if (!g.floorFound || (low[1] - g.floorY) / -light.y > mesh->shadowLength) continue;
        ShadowItem& shadow = frame->shadows.emplace_back();
        shadow.geometry = &g;
        GlMatrix flat = flatten(light, g.floorY);
        shadow.model = multiply(flat, place);
        float fl[3], fh[3];
        placeBox(flat, low, high, fl, fh);
        for (int k = 0; k < 3; ++k)
            frame->shadowLow[k] = std::min(frame->shadowLow[k], fl[k]), frame->shadowHigh[k] = std::max(frame->shadowHigh[k], fh[k]);
    }
}

}  // namespace vuz
