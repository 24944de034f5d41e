// Handles: 0 and dead handles are harmless everywhere, and no handle is ever issued twice.
#include "engine_fixture.h"

namespace {

constexpr uint32_t NeverIssued = 0x7FFFFFF0u;

class EngineHandles : public EngineTest {};

TEST_F(EngineHandles, ZeroAndUnknownHandlesAreHarmless) {
    openHeadless();
    for (uint32_t handle : {0u, NeverIssued}) {
        iVector3 where{1, 2, 3};
        iQuaternion turn{0.5f, 0.5f, 0.5f, 0.5f};
        iCameraLocationSet(handle, &where);
        iCameraOrientationSet(handle, &turn);
        iCameraLookAt(handle, &where, 1.0f);
        iCameraFovSet(handle, 30.0f);
        iCameraLocation(handle, &where);
        iCameraOrientation(handle, &turn);
        EXPECT_EQ(where.x, 0.0f);
        EXPECT_EQ(turn.w, 1.0f);
        iCameraDestroy(handle);

        iSoundPlay(handle, 1);
        iSoundPlayNow(handle, 0);
        iSoundVolumeSet(handle, 0.5f);
        EXPECT_EQ(iSoundPlaying(handle), 0);
        iSoundStop(handle, 0);
        iSoundDestroy(handle);
        EXPECT_EQ(vtCameraGet(handle, nullptr, nullptr, nullptr), 0);
        EXPECT_EQ(vtSoundGet(handle, nullptr, nullptr, nullptr, nullptr, nullptr), 0);
    }
    EXPECT_EQ(vtLiveObjectCount(), 0);
}

// Not even after a reset.
TEST_F(EngineHandles, DestroyedHandlesStayDeadAndAreNotReused) {
    openHeadless();
    uint32_t first = iCameraCreate(0, 0, 1, 1);
    ASSERT_NE(first, 0u);
    iCameraDestroy(first);
    iCameraDestroy(first);  // twice: harmless
    uint32_t second = iCameraCreate(0, 0, 1, 1);
    ASSERT_NE(second, 0u);
    EXPECT_NE(second, first);

    iVector3 where{4, 5, 6};
    iCameraLocationSet(first, &where);  // must not reach the live camera
    iVector3 seen{9, 9, 9};
    iCameraLocation(second, &seen);
    EXPECT_EQ(seen.x, 0.0f);
    EXPECT_EQ(vtCameraGet(first, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(vtLiveObjectCount(), 1);

    vtReset();
    vtSetDrawing(0);
    openHeadless();
    const uint32_t afterReset = iCameraCreate(0, 0, 1, 1);
    EXPECT_GT(afterReset, second);
    EXPECT_EQ(vtCameraGet(second, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(vtLiveObjectCount(), 1);
}

TEST_F(EngineHandles, NullPointersAreIgnored) {
    openHeadless();
    uint32_t camera = iCameraCreate(0, 0, 1, 1);
    iCameraLocationSet(camera, nullptr);
    iCameraOrientationSet(camera, nullptr);
    iCameraLookAt(camera, nullptr, 1.0f);
    iCameraLocation(camera, nullptr);
    iCameraOrientation(camera, nullptr);
    iLightDirectionalSet(nullptr, nullptr);
    EXPECT_EQ(iSoundOggCreate(nullptr, 0, 0), 0u);
    EXPECT_EQ(iSoundOggCreate("", 0, 0), 0u);
    EXPECT_EQ(iVortaneSettings(nullptr), 0);
    iVector3 where{};
    iQuaternion turn{};
    float fov = 0;
    ASSERT_EQ(vtCameraGet(camera, &where, &turn, &fov), 1);
    EXPECT_EQ(turn.w, 1.0f);
    EXPECT_EQ(fov, 45.0f);
}

}  // namespace
