// The scene's layer list through the exports, at 1,000 and 100,000 layers:
// adding layers (inside one bracket, and one by one with listeners on the
// scene and on its collection), a layer's change reaching the collection,
// reading every layer by index after one change, and the heap the scene and
// the tree add per layer.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "bench_scene.h"
#include "event_recorder.h"
#include "heap_counter.h"
#include "table_reporter.h"
#include "zv/scns_2d.h"
#include "zv/sibling/lr.h"
#include "zv/sibling/lr2d_test_hooks.h"

namespace {

using namespace zv_bench;

// The floor of adding layers: the same stand-in calls on a bare scene
// (Tzv_bare_scene::add), then those of destroying the layers. The tree
// verifies a newly loaded last layer in O(1), so the floor is linear in the
// layers; its time per layer grows with size only through the cache misses
// on the heap it fills.
void bm_standin_add(benchmark::State& state) {
  for (auto _ : state) {
    auto scene = std::make_unique<Tzv_bare_scene>();
    for (int64_t i = 0; i < state.range(0); ++i) scene->add(zv_lr2d_type_vector);
    scene.reset();
  }
  state.counters[zv_bench_elements] = static_cast<double>(state.range(0));
}

// N layers added inside one bracket; the scene made and destroyed with them.
void bm_scene_add_in_bracket(benchmark::State& state) {
  for (auto _ : state) {
    Izv_scene* scene = make_scene(state.range(0));
    zv_scn_2d_destroy(scene);
  }
  set_elements(state, static_cast<double>(state.range(0)));
}

// N layers added one by one, no bracket around them, to a scene of a
// collection, each heard by a listener of the scene and of the collection.
void bm_scene_add_heard(benchmark::State& state) {
  int64_t heard = 0;
  for (auto _ : state) {
    Izv_scns2d* scenes = zv_scns_2d_create();
    Izv_scene* scene = zv_scns_2d_add(scenes);
    {
      Tzv_counting_listener on_scenes(zv_scns_2d_get_update_event_channel(scenes));
      Tzv_counting_listener on_scene(zv_scn_2d_get_update_event_channel(scene));
      for (int64_t i = 0; i < state.range(0); ++i) zv_scn_2d_add_layer_type_name(scene, zv_lr2d_type_vector);
      heard += on_scenes.heard() + on_scene.heard();
    }
    zv_scns_2d_destroy(scenes);
  }
  if (heard < 2 * state.range(0)) state.SkipWithError("the listeners did not hear every layer");
  set_elements(state, static_cast<double>(state.range(0)));
}

// One bracket of 10,000 adds: a listener of the scene hears one bracket with
// one update, property 1.
void bm_scene_bracket_trace(benchmark::State& state) {
  for (auto _ : state) {
    Izv_scene* scene = zv_scn_2d_create();
    std::string trace;
    {
      Tzv_event_recorder recorder(zv_scn_2d_get_update_event_channel(scene));
      zv_scn_begin_update(scene);
      for (int i = 0; i < 10000; ++i) zv_scn_2d_add_layer_type_name(scene, zv_lr2d_type_vector);
      zv_scn_end_update(scene);
      trace = recorder.take();
    }
    zv_scn_2d_destroy(scene);
    state.counters[zv_bench_ok] = trace == "B U[1] E" ? 1 : 0;
    state.SetLabel(trace.size() > 60 ? trace.substr(0, 60) + "..." : trace);
  }
}

// A layer of a scene of N layers changes its box: the change reaches a
// listener of the scene's collection.
void bm_layer_change_heard(benchmark::State& state) {
  Izv_scns2d* scenes = zv_scns_2d_create();
  Izv_scene* scene = zv_scns_2d_add(scenes);
  zv_scn_begin_update(scene);
  for (int64_t i = 0; i < state.range(0); ++i) zv_scn_2d_add_layer_type_name(scene, zv_lr2d_type_vector);
  zv_scn_end_update(scene);
  Izv_layer* layer = zv_scn_2d_get_layer_ptr(scene, static_cast<uint32_t>(state.range(0) / 2));
  Tzv_box_d2 box = zv_box_d2_init_xy(0, 0, 1, 1);
  int64_t heard = 0;
  {
    Tzv_counting_listener on_scenes(zv_scns_2d_get_update_event_channel(scenes));
    for (auto _ : state) {
      box.xmax += 1;
      zv_lr2d_test_set_box(layer, &box);
    }
    heard = on_scenes.heard();
  }
  if (heard < state.iterations()) state.SkipWithError("the collection did not hear every change");
  zv_scns_2d_destroy(scenes);
}

// The floor of a heard change: the same change of a layer in no scene.
void bm_layer_change_alone(benchmark::State& state) {
  Izv_layer* layer = zv_lr2d_factory_create_lr(zv_lr2d_type_vector);
  Tzv_box_d2 box = zv_box_d2_init_xy(0, 0, 1, 1);
  for (auto _ : state) {
    box.xmax += 1;
    zv_lr2d_test_set_box(layer, &box);
  }
  zv_lr2d_factory_destroy_lr(layer);
}

// After one change, every layer read by index.
void bm_scene_read_all_after_change(benchmark::State& state) {
  Izv_scene* scene = make_scene(state.range(0));
  auto const n = static_cast<uint32_t>(state.range(0));
  for (auto _ : state) {
    zv_scn_2d_changed(scene);
    for (uint32_t i = 0; i < n; ++i) benchmark::DoNotOptimize(zv_scn_2d_get_layer_ptr(scene, i));
  }
  set_elements(state, n);
  zv_scn_2d_destroy(scene);
}

// The floor of the reads: a walk over a vector of the same pointers.
void bm_vector_read_all(benchmark::State& state) {
  Izv_scene* scene = make_scene(state.range(0));
  std::vector<Izv_layer*> const layers = layers_of(scene);
  for (auto _ : state) {
    for (auto* l : layers) benchmark::DoNotOptimize(l);
  }
  set_elements(state, static_cast<double>(layers.size()));
  zv_scn_2d_destroy(scene);
}

// The floor of a re-read of the order: the same walk over the tree's layer
// slots, each slot's layer compared with a vector of the same pointers, as
// the scene does once after a change before it reads by index.
void bm_tree_walk_read_all(benchmark::State& state) {
  Izv_scene* scene = make_scene(state.range(0));
  std::vector<Izv_layer*> const layers = layers_of(scene);
  Tzv_lr_group* const root = zv_scn_2d_get_lr_group_ptr(scene);
  for (auto _ : state) {
    size_t matched = 0;
    for (Tzv_lr_group* slot = zv_lr_group_get_next(root, 0, 1, 0); slot != nullptr;
         slot = zv_lr_group_get_next(slot, 0, 1, 0)) {
      matched += zv_lr_group_get_lr_ptr(slot) == layers[matched] ? 1 : 0;
    }
    for (auto* l : layers) benchmark::DoNotOptimize(l);
    benchmark::DoNotOptimize(matched);
  }
  set_elements(state, static_cast<double>(layers.size()));
  zv_scn_2d_destroy(scene);
}

// The floor of whole-list reads over scattered layers: one flag read from
// every layer, in index order.
void bm_layers_touch(benchmark::State& state) {
  Izv_scene* scene = make_scene(state.range(0));
  std::vector<Izv_layer*> const layers = layers_of(scene);
  for (auto _ : state) {
    for (auto* l : layers) benchmark::DoNotOptimize(zv_lr2d_get_marked(l));
  }
  set_elements(state, static_cast<double>(layers.size()));
  zv_scn_2d_destroy(scene);
}

// A host loop that changes each layer and reads it back by index: the order
// is re-read from the tree only when the tree changed.
void bm_scene_change_read_each(benchmark::State& state) {
  Izv_scene* scene = make_scene(state.range(0));
  auto const n = static_cast<uint32_t>(state.range(0));
  Tzv_box_d2 box = zv_box_d2_init_xy(0, 0, 1, 1);
  for (auto _ : state) {
    box.xmax += 1;  // a new box every round, so that every layer changes
    for (uint32_t i = 0; i < n; ++i) zv_lr2d_test_set_box(zv_scn_2d_get_layer_ptr(scene, i), &box);
  }
  set_elements(state, n);
  zv_scn_2d_destroy(scene);
}

// Heap bytes that `make` leaves live, per `per` elements, freed by `free`.
template <class Make, class Free>
double live_bytes_of(Make make, Free free, double per) {
  zv_bench_count_heap(true);
  int64_t const before = zv_bench_live_heap_bytes();
  auto made = make();
  int64_t const after = zv_bench_live_heap_bytes();
  zv_bench_count_heap(false);
  free(made);
  return static_cast<double>(after - before) / per;
}

// The least of three counts: process-wide tables (the entity registry's)
// grow now and then while something is made, and their new room is not
// what the made thing holds. After one count has grown them, the next ones
// show the thing alone.
template <class Make, class Free>
double settled_live_bytes_of(Make make, Free free) {
  double least = live_bytes_of(make, free, 1);
  for (int k = 0; k < 2; ++k) least = std::min(least, live_bytes_of(make, free, 1));
  return least;
}

void bm_heap_empty_scene(benchmark::State& state) {
  for (auto _ : state) {
    state.counters[zv_bench_bytes] = settled_live_bytes_of([] { return zv_scn_2d_create(); }, &zv_scn_2d_destroy);
  }
}

// What the scene and the tree hold per layer beyond the layer itself: a
// scene of N layers less an empty scene, less N layers made on their own.
void bm_heap_per_layer(benchmark::State& state) {
  int64_t const n = state.range(0);
  auto const make_layers = [n] {
    std::vector<Izv_layer*> layers(static_cast<size_t>(n));
    for (auto& l : layers) l = zv_lr2d_factory_create_lr(zv_lr2d_type_vector);
    return layers;
  };
  auto const free_layers = [](std::vector<Izv_layer*> const& layers) {
    for (auto* l : layers) zv_lr2d_factory_destroy_lr(l);
  };
  for (auto _ : state) {
    // The vector holding the layers made alone is not theirs.
    double const alone = settled_live_bytes_of(make_layers, free_layers) - static_cast<double>(n) * sizeof(Izv_layer*);
    double const empty = settled_live_bytes_of([] { return zv_scn_2d_create(); }, &zv_scn_2d_destroy);
    double const full = settled_live_bytes_of([n] { return make_scene(n); }, &zv_scn_2d_destroy);
    state.counters[zv_bench_bytes] = (full - empty - alone) / static_cast<double>(n);
  }
}

Tzv_bench_rows const rows{
    {"bm_standin_add", "the stand-in calls of add_layer, and of destroying", "layer", {.scale_limit = 0}},
    {"bm_scene_add_in_bracket",
     "add_layer, all in one bracket",
     "layer",
     {.floor = "bm_standin_add", .floor_limit = 3, .overhead = true, .scale_limit = 0, .note = "cache-bound"}},
    {"bm_scene_add_heard", "add_layer, no bracket, scene+collection heard", "layer", cache_bound("bm_standin_add")},
    {"bm_scene_bracket_trace",
     "10,000 adds in a bracket: scene hears B U[1] E",
     "check",
     {.kind = Tzv_bench_kind::check}},
    {"bm_layer_change_alone", "a layer's change, in no scene", "op", {.scale_limit = 0}},
    {"bm_layer_change_heard",
     "a layer's change reaching a collection listener",
     "op",
     {.floor = "bm_layer_change_alone"}},
    {"bm_vector_read_all", "walk a vector of the layer pointers", "layer", {.scale_limit = 0}},
    {"bm_tree_walk_read_all", "walk the tree's layer slots, then the vector", "layer", {.scale_limit = 0}},
    {"bm_scene_read_all_after_change", "read every layer by index after a change", "layer",
     cache_bound("bm_tree_walk_read_all")},
    {"bm_layers_touch", "read a flag of every layer (scattered)", "layer", {.scale_limit = 0}},
    {"bm_scene_change_read_each", "host loop: get layer i, change it", "layer"},
    {"bm_heap_empty_scene", "heap of an empty scene", "scene", {.kind = Tzv_bench_kind::bytes}},
    {"bm_heap_per_layer",
     "heap per layer, scene and tree beyond the layer",
     "layer",
     {.max_value = 256, .kind = Tzv_bench_kind::bytes}},
};

}  // namespace

BENCHMARK(bm_standin_add)->Apply(layer_sizes);
BENCHMARK(bm_scene_add_in_bracket)->Apply(layer_sizes);
BENCHMARK(bm_scene_add_heard)->Apply(layer_sizes);
BENCHMARK(bm_scene_bracket_trace)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(bm_layer_change_alone)->Apply(layer_sizes);
BENCHMARK(bm_layer_change_heard)->Apply(layer_sizes);
BENCHMARK(bm_vector_read_all)->Apply(layer_sizes);
BENCHMARK(bm_tree_walk_read_all)->Apply(layer_sizes);
BENCHMARK(bm_scene_read_all_after_change)->Apply(layer_sizes);
BENCHMARK(bm_layers_touch)->Apply(layer_sizes);
BENCHMARK(bm_scene_change_read_each)->Apply(layer_sizes);
BENCHMARK(bm_heap_empty_scene)->Iterations(1);
BENCHMARK(bm_heap_per_layer)->Arg(1000)->Arg(100000)->Iterations(1);
