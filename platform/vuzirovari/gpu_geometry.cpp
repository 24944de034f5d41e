#include "gpu_geometry.h"

#include <epoxy/gl.h>

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "engine_state.h"

namespace vuz {

namespace {

struct PlainVertex {
    float position[3];
    float normal[3];
    float uv[2];
};

struct SkinVertex {
    float position[3];
    float normal[3];
    float uv[2];
    uint16_t bone[4];
    float weight[4];
};

bool zero(const float* n) { return n[0] == 0.0f && n[1] == 0.0f && n[2] == 0.0f; }

// The face's own normal, for triangles whose corners carry none.
void faceNormal(const float* a, const float* b, const float* c, float* out) {
    float u[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]}, v[3] = {c[0] - a[0], c[1] - a[1], c[2] - a[2]};
    float n[3] = {u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    float len = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
    if (len > 0.0f) {
        for (int k = 0; k < 3; ++k) out[k] = n[k] / len;
    } else {
        out[0] = 0.0f, out[1] = 1.0f, out[2] = 0.0f;
    }
}

// The indices of a mesh's parts, in part order; a triangle whose three corners carry no normal
// gets corners of its own with the face's normal (copy(vertex, normal) appends one).
template <typename V, typename Copy>
std::vector<uint32_t> gatherIndices(const MeshData& data, std::vector<V>& vertices, std::vector<GpuPart>& parts, Copy copy) {
    std::vector<uint32_t> indices;
    indices.reserve(data.indices.size());
    for (const MeshPart& part : data.parts) {
        GpuPart out;
        out.firstIndex = static_cast<uint32_t>(indices.size());
        out.material = part.material;
        for (int k = 0; k < 3; ++k) out.low[k] = 1e30f, out.high[k] = -1e30f;
        for (uint32_t i = part.firstIndex; i + 2 < part.firstIndex + part.indexCount && i + 2 < data.indices.size(); i += 3) {
            const uint32_t* t = &data.indices[i];
            if (t[0] >= data.vertices.size() || t[1] >= data.vertices.size() || t[2] >= data.vertices.size()) continue;
            const MeshVertex* c[3] = {&data.vertices[t[0]], &data.vertices[t[1]], &data.vertices[t[2]]};
            for (const MeshVertex* v : c)
                for (int k = 0; k < 3; ++k) {
                    out.low[k] = std::min(out.low[k], v->position[k]);
                    out.high[k] = std::max(out.high[k], v->position[k]);
                }
            if (zero(c[0]->normal) && zero(c[1]->normal) && zero(c[2]->normal)) {
                float n[3];
                faceNormal(c[0]->position, c[1]->position, c[2]->position, n);
                for (int k = 0; k < 3; ++k) {
                    indices.push_back(static_cast<uint32_t>(vertices.size()));
                    copy(t[k], n);
                }
            } else {
                indices.insert(indices.end(), t, t + 3);
            }
        }
        out.indexCount = static_cast<uint32_t>(indices.size()) - out.firstIndex;
        if (out.indexCount) parts.push_back(out);
    }
    return indices;
}

void attribute(unsigned index, int size, size_t stride, size_t offset) {
    glVertexAttribPointer(index, size, GL_FLOAT, GL_FALSE, static_cast<GLsizei>(stride), reinterpret_cast<void*>(offset));
    glEnableVertexAttribArray(index);
}

template <typename V>
void upload(GpuGeometry& g, const std::vector<V>& vertices, const std::vector<uint32_t>& indices) {
    g.vertexCount = static_cast<uint32_t>(vertices.size());
    glGenVertexArrays(1, &g.vertexArray);
    glGenBuffers(1, &g.vertexBuffer);
    glGenBuffers(1, &g.indexBuffer);
    glBindVertexArray(g.vertexArray);
    glBindBuffer(GL_ARRAY_BUFFER, g.vertexBuffer);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(V)), vertices.data(), GL_STATIC_DRAW);
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, g.indexBuffer);
    glBufferData(GL_ELEMENT_ARRAY_BUFFER, static_cast<GLsizeiptr>(indices.size() * sizeof(uint32_t)), indices.data(),
                 GL_STATIC_DRAW);
    attribute(0, 3, sizeof(V), offsetof(V, position));
    attribute(1, 3, sizeof(V), offsetof(V, normal));
    attribute(2, 2, sizeof(V), offsetof(V, uv));
}

// Horizontal triangles (facing up or down) of the mesh: the floor a shadow can lie on.
void gatherFloor(const MeshData& data, std::vector<FloorTriangle>* floor) {
    for (size_t i = 0; i + 2 < data.indices.size(); i += 3) {
        const uint32_t* t = &data.indices[i];
        if (t[0] >= data.vertices.size() || t[1] >= data.vertices.size() || t[2] >= data.vertices.size()) continue;
        FloorTriangle f;
        for (int k = 0; k < 3; ++k) std::copy(data.vertices[t[k]].position, data.vertices[t[k]].position + 3, f.corner[k]);
        float n[3];
        faceNormal(f.corner[0], f.corner[1], f.corner[2], n);
        if (std::fabs(n[1]) > 0.9f) floor->push_back(f);
    }
}

}  // namespace

GpuGeometry::~GpuGeometry() {
    // Names of an older context died with it; only the current one's can be deleted.
    if (contextSerial == 0 || contextSerial != engine().window.contextSerial()) return;
    if (vertexArray) glDeleteVertexArrays(1, &vertexArray);
    if (vertexBuffer) glDeleteBuffers(1, &vertexBuffer);
    if (indexBuffer) glDeleteBuffers(1, &indexBuffer);
}

std::shared_ptr<GpuGeometry> uploadMesh(const MeshData& data, unsigned contextSerial, bool keepFloor) {
    auto g = std::make_shared<GpuGeometry>();
    std::vector<PlainVertex> vertices;
    vertices.reserve(data.vertices.size());
    for (const MeshVertex& v : data.vertices)
        vertices.push_back({{v.position[0], v.position[1], v.position[2]}, {v.normal[0], v.normal[1], v.normal[2]}, {v.uv[0], v.uv[1]}});
    std::vector<uint32_t> indices = gatherIndices(data, vertices, g->parts, [&](uint32_t from, const float* n) {
        PlainVertex v = vertices[from];
        std::copy(n, n + 3, v.normal);
        vertices.push_back(v);
    });
    if (indices.empty()) return nullptr;
    g->flatFaced = true;
    for (size_t i = 0; i + 2 < indices.size() && g->flatFaced; i += 3) {
        const float* n[3] = {vertices[indices[i]].normal, vertices[indices[i + 1]].normal, vertices[indices[i + 2]].normal};
        g->flatFaced = std::equal(n[0], n[0] + 3, n[1]) && std::equal(n[0], n[0] + 3, n[2]);
    }
    g->contextSerial = contextSerial;
    upload(*g, vertices, indices);
    glBindVertexArray(0);
    if (keepFloor) gatherFloor(data, &g->floor);
    return g;
}

std::shared_ptr<GpuGeometry> uploadSkinMesh(const SkinMeshData& data, unsigned contextSerial) {
    const SkinnedGeometry& s = data.geometry;
    auto g = std::make_shared<GpuGeometry>();
    g->skinned = true;
    g->matrixCount = static_cast<int>(data.bones.size()) + 1;
    const uint16_t unmoved = static_cast<uint16_t>(std::min<size_t>(data.bones.size(), 65535));
    if (data.bones.size() >= 65535) return nullptr;
    std::vector<SkinVertex> vertices;
    vertices.reserve(s.mesh.vertices.size());
    for (size_t i = 0; i < s.mesh.vertices.size(); ++i) {
        const MeshVertex& v = s.mesh.vertices[i];
        SkinVertex out{{v.position[0], v.position[1], v.position[2]},
                       {v.normal[0], v.normal[1], v.normal[2]},
                       {v.uv[0], v.uv[1]},
                       {0, 0, 0, 0},
                       {0.0f, 0.0f, 0.0f, 0.0f}};
        float total = 0.0f;
        if (i < s.weights.size()) {
            const SkinWeights& w = s.weights[i];
            for (int k = 0; k < 4; ++k) {
                if (w.bone[k] < 0 || w.bone[k] >= static_cast<int>(data.bones.size())) continue;
                out.bone[k] = static_cast<uint16_t>(w.bone[k]);
                out.weight[k] = w.weight[k];
                total += w.weight[k];
            }
        }
        if (total <= 0.0f) {  // no bone moves it: it follows the frame that holds the mesh
            out.bone[0] = unmoved, out.weight[0] = 1.0f;
            for (int k = 1; k < 4; ++k) out.bone[k] = 0, out.weight[k] = 0.0f;
        }
        vertices.push_back(out);
    }
    g->matrixBoxes.assign(static_cast<size_t>(g->matrixCount) * 6, 0.0f);
    for (int m = 0; m < g->matrixCount; ++m)
        for (int k = 0; k < 3; ++k) g->matrixBoxes[m * 6 + k] = 1e30f, g->matrixBoxes[m * 6 + 3 + k] = -1e30f;
    for (const SkinVertex& v : vertices)
        for (int k = 0; k < 4; ++k) {
            if (v.weight[k] == 0.0f) continue;
            float* box = &g->matrixBoxes[static_cast<size_t>(v.bone[k]) * 6];
            for (int c = 0; c < 3; ++c) box[c] = std::min(box[c], v.position[c]), box[3 + c] = std::max(box[3 + c], v.position[c]);
        }
    std::vector<uint32_t> indices = gatherIndices(s.mesh, vertices, g->parts, [&](uint32_t from, const float* n) {
        SkinVertex v = vertices[from];
        std::copy(n, n + 3, v.normal);
        vertices.push_back(v);
    });
    if (indices.empty()) return nullptr;
    g->contextSerial = contextSerial;
    upload(*g, vertices, indices);
    glVertexAttribIPointer(3, 4, GL_UNSIGNED_SHORT, sizeof(SkinVertex), reinterpret_cast<void*>(offsetof(SkinVertex, bone)));
    glEnableVertexAttribArray(3);
    attribute(4, 4, sizeof(SkinVertex), offsetof(SkinVertex, weight));
    glBindVertexArray(0);
    return g;
}

}  // namespace vuz
