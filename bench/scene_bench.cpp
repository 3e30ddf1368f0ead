// The scene's hot paths through the exports, at 1,000 and 100,000 layers:
// a whole load inside one bracket, and reading every layer by index after
// one change (one re-ordering from the tree, then direct reads). Time per
// layer (items) should stay flat across sizes.

#include <benchmark/benchmark.h>

#include <vector>

#include "zv/scn_2d.h"
#include "zv/sibling/entity.h"
#include "zv/sibling/lr2d.h"

namespace {

// The floor of a load: making and destroying the same stand-in layers.
void bm_layer_make_destroy(benchmark::State& state) {
  auto const n = static_cast<size_t>(state.range(0));
  std::vector<Izv_layer*> layers(n);
  for (auto _ : state) {
    for (auto& l : layers) l = zv_lr2d_factory_create_lr(zv_lr2d_type_vector);
    for (auto* l : layers) zv_lr2d_factory_destroy_lr(l);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// N layers added inside one bracket (the scene's making and destruction
// are not timed).
void bm_scene_load_in_one_bracket(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    Izv_scene* scene = zv_scn_2d_create();
    state.ResumeTiming();
    zv_scn_begin_update(scene);
    for (int64_t i = 0; i < state.range(0); ++i) zv_scn_2d_add_layer_type_name(scene, zv_lr2d_type_vector);
    zv_scn_end_update(scene);
    benchmark::DoNotOptimize(zv_scn_2d_get_layer_ptr(scene, 0));
    state.PauseTiming();
    zv_scn_2d_destroy(scene);
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// After one change, every layer read by index.
void bm_scene_read_all_after_change(benchmark::State& state) {
  Izv_scene* scene = zv_scn_2d_create();
  zv_scn_begin_update(scene);
  for (int64_t i = 0; i < state.range(0); ++i) zv_scn_2d_add_layer_type_name(scene, zv_lr2d_type_vector);
  zv_scn_end_update(scene);
  auto const n = static_cast<uint32_t>(state.range(0));
  for (auto _ : state) {
    zv_scn_2d_changed(scene);
    for (uint32_t i = 0; i < n; ++i) benchmark::DoNotOptimize(zv_scn_2d_get_layer_ptr(scene, i));
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  zv_scn_2d_destroy(scene);
}

// The floor of the reads: a walk over a vector of the same pointers.
void bm_vector_read_all(benchmark::State& state) {
  std::vector<Izv_layer*> layers(static_cast<size_t>(state.range(0)), nullptr);
  for (auto _ : state) {
    for (auto* l : layers) benchmark::DoNotOptimize(l);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(bm_layer_make_destroy)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond)->MinTime(3);
BENCHMARK(bm_scene_load_in_one_bracket)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond)->MinTime(3);
BENCHMARK(bm_scene_read_all_after_change)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);
BENCHMARK(bm_vector_read_all)->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond);
