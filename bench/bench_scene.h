// What the scene benchmarks share: the sizes, scenes of N layers made
// through the exports, and a listener that counts what reaches it.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "table_reporter.h"
#include "zv/scn_2d.h"
#include "zv/sibling/basic.h"
#include "zv/sibling/entity.h"
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

// A node as large as a slot of the layer group tree (one cache line), for
// the memory floors of walks over the tree: `next` links the chase, and the
// first payload word holds a layer where the floor reads one.
struct Tzv_chase_node {
  Tzv_chase_node* next = nullptr;
  void* payload[7] = {};
};

// Nodes holding `layers`, linked in the order that a move of every tenth
// layer to the end leaves their slots in: every layer but each tenth, then
// each tenth. `first` starts the chase.
struct Tzv_marked_chain {
  std::vector<Tzv_chase_node> nodes;
  Tzv_chase_node* first = nullptr;
};

inline Tzv_marked_chain chain_after_marked_move(std::vector<Izv_layer*> const& layers) {
  size_t const n = layers.size();
  Tzv_marked_chain chain{std::vector<Tzv_chase_node>(n)};
  std::vector<size_t> order;
  for (size_t i = 0; i < n; ++i)
    if (i % 10 != 0) order.push_back(i);
  for (size_t i = 0; i < n; i += 10) order.push_back(i);
  for (size_t k = 0; k < n; ++k) {
    chain.nodes[order[k]].next = k + 1 < n ? &chain.nodes[order[k + 1]] : nullptr;
    chain.nodes[order[k]].payload[0] = layers[order[k]];
  }
  chain.first = n > 0 ? &chain.nodes[order.front()] : nullptr;
  return chain;
}

// The marks of the layers along the chain, counted.
inline int chase_marks(Tzv_chase_node const* first) {
  int marked = 0;
  for (Tzv_chase_node const* p = first; p; p = p->next) marked += static_cast<Izv_layer*>(p->payload[0])->get_marked();
  return marked;
}

}  // namespace zv_bench
