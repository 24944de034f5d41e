#include <cstdio>
#include <cstdlib>

#include "internal.h"
#include "win32_host.h"

namespace win32 {

namespace {
std::vector<std::string>& lines() {
    static std::vector<std::string> all;
    return all;
}
}  // namespace

void log(const std::string& line) {
    lines().push_back(line);
    if (const char* file = std::getenv("VUZ_LOG"); file && *file) {
        if (FILE* f = std::fopen(file, "a")) {
            std::fprintf(f, "%s\n", line.c_str());
            std::fclose(f);
        }
    }
}

const std::vector<std::string>& logLines() { return lines(); }

void resetLog() { lines().clear(); }

void resetForTests() {
    resetWindows();
    resetQueue();
    resetShell();
    resetLog();
    registryClear();
}

}  // namespace win32
