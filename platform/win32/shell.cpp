// Message boxes, the shell's "open", the debugger output, sleeping, icons, brushes and file attributes.
#include <sched.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "hostpath.h"
#include "internal.h"
#include "win32_host.h"

extern char** environ;

struct HICON__ {};
struct HGDIOBJ__ {};

namespace win32 {

namespace {

struct Shell {
    std::function<int(const char*, const char*, UINT)> presenter;
    std::vector<MessageBoxRecord> boxes;
    std::vector<std::string> opens;
    bool openEnabled = true;
    std::function<void(const char*)> debugSink;
    bool sleepEnabled = true;
};

Shell& shell() {
    static Shell s;
    return s;
}

bool onPath(const char* program) {
    const char* path = std::getenv("PATH");
    if (!path) return false;
    std::string all = path;
    size_t start = 0;
    while (start <= all.size()) {
        size_t end = all.find(':', start);
        if (end == std::string::npos) end = all.size();
        std::string candidate = all.substr(start, end - start) + "/" + program;
        if (access(candidate.c_str(), X_OK) == 0) return true;
        start = end + 1;
    }
    return false;
}

// Starts the program detached: a child that starts it and leaves at once, so nothing waits on it.
void spawnDetached(const char* program, const char* argument) {
    pid_t child = fork();
    if (child < 0) return;
    if (child == 0) {
        setsid();
        pid_t grandchild;
        char* argv[] = {const_cast<char*>(program), const_cast<char*>(argument), nullptr};
        posix_spawnp(&grandchild, program, nullptr, nullptr, argv, environ);
        _exit(0);
    }
    waitpid(child, nullptr, 0);
}

}  // namespace

void setMessageBoxPresenter(std::function<int(const char*, const char*, UINT)> presenter) {
    shell().presenter = std::move(presenter);
}
const std::vector<MessageBoxRecord>& messageBoxes() { return shell().boxes; }
void setShellOpenEnabled(bool enabled) { shell().openEnabled = enabled; }
const std::vector<std::string>& shellOpens() { return shell().opens; }
void setDebugSink(std::function<void(const char*)> sink) { shell().debugSink = std::move(sink); }
void setSleepEnabled(bool enabled) { shell().sleepEnabled = enabled; }

void resetShell() {
    Shell& s = shell();
    s.presenter = nullptr;
    s.boxes.clear();
    s.opens.clear();
    s.openEnabled = true;
    s.debugSink = nullptr;
    s.sleepEnabled = true;
}

}  // namespace win32

using namespace win32;

int MessageBoxA(HWND, LPCSTR text, LPCSTR caption, UINT type) {
    MessageBoxRecord rec{text ? text : "", caption ? caption : "", type};
    shell().boxes.push_back(rec);
    log("MessageBoxA \"" + rec.caption + "\": " + rec.text);
    std::fprintf(stderr, "%s: %s\n", rec.caption.c_str(), rec.text.c_str());
    if (shell().presenter) shell().presenter(rec.text.c_str(), rec.caption.c_str(), type);
    return IDOK;
}

HINSTANCE ShellExecuteA(HWND, LPCSTR operation, LPCSTR file, LPCSTR, LPCSTR, int) {
    std::string op = operation ? operation : "open";
    std::string target = file ? file : "";
    shell().opens.push_back(target);
    log("ShellExecuteA " + op + " " + target);
    if (op == "open" && !target.empty() && shell().openEnabled && onPath("xdg-open"))
        spawnDetached("xdg-open", target.c_str());
    return reinterpret_cast<HINSTANCE>(uintptr_t(33));  // above 32 means success
}

void OutputDebugStringA(LPCSTR text) {
    if (!text) return;
    if (shell().debugSink) {
        shell().debugSink(text);
    } else {
        std::fputs(text, stderr);
    }
}

void Sleep(DWORD milliseconds) {
    if (!shell().sleepEnabled) return;
    if (milliseconds == 0) {
        sched_yield();
        return;
    }
    timespec ts{static_cast<time_t>(milliseconds / 1000), static_cast<long>(milliseconds % 1000) * 1000000L};
    while (nanosleep(&ts, &ts) == -1 && errno == EINTR) {
    }
}

HICON LoadIconA(HINSTANCE, LPCSTR) {
    static HICON__ icon;
    return &icon;
}

HGDIOBJ GetStockObject(int) {
    static HGDIOBJ__ object;
    return &object;
}

DWORD GetFileAttributesA(LPCSTR fileName) {
    if (!fileName) return INVALID_FILE_ATTRIBUTES;
    struct stat st;
    if (stat(hostPath(fileName).c_str(), &st) != 0) return INVALID_FILE_ATTRIBUTES;
    return S_ISDIR(st.st_mode) ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_NORMAL;
}
