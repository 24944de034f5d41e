#include "text_utf8.h"

namespace vuz {

int firstLatin1(const char* utf8, size_t* consumed) {
    if (consumed) *consumed = 0;
    if (!utf8 || !*utf8) return 0;
    auto byte = [&](int i) { return static_cast<unsigned char>(utf8[i]); };
    unsigned char lead = byte(0);
    if (lead < 0x80) {
        if (consumed) *consumed = 1;
        return lead;
    }
    // Latin-1 above 127 is U+0080..U+00FF: two bytes, C2 or C3 then a continuation byte.
    if ((lead == 0xC2 || lead == 0xC3) && (byte(1) & 0xC0) == 0x80) {
        if (consumed) *consumed = 2;
        return ((lead & 0x1F) << 6) | (byte(1) & 0x3F);
    }
    return 0;
}

int singleLatin1(const std::string& utf8) {
    size_t consumed = 0;
    int c = firstLatin1(utf8.c_str(), &consumed);
    return c > 0 && consumed == utf8.size() ? c : 0;
}

}  // namespace vuz
