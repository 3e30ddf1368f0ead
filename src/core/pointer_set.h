// Tzv_pointer_set: the set of a list's pointers for one check over a large
// list. One array, linear probing, no node per entry: filling it with
// 100,000 layers costs one allocation instead of 100,000.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace zv::core {

class Tzv_pointer_set {
 public:
  // The set of `items` (null entries left out), at most half full.
  template <class Range>
  explicit Tzv_pointer_set(Range const& items) : cells_(std::bit_ceil(2 * std::size(items) + 2), uintptr_t{0}) {
    for (auto* p : items)
      if (p != nullptr) insert(address(p));
  }

  size_t size() const { return size_; }

  // Takes `p` out; false when it was not in.
  bool take(void const* p) {
    if (p == nullptr) return false;
    for (size_t i = home(address(p));; i = (i + 1) & mask()) {
      if (cells_[i] == free_cell) return false;
      if (cells_[i] == address(p)) {
        cells_[i] = taken_cell;  // keeps the probe chains of later entries intact
        --size_;
        return true;
      }
    }
  }

 private:
  static constexpr uintptr_t free_cell = 0;
  static constexpr uintptr_t taken_cell = 1;  // no object lies at address 1

  static uintptr_t address(void const* p) { return reinterpret_cast<uintptr_t>(p); }
  size_t mask() const { return cells_.size() - 1; }
  size_t home(uintptr_t a) const {
    uint64_t h = a;
    h ^= h >> 33;
    h *= 0xFF51AFD7ED558CCDull;
    h ^= h >> 33;
    return static_cast<size_t>(h) & mask();
  }

  void insert(uintptr_t a) {
    size_t i = home(a);
    for (; cells_[i] != free_cell; i = (i + 1) & mask())
      if (cells_[i] == a) return;
    cells_[i] = a;
    ++size_;
  }

  std::vector<uintptr_t> cells_;
  size_t size_ = 0;
};

}  // namespace zv::core
