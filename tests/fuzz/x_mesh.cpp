// A static mesh's .x file.
#include "engine_input.h"
#include "platform/vuzirovari/vuzirovari.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzcheck::startEngineInput();
    uint32_t mesh = iMeshCreateFromMemory(data, static_cast<uint32_t>(size), fuzzcheck::WhitePng,
                                          fuzzcheck::WhitePngSize, 1);
    fuzzcheck::madeHandle(mesh);
    iMeshDestroy(mesh);
    return 0;
}
