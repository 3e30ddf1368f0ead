// The layer group tree: nodes in intrusive child lists, hash maps from layer
// and group id to slot, and the root's entity collection facade whose
// members are the layers in tree order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <typeinfo>
#include <unordered_map>
#include <vector>

#include "flat_map.h"
#include "lr_entity_base.h"
#include "lr_group_id.h"
#include "zv/izv_scene.h"

class Tzv_lr_tree;

// A node: the root, a group slot or a layer slot. One cache line: a scene
// holds one per layer, and a walk reads nothing but the links, the layer and
// the stamp. A group slot's caption and a node's group id live beside it
// (in the tree and in the pool).
struct alignas(64) Tzv_lr_group {
  Tzv_lr_tree* tree = nullptr;
  Tzv_lr_group* parent = nullptr;
  Tzv_lr_group* first = nullptr;
  Tzv_lr_group* last = nullptr;
  Tzv_lr_group* prev = nullptr;
  Tzv_lr_group* next = nullptr;
  Izv_layer* layer = nullptr;  // layer slots, once tied
  uint32_t stamp = 0;          // scratch mark of the running operation
  uint32_t number : 29 = 0;    // in the tree's node pool, from 1; the root's is 0
  uint32_t is_group : 1 = 0;
  uint32_t filed : 1 = 0;   // a waiting layer slot filed in the tree's table of group ids
  uint32_t marked : 1 = 0;  // group slots; a layer slot asks its layer
};
static_assert(sizeof(void*) != 8 || sizeof(Tzv_lr_group) == 64, "a node per layer: one cache line");

// Requests the node `ahead` places after `n` in memory. Nodes come from a
// pool in blocks, so those after a slot are mostly the next ones of a walk;
// a request never faults, also past the end of a block. Always inlined: a
// call whose only effect is a request looks free of effects, and goes.
[[gnu::always_inline]] inline void zv_lr_prefetch_ahead(Tzv_lr_group const* n, size_t ahead) {
  __builtin_prefetch(reinterpret_cast<void const*>(reinterpret_cast<uintptr_t>(n) + ahead * sizeof(Tzv_lr_group)));
}

// The tree's nodes, made in blocks so that a tree loaded in order lies in
// order in memory (a walk reads it sequentially); freed nodes are reused.
// Each node keeps its number, by which the tree's hash tables refer to it
// and under which the pool keeps its group id.
class Tzv_lr_node_pool {
 public:
  Tzv_lr_group* make();
  // The node and its group id are reset and kept for reuse.
  void recycle(Tzv_lr_group* node);
  Tzv_lr_group* at(uint32_t number) const { return &blocks_[block_of(number)][place_of(number)]; }
  Tzv_lr_group_id& group_id(uint32_t number) const { return ids_[block_of(number)][place_of(number)]; }
  // Sets every node's stamp to 0.
  void clear_stamps();
  // Every node in use, in memory order.
  template <class F>
  void for_each_live(F f) const {
    for (size_t b = 0; b < blocks_.size(); ++b) {
      uint32_t const used = b + 1 == blocks_.size() ? used_in_last_ : block_size;
      for (uint32_t i = 0; i < used; ++i)
        if (blocks_[b][i].tree) f(&blocks_[b][i]);
    }
  }

 private:
  static constexpr uint32_t block_size = 256;
  static uint32_t block_of(uint32_t number) { return (number - 1) / block_size; }
  static uint32_t place_of(uint32_t number) { return (number - 1) % block_size; }

  std::vector<std::unique_ptr<Tzv_lr_group[]>> blocks_;
  std::vector<std::unique_ptr<Tzv_lr_group_id[]>> ids_;
  uint32_t used_in_last_ = block_size;
  std::vector<Tzv_lr_group*> free_;
};

// Casts a scene's members to layers. They are mostly of one type, so the
// layer's place in a member of the type cast last is kept: the next member
// of that type, seen through the same base, costs two reads of its type's
// tables instead of the dynamic cast's search through the type hierarchy.
class Tzv_layer_cast {
 public:
  Izv_layer* operator()(Izv_entity* e);

 private:
  std::type_info const* type_ = nullptr;  // the type cast last
  std::ptrdiff_t entity_at_ = 0;          // the entity's place in that type's objects
  std::ptrdiff_t layer_at_ = 0;           // the layer's place, from the entity
};

class Tzv_lr_tree final : public Tzv_lr_entity_base<Izv_entities> {
 public:
  explicit Tzv_lr_tree(Izv_scene* scene);
  ~Tzv_lr_tree() override;

  Tzv_lr_group* root() { return &root_; }
  static Tzv_lr_tree* of(Tzv_lr_group* node) { return node ? node->tree : nullptr; }
  static bool is_root(Tzv_lr_group* node) { return node && node == &node->tree->root_; }

  // Structure. Moves, grouping, removal and copying announce property 9 once
  // when they changed the tree; adding a layer slot and verification do not
  // (see lr_group.cpp).
  // A new slot, last under `parent`; a group slot bears `caption`.
  Tzv_lr_group* add_slot(Tzv_lr_group* parent, bool group, std::wstring const& caption = {});
  void remove(Tzv_lr_group* slot);
  void clear(Tzv_lr_group* group);
  void set_slot_group_id(Tzv_lr_group* slot, Tzv_lr_group_id id);
  Tzv_lr_group_id const& slot_group_id(Tzv_lr_group const* n) const {
    return n->number ? nodes_.group_id(n->number) : root_id_;
  }
  // A group slot's caption; the root's is the entity's.
  std::wstring const& slot_caption(Tzv_lr_group* slot) const;
  void set_slot_caption(Tzv_lr_group* slot, std::wstring caption);
  void verify();
  void assign(Tzv_lr_tree& src);
  void move(Tzv_lr_group* target, Tzv_lr_group* moved, int32_t dir);
  void move_marked(Tzv_lr_group* anchor, int32_t dir);
  void move_to_active(Tzv_lr_group* slot);

  void set_active_slot(Tzv_lr_group* slot);
  Tzv_lr_group* active_slot() const { return active_; }
  Tzv_lr_group* slot_of(Izv_layer* layer) const;
  Tzv_lr_group* slot_of_entity(Izv_entity const* e) const;
  bool slot_marked(Tzv_lr_group* slot);

  // The walk: see zv_lr_group_get_next. A non-null `limit` ends it on
  // leaving the subtree of `limit`.
  static Tzv_lr_group* next(Tzv_lr_group* slot, bool skip_children, bool layers_only, Tzv_lr_group* limit = nullptr);
  static Tzv_lr_group* step(Tzv_lr_group* slot, bool skip_children);
  static bool is_below(Tzv_lr_group* slot, Tzv_lr_group* ancestor);

  // Izv_entity / Izv_entities: the layers in tree order.
  char const* get_meta_id() override { return "LayerGroupMetaID"; }
  Izv_entity* get_bind_entity(uint32_t i) override { return get_entity(i); }
  uint32_t get_bind_count() override { return get_count(); }
  Izv_entity* get_active() override;
  void set_active(Izv_entity* e) override;
  uint32_t get_active_index() override;
  void set_active_index(uint32_t i) override;
  void create() override {}
  void clear() override { clear(&root_); }
  uint32_t get_count() override { return static_cast<uint32_t>(order().size()); }
  Izv_entity* get_entity(uint32_t i) override;
  Izv_entity* add_entity() override;
  void remove_entity(Izv_entity* e) override;
  void remove_entity(uint32_t i) override { remove_entity(get_entity(i)); }
  void remove_entity_range(uint32_t n, uint32_t* indices) override;
  void remove_marked() override;
  void set_marked_entity(Izv_entity* e) override;
  void set_marked_entity_index(uint32_t i) override { set_marked_entity(get_entity(i)); }
  uint32_t get_entity_index(Izv_entity* e) override;
  void move(uint32_t from, uint32_t to) override;
  void move_marked(uint32_t pos) override;
  Izv_entity* find_entity(wchar_t const* caption) override;

 private:
  std::vector<Izv_layer*> const& order();
  void changed();
  Tzv_lr_group* new_node(Tzv_lr_group* parent, Tzv_lr_group* before, bool group);
  void insert(Tzv_lr_group* parent, Tzv_lr_group* before, Tzv_lr_group* node);
  static void detach(Tzv_lr_group* node);
  // Siblings from `first` to `last`, linked to each other.
  struct Tzv_marked_run {
    Tzv_lr_group* first = nullptr;
    Tzv_lr_group* last = nullptr;
  };
  // What take_marked took out, and where the run holding the base stood.
  struct Tzv_marked_take {
    Tzv_marked_run taken;
    Tzv_lr_group* after_base = nullptr;  // the first sibling after that run that stays
    bool base_left = false;
  };
  void take_marked(Tzv_lr_group* parent, Tzv_lr_group const* base, Tzv_marked_take& take);
  static void unlink_run(Tzv_marked_run const& run);
  static void link_run(Tzv_lr_group* parent, Tzv_lr_group* before, Tzv_marked_run const& run);
  void destroy_subtree(Tzv_lr_group* node);
  void drop(Tzv_lr_group* n);
  void destroy_slots(std::vector<Tzv_lr_group*> const& slots);
  bool clear_silent(Tzv_lr_group* group);
  void clear_all();
  void tie(Tzv_lr_group* slot, Izv_layer* layer);
  bool waits(Tzv_lr_group const* slot) const;
  void wait(Tzv_lr_group* slot);
  void unwait(Tzv_lr_group* slot);
  void file_waiting();
  void forget(Tzv_lr_group* node);
  uint32_t next_stamp();
  Tzv_lr_group_id& group_id(Tzv_lr_group const* n) { return n->number ? nodes_.group_id(n->number) : root_id_; }
  bool verify_last();
  void verify_all();
  // What a verification against the known order found: the layers that
  // left the scene, and the members new to the tree with their places in the
  // new order.
  struct Tzv_new_member {
    Izv_layer* layer;
    size_t at;
    Tzv_lr_group_id id;
  };
  struct Tzv_order_changes {
    std::vector<Izv_layer*> left;
    std::vector<Tzv_new_member> fresh;
  };
  bool verify_in_order();
  bool match_order(Tzv_order_changes& changes);
  size_t find_in_order(Izv_entity const* e, size_t from, size_t to) const;
  void name_new_members(std::vector<Tzv_new_member>& fresh);
  bool apply_order_changes(Tzv_order_changes& changes);
  void put_in_order(std::vector<Tzv_new_member> const& fresh);
  void order_lost() {
    order_valid_ = false;
    ++order_edits_;
  }
  void verify_walk(std::vector<Izv_entity*> const& bound);
  void destroy_stale(std::vector<Tzv_lr_group*> const& stale);
  static bool is_last(Tzv_lr_group const* node);
  static Tzv_lr_group* near_next(Tzv_lr_group* slot);
  static Tzv_lr_group* follow(Tzv_lr_group* expected, Izv_entity const* e, std::vector<Tzv_lr_group*>& passed,
                              bool chase);
  static Tzv_lr_group* next_expected(Tzv_lr_group* slot, bool chase);
  std::vector<Tzv_lr_group*> unstamped(uint32_t stamp) const;
  std::vector<Tzv_lr_group*> unstamped(uint32_t stamp, std::vector<Tzv_lr_group*> passed, size_t stamped) const;
  Tzv_lr_group* waiting_slot(Tzv_lr_group_id const& id);
  Tzv_lr_group* take_slot(Izv_layer* layer, Tzv_lr_group* anchor);
  Tzv_lr_group* take_slot(Izv_layer* layer, Tzv_lr_group* anchor, Tzv_lr_group_id id, Tzv_lr_group* slot);
  Tzv_lr_group_id group_id_of(Izv_layer* layer);
  Izv_layer* bound_layer(uint32_t i) const;
  Tzv_lr_group* slot_of_bound(uint32_t i) const;
  std::vector<Izv_entity*> bound_entities() const;
  std::vector<Izv_layer*> scene_layers() const;
  std::vector<Tzv_lr_group*> marked_tops();
  Tzv_lr_group* top_marked(Tzv_lr_group* node);

  static constexpr size_t cached_slots = 4096;  // 256 KB of nodes: a tree that stays in the cache

  Izv_scene* scene_;
  mutable Tzv_layer_cast as_layer_;
  Izv_string_adp* id_reader_;  // owned; feeds read_id_
  Tzv_lr_group_id read_id_;
  bool reading_id_ = false;
  Tzv_lr_node_pool nodes_;  // before every link into it
  Tzv_lr_group root_;
  Tzv_lr_group_id root_id_;
  Tzv_lr_group* active_ = nullptr;
  Tzv_lr_group* last_tied_ = nullptr;  // its layer's entry in by_layer_ names it
  // Both tables hold node numbers under a 32-bit tag of the key (the layer,
  // the group id); equal tags are told apart by the node itself. Cells of 8
  // bytes keep the tables small next to the nodes. by_layer_ holds the tied
  // layer slots; by_id_ the waiting ones (untied, with a group id) that
  // outgrew unfiled_, the short list of the newest.
  // by_layer_ files its layers by address, so that a walk in the scene's
  // order (mostly the order the layers were made) reads it nearly in order.
  template <class Hash>
  using Tzv_node_table = Tzv_flat_multimap<uint32_t, uint32_t, Hash, Tzv_flat_free::zero_value>;
  Tzv_node_table<Tzv_address_order<4>> by_layer_;
  Tzv_node_table<std::hash<uint32_t>> by_id_;
  std::vector<uint32_t> unfiled_;
  std::unordered_map<Tzv_lr_group const*, std::wstring> captions_;  // group slots with a caption
  size_t layer_slots_ = 0;  // layer slots in the tree, tied or not; by_layer_ holds the tied ones
  uint32_t stamp_ = 0;
  std::vector<Izv_layer*> order_;  // the tied layers in walk order, while order_valid_
  bool order_valid_ = true;
  uint64_t order_edits_ = 0;  // counts every change of the tied layers or their walk order
};
