// An open-addressing hash table with keys and values inline: linear probing,
// power-of-two capacity, at most half full, backward-shift deletion (no
// tombstones). One array of cells instead of a node per entry keeps large
// tables cheap to grow and to probe.
//
// A key may appear more than once (a multimap); the `_if` operations pick
// among equal keys by a predicate on the value. Keys and values must be
// trivially copyable and cheap to copy.
//
// A hash that declares itself `ordered` places keys by its value alone,
// unmixed: keys near each other then sit in cells near each other. Objects
// made one after another and visited in that order (by address) then read
// the table nearly in order, where mixed homes would miss the cache on every
// visit of a large table. Keys that crowd more than one to a home would make
// long runs of cells: the first probe that grows long has the table mix its
// homes from then on, until it is cleared. Inside room set aside by reserve,
// that waits for the next reserve, so that the inserts reserve promised never
// allocate.
//
// A cell is free when its flag says so; with Tzv_flat_free::zero_value the
// cell has no flag and a value-initialised V marks it free instead (the
// caller never stores that value), which keeps cells of two 32-bit words at
// 8 bytes.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <vector>

enum class Tzv_flat_free { flagged, zero_value };

// An ordered hash of addresses, or of addresses shifted right by `Shift`
// bits: a home per 64-byte line, the lines of every 64 MB folded onto each
// other by the higher bits, so that objects a large power of two apart do
// not all share one home.
template <unsigned Shift = 0>
struct Tzv_address_order {
  static constexpr bool ordered = true;
  std::size_t operator()(void const* p) const noexcept { return place(reinterpret_cast<uintptr_t>(p)); }
  std::size_t operator()(uint32_t shifted) const noexcept { return place(uintptr_t{shifted} << Shift); }
  static std::size_t place(uintptr_t a) noexcept { return static_cast<std::size_t>((a >> 6) ^ (a >> 26)); }
};

template <class K, class V, Tzv_flat_free Free>
struct Tzv_flat_cell {
  K key;
  V value;
  bool used;
  bool is_used() const { return used; }
  void make_free() { used = false; }
};

template <class K, class V>
struct Tzv_flat_cell<K, V, Tzv_flat_free::zero_value> {
  K key;
  V value;
  bool is_used() const { return !(value == V{}); }
  void make_free() { value = V{}; }
};

template <class K, class V, class Hash, Tzv_flat_free Free = Tzv_flat_free::flagged>
class Tzv_flat_multimap {
  static_assert(std::is_trivially_copyable_v<K> && std::is_trivially_copyable_v<V>);

 public:
  size_t size() const { return size_; }

  // Adds an entry even when the key is present.
  void insert(K const& key, V const& value) {
    if (2 * (size_ + 1) > cells_.size()) grow();
    size_t const probes = place(key, value);
    ++size_;
    crowded_ = crowded_ || (probes > long_probe && !mixed_);
    if (crowded_ && size_ > reserved_) mix();
  }

  // Room for `n` entries in all, so that inserting up to them cannot fail.
  void reserve(size_t n) {
    while (2 * n > cells_.size()) grow();
    if (crowded_) mix();
    reserved_ = n;
  }

  // The value of the first entry under `key` that `pred` accepts, or null.
  template <class P>
  V* find_if(K const& key, P pred) {
    size_t const i = position_if(key, pred);
    return i == npos ? nullptr : &cells_[i].value;
  }
  template <class P>
  V const* find_if(K const& key, P pred) const {
    return const_cast<Tzv_flat_multimap*>(this)->find_if(key, pred);
  }

  // Removes the first entry under `key` that `pred` accepts.
  template <class P>
  bool erase_if(K const& key, P pred) {
    size_t const i = position_if(key, pred);
    if (i == npos) return false;
    vacate(i);
    --size_;
    return true;
  }

  // Asks for the cell where a lookup of `key` starts, ahead of the lookup.
  // Always inlined: a call whose only effect is a prefetch looks free of
  // effects to the optimiser, which then drops the call.
  [[gnu::always_inline]] void prefetch(K const& key) const {
    if (!cells_.empty()) __builtin_prefetch(&cells_[home(key)]);
  }

  // Empties the table and gives its cells back.
  void clear() {
    std::vector<Tzv_cell>().swap(cells_);
    size_ = 0;
    reserved_ = 0;
    mixed_ = !ordered;
    crowded_ = false;
  }

  // The unique-key view: one entry per key.
  V* find(K const& key) { return find_if(key, any); }
  V const* find(K const& key) const { return find_if(key, any); }
  bool erase(K const& key) { return erase_if(key, any); }
  void assign(K const& key, V const& value) {
    if (V* v = find(key)) *v = value;
    else insert(key, value);
  }

 private:
  using Tzv_cell = Tzv_flat_cell<K, V, Free>;
  static constexpr size_t npos = ~size_t{0};
  static constexpr bool ordered = requires { Hash::ordered; };
  static constexpr size_t long_probe = 64;
  static constexpr bool any(V const&) { return true; }

  size_t mask() const { return cells_.size() - 1; }

  // The finaliser of a 64-bit mixer, so that aligned pointers and other
  // keys with poor low bits still spread over the table.
  size_t home(K const& key) const {
    auto h = static_cast<uint64_t>(Hash{}(key));
    if (!mixed_) return static_cast<size_t>(h) & mask();
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    return static_cast<size_t>(h) & mask();
  }

  template <class P>
  size_t position_if(K const& key, P& pred) const {
    if (cells_.empty()) return npos;
    for (size_t i = home(key);; i = (i + 1) & mask()) {
      Tzv_cell const& c = cells_[i];
      if (!c.is_used()) return npos;
      if (c.key == key && pred(c.value)) return i;
    }
  }

  // Returns the number of cells passed on the way.
  size_t place(K const& key, V const& value) {
    size_t i = home(key);
    size_t probes = 0;
    for (; cells_[i].is_used(); ++probes) i = (i + 1) & mask();
    cells_[i].key = key;
    cells_[i].value = value;
    if constexpr (Free == Tzv_flat_free::flagged) cells_[i].used = true;
    return probes;
  }

  // Empties cell `i` and pulls back the entries of its run that can move
  // closer to their home, so that no probe chain is broken.
  void vacate(size_t i) {
    for (size_t j = (i + 1) & mask(); cells_[j].is_used(); j = (j + 1) & mask()) {
      size_t const h = home(cells_[j].key);
      if (((j - h) & mask()) >= ((j - i) & mask())) {
        cells_[i] = cells_[j];
        i = j;
      }
    }
    cells_[i].make_free();
  }

  void grow() { rebuild(cells_.empty() ? 16 : 2 * cells_.size()); }

  void mix() {
    mixed_ = true;
    crowded_ = false;
    rebuild(cells_.size());
  }

  // Places every entry anew in `cells` cells; once more, mixed, when the
  // entries crowd.
  void rebuild(size_t cells) {
    Tzv_cell free_cell{};
    free_cell.make_free();
    std::vector<Tzv_cell> old(cells, free_cell);
    old.swap(cells_);
    size_t longest = 0;
    for (Tzv_cell const& c : old)
      if (c.is_used()) longest = std::max(longest, place(c.key, c.value));
    if (longest > long_probe && !mixed_) mix();
  }

  std::vector<Tzv_cell> cells_;
  size_t size_ = 0;
  size_t reserved_ = 0;    // entries the last reserve promised room for
  bool mixed_ = !ordered;  // homes mixed, as they always are without an ordered hash
  bool crowded_ = false;   // a probe grew long; mixing waits for the next reserve
};
