// Clips of a test-written skeleton: their length in frames, the time as it advances, and every
// bone's pose in every mode against an evaluation of the keys done here.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "engine_fixture.h"

namespace {

constexpr float H = 1.0f / 60.0f;
constexpr float Pi = 3.14159265358979f;

struct Q {
    float x, y, z, w;
};
struct V {
    float x, y, z;
};

Q mul(Q a, Q b) {
    return {a.w * b.x + a.x * b.w + a.y * b.z - a.z * b.y, a.w * b.y - a.x * b.z + a.y * b.w + a.z * b.x,
            a.w * b.z + a.x * b.y - a.y * b.x + a.z * b.w, a.w * b.w - a.x * b.x - a.y * b.y - a.z * b.z};
}
Q aa(V axis, float degrees) {
    float h = degrees * Pi / 360.0f;
    return {axis.x * std::sin(h), axis.y * std::sin(h), axis.z * std::sin(h), std::cos(h)};
}
V rot(Q q, V v) {
    Q p = mul(mul(q, Q{v.x, v.y, v.z, 0}), Q{-q.x, -q.y, -q.z, q.w});
    return {p.x, p.y, p.z};
}
Q slerp(Q a, Q b, float t) {
    float c = a.x * b.x + a.y * b.y + a.z * b.z + a.w * b.w;
    if (c < 0) b = {-b.x, -b.y, -b.z, -b.w}, c = -c;
    float angle = std::acos(std::fmin(1.0f, c)), s = std::sin(angle);
    float wa = s > 1e-6f ? std::sin((1 - t) * angle) / s : 1 - t, wb = s > 1e-6f ? std::sin(t * angle) / s : t;
    Q q{a.x * wa + b.x * wb, a.y * wa + b.y * wb, a.z * wa + b.z * wb, a.w * wa + b.w * wb};
    float n = std::sqrt(q.x * q.x + q.y * q.y + q.z * q.z + q.w * q.w);
    return {q.x / n, q.y / n, q.z / n, q.w / n};
}
V lerp(V a, V b, float t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t}; }

std::string f(float v) {
    char text[32];
    std::snprintf(text, sizeof text, "%.6f", static_cast<double>(v));
    return text;
}
std::string matrix(Q q, V t) {
    V x = rot(q, {1, 0, 0}), y = rot(q, {0, 1, 0}), z = rot(q, {0, 0, 1});
    return f(x.x) + "," + f(x.y) + "," + f(x.z) + ",0.0," + f(y.x) + "," + f(y.y) + "," + f(y.z) + ",0.0," + f(z.x) + "," +
           f(z.y) + "," + f(z.z) + ",0.0," + f(t.x) + "," + f(t.y) + "," + f(t.z) + ",1.0;;";
}

// The chain A > B > C and its keys (ticks 0, 20, 40).
const V AxisX{1, 0, 0}, AxisY{0, 1, 0}, AxisZ{0, 0, 1};
struct Chain {
    Q aKeys[3] = {aa(AxisY, 10), aa(AxisZ, 90), aa(AxisY, 10)};
    V aPositions[3] = {{0, 1, 0}, {0.5f, 1, 0}, {0, 1, 0}};
    Q bKeys[3] = {aa(AxisX, 20), aa(AxisX, -60), aa(AxisX, 20)};
    V bRest{0, 0.5f, 0};
    Q cRest = aa(AxisY, 45);
    V cAt{0, 0.4f, 0.1f};

    std::string file(int ticksPerSecond) const {
        std::string x = "xof 0302txt 0032\nAnimTicksPerSecond { " + std::to_string(ticksPerSecond) + "; }\n";
        x += "Frame A {\n FrameTransformMatrix { " + matrix(aa(AxisX, 33), {9, 9, 9}) + " }\n";
        x += " Frame B {\n  FrameTransformMatrix { " + matrix(aa(AxisX, 5), bRest) + " }\n";
        x += "  Frame C {\n   FrameTransformMatrix { " + matrix(cRest, cAt) + " }\n  }\n }\n}\n";
        x += "AnimationSet Clip {\n Animation { {A}\n  AnimationKey { 0; 3; ";
        for (int k = 0; k < 3; ++k)
            x += std::to_string(20 * k) + ";4;" + f(aKeys[k].w) + "," + f(aKeys[k].x) + "," + f(aKeys[k].y) + "," + f(aKeys[k].z) + ";;" + (k < 2 ? ", " : "; }\n");
        x += "  AnimationKey { 2; 3; ";
        for (int k = 0; k < 3; ++k)
            x += std::to_string(20 * k) + ";3;" + f(aPositions[k].x) + "," + f(aPositions[k].y) + "," + f(aPositions[k].z) + ";;" + (k < 2 ? ", " : "; }\n");
        x += " }\n Animation { {B}\n  AnimationKey { 0; 3; ";
        for (int k = 0; k < 3; ++k)
            x += std::to_string(20 * k) + ";4;" + f(bKeys[k].w) + "," + f(bKeys[k].x) + "," + f(bKeys[k].y) + "," + f(bKeys[k].z) + ";;" + (k < 2 ? ", " : "; }\n");
        return x + " }\n}\n";
    }

    // Local and model poses at a tick.
    void pose(float tick, V local[3], Q localTurn[3], V model[3], Q modelTurn[3]) const {
        int k = tick >= 20 ? 1 : 0;
        float w = std::fmin(1.0f, (tick - 20.0f * k) / 20.0f);
        localTurn[0] = slerp(aKeys[k], aKeys[k + 1], w);
        local[0] = lerp(aPositions[k], aPositions[k + 1], w);
        localTurn[1] = slerp(bKeys[k], bKeys[k + 1], w);
        local[1] = bRest;
        localTurn[2] = cRest;
        local[2] = cAt;
        model[0] = local[0];
        modelTurn[0] = localTurn[0];
        for (int b = 1; b < 3; ++b) {
            V r = rot(modelTurn[b - 1], local[b]);
            model[b] = {model[b - 1].x + r.x, model[b - 1].y + r.y, model[b - 1].z + r.z};
            modelTurn[b] = mul(modelTurn[b - 1], localTurn[b]);
        }
    }
};

void expectPose(uint32_t mesh, int bone, int mode, V p, Q q, const std::string& what) {
    iVector3 at;
    iQuaternion turn;
    ASSERT_EQ(vtSkinMeshBonePose(mesh, bone, mode, &at, &turn), 1);
    EXPECT_NEAR(at.x, p.x, 1e-4f) << what;
    EXPECT_NEAR(at.y, p.y, 1e-4f) << what;
    EXPECT_NEAR(at.z, p.z, 1e-4f) << what;
    EXPECT_NEAR(std::fabs(turn.x * q.x + turn.y * q.y + turn.z * q.z + turn.w * q.w), 1.0f, 1e-4f) << what;
}

class EngineClips : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        vtSetFixedFrameTime(H);
        openHeadless();
    }
    static uint32_t clip(const std::string& x) {
        return iSkinMeshCreateFromMemory(x.data(), static_cast<uint32_t>(x.size()), nullptr, nullptr);
    }
};

TEST_F(EngineClips, PosesFollowTheKeysInEveryModeAtEitherTickRate) {
    Chain chain;
    for (int tps : {50, 25}) {
        uint32_t m = clip(chain.file(tps));
        ASSERT_NE(m, 0u);
        float length = 40.0f * 25.0f / static_cast<float>(tps);
        EXPECT_FLOAT_EQ(iSkinMeshAnimationLength(m), length);
        iSkinMeshAnimationSpeedSet(m, 100.0f);
        for (int n = 0; n < 13; ++n) iVortaneMain();  // hidden, it still plays
        vtSkinMeshState s{};
        ASSERT_EQ(vtSkinMeshStateGet(m, &s), 1);
        EXPECT_EQ(s.visible, 0);
        float expected = std::fmod(100.0f * 13 * H, length);
        EXPECT_NEAR(s.time, expected, 1e-3f);
        iVector3 place{1.0f, 2.0f, 3.0f};
        Q yaw = aa(AxisY, 30);
        iQuaternion placeTurn{yaw.x, yaw.y, yaw.z, yaw.w};
        iSkinMeshLocationSet(m, &place);
        iSkinMeshOrientationSet(m, &placeTurn);
        V local[3], model[3];
        Q localTurn[3], modelTurn[3];
        chain.pose(s.time * static_cast<float>(tps) / 25.0f, local, localTurn, model, modelTurn);
        for (int b = 0; b < 3; ++b) {
            std::string what = "tps " + std::to_string(tps) + " bone " + std::to_string(b);
            expectPose(m, b, 1, model[b], modelTurn[b], what + " model");
            expectPose(m, b, 2, local[b], localTurn[b], what + " local");
            V r = rot(yaw, model[b]);
            expectPose(m, b, 0, V{1 + r.x, 2 + r.y, 3 + r.z}, mul(yaw, modelTurn[b]), what + " world");
        }
        iSkinMeshAnimationTimeSet(m, 0.0f);
        vtSkinMeshStateGet(m, &s);
        EXPECT_EQ(s.time, 0.0f);
        chain.pose(0.0f, local, localTurn, model, modelTurn);
        expectPose(m, 2, 1, model[2], modelTurn[2], "rewound");
        iSkinMeshDestroy(m);
    }
}

TEST_F(EngineClips, AClipEndingInAnotherPoseHoldsItsLastPose) {
    Chain chain;
    chain.aKeys[2] = aa(AxisZ, 45);
    uint32_t m = clip(chain.file(25));
    iSkinMeshAnimationSpeedSet(m, 25.0f);
    for (int n = 0; n < 150; ++n) iVortaneMain();  // 2.5 s of a 1.6 s clip
    vtSkinMeshState s{};
    vtSkinMeshStateGet(m, &s);
    EXPECT_FLOAT_EQ(s.time, 40.0f);
    V local[3], model[3];
    Q localTurn[3], modelTurn[3];
    chain.pose(40.0f, local, localTurn, model, modelTurn);
    expectPose(m, 2, 1, model[2], modelTurn[2], "held");
    iSkinMeshAnimationTimeSet(m, 0.0f);
    iVortaneMain();
    vtSkinMeshStateGet(m, &s);
    EXPECT_NEAR(s.time, 25.0f * H, 1e-4f);
}

TEST_F(EngineClips, HiddenClipsCostNoPoseUntilABoneIsRead) {
    Chain chain;
    std::string x = chain.file(25);
    std::vector<uint32_t> clips;
    for (int i = 0; i < 200; ++i) {
        clips.push_back(clip(x));
        iSkinMeshAnimationSpeedSet(clips.back(), 62.5f);
    }
    int before = vtPoseEvaluations();
    for (int n = 0; n < 60; ++n) iVortaneMain();
    EXPECT_EQ(vtPoseEvaluations(), before);
    uint32_t bones[3];
    const char* names[3] = {"A", "B", "C"};
    for (int b = 0; b < 3; ++b) bones[b] = iSkinMeshBoneCreateByName(clips[7], names[b]);
    iVector3 p;
    iQuaternion q;
    for (int read = 0; read < 16; ++read) {
        iSkinMeshBoneLocation(bones[read % 3], &p, 1);
        iSkinMeshBoneOrientation(bones[read % 3], &q, 1);
    }
    EXPECT_EQ(vtPoseEvaluations(), before + 1);
    iSkinMeshBoneLocation(bones[0], &p, 0);
    EXPECT_EQ(vtPoseEvaluations(), before + 1);
    iVortaneMain();
    iSkinMeshBoneLocation(bones[0], &p, 0);
    EXPECT_EQ(vtPoseEvaluations(), before + 2);
    EXPECT_EQ(iSkinMeshBoneCreateByName(clips[7], "Bip01_Nowhere"), 0u);
    iSkinMeshDestroy(clips[7]);
    iSkinMeshBoneLocation(bones[0], &p, 1);  // its mesh gone: the bone reads the origin
    EXPECT_EQ(p.x, 0.0f);
    EXPECT_EQ(p.y, 0.0f);
}

}  // namespace
