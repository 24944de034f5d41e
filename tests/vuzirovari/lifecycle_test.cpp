// Lifecycle flags, forced results and the call log the frame-loop tests read.
#include <string>

#include "engine_fixture.h"

namespace {

class EngineLifecycle : public EngineTest {};

// Before open the engine renders but is neither executing nor ready, and refuses settings; it
// is ready only after open and settings.
TEST_F(EngineLifecycle, FlagsFromBeforeOpenUntilReady) {
    EXPECT_EQ(iVortaneIsRendering(), 1);
    EXPECT_EQ(iVortaneIsReady(), 0);
    EXPECT_EQ(iVortaneIsExecuting(), 0);
    EXPECT_EQ(iVortaneIsInitializing(), 1);
    EXPECT_EQ(iVortaneIsActive(), 1);
    EXPECT_EQ(iVortaneIsSkippingRunPhase(), 0);
    EXPECT_EQ(iVortaneIsSkippingRenderPhase(), 0);
    iVortaneMain();  // too early: no frame
    EXPECT_EQ(vtFrameCount(), 0);
    EXPECT_EQ(iVortaneSettings(GameSettings), 0);
    EXPECT_EQ(iVortaneIsReady(), 0);

    ASSERT_EQ(iVortaneOpen(nullptr, nullptr), 1);
    EXPECT_EQ(iVortaneIsExecuting(), 1);
    EXPECT_EQ(iVortaneIsReady(), 0);
    ASSERT_EQ(iVortaneSettings(GameSettings), 1);
    EXPECT_EQ(iVortaneIsReady(), 1);
    EXPECT_EQ(iVortaneIsActive(), 1);  // no window to be minimised
    EXPECT_EQ(vtWindowOpen(), 0);
}

// Forced failures and a window that is gone make open or settings report 0.
TEST_F(EngineLifecycle, FailedOpenOrSettingsReportZero) {
    HWND main = createMainWindow();
    ASSERT_NE(main, nullptr);
    DestroyWindow(main);
    EXPECT_EQ(iVortaneOpen(main, nullptr), 0);
    EXPECT_EQ(iVortaneIsExecuting(), 0);

    vtFailOpen(1);
    EXPECT_EQ(iVortaneOpen(nullptr, nullptr), 0);
    EXPECT_EQ(iVortaneIsExecuting(), 0);
    vtFailOpen(0);
    vtFailSettings(1);
    ASSERT_EQ(iVortaneOpen(nullptr, nullptr), 1);
    EXPECT_EQ(iVortaneSettings(GameSettings), 0);
    EXPECT_EQ(iVortaneIsReady(), 0);
}

TEST_F(EngineLifecycle, InitializingUntilTheFirstInitEnd) {
    openHeadless();
    iVortaneMain();
    EXPECT_EQ(iVortaneIsInitializing(), 1);
    iVortaneInitBegin();
    EXPECT_EQ(iVortaneIsInitializing(), 1);
    iVortaneInitEnd();
    EXPECT_EQ(iVortaneIsInitializing(), 0);
    iVortaneMain();
    EXPECT_EQ(iVortaneIsInitializing(), 0);
}

TEST_F(EngineLifecycle, ExitOrRenderingSetStopsRendering) {
    openHeadless();
    iExit();
    EXPECT_EQ(iVortaneIsRendering(), 0);
    iExit();  // again on later run phases: still off
    EXPECT_EQ(iVortaneIsRendering(), 0);
    EXPECT_EQ(iVortaneIsExecuting(), 1);

    vtReset();
    vtSetDrawing(0);
    openHeadless();
    iVortaneIsRenderingSet(0);
    EXPECT_EQ(iVortaneIsRendering(), 0);
}

TEST_F(EngineLifecycle, CallLogListsEveryLifecycleCall) {
    iVortaneErrorFlagSet(0);
    openHeadless();
    iVortaneMain();
    iVortaneInitBegin();
    iRender();
    iVortaneInitEnd();
    iVortaneRunBegin();
    iVortaneRunEnd();
    iVortaneRender();
    iScreenWipe(0, 0, 0);
    iExit();
    EXPECT_STREQ(vtCallLog(),
                 "open\nsettings\nmain\ninit-begin\nrender-now\ninit-end\nrun-begin\nrun-end\nrender\nwipe\nexit\n");
    EXPECT_EQ(vtRenderCount(), 2);
    EXPECT_EQ(vtFrameCount(), 1);
    vtCallLogClear();
    EXPECT_STREQ(vtCallLog(), "");
}

// An hour of play is 216,000 frames: the log keeps whole lines of the latest calls only.
TEST_F(EngineLifecycle, CallLogKeepsTheLatestCallsOfALongGame) {
    openHeadless();
    for (int frame = 0; frame < 30000; ++frame) iVortaneMain();
    iExit();
    const std::string log = vtCallLog();
    EXPECT_LE(log.size(), 64u * 1024u + 16u);
    EXPECT_GE(log.size(), 32u * 1024u);
    EXPECT_EQ(log.rfind("main\nexit\n"), log.size() - 10);
    EXPECT_EQ(log.rfind("main\n", 0), 0u);
}

TEST_F(EngineLifecycle, ErrorRaisedOnceInsideTheNamedPhase) {
    openHeadless();
    vtRaiseErrorIn("run");
    iVortaneInitBegin();
    iVortaneInitEnd();
    EXPECT_EQ(iVortaneErrorFlag(), 0);
    iVortaneRunBegin();
    EXPECT_EQ(iVortaneErrorFlag(), 1);
    iVortaneErrorFlagSet(0);
    iVortaneRunBegin();
    EXPECT_EQ(iVortaneErrorFlag(), 0);

    vtRaiseErrorIn("init");
    iVortaneRunBegin();
    EXPECT_EQ(iVortaneErrorFlag(), 0);
    iVortaneInitEnd();
    EXPECT_EQ(iVortaneErrorFlag(), 1);
}

// What the test interface forces, the game reads; what the game sets, the test interface reads.
TEST_F(EngineLifecycle, ForcedPhaseResultsAndRecordedSettings) {
    openHeadless();
    vtSetSkipRunPhase(1);
    vtSetSkipRenderPhase(1);
    vtSetActive(0);
    EXPECT_EQ(iVortaneIsSkippingRunPhase(), 1);
    EXPECT_EQ(iVortaneIsSkippingRenderPhase(), 1);
    EXPECT_EQ(iVortaneIsActive(), 0);
    vtSetActive(1);
    EXPECT_EQ(iVortaneIsActive(), 1);

    EXPECT_EQ(vtEscEnabled(), 1);
    iEscEnable(0);
    EXPECT_EQ(vtEscEnabled(), 0);
    iTextureMipLevelsSet(2);
    EXPECT_EQ(vtMipLevels(), 2);
    iWindowsMouseHide(1);
    EXPECT_EQ(vtMouseHidden(), 1);
    iMouseResolutionSet(1024);
}

TEST_F(EngineLifecycle, ResetGivesAFreshEngine) {
    openHeadless();
    iVortaneMain();
    iVortaneInitEnd();
    iVortaneErrorFlagSet(1);
    iExit();
    iEscEnable(0);
    vtSetSkipRunPhase(1);
    vtReset();
    EXPECT_EQ(iVortaneIsRendering(), 1);
    EXPECT_EQ(iVortaneIsExecuting(), 0);
    EXPECT_EQ(iVortaneIsReady(), 0);
    EXPECT_EQ(iVortaneIsInitializing(), 1);
    EXPECT_EQ(iVortaneErrorFlag(), 0);
    EXPECT_EQ(iVortaneIsSkippingRunPhase(), 0);
    EXPECT_EQ(vtEscEnabled(), 1);
    EXPECT_EQ(vtFrameCount(), 0);
    EXPECT_STREQ(vtCallLog(), "");
}

// The program's loop, as the game drives it, over a real window record: closing the window
// ends it at the next pass.
TEST_F(EngineLifecycle, CloseMessageEndsTheProgramLoop) {
    HWND main = createMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_EQ(iVortaneOpen(main, nullptr), 1);
    ASSERT_EQ(iVortaneSettings(GameSettings), 1);
    int passes = 0;
    while (iVortaneIsRendering() && passes < 100) {
        ++passes;
        MSG message;
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
            continue;
        }
        iVortaneMain();
        if (vtFrameCount() == 3) PostMessageA(main, WM_CLOSE, 0, 0);
        iVortaneRender();
    }
    EXPECT_EQ(iVortaneIsRendering(), 0);
    EXPECT_EQ(vtFrameCount(), 3);
}

// Window events arrive through the message pump, also while the game waits in GetMessageA.
TEST_F(EngineLifecycle, InjectedWindowEventsBecomeMessages) {
    HWND main = createMainWindow();
    ASSERT_EQ(iVortaneOpen(main, nullptr), 1);
    EXPECT_EQ(vtInjectWindowEvent("sideways"), 0);
    ASSERT_EQ(vtInjectWindowEvent("minimise"), 1);
    MSG message{};
    EXPECT_EQ(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE), FALSE);
    EXPECT_EQ(iVortaneIsActive(), 0);
    EXPECT_EQ(IsIconic(main), TRUE);

    vtInjectWindowEvent("expose");
    vtInjectWindowEvent("restore");
    ASSERT_EQ(GetMessageA(&message, nullptr, 0, 0), TRUE);
    EXPECT_EQ(message.message, UINT(WM_PAINT));
    EXPECT_EQ(message.hwnd, main);
    ASSERT_EQ(GetMessageA(&message, nullptr, 0, 0), TRUE);
    EXPECT_EQ(message.message, UINT(WM_ACTIVATE));
    EXPECT_EQ(iVortaneIsActive(), 1);
    EXPECT_EQ(IsIconic(main), FALSE);

    vtInjectWindowEvent("close");
    ASSERT_EQ(GetMessageA(&message, nullptr, 0, 0), TRUE);
    DispatchMessageA(&message);
    EXPECT_EQ(iVortaneIsRendering(), 0);
}

}  // namespace
