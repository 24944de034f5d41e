// The registry, read from a text file in the familiar .reg layout:
//
//   [HKEY_LOCAL_MACHINE\SOFTWARE\Harlowick\Brennock Davi]
//   "Path"="/home/player/brennock"
//   "Count"=dword:0000000a
//
// Key and value names match without regard to case. A missing file is an empty registry.
#include <strings.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>

#include "win32_host.h"

namespace win32 {

namespace {

struct NoCase {
    bool operator()(const std::string& a, const std::string& b) const { return strcasecmp(a.c_str(), b.c_str()) < 0; }
};

struct Value {
    DWORD type = REG_NONE;
    std::string bytes;
};

using Key = std::map<std::string, Value, NoCase>;

struct Registry {
    bool loaded = false;
    std::map<std::string, Key, NoCase> keys;
    std::map<uintptr_t, std::string> open;  // handle -> key path
    uintptr_t nextHandle = 0x1000;
};

Registry& reg() {
    static Registry r;
    return r;
}

std::string trim(const std::string& s) {
    size_t a = s.find_first_not_of(" \t\r");
    size_t b = s.find_last_not_of(" \t\r");
    return a == std::string::npos ? "" : s.substr(a, b - a + 1);
}

// Reads a quoted string starting at s[pos] == '"'; handles \\ and \". Returns false when unterminated.
bool readQuoted(const std::string& s, size_t& pos, std::string& out) {
    out.clear();
    for (++pos; pos < s.size(); ++pos) {
        char c = s[pos];
        if (c == '\\' && pos + 1 < s.size()) {
            out += s[++pos];
        } else if (c == '"') {
            ++pos;
            return true;
        } else {
            out += c;
        }
    }
    return false;
}

// Reads 1 to maxDigits hexadecimal digits at p (no sign, no prefix) and moves p past them.
bool hexDigits(const char*& p, int maxDigits, uint32_t* out) {
    uint32_t value = 0;
    int digits = 0;
    for (; std::isxdigit(static_cast<unsigned char>(*p)); ++p, ++digits) {
        if (digits == maxDigits) return false;
        char c = static_cast<char>(std::tolower(static_cast<unsigned char>(*p)));
        value = value * 16 + static_cast<uint32_t>(c <= '9' ? c - '0' : c - 'a' + 10);
    }
    *out = value;
    return digits > 0;
}

bool parseData(const std::string& text, Value& v) {
    if (!text.empty() && text[0] == '"') {
        size_t pos = 0;
        std::string s;
        if (!readQuoted(text, pos, s) || pos != text.size()) return false;
        v.type = REG_SZ;
        v.bytes = s + '\0';
        return true;
    }
    if (strncasecmp(text.c_str(), "dword:", 6) == 0) {
        const char* p = text.c_str() + 6;
        uint32_t d = 0;
        if (!hexDigits(p, 8, &d) || *p) return false;
        v.type = REG_DWORD;
        v.bytes.assign(reinterpret_cast<const char*>(&d), sizeof d);
        return true;
    }
    if (strncasecmp(text.c_str(), "hex:", 4) == 0) {
        v.type = REG_BINARY;
        v.bytes.clear();
        const char* p = text.c_str() + 4;
        while (*p) {
            uint32_t b = 0;
            if (!hexDigits(p, 2, &b)) return false;
            v.bytes += static_cast<char>(b);
            while (*p == ',' || *p == ' ') ++p;
        }
        return true;
    }
    return false;
}

void load() {
    Registry& r = reg();
    r.loaded = true;
    std::ifstream in(registryFile());
    if (!in) return;
    std::string line, key;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        line = trim(line);
        if (line.empty() || line[0] == ';' || line[0] == '#') continue;
        if (line.front() == '[' && line.back() == ']') {
            key = line.substr(1, line.size() - 2);
            r.keys[key];
            continue;
        }
        size_t pos = 0;
        std::string name;
        size_t eq;
        if (line[0] == '@') {
            eq = line.find('=');
        } else if (line[0] == '"' && readQuoted(line, pos, name)) {
            eq = line.find('=', pos);
        } else {
            eq = std::string::npos;
        }
        Value v;
        if (key.empty() || eq == std::string::npos || !parseData(trim(line.substr(eq + 1)), v)) {
            log("registry: skipping line " + std::to_string(lineNo) + " of " + registryFile());
            continue;
        }
        r.keys[key][name] = v;
    }
}

Registry& loadedReg() {
    if (!reg().loaded) load();
    return reg();
}

const char* rootName(HKEY root) {
    if (root == HKEY_LOCAL_MACHINE) return "HKEY_LOCAL_MACHINE";
    if (root == HKEY_CURRENT_USER) return "HKEY_CURRENT_USER";
    if (root == HKEY_CLASSES_ROOT) return "HKEY_CLASSES_ROOT";
    return nullptr;
}

}  // namespace

std::string registryFile() {
    if (const char* f = std::getenv("BRENNOCK_REGISTRY"); f && *f) return f;
    if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x) return std::string(x) + "/brennock/registry.txt";
    if (const char* h = std::getenv("HOME"); h && *h) return std::string(h) + "/.config/brennock/registry.txt";
    return "registry.txt";
}

void registryReload() {
    reg().keys.clear();
    load();
}

void registryClear() {
    Registry& r = reg();
    r.keys.clear();
    r.open.clear();
    r.loaded = true;  // an explicitly cleared registry stays empty
}

void registrySetValue(const std::string& keyPath, const std::string& name, DWORD type, const std::string& bytes) {
    loadedReg().keys[keyPath][name] = Value{type, bytes};
}

}  // namespace win32

using namespace win32;

LSTATUS RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD, REGSAM, PHKEY result) {
    const char* root = rootName(key);
    if (!root || !result) return ERROR_INVALID_HANDLE;
    std::string path = std::string(root) + (subKey && *subKey ? std::string("\\") + subKey : "");
    Registry& r = loadedReg();
    if (r.keys.find(path) == r.keys.end()) return ERROR_FILE_NOT_FOUND;
    uintptr_t handle = r.nextHandle++;
    r.open[handle] = path;
    *result = reinterpret_cast<HKEY>(handle);
    return ERROR_SUCCESS;
}

LSTATUS RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD, LPDWORD type, LPBYTE data, LPDWORD dataSize) {
    Registry& r = loadedReg();
    auto h = r.open.find(reinterpret_cast<uintptr_t>(key));
    if (h == r.open.end()) return ERROR_INVALID_HANDLE;
    // A reload may have taken the key away; looking it up must not bring it back empty.
    auto k = r.keys.find(h->second);
    if (k == r.keys.end()) return ERROR_FILE_NOT_FOUND;
    auto v = k->second.find(valueName ? valueName : "");
    if (v == k->second.end()) return ERROR_FILE_NOT_FOUND;
    const std::string& bytes = v->second.bytes;
    if (type) *type = v->second.type;
    if (!data) {
        if (dataSize) *dataSize = static_cast<DWORD>(bytes.size());
        return ERROR_SUCCESS;
    }
    if (!dataSize) return ERROR_INVALID_HANDLE;
    // As on Windows: the stored bytes exactly, no terminator added.
    if (*dataSize < bytes.size()) {
        *dataSize = static_cast<DWORD>(bytes.size());
        return ERROR_MORE_DATA;
    }
    std::memcpy(data, bytes.data(), bytes.size());
    *dataSize = static_cast<DWORD>(bytes.size());
    return ERROR_SUCCESS;
}

LSTATUS RegCloseKey(HKEY key) {
    return reg().open.erase(reinterpret_cast<uintptr_t>(key)) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}
