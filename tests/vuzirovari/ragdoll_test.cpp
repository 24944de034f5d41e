// The stand-in fighter as the fight drives it: a ragdoll dropped on the floor, and the display
// mesh following bodies placed from a clip pose.
#include <cmath>
#include <vector>

#include "engine_fixture.h"
#include "platform/win32/win32_host.h"
#include "standin_scene.h"

namespace {

float len(const iVector3& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

class EngineRagdoll : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        vtSetFixedFrameTime(1.0f / 60.0f);
        openHeadless();
        folder_ = scratchDir();
        ASSERT_TRUE(standin::writeScene(folder_));
    }
    std::string folder_;
};

struct DropResult {
    std::vector<float> poses;  // every body's location and orientation at the end
    float fastest = 0.0f;
    float worstStopInFall = 0.0f, worstStopAtRest = 0.0f;
    float lowestShape = 1e9f;
    float hipHeight = 0.0f, chestHeight = 0.0f;
    float fastestAtEnd = 0.0f;
    bool sensed = false;
};

// How far a joint's angles lie beyond their stops.
float beyondStops(uint32_t joint) {
    vtJointState s{};
    if (!vtJointGet(joint, &s)) return 0.0f;
    float worst = 0.0f;
    for (int a = 0; a < 3; ++a) {
        worst = std::max(worst, s.stops[a][0] - s.angles[a]);
        worst = std::max(worst, s.angles[a] - s.stops[a][1]);
    }
    return worst;
}

// The lowest corner of a part's box in the world.
float lowestCorner(uint32_t body, int part) {
    iVector3 centre, half, at;
    iQuaternion q;
    standin::partBox(part, &centre, &half);
    iBodyLocation(body, &at);
    iBodyOrientation(body, &q);
    float lowest = 1e9f;
    for (int k = 0; k < 8; ++k) {
        iVector3 corner{centre.x + (k & 1 ? half.x : -half.x), centre.y + (k & 2 ? half.y : -half.y),
                        centre.z + (k & 4 ? half.z : -half.z)};
        iVector3 turned;
        iVectorRotate(&turned, &corner, &q);
        lowest = std::min(lowest, at.y + turned.y);
    }
    return lowest;
}

DropResult drop(const std::string& folder) {
    DropResult r;
    standin::Scenery scenery;
    EXPECT_TRUE(standin::loadScenery(folder, &scenery));
    standin::Fighter f;
    EXPECT_TRUE(standin::loadFighter(folder, &f));
    for (const std::string& line : win32::logLines())
        if (line.find("not made") != std::string::npos) ADD_FAILURE() << line;
    standin::buildRagdoll(&f, iVector3{0.0f, 1.0f, 0.0f});
    uint32_t sensors[16] = {};
    const int sensed[] = {0, 1, 2, 3, 6, 9, 11, 12, 14, 15};
    for (int i : sensed) {
        sensors[i] = iBodyBodyCreate(f.bodies[i], scenery.floorBody);
        iBodyBodyRestitutionSet(sensors[i], 0.5f);
        iBodyBodyFrictionSet(sensors[i], 100.0f);
        iBodyBodyEnable(sensors[i], 0);
    }
    for (uint32_t b : f.bodies) iBodyEnable(b);
    for (int i : sensed) {
        iBodyBodyEnable(sensors[i], 1);
        iBodyBodyFeedbackEnable(sensors[i], -1, -1, 1);
    }
    iVortaneMain();  // the placement step
    // A knock-down push: every part backwards, and a strike on the head.
    for (uint32_t b : f.bodies) {
        iVector3 v;
        iBodyVelocity(b, &v);
        v.z -= 1.0f;
        iBodyVelocitySet(b, &v);
    }
    iVector3 strike{0.0f, 0.0f, -700.0f};
    iBodyForceApply(f.bodies[3], &strike, 0);
    for (int frame = 0; frame < 300; ++frame) {
        iVortaneMain();
        for (uint32_t b : f.bodies) {
            iVector3 v;
            iBodyVelocity(b, &v);
            r.fastest = std::max(r.fastest, len(v));
        }
        for (uint32_t j : f.joints) r.worstStopInFall = std::max(r.worstStopInFall, beyondStops(j));
        for (int i : {0, 1, 2, 3, 6, 9})
            r.sensed = r.sensed || iBodyBodyFeedback(sensors[i], -1, -1, nullptr, nullptr, 0, 0, 0, 0) > 0;
    }
    for (uint32_t j : f.joints) r.worstStopAtRest = std::max(r.worstStopAtRest, beyondStops(j));
    for (int i = 0; i < 16; ++i) r.lowestShape = std::min(r.lowestShape, lowestCorner(f.bodies[i], i));
    for (uint32_t b : f.bodies) {
        vtBodyState s{};
        vtBodyStateGet(b, &s);
        r.fastestAtEnd = std::max(r.fastestAtEnd, len(s.velocity));
        r.poses.insert(r.poses.end(), {s.location.x, s.location.y, s.location.z, s.orientation.x, s.orientation.y,
                                       s.orientation.z, s.orientation.w});
    }
    iVector3 hip, chest;
    iBodyLocationCM(f.bodies[0], &hip);
    iBodyLocationCM(f.bodies[2], &chest);
    r.hipHeight = hip.y;
    r.chestHeight = chest.y;
    standin::destroyFighter(&f);
    return r;
}

TEST_F(EngineRagdoll, AKnockedDownFighterFallsAndLiesStillTheSameWayEveryTime) {
    DropResult first = drop(folder_);
    EXPECT_LT(first.fastestAtEnd, 0.05f);
    EXPECT_LT(first.fastest, 20.0f);
    EXPECT_LT(first.hipHeight, 0.35f);   // lying, not standing (about 1) or sitting
    EXPECT_LT(first.chestHeight, 0.35f);
    EXPECT_LT(first.worstStopInFall, 20.0f);
    EXPECT_LT(first.worstStopAtRest, 5.0f);
    EXPECT_TRUE(first.sensed);
    EXPECT_GT(first.lowestShape, -0.02f);

    vtReset();
    vtSetDrawing(0);
    vtSetFixedFrameTime(1.0f / 60.0f);
    openHeadless();
    DropResult second = drop(folder_);
    ASSERT_EQ(first.poses.size(), second.poses.size());
    for (size_t i = 0; i < first.poses.size(); ++i) EXPECT_EQ(first.poses[i], second.poses[i]) << i;
}

}  // namespace

namespace {

void expectSamePose(const iVector3& p1, const iQuaternion& q1, const iVector3& p2, const iQuaternion& q2, float tolerance,
                    const std::string& what) {
    EXPECT_NEAR(p1.x, p2.x, tolerance) << what;
    EXPECT_NEAR(p1.y, p2.y, tolerance) << what;
    EXPECT_NEAR(p1.z, p2.z, tolerance) << what;
    float d = std::fabs(q1.x * q2.x + q1.y * q2.y + q1.z * q2.z + q1.w * q2.w);
    EXPECT_NEAR(d, 1.0f, tolerance) << what;
}

TEST_F(EngineRagdoll, TheDisplayMeshFollowingTheBodiesShowsTheClipsPose) {
    standin::Fighter f;
    ASSERT_TRUE(standin::loadFighter(folder_, &f));
    iQuaternion yaw;
    iQuaternionFromEulerAngles(&yaw, 0.0f, 30.0f, 0.0f, "xyz");
    f.location = iVector3{1.0f, 1.0f, 0.5f};
    f.orientation = yaw;
    iSkinMeshAnimationTimeSet(f.clip, 7.0f);  // most of the way into the kick
    standin::placeBodiesAtPose(&f);
    standin::applyBodiesToPose(&f);
    int bones = 0;
    ASSERT_EQ(vtSkinMeshGet(f.display, &bones, nullptr, nullptr, nullptr), 1);
    int compared = 0;
    for (int b = 0; b < bones; ++b) {
        const char* name = vtSkinMeshBoneName(f.display, b, nullptr);
        std::string n = name;
        if (n == "Bip01" || n == "Body") continue;
        iVector3 p1, p2;
        iQuaternion q1, q2;
        ASSERT_EQ(vtSkinMeshBonePose(f.display, b, 0, &p1, &q1), 1);
        ASSERT_EQ(vtSkinMeshBonePose(f.clip, b, 0, &p2, &q2), 1);
        expectSamePose(p1, q1, p2, q2, 1e-4f, n);
        ++compared;
    }
    EXPECT_EQ(compared, 38);
    // The kick really moved the right thigh away from its rest pose.
    iVector3 kicked;
    EXPECT_FLOAT_EQ(iSkinMeshAnimationLength(f.clip), 20.0f);
    float duration = 0, tps = 0; int channels = 0;
    vtSkinMeshAnimation(f.clip, 0, &duration, &tps, &channels);
    EXPECT_EQ(channels, 39) << duration << " " << tps;
    iSkinMeshBoneLocation(f.clipMainBones[14], &kicked, 1);
    EXPECT_GT(std::fabs(kicked.z - f.restLocation[14].z), 0.2f);
}

}  // namespace
