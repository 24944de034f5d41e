// Frame time and the running clock.
#include <cstdlib>

#include "engine_fixture.h"

namespace {

class EngineTime : public EngineTest {};

TEST_F(EngineTime, FrameTimeIsNeverZero) {
    EXPECT_FLOAT_EQ(iFrq(0), 1.0f / 60.0f);  // before any frame
    openHeadless();
    EXPECT_FLOAT_EQ(iFrq(0), 1.0f / 60.0f);
    iVortaneMain();
    EXPECT_FLOAT_EQ(iFrq(0), 1.0f / 60.0f);  // nothing to measure against yet
    for (int i = 0; i < 3; ++i) {
        iVortaneMain();  // back to back: far less than a tenth of a millisecond apart
        EXPECT_GE(iFrq(0), 0.0001f);
        EXPECT_LE(iFrq(0), 0.25f);
        EXPECT_EQ(iFrq(1), iFrq(0));
    }
}

// A fixed frame time drives the clock, kept within 0.1 ms..0.25 s; leaving it never turns the
// clock back.
TEST_F(EngineTime, FixedFrameTimeDrivesTheClockWithinItsRange) {
    vtSetFixedFrameTime(0.02f);
    openHeadless();
    EXPECT_FLOAT_EQ(iFrq(0), 0.02f);
    EXPECT_FLOAT_EQ(iSystemTimer(), 0.0f);
    for (int i = 0; i < 5; ++i) iVortaneMain();
    EXPECT_FLOAT_EQ(iFrq(0), 0.02f);
    EXPECT_NEAR(iSystemTimer(), 0.1f, 1e-6f);

    vtSetFixedFrameTime(2.0f);
    iVortaneMain();
    EXPECT_FLOAT_EQ(iFrq(0), 0.25f);
    vtSetFixedFrameTime(0.000001f);
    iVortaneMain();
    EXPECT_FLOAT_EQ(iFrq(0), 0.0001f);

    vtSetFixedFrameTime(0.25f);
    for (int i = 0; i < 4; ++i) iVortaneMain();
    const float fixedTime = iSystemTimer();
    vtSetFixedFrameTime(0.0f);
    EXPECT_GE(iSystemTimer(), fixedTime);
}

// VUZ_FRAME_TIME fixes the frame time; a malformed one is reported and the default kept.
TEST_F(EngineTime, FrameTimeFromTheEnvironment) {
    setenv("VUZ_FRAME_TIME", "0.05", 1);
    openHeadless();
    iVortaneMain();
    iVortaneMain();
    EXPECT_FLOAT_EQ(iFrq(0), 0.05f);
    EXPECT_NEAR(iSystemTimer(), 0.1f, 1e-6f);

    vtReset();
    vtSetDrawing(0);
    setenv("VUZ_FRAME_TIME", "0x10", 1);
    testing::internal::CaptureStderr();
    openHeadless();
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("VUZ_FRAME_TIME"), std::string::npos);
    iVortaneMain();
    EXPECT_FLOAT_EQ(iFrq(0), 1.0f / 60.0f);
}

}  // namespace
