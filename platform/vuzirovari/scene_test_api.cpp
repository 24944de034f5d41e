// The test interface of the 3D scene: meshes, skinned meshes and bones, bodies, joints, pairs,
// the mirror and the camera's matrices.
#include <algorithm>
#include <cstring>
#include <vector>

#include "engine_state.h"
#include "matrix_math.h"
#include "projection.h"
#include "skin_animation.h"
#include "vec_math.h"
#include "vuzirovari_test.h"

using namespace vuz;

extern "C" {

int vtMeshStateGet(uint32_t handle, vtMeshState* out) {
    const Mesh* m = engine().meshes.get(handle);
    if (!m || !out) return m ? 1 : 0;
    vtMeshState s{};
    s.visible = m->visible;
    s.kind = m->kind == Mesh::Kind::Static ? 0 : m->kind == Mesh::Kind::ShadowCaster ? 1 : 2;
    s.location = m->location;
    s.scale = m->scale;
    s.orientation = m->orientation;
    s.textureId = m->textureId;
    s.textureName = m->texture ? m->texture->name().c_str() : "";
    s.alphaTextureName = m->alphaTextureName.c_str();
    s.blendSource = m->mode.source;
    s.blendTarget = m->mode.target;
    s.depthTest = m->mode.depthTest;
    s.depthWrite = m->mode.depthWrite;
    s.priority = m->priority;
    s.zBias = m->zBias;
    s.textureMode = m->textureMode;
    s.mirror = m->mirror;
    s.wireframe = m->wireframe;
    s.localLights = m->stored.localLights;
    s.emissive = m->emissive;
    s.alpha = m->alpha;
    std::copy(m->stored.specular, m->stored.specular + 2, s.specular);
    std::copy(m->stored.fog, m->stored.fog + 2, s.fog);
    s.mipLodBias = m->stored.mipLodBias;
    s.envMapBlend = m->stored.envMapBlend;
    s.envMapGlass = m->stored.envMapGlass;
    s.body = m->body;
    s.shadowLength = m->shadowLength;
    *out = s;
    return 1;
}

int vtMirrorPlaneGet(iVector3* point, iVector3* normal) {
    const Session& s = session();
    if (point) *point = s.mirrorPoint;
    if (normal) *normal = s.mirrorNormal;
    return s.mirrorSet ? 1 : 0;
}

int vtSkinMeshStateGet(uint32_t handle, vtSkinMeshState* out) {
    const SkinMesh* m = engine().skinMeshes.get(handle);
    if (!m || !out) return m ? 1 : 0;
    vtSkinMeshState s{};
    s.visible = m->visible;
    s.location = m->location;
    s.orientation = m->orientation;
    s.time = m->time;
    s.speed = m->speed;
    s.length = m->length;
    s.blendSource = m->mode.source;
    s.blendTarget = m->mode.target;
    s.depthTest = m->mode.depthTest;
    s.depthWrite = m->mode.depthWrite;
    for (const BoneOverride& o : m->overrides) s.overriddenBones += o.mode >= 0 ? 1 : 0;
    *out = s;
    return 1;
}

const char* vtSkinMeshTexturePath(uint32_t handle, int slot) {
    const SkinMesh* m = engine().skinMeshes.get(handle);
    if (!m || slot < 0 || slot >= static_cast<int>(m->texturePaths.size()) || m->texturePaths[slot].empty()) return nullptr;
    return m->texturePaths[slot].c_str();
}

int vtSkinMeshBonePose(uint32_t handle, int bone, int mode, iVector3* location, iQuaternion* orientation) {
    SkinMesh* m = engine().skinMeshes.get(handle);
    if (!m || bone < 0 || bone >= static_cast<int>(m->data.bones.size()) || mode < 0 || mode > 3) return 0;
    readBonePose(*m, bone, mode, location, orientation);
    return 1;
}

int vtBoneGet(uint32_t bone, uint32_t* skinMesh, int* index) {
    const BoneRef* b = engine().bones.get(bone);
    if (!b) return 0;
    if (skinMesh) *skinMesh = b->mesh;
    if (index) *index = b->index;
    return 1;
}

int vtPoseEvaluations(void) { return session().poseEvaluations; }

int vtSkinMeshPosedVertices(uint32_t handle, int gpu, float* xyz, int capacity) {
    SkinMesh* m = engine().skinMeshes.get(handle);
    if (!m) return 0;
    const SkinnedGeometry& g = m->data.geometry;
    const size_t count = g.mesh.vertices.size();
    std::vector<float> posed;
    if (gpu) {
        if (!engine().scene.readPosedVertices(engine().window.contextSerial(), *m, &posed) || posed.size() < count * 3)
            return 0;
    } else {
        const SkinPose& pose = skinMeshPose(*m);
        Matrix4 place = composeMatrix(m->location, m->orientation, vec3(1, 1, 1));
        auto apply = [](const Matrix4& t, const float* v, float w, float* sum) {
            for (int r = 0; r < 3; ++r) sum[r] += w * (t[r * 4] * v[0] + t[r * 4 + 1] * v[1] + t[r * 4 + 2] * v[2] + t[r * 4 + 3]);
        };
        posed.assign(count * 3, 0.0f);
        for (size_t i = 0; i < count; ++i) {
            const float* v = g.mesh.vertices[i].position;
            float total = 0.0f;
            if (i < g.weights.size()) {
                for (int k = 0; k < 4; ++k) {
                    int b = g.weights[i].bone[k];
                    auto at = std::find(g.offsetBones.begin(), g.offsetBones.end(), b);
                    if (b < 0 || static_cast<size_t>(b) >= pose.model.size() || at == g.offsetBones.end()) continue;
                    apply(place * (pose.model[b] * g.offsets[at - g.offsetBones.begin()]), v, g.weights[i].weight[k], &posed[i * 3]);
                    total += g.weights[i].weight[k];
                }
            }
            if (total <= 0.0f) {  // no bone moves it: it follows the frame that holds the mesh
                bool framed = g.frame >= 0 && static_cast<size_t>(g.frame) < pose.model.size();
                apply(framed ? place * pose.model[g.frame] : place, v, 1.0f, &posed[i * 3]);
            }
        }
    }
    if (xyz && capacity > 0) std::copy(posed.begin(), posed.begin() + std::min<size_t>(count, capacity) * 3, xyz);
    return static_cast<int>(count);
}

int vtBodyStateGet(uint32_t handle, vtBodyState* out) {
    const Body* b = engine().bodies.get(handle);
    if (!b || !out) return b ? 1 : 0;
    vtBodyState s{};
    s.rigid = b->isRigid();
    s.enabled = b->enabled();
    s.placedForNextStep = b->placed();
    s.location = b->location();
    s.centreOfMass = b->centreOfMass();
    s.velocity = b->velocity();
    s.spin = b->spin() * RadToDeg;
    s.orientation = b->orientation();
    std::copy(b->damping, b->damping + 4, s.damping);
    std::copy(b->damping2, b->damping2 + 4, s.damping2);
    *out = s;
    return 1;
}

int vtJointGet(uint32_t handle, vtJointState* out) {
    const BallJoint* j = engine().joints.get(handle);
    if (!j || !out) return j ? 1 : 0;
    vtJointState s{};
    s.parent = j->parent();
    s.child = j->child();
    s.anchor = j->anchor();
    s.frame = j->frame();
    for (int a = 0; a < 3; ++a) {
        s.angles[a] = j->angle(a);
        std::copy(j->stops[a], j->stops[a] + 4, s.stops[a]);
        std::copy(j->motors[a], j->motors[a] + 3, s.motors[a]);
    }
    *out = s;
    return 1;
}

int vtContactGet(uint32_t handle, vtContactState* out) {
    const ContactPair* p = engine().pairs.get(handle);
    if (!p || !out) return p ? 1 : 0;
    vtContactState s{};
    s.first = p->first;
    s.second = p->second;
    s.enabled = p->enabled;
    s.feedbackEnabled = p->feedbackEnabled;
    s.firstShape = p->firstShape;
    s.secondShape = p->secondShape;
    s.restitution = p->restitution;
    s.friction = p->friction;
    s.touched = p->touched;
    s.point = p->point;
    s.direction = p->direction;
    *out = s;
    return 1;
}

int vtMeshCount(void) { return static_cast<int>(engine().meshes.size()); }

int vtSkinMeshCount(void) { return static_cast<int>(engine().skinMeshes.size()); }

int vtBoneCount(void) { return static_cast<int>(engine().bones.size()); }

int vtJointCount(void) { return static_cast<int>(engine().joints.size()); }

int vtContactPairCount(void) { return static_cast<int>(engine().pairs.size()); }

int vtPhysicsSteps(void) { return session().physicsSteps; }

float vtPhysicsLastStep(void) { return session().lastStep; }

int vtCameraMatrices(uint32_t camera, float view[16], float projection[16]) {
    const Camera* c = engine().cameras.get(camera);
    if (!c) return 0;
    CameraView v = cameraView(*c);
    if (view) std::memcpy(view, v.view.data(), sizeof(float) * 16);
    if (projection) std::memcpy(projection, v.projection.data(), sizeof(float) * 16);
    return 1;
}

}  // extern "C"
