// The match cameras read back through the engine: where each puts the camera for scripted
// fighter positions, the shake frame by frame, the snap, and the fly-by along its keys.
#include <gtest/gtest.h>

#include <cmath>

#include "fight/ArenaFlybyCamera.h"
#include "fight/DeveloperFlybyCamera.h"
#include "fight/FighterAShoulderCamera.h"
#include "fight/FighterBShoulderCamera.h"
#include "fight/FighterDisplayCamera.h"
#include "fight/IsoCamera.h"
#include "fight/SideCamera.h"
#include "fight/TopStaticCamera.h"
#include "platform/vuzirovari/vuzirovari_test.h"

namespace {

struct Pose {
    Vector3 location;
    Quaternion orientation;
    float fov = 0.0f;
};

const Quaternion facing;  // the fighters' orientation does not matter to most cameras

class MatchCameras : public ::testing::Test {
protected:
    void SetUp() override {
        vtReset();
        vtSetDrawing(0);
        vtSetFixedFrameTime(0.25f);
        camera = iCameraCreate(0.0f, 0.0f, 1.0f, 1.0f);
    }
    void TearDown() override { vtReset(); }

    Pose pose() const {
        Pose p;
        EXPECT_EQ(vtCameraGet(camera, &p.location, &p.orientation, &p.fov), 1);
        return p;
    }
    void expectAt(const Vector3& where, float tolerance = 1e-5f) const {
        Pose p = pose();
        EXPECT_NEAR(p.location.x, where.x, tolerance);
        EXPECT_NEAR(p.location.y, where.y, tolerance);
        EXPECT_NEAR(p.location.z, where.z, tolerance);
    }
    void place(const Vector3& where) const { iCameraLocationSet(camera, &where); }

    uint32_t camera = 0;
};

Flyby path(float length, std::initializer_list<FlybyKey> keys) {
    Flyby flyby;
    flyby.length = length;
    flyby.keys = keys;
    return flyby;
}

FlybyKey key(float t, const Vector3& location, bool cut = false) {
    FlybyKey k;
    k.t = t;
    k.location = location;
    k.target = location + Vector3(0.0f, 0.0f, 1.0f);
    k.cut = cut;
    return k;
}

}  // namespace

TEST_F(MatchCameras, TheTopCameraLooksDownAndZoomsToKeepBothFightersInView) {
    TopStaticCamera top(camera);
    top.update(Vector3(2.0f, 0.65f, 0.0f), facing, Vector3(-2.0f, 0.65f, 0.0f), facing);
    expectAt(Vector3(0.0f, 15.0f, 0.0f));
    EXPECT_FLOAT_EQ(pose().fov, 22.0f);
    Quaternion down;
    iQuaternionFromEulerAngles(&down, 90.0f, 180.0f, 0.0f, "xyz");
    EXPECT_NEAR(pose().orientation.x, down.x, 1e-6f);
    EXPECT_NEAR(pose().orientation.w, down.w, 1e-6f);

    // Fighters near the front edge pull the camera forward; depth counts a third more than width.
    top.update(Vector3(1.0f, 0.0f, 3.0f), facing, Vector3(-1.0f, 0.0f, 0.0f), facing);
    expectAt(Vector3(0.0f, 15.0f, 1.5f + 0.75f / 3.5f));
    EXPECT_FLOAT_EQ(pose().fov, 1.333f * 3.0f * 3.75f + 7.0f);
}

TEST_F(MatchCameras, TheIsoCameraSmoothsItsFieldOfViewAtTheTrackingRateUntilSnapped) {
    IsoCamera iso(camera);
    EXPECT_FLOAT_EQ(iso.effectiveRate(), 0.1f);
    Vector3 together(0.0f, 0.65f, 0.0f);
    iso.update(together, facing, together, facing);
    expectAt(Vector3(0.0f, 7.5f, 7.5f));
    // Distance 0: the field of view aims at 22 and the camera then tracks at 0.003.
    EXPECT_NEAR(pose().fov, 30.0f - 0.1f * 8.0f, 1e-4f);
    EXPECT_NEAR(iso.effectiveRate(), 0.003f, 1e-7f);
    iso.update(together, facing, together, facing);
    EXPECT_NEAR(pose().fov, 29.2f - 0.003f * 7.2f, 1e-4f);

    iso.update(Vector3(2.0f, 0.65f, 0.0f), facing, Vector3(-2.0f, 0.65f, 0.0f), facing);
    EXPECT_FLOAT_EQ(iso.trackingRate(), 0.02f);

    iso.snap();
    iso.update(together, facing, together, facing);
    EXPECT_FLOAT_EQ(pose().fov, 22.0f);
    iso.setViewDistance(0.0f);
    EXPECT_EQ(iso.effectiveRate(), 1.0f);  // a snap lasts for the camera's life
    EXPECT_TRUE(iso.isSnapped());

    SideCamera side(camera);
    EXPECT_EQ(side.getFov(), 40.0f);
    // A fighter close to the camera moves it forward by the amount it stands in front of the midpoint.
    side.update(Vector3(0.0f, 0.0f, 2.0f), facing, Vector3(0.0f, 0.0f, 0.0f), facing);
    expectAt(Vector3(0.0f, 4.5f, 6.5f + 1.5f));
}

TEST_F(MatchCameras, AShakeMovesTheCameraForTwentyFramesAndEndsAtSixty) {
    TopStaticCamera top(camera);
    Vector3 a(1.0f, 0.0f, 0.0f), b(-1.0f, 0.0f, 0.0f);
    top.startShake();
    std::vector<Vector3> seen;
    for (int frame = 0; frame < 60; ++frame) {
        EXPECT_TRUE(top.isShaking()) << frame;
        top.update(a, facing, b, facing);
        seen.push_back(pose().location);
    }
    EXPECT_FALSE(top.isShaking());
    // Frame n is placed with the offset of the n frames before it.
    EXPECT_NEAR(seen[5].x, 1.0f, 1e-5f);
    EXPECT_NEAR(seen[5].y, 15.0f - 1.5f, 1e-5f);
    EXPECT_NEAR(seen[5].z, 3.5f, 1e-5f);
    EXPECT_NEAR(seen[10].z, 0.0f, 1e-5f);
    EXPECT_NEAR(seen[15].x, 0.5f, 1e-5f);
    EXPECT_NEAR(seen[15].y, 14.0f, 1e-5f);
    for (int frame = 20; frame < 60; ++frame) EXPECT_NEAR(seen[frame].y, 15.0f, 1e-5f) << frame;

    // A new shake during one starts again from nothing.
    top.startShake();
    for (int frame = 0; frame < 7; ++frame) top.update(a, facing, b, facing);
    top.startShake();
    EXPECT_EQ(top.getShakeFrame(), 0);
    top.update(a, facing, b, facing);
    expectAt(Vector3(0.0f, 15.0f, 0.0f));
}

TEST_F(MatchCameras, TheShoulderCamerasMirrorEachOtherAndTheDisplayCameraIsFixed) {
    Quaternion turned;
    iQuaternionFromEulerAngles(&turned, 0.0f, -90.0f, 0.0f, "xyz");
    Vector3 a(2.0f, 0.65f, 0.0f), b(-2.0f, 0.65f, 1.0f);
    FighterAShoulderCamera shoulderA(camera);
    shoulderA.update(b, facing, a, turned);
    Pose fromA = pose();
    FighterBShoulderCamera shoulderB(camera);
    shoulderB.update(a, turned, b, facing);
    Pose fromB = pose();
    EXPECT_EQ(fromA.location, fromB.location);
    EXPECT_EQ(fromA.fov, fromB.fov);
    // Behind and above the followed fighter: 9.45 back along its facing, 6.25 up.
    EXPECT_NEAR(fromA.location.y, 0.65f + 6.25f, 1e-4f);
    EXPECT_NEAR(fromA.location.z, 1.0f - 9.45f, 1e-4f);

    FighterDisplayCamera display(camera);
    display.update(a, facing, b, facing);
    expectAt(Vector3(-2.7035897f, 3.3014307f, 6.2045569f));
}

TEST_F(MatchCameras, TheDeveloperCameraMovesWithTheKeys) {
    DeveloperFlybyCamera developer(camera);
    vtSetFixedFrameTime(1.0f / 60.0f);
    ASSERT_EQ(iVortaneOpen(nullptr, nullptr), 1);
    vtKeySet(17, 1);  // forward
    iVortaneMain();
    developer.update(Vector3(), facing, Vector3(), facing);
    expectAt(Vector3(0.0f, 0.0f, 0.04f), 1e-3f);  // the pointer's rest reads a hair below the centre
    EXPECT_FLOAT_EQ(pose().fov, 30.0f);
    EXPECT_FALSE(developer.isShaking());
}

TEST_F(MatchCameras, AFlybyMovesBetweenKeysAndJumpsToCuts) {
    Flyby flyby = path(3.0f, {key(0.0f, Vector3(0, 1, 0), true), key(1.0f, Vector3(10, 1, 0)),
                              key(2.0f, Vector3(10, 1, 10), true)});
    ArenaFlybyCamera fly(camera, flyby);
    expectAt(Vector3(0, 1, 0));
    EXPECT_FLOAT_EQ(pose().fov, 30.0f);
    fly.update(Vector3(), facing, Vector3(), facing);  // not started yet
    EXPECT_EQ(fly.getElapsed(), 0.0f);

    fly.start();
    const Vector3 expected[] = {Vector3(2.5f, 1, 0), Vector3(5, 1, 0), Vector3(7.5f, 1, 0), Vector3(10, 1, 0),
                                Vector3(10, 1, 0),   Vector3(10, 1, 0), Vector3(10, 1, 0),  Vector3(10, 1, 10)};
    for (const Vector3& where : expected) {
        EXPECT_FALSE(fly.isFinished());
        fly.update(Vector3(), facing, Vector3(), facing);
        expectAt(where);
    }
    for (int frame = 0; frame < 4; ++frame) fly.update(Vector3(), facing, Vector3(), facing);
    EXPECT_TRUE(fly.isFinished());
    EXPECT_FLOAT_EQ(fly.getElapsed(), 3.0f);
    expectAt(Vector3(10, 1, 10));

    ArenaFlybyCamera skipped(camera, flyby);
    skipped.start();
    skipped.update(Vector3(), facing, Vector3(), facing);
    skipped.jumpToEnd();
    EXPECT_TRUE(skipped.isFinished());
    skipped.update(Vector3(), facing, Vector3(), facing);
    expectAt(Vector3(2.5f, 1, 0));
}

TEST_F(MatchCameras, ASingleKeyHoldsAndBadPathsNeverMoveTheCameraToNowhere) {
    ArenaFlybyList plain;
    ArenaFlybyCamera single(camera, plain.randomFlyby());
    single.start();
    for (int frame = 0; frame < 8; ++frame) {
        EXPECT_FALSE(single.isFinished());
        single.update(Vector3(), facing, Vector3(), facing);
        expectAt(Vector3(0.0f, 7.5f, 7.5f));
    }
    EXPECT_TRUE(single.isFinished());

    // Keys at the same time, and a key earlier than the one before it, jump at their time.
    ArenaFlybyCamera same(camera, path(2.0f, {key(0.5f, Vector3(1, 0, 0)), key(0.5f, Vector3(2, 0, 0)),
                                              key(1.75f, Vector3(3, 0, 0)), key(1.0f, Vector3(4, 0, 0))}));
    same.start();
    same.update(Vector3(), facing, Vector3(), facing);
    expectAt(Vector3(1, 0, 0));
    same.update(Vector3(), facing, Vector3(), facing);
    expectAt(Vector3(2, 0, 0));
    for (int frame = 0; frame < 6; ++frame) {
        same.update(Vector3(), facing, Vector3(), facing);
        Pose p = pose();
        EXPECT_TRUE(std::isfinite(p.location.x) && std::isfinite(p.orientation.w)) << frame;
    }
    expectAt(Vector3(4, 0, 0));

    // A path without keys ends at once and leaves the camera alone.
    place(Vector3(1, 2, 3));
    iCameraFovSet(camera, 50.0f);
    ArenaFlybyCamera empty(camera, path(2.0f, {}));
    EXPECT_TRUE(empty.isFinished());
    empty.start();
    empty.update(Vector3(), facing, Vector3(), facing);
    expectAt(Vector3(1, 2, 3));
    EXPECT_FLOAT_EQ(pose().fov, 50.0f);
}
