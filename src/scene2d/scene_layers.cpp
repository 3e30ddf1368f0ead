// The scene's layer list: making and freeing layers, groups, activation,
// moves and selection, and the layer vector kept in the order of the layer
// group tree.
#include <algorithm>
#include <string>
#include <vector>

#include "core/pointer_set.h"
#include "core/prefetch.h"
#include "core/string_adapters.h"
#include "core/update_guard.h"
#include "scene2d/scene_2d.h"
#include "zv/common/unwind.h"

namespace {

void begin_scene(Izv_scene* scene) { zv_scn_begin_update(scene); }
void end_scene(Izv_scene* scene) { zv_scn_end_update(scene); }

// The scene's bracket opened through the entity library, as the moves do.
using Tzv_scene_update_guard = zv::core::Tzv_bracket<Izv_scene, &begin_scene, &end_scene>;

// Brackets opened one at a time and all closed when the scope ends, also
// when an exception passes (the first exception wins).
class Tzv_open_brackets {
 public:
  explicit Tzv_open_brackets(Izv_updatable* obj) : obj_(obj) {}
  ~Tzv_open_brackets() noexcept(false) {
    auto close = [this] {
      while (count_ > 0) {
        --count_;
        obj_->end_update();
      }
    };
    zv::run_cleanup(close);
  }
  Tzv_open_brackets(Tzv_open_brackets const&) = delete;
  Tzv_open_brackets& operator=(Tzv_open_brackets const&) = delete;

  // Counted only once it opened: a begin that throws has closed itself.
  void open() {
    obj_->begin_update();
    ++count_;
  }

 private:
  Izv_updatable* obj_;
  uint32_t count_ = 0;
};

// A new member's ties to its scene: owner, default caption and the scene's
// projection to draw in.
void join_scene(Izv_layer* layer, Tzv_scene_2d& scene) {
  Izv_scene* const self = &scene;
  layer->set_parent(self);
  zv_lr2d_set_scn_2d(layer, self);
  zv_lr2d_set_wcaption(layer, L"Layer");
  zv_lr2d_set_dst_pj4wstr(layer, scene.prj4().c_str());
}

// A new slot of the tree tied to `layer` by a fresh group id; the id the
// layer reports back is the one the slot gets.
// One adapter and one string serve both texts.
void tie_to_new_slot(Tzv_lr_group* group, Izv_layer* layer) {
  Tzv_lr_group* slot = zv_lr_group_add_slot(group);
  std::wstring id;
  Tzv_std_wstring_adapter sink(&id);
  zv_uuid_generate_string(sink);
  zv_lr_set_group_id(layer, id.c_str());
  id.clear();  // a layer that feeds nothing back leaves the slot without an id
  zv_lr_get_group_id(layer, sink);
  zv_lr_group_set_group_id(slot, id.c_str());
}

Tzv_lr_group* slot_of(Tzv_lr_group* group, Izv_entity* entity) {
  return zv_lr_group_get_child_by_layer(group, zv_lr_safe_downcast(entity));
}

// True when `list` holds exactly the layers of `layers`, each once.
bool holds_exactly(Izv_layer_list* list, std::vector<Izv_layer*> const& layers) {
  uint32_t const n = zv_lr_list_get_count(list);
  if (n != layers.size()) return false;
  zv::core::Tzv_pointer_set missing(layers);
  for (uint32_t i = 0; i < n; ++i) {
    if (!missing.take(zv_lr_list_get_layer_ptr(list, i))) return false;
  }
  return missing.size() == 0;
}

// True when the tree's walk yields `layers` in their order: the walk of
// init_layer_list (one step per layer of the vector at most), compared as it
// goes instead of gathered first. `flat`, when asked for, tells whether
// every layer slot on the way lies in the root `group`.
bool tree_follows(Tzv_lr_group* group, std::vector<Izv_layer*> const& layers, bool* flat) {
  size_t matched = 0;
  Tzv_lr_group* slot = group;
  for (size_t step = 0; step < layers.size(); ++step) {
    slot = zv_lr_group_get_next(slot, 0, 1, 0);
    if (slot == nullptr) break;
    if (flat && *flat) *flat = zv_lr_group_get_parent(slot) == group;
    Izv_layer* const layer = zv_lr_group_get_lr_ptr(slot);
    if (layer == nullptr) continue;
    if (layers[matched] != layer) return false;
    ++matched;
  }
  return matched == layers.size();
}

// Overwrites `layers` with the list's order; returns the new index of
// `active` (zv_no_index when it is not among them).
uint32_t take_order(Izv_layer_list* list, std::vector<Izv_layer*>& layers, Izv_layer* active) {
  uint32_t active_at = zv_no_index;
  for (uint32_t i = 0; i < layers.size(); ++i) {
    layers[i] = zv_lr_list_get_layer_ptr(list, i);
    if (layers[i] == active && active != nullptr) active_at = i;
  }
  return active_at;
}

// Points the tree's active slot at the slot of `active` when the activation
// changed, or when a layer is active that the tree's active slot does not
// show (the layer at the active index was replaced). With no active layer
// and no change, an active group slot of the tree stays.
void show_active(Tzv_lr_group* group, Izv_entity* active, bool changed) {
  bool const shown = active != nullptr && zv_lr_group_get_lr_ptr(zv_lr_group_get_active(group)) == active;
  if (changed || (active != nullptr && !shown)) zv_lr_group_set_active(group, slot_of(group, active));
}

// Runs `op` on every layer of the scene's vector `layers`, in index order,
// inside one bracket of the scene. The vector is brought in order once: each
// layer's change makes the order stale, and re-reading it for every layer
// would walk the tree once per layer.
template <class Op>
void for_each_layer(Tzv_scene_2d& scene, std::vector<Izv_layer*> const& layers, Op&& op) {
  Tzv_update_guard bracket(&scene);
  scene.update_layer_list();
  size_t const n = layers.size();
  for (size_t i = 0; i < n && i < layers.size(); ++i) op(layers[i]);
}

}  // namespace

// --- Making and freeing layers ------------------------------------------------

Izv_layer* Tzv_scene_2d::add_entity() { throw zv_not_supported; }

Izv_layer* Tzv_scene_2d::create_entity() { throw zv_not_supported; }

void Tzv_scene_2d::set_count(uint32_t) { throw zv_not_supported; }

Izv_layer* Tzv_scene_2d::create_entity(char const* type) { return zv_lr2d_factory_create_lr(type); }

void Tzv_scene_2d::destroy_entity(Izv_layer* layer) {
  zv_lr2d_set_mode(layer, 0, 0, 0);
  zv_lr2d_factory_destroy_lr(layer);
}

Izv_layer* Tzv_scene_2d::add_layer(char const* type) { return append_layer(type, true); }

// The same without a slot: the tree's verification, which announcing the
// new member runs, gives it one.
Izv_layer* Tzv_scene_2d::add_layer_ex_slot(char const* type) { return append_layer(type, false); }

// A new layer's announcements of its own set-up are not heard: the scene
// announces the new member itself, and adding a layer leaves the scene's
// box as it is. The scene hears the layer from the end of its set-up on,
// also when a step of the set-up throws.
Izv_layer* Tzv_scene_2d::append_layer(char const* type, bool with_slot) {
  Tzv_update_guard bracket(this);
  Izv_layer* layer = create_entity(type);
  if (layer == nullptr) return nullptr;
  zv::undo_on_failure([&] { layer_vector().push_back(layer); }, [layer] { zv_lr2d_factory_destroy_lr(layer); });
  {
    zv::Tzv_finally hear([this, layer] { listen_to(layer); });
    join_scene(layer, *this);
    if (with_slot) tie_to_new_slot(group_.get(), layer);
  }
  broadcast_update_event(zv_prop_members);
  return layer;
}

Izv_layer* Tzv_scene_2d::get_background_layer() { return nullptr; }

// --- Groups -------------------------------------------------------------------

// Each marked layer leaves its vector entry before it goes into the
// composite, so that no layer is ever held by both, even when a listener of
// a layer throws half-way; however the gathering ends, the entries left
// empty are squeezed out and the changed list is announced.
Tzv_composite_layer_2d* Tzv_scene_2d::create_layer_group() {
  Tzv_update_guard bracket(this);
  update_layer_list();
  Tzv_composite_layer_2d* group = zv_lr2d_group_create();
  if (group == nullptr) return nullptr;  // the marked layers stay where they are
  std::vector<Izv_layer*>& layers = layer_vector();
  zv::Tzv_finally announce([this, &layers] {
    std::erase(layers, nullptr);
    broadcast_update_event(zv_prop_members);
  });
  bool placed = false;
  for (uint32_t i = 0; i < layers.size(); ++i) {
    zv::core::prefetch_for(layers, i);
    Izv_layer* layer = layers[i];
    if (layer == nullptr || !zv_lr2d_get_marked(layer)) continue;
    layers[i] = placed ? nullptr : zv_lr2d_group_safe_upcast(group);
    if (!placed) active_index_ref() = i;
    placed = true;
    zv_lr2d_group_add_sublr(group, layer);
    zv_lr2d_set_marked(layer, false);
  }
  return group;
}

// The sub-layers go in at the active index, the one extracted last first;
// with no active layer they take the composite's place, and no layer becomes
// active. They go into the vector together, so that the tree is brought in
// line once, not once per sub-layer.
void Tzv_scene_2d::destroy_layer_group(Tzv_composite_layer_2d* group) {
  Izv_layer* composite = zv_lr2d_group_safe_upcast(group);
  if (composite == nullptr) return;
  Tzv_update_guard bracket(this);
  uint32_t const active = get_active_index();
  uint32_t at = active < get_count() ? active : get_entity_index(composite);
  if (at > get_count()) at = get_count();
  {
    std::vector<Izv_layer*> taken;  // owned by the scene however the extraction ends
    zv::Tzv_finally insert([this, &taken, at] {
      std::vector<Izv_layer*>& layers = layer_vector();
      layers.insert(layers.begin() + at, taken.rbegin(), taken.rend());
    });
    uint32_t const n = zv_lr2d_group_sublr_count(group);
    for (uint32_t j = 0; j < n; ++j) {
      Izv_layer* layer = zv_lr2d_group_extract_sublr(group, j);
      if (layer == nullptr) continue;
      taken.push_back(layer);
      layer->set_parent(static_cast<Izv_scene*>(this));
    }
  }
  remove_entity(composite);
  set_active_index(active);
  broadcast_update_event(zv_prop_members);
}

// --- The vector in tree order ---------------------------------------------------

Izv_layer* Tzv_scene_2d::get_entity(uint32_t i) {
  update_layer_list();
  return Base::get_entity(i);
}

Izv_entity* Tzv_scene_2d::get_active() {
  update_layer_list();
  return Base::get_active();
}

uint32_t Tzv_scene_2d::get_active_index() {
  update_layer_list();
  return Base::get_active_index();
}

Izv_layer* Tzv_scene_2d::get_first() {
  update_layer_list();
  return Base::get_first();
}

Izv_layer* Tzv_scene_2d::get_last() {
  update_layer_list();
  return Base::get_last();
}

uint32_t Tzv_scene_2d::get_entity_index(Izv_entity* e) {
  update_layer_list();
  return Base::get_entity_index(e);
}

Izv_layer* Tzv_scene_2d::find_entity(wchar_t const* caption) {
  update_layer_list();
  return Base::find_entity(caption);
}

Izv_layer* Tzv_scene_2d::extract_entity(uint32_t i) {
  update_layer_list();
  return Base::extract_entity(i);
}

void Tzv_scene_2d::insert_entity(uint32_t i, Izv_layer* e) {
  update_layer_list();
  Base::insert_entity(i, e);
}

void Tzv_scene_2d::remove_entity(uint32_t i) {
  update_layer_list();
  Base::remove_entity(i);
}

void Tzv_scene_2d::remove_entity_range(uint32_t n, uint32_t* indices) {
  update_layer_list();
  Base::remove_entity_range(n, indices);
}

void Tzv_scene_2d::set_marked_entity_index(uint32_t i) {
  update_layer_list();
  Base::set_marked_entity_index(i);
}

// A walk that does not yield exactly the scene's layers (the tree still holds
// a layer that left, or lacks one that came) leaves the vector as it is and
// the flag cleared, so the next read tries again.
void Tzv_scene_2d::update_layer_list(bool with_flatness) {
  bool const flatness_wanted = with_flatness && flatness_ == Tflatness::unknown;
  if (layer_list_valid_ && !flatness_wanted) return;
  layer_list_valid_ = true;
  zv::undo_on_failure([this, with_flatness] { reorder_layer_list(with_flatness); },
                      [this] { layer_list_valid_ = false; });
}

void Tzv_scene_2d::reorder_layer_list(bool with_flatness) {
  std::vector<Izv_layer*>& layers = layer_vector();
  flatness_ = Tflatness::unknown;
  // The usual case: the scene moved its entries as the tree moved its slots.
  bool flat = true;
  if (!group_ || tree_follows(group_.get(), layers, with_flatness ? &flat : nullptr)) {
    if (group_ && with_flatness) flatness_ = flat ? Tflatness::flat : Tflatness::nested;
    return;
  }
  zv::scope<Izv_layer_list*, &zv_lr_list_destroy> list(zv_lr_list_create());
  init_layer_list(list.get());
  if (!holds_exactly(list.get(), layers)) {
    layer_list_valid_ = false;
    return;
  }
  uint32_t& active = active_index_ref();
  Izv_layer* const active_layer = active < layers.size() ? layers[active] : nullptr;
  uint32_t const active_at = take_order(list.get(), layers, active_layer);
  if (active_layer != nullptr) active = active_at;
}

// Up to one step of the walk per layer of the vector; a slot without a layer
// still counts as a step.
void Tzv_scene_2d::init_layer_list(Izv_layer_list* list) {
  zv_lr_list_clear(list);
  std::vector<Izv_layer*> const& layers = layer_vector();
  if (!group_) {
    for (Izv_layer* layer : layers) zv_lr_list_add_layer_ptr(list, layer);
    return;
  }
  Tzv_lr_group* slot = group_.get();
  for (size_t step = 0; step < layers.size(); ++step) {
    slot = zv_lr_group_get_next(slot, 0, 1, 0);
    if (slot == nullptr) return;
    if (Izv_layer* layer = zv_lr_group_get_lr_ptr(slot)) zv_lr_list_add_layer_ptr(list, layer);
  }
}

// --- Activation: the active layer and the tree's active slot go together --------

void Tzv_scene_2d::set_active(Izv_entity* e) {
  Tzv_update_guard bracket(this);
  update_layer_list();
  uint32_t const old = Base::get_active_index();
  Base::set_active(e);
  show_active(group_.get(), Base::get_active(), Base::get_active_index() != old);
}

void Tzv_scene_2d::set_active_index(uint32_t i) {
  Tzv_update_guard bracket(this);
  update_layer_list();
  uint32_t const old = Base::get_active_index();
  Base::set_active_index(i);
  show_active(group_.get(), Base::get_active(), i != old);
}

// --- Moves: in the vector and in the tree --------------------------------------------
// The slots are taken from the vector as it stands; the vector moves before
// the tree, so that the tree's announcement of its new order cannot re-order
// the vector before the vector's own move. A vector that was in tree order
// stays so after moving a layer among the root's: it is not walked again.

// A target at or past the end is the end, in the vector as in the tree.
void Tzv_scene_2d::move(uint32_t from, uint32_t to) {
  Tzv_scene_update_guard bracket(this);
  uint32_t const last = get_count() == 0 ? 0 : get_count() - 1;
  Tzv_lr_group* target = nullptr;
  Tzv_lr_group* moved = nullptr;
  bool const in_tree = group_ && from != to;
  if (in_tree) {
    target = slot_of(group_.get(), get_entity(to < get_count() ? to : get_count()));  // null past the end
    moved = slot_of(group_.get(), get_entity(from));
  }
  // Two layer slots of the root: the tree's move is the vector's rotation.
  bool const in_order = layer_list_valid_ && moved != nullptr && target != nullptr &&
                        zv_lr_group_get_parent(moved) == group_.get() && zv_lr_group_get_parent(target) == group_.get();
  move_members(
      in_order, [this, from, to, last] { Base::move(from, std::min(to, last)); },
      [&] {
        if (in_tree) zv_lr_group_move(target, moved, to > from ? 1 : -1);
      });
}

// To the front: before layer 0; elsewhere: after the layer before `pos` (a
// place past the end is the end).
void Tzv_scene_2d::move_marked(uint32_t pos) {
  Tzv_scene_update_guard bracket(this);
  uint32_t const place = std::min(pos, get_count());
  update_layer_list(true);
  Tzv_lr_group* anchor = group_ ? slot_of(group_.get(), get_entity(place == 0 ? 0 : place - 1)) : nullptr;
  // Layer slots all in the root: the tree moves the marked ones as the vector
  // does (groups without layers in between change nothing of the order).
  bool const in_order = layer_list_valid_ && flatness_ == Tflatness::flat;
  move_members(
      in_order, [this, pos] { Base::move_marked(pos); },
      [&] {
        if (group_) zv_lr_group_move_marked(anchor, place == 0 ? -1 : 0);
      });
}

// A move keeps the same layers: the tree needs no verification, which would
// read every layer. The vector's move announces the members once and the
// tree's move announces itself once at most; a listener that changed the
// order on the way made more announcements, and then the vector is walked
// again however it stood.
template <class Move, class Tree_move>
void Tzv_scene_2d::move_members(bool keeps_order, Move&& move, Tree_move&& tree_move) {
  uint64_t const start = order_epoch_;
  {
    order_only_ = true;
    zv::Tzv_finally done([this] { order_only_ = false; });
    move();
  }
  uint64_t const moved = order_epoch_;
  tree_move();
  if (keeps_order && moved == start + 1 && order_epoch_ <= moved + 1) layer_list_valid_ = true;
}

// The vector follows through the tree's events.
void Tzv_scene_2d::move_layer_to_active_group(Izv_layer* layer) {
  if (!group_) return;
  if (Tzv_lr_group* slot = slot_of(group_.get(), layer)) zv_lr_group_move_to_active(group_.get(), slot);
}

// --- Selection in every layer --------------------------------------------------

void Tzv_scene_2d::set_selected_all(bool selected) {
  for_each_layer(*this, layer_vector(), [selected](Izv_layer* layer) { zv_lr2d_set_selected_all(layer, selected); });
}

void Tzv_scene_2d::selected_invert() {
  for_each_layer(*this, layer_vector(), [](Izv_layer* layer) { zv_lr2d_selected_invert(layer); });
}

// --- Layer events ---------------------------------------------------------------

void Tzv_scene_2d::on_member_update(Tzv_table& queue) { on_layer_update(queue); }

// A layer's events are re-announced as property 1 carrying the layer's
// properties. A queue with updates is handled inside one bracket of the
// scene per begin event it holds, so that its begin, updates and end reach
// the scene's listeners as one bracket, closed also when a listener throws.
// A queue without updates (a channel that delivers the layer's begin and end
// events one at a time) passes its begin or end straight through.
void Tzv_scene_2d::on_layer_update(Tzv_table& queue) {
  if (zv_event_queue_count_update_events(&queue) == 0) {
    broadcast_update_event(zv_prop_members, queue);
    return;
  }
  Tzv_open_brackets brackets(this);
  int32_t const n = zv_event_queue_get_size(&queue);
  for (int32_t i = 0; i < n; ++i) {
    if (zv_event_queue_get_begin_update_event(&queue, i) != nullptr) brackets.open();
  }
  box_valid_ = false;
  broadcast_update_event(zv_prop_members, queue);
}
