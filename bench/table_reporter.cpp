#include "table_reporter.h"

#include <cstdio>
#include <iostream>
#include <string>

namespace {

std::vector<Tzv_bench_row>& registry() {
  static std::vector<Tzv_bench_row> rows;
  return rows;
}

double counter_or(benchmark::BenchmarkReporter::Run const& run, char const* name, double fallback) {
  auto const it = run.counters.find(name);
  return it == run.counters.end() ? fallback : static_cast<double>(it->second);
}

// Nanoseconds of CPU time per iteration: the process's own time, which other
// work on a busy machine disturbs less than wall-clock time.
double cpu_ns_per_iteration(benchmark::BenchmarkReporter::Run const& run) {
  return run.GetAdjustedCPUTime() * 1e9 / benchmark::GetTimeUnitMultiplier(run.time_unit);
}

long size_of(benchmark::BenchmarkReporter::Run const& run) {
  return run.run_name.args.empty() ? 0 : std::stol(run.run_name.args);
}

std::string format(char const* pattern, double value) {
  char text[32];
  std::snprintf(text, sizeof text, pattern, value);
  return text;
}

// A time with a unit that keeps three significant figures readable.
std::string format_time(double ns) {
  if (ns >= 1e6) return format("%.3g ms", ns / 1e6);
  if (ns >= 1e3) return format("%.3g us", ns / 1e3);
  return format("%.3g ns", ns);
}

std::string format_value(Tzv_bench_kind kind, double value) {
  switch (kind) {
    case Tzv_bench_kind::bytes:
      return format("%.0f B", value);
    case Tzv_bench_kind::check:
      return value >= 1 ? "passed" : "FAILED";
    case Tzv_bench_kind::time:
      break;
  }
  return format_time(value);
}

std::string format_ratio(double ratio) { return ratio > 0 ? format("%.2fx", ratio) : "-"; }

// The target as the table states it.
std::string describe(Tzv_bench_target const& t) {
  std::string text;
  auto add = [&text](std::string const& part) { text += (text.empty() ? "" : ", ") + part; };
  if (t.kind == Tzv_bench_kind::check) add("must hold");
  if (t.max_value > 0) add(format("<= %.0f B", t.max_value));
  if (t.kind == Tzv_bench_kind::time && t.scale_limit > 0) add(format("size <= %.1fx", t.scale_limit));
  if (t.floor_limit > 0) add(format(t.overhead ? "overhead <= %.1fx floor" : "floor <= %.1fx", t.floor_limit));
  if (t.note != nullptr) add(t.note);
  return text.empty() ? "(reference)" : text;
}

}  // namespace

Tzv_bench_rows::Tzv_bench_rows(std::initializer_list<Tzv_bench_row> rows) {
  registry().insert(registry().end(), rows.begin(), rows.end());
}

std::vector<Tzv_bench_row> const& Tzv_bench_rows::all() { return registry(); }

Tzv_table_reporter::Tzv_table_reporter(std::ostream& out) : out_(out) {}

bool Tzv_table_reporter::ReportContext(Context const& context) {
  std::cerr << "zv_bench on " << context.cpu_info.num_cpus << " CPUs; running";
  return true;
}

void Tzv_table_reporter::ReportRuns(std::vector<Run> const& runs) {
  for (Run const& run : runs) take(run);
  if (!runs.empty())
    std::cerr << ' ' << runs.front().run_name.function_name << '/' << runs.front().run_name.args << std::flush;
}

void Tzv_table_reporter::take(Run const& run) {
  if (run.run_type != Run::RT_Iteration) return;
  std::string const& name = run.run_name.function_name;
  if (run.error_occurred) {
    errors_.push_back(name + "/" + run.run_name.args + ": " + run.error_message);
    return;
  }
  Tzv_measure m;
  m.label = run.report_label;
  if (run.counters.count(zv_bench_ok) != 0) {
    m.value = counter_or(run, zv_bench_ok, 0);
  } else if (run.counters.count(zv_bench_bytes) != 0) {
    m.value = counter_or(run, zv_bench_bytes, 0);
  } else {
    m.value = cpu_ns_per_iteration(run) / counter_or(run, zv_bench_elements, 1);
  }
  auto [it, fresh] = best_[name].try_emplace(size_of(run), m);
  // A check must pass every time; a time or a size counts at its best.
  bool const better = m.value < it->second.value;
  bool const failed_check = run.counters.count(zv_bench_ok) != 0 && m.value < 1;
  if (!fresh && (better || failed_check)) it->second = m;
}

Tzv_table_reporter::Tzv_measure const* Tzv_table_reporter::find(char const* benchmark, long size) const {
  if (benchmark == nullptr) return nullptr;
  auto const sizes = best_.find(benchmark);
  if (sizes == best_.end()) return nullptr;
  auto const m = sizes->second.find(size);
  return m == sizes->second.end() ? nullptr : &m->second;
}

void Tzv_table_reporter::miss(Tzv_bench_row const& row, long size, std::string const& why) {
  misses_.push_back(std::string(row.operation) + (size != 0 ? " at " + std::to_string(size) : "") + ": " + why);
}

void Tzv_table_reporter::print_row(Tzv_bench_row const& row, long size, Tzv_sizes const& sizes) {
  Tzv_bench_target const& t = row.target;
  Tzv_measure const& m = sizes.at(size);
  Tzv_measure const* floor = find(t.floor, size);
  bool const largest = sizes.size() > 1 && size == sizes.rbegin()->first;
  double const scale = largest ? m.value / sizes.begin()->second.value : 0;
  double const vs_floor = floor != nullptr && floor->value > 0 ? m.value / floor->value : 0;
  double const bounded = t.overhead ? vs_floor - 1 : vs_floor;

  size_t const misses_before = misses_.size();
  if (t.kind == Tzv_bench_kind::check && m.value < 1) miss(row, size, "check failed: " + m.label);
  if (t.max_value > 0 && m.value > t.max_value) miss(row, size, format_value(t.kind, m.value) + " over the limit");
  if (t.kind == Tzv_bench_kind::time && t.scale_limit > 0 && scale > t.scale_limit)
    miss(row, size, format_ratio(scale) + " the smallest size's time per " + row.per);
  if (t.floor_limit > 0 && bounded > t.floor_limit)
    miss(row, size, format_ratio(bounded) + (t.overhead ? " the floor beyond it" : " the floor"));
  if (t.floor_limit > 0 && floor == nullptr) miss(row, size, std::string("no floor measured: ") + t.floor);
  char const* verdict = misses_.size() > misses_before ? "MISSED" : "ok";

  std::string const size_text = size != 0 ? std::to_string(size) : "-";
  std::string const value =
      format_value(t.kind, m.value) + (t.kind == Tzv_bench_kind::time ? "/" + std::string(row.per) : "");
  std::string const floor_text = floor != nullptr ? format_value(Tzv_bench_kind::time, floor->value) : "-";
  char line[512];
  std::snprintf(line, sizeof line, "%-44s %7s %16s %11s %7s %7s  %-6s %s", row.operation, size_text.c_str(),
                value.c_str(), floor_text.c_str(), format_ratio(scale).c_str(), format_ratio(vs_floor).c_str(), verdict,
                describe(t).c_str());
  out_ << line << '\n';
}

bool Tzv_table_reporter::print_table() {
  std::cerr << '\n';
  char header[256];
  std::snprintf(header, sizeof header, "%-44s %7s %16s %11s %7s %7s  %-6s %s", "operation", "size", "time (best)",
                "floor", "xsize", "xfloor", "", "target");
  out_ << header << '\n' << std::string(130, '-') << '\n';
  for (Tzv_bench_row const& row : Tzv_bench_rows::all()) {
    auto const sizes = best_.find(row.benchmark);
    if (sizes == best_.end()) {
      miss(row, 0, std::string("not measured: ") + row.benchmark);
      continue;
    }
    for (auto const& [size, m] : sizes->second) print_row(row, size, sizes->second);
  }
  for (std::string const& e : errors_) misses_.push_back("error: " + e);
  out_ << "\nxsize: time per element at the largest size over the smallest; xfloor: over the floor at the same size.\n"
          "Times are the best CPU time over the repetitions.\n";
  if (misses_.empty()) {
    out_ << "Every target met.\n";
    return true;
  }
  out_ << "\nMissed targets:\n";
  for (std::string const& m : misses_) out_ << "  " << m << '\n';
  return false;
}
