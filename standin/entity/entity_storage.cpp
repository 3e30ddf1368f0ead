// The process-wide registry of live entities, keyed by uuid value.
//
// Two live entities may carry the same uuid (a copy before it gets its own),
// so the key map is a multimap. A second map remembers the key under which
// each entity was filed, so removal finds it in O(1) even after the entity's
// uuid changed behind the registry's back.
//
// Entities register and unregister far more often than anyone looks one up
// by uuid, and uuids are random: filing each under its uuid at once costs a
// cache miss in a large registry on the way in and another on the way out.
// New entities therefore wait in a list and are filed under their uuids at
// the next look-up; one that goes before any look-up is never filed. The
// list is emptied at no cost whenever no entity waits in it any more, and
// filed when mostly gone, so it never holds much more than the live waiting
// entities.

#include <cstring>
#include <functional>
#include <vector>

#include "flat_map.h"
#include "zv/sibling/entity.h"

namespace {

struct Tzv_uuid_key {
  uint64_t lo = 0;
  uint64_t hi = 0;
  bool operator==(Tzv_uuid_key const&) const = default;
};

struct Tzv_uuid_key_hash {
  std::size_t operator()(Tzv_uuid_key const& k) const noexcept {
    return static_cast<std::size_t>(k.lo ^ (k.hi * 0x9E3779B97F4A7C15ull));
  }
};

Tzv_uuid_key zv_key_of(Tzv_uuid_t const* u) {
  Tzv_uuid_key k;
  if (u) {
    std::memcpy(&k.lo, u->bytes, 8);
    std::memcpy(&k.hi, u->bytes + 8, 8);
  }
  return k;
}

// An entity's key, and whether it is filed under it yet. The state is never
// zero, so that a zero entry marks a free cell.
struct Tzv_filed {
  enum Tstate : uint8_t { none, waiting, indexed };
  Tzv_uuid_key key;
  Tstate state = none;
  bool operator==(Tzv_filed const&) const = default;
};

class Tzv_entity_storage {
 public:
  Tzv_entity_storage() { changes_.reserve(batch); }

  // Entities are filed by address: the layers of a scene are made one after
  // another and mostly go in the same order, so their cells lie near each
  // other and a large registry is read nearly in order.
  // Adds and removals wait in a short log and are applied a batch at a time:
  // the cells of a whole batch are asked for first, so that their cache
  // misses in a large registry overlap instead of coming one after another.
  // Whatever reads the registry applies the log first. An add takes its
  // entity's uuid at once, and makes room for everything the log may file:
  // applying the log never allocates, also when a destructor's removal
  // applies it.
  void add(Izv_entity* e) {
    Tzv_uuid_key const key = zv_key_of(e->get_uuid());
    size_t const adds = logged_adds_ + 1;
    filed_.reserve(filed_.size() + adds);
    by_uid_.reserve(by_uid_.size() + waiting_ + adds);
    if (list_.capacity() < list_.size() + adds)
      list_.reserve(2 * list_.capacity() + batch);  // not by one: that copies it every time
    ++logged_adds_;
    log({e, key, true});
  }

  void remove(Izv_entity* e) { log({e, {}, false}); }

  Izv_entity* find(Tzv_uuid_t const* uid) {
    apply_log();
    index_waiting();
    Izv_entity* const* e = by_uid_.find(zv_key_of(uid));
    return e ? *e : nullptr;
  }

  int32_t count() {
    apply_log();
    return static_cast<int32_t>(filed_.size());
  }

 private:
  struct Tzv_change {
    Izv_entity* entity;
    Tzv_uuid_key key;
    bool added;
  };
  static constexpr size_t batch = 16;

  void log(Tzv_change const& change) {
    changes_.push_back(change);  // within the capacity reserved at the start
    if (changes_.size() == batch) apply_log();
  }

  void apply_log() {
    for (Tzv_change const& c : changes_) filed_.prefetch(c.entity);
    for (Tzv_change const& c : changes_) c.added ? file(c.entity, c.key) : drop(c.entity);
    changes_.clear();
    logged_adds_ = 0;
  }

  void file(Izv_entity* e, Tzv_uuid_key const& key) {
    Tzv_filed* filed = filed_.find(e);
    if (filed && filed->key == key) return;
    if (filed && filed->state == Tzv_filed::waiting) {
      filed->key = key;  // still in the list: filed under the new key later
      return;
    }
    list(e);
    if (filed) {
      unfile(e, filed->key);
      *filed = {key, Tzv_filed::waiting};
    } else {
      filed_.insert(e, {key, Tzv_filed::waiting});
    }
    ++waiting_;
  }

  void drop(Izv_entity* e) {
    Tzv_filed const* filed = filed_.find(e);
    if (!filed) return;
    if (filed->state == Tzv_filed::indexed) unfile(e, filed->key);
    else --waiting_;
    filed_.erase(e);
  }

  void unfile(Izv_entity* e, Tzv_uuid_key const& key) {
    by_uid_.erase_if(key, [e](Izv_entity* filed) { return filed == e; });
  }

  // The list may name entities that went, some of them more than once (an
  // address reused); only entries whose entity still waits count.
  void list(Izv_entity* e) {
    if (waiting_ == 0) list_.clear();
    else if (list_.size() > 2 * waiting_ + 64) index_waiting();
    list_.push_back(e);
  }

  // Files every waiting entity under its key; the table has room for them.
  void index_waiting() {
    for (Izv_entity* e : list_) {
      Tzv_filed* filed = filed_.find(e);
      if (!filed || filed->state != Tzv_filed::waiting) continue;
      by_uid_.insert(filed->key, e);
      filed->state = Tzv_filed::indexed;
      --waiting_;
    }
    list_.clear();
  }

  Tzv_flat_multimap<Tzv_uuid_key, Izv_entity*, Tzv_uuid_key_hash> by_uid_;
  Tzv_flat_multimap<Izv_entity*, Tzv_filed, Tzv_address_order<>, Tzv_flat_free::zero_value> filed_;
  std::vector<Izv_entity*> list_;  // entities filed under no key yet, and some gone
  size_t waiting_ = 0;             // entities of list_ that are live and wait
  std::vector<Tzv_change> changes_;
  size_t logged_adds_ = 0;
};

// Entities of other modules may unregister while the process shuts down, in
// any order of static destruction, so the registry is never destroyed.
Tzv_entity_storage& zv_storage() {
  static auto* const storage = new Tzv_entity_storage;
  return *storage;
}

}  // namespace

void zv_entity_storage_add(Izv_entity* e) {
  if (e) zv_storage().add(e);
}

void zv_entity_storage_remove(Izv_entity* e) {
  if (e) zv_storage().remove(e);
}

Izv_entity* zv_entity_storage_find_by_uid(Tzv_uuid_t const* uid) { return uid ? zv_storage().find(uid) : nullptr; }

int32_t zv_entity_storage_get_count() { return zv_storage().count(); }
