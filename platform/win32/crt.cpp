#include "crt.h"

#include <sys/stat.h>
#include <unistd.h>

#include <locale.h>

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "hostpath.h"
#include "win32_host.h"

namespace crt {

namespace {
uint32_t state = 1;  // the Windows runtime starts as if seeded with 1
uint32_t seed_ = 1;

// A decimal whole number of 32 bits without sign, blanks or anything else.
bool parseSeed(const char* text, uint32_t* out) {
    if (!text || !*text) return false;
    uint64_t value = 0;
    for (const char* p = text; *p; ++p) {
        if (*p < '0' || *p > '9') return false;
        value = value * 10 + static_cast<uint64_t>(*p - '0');
        if (value > 0xFFFFFFFFu) return false;
    }
    *out = static_cast<uint32_t>(value);
    return true;
}
}  // namespace

void srand(uint32_t seed) {
    state = seed;
    seed_ = seed;
}

uint32_t lastSeed() { return seed_; }

std::time_t time() {
    const char* fixed = std::getenv("VUZ_SEED");
    if (!fixed || !*fixed) return std::time(nullptr);
    uint32_t seed = 0;
    if (parseSeed(fixed, &seed)) return static_cast<std::time_t>(seed);
    const std::string message =
        std::string("VUZ_SEED: \"") + fixed + "\" is not a whole number 0..4294967295; the clock seeds the game";
    std::fprintf(stderr, "%s\n", message.c_str());
    win32::log(message);
    return std::time(nullptr);
}

int rand() {
    state = state * 214013u + 2531011u;
    return static_cast<int>((state >> 16) & 0x7FFF);
}

size_t scanFloat(const char* text, float* out) {
    if (!text) return 0;
    const char* p = text;
    while (*p == ' ' || *p == '\t' || *p == '\n' || *p == '\r' || *p == '\v' || *p == '\f') ++p;
    const char* start = p;
    if (*p == '+' || *p == '-') ++p;
    const char* digits = p;
    while (std::isdigit(static_cast<unsigned char>(*p))) ++p;
    bool any = p > digits;
    if (*p == '.') {
        const char* frac = ++p;
        while (std::isdigit(static_cast<unsigned char>(*p))) ++p;
        any = any || p > frac;
    }
    if (!any) return 0;
    if (*p == 'e' || *p == 'E') {
        const char* e = p + 1;
        if (*e == '+' || *e == '-') ++e;
        if (std::isdigit(static_cast<unsigned char>(*e))) {
            while (std::isdigit(static_cast<unsigned char>(*e))) ++e;
            p = e;
        }
    }
    // The accepted text is plain decimal; read it the same way whatever the locale says.
    static const locale_t plainC = newlocale(LC_ALL_MASK, "C", locale_t(0));
    std::string number(start, p);
    if (out) *out = static_cast<float>(strtod_l(number.c_str(), nullptr, plainC));
    return static_cast<size_t>(p - text);
}

bool scanFloat(const std::string& text, float* out) { return scanFloat(text.c_str(), out) > 0; }

std::string gcvt(double value, int digits) {
    if (digits < 1) digits = 1;
    if (digits > 17) digits = 17;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*g", digits, value);
    std::string s = buf;
    if (std::isfinite(value) && s.find('.') == std::string::npos && s.find('e') == std::string::npos) s += '.';
    return s;
}

std::string itoa(int value) { return std::to_string(value); }

}  // namespace crt

int _chdir(const char* path) {
    if (!path) return -1;
    return chdir(hostPath(path).c_str());
}

char* _getcwd(char* buffer, int size) {
    if (!buffer || size <= 0) return nullptr;
    return getcwd(buffer, static_cast<size_t>(size));
}

int _mkdir(const char* path) {
    if (!path) return -1;
    return mkdir(hostPath(path).c_str(), 0777);
}
