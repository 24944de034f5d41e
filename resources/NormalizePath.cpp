#include "NormalizePath.h"

namespace {

// Only ASCII letters change: the result must not depend on the process's locale, and a
// byte above 0x7f must never reach a character classification function as a negative value.
char normalizedChar(char c) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte == '/') return '\\';
    if (byte >= 'A' && byte <= 'Z') return static_cast<char>(byte - 'A' + 'a');
    return c;
}

}  // namespace

void normalizePath(char* name) {
    if (!name) return;
    for (; *name; ++name) *name = normalizedChar(*name);
}

void normalizePath(std::string& name) {
    for (char& c : name) c = normalizedChar(c);
}
