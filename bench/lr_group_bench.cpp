// Layer group tree of the layer stand-in: a load at 1,000 and 100,000
// layers, which the scene relies on being linear. Time per layer should stay
// flat across sizes.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "../standin/common/lr_entity_base.h"
#include "bench_scene.h"
#include "support/null_entities.h"
#include "table_reporter.h"
#include "zv/sibling/lr.h"
#include "zv/sibling/lr2d.h"

namespace {

// A fresh group id, a uuid text as the scene makes it.
std::wstring fresh_id() {
  std::wstring id;
  Izv_string_adp* adp = zv_string_adp_create(
      nullptr, [](wchar_t const* s, void* d) { *static_cast<std::wstring*>(d) = s; }, &id);
  zv_uuid_generate_string(adp);
  zv_string_adp_destroy(adp);
  return id;
}

// A scene reduced to what the tree reads: its layer vector.
class Tzv_bench_scene final : public Tzv_null_scene<Tzv_lr_entity_base<Izv_scene>> {
 public:
  Tzv_bench_scene() : group(zv_lr_group_create(this)) {}
  ~Tzv_bench_scene() override {
    zv_lr_group_destroy(group);
    for (Izv_layer* l : layers) zv_lr2d_destroy(l);
  }

  char const* get_meta_id() override { return "BenchScene"; }
  uint32_t get_bind_count() override { return static_cast<uint32_t>(layers.size()); }
  Izv_entity* get_bind_entity(uint32_t i) override { return i < layers.size() ? layers[i] : nullptr; }
  Tzv_lr_group* get_lr_group_ptr() override { return group; }

  // What the scene does to add a layer: append it, give it a slot with a
  // group id (or none, as add_layer_ex_slot), verify before announcing.
  void load(Izv_layer* l, bool with_slot) {
    layers.push_back(l);
    if (with_slot) {
      std::wstring id = fresh_id();
      zv_lr_set_group_id(l, id.c_str());
      zv_lr_group_set_group_id(zv_lr_group_add_slot(group), id.c_str());
    }
    zv_lr_group_verification_layer(group);
  }

  Tzv_lr_group* group;
  std::vector<Izv_layer*> layers;
};

// A load of N layers into an empty scene, every second one without a slot,
// each verified as the scene does before announcing it: O(1) per layer, as
// the tree knows every layer but the new one. Making the layers is not
// timed.
void BM_lr_group_load(benchmark::State& state) {
  int const n = static_cast<int>(state.range(0));
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<Izv_layer*> fresh(static_cast<size_t>(n));
    for (Izv_layer*& l : fresh) l = zv_lr2d_factory_create_lr(zv_lr2d_type_vector);
    auto scene = std::make_unique<Tzv_bench_scene>();
    state.ResumeTiming();
    for (int i = 0; i < n; ++i) scene->load(fresh[static_cast<size_t>(i)], i % 2 == 0);
    state.PauseTiming();
    scene.reset();
    state.ResumeTiming();
  }
  state.counters[zv_bench_elements] = static_cast<double>(state.range(0));
}

Tzv_bench_rows const rows{
    {"BM_lr_group_load", "tree: load N layers, each verified", "layer"},
};

void sizes(benchmark::internal::Benchmark* b) { b->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond); }

BENCHMARK(BM_lr_group_load)->Apply(sizes);

}  // namespace
