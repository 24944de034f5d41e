// Making the stand-in scene's engine objects, the way the fight makes a fighter's.
#include <cmath>
#include <string>

#include "standin_scene.h"

namespace standin {

namespace {

uint32_t skinMesh(const std::string& folder) {
    std::string x = readFile(folder + "/fighter.x");
    if (x.empty()) return 0;
    std::string pictures[4];
    const void* textures[4];
    uint32_t sizes[4];
    const char* names[4] = {"Clothes", "Protector", "Skin", "Belt"};
    for (int i = 0; i < 4; ++i) {
        pictures[i] = readFile(folder + "/fighter_" + names[i] + ".png");
        textures[i] = pictures[i].data();
        sizes[i] = static_cast<uint32_t>(pictures[i].size());
    }
    return iSkinMeshCreateFromMemory(x.data(), static_cast<uint32_t>(x.size()), textures, sizes);
}

uint32_t staticMesh(const std::string& folder, const std::string& name, int textureId) {
    std::string x = readFile(folder + "/" + name + ".x"), picture = readFile(folder + "/" + name + ".png");
    return iMeshCreateFromMemory(x.data(), static_cast<uint32_t>(x.size()), picture.data(),
                                 static_cast<uint32_t>(picture.size()), textureId);
}

iQuaternion conj(const iQuaternion& q) { return {-q.x, -q.y, -q.z, q.w}; }

}  // namespace

bool loadFighter(const std::string& folder, Fighter* f) {
    *f = Fighter();
    f->display = skinMesh(folder);
    f->clip = skinMesh(folder);
    if (!f->display || !f->clip) return false;
    iSkinMeshAnimationSpeedSet(f->display, 0.0f);
    for (int i = 0; i < 16; ++i) {
        f->mainBones[i] = iSkinMeshBoneCreateByName(f->display, Parts[i].bone);
        f->clipMainBones[i] = iSkinMeshBoneCreateByName(f->clip, Parts[i].bone);
        iSkinMeshBoneOrientation(f->mainBones[i], &f->restOrientation[i], 1);
        iSkinMeshBoneLocation(f->mainBones[i], &f->restLocation[i], 1);
    }
    for (int j = 0; j < 22; ++j) {
        f->detailBones[j] = iSkinMeshBoneCreateByName(f->display, DetailBones[j]);
        f->clipDetailBones[j] = iSkinMeshBoneCreateByName(f->clip, DetailBones[j]);
    }
    for (int i = 0; i < 16; ++i) {
        std::string stem = Parts[i].stem;
        std::string spg = readFile(folder + "/parts/" + stem + "_.spg");
        f->bodies[i] = iBodySGCreateFromMemory(spg.data(), static_cast<uint32_t>(spg.size()), Parts[i].mass);
        iBodyDampingSet(f->bodies[i], 0.0f, 0.999f, 0.0f, 0.97f);
        iBodyDamping2Set(f->bodies[i], 100.0f, 0.05f, 3600.0f, 0.05f);
        std::string shadow = readFile(folder + "/shadow/" + stem + "_shadow.x");
        f->shadows[i] = iMeshBodyShadowCasterCreateFromMemory(shadow.data(), static_cast<uint32_t>(shadow.size()),
                                                             static_cast<int>(f->bodies[i]), 50.0f);
        if (!f->bodies[i] || !f->shadows[i]) return false;
    }
    return true;
}

void buildRagdoll(Fighter* f, const iVector3& location) {
    const iQuaternion identity{0.0f, 0.0f, 0.0f, 1.0f};
    f->location = location;
    f->orientation = identity;
    iSkinMeshOrientationSet(f->display, &identity);
    iSkinMeshLocationSet(f->display, &location);
    for (uint32_t body : f->bodies) {
        iBodyOrientationSet(body, &identity, 1);
        iBodyLocationSet(body, &location, 1);
    }
    for (int j = 0; j < 15; ++j) {
        const iVector3& rest = f->restLocation[Joints[j].child];
        iVector3 anchor{rest.x + location.x, rest.y + location.y, rest.z + location.z};
        f->joints[j] = iJointBallCreate(f->bodies[Joints[j].parent], f->bodies[Joints[j].child], &anchor);
        iJointBallOrientationSet(f->joints[j], &f->restOrientation[Joints[j].child]);
    }
    for (int axis = 0; axis < 3; ++axis)
        for (int j = 0; j < 15; ++j) {
            const float* s = Joints[j].stops[axis];
            float damping = j == 2 && axis > 0 ? 10.0f : 50.0f;
            void (*set)(uint32_t, float, float, float, float) =
                axis == 0 ? iJointBallXStopsSet : axis == 1 ? iJointBallYStopsSet : iJointBallZStopsSet;
            set(f->joints[j], s[0], s[1], 500.0f, damping);
        }
    for (int axis = 0; axis < 3; ++axis)
        for (int j = 0; j < 15; ++j) {
            void (*set)(uint32_t, float, float, float) =
                axis == 0 ? iJointBallXAMotorSet : axis == 1 ? iJointBallYAMotorSet : iJointBallZAMotorSet;
            set(f->joints[j], 0.0f, Joints[j].motors[axis], 1.0f);
        }
}

void placeBodiesAtPose(Fighter* f) {
    iSkinMeshOrientationSet(f->clip, &f->orientation);
    iSkinMeshLocationSet(f->clip, &f->location);
    for (int i = 0; i < 16; ++i) {
        iBodyPhysicsReset(f->bodies[i]);
        iQuaternion bone;
        iVector3 at;
        iSkinMeshBoneOrientation(f->clipMainBones[i], &bone, 1);
        iSkinMeshBoneLocation(f->clipMainBones[i], &at, 1);
        iQuaternion delta, q;
        iQuaternion restConj = conj(f->restOrientation[i]);
        iQuaternionMultiply(&delta, &bone, &restConj);
        iQuaternionMultiply(&q, &f->orientation, &delta);
        iBodyOrientationSet(f->bodies[i], &q, 1);
        iVector3 turnedRest, offset, placed;
        iVectorRotate(&turnedRest, &f->restLocation[i], &delta);
        iVector3 d{at.x - turnedRest.x, at.y - turnedRest.y, at.z - turnedRest.z};
        iVectorRotate(&offset, &d, &f->orientation);
        placed = {f->location.x + offset.x, f->location.y + offset.y, f->location.z + offset.z};
        iBodyLocationSet(f->bodies[i], &placed, 1);
    }
}

void applyBodiesToPose(Fighter* f) {
    iVector3 hip;
    iQuaternion hipTurn;
    iBodyLocation(f->bodies[0], &hip);
    iBodyOrientation(f->bodies[0], &hipTurn);
    iSkinMeshOrientationSet(f->display, &hipTurn);
    iSkinMeshLocationSet(f->display, &hip);
    for (int i = 0; i < 16; ++i) {
        iQuaternion body, q;
        iBodyOrientation(f->bodies[i], &body);
        iQuaternionMultiply(&q, &body, &f->restOrientation[i]);
        iSkinMeshBoneOrientationSet(f->mainBones[i], &q, 0);
    }
    for (int j = 0; j < 22; ++j) {
        iQuaternion q;
        iSkinMeshBoneOrientation(f->clipDetailBones[j], &q, 2);
        iSkinMeshBoneOrientationSet(f->detailBones[j], &q, j < 21 ? 3 : 2);
    }
}

void destroyFighter(Fighter* f) {
    for (uint32_t& j : f->joints) iJointDestroy(j), j = 0;
    for (int i = 0; i < 16; ++i) {
        iBodyDestroy(f->bodies[i]);
        iMeshDestroy(f->shadows[i]);
        iSkinMeshBoneDestroy(f->mainBones[i]);
        iSkinMeshBoneDestroy(f->clipMainBones[i]);
    }
    for (int j = 0; j < 22; ++j) iSkinMeshBoneDestroy(f->detailBones[j]), iSkinMeshBoneDestroy(f->clipDetailBones[j]);
    iSkinMeshDestroy(f->display);
    iSkinMeshDestroy(f->clip);
    *f = Fighter();
}

bool loadScenery(const std::string& folder, Scenery* s) {
    *s = Scenery();
    s->floor = staticMesh(folder, "floor", 9001);
    s->lightMap = staticMesh(folder, "lightmap", 9002);
    s->box = staticMesh(folder, "box", 9003);
    s->mirror = staticMesh(folder, "mirror", 9004);
    std::string ply = readFile(folder + "/floor.ply"), pol = readFile(folder + "/floor.pol");
    s->floorBody = iBodyCreateFromMemory(ply.data(), static_cast<uint32_t>(ply.size()), pol.data(), static_cast<uint32_t>(pol.size()));
    if (!s->floor || !s->lightMap || !s->box || !s->mirror || !s->floorBody) return false;
    iBodyEnable(s->floorBody);
    iMeshRenderModeSet(s->lightMap, 1, 3, 1, 0);
    iMeshZBiasSet(s->lightMap, 1);
    iMeshEmissiveSet(s->lightMap, 1.0f, 1.0f, 1.0f, 1.0f);
    iMeshMirrorMake(s->mirror, 1);
    iMeshAlphaTextureChange(s->mirror, (folder + "/mirror_alpha.png").c_str());
    iVector3 point{0.0f, 0.0f, -5.0f}, normal{0.0f, 0.0f, 1.0f};
    iMirrorPlaneSet(&point, &normal);
    return true;
}

}  // namespace standin
