// Layer group tree of the layer stand-in: walk, verification, moves and a
// load at 1,000 and 100,000 layers. Time per layer should stay flat across
// sizes.

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "../standin/common/lr_entity_base.h"
#include "../standin/lr/lr_group.h"
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
  // n layers, in groups of 16 under the root.
  explicit Tzv_bench_scene(int n) : group(zv_lr_group_create(this)) {
    Tzv_lr_group* g = nullptr;
    for (int i = 0; i < n; ++i) {
      if (i % 16 == 0) g = zv_lr_group_add_group(group, L"G");
      Izv_layer* l = zv_lr2d_factory_create_lr(zv_lr2d_type_vector);
      std::wstring id = fresh_id();
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
      std::wstring id = fresh_id();
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
  state.counters[zv_bench_elements] = static_cast<double>(state.range(0));
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
  state.counters[zv_bench_elements] = static_cast<double>(state.range(0));
}

// The scene's move(0, n-1) and back, and a lookup of the slots by layer.
void BM_lr_group_move(benchmark::State& state) {
  Tzv_bench_scene scene(static_cast<int>(state.range(0)));
  size_t const last = scene.layers.size() - 1;
  for (auto _ : state) {
    zv_lr_group_move(scene.slot(last), scene.slot(0), 1);
    zv_lr_group_move(scene.slot(last - 1), scene.slot(0), -1);
  }
  state.counters[zv_bench_elements] = 2;
}

// Every tenth layer marked, moved to the front and back to the end.
void BM_lr_group_move_marked(benchmark::State& state) {
  Tzv_bench_scene scene(static_cast<int>(state.range(0)));
  for (size_t i = 0; i < scene.layers.size(); i += 10) zv_lr2d_set_marked(scene.layers[i], true);
  for (auto _ : state) {
    zv_lr_group_move_marked(scene.slot(0), -1);
    zv_lr_group_move_marked(scene.slot(scene.layers.size() - 1), 0);
  }
  state.counters[zv_bench_elements] = static_cast<double>(state.range(0));
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
  state.counters[zv_bench_elements] = static_cast<double>(state.range(0));
}

using zv_bench::Tzv_chase_node;
static_assert(sizeof(void*) != 8 || sizeof(Tzv_chase_node) == sizeof(Tzv_lr_group), "a node as large as a slot");

// n nodes, linked in the order they lie in memory.
std::vector<Tzv_chase_node> chase_nodes(size_t n) {
  std::vector<Tzv_chase_node> nodes(n);
  for (size_t i = 0; i + 1 < nodes.size(); ++i) nodes[i].next = &nodes[i + 1];
  nodes.back().next = nullptr;
  return nodes;
}

// The memory floor of a walk: chasing links through as many nodes of a
// slot's size, laid out in order, with no call per node.
void BM_node_chase(benchmark::State& state) {
  std::vector<Tzv_chase_node> nodes = chase_nodes(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    int n = 0;
    for (Tzv_chase_node* p = &nodes.front(); p; p = p->next) n += p->payload[0] != nullptr;
    benchmark::DoNotOptimize(n);
  }
  state.counters[zv_bench_elements] = static_cast<double>(state.range(0));
}

// The memory floor of the marked move's walks: the same chase, through the
// nodes in the order the tree's slots take after the first round of that
// benchmark (every layer but each tenth, then each tenth), each node holding
// the layer of its slot and reading its mark; twice, as the move walks the
// tree once each way.
void BM_node_chase_marks(benchmark::State& state) {
  Tzv_bench_scene scene(static_cast<int>(state.range(0)));
  zv_bench::Tzv_marked_chain const chain = zv_bench::chain_after_marked_move(scene.layers);
  for (auto _ : state) {
    for (int pass = 0; pass < 2; ++pass) benchmark::DoNotOptimize(zv_bench::chase_marks(chain.first));
  }
  state.counters[zv_bench_elements] = static_cast<double>(scene.layers.size());
}

Tzv_bench_rows const rows{
    {"BM_node_chase", "chase links through slot-sized nodes", "node", {.scale_limit = 0}},
    {"BM_lr_group_walk", "tree: walk over the layer slots", "layer", {.floor = "BM_node_chase"}},
    {"BM_lr_group_verification", "tree: verification, a layer out and one in", "layer",
     zv_bench::over_scattered_layers},
    {"BM_lr_group_move", "tree: move a slot first to last, and back", "op"},
    {"BM_node_chase_marks", "chase the nodes, reading their layers' marks, twice", "layer", {.scale_limit = 0}},
    {"BM_lr_group_move_marked", "tree: move_marked (every 10th), there and back", "layer",
     zv_bench::cache_bound("BM_node_chase_marks")},
    {"BM_lr_group_load", "tree: load N layers, each verified", "layer"},
};

void sizes(benchmark::internal::Benchmark* b) { b->Arg(1000)->Arg(100000)->Unit(benchmark::kMicrosecond); }

BENCHMARK(BM_node_chase)->Apply(sizes);
BENCHMARK(BM_node_chase_marks)->Apply(sizes);
BENCHMARK(BM_lr_group_walk)->Apply(sizes);
BENCHMARK(BM_lr_group_verification)->Apply(sizes);
BENCHMARK(BM_lr_group_move)->Apply(sizes);
BENCHMARK(BM_lr_group_move_marked)->Apply(sizes);
BENCHMARK(BM_lr_group_load)->Apply(sizes);

}  // namespace
