#include "persistence/Latin1Text.h"

std::u16string latin1ToXml(const std::string& text) {
    std::u16string result;
    result.reserve(text.size());
    for (char c : text) result.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
    return result;
}

std::string xmlToLatin1(const XMLCh* text) {
    std::string result;
    if (!text) return result;
    for (const XMLCh* p = text; *p; ++p) {
        char16_t unit = *p;
        if (unit >= 0xDC00 && unit <= 0xDFFF && p != text && p[-1] >= 0xD800 && p[-1] <= 0xDBFF)
            continue;  // second half of a surrogate pair: the pair became one '?'
        result.push_back(unit <= 0xFF ? static_cast<char>(unit) : '?');
    }
    return result;
}
