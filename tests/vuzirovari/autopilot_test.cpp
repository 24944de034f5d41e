// The autopilot: everything comes from the environment when the engine opens.
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine_fixture.h"
#include "platform/win32/win32_host.h"

namespace {

namespace fs = std::filesystem;

class EngineAutopilot : public EngineTest {
protected:
    void useScript(const std::string& text) {
        fs::path file = fs::path(scratchDir()) / "input.txt";
        std::ofstream(file, std::ios::binary) << text;
        setenv("VUZ_INPUT", file.string().c_str(), 1);
    }
    bool logMentions(const std::string& text) {
        const auto& lines = win32::logLines();
        return std::any_of(lines.begin(), lines.end(),
                           [&](const std::string& line) { return line.find(text) != std::string::npos; });
    }
};

TEST_F(EngineAutopilot, OffWithoutTheEnvironment) {
    openHeadless();
    EXPECT_EQ(vtAutopilotActive(), 0);
    EXPECT_EQ(vtAutopilotBadLines(), 0);
}

TEST_F(EngineAutopilot, ScriptDrivesInputAtItsFrames) {
    useScript(
        "# a short session\n"
        "1 key 57 down\n"
        "2 key 0x39 up   # hexadecimal works too\n"
        "3 mouse 0.25 0.5\r\n"
        "3 button 0 down\n"
        "4 joy 1 0.5 -1\n"
        "4 joybutton 1 3 down\n"
        "5 type x\n"
        "5 type #\n"
        "\n");
    openHeadless();
    EXPECT_EQ(vtAutopilotActive(), 1);
    EXPECT_EQ(vtAutopilotBadLines(), 0);

    iVortaneMain();
    EXPECT_EQ(iKeyClick(57), 1);
    iVortaneMain();
    EXPECT_EQ(iKeyDown(57), 0);
    iVortaneMain();
    EXPECT_FLOAT_EQ(iMouseX(), 0.25f);
    EXPECT_FLOAT_EQ(iMouseY(), 0.5f + 1.0f / 48.0f);
    EXPECT_EQ(iMouseButtonDown(0), 1);
    iVortaneMain();
    EXPECT_EQ(iJoyCount(), 2);
    EXPECT_FLOAT_EQ(iJoyX(1), 0.5f);
    EXPECT_FLOAT_EQ(iJoyY(1), -1.0f);
    EXPECT_EQ(iJoyButtonClick(1, 3), 1);
    iVortaneMain();
    EXPECT_EQ(iTypedChar(1), 'x');
    EXPECT_EQ(iTypedChar(1), '#');
    iVortaneMain();
    EXPECT_EQ(iTypedChar(1), 0);
}

TEST_F(EngineAutopilot, LinesApplyInFrameOrder) {
    useScript("3 key 4 down\n1 key 2 down\n");
    openHeadless();
    iVortaneMain();
    EXPECT_EQ(iKeyDown(2), 1);
    EXPECT_EQ(iKeyDown(4), 0);
    iVortaneMain();
    iVortaneMain();
    EXPECT_EQ(iKeyClick(4), 1);
}

// A doubled sign is a malformed number, not a quiet second negation.
TEST_F(EngineAutopilot, BadLinesAreReportedAndSkipped) {
    useScript(
        "1 key 30 down\n"
        "just words\n"
        "2 key 300 down\n"
        "2 key 30 sideways\n"
        "2 mouse 0x1 0.5\n"
        "3 fly away\n"
        "4 joybutton 0 40 down\n"
        "5 type xy\n"
        "-1 close\n"
        "6 key 31 down\n"
        "--2 close\n"
        "1 key +-32 down\n"
        "1 key -+33 down\n");
    testing::internal::CaptureStderr();
    openHeadless();
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(vtAutopilotBadLines(), 11);
    EXPECT_NE(errors.find("line 2"), std::string::npos) << errors;
    EXPECT_NE(errors.find("unknown command \"fly\""), std::string::npos) << errors;
    for (int i = 0; i < 6; ++i) iVortaneMain();
    EXPECT_EQ(iKeyDown(30), 1);
    EXPECT_EQ(iKeyClick(31), 1);
    EXPECT_EQ(iKeyDown(32), 0);
    EXPECT_EQ(iKeyDown(33), 0);
    EXPECT_EQ(iVortaneIsRendering(), 1);
}

TEST_F(EngineAutopilot, MissingScriptIsReported) {
    setenv("VUZ_INPUT", "no/such/input.txt", 1);
    testing::internal::CaptureStderr();
    openHeadless();
    std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(vtAutopilotActive(), 1);
    EXPECT_EQ(vtAutopilotBadLines(), 1);
    EXPECT_NE(errors.find("no/such/input.txt"), std::string::npos);
}

TEST_F(EngineAutopilot, CloseWithoutAWindowStopsRendering) {
    useScript("2 close\n");
    openHeadless();
    iVortaneMain();
    EXPECT_EQ(iVortaneIsRendering(), 1);
    iVortaneMain();
    EXPECT_EQ(iVortaneIsRendering(), 0);
}

// The program's loop under a frame limit: the limit closes the main window, whose procedure
// stops rendering, and the loop ends after exactly that many frames.
TEST_F(EngineAutopilot, FrameLimitClosesTheMainWindow) {
    setenv("VUZ_FRAME_LIMIT", "4", 1);
    HWND main = createMainWindow();
    ASSERT_NE(main, nullptr);
    ASSERT_EQ(iVortaneOpen(main, nullptr), 1);
    ASSERT_EQ(iVortaneSettings(GameSettings), 1);
    EXPECT_EQ(vtAutopilotActive(), 1);
    int passes = 0;
    while (iVortaneIsRendering() && passes < 100) {
        ++passes;
        MSG message;
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageA(&message);
            continue;
        }
        iVortaneMain();
        iVortaneRender();
    }
    EXPECT_EQ(vtFrameCount(), 4);
    EXPECT_EQ(iVortaneIsRendering(), 0);
    EXPECT_TRUE(logMentions("frame limit 4"));
}

// Screenshots without drawing are skipped with a note; a malformed frame limit is ignored.
TEST_F(EngineAutopilot, ScreenshotsWithoutDrawingAndMalformedFrameLimitsAreSkipped) {
    setenv("VUZ_SCREENSHOTS", "2:shot.png;nonsense", 1);
    setenv("VUZ_FRAME_LIMIT", "ten", 1);
    testing::internal::CaptureStderr();
    openHeadless();
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(vtAutopilotBadLines(), 2);
    iVortaneMain();
    iVortaneRender();
    EXPECT_FALSE(logMentions("shot.png"));
    iVortaneMain();
    iVortaneRender();
    EXPECT_TRUE(logMentions("no screenshot \"shot.png\""));
    for (int i = 0; i < 10; ++i) iVortaneMain();
    EXPECT_EQ(iVortaneIsRendering(), 1);
}

}  // namespace
