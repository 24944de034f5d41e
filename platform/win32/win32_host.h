// The side of the Windows subset that only the engine and the tests see.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "win32.h"

namespace win32 {

struct WindowInfo {
    std::string className;
    std::string title;
    bool hasTitle = false;
    DWORD style = 0;
    int x = 0, y = 0, width = 0, height = 0;
    HWND parent = nullptr;
};
bool windowInfo(HWND window, WindowInfo* out);
std::vector<HWND> liveWindows();

// The engine feeds operating-system events into the queue through this pump.
// With wait set, it may block until at least one event has arrived.
void setEventPump(std::function<void(bool wait)> pump);
// Called just before a window record is freed, so the engine can close its real window.
void setDestroyListener(std::function<void(HWND)> listener);
// Answers IsIconic for the main window.
void setIconicQuery(std::function<bool(HWND)> query);

// MessageBoxA shows through this presenter when one is set (a desktop dialog),
// and writes to standard error otherwise. Every call is recorded.
void setMessageBoxPresenter(std::function<int(const char* text, const char* caption, UINT type)> presenter);
struct MessageBoxRecord {
    std::string text;
    std::string caption;
    UINT type = 0;
};
const std::vector<MessageBoxRecord>& messageBoxes();

// ShellExecuteA runs "xdg-open" unless opening is switched off (tests, autopilot). Every call is recorded.
void setShellOpenEnabled(bool enabled);
const std::vector<std::string>& shellOpens();

// Where OutputDebugStringA goes: standard error unless a sink is set.
void setDebugSink(std::function<void(const char*)> sink);

// Sleep can be made instant for tests.
void setSleepEnabled(bool enabled);

// The registry text file. Its location is $BRENNOCK_REGISTRY, else
// $XDG_CONFIG_HOME/brennock/registry.txt, else ~/.config/brennock/registry.txt.
std::string registryFile();
void registryReload();
void registryClear();
void registrySetValue(const std::string& keyPath, const std::string& name, DWORD type, const std::string& bytes);

// SIGTERM and SIGINT ask the game to end: once caught (the program turns this on at start), the
// engine's event pump closes the main window, as a player closing it would, and a script running
// at that moment is stopped. endSignal() is the signal's number, 0 while none came.
void catchEndSignals();
int endSignal();
void clearEndSignal();  // for tests

// A running log of what the platform did ("DestroyWindow Brennock", "ShellExecuteA open ...").
// When $VUZ_LOG names a file, each line is appended to it as well.
void log(const std::string& line);
const std::vector<std::string>& logLines();

// Back to a fresh process state: windows, classes, queue, records and registry.
void resetForTests();

}  // namespace win32

namespace win32 {

// A library makes its in-memory image known under its file name ("vuzirovari.dll"), so that
// GetModuleHandleA finds it. Names compare without regard to ASCII case; a second
// registration of a name replaces the first. A null base removes the name.
void registerModule(const std::string& fileName, HMODULE base);

}  // namespace win32
