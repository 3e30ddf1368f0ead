// Heap bytes counted by the benchmark's replacement of the global operator
// new and delete (the library and the stand-ins allocate through them),
// while counting is on: off, the replacement costs one test per call, so the
// timed benchmarks run at full speed. Bytes are the allocator's usable
// sizes, so they include its rounding.
#pragma once

#include <cstdint>

// Bytes allocated less bytes freed while counting was on.
int64_t zv_bench_live_heap_bytes();
void zv_bench_count_heap(bool on);
