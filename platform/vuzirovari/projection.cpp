// The camera's projection, screen points, the mouse ray and picking.
#include "projection.h"

#include <cmath>

#include "engine_state.h"
#include "vec_math.h"

namespace vuz {

void frameSize(int* width, int* height) {
    engine().window.clientSize(width, height);
    if (*width <= 0 || *height <= 0) *width = 639, *height = 479;
}

GlMatrix multiply(const GlMatrix& a, const GlMatrix& b) {
    GlMatrix out{};
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) sum += a[k * 4 + r] * b[c * 4 + k];
            out[c * 4 + r] = sum;
        }
    return out;
}

GlMatrix placementMatrix(const iVector3& t, const iQuaternion& orientation, const iVector3& s) {
    iVector3 x = rotate(orientation, vec3(s.x, 0, 0)), y = rotate(orientation, vec3(0, s.y, 0)),
             z = rotate(orientation, vec3(0, 0, s.z));
    return {x.x, x.y, x.z, 0, y.x, y.y, y.z, 0, z.x, z.y, z.z, 0, t.x, t.y, t.z, 1};
}

CameraView cameraView(const Camera& camera) {
    CameraView v;
    int width = 0, height = 0;
    frameSize(&width, &height);
    const iVector4& port = camera.viewport();
    float pw = port.z * static_cast<float>(width), ph = port.w * static_cast<float>(height);
    v.aspect = pw > 0.0f && ph > 0.0f ? pw / ph : 1.0f;
    // World to camera: the inverse of the camera's turn and place.
    iQuaternion inverse{-camera.orientation().x, -camera.orientation().y, -camera.orientation().z, camera.orientation().w};
    iVector3 x = rotate(inverse, vec3(1, 0, 0)), y = rotate(inverse, vec3(0, 1, 0)), z = rotate(inverse, vec3(0, 0, 1));
    iVector3 t = rotate(inverse, camera.location()) * -1.0f;
    v.view = {x.x, x.y, x.z, 0, y.x, y.y, y.z, 0, z.x, z.y, z.z, 0, t.x, t.y, t.z, 1};
    float f = 1.0f / std::tan(0.5f * camera.fov() * DegToRad);
    float n = NearPlane, far = FarPlane;
    // Camera +z (forward) goes into the screen: depth grows with z, w = z.
    v.projection = {f / v.aspect, 0, 0, 0, 0, f, 0, 0, 0, 0, (far + n) / (far - n), 1, 0, 0, -2.0f * far * n / (far - n), 0};
    return v;
}

bool meshPlacement(const Mesh& mesh, iVector3* location, iQuaternion* orientation) {
    if (mesh.kind == Mesh::Kind::Static) {
        *location = mesh.location;
        *orientation = mesh.orientation;
        return true;
    }
    const Body* body = engine().bodies.get(mesh.body);
    if (!body) return false;
    *location = body->location();
    *orientation = body->orientation();
    return true;
}

}  // namespace vuz

using namespace vuz;

namespace {

iVector3 apply(const GlMatrix& m, iVector3 p, float* w) {
    iVector3 out = vec3(m[0] * p.x + m[4] * p.y + m[8] * p.z + m[12], m[1] * p.x + m[5] * p.y + m[9] * p.z + m[13],
                        m[2] * p.x + m[6] * p.y + m[10] * p.z + m[14]);
    if (w) *w = m[3] * p.x + m[7] * p.y + m[11] * p.z + m[15];
    return out;
}

// The pointer's ray through the camera.
bool pointerRay(const Camera& camera, iVector3* origin, iVector3* nearPoint, iVector3* direction) {
    CameraView v = cameraView(camera);
    const iVector4& port = camera.viewport();
    if (!(port.z > 0.0f) || !(port.w > 0.0f)) return false;
    float u = iMouseX(), w = iMouseY() - 1.0f / 48.0f;
    float ndcX = (u - port.x) / port.z * 2.0f - 1.0f;
    float ndcY = 1.0f - (w - port.y) / port.w * 2.0f;
    float halfHeight = NearPlane * std::tan(0.5f * camera.fov() * DegToRad);
    iVector3 local = vec3(ndcX * halfHeight * v.aspect, ndcY * halfHeight, NearPlane);
    *origin = camera.location();
    *nearPoint = camera.location() + rotate(camera.orientation(), local);
    iVector3 d = *nearPoint - *origin;
    *direction = d * (1.0f / length(d));
    return true;
}

}  // namespace

extern "C" {

void i3DLocationToScreen(iVector2* out, const iVector3* world, uint32_t camera) {
    if (!out) return;
    *out = iVector2{0.0f, 0.0f};
    const Camera* c = engine().cameras.get(camera);
    if (!c || !usableVector(world, "i3DLocationToScreen")) return;
    CameraView v = cameraView(*c);
    iVector3 local = apply(v.view, *world, nullptr);
    if (!(local.z > 0.0f)) {
        *out = iVector2{-1000.0f, -1000.0f};
        return;
    }
    float w = 0.0f;
    iVector3 clip = apply(v.projection, local, &w);
    float ndcX = clip.x / w, ndcY = clip.y / w;
    const iVector4& port = c->viewport();
    out->x = -16.0f + 32.0f * (port.x + port.z * (ndcX + 1.0f) * 0.5f);
    out->y = 12.0f - 24.0f * (port.y + port.w * (1.0f - ndcY) * 0.5f);
}

void iScreenRay(uint32_t camera, iVector3* origin, iVector3* nearPoint, iVector3* direction) {
    iVector3 o = vec3(0, 0, 0), p = o, d = o;
    if (const Camera* c = engine().cameras.get(camera)) pointerRay(*c, &o, &p, &d);
    if (origin) *origin = o;
    if (nearPoint) *nearPoint = p;
    if (direction) *direction = d;
}

int iMeshPicked(uint32_t camera, uint32_t handle) {
    const Camera* c = engine().cameras.get(camera);
    const Mesh* m = engine().meshes.get(handle);
    iVector3 o, p, d, location;
    iQuaternion orientation;
    if (!c || !m || !m->visible || m->kind == Mesh::Kind::ShadowCaster || !pointerRay(*c, &o, &p, &d) ||
        !meshPlacement(*m, &location, &orientation))
        return 0;
    GlMatrix place = placementMatrix(location, orientation, m->scale);
    const std::vector<MeshVertex>& vs = m->data.vertices;
    const std::vector<uint32_t>& is = m->data.indices;
    for (size_t i = 0; i + 2 < is.size(); i += 3) {
        iVector3 tri[3];
        for (int k = 0; k < 3; ++k) {
            const float* q = vs[is[i + k]].position;
            tri[k] = apply(place, vec3(q[0], q[1], q[2]), nullptr);
        }
        if (rayMeetsTriangle(o, d, tri[0], tri[1], tri[2])) return 1;
    }
    return 0;
}

}  // extern "C"
