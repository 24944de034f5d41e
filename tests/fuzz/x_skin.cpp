// A skinned mesh's .x file: skeleton, skin weights, animation sets.
#include "engine_input.h"
#include "platform/vuzirovari/vuzirovari.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzcheck::startEngineInput();
    uint32_t skin = iSkinMeshCreateFromMemory(data, static_cast<uint32_t>(size), nullptr, nullptr);
    fuzzcheck::madeHandle(skin);
    iSkinMeshDestroy(skin);
    return 0;
}
