#include "lr_group.h"

#include <algorithm>
#include <iterator>

namespace {

std::wstring fresh_group_id() {
  return zv_lr_text::read([](Izv_string_adp* adp) { zv_uuid_generate_string(adp); });
}

std::wstring group_id_of(Izv_layer* layer) {
  return zv_lr_text::read([layer](Izv_string_adp* adp) { layer->get_group_id(adp); });
}

Izv_layer* as_layer(Izv_entity* e) { return dynamic_cast<Izv_layer*>(e); }

// Whether nothing follows `node` in a walk.
bool is_last(Tzv_lr_group* node) {
  if (node->has_kids()) return false;
  for (; node; node = node->parent)
    if (node->next_sibling()) return false;
  return true;
}

// One step of the walk: into the children when `descend`, else to the next
// sibling of the node or of the nearest ancestor below `limit` that has one.
Tzv_lr_group* step(Tzv_lr_group* n, bool descend, Tzv_lr_group* limit) {
  if (descend && n->has_kids()) return n->first();
  for (; n && n != limit; n = n->parent)
    if (Tzv_lr_group* s = n->next_sibling()) return s;
  return nullptr;
}

}  // namespace

Tzv_lr_group* Tzv_lr_group::next_sibling() const {
  if (!parent) return nullptr;
  auto const it = std::next(self);
  return it == parent->part->children.end() ? nullptr : &*it;
}

Tzv_lr_tree::Tzv_lr_tree(Izv_scene* scene) : scene_(scene) {
  root_.tree = this;
  root_.is_group = true;
}

Tzv_lr_tree::~Tzv_lr_tree() { clear_silent(&root_); }

// --- Nodes and tables --------------------------------------------------------

Tzv_lr_group* Tzv_lr_tree::new_node(Tzv_lr_group* parent, Tzv_lr_group* before, bool group) {
  Tzv_lr_group::Tchildren& kids = parent->kids();
  auto const it = kids.emplace(before ? before->self : kids.end());
  it->tree = this;
  it->parent = parent;
  it->self = it;
  it->is_group = group;
  if (!group) ++layer_slots_;
  return &*it;
}

// Moves `node` (with its subtree) before `before` under `parent`, or last
// when `before` is null. Splicing keeps every node where it is in memory.
void Tzv_lr_tree::splice(Tzv_lr_group* parent, Tzv_lr_group* before, Tzv_lr_group* node) {
  Tzv_lr_group::Tchildren& kids = parent->kids();
  kids.splice(before ? before->self : kids.end(), node->parent->kids(), node->self);
  node->parent = parent;
}

// The subtree goes leaves first, so that no list destroys a nested one.
void Tzv_lr_tree::destroy(Tzv_lr_group* node) {
  std::vector<Tzv_lr_group*> doomed{node};
  for (Tzv_lr_group* n = next(node, false, false, node); n; n = next(n, false, false, node)) doomed.push_back(n);
  for (size_t k = doomed.size(); k-- > 0;) {
    Tzv_lr_group* n = doomed[k];
    forget(n);
    if (n == active_) active_ = nullptr;
    if (!n->is_group) --layer_slots_;
    n->parent->kids().erase(n->self);
  }
  order_valid_ = false;
}

void Tzv_lr_tree::forget(Tzv_lr_group* node) {
  if (!node->layer) return unwait(node);
  auto const it = by_layer_.find(node->layer);
  if (it != by_layer_.end() && it->second == node) by_layer_.erase(it);
}

bool Tzv_lr_tree::clear_silent(Tzv_lr_group* group) {
  bool const any = group->has_kids();
  while (group->has_kids()) destroy(group->first());
  return any;
}

// Ties an untied slot. The order of the tied layers stays known when a new
// layer is tied last in the walk, as a load ties them.
void Tzv_lr_tree::tie(Tzv_lr_group* slot, Izv_layer* layer) {
  bool const appended = order_valid_ && is_last(slot);
  unwait(slot);
  slot->layer = layer;
  bool const fresh = by_layer_.insert_or_assign(layer, slot).second;
  if (appended && fresh) order_.push_back(layer);
  else order_valid_ = false;
}

// A layer slot waits for its layer while it is untied and bears a group id.
void Tzv_lr_tree::wait(Tzv_lr_group* slot) {
  if (!slot->is_group && !slot->layer && !slot->group_id.empty()) waiting_[slot->group_id.text()].push_back(slot);
}

void Tzv_lr_tree::unwait(Tzv_lr_group* slot) {
  auto const it = waiting_.empty() ? waiting_.end() : waiting_.find(slot->group_id.text());
  if (it == waiting_.end()) return;
  std::erase(it->second, slot);
  if (it->second.empty()) waiting_.erase(it);
}

Tzv_lr_group* Tzv_lr_tree::waiting_slot(std::wstring const& id) const {
  auto const it = id.empty() ? waiting_.end() : waiting_.find(id);
  return it == waiting_.end() ? nullptr : it->second.back();
}

Tzv_lr_group* Tzv_lr_tree::slot_of(Izv_entity const* layer) const {
  auto const it = layer ? by_layer_.find(layer) : by_layer_.end();
  return it == by_layer_.end() ? nullptr : it->second;
}

// Property 9 tells listeners that a walk now shows a structure or order they
// did not cause (moves, a new group slot, removal, clearing, copying). Adding
// a layer slot, tying it and verification stay silent: verification follows
// what the scene announced itself, and to the scene 9 means "re-read the
// tree and recompute the box", which a mere addition must not cause.
void Tzv_lr_tree::changed() {
  order_valid_ = false;
  announce(zv_prop_layer_group);
}

std::vector<Izv_layer*> const& Tzv_lr_tree::order() {
  if (order_valid_) return order_;
  order_.clear();
  for (Tzv_lr_group* n = next(&root_, false, true); n; n = next(n, false, true))
    if (n->layer) order_.push_back(n->layer);
  order_valid_ = true;
  return order_;
}

// --- Walk and queries --------------------------------------------------------

Tzv_lr_group* Tzv_lr_tree::next(Tzv_lr_group* slot, bool skip_children, bool layers_only, Tzv_lr_group* limit) {
  Tzv_lr_group* n = step(slot, !skip_children, limit);
  while (n && layers_only && n->is_group) n = step(n, true, limit);
  return n;
}

bool Tzv_lr_tree::is_below(Tzv_lr_group* slot, Tzv_lr_group* ancestor) {
  for (Tzv_lr_group* p = slot->parent; p; p = p->parent)
    if (p == ancestor) return true;
  return false;
}

// The mark of a slot that a walk reaches: a group's own, a layer slot's its
// layer's.
bool Tzv_lr_tree::walk_mark(Tzv_lr_group const* n) {
  return n->is_group ? n->part && n->part->marked : n->layer && n->layer->get_marked();
}

// Marked slots that lie under no marked group, in tree order.
std::vector<Tzv_lr_group*> Tzv_lr_tree::marked_tops() {
  std::vector<Tzv_lr_group*> tops;
  for (Tzv_lr_group* n = next(&root_, false, false); n;) {
    bool const marked = walk_mark(n);
    if (marked) tops.push_back(n);
    n = next(n, marked, false);
  }
  return tops;
}

Tzv_lr_group* Tzv_lr_tree::top_marked(Tzv_lr_group* node) {
  Tzv_lr_group* top = nullptr;
  for (Tzv_lr_group* n = node; n && n != &root_; n = n->parent)
    if (slot_marked(n)) top = n;
  return top;
}

// --- Structure ---------------------------------------------------------------

Tzv_lr_group* Tzv_lr_tree::add_slot(Tzv_lr_group* parent, bool group, std::wstring const& caption) {
  if (!parent->is_group) return nullptr;
  Tzv_lr_group* node = new_node(parent, nullptr, group);
  if (!group) return node;             // an untied layer slot changes no order
  node->own_part().caption = caption;  // before the announcement, which a listener may leave by throwing
  changed();
  return node;
}

void Tzv_lr_tree::remove(Tzv_lr_group* slot) {
  if (slot == &root_) return;
  destroy(slot);
  changed();
}

void Tzv_lr_tree::set_slot_group_id(Tzv_lr_group* slot, std::wstring_view id) {
  unwait(slot);
  slot->group_id = Tzv_lr_group_id(id);
  wait(slot);
}

std::vector<Izv_entity*> Tzv_lr_tree::bound_entities() const {
  uint32_t const n = scene_ ? scene_->get_bind_count() : 0;
  std::vector<Izv_entity*> entities;
  entities.reserve(n);
  for (uint32_t i = 0; i < n; ++i) entities.push_back(scene_->get_bind_entity(i));
  return entities;
}

// Ties a layer that has no slot: to the slot waiting under its group id, or
// to a new slot right after `anchor` (the slot of the layer before it in the
// scene), in the same group; first in the root when there is no anchor. A
// layer without a group id (`id`, as read from it) gets a fresh one.
Tzv_lr_group* Tzv_lr_tree::take_slot(Izv_layer* layer, Tzv_lr_group* anchor, std::wstring id) {
  Tzv_lr_group* slot = waiting_slot(id);
  if (!slot) {
    if (id.empty()) layer->set_group_id((id = fresh_group_id()).c_str());
    slot = anchor ? new_node(anchor->parent, anchor->next_sibling(), false) : new_node(&root_, root_.first(), false);
    slot->group_id = Tzv_lr_group_id(id);
  }
  tie(slot, layer);
  return slot;
}

// A load adds layers one by one at the end, verifying after each. When the
// tree knows every bound layer but the last and holds no other layer slot
// than the one waiting for it, only the last needs a slot: O(1). The scene
// verifies after every change of its layers, so the count tells the truth;
// any other state takes the walk.
bool Tzv_lr_tree::verify_last() {
  uint32_t const n = scene_ ? scene_->get_bind_count() : 0;
  if (n == 0 || n != by_layer_.size() + 1) return false;
  Izv_layer* last = as_layer(scene_->get_bind_entity(n - 1));
  if (!last || slot_of(last)) return false;
  Tzv_lr_group* anchor = n > 1 ? slot_of(scene_->get_bind_entity(n - 2)) : nullptr;
  if (n > 1 && !anchor) return false;
  std::wstring id = group_id_of(last);
  size_t const loose = layer_slots_ - by_layer_.size();
  if (loose > 1 || (loose == 1 && !waiting_slot(id))) return false;
  take_slot(last, anchor, std::move(id));
  return true;
}

// Every bound layer gets a slot, in the scene's order; layer slots that no
// bound layer claimed in this round go. O(N). The members are copied first:
// tying a layer may reach the scene's listeners.
void Tzv_lr_tree::verify_all() {
  if (++verifications_ == 0) ++verifications_;
  uint32_t const round = verifications_;
  Tzv_lr_group* anchor = nullptr;
  for (Izv_entity* e : bound_entities()) {
    Tzv_lr_group* slot = slot_of(e);
    if (!slot) {
      Izv_layer* layer = as_layer(e);
      if (!layer) continue;
      slot = take_slot(layer, anchor, group_id_of(layer));
    }
    slot->claimed = round;
    anchor = slot;
  }
  std::vector<Tzv_lr_group*> stale;
  for (Tzv_lr_group* n = next(&root_, false, true); n; n = next(n, false, true))
    if (n->claimed != round) stale.push_back(n);
  for (Tzv_lr_group* n : stale) destroy(n);
}

// Groups and the tied layer slots of src, in tree order, under this root;
// untied slots would only go again in verification.
void Tzv_lr_tree::copy_nodes(Tzv_lr_tree& src, std::vector<Tzv_lr_group*>& slots) {
  std::unordered_map<Tzv_lr_group*, Tzv_lr_group*> copy_of{{&src.root_, &root_}};
  for (Tzv_lr_group* n = next(&src.root_, false, false); n; n = next(n, false, false)) {
    if (!n->is_group && !n->layer) continue;
    Tzv_lr_group* c = new_node(copy_of[n->parent], nullptr, n->is_group);
    if (n->part) c->own_part().caption = n->part->caption;
    if (n->part) c->part->marked = n->part->marked;
    c->group_id = n->group_id;
    copy_of[n] = c;
    if (!c->is_group) slots.push_back(c);
  }
  auto const active = src.active_ ? copy_of.find(src.active_) : copy_of.end();
  active_ = active != copy_of.end() ? active->second : nullptr;
}

void Tzv_lr_tree::assign(Tzv_lr_tree& src) {
  if (&src == this) return;
  clear_silent(&root_);
  std::vector<Tzv_lr_group*> slots;
  copy_nodes(src, slots);
  std::vector<Izv_layer*> layers;
  for (Izv_entity* e : bound_entities())
    if (Izv_layer* layer = as_layer(e)) layers.push_back(layer);
  for (size_t k = 0; layers.size() == slots.size() && k < slots.size(); ++k) {
    std::wstring id = group_id_of(layers[k]);
    if (id.empty()) layers[k]->set_group_id(slots[k]->group_id.text().c_str());
    else slots[k]->group_id = Tzv_lr_group_id(id);
    tie(slots[k], layers[k]);
  }
  for (Tzv_lr_group* slot : slots) wait(slot);
  verify_all();
  changed();
}

void Tzv_lr_tree::move(Tzv_lr_group* target, Tzv_lr_group* moved, int32_t dir) {
  if (target == &root_) target = nullptr;
  if (moved == &root_ || moved == target) return;
  if (target && (target->tree != this || is_below(target, moved))) return;
  if (!target) splice(&root_, nullptr, moved);
  else splice(target->parent, dir < 0 ? target : target->next_sibling(), moved);
  changed();
}

// The place: next to the anchor (or the marked group holding it), passing
// over marked siblings, so that it survives taking the marked slots out.
// A layer's get_marked is foreign code and may throw: every mark is read
// before anything moves, so a throw leaves the tree as it was.
void Tzv_lr_tree::move_marked(Tzv_lr_group* anchor, int32_t dir) {
  if (!anchor) return;
  Tzv_lr_group* const top = top_marked(anchor);
  Tzv_lr_group* const base = top ? top : anchor;
  Tzv_lr_group* const parent = base == &root_ ? &root_ : base->parent;
  std::vector<Tzv_lr_group*> const tops = marked_tops();
  if (tops.empty()) return;
  std::unordered_set<Tzv_lr_group*> const moving(tops.begin(), tops.end());
  Tzv_lr_group* after_top = top ? top->next_sibling() : nullptr;
  while (after_top && moving.contains(after_top)) after_top = after_top->next_sibling();
  Tzv_lr_group::Tchildren run;
  for (Tzv_lr_group* n : tops) run.splice(run.end(), n->parent->kids(), n->self);
  Tzv_lr_group* before = nullptr;
  if (top) before = after_top;
  else if (base == &root_) before = dir < 0 ? root_.first() : nullptr;
  else before = dir < 0 ? base : base->next_sibling();
  parent->kids().splice(before ? before->self : parent->kids().end(), run);
  for (Tzv_lr_group* n : tops) n->parent = parent;
  changed();
}

void Tzv_lr_tree::move_to_active(Tzv_lr_group* slot) {
  if (slot == &root_) return;
  Tzv_lr_group* dest = !active_ ? &root_ : active_->is_group ? active_ : active_->parent;
  if (dest == slot || is_below(dest, slot)) return;
  if (slot->parent == dest && !slot->next_sibling()) return;
  splice(dest, nullptr, slot);
  changed();
}

void Tzv_lr_tree::set_active_slot(Tzv_lr_group* slot) {
  if (slot == active_) return;
  Tzv_lr_update_guard guard(this);
  active_ = slot;
  announce(zv_prop_active);
}

// --- The entity collection facade --------------------------------------------

Izv_entity* Tzv_lr_tree::get_entity(uint32_t i) {
  std::vector<Izv_layer*> const& layers = order();
  return i < layers.size() ? layers[i] : nullptr;
}

void Tzv_lr_tree::remove_entity(Izv_entity* e) {
  if (Tzv_lr_group* slot = slot_of(e)) remove(slot);
}

void Tzv_lr_tree::remove_entity_range(uint32_t n, uint32_t* indices) {
  if (!indices) return;
  std::vector<Tzv_lr_group*> doomed;
  for (uint32_t k = 0; k < n; ++k)
    if (Tzv_lr_group* slot = slot_of(get_entity(indices[k]))) doomed.push_back(slot);
  std::sort(doomed.begin(), doomed.end());
  doomed.erase(std::unique(doomed.begin(), doomed.end()), doomed.end());
  for (Tzv_lr_group* slot : doomed) destroy(slot);
  if (!doomed.empty()) changed();
}

void Tzv_lr_tree::remove_marked() {
  std::vector<Tzv_lr_group*> const tops = marked_tops();
  for (Tzv_lr_group* slot : tops) destroy(slot);
  if (!tops.empty()) changed();
}

void Tzv_lr_tree::set_marked_entity(Izv_entity* e) {
  Tzv_lr_update_guard guard(this);
  std::vector<Izv_layer*> const layers = order();  // a copy: a listener may change the tree
  for (Izv_layer* layer : layers) layer->set_marked(layer == e);
}

uint32_t Tzv_lr_tree::get_entity_index(Izv_entity* e) {
  std::vector<Izv_layer*> const& layers = order();
  auto const it = std::find(layers.begin(), layers.end(), e);
  return it == layers.end() ? zv_no_index : static_cast<uint32_t>(it - layers.begin());
}

void Tzv_lr_tree::move(uint32_t from, uint32_t to) {
  std::vector<Izv_layer*> const& layers = order();
  if (from >= layers.size() || from == to) return;
  Tzv_lr_group* target = to < layers.size() ? slot_of(layers[to]) : nullptr;
  move(target, slot_of(layers[from]), to > from ? 1 : -1);
}

void Tzv_lr_tree::move_marked(uint32_t pos) {
  std::vector<Izv_layer*> const& layers = order();
  if (layers.empty()) return;
  if (pos == 0) move_marked(slot_of(layers[0]), -1);
  else move_marked(slot_of(layers[std::min<size_t>(pos, layers.size()) - 1]), 0);
}

Izv_entity* Tzv_lr_tree::find_entity(wchar_t const* caption) {
  std::wstring const wanted = zv_lr_text::or_empty(caption);
  for (Izv_layer* layer : order())
    if (zv_lr_text::read([layer](Izv_string_adp* adp) { layer->get_wcaption(adp); }) == wanted) return layer;
  return nullptr;
}
