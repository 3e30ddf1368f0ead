// Walks over objects scattered on the heap (a collection's members) wait on
// one cache miss per object. The member a few places ahead is requested
// early, so that its miss overlaps the work on the current one.
#pragma once

#include <cstddef>
#include <functional>
#include <iterator>

namespace zv::core {

inline constexpr size_t prefetch_ahead = 8;

// Asks for the first cache line of `*p`; null and stale pointers are
// harmless, nothing is read. These helpers are always inlined: a call whose
// only effect is a prefetch looks free of effects to the optimiser, which
// then drops the call.
[[gnu::always_inline]] inline void prefetch(void const* p) {
#if defined(__GNUC__) || defined(__clang__)
  __builtin_prefetch(p);
#else
  (void)p;
#endif
}

// Before visiting `items[i]` in a walk from the front; `proj` picks the
// pointer out of an item.
template <class Range, class Proj = std::identity>
[[gnu::always_inline]] inline void prefetch_for(Range const& items, size_t i, Proj proj = {}) {
  if (i + prefetch_ahead < std::size(items)) prefetch(std::invoke(proj, items[i + prefetch_ahead]));
}

}  // namespace zv::core
