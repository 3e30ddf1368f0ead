// Update events and their ordered property lists.
//
// A property is plain (a key) or aggregated (a key with the property list of
// a child object). An aggregated property without a child list means that
// everything of that child changed; a plain property behaves the same when
// an aggregated one with its key arrives. Lists are short, so keys are found
// by a linear search; a deque keeps handed-out entries in place as the list
// grows.

#include <cstdint>
#include <deque>
#include <memory>

#include "zv/sibling/basic/update_events.h"

struct Tzv_update_event_prop {
  Tzv_update_event_prop(Tzv_any const& k, bool aggr) : aggregated(aggr) {
    any_init(&key);
    any_assign(&key, &k);
  }
  ~Tzv_update_event_prop();
  Tzv_update_event_prop(Tzv_update_event_prop const&) = delete;
  Tzv_update_event_prop& operator=(Tzv_update_event_prop const&) = delete;

  Tzv_any key;
  std::unique_ptr<Tzv_update_event_prop_list> child;  // null: plain, or "everything"
  bool aggregated;
};

struct Tzv_update_event_prop_list {
  std::deque<Tzv_update_event_prop> props;
};

Tzv_update_event_prop::~Tzv_update_event_prop() { any_clear(&key); }

namespace {

using zv_prop_list = Tzv_update_event_prop_list;
using zv_prop = Tzv_update_event_prop;

Tzv_any zv_integer_key(int32_t id) {
  Tzv_any k;
  k.type = zv_any_integer;
  k.value.i = id;
  return k;
}

// Borrows `name`: the key is only compared or copied, never cleared.
Tzv_any zv_string_key(char const* name) {
  Tzv_any k;
  k.type = zv_any_string;
  k.value.s = const_cast<char*>(name ? name : "");
  return k;
}

zv_prop* zv_find(zv_prop_list const* l, Tzv_any const& key) {
  if (!l) return nullptr;
  for (zv_prop const& p : l->props)
    if (any_compare(&p.key, &key) == 0) return const_cast<zv_prop*>(&p);
  return nullptr;
}

bool zv_contains_list(zv_prop_list const* tree, zv_prop_list const* l) {
  if (tree == l) return true;
  for (zv_prop const& p : tree->props)
    if (p.child && zv_contains_list(p.child.get(), l)) return true;
  return false;
}

void zv_add(zv_prop_list& l, Tzv_any const& key) {
  if (!zv_find(&l, key)) l.props.emplace_back(key, false);
}

void zv_aggr(zv_prop_list& l, Tzv_any const& key, zv_prop_list const* child);

// Adds every entry of `src` to `dst` by the add / aggregate rules.
void zv_merge(zv_prop_list& dst, zv_prop_list const& src) {
  for (zv_prop const& p : src.props)
    if (p.aggregated) zv_aggr(dst, p.key, p.child.get());
    else zv_add(dst, p.key);
}

std::unique_ptr<zv_prop_list> zv_copy(zv_prop_list const* src) {
  if (!src) return nullptr;
  auto copy = std::make_unique<zv_prop_list>();
  zv_merge(*copy, *src);
  return copy;
}

void zv_aggr_unaliased(zv_prop_list& l, Tzv_any const& key, zv_prop_list const* child) {
  zv_prop* const present = zv_find(&l, key);
  if (!present) {
    l.props.emplace_back(key, true).child = zv_copy(child);
  } else if (!present->child) {
    // A plain entry or "everything" already covers whatever the child says.
  } else if (!child) {
    present->child.reset();
  } else {
    zv_merge(*present->child, *child);
  }
}

// A child list that lies inside `l` itself is copied first, so that merging
// never walks a list while it grows.
void zv_aggr(zv_prop_list& l, Tzv_any const& key, zv_prop_list const* child) {
  if (child && zv_contains_list(&l, child)) {
    std::unique_ptr<zv_prop_list> const copy = zv_copy(child);
    zv_aggr_unaliased(l, key, copy.get());
  } else {
    zv_aggr_unaliased(l, key, child);
  }
}

zv_prop_list* zv_details(Tzv_update_event* e) {
  zv_update_event_init_details(e);
  return e->details;
}

}  // namespace

// --- Events --------------------------------------------------------------------

void zv_update_event_init(Tzv_update_event* e) {
  if (!e) return;
  e->header.kind = zv_event_kind_update;
  e->details = nullptr;
}

void zv_update_event_clear(Tzv_update_event* e) {
  if (!e) return;
  delete e->details;
  e->details = nullptr;
}

void zv_update_event_init_details(Tzv_update_event* e) {
  if (e && !e->details) e->details = new zv_prop_list;
}

Tzv_update_event_prop_list* zv_update_event_get_details(Tzv_update_event const* e) { return e ? e->details : nullptr; }

void zv_update_event_add_prop_integer(Tzv_update_event* e, int32_t id) {
  if (e) zv_add(*zv_details(e), zv_integer_key(id));
}

void zv_update_event_add_prop_string(Tzv_update_event* e, char const* name) {
  if (e) zv_add(*zv_details(e), zv_string_key(name));
}

void zv_update_event_aggr_prop_integer(Tzv_update_event* e, int32_t id, Tzv_update_event_prop_list const* child) {
  if (e) zv_aggr(*zv_details(e), zv_integer_key(id), child);
}

void zv_update_event_aggr_prop_string(Tzv_update_event* e, char const* name, Tzv_update_event_prop_list const* child) {
  if (e) zv_aggr(*zv_details(e), zv_string_key(name), child);
}

void zv_begin_update_event_init(Tzv_begin_update_event* e) {
  if (e) e->header.kind = zv_event_kind_begin_update;
}

void zv_begin_update_event_clear(Tzv_begin_update_event*) {}

void zv_end_update_event_init(Tzv_end_update_event* e) {
  if (e) e->header.kind = zv_event_kind_end_update;
}

void zv_end_update_event_clear(Tzv_end_update_event*) {}

// --- Property lists ------------------------------------------------------------

void zv_update_event_prop_list_add_integer(Tzv_update_event_prop_list* l, int32_t id) {
  if (l) zv_add(*l, zv_integer_key(id));
}

void zv_update_event_prop_list_add_string(Tzv_update_event_prop_list* l, char const* name) {
  if (l) zv_add(*l, zv_string_key(name));
}

void zv_update_event_prop_list_aggr_integer(Tzv_update_event_prop_list* l, int32_t id,
                                            Tzv_update_event_prop_list const* child) {
  if (l) zv_aggr(*l, zv_integer_key(id), child);
}

void zv_update_event_prop_list_aggr_string(Tzv_update_event_prop_list* l, char const* name,
                                           Tzv_update_event_prop_list const* child) {
  if (l) zv_aggr(*l, zv_string_key(name), child);
}

Tzv_update_event_prop const* zv_update_event_prop_list_find(Tzv_update_event_prop_list const* l, Tzv_any const* key) {
  return key ? zv_find(l, *key) : nullptr;
}

Tzv_update_event_prop const* zv_update_event_prop_list_find_integer(Tzv_update_event_prop_list const* l, int32_t id) {
  return zv_find(l, zv_integer_key(id));
}

Tzv_update_event_prop const* zv_update_event_prop_list_find_string(Tzv_update_event_prop_list const* l,
                                                                   char const* name) {
  return zv_find(l, zv_string_key(name));
}

int32_t zv_update_event_prop_list_get_size(Tzv_update_event_prop_list const* l) {
  return l ? static_cast<int32_t>(l->props.size()) : 0;
}

Tzv_update_event_prop const* zv_update_event_prop_list_get(Tzv_update_event_prop_list const* l, int32_t i) {
  if (!l || i < 0 || static_cast<std::size_t>(i) >= l->props.size()) return nullptr;
  return &l->props[static_cast<std::size_t>(i)];
}

Tzv_any const* zv_update_event_prop_get_key(Tzv_update_event_prop const* p) { return p ? &p->key : nullptr; }

Tzv_update_event_prop_list const* zv_update_event_prop_get_child(Tzv_update_event_prop const* p) {
  return p ? p->child.get() : nullptr;
}

bool zv_update_event_prop_is_aggregated(Tzv_update_event_prop const* p) { return p && p->aggregated; }
