#include "fuzz_check.h"

#include <cstdio>
#include <cstdlib>

namespace fuzzcheck {

Outcome lastOutcome = Outcome::None;

void fail(const char* what) {
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

}  // namespace fuzzcheck
