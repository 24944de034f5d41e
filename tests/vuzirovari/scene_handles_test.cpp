// Every 3D function with 0, never issued and destroyed handles, null pointers and numbers that
// are not numbers: nothing crashes, nothing changes, readers give neutral values.
#include <cmath>
#include <limits>
#include <string>

#include "engine_fixture.h"
#include "standin_scene.h"

namespace {

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
constexpr float Inf = std::numeric_limits<float>::infinity();

class EngineSceneHandles : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        vtSetFixedFrameTime(1.0f / 60.0f);
        openHeadless();
    }
    // The stand-in arena and a fighter on its ragdoll, its bodies enabled.
    void loadFightingScene(standin::Scenery* scenery, standin::Fighter* f) {
        const std::string folder = scratchDir();
        ASSERT_TRUE(standin::writeScene(folder));
        ASSERT_TRUE(standin::loadScenery(folder, scenery));
        ASSERT_TRUE(standin::loadFighter(folder, f));
        standin::buildRagdoll(f, iVector3{0.0f, 1.0f, 0.0f});
        for (uint32_t b : f->bodies) iBodyEnable(b);
    }
};

// Calls every function of the 3D scene on these handles with usable and null arguments.
void callEverything(uint32_t mesh, uint32_t skin, uint32_t bone, uint32_t body, uint32_t pair, uint32_t joint,
                    uint32_t camera, bool nulls) {
    iVector3 v{1, 2, 3};
    iQuaternion q{0, 0, 0, 1};
    iVector2 s;
    iVector3* pv = nulls ? nullptr : &v;
    iQuaternion* pq = nulls ? nullptr : &q;
    iMeshShow(mesh);
    iMeshHide(mesh);
    iMeshLocationSet(mesh, pv);
    iMeshOrientationSet(mesh, pq);
    iMeshEulerOrientationSet(mesh, 1, 2, 3, nulls ? nullptr : "zyx");
    iMeshScaleSet(mesh, 1, 1, 1);
    iMeshRenderModeSet(mesh, 5, 6, 1, 0);
    iMeshRenderPrioritySet(mesh, 2);
    iMeshZBiasSet(mesh, 1);
    iMeshEmissiveSet(mesh, 1, 1, 1, 1);
    iMeshAlphaSet(mesh, 0.5f);
    iMeshAlphaTextureChange(mesh, nulls ? nullptr : "Tavek_res\\nowhere.png");
    iMeshMirrorMake(mesh, 1);
    iMeshTextureModeSet(mesh, 3);
    iMeshWireframeEnable(mesh, 1);
    iMeshSpecularSet(mesh, 1, 2);
    iMeshFogSet(mesh, 10, -1);
    iMeshLocalLightsEnable(mesh, 1);
    iMeshTextureMipMapLodSet(mesh, 0.5f);
    iMeshEnvMapBlendSet(mesh, 0.1f);
    iMeshEnvMapGlassSet(mesh, 0.2f);
    iMeshPicked(camera, mesh);
    i3DLocationToScreen(nulls ? nullptr : &s, pv, camera);
    iScreenRay(camera, pv, pv, pv);
    iSkinMeshShow(skin);
    iSkinMeshHide(skin);
    iSkinMeshLocationSet(skin, pv);
    iSkinMeshOrientationSet(skin, pq);
    iSkinMeshRenderModeSet(skin, 5, 6, 1, 1);
    iSkinMeshTextureChange(skin, nulls ? nullptr : "Tavek_res\\nowhere.png", 0);
    iSkinMeshAnimationLength(skin);
    iSkinMeshAnimationSpeedSet(skin, 10);
    iSkinMeshAnimationTimeSet(skin, 1);
    iSkinMeshBoneCreateByName(skin, nulls ? nullptr : "Bip01_Nowhere");
    iSkinMeshBoneLocation(bone, pv, 0);
    iSkinMeshBoneOrientation(bone, pq, 1);
    iSkinMeshBoneOrientationSet(bone, pq, 2);
    iBodyEnable(body);
    iBodyDisable(body);
    iBodyLocation(body, pv);
    iBodyLocationCM(body, pv);
    iBodyOrientation(body, pq);
    iBodyLocationSet(body, pv, 1);
    iBodyOrientationSet(body, pq, 1);
    iBodyPhysicsReset(body);
    iBodyVelocity(body, pv);
    iBodyVelocitySet(body, pv);
    iBodySpinSet(body, pv);
    iBodyForceApply(body, pv, 0);
    iBodyAccelerationApply(body, pv);
    iBodyDampingSet(body, 0, 0.999f, 0, 0.97f);
    iBodyDamping2Set(body, 100, 0.05f, 3600, 0.05f);
    iBodyBodyCreate(body, body);
    iBodyBodyEnable(pair, 1);
    iBodyBodyFeedbackEnable(pair, -1, -1, 1);
    iBodyBodyFeedback(pair, -1, -1, pv, pv, 0, 0, 0, 0);
    iBodyBodyRestitutionSet(pair, 0.5f);
    iBodyBodyFrictionSet(pair, 100);
    iJointBallCreate(body, body, pv);
    iJointBallOrientationSet(joint, pq);
    iJointBallXStopsSet(joint, 0, 0, 500, 50);
    iJointBallYStopsSet(joint, -10, 10, 500, 50);
    iJointBallZStopsSet(joint, -10, 10, 500, 10);
    iJointBallXAMotorSet(joint, 0, 1, 1);
    iJointBallYAMotorSet(joint, 0, 1, 1);
    iJointBallZAMotorSet(joint, 0, 1, 1);
    iBodyMeshCreate(nulls ? nullptr : "Tavek_res\\debug\\nowhere.x", body);
    iMirrorPlaneSet(pv, pv);
}

TEST_F(EngineSceneHandles, DeadHandlesAndNullPointersAreHarmless) {
    for (uint32_t h : {0u, 0x7FFFFFF0u}) {
        callEverything(h, h, h, h, h, h, h, false);
        callEverything(h, h, h, h, h, h, h, true);
        iVector3 v{5, 5, 5};
        iQuaternion q{1, 0, 0, 0};
        iBodyLocation(h, &v);
        iBodyOrientation(h, &q);
        EXPECT_EQ(v.x, 0.0f);
        EXPECT_EQ(q.w, 1.0f);
        iSkinMeshBoneLocation(h, &v, 0);
        EXPECT_EQ(v.y, 0.0f);
        EXPECT_EQ(iSkinMeshAnimationLength(h), 0.0f);
        EXPECT_EQ(iBodyBodyFeedback(h, -1, -1, &v, nullptr, 0, 0, 0, 0), 0);
        EXPECT_EQ(iBodyBodyCreate(h, h), 0u);
        EXPECT_EQ(iJointBallCreate(h, h, &v), 0u);
        iSkinMeshBoneDestroy(h);
        iBodyBodyDestroy(h);
        iJointDestroy(h);
        iVortaneMain();
    }
}

TEST_F(EngineSceneHandles, NumbersThatAreNotNumbersChangeNothing) {
    standin::Scenery scenery;
    standin::Fighter f;
    ASSERT_NO_FATAL_FAILURE(loadFightingScene(&scenery, &f));
    for (int frame = 0; frame < 5; ++frame) iVortaneMain();
    vtBodyState before{};
    vtBodyStateGet(f.bodies[3], &before);
    iVector3 bad[] = {{NaN, 0, 0}, {0, Inf, 0}, {0, 0, -Inf}};
    iQuaternion badTurns[] = {{NaN, 0, 0, 1}, {0, 0, 0, 0}, {0, Inf, 0, 1}};
    for (const iVector3& v : bad) {
        iBodyLocationSet(f.bodies[3], &v, 1);
        iBodyVelocitySet(f.bodies[3], &v);
        iBodySpinSet(f.bodies[3], &v);
        iBodyForceApply(f.bodies[3], &v, 0);
        iBodyAccelerationApply(f.bodies[3], &v);
        iSkinMeshLocationSet(f.display, &v);
        iMeshLocationSet(scenery.box, &v);
        iMirrorPlaneSet(&v, &v);
    }
    for (const iQuaternion& q : badTurns) {
        iBodyOrientationSet(f.bodies[3], &q, 1);
        iSkinMeshOrientationSet(f.display, &q);
        iSkinMeshBoneOrientationSet(f.mainBones[3], &q, 0);
        iJointBallOrientationSet(f.joints[2], &q);
        iMeshOrientationSet(scenery.box, &q);
    }
    iBodyDampingSet(f.bodies[3], NaN, 0.5f, 0.0f, 0.5f);
    iJointBallYStopsSet(f.joints[2], NaN, 1.0f, 500.0f, 50.0f);
    iSkinMeshAnimationSpeedSet(f.clip, Inf);
    iSkinMeshAnimationTimeSet(f.clip, NaN);
    iMeshScaleSet(scenery.box, NaN, 1, 1);
    vtBodyState after{};
    vtBodyStateGet(f.bodies[3], &after);
    EXPECT_EQ(after.location.x, before.location.x);
    EXPECT_EQ(after.orientation.w, before.orientation.w);
    EXPECT_EQ(after.damping[1], before.damping[1]);
    for (int frame = 0; frame < 30; ++frame) iVortaneMain();
    for (uint32_t b : f.bodies) {
        vtBodyStateGet(b, &after);
        EXPECT_TRUE(std::isfinite(after.location.x) && std::isfinite(after.location.y) && std::isfinite(after.velocity.y));
    }
    vtSkinMeshState skin{};
    vtSkinMeshStateGet(f.display, &skin);
    EXPECT_EQ(skin.overriddenBones, 0);
    EXPECT_TRUE(std::isfinite(skin.location.x));
    vtMeshState box{};
    vtMeshStateGet(scenery.box, &box);
    EXPECT_EQ(box.scale.x, 1.0f);
    EXPECT_EQ(box.orientation.w, 1.0f);
    iVector3 point, normal;
    ASSERT_EQ(vtMirrorPlaneGet(&point, &normal), 1);
    EXPECT_EQ(normal.z, 1.0f);
    standin::destroyFighter(&f);
}

TEST_F(EngineSceneHandles, TheMatGoingFirstLeavesSensorsAndJointsInert) {
    standin::Scenery scenery;
    standin::Fighter f;
    ASSERT_NO_FATAL_FAILURE(loadFightingScene(&scenery, &f));
    uint32_t sensor = iBodyBodyCreate(f.bodies[0], scenery.floorBody);
    iBodyBodyEnable(sensor, 1);
    iBodyBodyFeedbackEnable(sensor, -1, -1, 1);
    for (int frame = 0; frame < 60; ++frame) iVortaneMain();
    // The arena goes first, then a part under a joint; the fighter is torn down afterwards.
    iBodyDestroy(scenery.floorBody);
    iBodyDestroy(f.bodies[5]);
    for (int frame = 0; frame < 30; ++frame) iVortaneMain();
    EXPECT_EQ(iBodyBodyFeedback(sensor, -1, -1, nullptr, nullptr, 0, 0, 0, 0), 0);
    vtJointState joint{};
    ASSERT_EQ(vtJointGet(f.joints[4], &joint), 1);  // upper arm to the lost forearm: still there, inert
    iJointBallYStopsSet(f.joints[4], -10.0f, 10.0f, 500.0f, 50.0f);
    iBodyBodyDestroy(sensor);
    // A skinned mesh gone: its bones read the origin.
    iSkinMeshDestroy(f.display);
    iVector3 at{1, 1, 1};
    iSkinMeshBoneLocation(f.mainBones[3], &at, 0);
    EXPECT_EQ(at.y, 0.0f);
    iVortaneMain();
    standin::destroyFighter(&f);
    EXPECT_EQ(vtBodyCount(), 0);
}

TEST_F(EngineSceneHandles, TexturesAndDebugMeshesComeFromFilesByPath) {
    std::string folder = scratchDir();
    ASSERT_TRUE(standin::writeScene(folder));
    standin::Fighter f;
    ASSERT_TRUE(standin::loadFighter(folder, &f));
    std::string belt = folder + "/fighter_Clothes.png";
    iSkinMeshTextureChange(f.display, belt.c_str(), 3);
    EXPECT_STREQ(vtSkinMeshTexturePath(f.display, 3), belt.c_str());
    iSkinMeshTextureChange(f.display, (folder + "/missing.png").c_str(), 2);
    iSkinMeshTextureChange(f.display, belt.c_str(), 4);  // no fifth slot
    EXPECT_STREQ(vtSkinMeshTexturePath(f.display, 2), "slot 2");
    EXPECT_EQ(vtSkinMeshTexturePath(f.display, 4), nullptr);

    std::string debug = folder + "/debug/fighterHead.x";
    uint32_t m = iBodyMeshCreate(debug.c_str(), f.bodies[3]);
    ASSERT_NE(m, 0u);
    vtMeshState s{};
    ASSERT_EQ(vtMeshStateGet(m, &s), 1);
    EXPECT_EQ(s.kind, 2);
    EXPECT_EQ(s.visible, 1);
    EXPECT_EQ(s.body, f.bodies[3]);
    EXPECT_EQ(iBodyMeshCreate((folder + "/debug/none.x").c_str(), f.bodies[3]), 0u);
    EXPECT_EQ(iBodyMeshCreate(debug.c_str(), 0), 0u);
    iMeshDestroy(m);
    EXPECT_EQ(vtMeshStateGet(m, &s), 0);

    // A shadow caster keeps the shadow length it was made with; a render mode without depth
    // writes turns them off.
    uint32_t caster = f.shadows[0];
    iMeshRenderModeSet(caster, 5, 6, 1, 0);
    ASSERT_EQ(vtMeshStateGet(caster, &s), 1);
    EXPECT_EQ(s.kind, 1);
    EXPECT_EQ(s.depthWrite, 0);
    EXPECT_EQ(s.shadowLength, 50.0f);
    standin::destroyFighter(&f);
}

}  // namespace
