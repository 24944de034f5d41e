// What every fuzz entry function shares: the libFuzzer entry point, the record of whether the
// last input was read or refused, and the way a fault is reported (an abort the fuzzer and
// the replay both see).
#pragma once

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fuzzcheck {

enum class Outcome { None, Read, Refused };

// Set by the entry function for each input; the replay reads it.
extern Outcome lastOutcome;

// Reports a fault with the input and aborts.
[[noreturn]] void fail(const char* what);

// Asserts the condition, else fails with what.
inline void require(bool condition, const char* what) {
    if (!condition) fail(what);
}

}  // namespace fuzzcheck
