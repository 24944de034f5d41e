// What the engine holds this frame, read back through its test interface: sprites by the name
// of their picture, and the texts printed.
#pragma once

#include <string>

#include "platform/vuzirovari/vuzirovari_test.h"

namespace enginereads {

inline vtSprite spriteOf(uint32_t handle) {
    vtSprite s{};
    vtSpriteGet(handle, &s);
    return s;
}

// The visible sprites whose picture name holds the fragment: how many, or the first (0: none).
inline int visibleSprites(const std::string& fragment, uint32_t* first = nullptr) {
    int n = 0;
    for (int i = 0; i < vtSpriteCount(); ++i) {
        const vtSprite s = spriteOf(vtSpriteAt(i));
        if (!s.visible || !s.textureName || std::string(s.textureName).find(fragment) == std::string::npos) continue;
        if (first && n == 0) *first = vtSpriteAt(i);
        ++n;
    }
    return n;
}
inline uint32_t visibleSprite(const std::string& fragment) {
    uint32_t first = 0;
    visibleSprites(fragment, &first);
    return first;
}

// Whether the text is printed this frame.
inline bool printed(const std::string& text) {
    for (int i = 0; i < vtTextCount(); ++i) {
        vtText t{};
        if (vtTextGet(i, &t) && t.text && text == t.text) return true;
    }
    return false;
}

}  // namespace enginereads
