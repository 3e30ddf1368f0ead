// Cost of an interface entry point (test of two words, one indirect call)
// next to a plain virtual call doing the same work.
#include <benchmark/benchmark.h>

#include "table_reporter.h"
#include "zv/framework/adapters.h"

namespace {

// The same work behind both kinds of call.
struct Izvb_counter {
  virtual ~Izvb_counter() = default;
  virtual void visit(wchar_t const* text) = 0;
};
struct Tzvb_counter : Izvb_counter {
  void visit(wchar_t const* text) override { count += text != nullptr; }
  long count = 0;
};
// A second implementation, so that the compiler cannot guess the target of
// the virtual call, as a caller in another module could not.
struct Tzvb_other_counter : Tzvb_counter {
  void visit(wchar_t const* text) override { count += text == nullptr; }
};

// A contract whose slot does the work directly: the entry point alone.
t_zv_string_visitor_contract const direct_contract = {
    .generalize = [](t_zv_string_visitor_contract const*, void*) -> t_zv_interface { return {}; },
    .visit = [](t_zv_string_visitor_contract const*, void* self,
                wchar_t const* text) { static_cast<Tzvb_counter*>(self)->count += text != nullptr; },
};

// An adapter: the entry point, then the adapter's virtual operation.
class Tzvb_visitor final : public zv::string_visitor_impl {
 public:
  void visit(wchar_t const* text) override { count += text != nullptr; }
  long count = 0;
};

void BM_virtual_call(benchmark::State& state) {
  Tzvb_counter counter;
  Tzvb_other_counter other;
  Izvb_counter* target = &counter;
  benchmark::DoNotOptimize(other);
  for (auto _ : state) {
    benchmark::DoNotOptimize(target);
    target->visit(L"x");
  }
  benchmark::DoNotOptimize(counter.count);
}
BENCHMARK(BM_virtual_call);

void BM_entry_point(benchmark::State& state) {
  Tzvb_counter counter;
  t_zv_string_visitor_interface handle{&direct_contract, &counter};
  for (auto _ : state) {
    benchmark::DoNotOptimize(handle);
    zvk_framework_string_visitor_visit(handle, L"x");
  }
  benchmark::DoNotOptimize(counter.count);
}
BENCHMARK(BM_entry_point);

void BM_entry_point_to_adapter(benchmark::State& state) {
  Tzvb_visitor visitor;
  t_zv_string_visitor_interface handle = visitor;
  for (auto _ : state) {
    benchmark::DoNotOptimize(handle);
    zvk_framework_string_visitor_visit(handle, L"x");
  }
  benchmark::DoNotOptimize(visitor.count);
}
BENCHMARK(BM_entry_point_to_adapter);

// Specialisation walks the chain by name: at one and at three links.
class Tzvb_one final : public zv::polymorphic<zv::service_visitor_impl> {};
class Tzvb_three final : public zv::polymorphic<zv::service_visitor_impl>,
                         public zv::polymorphic<zv::referent_impl>,
                         public zv::polymorphic<zv::scene_2d_service_visitor_impl> {};

template <class T>
void BM_specialize(benchmark::State& state) {
  T object;
  t_zv_interface generic = zv::generic_of<zv::service_visitor_impl>(object);
  for (auto _ : state) {
    benchmark::DoNotOptimize(generic);
    benchmark::DoNotOptimize(zv_scene_2d_service_visitor_interface_specialize(generic));
  }
}
BENCHMARK(BM_specialize<Tzvb_one>);
BENCHMARK(BM_specialize<Tzvb_three>);

Tzv_bench_rows const rows{
    {"BM_virtual_call", "a plain virtual call", "call", {.scale_limit = 0}},
    {"BM_entry_point",
     "an interface entry point",
     "call",
     {.floor = "BM_virtual_call", .floor_limit = 1.5, .scale_limit = 0}},
    {"BM_entry_point_to_adapter",
     "an entry point into an adapter",
     "call",
     {.floor = "BM_virtual_call", .scale_limit = 0}},
    {"BM_specialize<Tzvb_one>", "specialize, one link", "call", {.scale_limit = 0}},
    {"BM_specialize<Tzvb_three>", "specialize, three links", "call", {.scale_limit = 0}},
};

}  // namespace
