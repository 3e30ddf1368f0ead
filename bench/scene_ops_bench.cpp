// The scene's operations over all its layers, through the exports, at 1,000
// and 100,000 layers; time per layer of the scene (per operation for a
// single move) should stay flat across sizes.

#include <array>
#include <cstdint>
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

void ignore_events(Tzv_table*, void*) {}

// The floor of del_lr2d_marked: the stand-in's own part of it on layers held
// in a plain vector. Every layer's flag is read and the marked ones are
// destroyed; as many layers are made again untimed, appended as the scene
// appends them. Each layer is heard, as a scene hears its layers, so that
// destroying it also releases a channel with a client; taking the client
// off again is the scene's part.
void bm_layers_destroy_marked(benchmark::State& state) {
  auto const n = static_cast<size_t>(state.range(0));
  std::vector<Izv_layer*> layers;
  auto const refill = [&layers, n] {
    while (layers.size() < n) {
      Izv_layer* layer = zv_lr2d_factory_create_lr(zv_lr2d_type_vector);
      zv_lr2d_set_wcaption(layer, L"Layer");
      zv_event_channel_add_client(layer->get_update_event_channel(), &ignore_events, nullptr);
      layers.push_back(layer);
    }
  };
  refill();
  for (auto _ : state) {
    state.PauseTiming();
    for (size_t i = 0; i < layers.size(); i += 10) zv_lr2d_set_marked(layers[i], true);
    state.ResumeTiming();
    std::erase_if(layers, [](Izv_layer* l) {
      if (!zv_lr2d_get_marked(l)) return false;
      zv_lr2d_factory_destroy_lr(l);
      return true;
    });
    state.PauseTiming();
    refill();
    state.ResumeTiming();
  }
  for (Izv_layer* l : layers) zv_lr2d_factory_destroy_lr(l);
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

// The memory floor of move_marked_layers: each move reads every layer's mark
// through the scene's vector and again along the tree's slots. The vector
// and a chase through as many slot-sized nodes are both in the order a
// round of the benchmark leaves; twice, as it moves there and back.
void bm_scene_move_marked_floor(benchmark::State& state) {
  Tzv_timed_scene scene(state);
  Tzv_marked_chain const chain = chain_after_marked_move(scene.layers());
  std::vector<Izv_layer*> in_order;
  for (Tzv_chase_node const* p = chain.first; p; p = p->next)
    in_order.push_back(static_cast<Izv_layer*>(p->payload[0]));
  for (auto _ : state) {
    for (int pass = 0; pass < 2; ++pass) {
      int marked = chase_marks(chain.first);
      for (Izv_layer* layer : in_order) marked += layer->get_marked();
      benchmark::DoNotOptimize(marked);
    }
  }
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
    {"bm_layers_destroy_marked", "destroy every 10th stand-in layer, heard", "layer", {.scale_limit = 0}},
    {"bm_scene_remove_marked", "del_lr2d_marked (every 10th)", "layer",
     zv_bench::cache_bound("bm_layers_destroy_marked")},
    {"bm_scene_move_marked_floor",
     "read every mark along the vector and the slots, twice",
     "layer",
     {.scale_limit = 0}},
    {"bm_scene_move_marked", "move_marked_layers (every 10th), there and back", "layer",
     zv_bench::cache_bound("bm_scene_move_marked_floor")},
    {"bm_scene_move", "move_layer first to last, and back", "layer"},
    {"bm_scene_move_near", "move_layer ten places, and back", "op"},
    {"bm_scene_layer_group", "create_ + destroy_layer_group (every 10th)", "layer", zv_bench::over_scattered_layers},
    {"bm_layers_set_pj4", "hand every stand-in layer the projection", "layer", {.scale_limit = 0}},
    {"bm_scene_set_prj4", "set_prj4wstring", "layer", zv_bench::cache_bound("bm_layers_set_pj4")},
    {"bm_layers_box", "read and unite every stand-in layer's box", "layer", {.scale_limit = 0}},
    {"bm_scene_calc_box", "calc_box", "layer", zv_bench::cache_bound("bm_layers_box")},
    {"bm_scene_marked_box", "get_marked_lr2d_box (every 10th)", "layer", zv_bench::over_scattered_layers},
    {"bm_scene_pj_list", "get_prj4list_uniq_short (3 projections)", "layer", zv_bench::over_scattered_layers},
};

}  // namespace

BENCHMARK(bm_layers_destroy_marked)->Apply(layer_sizes);
BENCHMARK(bm_scene_remove_marked)->Apply(layer_sizes);
BENCHMARK(bm_scene_move_marked_floor)->Apply(layer_sizes);
BENCHMARK(bm_scene_move_marked)->Apply(layer_sizes);
BENCHMARK(bm_scene_move)->Apply(layer_sizes);
BENCHMARK(bm_scene_move_near)->Apply(layer_sizes);
BENCHMARK(bm_scene_layer_group)->Apply(layer_sizes);
BENCHMARK(bm_layers_set_pj4)->Apply(layer_sizes);
BENCHMARK(bm_scene_set_prj4)->Apply(layer_sizes);
BENCHMARK(bm_layers_box)->Apply(layer_sizes);
BENCHMARK(bm_scene_calc_box)->Apply(layer_sizes);
BENCHMARK(bm_scene_marked_box)->Apply(layer_sizes);
BENCHMARK(bm_scene_pj_list)->Apply(layer_sizes);
