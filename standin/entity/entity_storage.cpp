// The process-wide registry of live entities, keyed by uuid value.
//
// Two live entities may carry the same uuid (a copy before it gets its own),
// so the key map is a multimap. A second map remembers the key under which
// each entity was filed, so removal finds it even after the entity's uuid
// changed behind the registry's back.

#include <cstring>
#include <functional>
#include <unordered_map>

#include "zv/sibling/entity.h"

namespace {

struct Tzv_uuid_key {
  uint64_t lo = 0;
  uint64_t hi = 0;
  bool operator==(Tzv_uuid_key const&) const = default;
};

struct Tzv_uuid_key_hash {
  std::size_t operator()(Tzv_uuid_key const& k) const noexcept { return std::hash<uint64_t>{}(k.lo ^ (k.hi << 1)); }
};

Tzv_uuid_key zv_key_of(Tzv_uuid_t const* u) {
  Tzv_uuid_key k;
  if (u) {
    std::memcpy(&k.lo, u->bytes, 8);
    std::memcpy(&k.hi, u->bytes + 8, 8);
  }
  return k;
}

class Tzv_entity_storage {
 public:
  void add(Izv_entity* e) {
    remove(e);
    Tzv_uuid_key const key = zv_key_of(e->get_uuid());
    key_of_.emplace(e, key);
    by_uid_.emplace(key, e);
  }

  void remove(Izv_entity* e) {
    auto const filed = key_of_.find(e);
    if (filed == key_of_.end()) return;
    auto [it, end] = by_uid_.equal_range(filed->second);
    while (it != end && it->second != e) ++it;
    if (it != end) by_uid_.erase(it);
    key_of_.erase(filed);
  }

  Izv_entity* find(Tzv_uuid_t const* uid) const {
    auto const it = by_uid_.find(zv_key_of(uid));
    return it == by_uid_.end() ? nullptr : it->second;
  }

  int32_t count() const { return static_cast<int32_t>(key_of_.size()); }

 private:
  std::unordered_multimap<Tzv_uuid_key, Izv_entity*, Tzv_uuid_key_hash> by_uid_;
  std::unordered_map<Izv_entity*, Tzv_uuid_key> key_of_;
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
