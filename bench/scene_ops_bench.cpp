// The scene's operations over all its layers, through the exports, at 1,000
// and 100,000 layers; time per layer of the scene (per operation for a
// single move) should stay flat across sizes.

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "bench_scene.h"
#include "table_reporter.h"
#include "zv/sibling/lr2d_test_hooks.h"

namespace {

using namespace zv_bench;

// A scene of N layers made before the timing and destroyed after it.
class Tzv_timed_scene {
 public:
  // Time is per layer of the scene unless `elements` says otherwise.
  explicit Tzv_timed_scene(benchmark::State& state, int64_t elements = 0)
      : scene_(make_scene(state.range(0))), layers_(layers_of(scene_)) {
    set_elements(state, static_cast<double>(elements != 0 ? elements : state.range(0)));
  }
  ~Tzv_timed_scene() { zv_scn_2d_destroy(scene_); }
  Tzv_timed_scene(Tzv_timed_scene const&) = delete;
  Tzv_timed_scene& operator=(Tzv_timed_scene const&) = delete;

  Izv_scene* get() const { return scene_; }
  std::vector<Izv_layer*> const& layers() const { return layers_; }
  uint32_t count() const { return static_cast<uint32_t>(layers_.size()); }

 private:
  Izv_scene* scene_;
  std::vector<Izv_layer*> layers_;
};

// Every tenth layer marked and removed; as many new layers added again
// untimed, so the scene keeps its size.
void bm_scene_remove_marked(benchmark::State& state) {
  Tzv_timed_scene scene(state);
  for (auto _ : state) {
    state.PauseTiming();
    mark_every(scene.get(), layers_of(scene.get()), 10);
    state.ResumeTiming();
    zv_scn_2d_del_lr2d_marked(scene.get());
    state.PauseTiming();
    zv_scn_begin_update(scene.get());
    while (zv_scn_2d_get_layer_count(scene.get()) < scene.count())
      zv_scn_2d_add_layer_type_name(scene.get(), zv_lr2d_type_vector);
    zv_scn_end_update(scene.get());
    state.ResumeTiming();
  }
}

// The floor of del_lr2d_marked: the same stand-in calls on a bare scene of
// as many layers (Tzv_bare_scene::destroy_marked); as many layers are added
// again untimed.
void bm_standin_del_marked(benchmark::State& state) {
  auto const n = static_cast<size_t>(state.range(0));
  Tzv_bare_scene scene;
  for (auto _ : state) {
    state.PauseTiming();
    while (scene.layers.size() < n) scene.add(zv_lr2d_type_vector);
    for (size_t i = 0; i < n; i += 10) zv_lr2d_set_marked(scene.layers[i], true);
    state.ResumeTiming();
    scene.destroy_marked();
  }
  set_elements(state, static_cast<double>(n));
}

// Every tenth layer marked, moved to the front and back to the end.
void bm_scene_move_marked(benchmark::State& state) {
  Tzv_timed_scene scene(state);
  mark_every(scene.get(), scene.layers(), 10);
  for (auto _ : state) {
    zv_scn_2d_move_marked_layers(scene.get(), 0);
    zv_scn_2d_move_marked_layers(scene.get(), scene.count());
  }
}

// The floor of move_marked_layers: its stand-in calls on a bare scene with
// the same layers marked. Each move reads every layer's mark along the
// vector, finds the anchor's slot and has the tree move its marked slots;
// there and back.
void bm_standin_move_marked(benchmark::State& state) {
  Tzv_bare_scene scene;
  for (int64_t i = 0; i < state.range(0); ++i) scene.add(zv_lr2d_type_vector);
  for (size_t i = 0; i < scene.layers.size(); i += 10) zv_lr2d_set_marked(scene.layers[i], true);
  Izv_layer* const first = scene.layers.front();
  Izv_layer* const last = scene.layers.back();
  for (auto _ : state) {
    for (auto [anchor, dir] : {std::pair{first, -1}, std::pair{last, 0}}) {
      int marked = 0;
      for (Izv_layer* layer : scene.layers) marked += zv_lr2d_get_marked(layer);
      benchmark::DoNotOptimize(marked);
      zv_lr_group_move_marked(zv_lr_group_get_child_by_layer(scene.group, anchor), dir);
    }
  }
  set_elements(state, static_cast<double>(scene.layers.size()));
}

// The first layer moved to the end and back: every entry of the vector
// shifts twice, so time is per layer (per shifted entry).
void bm_scene_move(benchmark::State& state) {
  Tzv_timed_scene scene(state, 2 * state.range(0));
  uint32_t const last = scene.count() - 1;
  for (auto _ : state) {
    zv_scn_2d_move_layer(scene.get(), 0, last);
    zv_scn_2d_move_layer(scene.get(), last, 0);
  }
}

// The middle layer moved ten places down and back: time per move.
void bm_scene_move_near(benchmark::State& state) {
  Tzv_timed_scene scene(state, 2);
  uint32_t const from = scene.count() / 2;
  for (auto _ : state) {
    zv_scn_2d_move_layer(scene.get(), from, from + 10);
    zv_scn_2d_move_layer(scene.get(), from + 10, from);
  }
}

// The floor of create_ and destroy_layer_group: their stand-in calls on a
// bare scene with the same layers marked (Tzv_bare_scene::group_marked_and_back).
void bm_standin_layer_group(benchmark::State& state) {
  Tzv_bare_scene scene;
  for (int64_t i = 0; i < state.range(0); ++i) scene.add(zv_lr2d_type_vector);
  std::vector<Izv_layer*> const made = scene.layers;  // marked as the scene's row marks them
  for (auto _ : state) {
    state.PauseTiming();
    for (size_t i = 0; i < made.size(); i += 10) zv_lr2d_set_marked(made[i], true);
    state.ResumeTiming();
    scene.group_marked_and_back();
  }
  set_elements(state, static_cast<double>(scene.layers.size()));
}

// Every tenth layer gathered into a composite, which is dissolved again.
void bm_scene_layer_group(benchmark::State& state) {
  Tzv_timed_scene scene(state);
  for (auto _ : state) {
    state.PauseTiming();
    mark_every(scene.get(), scene.layers(), 10);
    state.ResumeTiming();
    Tzv_composite_layer_2d* group = zv_scn_2d_create_layer_group(scene.get());
    zv_scn_2d_destroy_layer_group(scene.get(), group);
  }
}

// The two projections the scene switches between.
constexpr std::array<wchar_t const*, 2> two_projections{L"+proj=longlat +datum=WGS84 +no_defs",
                                                        L"+proj=merc +datum=WGS84 +units=m +no_defs"};

// The scene's projection switched between two texts, each handed to every
// layer.
void bm_scene_set_prj4(benchmark::State& state) {
  Tzv_timed_scene scene(state);
  size_t k = 0;
  for (auto _ : state) zv_scn_2d_set_prj4wstring(scene.get(), two_projections[k++ % 2]);
}

// The floor of set_prj4wstring: the stand-in's own part, each text handed to
// the same layers from a plain vector.
void bm_layers_set_pj4(benchmark::State& state) {
  Tzv_timed_scene scene(state);
  size_t k = 0;
  for (auto _ : state) {
    wchar_t const* const text = two_projections[k++ % 2];
    for (Izv_layer* l : scene.layers()) zv_lr2d_set_dst_pj4wstr(l, text);
  }
}

// Every layer with a box of its own.
void give_boxes(std::vector<Izv_layer*> const& layers) {
  for (size_t i = 0; i < layers.size(); ++i) {
    auto const x = static_cast<double>(i);
    Tzv_box_d2 const box = zv_box_d2_init_xy(x, x, x + 1, x + 1);
    zv_lr2d_test_set_box(layers[i], &box);
  }
}

void bm_scene_calc_box(benchmark::State& state) {
  Tzv_timed_scene scene(state);
  give_boxes(scene.layers());
  for (auto _ : state) zv_scn_2d_calc_box(scene.get());
}

// The floor of calc_box: the same layers' boxes read from a plain vector and
// united.
void bm_layers_box(benchmark::State& state) {
  Tzv_timed_scene scene(state);
  give_boxes(scene.layers());
  for (auto _ : state) {
    Tzv_box_d2 all{};
    bool found = false;
    for (Izv_layer* l : scene.layers()) {
      Tzv_box_d2 b{};
      if (!zv_lr2d_get_box(l, &b)) continue;
      Tzv_box_d2 const before = all;
      if (found) zv_box_d2_unite(&before, &b, &all);
      else all = b;
      found = true;
    }
    benchmark::DoNotOptimize(all);
  }
}

// The floor of get_marked_lr2d_box: its stand-in calls in a plain loop, a
// walk over every slot of the same scene's tree that reads each slot's kind
// and mark and the box of each marked layer.
void bm_standin_marked_box(benchmark::State& state) {
  Tzv_timed_scene scene(state);
  give_boxes(scene.layers());
  mark_every(scene.get(), scene.layers(), 10);
  Tzv_lr_group* const root = zv_scn_2d_get_lr_group_ptr(scene.get());
  Tzv_box_d2 box{};
  for (auto _ : state) {
    int found = 0;
    for (Tzv_lr_group* s = zv_lr_group_get_next(root, 0, 0, 0); s != nullptr; s = zv_lr_group_get_next(s, 0, 0, 0)) {
      if (!zv_lr_group_is_group(s) && zv_lr_group_get_marked(s))
        found += zv_lr2d_get_box(zv_lr_group_get_lr_ptr(s), &box);
    }
    benchmark::DoNotOptimize(found);
  }
}

// Every tenth layer marked.
void bm_scene_marked_box(benchmark::State& state) {
  Tzv_timed_scene scene(state);
  give_boxes(scene.layers());
  mark_every(scene.get(), scene.layers(), 10);
  Tzv_box_d2 box{};
  for (auto _ : state) benchmark::DoNotOptimize(zv_scn_2d_get_marked_lr2d_box(scene.get(), &box));
}

// The layers in three distinct projections, in turn.
void bm_scene_pj_list(benchmark::State& state) {
  Tzv_timed_scene scene(state);
  std::array<wchar_t const*, 3> const texts{L"+proj=longlat +datum=WGS84 +no_defs",
                                            L"+proj=merc +datum=WGS84 +units=m +no_defs",
                                            L"+proj=utm +zone=32 +datum=WGS84 +units=m +no_defs"};
  for (size_t i = 0; i < scene.layers().size(); ++i) zv_lr2d_test_set_pj4wstr(scene.layers()[i], texts[i % 3]);
  Tzv_wstrings_obj* shorts = zv_wstrings_create();
  Tzv_wstrings_obj* fulls = zv_wstrings_create();
  for (auto _ : state) {
    zv_wstrings_clear(shorts);
    zv_wstrings_clear(fulls);
    zv_scn_2d_get_prj4list_uniq_short(scene.get(), shorts, fulls);
  }
  if (zv_wstrings_get_size(fulls) != 3) state.SkipWithError("not three distinct projections");
  zv_wstrings_destroy(shorts);
  zv_wstrings_destroy(fulls);
}

Tzv_bench_rows const rows{
    {"bm_standin_del_marked", "the stand-in calls of del_lr2d_marked", "layer", {.scale_limit = 0}},
    {"bm_scene_remove_marked", "del_lr2d_marked (every 10th)", "layer", zv_bench::cache_bound("bm_standin_del_marked")},
    {"bm_standin_move_marked", "the stand-in calls of move_marked_layers", "layer", {.scale_limit = 0}},
    {"bm_scene_move_marked", "move_marked_layers (every 10th), there and back", "layer",
     zv_bench::cache_bound("bm_standin_move_marked")},
    {"bm_scene_move", "move_layer first to last, and back", "layer"},
    {"bm_scene_move_near", "move_layer ten places, and back", "op"},
    {"bm_standin_layer_group", "the stand-in calls of create_ + destroy_layer_group", "layer", {.scale_limit = 0}},
    {"bm_scene_layer_group", "create_ + destroy_layer_group (every 10th)", "layer",
     zv_bench::cache_bound("bm_standin_layer_group")},
    {"bm_layers_set_pj4", "hand every stand-in layer the projection", "layer", {.scale_limit = 0}},
    {"bm_scene_set_prj4", "set_prj4wstring", "layer", zv_bench::cache_bound("bm_layers_set_pj4")},
    {"bm_layers_box", "read and unite every stand-in layer's box", "layer", {.scale_limit = 0}},
    {"bm_scene_calc_box", "calc_box", "layer", zv_bench::cache_bound("bm_layers_box")},
    {"bm_standin_marked_box", "the stand-in calls of get_marked_lr2d_box", "layer", {.scale_limit = 0}},
    {"bm_scene_marked_box", "get_marked_lr2d_box (every 10th)", "layer",
     zv_bench::cache_bound("bm_standin_marked_box")},
    {"bm_scene_pj_list", "get_prj4list_uniq_short (3 projections)", "layer", zv_bench::over_scattered_layers},
};

}  // namespace

BENCHMARK(bm_standin_del_marked)->Apply(layer_sizes);
BENCHMARK(bm_scene_remove_marked)->Apply(layer_sizes);
BENCHMARK(bm_standin_move_marked)->Apply(layer_sizes);
BENCHMARK(bm_scene_move_marked)->Apply(layer_sizes);
BENCHMARK(bm_scene_move)->Apply(layer_sizes);
BENCHMARK(bm_scene_move_near)->Apply(layer_sizes);
BENCHMARK(bm_standin_layer_group)->Apply(layer_sizes);
BENCHMARK(bm_scene_layer_group)->Apply(layer_sizes);
BENCHMARK(bm_layers_set_pj4)->Apply(layer_sizes);
BENCHMARK(bm_scene_set_prj4)->Apply(layer_sizes);
BENCHMARK(bm_layers_box)->Apply(layer_sizes);
BENCHMARK(bm_scene_calc_box)->Apply(layer_sizes);
BENCHMARK(bm_standin_marked_box)->Apply(layer_sizes);
BENCHMARK(bm_scene_marked_box)->Apply(layer_sizes);
BENCHMARK(bm_scene_pj_list)->Apply(layer_sizes);
