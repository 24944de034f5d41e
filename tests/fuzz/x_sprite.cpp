// A sprite's .x quad (glyph quads of fonts are read the same way).
#include "engine_input.h"
#include "platform/vuzirovari/vuzirovari.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzcheck::startEngineInput();
    uint32_t sprite = iSpriteCreateFromMemory(data, static_cast<uint32_t>(size), fuzzcheck::WhitePng,
                                              fuzzcheck::WhitePngSize, 1, 0);
    fuzzcheck::madeHandle(sprite);
    iSpriteDestroy(sprite);
    return 0;
}
