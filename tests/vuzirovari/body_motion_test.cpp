// Rigid bodies moved by the game and by the world: kinematic placement, touch reports of body
// pairs, forces, damping and the reference frame of a body whose shapes lie off its origin.
#include <cmath>
#include <string>
#include <vector>

#include "engine_fixture.h"
#include "platform/win32/win32_host.h"

namespace {

constexpr float H = 1.0f / 60.0f;

float len(const iVector3& v) { return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z); }

class EngineBodyMotion : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        vtSetFixedFrameTime(H);
        openHeadless();
    }
    uint32_t box(const std::string& extra = "", float mass = 1.0f) {
        std::string spg = "spg 1\nbox 1 1 1" + extra + "\n";
        uint32_t b = iBodySGCreateFromMemory(spg.data(), static_cast<uint32_t>(spg.size()), mass);
        iBodyEnable(b);
        return b;
    }
    uint32_t floor() {
        std::string ply = "ply\nformat ascii 1.0\nelement vertex 4\nproperty float x\nproperty float y\nproperty float z\n"
                          "element face 2\nproperty list uchar int vertex_indices\nend_header\n"
                          "-10 0 -10\n-10 0 10\n10 0 10\n10 0 -10\n3 0 1 2\n3 0 2 3\n";
        std::string pol = "pol 1\nplane 0 1 0 0\n";
        uint32_t b = iBodyCreateFromMemory(ply.data(), static_cast<uint32_t>(ply.size()), pol.data(), static_cast<uint32_t>(pol.size()));
        iBodyEnable(b);
        return b;
    }
    static void place(uint32_t body, iVector3 at) {
        const iQuaternion identity{0, 0, 0, 1};
        iBodyPhysicsReset(body);
        iBodyLocationSet(body, &at, 1);
        iBodyOrientationSet(body, &identity, 1);
    }
    static uint32_t sensor(uint32_t a, uint32_t b) {
        uint32_t p = iBodyBodyCreate(a, b);
        iBodyBodyEnable(p, 1);
        iBodyBodyFeedbackEnable(p, -1, -1, 1);
        return p;
    }
};

TEST_F(EngineBodyMotion, OverlappingPlacedBodiesReportTheirTouchWithoutPushingEachOther) {
    uint32_t a = box(), b = box();
    uint32_t pair = sensor(a, b);
    iVector3 pointOut, direction;
    for (int frame = 0; frame < 3; ++frame) {
        place(a, iVector3{0.6f, 2.0f, 0.0f});
        place(b, iVector3{0.0f, 2.0f, 0.0f});
        iVortaneMain();
    }
    int touched = iBodyBodyFeedback(pair, -1, -1, &pointOut, &direction, 0, 0, 0, 0);
    EXPECT_GT(touched, 0);
    EXPECT_NEAR(len(direction), 1.0f, 1e-4f);
    EXPECT_GT(direction.x, 0.9f);  // the first body gets away from the second along +x
    EXPECT_GT(pointOut.x, 0.1f - 0.01f);
    EXPECT_LT(pointOut.x, 0.5f + 0.01f);
    EXPECT_NEAR(pointOut.y, 2.0f, 0.5f);
    iVector3 at, v;
    iBodyLocation(a, &at);
    iBodyVelocity(a, &v);
    EXPECT_FLOAT_EQ(at.x, 0.6f);
    EXPECT_FLOAT_EQ(at.y, 2.0f);
    EXPECT_EQ(len(v), 0.0f);

    // A disabled pair, feedback off, bodies apart, a disabled body: nothing.
    iBodyBodyEnable(pair, 0);
    EXPECT_EQ(iBodyBodyFeedback(pair, -1, -1, nullptr, nullptr, 0, 0, 0, 0), 0);
    iBodyBodyEnable(pair, 1);
    iBodyBodyFeedbackEnable(pair, -1, -1, 0);
    place(a, iVector3{0.6f, 2.0f, 0.0f});
    place(b, iVector3{0.0f, 2.0f, 0.0f});
    iVortaneMain();
    EXPECT_EQ(iBodyBodyFeedback(pair, -1, -1, nullptr, nullptr, 0, 0, 0, 0), 0);
    iBodyBodyFeedbackEnable(pair, -1, -1, 1);
    place(a, iVector3{3.0f, 2.0f, 0.0f});
    place(b, iVector3{0.0f, 2.0f, 0.0f});
    iVortaneMain();
    EXPECT_EQ(iBodyBodyFeedback(pair, -1, -1, nullptr, nullptr, 0, 0, 0, 0), 0);
    place(a, iVector3{0.6f, 2.0f, 0.0f});
    place(b, iVector3{0.0f, 2.0f, 0.0f});
    iBodyDisable(b);
    iVortaneMain();
    EXPECT_EQ(iBodyBodyFeedback(pair, -1, -1, nullptr, nullptr, 0, 0, 0, 0), 0);
    iBodyEnable(b);
    // Only the named shapes count: the box is shape 0, there is no shape 1.
    iBodyBodyFeedbackEnable(pair, 1, -1, 1);
    place(a, iVector3{0.6f, 2.0f, 0.0f});
    place(b, iVector3{0.0f, 2.0f, 0.0f});
    iVortaneMain();
    EXPECT_EQ(iBodyBodyFeedback(pair, -1, -1, nullptr, nullptr, 0, 0, 0, 0), 0);
    iBodyBodyFeedbackEnable(pair, 0, -1, 1);
    place(a, iVector3{0.6f, 2.0f, 0.0f});
    place(b, iVector3{0.0f, 2.0f, 0.0f});
    iVortaneMain();
    EXPECT_GT(iBodyBodyFeedback(pair, -1, -1, nullptr, nullptr, 0, 0, 0, 0), 0);

    // The second body gone: the pair reads nothing and can still be destroyed.
    iBodyDestroy(b);
    place(a, iVector3{0.6f, 2.0f, 0.0f});
    iVortaneMain();
    EXPECT_EQ(iBodyBodyFeedback(pair, -1, -1, &pointOut, &direction, 0, 0, 0, 0), 0);
    iBodyBodyDestroy(pair);
    iBodyBodyDestroy(pair);
    EXPECT_EQ(vtContactGet(pair, nullptr), 0);
}

TEST_F(EngineBodyMotion, ABodyOnTheFloorIsHeldUpAndFeelsItFromBelow) {
    uint32_t ground = floor(), b = box();
    uint32_t pair = sensor(b, ground);
    iBodyBodyFrictionSet(pair, 100.0f);
    place(b, iVector3{0.0f, 0.45f, 0.0f});
    iVortaneMain();
    iVector3 direction;
    ASSERT_GT(iBodyBodyFeedback(pair, -1, -1, nullptr, &direction, 0, 0, 0, 0), 0);
    EXPECT_NEAR(direction.y, 1.0f, 1e-3f);
    for (int frame = 0; frame < 120; ++frame) iVortaneMain();
    iVector3 at;
    iBodyLocation(b, &at);
    EXPECT_NEAR(at.y, 0.5f, 0.02f);  // resting on the floor, not sunk into it
    EXPECT_EQ(iBodyBodyCreate(ground, b), 0u);  // a collision set never comes first
    EXPECT_EQ(iBodyBodyCreate(b, b), 0u);
    EXPECT_EQ(iBodyBodyCreate(b, 0), 0u);
}

TEST_F(EngineBodyMotion, PushesLastOneStepAndDampingKeepsItsShare) {
    uint32_t b = box("", 2.0f);
    vtBodyState s{};
    iVector3 force{10.0f, 0.0f, 0.0f};
    iBodyForceApply(b, &force, 0);
    iVortaneMain();
    vtBodyStateGet(b, &s);
    EXPECT_NEAR(s.velocity.x, 10.0f * H / 2.0f, 1e-5f);
    EXPECT_NEAR(s.velocity.y, -9.81f * H, 1e-4f);
    iVortaneMain();
    vtBodyStateGet(b, &s);
    EXPECT_NEAR(s.velocity.x, 10.0f * H / 2.0f, 1e-5f);  // the force is gone
    iVector3 a{0.0f, 0.0f, 3.0f};
    iBodyAccelerationApply(b, &a);
    iVortaneMain();
    vtBodyStateGet(b, &s);
    EXPECT_NEAR(s.velocity.z, 3.0f * H, 1e-5f);

    iVector3 v{4.0f, 0.0f, 0.0f}, spin{0.0f, 90.0f, 0.0f};
    iBodyVelocitySet(b, &v);
    iBodySpinSet(b, &spin);
    vtBodyStateGet(b, &s);
    EXPECT_FLOAT_EQ(s.velocity.x, 4.0f);
    EXPECT_NEAR(s.spin.y, 90.0f, 1e-3f);
    iBodyDampingSet(b, 0.0f, 0.5f, 0.0f, 0.5f);
    iVortaneMain();
    vtBodyStateGet(b, &s);
    EXPECT_NEAR(s.velocity.x, 2.0f, 1e-4f);
    EXPECT_NEAR(s.spin.y, 45.0f, 1e-2f);
    iBodyDampingSet(b, 0.0f, 1.0f, 0.0f, 1.0f);
    iBodyDamping2Set(b, 1.0f, 0.25f, 3600.0f, 0.05f);
    iBodyVelocitySet(b, &v);
    iVortaneMain();
    vtBodyStateGet(b, &s);
    EXPECT_NEAR(s.velocity.x, 3.0f, 1e-3f);

    // Placed and pushed in one frame (a knock-down): the push is kept as the velocity it leaves with.
    iBodyDamping2Set(b, 1e9f, 0.0f, 1e9f, 0.0f);
    place(b, iVector3{0.0f, 5.0f, 0.0f});
    iVector3 knock{20.0f, 0.0f, 0.0f};
    iBodyForceApply(b, &knock, 0);
    iVortaneMain();
    vtBodyStateGet(b, &s);
    EXPECT_FLOAT_EQ(s.location.y, 5.0f);  // no gravity in the placed step
    EXPECT_NEAR(s.velocity.x, 20.0f * H / 2.0f, 1e-5f);

    iBodyPhysicsReset(b);
    vtBodyStateGet(b, &s);
    EXPECT_EQ(len(s.velocity), 0.0f);
    iBodyDisable(b);
    iVector3 before, after;
    iBodyLocation(b, &before);
    iBodyVelocitySet(b, &v);
    for (int frame = 0; frame < 10; ++frame) iVortaneMain();
    iBodyLocation(b, &after);
    EXPECT_EQ(before.x, after.x);
    EXPECT_EQ(before.y, after.y);
    EXPECT_EQ(vtPhysicsSteps(), 16);
    EXPECT_FLOAT_EQ(vtPhysicsLastStep(), H);
}

TEST_F(EngineBodyMotion, ABodyIsPlacedByItsFilesOriginAndTurnsAboutItsCentreOfMass) {
    uint32_t b = box(" at 2 0 0");
    iVector3 at, centre;
    iQuaternion turn;
    const iVector3 yAxis{0.0f, 1.0f, 0.0f};
    const iQuaternion identity{0, 0, 0, 1};
    iQuaternionFromAxisAngle(&turn, &yAxis, 90.0f);
    // Either order of the two calls gives the same placement.
    for (int order = 0; order < 2; ++order) {
        iVector3 p{1.0f, 1.0f, 1.0f};
        if (order == 0) {
            iBodyLocationSet(b, &p, 1);
            iBodyOrientationSet(b, &turn, 1);
        } else {
            iBodyOrientationSet(b, &turn, 1);
            iBodyLocationSet(b, &p, 1);
        }
        iBodyLocation(b, &at);
        iBodyLocationCM(b, &centre);
        EXPECT_NEAR(at.x, 1.0f, 1e-5f);
        EXPECT_NEAR(at.z, 1.0f, 1e-5f);
        EXPECT_NEAR(centre.x, 1.0f, 1e-5f);  // (2, 0, 0) turned 90 degrees about y
        EXPECT_NEAR(centre.z, -1.0f, 1e-5f);
        iBodyOrientationSet(b, &identity, 1);
    }
    // Spinning, it turns about the centre of mass, which stays put without gravity's pull.
    iBodyDisable(b);
    iBodyEnable(b);
    iVector3 spin{0.0f, 180.0f, 0.0f}, up{0.0f, 9.81f, 0.0f};
    iBodyOrientationSet(b, &identity, 1);
    iVortaneMain();
    iBodyLocationCM(b, &centre);
    iBodySpinSet(b, &spin);
    iBodyAccelerationApply(b, &up);
    iVector3 before = centre;
    iVortaneMain();
    iBodyLocationCM(b, &centre);
    EXPECT_NEAR(centre.x, before.x, 1e-4f);
    EXPECT_NEAR(centre.z, before.z, 1e-4f);
}

}  // namespace

// Pushes that are each finite but together are not (their sum overflows) never reach the
// physics: the body goes back to where it last stood, at rest, with one log line for the frame,
// and moves on as before; the game's refused numbers are logged once per function and frame.
TEST_F(EngineBodyMotion, ABodyWhoseNumbersGoBadIsPutBackToItsLastValidState) {
    uint32_t b = box();
    place(b, {1.0f, 2.0f, 3.0f});
    iVortaneMain();
    iVortaneMain();
    vtBodyState before{};
    vtBodyStateGet(b, &before);
    const iVector3 huge{3e38f, 0.0f, 0.0f};
    for (int i = 0; i < 3; ++i) iBodyForceApply(b, &huge, 0);
    const iVector3 bad{std::nanf(""), 0.0f, 0.0f};
    iBodyForceApply(b, &bad, 0);
    iBodyForceApply(b, &bad, 0);
    const size_t logged = win32::logLines().size();
    iVortaneMain();
    vtBodyState after{};
    vtBodyStateGet(b, &after);
    EXPECT_TRUE(std::isfinite(after.location.x) && std::isfinite(after.velocity.x));
    EXPECT_NEAR(after.location.x, before.location.x, 1e-4f);
    EXPECT_NEAR(after.location.y, before.location.y, 0.01f);
    std::vector<std::string> lines(win32::logLines().begin() + static_cast<long>(logged), win32::logLines().end());
    int mended = 0;
    for (const std::string& line : lines) mended += line.find("the physics step refused") != std::string::npos;
    EXPECT_EQ(mended, 1);
    // It falls on from there like any body.
    for (int i = 0; i < 10; ++i) iVortaneMain();
    vtBodyStateGet(b, &after);
    EXPECT_LT(after.velocity.y, -0.5f);
    EXPECT_TRUE(std::isfinite(after.location.y));
}
