// Cameras and the light as state.
#include <cmath>

#include "engine_fixture.h"

namespace {

class EngineCamera : public EngineTest {};

iVector3 forwardOf(uint32_t camera) {
    iQuaternion q{};
    iCameraOrientation(camera, &q);
    iVector3 z{0, 0, 1}, out{};
    iVectorRotate(&out, &z, &q);
    return out;
}

iVector3 rightOf(uint32_t camera) {
    iQuaternion q{};
    iCameraOrientation(camera, &q);
    iVector3 x{1, 0, 0}, out{};
    iVectorRotate(&out, &x, &q);
    return out;
}

TEST_F(EngineCamera, StartsAtTheOriginLookingForwardAndTheLightIsRecorded) {
    openHeadless();
    uint32_t camera = iCameraCreate(0, 0, 1, 1);
    iVector3 where{};
    iQuaternion turn{};
    float fov = 0;
    ASSERT_EQ(vtCameraGet(camera, &where, &turn, &fov), 1);
    EXPECT_EQ(where.x, 0.0f);
    EXPECT_EQ(turn.w, 1.0f);
    EXPECT_EQ(fov, 45.0f);
    iCameraFovSet(camera, 30.0f);
    iVector3 location{0, 1, 0};
    iCameraLocationSet(camera, &location);
    ASSERT_EQ(vtCameraGet(camera, &where, nullptr, &fov), 1);
    EXPECT_EQ(fov, 30.0f);
    EXPECT_EQ(where.y, 1.0f);
    iCameraFovSet(camera, 500.0f);
    vtCameraGet(camera, nullptr, nullptr, &fov);
    EXPECT_LT(fov, 180.0f);

    // No light until the game sets one.
    EXPECT_EQ(vtLightGet(nullptr, nullptr), 0);
    iVector3 direction{0.1f, -1, 0.1f};
    iVector4 colour{1, 1, 1, 0.35f};
    iLightDirectionalSet(&direction, &colour);
    iVector3 d{};
    iVector4 c{};
    ASSERT_EQ(vtLightGet(&d, &c), 1);
    EXPECT_EQ(d.y, -1.0f);
    EXPECT_EQ(c.w, 0.35f);
}

TEST_F(EngineCamera, LookAtFacesTheTargetWithoutRollOrTurnsPartOfTheWay) {
    openHeadless();
    uint32_t camera = iCameraCreate(0, 0, 1, 1);
    iVector3 location{0, 7.5f, 7.5f}, target{2, 2, 0};
    iCameraLocationSet(camera, &location);
    iCameraLookAt(camera, &target, 1.0f);
    iVector3 f = forwardOf(camera);
    iVector3 expected{2, -5.5f, -7.5f};
    float n = iVectorLength(&expected);
    EXPECT_NEAR(f.x, expected.x / n, 1e-5f);
    EXPECT_NEAR(f.y, expected.y / n, 1e-5f);
    EXPECT_NEAR(f.z, expected.z / n, 1e-5f);
    EXPECT_NEAR(rightOf(camera).y, 0.0f, 1e-5f);  // no roll: the right side stays level

    // A share below 1 turns that share of the way.
    camera = iCameraCreate(0, 0, 1, 1);
    target = {10, 0, 0};
    iCameraLookAt(camera, &target, 0.5f);
    f = forwardOf(camera);
    EXPECT_NEAR(std::atan2(f.x, f.z) * 180.0f / 3.14159265f, 45.0f, 1e-3f);
    for (int i = 0; i < 40; ++i) iCameraLookAt(camera, &target, 0.5f);
    f = forwardOf(camera);
    EXPECT_NEAR(f.x, 1.0f, 1e-4f);
    iCameraLookAt(camera, &target, 0.0f);  // no turn at all
    EXPECT_NEAR(forwardOf(camera).x, f.x, 1e-6f);
}

}  // namespace
