#include "engine_fixture.h"

#include <cstdlib>
#include <filesystem>

#include "platform/win32/win32_host.h"

const uint32_t GameSettings[6] = {0, 0, 0x004B0000, 0, 0, 0};

namespace {

const char* const AutopilotVariables[] = {"VUZ_FRAME_TIME", "VUZ_FRAME_LIMIT", "VUZ_INPUT", "VUZ_SCREENSHOTS"};

LRESULT CALLBACK testWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        iVortaneIsRenderingSet(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

void EngineTest::SetUp() {
    for (const char* name : AutopilotVariables) unsetenv(name);
    win32::resetForTests();
    win32::setShellOpenEnabled(false);
    vtReset();
    vtSetDrawing(0);
}

void EngineTest::TearDown() {
    vtReset();
    win32::resetForTests();
    for (const char* name : AutopilotVariables) unsetenv(name);
    if (!scratch_.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(scratch_, ignored);
    }
}

void EngineTest::openHeadless() {
    ASSERT_EQ(iVortaneOpen(nullptr, nullptr), 1);
    ASSERT_EQ(iVortaneSettings(GameSettings), 1);
}

void EngineTest::openDrawn(HWND* main) {
    vtSetDrawing(1);
    const HWND window = createMainWindow();
    if (main) *main = window;
    ASSERT_EQ(iVortaneOpen(window, nullptr), 1);
    ASSERT_EQ(iVortaneSettings(GameSettings), 1);
    ASSERT_EQ(vtWindowOpen(), 1);
}

HWND EngineTest::createMainWindow() {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = testWindowProc;
    wc.lpszClassName = "Brennock";
    RegisterClassExA(&wc);
    return CreateWindowExA(0, "Brennock", "Brennock", WS_POPUP | WS_CAPTION, 0, 0, 639, 479, nullptr, nullptr,
                           nullptr, nullptr);
}

std::string EngineTest::scratchDir() {
    if (scratch_.empty()) {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        scratch_ = (std::filesystem::current_path() /
                    ("scratch_" + std::string(info->test_suite_name()) + "_" + info->name()))
                       .string();
        std::error_code ignored;
        std::filesystem::remove_all(scratch_, ignored);
        std::filesystem::create_directories(scratch_);
    }
    return scratch_;
}
