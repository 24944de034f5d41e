// Gamepad rumble through the hooks on the engine's DirectInput import, checked against the
// recording backend: what the engine's devices receive, call by call.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/GameMaster.h"
#include "app/ProcessState.h"
#include "app/WinMain.h"
#include "input/InputHooks.h"
#include "platform/dinput/dinput_test.h"
#include "platform/vuzirovari/dinput_link.h"
#include "platform/vuzirovari/vuzirovari_test.h"
#include "platform/win32/win32_host.h"

namespace {

using Calls = std::vector<std::string>;

const std::string refreshRecord =
    "CreateEffect ConstantForce size=80 flags=0x12 duration=1000000 gain=10000 trigger=0xFFFFFFFF axes=0,4 "
    "direction=1,1 magnitude=10000";

bool logged(const std::string& line) {
    const Calls& calls = dinputTest::calls();
    return std::find(calls.begin(), calls.end(), line) != calls.end();
}

int countOf(const std::string& line) {
    const Calls& calls = dinputTest::calls();
    return static_cast<int>(std::count(calls.begin(), calls.end(), line));
}

DWORD protectionOf(const void* address) {
    MEMORY_BASIC_INFORMATION info{};
    return VirtualQuery(address, &info, sizeof info) ? info.Protect : 0;
}

void forgetEverything() {
    vtReset();
    resetInputHooksForTests();
    dinputTest::reset();
    vtDirectInputImportRestore();
}

class ForceFeedback : public ::testing::Test {
protected:
    void SetUp() override {
        forgetEverything();
        win32::resetForTests();
        vtSetDrawing(0);
        dinputTest::setRecording(true);
    }
    void TearDown() override { forgetEverything(); }

    // Opens the engine with `joysticks` injected pads, the way the program entry does.
    void openEngine(int joysticks) {
        vtSetDrawing(0);
        vtJoyCountSet(joysticks);
        ASSERT_EQ(iVortaneOpen(nullptr, nullptr), 1);
    }
};

}  // namespace

TEST_F(ForceFeedback, TheEngineFactoryGoesThroughTheHookAndTheSlotStaysReadOnly) {
    uint64_t* slot = vtDirectInputImportSlot();
    EXPECT_EQ(*slot, reinterpret_cast<uint64_t>(&DirectInput8Create));
    EXPECT_TRUE(installInputHooks());
    EXPECT_EQ(*slot, reinterpret_cast<uint64_t>(&hookedDirectInput8Create));
    EXPECT_EQ(protectionOf(slot), PAGE_READONLY);
    EXPECT_TRUE(IsBadWritePtr(slot, sizeof *slot));

    // Installing twice keeps the real factory to call.
    EXPECT_TRUE(installInputHooks());
    openEngine(0);
    EXPECT_EQ(countOf("DirectInput8Create 0x800"), 1);
    EXPECT_TRUE(forceFeedbackState().factoryCreated);
    EXPECT_EQ(reinterpret_cast<const void*>(dinputTest::factoryTable()->CreateDevice),
              reinterpret_cast<const void*>(&hookedCreateDevice));
    EXPECT_EQ(protectionOf(dinputTest::factoryTable()), PAGE_READONLY);
}

TEST_F(ForceFeedback, OnlyTheFirstTwoJoysticksAreRegistered) {
    for (int pad = 0; pad < 3; ++pad) dinputTest::setConstantForce(pad, true);
    ASSERT_TRUE(installInputHooks());
    openEngine(3);
    EXPECT_TRUE(logged("factory CreateDevice keyboard"));
    EXPECT_TRUE(logged("factory CreateDevice mouse"));
    EXPECT_TRUE(logged("factory CreateDevice joystick 2"));
    ForceFeedbackState state = forceFeedbackState();
    EXPECT_EQ(state.deviceCount, 2);
    EXPECT_TRUE(state.capable[0] && state.capable[1]);
    EXPECT_EQ(countOf("joystick 2 EnumEffects 0x0"), 0);

    refreshForceFeedback();
    dinputTest::clearCalls();
    EXPECT_FALSE(rumbleJoystick(2, 1.0f, 0.3f));
    EXPECT_FALSE(rumbleJoystick(-1, 1.0f, 0.3f));
    EXPECT_TRUE(dinputTest::calls().empty());
}

TEST_F(ForceFeedback, APadWithoutConstantForceCountsButNeverRumbles) {
    dinputTest::setConstantForce(1, true);
    ASSERT_TRUE(installInputHooks());
    openEngine(1);
    ForceFeedbackState state = forceFeedbackState();
    EXPECT_EQ(state.deviceCount, 1);
    EXPECT_FALSE(state.capable[0]);
    EXPECT_FALSE(state.cooperativeHookInstalled);
    EXPECT_TRUE(logged("joystick 0 SetCooperativeLevel 0xA"));  // non-exclusive, background

    // The second pad offers a constant force: from it on, the engine's level arrives exclusive.
    vtJoyCountSet(2);
    iVortaneMain();
    state = forceFeedbackState();
    EXPECT_EQ(state.deviceCount, 2);
    EXPECT_TRUE(state.capable[1]);
    EXPECT_TRUE(state.cooperativeHookInstalled);
    EXPECT_TRUE(logged("joystick 1 SetCooperativeLevel 0x9"));  // exclusive, background
    EXPECT_EQ(protectionOf(dinputTest::deviceTable()), PAGE_READONLY);

    refreshForceFeedback();
    dinputTest::clearCalls();
    EXPECT_FALSE(rumbleJoystick(0, 1.0f, 0.3f));
    EXPECT_TRUE(dinputTest::calls().empty());
}

TEST_F(ForceFeedback, RefreshMakesTheEffectAndARumblePlaysIt) {
    dinputTest::setConstantForce(0, true);
    ASSERT_TRUE(installInputHooks());
    openEngine(1);
    dinputTest::clearCalls();
    refreshForceFeedback();
    EXPECT_EQ(dinputTest::calls(), (Calls{"joystick 0 " + refreshRecord, "effect 0 Download"}));

    dinputTest::clearCalls();
    EXPECT_TRUE(rumbleJoystick(0, 1.0f, 0.3f));
    EXPECT_EQ(dinputTest::calls(), (Calls{"effect 0 Stop", "effect 0 SetParameters 0x101 duration=300000 magnitude=10000",
                                          "effect 0 Start 1 0x0"}));

    // A device that refuses the new parameters does not start.
    dinputTest::setFailing("SetParameters", true);
    dinputTest::clearCalls();
    EXPECT_FALSE(rumbleJoystick(0, 0.5f, 1.0f));
    EXPECT_FALSE(logged("effect 0 Start 1 0x0"));
}

TEST_F(ForceFeedback, APadPluggedInAfterTheRefreshRumbles) {
    dinputTest::setConstantForce(1, true);
    dinputTest::setConstantForce(2, true);
    ASSERT_TRUE(installInputHooks());
    openEngine(1);
    refreshForceFeedback();
    vtJoyCountSet(2);
    iVortaneMain();
    dinputTest::clearCalls();
    EXPECT_TRUE(rumbleJoystick(1, 0.5f, 0.25f));
    EXPECT_EQ(dinputTest::calls(),
              (Calls{"joystick 1 " + refreshRecord, "effect 1 Download", "effect 1 Stop",
                     "effect 1 SetParameters 0x101 duration=250000 magnitude=5000", "effect 1 Start 1 0x0"}));
    EXPECT_NE(forceFeedbackState().effects[1], nullptr);
}

TEST_F(ForceFeedback, AnEffectThatCannotBeMadeStopsThePadFromRumbling) {
    dinputTest::setConstantForce(0, true);
    dinputTest::setFailing("CreateEffect", true);
    ASSERT_TRUE(installInputHooks());
    openEngine(1);
    refreshForceFeedback();
    EXPECT_FALSE(forceFeedbackState().capable[0]);
    dinputTest::setFailing("CreateEffect", false);
    EXPECT_FALSE(rumbleJoystick(0, 1.0f, 0.3f));
}

TEST_F(ForceFeedback, LaterFactoriesCallTheRealOneAndReleaseTheOldEffects) {
    dinputTest::setConstantForce(0, true);
    ASSERT_TRUE(installInputHooks());
    openEngine(1);
    refreshForceFeedback();
    EXPECT_EQ(dinputTest::liveObjects(), 5);  // factory, keyboard, mouse, pad, effect

    for (int opening = 2; opening <= 3; ++opening) {
        vtReset();
        openEngine(1);
        EXPECT_EQ(countOf("DirectInput8Create 0x800"), opening);
        EXPECT_EQ(countOf("effect 0 Release"), 1);
        EXPECT_EQ(dinputTest::liveObjects(), 4) << "opening " << opening;
        ForceFeedbackState state = forceFeedbackState();
        EXPECT_TRUE(state.factoryCreatedAgain);
        EXPECT_EQ(state.deviceCount, 1);  // registered again, without an effect until used
        EXPECT_EQ(state.effects[0], nullptr);
    }
    EXPECT_TRUE(rumbleJoystick(0, 1.0f, 0.3f));
}

namespace {

class QuittingGameMaster : public Tavek::GameMaster {
public:
    void tick() override { theGameMaster->requestQuit(); }
};

Tavek::GameMaster* makeQuitting() { return new QuittingGameMaster(); }

}  // namespace

TEST_F(ForceFeedback, TheProgramHooksBeforeTheEngineOpensAndMakesTheEffectsAfterIt) {
    resetProcessState();
    makeGameMaster = makeQuitting;
    win32::setShellOpenEnabled(false);
    win32::setSleepEnabled(false);
    dinputTest::setConstantForce(0, true);
    vtJoyCountSet(1);
    EXPECT_EQ(WinMain(GetModuleHandleA(nullptr), nullptr, const_cast<char*>(""), SW_SHOWNORMAL), 0);

    EXPECT_EQ(*vtDirectInputImportSlot(), reinterpret_cast<uint64_t>(&hookedDirectInput8Create));
    Calls expected = {"DirectInput8Create 0x800",       "factory CreateDevice keyboard",
                      "factory CreateDevice mouse",     "factory CreateDevice joystick 0",
                      "joystick 0 EnumEffects 0x0",     "joystick 0 SetCooperativeLevel 0x9",
                      "joystick 0 " + refreshRecord,    "effect 0 Download"};
    EXPECT_EQ(dinputTest::calls(), expected);
    resetProcessState();
}

TEST_F(ForceFeedback, WithoutARealPadBehindItAJoystickOffersNoForce) {
    dinputTest::setRecording(false);  // the SDL side: an injected pad has no device to rumble
    ASSERT_TRUE(installInputHooks());
    openEngine(2);
    refreshForceFeedback();
    ForceFeedbackState state = forceFeedbackState();
    EXPECT_EQ(state.deviceCount, 2);
    EXPECT_FALSE(state.capable[0] || state.capable[1]);
    EXPECT_FALSE(rumbleJoystick(0, 1.0f, 0.3f));
    EXPECT_EQ(dinputTest::liveObjects(), 5);  // factory, keyboard, mouse and the two pads
}
