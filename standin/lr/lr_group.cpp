#include "lr_group.h"

#include <algorithm>
#include <unordered_map>

namespace {

Tzv_lr_group_id fresh_group_id() {
  return zv_lr_text::read<Tzv_lr_group_id>([](Izv_string_adp* adp) { zv_uuid_generate_string(adp); });
}

// A layer read without a group id (`id` empty) gets a fresh one, in `id` too.
void give_group_id(Izv_layer* layer, Tzv_lr_group_id& id) {
  if (id.empty()) layer->set_group_id((id = fresh_group_id()).text().c_str());
}

// Whether `slot` is tied to the scene's member `e`: a layer is the entity at
// its own address, so no cast and no read of the layer is needed.
bool ties(Tzv_lr_group const* slot, Izv_entity const* e) {
  return slot && slot->layer && static_cast<Izv_entity const*>(slot->layer) == e;
}

// The tags under which the tree's tables file a node: the layer's address
// (as an entity) without its alignment bits, and the upper half of the group
// id's hash folded onto the lower.
uint32_t layer_tag(Izv_entity const* layer) { return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(layer) >> 4); }

uint32_t id_tag(Tzv_lr_group_id const& id) {
  uint64_t const h = id.hash();
  return static_cast<uint32_t>(h ^ (h >> 32));
}

}  // namespace

Izv_layer* Tzv_layer_cast::operator()(Izv_entity* e) {
  if (!e) return nullptr;
  std::type_info const* const type = &typeid(*e);
  char* const entity = reinterpret_cast<char*>(e);
  std::ptrdiff_t const entity_at = entity - static_cast<char*>(dynamic_cast<void*>(e));
  if (type == type_ && entity_at == entity_at_) return reinterpret_cast<Izv_layer*>(entity + layer_at_);
  auto* layer = dynamic_cast<Izv_layer*>(e);
  if (layer) {
    type_ = type;
    entity_at_ = entity_at;
    layer_at_ = reinterpret_cast<char*>(layer) - entity;
  }
  return layer;
}

Tzv_lr_group* Tzv_lr_node_pool::make() {
  if (!free_.empty()) {
    Tzv_lr_group* node = free_.back();
    free_.pop_back();
    return node;
  }
  if (used_in_last_ == block_size) {
    blocks_.push_back(std::make_unique<Tzv_lr_group[]>(block_size));
    ids_.push_back(std::make_unique<Tzv_lr_group_id[]>(block_size));
    used_in_last_ = 0;
  }
  Tzv_lr_group* node = &blocks_.back()[used_in_last_++];
  node->number = static_cast<uint32_t>((blocks_.size() - 1) * block_size + used_in_last_);
  return node;
}

void Tzv_lr_node_pool::recycle(Tzv_lr_group* node) {
  uint32_t const number = node->number;
  *node = Tzv_lr_group{};
  node->number = number;
  group_id(number) = Tzv_lr_group_id{};
  free_.push_back(node);
}

void Tzv_lr_node_pool::clear_stamps() {
  for (auto const& block : blocks_)
    for (uint32_t i = 0; i < block_size; ++i) block[i].stamp = 0;
}

Tzv_lr_tree::Tzv_lr_tree(Izv_scene* scene)
    : scene_(scene),
      id_reader_(zv_string_adp_create(
          [](char const* s, void* tree) {
            static_cast<Tzv_lr_tree*>(tree)->read_id_ = Tzv_lr_group_id(zv_lr_text::to_wide(s));
          },
          [](wchar_t const* s, void* tree) {
            static_cast<Tzv_lr_tree*>(tree)->read_id_ = Tzv_lr_group_id(s ? std::wstring_view(s) : std::wstring_view());
          },
          this)) {
  root_.tree = this;
  root_.is_group = true;
}

Tzv_lr_tree::~Tzv_lr_tree() {
  clear_silent(&root_);
  zv_string_adp_destroy(id_reader_);
}

// A layer's group id, read through the tree's own adapter: every layer the
// tree ties is read once, and an adapter made for each read cost more than
// the read. A read that a layer starts from inside another (its
// get_group_id is foreign code) takes an adapter of its own.
Tzv_lr_group_id Tzv_lr_tree::group_id_of(Izv_layer* layer) {
  if (reading_id_ || !id_reader_)
    return zv_lr_text::read<Tzv_lr_group_id>([layer](Izv_string_adp* adp) { layer->get_group_id(adp); });
  reading_id_ = true;
  Tzv_scope_exit const done([this] { reading_id_ = false; });
  read_id_ = {};
  layer->get_group_id(id_reader_);
  return std::move(read_id_);
}

// ---------------------------------------------------------------------------
// Nodes and links.

void Tzv_lr_tree::insert(Tzv_lr_group* parent, Tzv_lr_group* before, Tzv_lr_group* node) {
  node->parent = parent;
  node->next = before;
  node->prev = before ? before->prev : parent->last;
  (node->prev ? node->prev->next : parent->first) = node;
  (before ? before->prev : parent->last) = node;
}

void Tzv_lr_tree::detach(Tzv_lr_group* node) {
  Tzv_lr_group* p = node->parent;
  (node->prev ? node->prev->next : p->first) = node->next;
  (node->next ? node->next->prev : p->last) = node->prev;
  node->prev = node->next = node->parent = nullptr;
}

Tzv_lr_group* Tzv_lr_tree::new_node(Tzv_lr_group* parent, Tzv_lr_group* before, bool group) {
  Tzv_lr_group* node = nodes_.make();
  node->tree = this;
  node->is_group = group;
  insert(parent, before, node);
  if (!group) ++layer_slots_;
  return node;
}

void Tzv_lr_tree::destroy_subtree(Tzv_lr_group* node) {
  std::vector<Tzv_lr_group*> doomed;  // the nodes below, when there are any
  if (node->first)
    for (Tzv_lr_group* n = next(node, false, false, node); n; n = next(n, false, false, node)) doomed.push_back(n);
  detach(node);
  drop(node);
  for (Tzv_lr_group* n : doomed) drop(n);
  order_lost();
}

// A node already out of the links leaves the tables and goes back to the pool.
void Tzv_lr_tree::drop(Tzv_lr_group* n) {
  forget(n);
  if (!captions_.empty()) captions_.erase(n);
  if (n == active_) active_ = nullptr;
  if (n == last_tied_) last_tied_ = nullptr;
  if (!n->is_group) --layer_slots_;
  nodes_.recycle(n);
}

// Destroying a slot misses the cache on its node, its neighbours, its group
// id and its cells in both tables when the tree is large: those of the slots
// a few places ahead are requested early, in the order each needs the one
// before (node, then what it points to, then the group id's cell). The
// requests stay in this function: a call that only prefetches has no effect
// that the optimiser can see, and it drops the call.
void Tzv_lr_tree::destroy_slots(std::vector<Tzv_lr_group*> const& slots) {
  constexpr size_t node_lead = 12, link_lead = 8, id_lead = 4;
  size_t const n = slots.size();
  for (size_t i = 0; i < n; ++i) {
    if (i + node_lead < n) __builtin_prefetch(slots[i + node_lead]);
    if (i + link_lead < n) {
      Tzv_lr_group const* ahead = slots[i + link_lead];
      __builtin_prefetch(ahead->prev);
      __builtin_prefetch(ahead->next);
      if (ahead->layer) by_layer_.prefetch(layer_tag(ahead->layer));
      if (ahead->number) __builtin_prefetch(&nodes_.group_id(ahead->number));
    }
    if (i + id_lead < n)
      if (Tzv_lr_group* soon = slots[i + id_lead]; soon->filed) by_id_.prefetch(id_tag(group_id(soon)));
    destroy_subtree(slots[i]);
  }
}

bool Tzv_lr_tree::clear_silent(Tzv_lr_group* group) {
  bool any = group->first != nullptr;
  if (group == &root_) {
    clear_all();
    return any;
  }
  while (group->first) destroy_subtree(group->first);
  return any;
}

// Every node goes: the tables are emptied at once instead of entry by entry.
void Tzv_lr_tree::clear_all() {
  std::vector<Tzv_lr_group*> doomed;
  for (Tzv_lr_group* n = next(&root_, false, false); n; n = next(n, false, false)) doomed.push_back(n);
  root_.first = root_.last = nullptr;
  order_.clear();
  ++order_edits_;
  order_valid_ = true;
  by_layer_.clear();
  by_id_.clear();
  unfiled_.clear();
  captions_.clear();
  active_ = nullptr;
  last_tied_ = nullptr;
  layer_slots_ = 0;
  for (Tzv_lr_group* n : doomed) nodes_.recycle(n);
}

// A layer has at most one entry: tying it to another slot moves the entry.
// The order of the tied layers stays known when a new layer is tied last in
// the walk, as a load ties them; any other tie makes it unknown.
void Tzv_lr_tree::tie(Tzv_lr_group* slot, Izv_layer* layer) {
  bool const appended = order_valid_ && !slot->layer && is_last(slot);
  order_lost();
  if (Izv_layer* old = slot->layer)
    by_layer_.erase_if(layer_tag(old), [this, old](uint32_t n) { return nodes_.at(n)->layer == old; });
  else unwait(slot);
  uint32_t* entry =
      by_layer_.find_if(layer_tag(layer), [this, layer](uint32_t n) { return nodes_.at(n)->layer == layer; });
  slot->layer = layer;
  last_tied_ = slot;
  if (entry) {
    *entry = slot->number;  // its other slot keeps the layer as well: the order is unknown
    return;
  }
  by_layer_.insert(layer_tag(layer), slot->number);
  if (!appended) return;
  order_.push_back(layer);
  order_valid_ = true;
}

// Whether nothing follows `node` in a walk.
bool Tzv_lr_tree::is_last(Tzv_lr_group const* node) {
  if (node->first) return false;
  for (; node; node = node->parent)
    if (node->next) return false;
  return true;
}

// A layer slot waits for its layer while it is untied and bears a group id.
// Only waiting slots are found by group id: a scene adds a slot, gives it an
// id and ties it at once, so the newest few wait in a short list, and a
// random id never touches a cell of the table unless many slots wait.
bool Tzv_lr_tree::waits(Tzv_lr_group const* slot) const {
  return !slot->is_group && !slot->layer && !slot_group_id(slot).empty();
}

void Tzv_lr_tree::wait(Tzv_lr_group* slot) {
  if (!waits(slot)) return;
  constexpr size_t unfiled_limit = 8;
  if (unfiled_.size() == unfiled_limit) file_waiting();
  unfiled_.push_back(slot->number);
}

void Tzv_lr_tree::file_waiting() {
  for (uint32_t n : unfiled_) {
    by_id_.insert(id_tag(nodes_.group_id(n)), n);
    nodes_.at(n)->filed = true;
  }
  unfiled_.clear();
}

// Before a slot that may wait is tied, dropped or given another id.
void Tzv_lr_tree::unwait(Tzv_lr_group* slot) {
  if (slot->filed) {
    by_id_.erase_if(id_tag(group_id(slot)), [slot](uint32_t n) { return n == slot->number; });
    slot->filed = false;
  } else if (auto it = std::find(unfiled_.rbegin(), unfiled_.rend(), slot->number); it != unfiled_.rend()) {
    unfiled_.erase(std::next(it).base());
  }
}

void Tzv_lr_tree::forget(Tzv_lr_group* node) {
  if (node->layer) by_layer_.erase_if(layer_tag(node->layer), [node](uint32_t n) { return n == node->number; });
  else unwait(node);
}

// A new mark for a walk; when the counter wraps, every old mark is wiped so
// that none can pass for the new one.
uint32_t Tzv_lr_tree::next_stamp() {
  if (++stamp_ == 0) {
    nodes_.clear_stamps();
    root_.stamp = 0;
    stamp_ = 1;
  }
  return stamp_;
}

// Property 9 tells listeners that a walk now shows a structure or order they
// did not cause: moves, grouping (a new group slot), removal, clearing and
// copying announce it. Adding an empty layer slot, tying a slot to its layer
// and verification stay silent: verification only follows the layers that
// the scene has just announced itself, and to the scene 9 means "the tree
// was rearranged, re-read it and recompute the box", which a mere addition
// must not cause.
void Tzv_lr_tree::changed() {
  order_lost();
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

// ---------------------------------------------------------------------------
// Walk and queries.

Tzv_lr_group* Tzv_lr_tree::next(Tzv_lr_group* slot, bool skip_children, bool layers_only, Tzv_lr_group* limit) {
  auto step = [limit](Tzv_lr_group* n, bool descend) -> Tzv_lr_group* {
    if (descend && n->first) return n->first;
    for (; n != limit && !n->next; n = n->parent)
      if (!n->parent) return nullptr;
    return n == limit ? nullptr : n->next;
  };
  Tzv_lr_group* n = step(slot, !skip_children);
  while (n && layers_only && n->is_group) n = step(n, true);
  return n;
}

bool Tzv_lr_tree::is_below(Tzv_lr_group* slot, Tzv_lr_group* ancestor) {
  for (Tzv_lr_group* p = slot->parent; p; p = p->parent)
    if (p == ancestor) return true;
  return false;
}

Tzv_lr_group* Tzv_lr_tree::slot_of(Izv_layer* layer) const { return slot_of_entity(layer); }

// Found by the entity's address alone: the layer behind it is not read.
Tzv_lr_group* Tzv_lr_tree::slot_of_entity(Izv_entity const* e) const {
  if (!e) return nullptr;
  uint32_t const* n = by_layer_.find_if(layer_tag(e), [this, e](uint32_t k) { return ties(nodes_.at(k), e); });
  return n ? nodes_.at(*n) : nullptr;
}

bool Tzv_lr_tree::slot_marked(Tzv_lr_group* slot) {
  if (slot == &root_) return get_marked();
  return slot->is_group ? slot->marked : slot->layer && slot->layer->get_marked();
}

// The slot after `slot` in a walk over every slot; its sibling, without a
// call, when it has no children to enter.
inline Tzv_lr_group* Tzv_lr_tree::step(Tzv_lr_group* slot, bool skip_children) {
  if ((skip_children || !slot->first) && slot->next) return slot->next;
  return next(slot, skip_children, false);
}

namespace {

// A walk over every slot a few steps ahead of a walk that reads the layers'
// marks, requesting each layer so that the cache misses of a large tree
// overlap. Its own steps ask for the nodes a little further on in memory,
// which are mostly the next ones of the walk. A tree that stays in the
// cache is not walked twice.
class Tzv_layer_lead {
 public:
  Tzv_layer_lead(Tzv_lr_group* root, bool large) : ahead_(large ? root : nullptr) {
    for (int k = 0; k < lead; ++k) advance();
  }
  void advance() {
    if (!ahead_ || !(ahead_ = Tzv_lr_tree::step(ahead_, false))) return;
    __builtin_prefetch(ahead_->layer);
    zv_lr_prefetch_ahead(ahead_, lead);
  }

 private:
  static constexpr int lead = 8;
  Tzv_lr_group* ahead_;
};

// The mark of a slot that a walk reaches (never the root): a group's own, a
// layer slot's its layer's.
bool walk_mark(Tzv_lr_group const* n) { return n->is_group ? n->marked : n->layer && n->layer->get_marked(); }

}  // namespace

// Marked slots that lie under no marked group, in tree order.
// A layer slot's mark is its layer's: only a group's mark decides the walk's
// next step, so that the walk never waits for a layer's line.
std::vector<Tzv_lr_group*> Tzv_lr_tree::marked_tops() {
  std::vector<Tzv_lr_group*> tops;
  Tzv_layer_lead lead(&root_, layer_slots_ > cached_slots);
  Tzv_lr_group* n = step(&root_, false);
  while (n) {
    bool const marked = walk_mark(n);
    if (marked) tops.push_back(n);
    n = step(n, n->is_group && marked);
    lead.advance();
  }
  return tops;
}

Tzv_lr_group* Tzv_lr_tree::top_marked(Tzv_lr_group* node) {
  Tzv_lr_group* top = nullptr;
  for (Tzv_lr_group* n = node; n && n != &root_; n = n->parent)
    if (slot_marked(n)) top = n;
  return top;
}

// ---------------------------------------------------------------------------
// Structure.

Tzv_lr_group* Tzv_lr_tree::add_slot(Tzv_lr_group* parent, bool group, std::wstring const& caption) {
  if (!parent->is_group) return nullptr;
  Tzv_lr_group* node = new_node(parent, nullptr, group);
  set_slot_caption(node, caption);  // before the announcement, which a listener may leave by throwing
  if (group) changed();             // an untied layer slot changes no order
  return node;
}

void Tzv_lr_tree::remove(Tzv_lr_group* slot) {
  if (slot == &root_) return;
  destroy_subtree(slot);
  changed();
}

void Tzv_lr_tree::clear(Tzv_lr_group* group) {
  if (group->is_group && clear_silent(group)) changed();
}

void Tzv_lr_tree::set_slot_group_id(Tzv_lr_group* slot, Tzv_lr_group_id id) {
  if (!slot->layer) unwait(slot);
  group_id(slot) = std::move(id);
  wait(slot);
}

std::wstring const& Tzv_lr_tree::slot_caption(Tzv_lr_group* slot) const {
  static std::wstring const none;
  auto it = captions_.find(slot);
  return it == captions_.end() ? none : it->second;
}

void Tzv_lr_tree::set_slot_caption(Tzv_lr_group* slot, std::wstring caption) {
  if (caption.empty()) captions_.erase(slot);
  else captions_[slot] = std::move(caption);
}

Izv_layer* Tzv_lr_tree::bound_layer(uint32_t i) const { return as_layer_(scene_->get_bind_entity(i)); }

// The slot of the scene's layer at `i`. A load ties one layer after another,
// so it is most often the slot tied last.
Tzv_lr_group* Tzv_lr_tree::slot_of_bound(uint32_t i) const {
  Izv_entity* e = scene_->get_bind_entity(i);
  return ties(last_tied_, e) ? last_tied_ : slot_of_entity(e);
}

std::vector<Izv_entity*> Tzv_lr_tree::bound_entities() const {
  uint32_t const n = scene_ ? scene_->get_bind_count() : 0;
  std::vector<Izv_entity*> entities;
  entities.reserve(n);
  for (uint32_t i = 0; i < n; ++i) entities.push_back(scene_->get_bind_entity(i));
  return entities;
}

std::vector<Izv_layer*> Tzv_lr_tree::scene_layers() const {
  std::vector<Izv_layer*> layers;
  for (Izv_entity* e : bound_entities())
    if (Izv_layer* layer = as_layer_(e)) layers.push_back(layer);
  return layers;
}

// The waiting slot that bears a layer's group id `id`, or null; the newest
// first.
Tzv_lr_group* Tzv_lr_tree::waiting_slot(Tzv_lr_group_id const& id) {
  if (id.empty()) return nullptr;
  for (size_t k = unfiled_.size(); k-- > 0;)
    if (nodes_.group_id(unfiled_[k]) == id) return nodes_.at(unfiled_[k]);
  uint32_t const* n = by_id_.find_if(id_tag(id), [this, &id](uint32_t k) { return nodes_.group_id(k) == id; });
  return n ? nodes_.at(*n) : nullptr;
}

// Ties a layer that has no slot: to the slot waiting under its group id, or
// to a new slot right after `anchor` (the slot of the layer before it in the
// scene), in the same group; first in the root when there is no anchor.
Tzv_lr_group* Tzv_lr_tree::take_slot(Izv_layer* layer, Tzv_lr_group* anchor) {
  Tzv_lr_group_id id = group_id_of(layer);
  Tzv_lr_group* waiting = waiting_slot(id);
  return take_slot(layer, anchor, std::move(id), waiting);
}

// The same, with the layer's group id and its waiting slot (or null) known.
Tzv_lr_group* Tzv_lr_tree::take_slot(Izv_layer* layer, Tzv_lr_group* anchor, Tzv_lr_group_id id, Tzv_lr_group* slot) {
  if (!slot) {
    give_group_id(layer, id);
    slot = anchor ? new_node(anchor->parent, anchor->next, false) : new_node(&root_, root_.first, false);
    group_id(slot) = std::move(id);
  }
  tie(slot, layer);
  return slot;
}

// A load adds layers one by one at the end, verifying after each. When the
// tree knows every bound layer but the last and holds no other layer slot,
// only the last needs a slot: O(1). The scene verifies after every change of
// its layers, so the count tells the truth; any other state takes the walk.
bool Tzv_lr_tree::verify_last() {
  uint32_t const n = scene_ ? scene_->get_bind_count() : 0;
  if (n == 0 || n != by_layer_.size() + 1) return false;
  Izv_layer* last = bound_layer(n - 1);
  if (!last) return false;
  // The new layer's cell in the table, a cache miss in a large tree, is
  // asked for first and read once its group id is in.
  by_layer_.prefetch(layer_tag(last));
  Tzv_lr_group* anchor = n > 1 ? slot_of_bound(n - 2) : nullptr;
  if (n > 1 && !anchor) return false;
  size_t const loose = layer_slots_ - by_layer_.size();
  Tzv_lr_group_id id = group_id_of(last);
  if (slot_of(last)) return false;
  Tzv_lr_group* waiting = waiting_slot(id);
  if (loose != (waiting ? 1u : 0u)) return false;
  take_slot(last, anchor, std::move(id), waiting);
  return true;
}

// Every bound layer gets a slot, in the scene's order; layer slots of layers
// the scene no longer holds go. O(N).
void Tzv_lr_tree::verify_all() {
  if (!verify_in_order()) verify_walk(bound_entities());  // a copy: tying a layer may reach the scene's listeners
}

// The usual changes between two verifications: layers left the scene, new
// layers came, and the rest kept their order. While the order of the tied
// layers is known and every layer slot is tied, the members are matched
// against that order as two lists, with no walk. The matching reads the
// members in place, as no foreign code runs meanwhile, and changes nothing
// but order_ (the kept layers move up in it). The new members' group ids are
// read (and made) next; the tree is changed only once they are all in and
// no listener changed the tree meanwhile. False when the members are not
// that order with layers left out and new ones put in (a member moved or
// listed twice), or a listener changed the tree.
bool Tzv_lr_tree::verify_in_order() {
  if (!order_valid_ || order_.size() != layer_slots_ || !scene_) return false;
  order_valid_ = false;
  Tzv_order_changes changes;
  if (!match_order(changes)) return false;
  uint64_t const edits = order_edits_;
  size_t const slots = layer_slots_;
  name_new_members(changes.fresh);
  if (order_valid_ || order_edits_ != edits || layer_slots_ != slots) return false;
  return apply_order_changes(changes);
}

// A member is the next layer in order_ or one a few places after it (the
// layers passed over left); failing that, a member with no slot is new, and
// one with a slot must lie further on in order_.
bool Tzv_lr_tree::match_order(Tzv_order_changes& changes) {
  constexpr size_t near = 4;
  Izv_layer** const order = order_.data();
  size_t const size = order_.size();
  uint32_t const n = scene_->get_bind_count();
  changes.left.reserve(size > n ? size - n : 0);  // at least so many left
  size_t j = 0, kept = 0;
  for (uint32_t i = 0; i < n; ++i) {
    Izv_entity* e = scene_->get_bind_entity(i);
    size_t k = j < size && static_cast<Izv_entity*>(order[j]) == e ? j : find_in_order(e, j, std::min(j + near, size));
    if (k == size) {
      if (!slot_of_entity(e)) {
        if (Izv_layer* layer = as_layer_(e)) changes.fresh.push_back({layer, kept + changes.fresh.size(), {}});
        continue;
      }
      k = find_in_order(e, std::min(j + near, size), size);
      if (k == size) return false;  // moved, or listed twice
    }
    for (; j < k; ++j) changes.left.push_back(order[j]);  // mostly one
    order[kept++] = order[j++];
  }
  changes.left.insert(changes.left.end(), order + j, order + size);
  order_.resize(kept);
  return true;
}

// The index of `e` in order_[from, to), or order_.size().
size_t Tzv_lr_tree::find_in_order(Izv_entity const* e, size_t from, size_t to) const {
  for (size_t k = from; k < to; ++k)
    if (static_cast<Izv_entity const*>(order_[k]) == e) return k;
  return order_.size();
}

// Reads each new member's group id, and gives a layer without one a fresh
// id. The layers' own code runs here.
void Tzv_lr_tree::name_new_members(std::vector<Tzv_new_member>& fresh) {
  for (Tzv_new_member& m : fresh) {
    m.id = group_id_of(m.layer);
    give_group_id(m.layer, m.id);
  }
}

// The slots of the layers that left go, and each new member gets a slot
// right after the slot of the layer before it in the new order, so that the
// walk keeps that order. False when a layer of order_ has no slot, or a new
// member turns out to have been listed twice (its second slot would break
// the order).
bool Tzv_lr_tree::apply_order_changes(Tzv_order_changes& changes) {
  std::vector<Tzv_lr_group*> stale;
  stale.reserve(changes.left.size());
  for (Izv_layer* layer : changes.left) {
    if (Tzv_lr_group* slot = slot_of(layer)) stale.push_back(slot);
    else return false;
  }
  put_in_order(changes.fresh);
  destroy_stale(stale);
  for (Tzv_new_member& m : changes.fresh) {
    if (slot_of(m.layer)) return false;
    take_slot(m.layer, m.at > 0 ? slot_of(order_[m.at - 1]) : nullptr, std::move(m.id), nullptr);
  }
  order_valid_ = true;
  return true;
}

// Merges the new members into the kept layers of order_, from the back.
void Tzv_lr_tree::put_in_order(std::vector<Tzv_new_member> const& fresh) {
  if (fresh.empty()) return;
  size_t r = order_.size();
  order_.resize(order_.size() + fresh.size());
  auto f = fresh.rbegin();
  for (size_t w = order_.size(); w-- > 0;) order_[w] = f != fresh.rend() && f->at == w ? (f++)->layer : order_[--r];
}

// Any other change, by a walk. The scene's layers mostly follow the tree's
// layer slots, so the slot after the last one found is tried first, found
// by address alone (the layer is not read). In a large tree it is followed
// only while it lies near in memory: where the tree's order has drifted
// from the nodes' places, a chase would wait on one node after the other,
// and lookups in the table, asked for ahead, do not wait on each other. A
// small tree sits in the cache, where the chase is the cheaper.
void Tzv_lr_tree::verify_walk(std::vector<Izv_entity*> const& bound) {
  constexpr size_t cell_lead = 16, node_lead = 8;
  bool const chase = layer_slots_ <= cached_slots;
  uint32_t const stamp = next_stamp();
  bool tied_new = false;
  size_t stamped = 0;
  std::vector<Tzv_lr_group*> passed;  // slots tried first that did not match
  Tzv_lr_group* anchor = nullptr;
  Tzv_lr_group* expected = next(&root_, false, true);
  size_t const n = bound.size();
  size_t probing = 0;  // members looked up in a row
  for (size_t i = 0; i < n; ++i) {
    // Looking up: request the cell, and nearer, once the cell was requested
    // before, the node it names.
    probing = expected ? 0 : probing + 1;
    if (probing > 0 && i + cell_lead < n) by_layer_.prefetch(layer_tag(bound[i + cell_lead]));
    if (probing > cell_lead - node_lead && i + node_lead < n)
      if (uint32_t const* k = by_layer_.find(layer_tag(bound[i + node_lead]))) __builtin_prefetch(nodes_.at(*k));
    Tzv_lr_group* slot = follow(expected, bound[i], passed, chase);
    if (!slot) slot = slot_of_entity(bound[i]);
    if (!slot) {
      Izv_layer* layer = as_layer_(bound[i]);
      if (!layer) continue;
      slot = take_slot(layer, anchor);
      tied_new = true;
    }
    // Followed slots lie near each other in memory: the nodes a little
    // further on are requested ahead of the walk.
    zv_lr_prefetch_ahead(slot, node_lead);
    expected = next_expected(slot, chase);
    stamped += slot->stamp != stamp ? 1 : 0;
    slot->stamp = stamp;
    anchor = slot;
  }
  if (expected) passed.push_back(expected);  // the slots after the last member
  destroy_stale(tied_new ? unstamped(stamp) : unstamped(stamp, std::move(passed), stamped));
}

void Tzv_lr_tree::destroy_stale(std::vector<Tzv_lr_group*> const& stale) {
  if (stale.size() == layer_slots_) {  // the scene was emptied: both tables go at once
    by_layer_.clear();
    by_id_.clear();
    unfiled_.clear();
  }
  destroy_slots(stale);
}

// The slot of `e` when it is `expected` or lies just after it, past a few
// slots near in memory whose layers left (a removal); null otherwise. The
// slots tried and passed over go to `passed`.
Tzv_lr_group* Tzv_lr_tree::follow(Tzv_lr_group* expected, Izv_entity const* e, std::vector<Tzv_lr_group*>& passed,
                                  bool chase) {
  constexpr int skip = 2;
  for (int k = 0; expected; ++k) {
    if (ties(expected, e)) return expected;
    passed.push_back(expected);
    if (k == skip) break;
    expected = next_expected(expected, chase);
  }
  return nullptr;
}

// The slot to try first for the member after the one tied to `slot`: the
// next layer slot of the walk when it lies near in memory, or else in a tree
// small enough to sit in the cache (`chase`).
Tzv_lr_group* Tzv_lr_tree::next_expected(Tzv_lr_group* slot, bool chase) {
  if (!chase) return near_next(slot);
  Tzv_lr_group* const n = step(slot, false);
  return n && n->is_group ? next(n, false, true) : n;
}

// The layer slots without `stamp`: one pass over the node pool in memory
// order.
std::vector<Tzv_lr_group*> Tzv_lr_tree::unstamped(uint32_t stamp) const {
  std::vector<Tzv_lr_group*> stale;
  nodes_.for_each_live([stamp, &stale](Tzv_lr_group* n) {
    if (!n->is_group && n->stamp != stamp) stale.push_back(n);
  });
  return stale;
}

// The same, taken from the slots a verification tried and passed over when
// they are all of them (`stamped` of the tree's layer slots bear the stamp),
// which spares the pass over the pool. Valid only while the verification
// tied no new slot: that may have let a listener change the tree.
std::vector<Tzv_lr_group*> Tzv_lr_tree::unstamped(uint32_t stamp, std::vector<Tzv_lr_group*> passed,
                                                  size_t stamped) const {
  std::erase_if(passed, [stamp](Tzv_lr_group const* n) { return n->stamp == stamp; });
  std::sort(passed.begin(), passed.end());
  passed.erase(std::unique(passed.begin(), passed.end()), passed.end());
  return passed.size() == layer_slots_ - stamped ? passed : unstamped(stamp);
}

// The layer slot after `slot` in the walk when the nodes on the way lie
// within a few nodes of it; null otherwise. Only the links are compared
// before a node is read; climbing out of a group reads the groups above,
// which the walk passed on its way down.
Tzv_lr_group* Tzv_lr_tree::near_next(Tzv_lr_group* slot) {
  constexpr uintptr_t near = 4 * sizeof(Tzv_lr_group);
  auto is_near = [slot](Tzv_lr_group const* n) {
    auto const a = reinterpret_cast<uintptr_t>(slot), b = reinterpret_cast<uintptr_t>(n);
    return (a > b ? a - b : b - a) < near;
  };
  Tzv_lr_group* n = slot;
  do {
    Tzv_lr_group* step = n->first;
    for (Tzv_lr_group* up = n; !step && up; up = up->parent) step = up->next;
    if (!step || !is_near(step)) return nullptr;
    n = step;
  } while (n->is_group);
  return n;
}

// Whatever verification ties or destroys keeps the order of the tied
// layers up to date or marks it unknown (tie, destroy_subtree).
void Tzv_lr_tree::verify() {
  if (!verify_last()) verify_all();
}

void Tzv_lr_tree::assign(Tzv_lr_tree& src) {
  if (&src == this) return;
  clear_silent(&root_);
  // Groups and the tied layer slots of src, in tree order; unbound slots
  // would only go again in verification.
  std::unordered_map<Tzv_lr_group*, Tzv_lr_group*> copy_of{{&src.root_, &root_}};
  std::vector<Tzv_lr_group*> slots;
  for (Tzv_lr_group* n = next(&src.root_, false, false); n; n = next(n, false, false)) {
    if (!n->is_group && !n->layer) continue;
    Tzv_lr_group* c = new_node(copy_of[n->parent], nullptr, n->is_group);
    c->marked = n->marked;
    set_slot_caption(c, src.slot_caption(n));
    group_id(c) = src.group_id(n);
    copy_of[n] = c;
    if (!c->is_group) slots.push_back(c);
  }
  auto active = src.active_ ? copy_of.find(src.active_) : copy_of.end();
  active_ = active != copy_of.end() ? active->second : nullptr;
  std::vector<Izv_layer*> layers = scene_layers();
  for (size_t k = 0; layers.size() == slots.size() && k < slots.size(); ++k) {
    Tzv_lr_group_id id = group_id_of(layers[k]);
    if (id.empty()) layers[k]->set_group_id(group_id(slots[k]).text().c_str());
    else group_id(slots[k]) = std::move(id);
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
  detach(moved);
  if (!target) insert(&root_, nullptr, moved);
  else insert(target->parent, dir < 0 ? target : target->next, moved);
  changed();
}

// The place: next to the anchor (or the marked group holding it), passing
// over marked siblings, so that it survives taking the marked slots out.
// A layer's get_marked is foreign code: should it throw, the slots taken out
// so far go in at the place all the same, so that none is lost.
void Tzv_lr_tree::move_marked(Tzv_lr_group* anchor, int32_t dir) {
  if (!anchor) return;
  Tzv_lr_group* const top = top_marked(anchor);
  Tzv_lr_group* const base = top ? top : anchor;
  Tzv_lr_group* const parent = base == &root_ ? &root_ : base->parent;
  Tzv_marked_take take;
  auto const put_back = [&] {
    Tzv_lr_group* before = nullptr;
    if (top) before = take.base_left ? take.after_base : top;
    else if (base == &root_) before = dir < 0 ? root_.first : nullptr;
    else before = dir < 0 ? base : base->next;
    link_run(parent, before, take.taken);
  };
  try {
    take_marked(parent, top, take);
  } catch (...) {
    if (take.taken.first) put_back();
    order_lost();
    throw;
  }
  if (!take.taken.first) return;
  put_back();
  changed();
}

// Takes the marked slots that lie under no marked group out of their places,
// in tree order, into one run of children of `parent`, and notes the
// sibling that followed the run holding `base`. The slots leave while the
// walk is at them: in a large tree their neighbours would be cache misses
// again later. Marked siblings next to each other leave as one run, so that
// a block of them costs its two ends. The layers ahead of the walk are
// requested early, as in marked_tops.
void Tzv_lr_tree::take_marked(Tzv_lr_group* parent, Tzv_lr_group const* base, Tzv_marked_take& take) {
  Tzv_layer_lead lead(&root_, layer_slots_ > cached_slots);
  Tzv_marked_run& taken = take.taken;
  Tzv_marked_run open;
  bool open_holds_base = false;
  auto close = [&] {
    if (open_holds_base) {
      take.after_base = open.last->next;
      take.base_left = true;
    }
    unlink_run(open);
    if (open.first->parent != parent)
      for (Tzv_lr_group* n = open.first; n; n = n->next) n->parent = parent;
    open.first->prev = taken.last;
    (taken.last ? taken.last->next : taken.first) = open.first;
    taken.last = open.last;
    open = {};
    open_holds_base = false;
  };
  for (Tzv_lr_group* n = step(&root_, false); n;) {
    bool const marked = walk_mark(n);
    Tzv_lr_group* const next = step(n, n->is_group && marked);  // before n may leave
    if (marked) {
      if (open.last && open.last->next == n) {
        open.last = n;
      } else {
        if (open.first) close();
        open = {n, n};
      }
      if (n == base) open_holds_base = true;
    } else if (open.first) {
      close();
    }
    n = next;
    lead.advance();
  }
  if (open.first) close();
}

// Takes the run of siblings out of its place; its own links stay, except
// that its ends no longer point at its old neighbours.
void Tzv_lr_tree::unlink_run(Tzv_marked_run const& run) {
  Tzv_lr_group* const from = run.first->parent;
  (run.first->prev ? run.first->prev->next : from->first) = run.last->next;
  (run.last->next ? run.last->next->prev : from->last) = run.first->prev;
  run.first->prev = nullptr;
  run.last->next = nullptr;
}

// Puts a run of nodes that are children of `parent` (and linked to nothing
// else) before `before`, or at the end when `before` is null.
void Tzv_lr_tree::link_run(Tzv_lr_group* parent, Tzv_lr_group* before, Tzv_marked_run const& run) {
  run.first->prev = before ? before->prev : parent->last;
  run.last->next = before;
  (run.first->prev ? run.first->prev->next : parent->first) = run.first;
  (before ? before->prev : parent->last) = run.last;
}

void Tzv_lr_tree::move_to_active(Tzv_lr_group* slot) {
  if (slot == &root_) return;
  Tzv_lr_group* dest = !active_ ? &root_ : active_->is_group ? active_ : active_->parent;
  if (dest == slot || is_below(dest, slot)) return;
  if (slot->parent == dest && dest->last == slot) return;
  detach(slot);
  insert(dest, nullptr, slot);
  changed();
}

void Tzv_lr_tree::set_active_slot(Tzv_lr_group* slot) {
  if (slot == active_) return;
  Tzv_lr_update_guard guard(this);
  active_ = slot;
  announce(zv_prop_active);
}

// ---------------------------------------------------------------------------
// The entity collection facade.

Izv_entity* Tzv_lr_tree::get_active() { return active_ ? active_->layer : nullptr; }

void Tzv_lr_tree::set_active(Izv_entity* e) { set_active_slot(slot_of(as_layer_(e))); }

uint32_t Tzv_lr_tree::get_active_index() { return get_entity_index(get_active()); }

void Tzv_lr_tree::set_active_index(uint32_t i) { set_active(get_entity(i)); }

Izv_entity* Tzv_lr_tree::get_entity(uint32_t i) {
  std::vector<Izv_layer*> const& layers = order();
  return i < layers.size() ? layers[i] : nullptr;
}

Izv_entity* Tzv_lr_tree::add_entity() { throw "Not Supported Exception"; }

void Tzv_lr_tree::remove_entity(Izv_entity* e) {
  if (Tzv_lr_group* slot = slot_of(as_layer_(e))) remove(slot);
}

void Tzv_lr_tree::remove_entity_range(uint32_t n, uint32_t* indices) {
  if (!indices) return;
  std::vector<Tzv_lr_group*> doomed;
  for (uint32_t k = 0; k < n; ++k)
    if (Tzv_lr_group* slot = slot_of(static_cast<Izv_layer*>(get_entity(indices[k])))) doomed.push_back(slot);
  std::sort(doomed.begin(), doomed.end());
  doomed.erase(std::unique(doomed.begin(), doomed.end()), doomed.end());
  for (Tzv_lr_group* slot : doomed) destroy_subtree(slot);
  if (!doomed.empty()) changed();
}

void Tzv_lr_tree::remove_marked() {
  std::vector<Tzv_lr_group*> tops = marked_tops();
  for (Tzv_lr_group* slot : tops) destroy_subtree(slot);
  if (!tops.empty()) changed();
}

void Tzv_lr_tree::set_marked_entity(Izv_entity* e) {
  Tzv_lr_update_guard guard(this);
  std::vector<Izv_layer*> layers = order();  // a listener may change the tree
  for (Izv_layer* layer : layers) layer->set_marked(layer == e);
}

uint32_t Tzv_lr_tree::get_entity_index(Izv_entity* e) {
  std::vector<Izv_layer*> const& layers = order();
  auto it = std::find(layers.begin(), layers.end(), e);
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
