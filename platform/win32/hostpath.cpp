#include "hostpath.h"

#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include <cctype>
#include <unordered_map>
#include <vector>

namespace {

std::unordered_map<std::string, std::string>& cache() {
    static std::unordered_map<std::string, std::string> c;
    return c;
}

bool exists(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0;
}

// Slashes only, no repeats, drive prefix mapped to its folder.
std::string normalise(const std::string& gamePath) {
    std::string p;
    p.reserve(gamePath.size() + 8);
    for (char c : gamePath) {
        char s = c == '\\' ? '/' : c;
        if (s == '/' && !p.empty() && p.back() == '/') continue;
        p += s;
    }
    if (p.size() >= 2 && std::isalpha(static_cast<unsigned char>(p[0])) && p[1] == ':') {
        std::string rest = p.substr(2);
        if (!rest.empty() && rest[0] == '/') rest.erase(0, 1);
        std::string drive = std::string("drive_") + static_cast<char>(std::tolower(static_cast<unsigned char>(p[0])));
        p = rest.empty() ? drive : drive + "/" + rest;
    }
    return p;
}

std::vector<std::string> split(const std::string& p) {
    std::vector<std::string> parts;
    size_t start = 0;
    while (start < p.size()) {
        size_t end = p.find('/', start);
        if (end == std::string::npos) end = p.size();
        if (end > start) parts.push_back(p.substr(start, end - start));
        start = end + 1;
    }
    return parts;
}

// The entry of folder whose name equals name without regard to ASCII case, or "".
std::string matchInFolder(const std::string& folder, const std::string& name) {
    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return "";
    std::string found;
    while (dirent* e = readdir(dir)) {
        if (strcasecmp(e->d_name, name.c_str()) == 0) {
            found = e->d_name;
            break;
        }
    }
    closedir(dir);
    return found;
}

}  // namespace

std::string hostPath(const std::string& gamePath) {
    std::string p = normalise(gamePath);
    if (p.empty() || exists(p)) return p;

    if (auto it = cache().find(p); it != cache().end() && exists(it->second)) return it->second;

    bool absolute = p[0] == '/';
    bool trailing = p.size() > 1 && p.back() == '/';
    std::vector<std::string> parts = split(p);

    std::string resolved = absolute ? "/" : "";
    bool complete = true;
    for (size_t i = 0; i < parts.size(); ++i) {
        const std::string& part = parts[i];
        std::string folder = resolved.empty() ? "." : resolved;
        std::string candidate = resolved + part;
        std::string chosen = part;
        if (complete && part != "." && part != ".." && !exists(candidate)) {
            std::string match = matchInFolder(folder, part);
            if (match.empty()) {
                complete = false;  // the rest does not exist yet: keep it as given
            } else {
                chosen = match;
            }
        }
        resolved += chosen;
        if (i + 1 < parts.size()) resolved += '/';
    }
    if (trailing) resolved += '/';
    if (complete) cache()[p] = resolved;
    return resolved;
}

void hostPathClearCache() { cache().clear(); }
