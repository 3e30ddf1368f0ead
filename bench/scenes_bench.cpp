// The scene collection through the exports, at 100 and 10,000 scenes:
// adding N scenes one by one (each named "Map N" with the smallest free
// number), then destroying the collection. Time per scene (items) should
// stay flat across sizes; the floor is making and destroying the same scenes
// without a collection.

#include <benchmark/benchmark.h>

#include <vector>

#include "zv/scn_2d.h"
#include "zv/scns_2d.h"

namespace {

// The floor: the same number of scenes made and destroyed on their own.
void bm_scns_scene_make_destroy(benchmark::State& state) {
  std::vector<Izv_scene*> scenes(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    for (auto& s : scenes) s = zv_scn_2d_create();
    for (auto* s : scenes) zv_scn_2d_destroy(s);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

// N scenes added one by one, then the collection destroyed with them.
void bm_scns_add(benchmark::State& state) {
  for (auto _ : state) {
    Izv_scns2d* scenes = zv_scns_2d_create();
    for (int64_t i = 0; i < state.range(0); ++i) zv_scns_2d_add(scenes);
    benchmark::DoNotOptimize(zv_scns_2d_get(scenes, 0));
    zv_scns_2d_destroy(scenes);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(bm_scns_scene_make_destroy)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond)->MinTime(2);
BENCHMARK(bm_scns_add)->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond)->MinTime(2);
