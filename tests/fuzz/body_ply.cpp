// A collision set's .ply triangles (without extra shapes).
#include "engine_input.h"
#include "platform/vuzirovari/vuzirovari.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzcheck::startEngineInput();
    uint32_t body = iBodyCreateFromMemory(data, static_cast<uint32_t>(size), nullptr, 0);
    fuzzcheck::madeHandle(body);
    iBodyDestroy(body);
    return 0;
}
