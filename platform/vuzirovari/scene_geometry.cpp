#include "scene_geometry.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "engine_state.h"
#include "matrix_math.h"
#include "projection.h"
#include "skin_animation.h"
#include "vec_math.h"

namespace vuz {

namespace {

iVector3 at(const float* p) { return vec3(p[0], p[1], p[2]); }

void put(std::vector<SceneVertex>& out, iVector3 p, iVector3 n, const float* uv) {
    out.push_back({{p.x, p.y, p.z}, {n.x, n.y, n.z}, {uv[0], uv[1]}});
}

// A triangle whose vertices carry no normal gets the face's.
void fixNormals(SceneVertex* v) {
    for (int k = 0; k < 3; ++k)
        if (v[k].normal[0] != 0.0f || v[k].normal[1] != 0.0f || v[k].normal[2] != 0.0f) return;
    iVector3 a = at(v[0].position), n = cross(at(v[1].position) - a, at(v[2].position) - a);
    float len = length(n);
    n = len > 0.0f ? n * (1.0f / len) : vec3(0, 1, 0);
    for (int k = 0; k < 3; ++k) v[k].normal[0] = n.x, v[k].normal[1] = n.y, v[k].normal[2] = n.z;
}

void bound(const std::vector<SceneVertex>& vertices, uint32_t first, uint32_t count, float* low, float* high) {
    for (int k = 0; k < 3; ++k) low[k] = 1e30f, high[k] = -1e30f;
    for (uint32_t i = first; i < first + count; ++i)
        for (int k = 0; k < 3; ++k) {
            low[k] = std::min(low[k], vertices[i].position[k]);
            high[k] = std::max(high[k], vertices[i].position[k]);
        }
}

// The vertices of mesh data placed in the world, triangle by triangle, one item per part.
void addMesh(const MeshData& data, const GlMatrix& place, iVector3 scale, DrawItem base,
             SceneFrame* frame, const std::vector<Texture*>* slotTextures) {
    bool uniform = scale.x == scale.y && scale.y == scale.z;
    for (const MeshPart& part : data.parts) {
        DrawItem item = base;
        item.first = static_cast<uint32_t>(frame->vertices.size());
        if (slotTextures) {
            item.texture = part.material < slotTextures->size() ? (*slotTextures)[part.material] : nullptr;
        }
        for (uint32_t i = part.firstIndex; i + 2 < part.firstIndex + part.indexCount + 0u && i < data.indices.size(); i += 3) {
            for (int k = 0; k < 3; ++k) {
                const MeshVertex& v = data.vertices[data.indices[i + k]];
                iVector3 p = at(v.position);
                iVector3 w = vec3(place[0] * p.x + place[4] * p.y + place[8] * p.z + place[12],
                                  place[1] * p.x + place[5] * p.y + place[9] * p.z + place[13],
                                  place[2] * p.x + place[6] * p.y + place[10] * p.z + place[14]);
                iVector3 n = at(v.normal);
                if (!uniform) n = vec3(n.x / (scale.x * scale.x), n.y / (scale.y * scale.y), n.z / (scale.z * scale.z));
                // The placement's columns are the turned, scaled axes; normalising undoes the scale.
                n = vec3(place[0] * n.x + place[4] * n.y + place[8] * n.z, place[1] * n.x + place[5] * n.y + place[9] * n.z,
                         place[2] * n.x + place[6] * n.y + place[10] * n.z);
                float len = length(n);
                if (len > 0.0f) n = n * (1.0f / len);
                put(frame->vertices, w, n, v.uv);
            }
            fixNormals(&frame->vertices[frame->vertices.size() - 3]);
        }
        item.count = static_cast<uint32_t>(frame->vertices.size()) - item.first;
        bound(frame->vertices, item.first, item.count, item.low, item.high);
        if (item.count) frame->items.push_back(item);
    }
}

void addSkinMesh(SkinMesh& mesh, SceneFrame* frame) {
    const SkinPose& pose = skinMeshPose(mesh);
    const SkinnedGeometry& g = mesh.data.geometry;
    if (g.mesh.indices.empty()) return;
    // Each bone's skinning transform: its model transform after its offset.
    std::vector<Matrix4> skin(mesh.data.bones.size(), identityMatrix());
    for (size_t b = 0; b < skin.size(); ++b) skin[b] = pose.model[b];
    for (size_t k = 0; k < g.offsetBones.size(); ++k) skin[g.offsetBones[k]] = pose.model[g.offsetBones[k]] * g.offsets[k];
    Matrix4 unskinned = g.frame >= 0 ? pose.model[g.frame] : identityMatrix();
    std::vector<iVector3> positions(g.mesh.vertices.size()), normals(g.mesh.vertices.size());
    iQuaternion turn = normalized(mesh.orientation);
    for (size_t i = 0; i < g.mesh.vertices.size(); ++i) {
        const MeshVertex& v = g.mesh.vertices[i];
        const SkinWeights& w = g.weights[i];
        iVector3 p = vec3(0, 0, 0), n = vec3(0, 0, 0);
        float total = 0.0f;
        for (int k = 0; k < 4; ++k) {
            if (w.bone[k] < 0) continue;
            const Matrix4& m = skin[w.bone[k]];
            p = p + transformPoint(m, at(v.position)) * w.weight[k];
            n = n + transformDirection(m, at(v.normal)) * w.weight[k];
            total += w.weight[k];
        }
        if (total <= 0.0f) {
            p = transformPoint(unskinned, at(v.position));
            n = transformDirection(unskinned, at(v.normal));
        }
        float len = length(n);
        positions[i] = mesh.location + rotate(turn, p);
        normals[i] = len > 0.0f ? rotate(turn, n * (1.0f / len)) : vec3(0, 0, 0);
    }
    std::vector<Texture*> slots;
    for (const auto& t : mesh.textures) slots.push_back(t.get());
    DrawItem base;
    base.mode = mesh.mode;
    base.serial = mesh.serial;
    base.flatGrey = 0.5f;
    for (const MeshPart& part : g.mesh.parts) {
        DrawItem item = base;
        item.first = static_cast<uint32_t>(frame->vertices.size());
        item.texture = part.material < slots.size() ? slots[part.material] : nullptr;
        for (uint32_t i = part.firstIndex; i + 2 < part.firstIndex + part.indexCount && i + 2 < g.mesh.indices.size(); i += 3) {
            for (int k = 0; k < 3; ++k) {
                uint32_t index = g.mesh.indices[i + k];
                put(frame->vertices, positions[index], normals[index], g.mesh.vertices[index].uv);
            }
            fixNormals(&frame->vertices[frame->vertices.size() - 3]);
        }
        item.count = static_cast<uint32_t>(frame->vertices.size()) - item.first;
        bound(frame->vertices, item.first, item.count, item.low, item.high);
        if (item.count) frame->items.push_back(item);
    }
}

// One outward-wound triangle of a shadow volume: flipped when it faces inwards.
void volumeTriangle(std::vector<SceneVertex>& out, iVector3 a, iVector3 b, iVector3 c, iVector3 outward) {
    if (dot(cross(b - a, c - a), outward) < 0.0f) std::swap(b, c);
    const float uv[2] = {0.0f, 0.0f};
    for (iVector3 p : {a, b, c}) put(out, p, vec3(0, 0, 0), uv);
}

// The caster's volume: the triangles facing the light, the same pushed away along the light,
// and the sides along the silhouette between them.
// A volume only needs to reach past the lowest surface of the scene: below it there is nothing
// to darken, and the shorter volume costs far less to draw.
void addShadowVolume(const Mesh& mesh, const GlMatrix& place, iVector3 light, float floorY, SceneFrame* frame) {
    const MeshData& d = mesh.data;
    std::vector<iVector3> world(d.vertices.size());
    for (size_t i = 0; i < world.size(); ++i) {
        iVector3 p = at(d.vertices[i].position);
        world[i] = vec3(place[0] * p.x + place[4] * p.y + place[8] * p.z + place[12],
                        place[1] * p.x + place[5] * p.y + place[9] * p.z + place[13],
                        place[2] * p.x + place[6] * p.y + place[10] * p.z + place[14]);
    }
    // Corners at the same place are one corner: edges are found by position.
    std::map<std::array<float, 3>, int> ids;
    std::vector<int> id(world.size());
    for (size_t i = 0; i < world.size(); ++i) {
        std::array<float, 3> key{d.vertices[i].position[0], d.vertices[i].position[1], d.vertices[i].position[2]};
        id[i] = ids.emplace(key, static_cast<int>(ids.size())).first->second;
    }
    size_t triangles = d.indices.size() / 3;
    std::vector<char> lit(triangles);
    std::map<std::pair<int, int>, std::pair<int, int>> edgeUse;  // an edge's lit and unlit triangles
    iVector3 centre = vec3(0, 0, 0);
    for (const iVector3& p : world) centre = centre + p;
    if (!world.empty()) centre = centre * (1.0f / static_cast<float>(world.size()));
    for (size_t t = 0; t < triangles; ++t) {
        const uint32_t* i = &d.indices[3 * t];
        iVector3 n = cross(world[i[1]] - world[i[0]], world[i[2]] - world[i[0]]);
        iVector3 mid = (world[i[0]] + world[i[1]] + world[i[2]]) * (1.0f / 3.0f);
        if (dot(n, mid - centre) < 0.0f) n = n * -1.0f;  // outward, whatever the file's winding
        lit[t] = dot(n, light) < 0.0f;
        for (int k = 0; k < 3; ++k) {
            int a = id[i[k]], b = id[i[(k + 1) % 3]];
            auto& use = edgeUse[{std::min(a, b), std::max(a, b)}];
            (lit[t] ? use.first : use.second) += 1;
        }
    }
    std::vector<iVector3> pushed(world.size());
    for (size_t i = 0; i < world.size(); ++i) {
        float reach = mesh.shadowLength;
        if (light.y < -1e-3f) reach = std::min(reach, std::max(0.0f, (world[i].y - floorY) / -light.y));
        pushed[i] = world[i] + light * reach;
    }
    std::vector<SceneVertex>& out = frame->vertices;
    for (size_t t = 0; t < triangles; ++t) {
        if (!lit[t]) continue;
        const uint32_t* i = &d.indices[3 * t];
        iVector3 a = world[i[0]], b = world[i[1]], c = world[i[2]];
        volumeTriangle(out, a, b, c, light * -1.0f);
        volumeTriangle(out, pushed[i[0]], pushed[i[1]], pushed[i[2]], light);
        iVector3 mid = (a + b + c) * (1.0f / 3.0f);
        for (int k = 0; k < 3; ++k) {
            int ia = id[i[k]], ib = id[i[(k + 1) % 3]];
            const auto& use = edgeUse[{std::min(ia, ib), std::max(ia, ib)}];
            if (use.first != 1 || use.second > 1) continue;  // not on the silhouette
            iVector3 p = world[i[k]], q = world[i[(k + 1) % 3]];
            iVector3 pp = pushed[i[k]], qq = pushed[i[(k + 1) % 3]];
            iVector3 outward = (p + q) * 0.5f - mid;
            volumeTriangle(out, p, q, qq, outward);
            volumeTriangle(out, p, qq, pp, outward);
        }
    }
}

}  // namespace

void buildSceneFrame(const iVector3& light, SceneFrame* frame) {
    frame->vertices.clear();
    frame->items.clear();
    EngineState& e = engine();
    std::vector<std::pair<const Mesh*, GlMatrix>> casters;
    e.meshes.forEach([&](uint32_t, Mesh& m) {
        iVector3 location;
        iQuaternion turn;
        if (!m.visible || !meshPlacement(m, &location, &turn)) return;
        GlMatrix place = placementMatrix(location, turn, m.scale);
        if (m.kind == Mesh::Kind::ShadowCaster) {
            if (m.shadowLength > 0.0f) casters.emplace_back(&m, place);
            return;
        }
        DrawItem base;
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
        addMesh(m.data, place, m.scale, base, frame, nullptr);
    });
    e.skinMeshes.forEach([&](uint32_t, SkinMesh& m) {
        if (m.visible) addSkinMesh(m, frame);
    });
    std::stable_sort(frame->items.begin(), frame->items.end(), [](const DrawItem& a, const DrawItem& b) {
        return a.priority != b.priority ? a.priority < b.priority : a.serial < b.serial;
    });
    float floorY = 1e30f;
    for (const DrawItem& item : frame->items) floorY = std::min(floorY, item.low[1]);
    frame->shadowFirst = static_cast<uint32_t>(frame->vertices.size());
    for (auto& [mesh, place] : casters) addShadowVolume(*mesh, place, light, floorY - 0.05f, frame);
    frame->shadowCount = static_cast<uint32_t>(frame->vertices.size()) - frame->shadowFirst;
    bound(frame->vertices, frame->shadowFirst, frame->shadowCount, frame->shadowLow, frame->shadowHigh);
}

}  // namespace vuz
