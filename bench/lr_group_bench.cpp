// Layer group tree of the layer stand-in: walk, verification and moves at
// 1k and 16k layers, a load at 1,000 and 100,000. Per-layer time (items)
// should stay flat across sizes.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "../standin/common/lr_entity_base.h"
#include "support/null_entities.h"
#include "zv/sibling/lr.h"
#include "zv/sibling/lr2d.h"

namespace {

// A scene reduced to what the tree reads: its layer vector.
class Tzv_bench_scene final : public Tzv_null_scene<Tzv_lr_entity_base<Izv_scene>> {
 public:
  // n layers, in groups of 16 under the root.
  explicit Tzv_bench_scene(int n) : group(zv_lr_group_create(this)) {
    Tzv_lr_group* g = nullptr;
    for (int i = 0; i < n; ++i) {
      if (i % 16 == 0) g = zv_lr_group_add_group(group, L"G");
      Izv_layer* l = zv_lr2d_factory_create_lr(zv_lr2d_type_vector);
      std::wstring id = std::to_wstring(i);
      zv_lr_set_group_id(l, id.c_str());
      zv_lr_group_set_group_id(zv_lr_group_add_slot(g), id.c_str());
      layers.push_back(l);
    }
    zv_lr_group_verification_layer(group);
  }
  ~Tzv_bench_scene() override {
    zv_lr_group_destroy(group);
    for (Izv_layer* l : layers) zv_lr2d_destroy(l);
  }

  char const* get_meta_id() override { return "BenchScene"; }
  uint32_t get_bind_count() override { return static_cast<uint32_t>(layers.size()); }
  Izv_entity* get_bind_entity(uint32_t i) override { return i < layers.size() ? layers[i] : nullptr; }
  Tzv_lr_group* get_lr_group_ptr() override { return group; }

  Tzv_lr_group* slot(size_t i) { return zv_lr_group_get_child_by_layer(group, layers[i]); }

  // What the scene does to add a layer: append it, give it a slot with a
  // group id (or none, as add_layer_ex_slot), verify before announcing.
  void load(Izv_layer* l, bool with_slot) {
    layers.push_back(l);
    if (with_slot) {
      std::wstring id = L"load-" + std::to_wstring(layers.size());
      zv_lr_set_group_id(l, id.c_str());
      zv_lr_group_set_group_id(zv_lr_group_add_slot(group), id.c_str());
    }
    zv_lr_group_verification_layer(group);
  }

  Tzv_lr_group* group;
  std::vector<Izv_layer*> layers;
};

// One full walk over the layer slots, as the scene re-reads its order.
void BM_lr_group_walk(benchmark::State& state) {
  Tzv_bench_scene scene(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    int n = 0;
    for (Tzv_lr_group* s = zv_lr_group_get_next(scene.group, 0, 1, 0); s; s = zv_lr_group_get_next(s, 0, 1, 0))
      n += zv_lr_group_get_lr_ptr(s) != nullptr;
    benchmark::DoNotOptimize(n);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// A layer leaves the scene and a new one without slot arrives: two
// verifications, each reading every layer once.
void BM_lr_group_verification(benchmark::State& state) {
  Tzv_bench_scene scene(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    Izv_layer* last = scene.layers.back();
    scene.layers.pop_back();
    zv_lr_group_verification_layer(scene.group);
    zv_lr_set_group_id(last, L"");
    scene.layers.push_back(last);
    zv_lr_group_verification_layer(scene.group);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// The scene's move(0, n-1) and back, and a lookup of the slots by layer.
void BM_lr_group_move(benchmark::State& state) {
  Tzv_bench_scene scene(static_cast<int>(state.range(0)));
  size_t const last = scene.layers.size() - 1;
  for (auto _ : state) {
    zv_lr_group_move(scene.slot(last), scene.slot(0), 1);
    zv_lr_group_move(scene.slot(last - 1), scene.slot(0), -1);
  }
  state.SetItemsProcessed(state.iterations());
}

// Every tenth layer marked, moved to the front and back to the end.
void BM_lr_group_move_marked(benchmark::State& state) {
  Tzv_bench_scene scene(static_cast<int>(state.range(0)));
  for (size_t i = 0; i < scene.layers.size(); i += 10) zv_lr2d_set_marked(scene.layers[i], true);
  for (auto _ : state) {
    zv_lr_group_move_marked(scene.slot(0), -1);
    zv_lr_group_move_marked(scene.slot(scene.layers.size() - 1), 0);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

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
    auto scene = std::make_unique<Tzv_bench_scene>(0);
    state.ResumeTiming();
    for (int i = 0; i < n; ++i) scene->load(fresh[static_cast<size_t>(i)], i % 2 == 0);
    state.PauseTiming();
    scene.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_lr_group_walk)->Arg(1 << 10)->Arg(1 << 14);
BENCHMARK(BM_lr_group_load)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_lr_group_verification)->Arg(1 << 10)->Arg(1 << 14);
BENCHMARK(BM_lr_group_move)->Arg(1 << 10)->Arg(1 << 14);
BENCHMARK(BM_lr_group_move_marked)->Arg(1 << 10)->Arg(1 << 14);

}  // namespace
