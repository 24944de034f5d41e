// A human fighter's bindings read through the engine: scripted key and joystick states,
// sampled one frame at a time, must give the right input masks.
#include <gtest/gtest.h>

#include <cstdint>

#include "fight/HumanInputMapper.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"

namespace {

constexpr uint64_t kClick = 0x1000;

class InputMapper : public ::testing::Test {
protected:
    void SetUp() override {
        vtReset();
        vtSetDrawing(0);
        ASSERT_EQ(iVortaneOpen(nullptr, nullptr), 1);
    }
    void TearDown() override { vtReset(); }

    // Samples the injected state as the next frame.
    static void frame() { iVortaneMain(); }

    static void useJoystick(float x, float y) {
        vtJoyCountSet(1);
        vtJoyAxisSet(0, x, y);
    }
};

// Default keyboard map: scan code of each binding, in bit order.
const int kKeys[12] = {200, 208, 203, 205, 30, 31, 32, 17, 29, 42, 57, 56};

}  // namespace

TEST_F(InputMapper, EachDefaultKeySetsItsBit) {
    HumanInputMapper mapper;
    EXPECT_EQ(mapper.getJoystickIndex(), -1);
    frame();
    EXPECT_EQ(mapper.poll(), 0u);
    for (int i = 0; i < 12; ++i) {
        vtKeySet(kKeys[i], 1);
        frame();
        const uint64_t expected = (uint64_t(1) << i) | (i == 4 ? kClick : 0);
        EXPECT_EQ(mapper.poll(), expected) << "binding " << i;
        vtKeySet(kKeys[i], 0);
        frame();
        EXPECT_EQ(mapper.poll(), 0u) << "binding " << i << " released";
    }
}

TEST_F(InputMapper, HeldKeyClicksOnlyOnItsFirstFrame) {
    HumanInputMapper mapper;
    vtKeySet(30, 1);   // A
    vtKeySet(200, 1);  // Up
    frame();
    EXPECT_EQ(mapper.poll(), 0x1u | 0x10u | kClick);
    frame();
    EXPECT_EQ(mapper.poll(), 0x1u | 0x10u);
    frame();
    EXPECT_EQ(mapper.poll(), 0x1u | 0x10u);
    vtKeySet(30, 0);
    frame();
    EXPECT_EQ(mapper.poll(), 0x1u);
    vtKeySet(30, 1);
    frame();
    EXPECT_EQ(mapper.poll(), 0x1u | 0x10u | kClick);
}

TEST_F(InputMapper, KeysReportWhateverTheJoystickIndexButAJoystickMapNeedsOne) {
    HumanInputMapper mapper;
    useJoystick(0.0f, -1.0f);
    mapper.setJoystickIndex(0);
    vtKeySet(57, 1);  // Space
    frame();
    EXPECT_EQ(mapper.poll(), uint64_t(1) << 10);

    HumanInputMapper unplugged;
    unplugged.setDefaultJoystick();
    useJoystick(1.0f, 1.0f);
    for (int b = 0; b < 8; ++b) vtJoyButtonSet(0, b, 1);
    vtKeySet(30, 1);
    frame();
    EXPECT_EQ(unplugged.poll(), 0u);
    unplugged.setJoystickIndex(-5);
    EXPECT_EQ(unplugged.poll(), 0u);
}

TEST_F(InputMapper, JoystickMapReadsTheStickAndTheButtons) {
    HumanInputMapper mapper;
    mapper.setJoystickIndex(0);
    mapper.setDefaultJoystick();
    struct Case {
        float x, y;
        uint64_t mask;
    };
    const Case cases[] = {
        {0.0f, -0.8f, 0x1}, {0.0f, 0.8f, 0x2},   {-0.8f, 0.0f, 0x4},  {0.8f, 0.0f, 0x8},
        {0.9f, -0.9f, 0x9}, {-0.6f, 0.6f, 0x6},  {0.0f, 0.0f, 0x0},   {0.5f, -0.5f, 0x0},
        {-0.5f, 0.5f, 0x0}, {0.51f, 0.49f, 0x8},
    };
    for (const Case& c : cases) {
        useJoystick(c.x, c.y);
        frame();
        EXPECT_EQ(mapper.poll(), c.mask) << "stick at " << c.x << ", " << c.y;
    }

    // Buttons 0 to 7 are bindings 4 to 11; the keys are no longer bound.
    useJoystick(0.0f, 0.0f);
    vtKeySet(30, 1);
    vtJoyButtonSet(0, 0, 1);
    frame();
    EXPECT_EQ(mapper.poll(), 0x10u | kClick);
    frame();
    EXPECT_EQ(mapper.poll(), 0x10u);
    vtJoyButtonSet(0, 0, 0);
    vtJoyButtonSet(0, 7, 1);
    frame();
    EXPECT_EQ(mapper.poll(), uint64_t(1) << 11);
    vtJoyButtonSet(0, 7, 0);
    vtJoyButtonSet(0, 3, 1);
    frame();
    EXPECT_EQ(mapper.poll(), uint64_t(1) << 7);
    vtJoyButtonSet(0, 3, 0);

    mapper.setThreshold(0.9f);
    useJoystick(0.8f, -0.95f);
    frame();
    EXPECT_EQ(mapper.poll(), 0x1u);
}

TEST_F(InputMapper, SecondJoystick) {
    HumanInputMapper mapper;
    mapper.setJoystickIndex(1);
    mapper.setDefaultJoystick();
    vtJoyCountSet(2);
    vtJoyAxisSet(0, 1.0f, 0.0f);
    vtJoyButtonSet(0, 1, 1);
    vtJoyAxisSet(1, -1.0f, 0.0f);
    vtJoyButtonSet(1, 2, 1);
    frame();
    EXPECT_EQ(mapper.poll(), 0x4u | (uint64_t(1) << 6));
}

TEST_F(InputMapper, BindingReads) {
    vtKeySet(31, 1);
    useJoystick(0.7f, 0.0f);
    vtJoyButtonSet(0, 2, 1);
    frame();
    EXPECT_TRUE(readInputBinding({InputKey, 31}, -1, 0.5f, false));
    EXPECT_TRUE(readInputBinding({InputKey, 31}, -1, 0.5f, true));
    EXPECT_TRUE(readInputBinding({InputJoyRight, -1}, 0, 0.5f, true)) << "click does not change axes";
    EXPECT_FALSE(readInputBinding({InputJoyRight, -1}, 0, 0.7f, false)) << "exactly at the threshold";
    EXPECT_TRUE(readInputBinding({InputJoyButton, 2}, 0, 0.5f, false));
    EXPECT_FALSE(readInputBinding({InputJoyButton, 2}, -1, 0.5f, false));
    EXPECT_FALSE(readInputBinding({6, 31}, 0, 0.5f, false)) << "unknown device";
    EXPECT_FALSE(readInputBinding({-1, 31}, 0, 0.5f, false));
    frame();
    EXPECT_TRUE(readInputBinding({InputKey, 31}, -1, 0.5f, false));
    EXPECT_FALSE(readInputBinding({InputKey, 31}, -1, 0.5f, true));
    EXPECT_FALSE(readInputBinding({InputJoyButton, 2}, 0, 0.5f, true));
}
