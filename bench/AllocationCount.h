// Counts the calls of the global operator new made by the calling thread, for the benchmarks
// that report allocations per frame (the counting replacement lives in AllocationCount.cpp).
#pragma once

long threadAllocations();
