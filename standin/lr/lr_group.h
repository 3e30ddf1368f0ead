// The layer group tree: each node keeps its children in a std::list, the
// tree maps layers and waiting group ids to slots, and the root is an
// entity collection facade whose members are the layers in tree order.
#pragma once

#include <cstdint>
#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "lr_entity_base.h"
#include "zv/izv_scene.h"

class Tzv_lr_tree;

// A node: the root, a group slot or a layer slot. Nodes live in their
// parent's child list; splicing keeps their addresses, which are the handles.
// What layer slots seldom have lies apart, made when first needed, so that
// the many layer slots stay small.
struct Tzv_lr_group {
  using Tchildren = std::list<Tzv_lr_group>;
  struct Tgroup_part {
    Tchildren children;  // group slots
    std::wstring caption;
    bool marked = false;  // group slots; a layer slot asks its layer
  };

  Tzv_lr_tree* tree = nullptr;
  Tzv_lr_group* parent = nullptr;
  Tchildren::iterator self;    // its place in parent->kids()
  Izv_layer* layer = nullptr;  // layer slots, once tied
  std::unique_ptr<Tgroup_part> part;
  Tzv_lr_group_id group_id;
  uint32_t claimed = 0;  // the last verification that found its layer in the scene
  bool is_group = false;

  Tgroup_part& own_part() {
    if (!part) part = std::make_unique<Tgroup_part>();
    return *part;
  }
  Tchildren& kids() { return own_part().children; }  // group slots
  bool has_kids() const { return part && !part->children.empty(); }
  Tzv_lr_group* first() { return has_kids() ? &part->children.front() : nullptr; }
  Tzv_lr_group* next_sibling() const;
};

class Tzv_lr_tree final : public Tzv_lr_entity_base<Izv_entities> {
 public:
  explicit Tzv_lr_tree(Izv_scene* scene);
  ~Tzv_lr_tree() override;

  Tzv_lr_group* root() { return &root_; }
  static bool is_root(Tzv_lr_group* node) { return node && node == &node->tree->root_; }

  // Structure (changed() tells which changes announce). A new slot, last
  // under `parent`; a group slot bears `caption`.
  Tzv_lr_group* add_slot(Tzv_lr_group* parent, bool group, std::wstring const& caption = {});
  void remove(Tzv_lr_group* slot);
  void clear(Tzv_lr_group* group) {
    if (group->is_group && clear_silent(group)) changed();
  }
  void set_slot_group_id(Tzv_lr_group* slot, std::wstring_view id);
  void verify() {
    if (!verify_last()) verify_all();
  }
  void assign(Tzv_lr_tree& src);
  void move(Tzv_lr_group* target, Tzv_lr_group* moved, int32_t dir);
  void move_marked(Tzv_lr_group* anchor, int32_t dir);
  void move_to_active(Tzv_lr_group* slot);

  void set_active_slot(Tzv_lr_group* slot);
  Tzv_lr_group* active_slot() const { return active_; }
  Tzv_lr_group* slot_of(Izv_entity const* layer) const;
  bool slot_marked(Tzv_lr_group* slot) { return slot == &root_ ? get_marked() : walk_mark(slot); }

  // The walk: see zv_lr_group_get_next. A non-null `limit` ends it on
  // leaving the subtree of `limit`.
  static Tzv_lr_group* next(Tzv_lr_group* slot, bool skip_children, bool layers_only, Tzv_lr_group* limit = nullptr);
  static bool is_below(Tzv_lr_group* slot, Tzv_lr_group* ancestor);

  // Izv_entity / Izv_entities: the layers in tree order.
  char const* get_meta_id() override { return "LayerGroupMetaID"; }
  Izv_entity* get_bind_entity(uint32_t i) override { return get_entity(i); }
  uint32_t get_bind_count() override { return get_count(); }
  Izv_entity* get_active() override { return active_ ? active_->layer : nullptr; }
  void set_active(Izv_entity* e) override { set_active_slot(slot_of(e)); }
  uint32_t get_active_index() override { return get_entity_index(get_active()); }
  void set_active_index(uint32_t i) override { set_active(get_entity(i)); }
  void create() override {}
  void clear() override { clear(&root_); }
  uint32_t get_count() override { return static_cast<uint32_t>(order().size()); }
  Izv_entity* get_entity(uint32_t i) override;
  Izv_entity* add_entity() override { throw "Not Supported Exception"; }
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
  static void splice(Tzv_lr_group* parent, Tzv_lr_group* before, Tzv_lr_group* node);
  void destroy(Tzv_lr_group* node);
  void forget(Tzv_lr_group* node);
  bool clear_silent(Tzv_lr_group* group);
  void tie(Tzv_lr_group* slot, Izv_layer* layer);
  void wait(Tzv_lr_group* slot);
  void unwait(Tzv_lr_group* slot);
  Tzv_lr_group* waiting_slot(std::wstring const& id) const;
  Tzv_lr_group* take_slot(Izv_layer* layer, Tzv_lr_group* anchor, std::wstring id);
  bool verify_last();
  void verify_all();
  std::vector<Izv_entity*> bound_entities() const;
  void copy_nodes(Tzv_lr_tree& src, std::vector<Tzv_lr_group*>& slots);
  std::vector<Tzv_lr_group*> marked_tops();
  Tzv_lr_group* top_marked(Tzv_lr_group* node);
  static bool walk_mark(Tzv_lr_group const* n);

  Izv_scene* scene_;
  Tzv_lr_group root_;
  Tzv_lr_group* active_ = nullptr;
  // The tied layer slots by layer (a layer tied twice names its newer slot),
  // and the waiting ones (untied, with a group id) by id, the newest last.
  std::unordered_map<Izv_entity const*, Tzv_lr_group*> by_layer_;
  std::unordered_map<std::wstring, std::vector<Tzv_lr_group*>> waiting_;
  size_t layer_slots_ = 0;  // layer slots in the tree, tied or not
  // Verification rounds. 0 is skipped: a layer slot bears the last round or
  // none (0), so a count that wraps still tells them apart.
  uint32_t verifications_ = 0;
  // The tied layers in walk order, while order_valid_. A load appends to it.
  std::vector<Izv_layer*> order_;
  bool order_valid_ = true;
};
