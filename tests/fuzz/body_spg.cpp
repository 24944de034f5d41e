// A rigid body's .spg shapes.
#include "engine_input.h"
#include "platform/vuzirovari/vuzirovari.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzcheck::startEngineInput();
    uint32_t body = iBodySGCreateFromMemory(data, static_cast<uint32_t>(size), 1.0f);
    fuzzcheck::madeHandle(body);
    iBodyDestroy(body);
    return 0;
}
