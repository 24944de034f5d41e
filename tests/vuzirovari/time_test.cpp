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

TEST_F(EngineTime, FixedFrameTimeDrivesTheClock) {
    vtSetFixedFrameTime(0.02f);
    openHeadless();
    EXPECT_FLOAT_EQ(iFrq(0), 0.02f);
    EXPECT_FLOAT_EQ(iSystemTimer(), 0.0f);
    for (int i = 0; i < 5; ++i) iVortaneMain();
    EXPECT_FLOAT_EQ(iFrq(0), 0.02f);
    EXPECT_NEAR(iSystemTimer(), 0.1f, 1e-6f);
}

TEST_F(EngineTime, FixedFrameTimeIsClamped) {
    openHeadless();
    vtSetFixedFrameTime(2.0f);
    iVortaneMain();
    EXPECT_FLOAT_EQ(iFrq(0), 0.25f);
    vtSetFixedFrameTime(0.000001f);
    iVortaneMain();
    EXPECT_FLOAT_EQ(iFrq(0), 0.0001f);
}

TEST_F(EngineTime, FrameTimeFromTheEnvironment) {
    setenv("VUZ_FRAME_TIME", "0.05", 1);
    openHeadless();
    iVortaneMain();
    iVortaneMain();
    EXPECT_FLOAT_EQ(iFrq(0), 0.05f);
    EXPECT_NEAR(iSystemTimer(), 0.1f, 1e-6f);
}

TEST_F(EngineTime, MalformedFrameTimeIsIgnored) {
    setenv("VUZ_FRAME_TIME", "0x10", 1);
    testing::internal::CaptureStderr();
    openHeadless();
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_NE(errors.find("VUZ_FRAME_TIME"), std::string::npos);
    iVortaneMain();
    EXPECT_FLOAT_EQ(iFrq(0), 1.0f / 60.0f);
}

TEST_F(EngineTime, ClockDoesNotJumpBackWhenTheModeChanges) {
    vtSetFixedFrameTime(0.25f);
    openHeadless();
    for (int i = 0; i < 4; ++i) iVortaneMain();
    float fixedTime = iSystemTimer();
    vtSetFixedFrameTime(0.0f);
    EXPECT_GE(iSystemTimer(), fixedTime);
}

}  // namespace
