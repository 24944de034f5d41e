// Engine creates as fuzz entries: the engine opened once without drawing, and the rule every
// create keeps: an object, or 0 with a log line.
#pragma once

#include <cstddef>
#include <cstdint>

#include "fuzz_check.h"

namespace fuzzcheck {

// Opens the engine headless on the first call; starts each input with an empty log.
void startEngineInput();

// Records the handle a create gave: 0 must come with a log line saying why.
void madeHandle(uint32_t handle);

// A 1 x 1 white picture for the creates that need a texture.
extern const unsigned char WhitePng[];
extern const size_t WhitePngSize;

}  // namespace fuzzcheck
