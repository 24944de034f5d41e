// A shadow caster's .x file.
#include "engine_input.h"
#include "platform/vuzirovari/vuzirovari.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzcheck::startEngineInput();
    uint32_t caster = iMeshBodyShadowCasterCreateFromMemory(data, static_cast<uint32_t>(size), 0, 1.0f);
    fuzzcheck::madeHandle(caster);
    iMeshDestroy(caster);
    return 0;
}
