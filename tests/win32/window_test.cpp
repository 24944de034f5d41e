#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32/win32_host.h"

namespace {

std::vector<std::pair<HWND, UINT>> seen;

LRESULT CALLBACK recordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    seen.emplace_back(window, message);
    return DefWindowProcA(window, message, wParam, lParam);
}

class Windows : public ::testing::Test {
protected:
    void SetUp() override {
        win32::resetForTests();
        seen.clear();
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = recordingProc;
        wc.lpszClassName = "Brennock";
        ASSERT_NE(RegisterClassExA(&wc), 0);
    }
    void TearDown() override { win32::resetForTests(); }
};

}  // namespace

TEST_F(Windows, CreationTalksToTheProcedureBeforeReturning) {
    HWND main = CreateWindowExA(0, "brennock", "Brennock", WS_POPUP | WS_CAPTION, 0, 0, 639, 479, nullptr, nullptr,
                                nullptr, nullptr);
    ASSERT_NE(main, nullptr);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].second, static_cast<UINT>(WM_NCCREATE));
    EXPECT_EQ(seen[1].second, static_cast<UINT>(WM_CREATE));
    EXPECT_EQ(seen[0].first, main);

    win32::WindowInfo info;
    ASSERT_TRUE(win32::windowInfo(main, &info));
    EXPECT_EQ(info.title, "Brennock");
    EXPECT_EQ(info.width, 639);
    EXPECT_EQ(info.height, 479);
    EXPECT_EQ(info.style, WS_POPUP | WS_CAPTION);
    EXPECT_EQ(CreateWindowExA(0, "NoSuchClass", "x", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr), nullptr);
}

TEST_F(Windows, DestroyingTheOwnerTakesItsOwnedWindowsFirst) {
    HWND main = CreateWindowExA(0, "Brennock", "Brennock", WS_POPUP, 0, 0, 639, 479, nullptr, nullptr, nullptr, nullptr);
    HWND child = CreateWindowExA(0, "Brennock", nullptr, WS_POPUP, 0, 0, 10, 10, main, nullptr, nullptr, nullptr);
    ASSERT_NE(child, nullptr);
    PostMessageA(main, WM_PAINT, 0, 0);
    seen.clear();
    EXPECT_TRUE(DestroyWindow(main));
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[0], std::make_pair(child, static_cast<UINT>(WM_DESTROY)));
    EXPECT_EQ(seen[2], std::make_pair(main, static_cast<UINT>(WM_DESTROY)));
    EXPECT_FALSE(IsWindow(main));
    EXPECT_FALSE(IsWindow(child));
    EXPECT_FALSE(DestroyWindow(main));  // twice is harmless
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));  // its queued paint went with it
}

TEST_F(Windows, QueueDeliversInOrderAndQuitIsNoMessage) {
    HWND main = CreateWindowExA(0, "Brennock", "Brennock", WS_POPUP, 0, 0, 639, 479, nullptr, nullptr, nullptr, nullptr);
    seen.clear();
    PostMessageA(main, WM_PAINT, 0, 0);
    PostQuitMessage(0);
    PostMessageA(main, WM_CLOSE, 0, 0);

    MSG msg{};
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_PAINT));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    DispatchMessageA(&msg);
    EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), FALSE);  // the quit message
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), TRUE);
    DispatchMessageA(&msg);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].second, static_cast<UINT>(WM_CLOSE));
    EXPECT_TRUE(IsWindow(main));  // a close alone destroys nothing

    // Nothing queued and nothing that could post: the wait gives up instead of hanging.
    EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), FALSE);
}

TEST_F(Windows, EventPumpFeedsTheQueue) {
    HWND main = CreateWindowExA(0, "Brennock", "Brennock", WS_POPUP, 0, 0, 639, 479, nullptr, nullptr, nullptr, nullptr);
    int waits = 0;
    win32::setEventPump([&](bool wait) {
        if (wait && ++waits == 3) PostMessageA(main, WM_CLOSE, 0, 0);
    });
    MSG msg{};
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(GetMessageA(&msg, nullptr, 0, 0), TRUE);
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_CLOSE));
    EXPECT_EQ(waits, 3);
}

TEST_F(Windows, ShellAndMessageBoxesAreRecorded) {
    win32::setShellOpenEnabled(false);
    ShellExecuteA(nullptr, "open", "https://harlowick.example/buy", nullptr, nullptr, SW_SHOWNORMAL);
    ASSERT_EQ(win32::shellOpens().size(), 1u);
    EXPECT_EQ(win32::shellOpens()[0], "https://harlowick.example/buy");

    std::string shown;
    win32::setMessageBoxPresenter([&](const char* text, const char*, UINT) {
        shown = text;
        return IDOK;
    });
    EXPECT_EQ(MessageBoxA(nullptr, "oops", "Brennock", MB_ICONERROR), IDOK);
    ASSERT_EQ(win32::messageBoxes().size(), 1u);
    EXPECT_EQ(win32::messageBoxes()[0].caption, "Brennock");
    EXPECT_EQ(win32::messageBoxes()[0].type, static_cast<UINT>(MB_ICONERROR));
    EXPECT_EQ(shown, "oops");

    std::string debug;
    win32::setDebugSink([&](const char* text) { debug += text; });
    OutputDebugStringA("hello");
    OutputDebugStringA("\n");
    EXPECT_EQ(debug, "hello\n");
}

TEST_F(Windows, FileAttributesTellFilesFromFolders) {
    EXPECT_EQ(GetFileAttributesA("/"), static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
    EXPECT_EQ(GetFileAttributesA("/no/such/file"), static_cast<DWORD>(INVALID_FILE_ATTRIBUTES));
    EXPECT_EQ(GetFileAttributesA("\\proc\\self\\status"), static_cast<DWORD>(FILE_ATTRIBUTE_NORMAL));
}
