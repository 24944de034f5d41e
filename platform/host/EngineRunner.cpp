#include "platform/host/EngineRunner.h"

#include <cstdint>
#include <exception>

#include "platform/vuzirovari/vuzirovari.h"
#include "platform/win32/win32_host.h"

namespace {

const uint32_t EngineSettings[6] = {0, 0, 0x004B0000, 0, 0, 0};
constexpr int WindowWidth = 639;
constexpr int WindowHeight = 479;

LRESULT CALLBACK runnerWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        iVortaneIsRenderingSet(0);
        return 0;
    }
    if (message == WM_PAINT && iVortaneIsReady()) iScreenWipe(0, 0, 0);
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

EngineRunner::EngineRunner(std::string title) : title_(std::move(title)) {}

EngineRunner::~EngineRunner() {
    if (childWindow_) DestroyWindow(childWindow_);
    if (mainWindow_) DestroyWindow(mainWindow_);
}

bool EngineRunner::open() {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(WNDCLASSEXA);
    wc.lpfnWndProc = runnerWindowProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = title_.c_str();
    RegisterClassExA(&wc);
    mainWindow_ = CreateWindowExA(0, title_.c_str(), title_.c_str(), WS_POPUP | WS_CAPTION, 0, 0, WindowWidth,
                                  WindowHeight, nullptr, nullptr, wc.hInstance, nullptr);
    childWindow_ = CreateWindowExA(0, title_.c_str(), nullptr, WS_POPUP, 0, 0, 10, 10, mainWindow_, nullptr,
                                   wc.hInstance, nullptr);
    iVortaneErrorFlagSet(0);
    if (!mainWindow_ || !iVortaneOpen(mainWindow_, childWindow_) || !iVortaneSettings(EngineSettings)) {
        error_ = "the engine cannot open its window";
        return false;
    }
    iEscEnable(0);
    return true;
}

int EngineRunner::run(const std::function<void()>& init, const std::function<void()>& tick) {
    while (iVortaneIsRendering()) {
        MSG message{};
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
            continue;
        }
        if (!iVortaneIsReady()) continue;
        iVortaneMain();
        if (!iVortaneIsExecuting()) continue;
        try {
            if (!runPhases(init, tick)) return 0;
        } catch (const std::exception& e) {
            win32::log(title_ + ": stopped: " + e.what());
            return 1;
        } catch (...) {
            win32::log(title_ + ": stopped by an unknown error");
            return 1;
        }
    }
    return 0;
}

bool EngineRunner::runPhases(const std::function<void()>& init, const std::function<void()>& tick,
                             const std::function<void()>& afterRender) {
    if (iVortaneIsInitializing()) {
        iVortaneInitBegin();
        if (init) init();
        iVortaneInitEnd();
        if (iVortaneErrorFlag()) return false;
    }
    if (!iVortaneIsRendering()) return false;
    if (!iVortaneIsSkippingRunPhase()) {
        iVortaneRunBegin();
        if (tick) tick();
        if (iVortaneErrorFlag()) return false;
        iVortaneRunEnd();
    }
    if (!iVortaneIsSkippingRenderPhase()) {
        iVortaneRender();
        if (afterRender) afterRender();
    }
    return true;
}

void EngineRunner::requestQuit() { iVortaneIsRenderingSet(0); }
