// The benchmarks' one table: every registered operation at each size, its
// time per element (or its bytes, or a check), the floor it is compared
// with, and the two ratios that the targets bound: largest size against
// smallest, and operation against floor.
//
// Each benchmark file declares its rows in a small table:
//
//   Tzv_bench_rows const rows{
//       {"bm_scene_calc_box", "calc_box", "layer"},
//       {"bm_scns_add", "add scenes", "scene", {.floor = "bm_scns_make", .floor_limit = 2, .scale_limit = 0}},
//   };
//
// A benchmark tells how many elements one iteration handles with the
// counter zv_bench_elements (absent: one); a memory row reports the counter
// zv_bench_bytes, a check row the counter zv_bench_ok (1 passed) and its
// label as the detail.
#pragma once

#include <benchmark/benchmark.h>

#include <initializer_list>
#include <iosfwd>
#include <map>
#include <string>
#include <vector>

inline constexpr char const* zv_bench_elements = "elements";
inline constexpr char const* zv_bench_bytes = "bytes";
inline constexpr char const* zv_bench_ok = "ok";

enum class Tzv_bench_kind { time, bytes, check };

// What a row is held to. A limit of 0 is not checked.
struct Tzv_bench_target {
  char const* floor = nullptr;  // the floor benchmark, at the same size
  double floor_limit = 0;       // at most this many times the floor
  bool overhead = false;        // floor_limit bounds the time beyond the floor, not the whole time
  double scale_limit = 1.5;     // largest size at most this many times the smallest
  double max_value = 0;         // bytes (memory rows)
  Tzv_bench_kind kind = Tzv_bench_kind::time;
  char const* note = nullptr;  // why the target is what it is
};

struct Tzv_bench_row {
  char const* benchmark;  // the benchmark's function name
  char const* operation;  // as the table shows it
  char const* per;        // the element timed: "op", "layer", "scene", ...
  Tzv_bench_target target = {};
};

// Registers rows at static initialisation, in declaration order.
class Tzv_bench_rows {
 public:
  Tzv_bench_rows(std::initializer_list<Tzv_bench_row> rows);
  static std::vector<Tzv_bench_row> const& all();
};

// Keeps the best (smallest) value of every benchmark at every size over the
// repetitions, and prints the table at the end.
class Tzv_table_reporter final : public benchmark::BenchmarkReporter {
 public:
  explicit Tzv_table_reporter(std::ostream& out);

  bool ReportContext(Context const& context) override;
  void ReportRuns(std::vector<Run> const& runs) override;

  // Prints the table and the missed targets; true when none was missed.
  bool print_table();

 private:
  struct Tzv_measure {
    double value = 0;   // ns per element, bytes, or 1/0 for a check
    std::string label;  // a check's detail
  };
  using Tzv_sizes = std::map<long, Tzv_measure>;  // by size (0: no size)

  void take(Run const& run);
  Tzv_measure const* find(char const* benchmark, long size) const;
  void print_row(Tzv_bench_row const& row, long size, Tzv_sizes const& sizes);
  void miss(Tzv_bench_row const& row, long size, std::string const& why);

  std::ostream& out_;
  std::map<std::string, Tzv_sizes> best_;
  std::vector<std::string> errors_;
  std::vector<std::string> misses_;
};
