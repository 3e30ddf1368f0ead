// What the scene benchmarks share: the sizes, scenes of N layers made
// through the exports, and a listener that counts what reaches it.
#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "../standin/common/lr_entity_base.h"
#include "support/null_entities.h"
#include "table_reporter.h"
#include "zv/scn_2d.h"
#include "zv/sibling/basic.h"
#include "zv/sibling/entity.h"
#include "zv/sibling/lr.h"
#include "zv/sibling/lr2d.h"

namespace zv_bench {

// A whole-list operation over layers scattered on the heap: flat across
// sizes, shown next to one read of every layer (its memory floor).
inline constexpr Tzv_bench_target over_scattered_layers{.floor = "bm_layers_touch"};

// A whole-list operation bound by the cache misses on scattered nodes or
// layers: its floor, the same memory reads or stand-in calls on the same
// objects in a plain loop, grows with size as well. Held to twice its floor
// at each size instead of to the size ratio.
constexpr Tzv_bench_target cache_bound(char const* floor) {
  return {.floor = floor, .floor_limit = 2, .scale_limit = 0, .note = "cache-bound"};
}

// 1,000 and 100,000 layers.
inline void layer_sizes(benchmark::internal::Benchmark* b) { b->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond); }

inline void set_elements(benchmark::State& state, double n) { state.counters["elements"] = n; }

// A scene of n vector layers, added inside one bracket.
inline Izv_scene* make_scene(int64_t n) {
  Izv_scene* scene = zv_scn_2d_create();
  zv_scn_begin_update(scene);
  for (int64_t i = 0; i < n; ++i) zv_scn_2d_add_layer_type_name(scene, zv_lr2d_type_vector);
  zv_scn_end_update(scene);
  return scene;
}

// The scene's layers in index order.
inline std::vector<Izv_layer*> layers_of(Izv_scene* scene) {
  std::vector<Izv_layer*> layers(zv_scn_2d_get_layer_count(scene));
  for (uint32_t i = 0; i < layers.size(); ++i) layers[i] = zv_scn_2d_get_layer_ptr(scene, i);
  return layers;
}

// Every `step`-th of `layers` marked (or unmarked), inside one bracket.
inline void mark_every(Izv_scene* scene, std::vector<Izv_layer*> const& layers, size_t step, bool marked = true) {
  zv_scn_begin_update(scene);
  for (size_t i = 0; i < layers.size(); i += step) zv_lr2d_set_marked(layers[i], marked);
  zv_scn_end_update(scene);
}

inline void ignore_events(Tzv_table*, void*) {}

// The floors of the scene's rows: a scene reduced to a plain vector of
// layers and the layer tree, making the same stand-in calls as the scene's
// operations on the same kind of objects, and nothing of the scene's own.
// What a row costs beyond its floor is then the scene's work.
class Tzv_bare_scene final : public Tzv_null_scene<Tzv_lr_entity_base<Izv_scene>> {
 public:
  Tzv_bare_scene()
      : group(zv_lr_group_create(this)),
        sink_(zv_string_adp_create(
            nullptr, [](wchar_t const* s, void* d) { *static_cast<std::wstring*>(d) += s; }, &id_)) {}
  ~Tzv_bare_scene() override {
    for (Izv_layer* l : layers) destroy(l);
    zv_lr_group_destroy(group);
    zv_string_adp_destroy(sink_);
  }
  Tzv_bare_scene(Tzv_bare_scene const&) = delete;
  Tzv_bare_scene& operator=(Tzv_bare_scene const&) = delete;

  char const* get_meta_id() override { return "BareScene"; }
  uint32_t get_bind_count() override { return static_cast<uint32_t>(layers.size()); }
  Izv_entity* get_bind_entity(uint32_t i) override { return i < layers.size() ? layers[i] : nullptr; }
  Tzv_lr_group* get_lr_group_ptr() override { return group; }

  // The stand-in calls of add_layer: make the layer, set it up, tie it to a
  // new slot by a fresh group id, verify the tree, listen to the layer.
  void add(char const* type) {
    Izv_layer* l = zv_lr2d_factory_create_lr(type);
    layers.push_back(l);
    l->set_parent(this);
    zv_lr2d_set_scn_2d(l, this);
    zv_lr2d_set_wcaption(l, L"Layer");
    zv_lr2d_set_dst_pj4wstr(l, L"");
    Tzv_lr_group* slot = zv_lr_group_add_slot(group);
    id_.clear();
    zv_uuid_generate_string(sink_);
    zv_lr_set_group_id(l, id_.c_str());
    id_.clear();
    zv_lr_get_group_id(l, sink_);
    zv_lr_group_set_group_id(slot, id_.c_str());
    zv_lr_group_verification_layer(group);
    zv_event_channel_add_client(l->get_update_event_channel(), &ignore_events, this);
  }

  // The stand-in calls of del_lr2d_marked, in its order: every layer's mark
  // read, the tree verified against the layers left, the marked ones
  // destroyed.
  void destroy_marked() {
    std::vector<Izv_layer*> gone;
    std::erase_if(layers, [&gone](Izv_layer* l) {
      if (!zv_lr2d_get_marked(l)) return false;
      gone.push_back(l);
      return true;
    });
    zv_lr_group_verification_layer(group);
    for (Izv_layer* l : gone) destroy(l);
  }

  // The stand-in calls of create_layer_group, then of destroy_layer_group:
  // the marked layers into a new composite, which takes the first one's
  // place, the tree verified and its order read back; then the layers back
  // in its place, the tree verified again and the composite destroyed.
  void group_marked_and_back() {
    Tzv_composite_layer_2d* composite = zv_lr2d_group_create();
    Izv_layer* const as_layer = zv_lr2d_group_safe_upcast(composite);
    auto const at = std::find_if(layers.begin(), layers.end(), &zv_lr2d_get_marked) - layers.begin();
    std::erase_if(layers, [composite](Izv_layer* l) {
      if (!zv_lr2d_get_marked(l)) return false;
      zv_lr2d_group_add_sublr(composite, l);
      zv_lr2d_set_marked(l, false);
      return true;
    });
    layers.insert(layers.begin() + at, as_layer);
    zv_lr_group_verification_layer(group);
    read_order();
    std::vector<Izv_layer*> taken;
    for (uint32_t j = 0, n = zv_lr2d_group_sublr_count(composite); j < n; ++j) {
      Izv_layer* l = zv_lr2d_group_extract_sublr(composite, j);
      if (l == nullptr) continue;
      l->set_parent(this);
      taken.push_back(l);
    }
    layers.erase(layers.begin() + at);
    layers.insert(layers.begin() + at, taken.rbegin(), taken.rend());
    zv_lr_group_verification_layer(group);
    destroy(as_layer);
  }

  // The walk that reads the tree's order back after the tree changed: every
  // layer slot's layer compared with the vector.
  size_t read_order() {
    size_t matched = 0;
    for (Tzv_lr_group* slot = zv_lr_group_get_next(group, 0, 1, 0); slot != nullptr;
         slot = zv_lr_group_get_next(slot, 0, 1, 0)) {
      matched += matched < layers.size() && zv_lr_group_get_lr_ptr(slot) == layers[matched] ? 1 : 0;
    }
    return matched;
  }

  Tzv_lr_group* group;
  std::vector<Izv_layer*> layers;

 private:
  // The stand-in calls of destroying a heard layer.
  void destroy(Izv_layer* l) {
    zv_event_channel_del_client(l->get_update_event_channel(), &ignore_events, this);
    zv_lr2d_set_mode(l, 0, 0, 0);
    zv_lr2d_factory_destroy_lr(l);
  }

  std::wstring id_;
  Izv_string_adp* sink_;
};

// Counts the event queues that reach it while it listens to `channel`.
class Tzv_counting_listener {
 public:
  explicit Tzv_counting_listener(Tzv_event_channel* channel) : channel_(channel) {
    zv_event_channel_add_client(channel_, &on_events, this);
  }
  ~Tzv_counting_listener() { zv_event_channel_del_client(channel_, &on_events, this); }
  Tzv_counting_listener(Tzv_counting_listener const&) = delete;
  Tzv_counting_listener& operator=(Tzv_counting_listener const&) = delete;

  int64_t heard() const { return heard_; }

 private:
  static void on_events(Tzv_table*, void* self) { ++static_cast<Tzv_counting_listener*>(self)->heard_; }

  Tzv_event_channel* channel_;
  int64_t heard_ = 0;
};

}  // namespace zv_bench
