#include "app/WinMain.h"

#include <cstdint>
#include <ctime>
#include <exception>

#include "app/GameMaster.h"
#include "app/ProcessState.h"
#include "input/InputHooks.h"
#include "platform/host/EngineRunner.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/win32/crt.h"
#include "platform/win32/win32_host.h"
#include "script/ScriptException.h"
#include "script/ScriptInterrupted.h"

const char* const purchasePageFile = "purchase.html";
const char* const productName = "Brennock";

namespace {

const uint32_t engineSettings[6] = {0, 0, 0x004B0000, 0, 0, 0};

// After a frame drawn while window messages came in, give the rest of the time slice away.
void yieldIfAsked() {
    if (yieldAfterRender) Sleep(0);
}

void showFailure(const std::string& text) { MessageBoxA(nullptr, text.c_str(), productName, MB_ICONERROR); }

// The text for a failure that is not a script's: called inside a catch block.
std::string describeUnexpectedFailure() {
    const std::string heading = "The game stopped because of an unexpected error:\n\n";
    try {
        throw;
    } catch (const std::exception& e) {
        // Every error of the game's own (GameException) says what happened in what().
        return heading + e.what();
    } catch (const std::string& text) {
        return heading + text;
    } catch (const char* text) {
        return heading + (text ? text : "");
    } catch (...) {
        return "The game stopped because of an unexpected error.";
    }
}

// The frame loop. Returns the process exit code: 0, or 1 when an unexpected failure ended the game.
int frameLoop() {
    for (;;) {
        if (!iVortaneIsRendering()) return 0;
        MSG message{};
        BOOL taken = iVortaneIsActive() ? PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)
                                        : GetMessageA(&message, nullptr, 0, 0);
        if (taken > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
            continue;
        }
        if (!iVortaneIsActive() || !iVortaneIsReady()) continue;
        iVortaneMain();
        if (!iVortaneIsExecuting()) continue;
        try {
            if (!EngineRunner::runPhases(onEngineInit, onEngineRun, yieldIfAsked)) return 0;
        } catch (const Tavek::ScriptInterrupted&) {
            return 0;  // asked to end while a script ran: no failure to show
        } catch (const Tavek::ScriptException& e) {
            showFailure(e.describe());
            return 0;
        } catch (...) {
            showFailure(describeUnexpectedFailure());
            return 1;
        }
    }
}

void endSequence() {
    if (childWindow) DestroyWindow(childWindow);
    if (mainWindow) DestroyWindow(mainWindow);
    childWindow = nullptr;
    mainWindow = nullptr;
    const std::string page = purchasePageAddress();
    if (!page.empty()) ShellExecuteA(nullptr, "open", page.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace

std::string purchasePageAddress() {
    if (GetFileAttributesA(purchasePageFile) != FILE_ATTRIBUTE_NORMAL) return "";
    char folder[4096] = {};
    if (!_getcwd(folder, sizeof folder)) return "";
    const std::string path = std::string(folder) + "/" + purchasePageFile;
    // Letters, digits and "/-._~" stand as they are; every other byte is written as %XX.
    std::string address = "file://";
    const char* const hex = "0123456789ABCDEF";
    for (unsigned char c : path) {
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                           c == '/' || c == '-' || c == '.' || c == '_' || c == '~';
        if (plain) {
            address += static_cast<char>(c);
        } else {
            address += '%';
            address += hex[c >> 4];
            address += hex[c & 15];
        }
    }
    return address;
}

bool readRegistryString(const std::string& keyPath, const std::string& valueName, std::string& out) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
    // One spare byte so the text is always terminated, whatever was stored.
    char buffer[257] = {};
    DWORD type = REG_NONE;
    DWORD size = 256;
    LSTATUS status = RegQueryValueExA(key, valueName.c_str(), nullptr, &type, reinterpret_cast<LPBYTE>(buffer), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return false;
    buffer[size < 256 ? size : 256] = '\0';
    out = buffer;
    return true;
}

void changeToInstallDirectory() {
    std::string path;
    if (readRegistryString("SOFTWARE\\Harlowick\\Brennock Davi", "Path", path)) _chdir(path.c_str());
}

LRESULT CALLBACK mainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    yieldAfterRender = true;
    if (message == WM_CLOSE) {
        iVortaneIsRenderingSet(0);
        return 0;
    }
    if (message == WM_PAINT && iVortaneIsReady()) iScreenWipe(0, 0, 0);
    return DefWindowProcA(window, message, wParam, lParam);
}

void onEngineInit() {
    iEscEnable(0);
    iJoyCount();
    theGameMaster = makeGameMaster();
    iSoundStop(startupSong, 0);
    iSoundDestroy(startupSong);
}

void onEngineRun() {
    theGameMaster->tick();
    if (quitRequested) iExit();
    if (extraRenderRequested) {
        // No extra frame into a minimised window.
        if (!IsIconic(mainWindow)) iRender();
        extraRenderRequested = false;
    }
}

int WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    crt::srand(static_cast<uint32_t>(crt::time()));
    win32::catchEndSignals();
    installInputHooks();
    changeToInstallDirectory();

    HICON icon = LoadIconA(instance, MAKEINTRESOURCEA(103));
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof(WNDCLASSEXA);
    wc.style = 0;
    wc.lpfnWndProc = mainWindowProc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hIconSm = icon;
    wc.hCursor = nullptr;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = productName;
    RegisterClassExA(&wc);

    mainWindow = CreateWindowExA(0, productName, productName, WS_POPUP | WS_CAPTION, 0, 0, 639, 479, nullptr,
                                 nullptr, instance, nullptr);
    childWindow =
        CreateWindowExA(0, productName, nullptr, WS_POPUP, 0, 0, 10, 10, mainWindow, nullptr, instance, nullptr);

    int exitCode = 0;
    iVortaneErrorFlagSet(0);
    if (iVortaneOpen(mainWindow, childWindow) && iVortaneSettings(engineSettings)) {
        refreshForceFeedback();
        startupSong = iSoundOggCreate("Tavek_res\\sounds\\songs\\startup.ogg", 0, 0);
        iSoundPlayNow(startupSong, 1);
        exitCode = frameLoop();
    }
    endSequence();
    return exitCode;
}
