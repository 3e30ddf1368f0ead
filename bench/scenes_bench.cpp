// The scene collection through the exports, at 100 and 10,000 scenes:
// adding scenes one by one (each named "Map N" with the smallest free
// number) and a member's change reaching the collection's listener.

#include <cstdint>
#include <vector>

#include "bench_scene.h"
#include "table_reporter.h"
#include "zv/scns_2d.h"

namespace {

using namespace zv_bench;

void scene_sizes(benchmark::internal::Benchmark* b) { b->Arg(100)->Arg(10000)->Unit(benchmark::kMicrosecond); }

// The floor: the same number of scenes made and destroyed on their own.
void bm_scns_scene_make_destroy(benchmark::State& state) {
  std::vector<Izv_scene*> scenes(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    for (auto& s : scenes) s = zv_scn_2d_create();
    for (auto* s : scenes) zv_scn_2d_destroy(s);
  }
  set_elements(state, static_cast<double>(state.range(0)));
}

// N scenes added one by one to a new collection. Only the adds are timed:
// the collection's creation and its destruction with the scenes run with the
// timer paused.
void bm_scns_add(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    Izv_scns2d* scenes = zv_scns_2d_create();
    state.ResumeTiming();
    for (int64_t i = 0; i < state.range(0); ++i) zv_scns_2d_add(scenes);
    state.PauseTiming();
    benchmark::DoNotOptimize(zv_scns_2d_get(scenes, 0));
    zv_scns_2d_destroy(scenes);
    state.ResumeTiming();
  }
  set_elements(state, static_cast<double>(state.range(0)));
}

// The same adds timed together with the collection's destruction.
void bm_scns_add_destroy(benchmark::State& state) {
  for (auto _ : state) {
    Izv_scns2d* scenes = zv_scns_2d_create();
    for (int64_t i = 0; i < state.range(0); ++i) zv_scns_2d_add(scenes);
    benchmark::DoNotOptimize(zv_scns_2d_get(scenes, 0));
    zv_scns_2d_destroy(scenes);
  }
  set_elements(state, static_cast<double>(state.range(0)));
}

// What bm_scns_add's two pauses cost alone, spread over as many scenes.
void bm_scns_pause_overhead(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    state.ResumeTiming();
    state.PauseTiming();
    state.ResumeTiming();
  }
  set_elements(state, static_cast<double>(state.range(0)));
}

// The middle scene of N announces a change; the collection's listener hears it.
void bm_scns_member_change(benchmark::State& state) {
  Izv_scns2d* scenes = zv_scns_2d_create();
  for (int64_t i = 0; i < state.range(0); ++i) zv_scns_2d_add(scenes);
  Izv_scene* scene = zv_scns_2d_get(scenes, static_cast<uint32_t>(state.range(0) / 2));
  int64_t heard = 0;
  {
    Tzv_counting_listener listener(zv_scns_2d_get_update_event_channel(scenes));
    for (auto _ : state) zv_scn_2d_changed(scene);
    heard = listener.heard();
  }
  if (heard < state.iterations()) state.SkipWithError("the collection did not hear every change");
  zv_scns_2d_destroy(scenes);
}

// The floor of a heard change: the same change of a scene in no collection.
void bm_scn_change_alone(benchmark::State& state) {
  Izv_scene* scene = zv_scn_2d_create();
  for (auto _ : state) zv_scn_2d_changed(scene);
  zv_scn_2d_destroy(scene);
}

Tzv_bench_rows const rows{
    {"bm_scns_scene_make_destroy", "make and destroy a scene", "scene", {.scale_limit = 0}},
    {"bm_scns_pause_overhead", "the two timer pauses of scns_2d_add", "scene", {.scale_limit = 0}},
    {"bm_scns_add", "scns_2d_add (unique caption)", "scene", {.floor = "bm_scns_scene_make_destroy"}},
    {"bm_scns_add_destroy",
     "scns_2d_add (unique caption), destroy with all",
     "scene",
     {.floor = "bm_scns_scene_make_destroy", .scale_limit = 0}},
    {"bm_scn_change_alone", "a scene's change, in no collection", "op", {.scale_limit = 0}},
    {"bm_scns_member_change",
     "a scene's change reaching a collection listener",
     "op",
     {.floor = "bm_scn_change_alone"}},
};

}  // namespace

BENCHMARK(bm_scns_scene_make_destroy)->Apply(scene_sizes);
BENCHMARK(bm_scns_pause_overhead)->Apply(scene_sizes);
BENCHMARK(bm_scns_add)->Apply(scene_sizes);
BENCHMARK(bm_scns_add_destroy)->Apply(scene_sizes);
BENCHMARK(bm_scn_change_alone)->Apply(scene_sizes);
BENCHMARK(bm_scns_member_change)->Apply(scene_sizes);
