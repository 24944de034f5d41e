// A collision set's .pol shapes and surface, over one fixed triangle.
#include <cstring>

#include "engine_input.h"
#include "platform/vuzirovari/vuzirovari.h"

namespace {
const char Triangle[] =
    "ply\nformat ascii 1.0\nelement vertex 3\nproperty float x\nproperty float y\nproperty float z\n"
    "element face 1\nproperty list uchar int vertex_indices\nend_header\n0 0 0\n1 0 0\n0 0 1\n3 0 1 2\n";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzzcheck::startEngineInput();
    uint32_t body = iBodyCreateFromMemory(Triangle, sizeof Triangle - 1, data, static_cast<uint32_t>(size));
    fuzzcheck::madeHandle(body);
    iBodyDestroy(body);
    return 0;
}
