// Quaternion, vector and float helpers: y up, +z forward, degrees.
#include <cmath>

#include "engine_fixture.h"

namespace {

class EngineMath : public EngineTest {};

constexpr float Tolerance = 1e-5f;

iVector3 turned(const iQuaternion& q, iVector3 v) {
    iVector3 out{};
    iVectorRotate(&out, &v, &q);
    return out;
}

void expectNear(iVector3 actual, iVector3 expected) {
    EXPECT_NEAR(actual.x, expected.x, Tolerance);
    EXPECT_NEAR(actual.y, expected.y, Tolerance);
    EXPECT_NEAR(actual.z, expected.z, Tolerance);
}

// The same rotation: q and -q both count.
void expectSameRotation(const iQuaternion& a, const iQuaternion& b) {
    float d = std::fabs(a.x * b.x + a.y * b.y + a.z * b.z + a.w * b.w);
    EXPECT_NEAR(d, 1.0f, Tolerance);
}

// Euler angles turn about x, then y, then z in the order named; a product applies its second
// factor first.
TEST_F(EngineMath, EulerAnglesAndProductsTurnAsTheGameExpects) {
    struct Turn {
        const char* what;
        float x, y;
        const char* order;
        iVector3 from, to;
    };
    const Turn turns[] = {
        {"yaw -90 turns forward to -x", 0, -90, "xyz", {0, 0, 1}, {-1, 0, 0}},
        {"yaw 90 turns forward to +x", 0, 90, "xyz", {0, 0, 1}, {1, 0, 0}},
        {"x first: +y to +z, then y: +z to +x", 90, 90, "xyz", {0, 1, 0}, {1, 0, 0}},
        {"y first: +y stays, then x: +y to +z", 90, 90, "yxz", {0, 1, 0}, {0, 0, 1}},
        {"the top camera looks straight down", 90, 180, "xyz", {0, 0, 1}, {0, -1, 0}},
    };
    for (const Turn& turn : turns) {
        SCOPED_TRACE(turn.what);
        iQuaternion q{};
        iQuaternionFromEulerAngles(&q, turn.x, turn.y, 0, turn.order);
        expectNear(turned(q, turn.from), turn.to);
    }
    iQuaternion pitch{}, yaw{}, both{};
    iQuaternionFromEulerAngles(&pitch, 90, 0, 0, "xyz");
    iQuaternionFromEulerAngles(&yaw, 0, 90, 0, "xyz");
    iQuaternionMultiply(&both, &yaw, &pitch);
    expectNear(turned(both, {0, 1, 0}), {1, 0, 0});
}

TEST_F(EngineMath, AxisAngleRoundTripStaysWithin0And360) {
    const iVector3 axes[] = {{0, 1, 0}, {0, -1, 0}, {1, 0, 0}, {0.3f, 0.4f, -0.5f}};
    const float angles[] = {0.5f, 45, 90, 179, 181, 270, 359, -90, 450};
    for (iVector3 axis : axes) {
        for (float degrees : angles) {
            iQuaternion q{}, back{};
            iQuaternionFromAxisAngle(&q, &axis, degrees);
            iVector3 axisOut{};
            float degreesOut = -1;
            iQuaternionToAxisAngle(&q, &axisOut, &degreesOut);
            EXPECT_GE(degreesOut, 0.0f) << degrees;
            EXPECT_LT(degreesOut, 360.0f) << degrees;
            EXPECT_NEAR(iVectorLength(&axisOut), 1.0f, Tolerance);
            iQuaternionFromAxisAngle(&back, &axisOut, degreesOut);
            expectSameRotation(q, back);
        }
    }
}

TEST_F(EngineMath, AxisAngleGivesTheHeadingTheGameReads) {
    // 270 degrees about +y: the game's heading rule (angle when the axis points down, else
    // 360 - angle) gives 90.
    iVector3 up{0, 1, 0};
    iQuaternion q{};
    iQuaternionFromAxisAngle(&q, &up, 270);
    iVector3 axis{};
    float degrees = 0;
    iQuaternionToAxisAngle(&q, &axis, &degrees);
    EXPECT_NEAR(degrees, 270.0f, 1e-3f);
    EXPECT_GT(axis.y, 0.0f);
    iQuaternion none{0, 0, 0, 1};
    iQuaternionToAxisAngle(&none, &axis, &degrees);
    EXPECT_EQ(degrees, 0.0f);
}

TEST_F(EngineMath, InterpolateHitsItsEndsAndTheMiddleTheShorterWay) {
    iQuaternion a{}, b{}, out{};
    iVector3 up{0, 1, 0};
    iQuaternionFromAxisAngle(&a, &up, 0);
    iQuaternionFromAxisAngle(&b, &up, 90);
    iQuaternionInterpolate(&out, &a, &b, 0);
    expectSameRotation(out, a);
    iQuaternionInterpolate(&out, &a, &b, 1);
    EXPECT_EQ(out.y, b.y);
    EXPECT_EQ(out.w, b.w);
    iQuaternionInterpolate(&out, &a, &b, 0.5f);
    iQuaternion half{};
    iQuaternionFromAxisAngle(&half, &up, 45);
    expectSameRotation(out, half);

    iQuaternion expected{};
    iQuaternionFromAxisAngle(&a, &up, 10);
    iQuaternionFromAxisAngle(&b, &up, 350);  // -10 the short way
    iQuaternionInterpolate(&out, &a, &b, 0.5f);
    iQuaternionFromAxisAngle(&expected, &up, 0);
    expectSameRotation(out, expected);
}

TEST_F(EngineMath, LookAtUsesOnlyTheHorizontalDirection) {
    iQuaternion q{};
    iVector3 direction{-2, 5, 0};
    iQuaternionLookAt(&q, &direction, 0);
    expectNear(turned(q, {0, 0, 1}), {-1, 0, 0});
    expectNear(turned(q, {0, 1, 0}), {0, 1, 0});
    iVector3 straightUp{0, 1, 0};
    iQuaternionLookAt(&q, &straightUp, 0);
    expectSameRotation(q, {0, 0, 0, 1});
}

TEST_F(EngineMath, VectorLengths) {
    iVector3 v{3, 4, 12};
    EXPECT_FLOAT_EQ(iVectorLength(&v), 13.0f);
    EXPECT_FLOAT_EQ(iVectorLengthSq(&v), 169.0f);
    iVector3 out{};
    iVectorLengthSet(&out, &v, -26.0f);  // a negative length flips the direction
    expectNear(out, {-6, -8, -24});
    iVector3 zero{0, 0, 0};
    iVectorLengthSet(&out, &zero, 5.0f);
    expectNear(out, {0, 0, 0});
}

TEST_F(EngineMath, FloatInterpolateMapsAndClamps) {
    EXPECT_FLOAT_EQ(iFloatInterpolate(1, 0, 1, 0, 0.3f), 0.3f);
    EXPECT_FLOAT_EQ(iFloatInterpolate(1, 0, 1, 0, 7.0f), 1.0f);
    EXPECT_FLOAT_EQ(iFloatInterpolate(1, 0, 1, 0, -2.0f), 0.0f);
    EXPECT_FLOAT_EQ(iFloatInterpolate(20, 10, 4, 2, 3.0f), 15.0f);
    EXPECT_FLOAT_EQ(iFloatInterpolate(0, 10, 1, 0, 0.25f), 7.5f);  // falling output range
    EXPECT_FLOAT_EQ(iFloatInterpolate(5, 1, 2, 2, 3.0f), 5.0f);    // empty input range
    EXPECT_FLOAT_EQ(iFloatInterpolate(5, 1, 2, 2, 1.0f), 1.0f);
}

TEST_F(EngineMath, FloatTendToMovesByRateTimesFrameTime) {
    vtSetFixedFrameTime(0.1f);
    openHeadless();
    iVortaneMain();
    float value = 0.0f;
    iFloatTendTo(&value, 30.0f, 10.0f);  // 3 units per frame
    EXPECT_NEAR(value, 3.0f, 1e-5f);
    for (int i = 0; i < 5; ++i) iFloatTendTo(&value, 30.0f, 10.0f);
    EXPECT_EQ(value, 10.0f);  // reached, never past
    iFloatTendTo(&value, 30.0f, 8.5f);
    EXPECT_EQ(value, 8.5f);
    iFloatTendTo(&value, 10.0f, -100.0f);
    EXPECT_NEAR(value, 7.5f, 1e-5f);
    iFloatTendTo(&value, -5.0f, 100.0f);  // a negative rate does not move it
    EXPECT_NEAR(value, 7.5f, 1e-5f);
    iFloatTendTo(nullptr, 1.0f, 1.0f);
}

}  // namespace
