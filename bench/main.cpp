// zv_bench: runs the benchmarks and prints the one table; exits non-zero
// when a target is missed.
#include <iostream>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include "table_reporter.h"

// Freed memory stays with the allocator. Benchmarks that make and destroy
// 100,000 layers per iteration would otherwise time the kernel clearing the
// pages that glibc gave back at the end of the previous iteration, a cost
// that rows of 1,000 layers never meet and a long-running host pays once.
void keep_freed_memory() {
#if defined(__GLIBC__)
  constexpr int keep = 1 << 30;
  mallopt(M_TRIM_THRESHOLD, keep);
  mallopt(M_MMAP_THRESHOLD, 32 << 20);
#endif
}

int main(int argc, char** argv) {
  keep_freed_memory();
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
  Tzv_table_reporter table(std::cout);
  benchmark::RunSpecifiedBenchmarks(&table);
  benchmark::Shutdown();
  return table.print_table() ? 0 : 1;
}
