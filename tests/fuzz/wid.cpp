// A font's .wid width table: every width must come out positive and finite.
#include <cmath>

#include "engine_input.h"
#include "platform/vuzirovari/vuzirovari.h"
#include "platform/vuzirovari/vuzirovari_test.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzcheck::startEngineInput();
    uint32_t font = iFontCreateFromMemory(data, static_cast<uint32_t>(size), nullptr, nullptr, fuzzcheck::WhitePng,
                                          fuzzcheck::WhitePngSize, 1, 0);
    fuzzcheck::madeHandle(font);
    for (int code = 0; font && code < 256; ++code) {
        float width = vtFontWidth(font, code);
        fuzzcheck::require(std::isfinite(width) && width > 0.0f, "a width that is not a positive number");
    }
    iFontDestroy(font);
    return 0;
}
