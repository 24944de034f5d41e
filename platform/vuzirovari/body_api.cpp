// Bodies in the physics world: collision sets (.ply + .pol) and rigid bodies (.spg).
#include <assimp/scene.h>

#include <cmath>
#include <memory>

#include "../win32/win32_host.h"
#include "engine_state.h"
#include "model_import.h"

using namespace vuz;

namespace {

void refuse(const std::string& what, const std::string& reason) {
    win32::log("engine: " + what + " not made: " + reason);
}

// Every triangle of a .ply file, its vertices as x, y, z.
bool readTriangles(const void* bytes, size_t size, std::vector<float>* vertices, std::vector<uint32_t>* indices,
                   std::string* error) {
    std::unique_ptr<ModelImport> model = ModelImport::read(bytes, size, "ply", error);
    if (!model) return false;
    const aiScene& scene = model->scene();
    for (unsigned m = 0; m < scene.mNumMeshes; ++m) {
        const aiMesh& mesh = *scene.mMeshes[m];
        auto base = static_cast<uint32_t>(vertices->size() / 3);
        for (unsigned i = 0; i < mesh.mNumVertices; ++i) {
            const aiVector3D& p = mesh.mVertices[i];
            if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) {
                *error = "a vertex is not a number";
                return false;
            }
            vertices->insert(vertices->end(), {p.x, p.y, p.z});
        }
        for (unsigned f = 0; f < mesh.mNumFaces; ++f) {
            const aiFace& face = mesh.mFaces[f];
            if (face.mNumIndices != 3) continue;
            for (unsigned k = 0; k < 3; ++k) indices->push_back(base + face.mIndices[k]);
        }
    }
    if (indices->empty()) {
        *error = "no triangles";
        return false;
    }
    return true;
}

}  // namespace

extern "C" {

uint32_t iBodyCreateFromMemory(const void* ply, uint32_t plySize, const void* pol, uint32_t polSize) {
    std::vector<float> vertices;
    std::vector<uint32_t> indices;
    std::string error;
    if (!readTriangles(ply, plySize, &vertices, &indices, &error)) {
        refuse("collision set", "its .ply file: " + error);
        return 0;
    }
    ShapeFile shapes;
    if (!readShapeFile(pol, polSize, "pol", &shapes, &error)) {
        refuse("collision set", "its .pol file: " + error);
        return 0;
    }
    EngineState& e = engine();
    return e.bodies.add(Body::collisionSet(e.physics, std::move(vertices), std::move(indices), shapes));
}

uint32_t iBodySGCreateFromMemory(const void* spg, uint32_t spgSize, float mass) {
    if (!std::isfinite(mass) || mass <= 0.0f) {
        refuse("body", "its mass " + std::to_string(mass) + " is not above 0");
        return 0;
    }
    ShapeFile shapes;
    std::string error;
    if (!readShapeFile(spg, spgSize, "spg", &shapes, &error)) {
        refuse("body", "its .spg file: " + error);
        return 0;
    }
    EngineState& e = engine();
    std::unique_ptr<Body> body = Body::rigid(e.physics, shapes, mass, &error);
    if (!body) {
        refuse("body", "its .spg file: " + error);
        return 0;
    }
    return e.bodies.add(std::move(body));
}

void iBodyDestroy(uint32_t body) {
    if (!engine().bodies.get(body)) return;
    bodyGone(body);
    engine().bodies.remove(body);
}

}  // extern "C"
