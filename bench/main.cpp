// zv_bench: runs the benchmarks and prints the one table; exits non-zero
// when a target is missed.
#include <iostream>

#include "table_reporter.h"

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
  Tzv_table_reporter table(std::cout);
  benchmark::RunSpecifiedBenchmarks(&table);
  benchmark::Shutdown();
  return table.print_table() ? 0 : 1;
}
