#include "heap_counter.h"

#include <malloc.h>

#include <cstdlib>
#include <new>

namespace {

// One thread runs the benchmarks: plain variables are enough.
int64_t live_bytes = 0;
bool counting = false;

void count(void* p, int64_t sign) {
  if (counting && p != nullptr) live_bytes += sign * static_cast<int64_t>(malloc_usable_size(p));
}

void* counted_alloc(std::size_t n) {
  void* p = std::malloc(n == 0 ? 1 : n);
  if (p == nullptr) throw std::bad_alloc();
  count(p, 1);
  return p;
}

void* counted_aligned_alloc(std::size_t n, std::align_val_t align) {
  auto const a = static_cast<std::size_t>(align);
  void* p = std::aligned_alloc(a, (n + a - 1) / a * a);
  if (p == nullptr) throw std::bad_alloc();
  count(p, 1);
  return p;
}

void counted_free(void* p) noexcept {
  count(p, -1);
  std::free(p);
}

}  // namespace

int64_t zv_bench_live_heap_bytes() { return live_bytes; }

void zv_bench_count_heap(bool on) { counting = on; }

void* operator new(std::size_t n) { return counted_alloc(n); }
void* operator new[](std::size_t n) { return counted_alloc(n); }
void* operator new(std::size_t n, std::align_val_t a) { return counted_aligned_alloc(n, a); }
void* operator new[](std::size_t n, std::align_val_t a) { return counted_aligned_alloc(n, a); }
void* operator new(std::size_t n, std::nothrow_t const&) noexcept {
  try {
    return counted_alloc(n);
  } catch (std::bad_alloc const&) {
    return nullptr;
  }
}
void* operator new[](std::size_t n, std::nothrow_t const& t) noexcept { return operator new(n, t); }
void operator delete(void* p) noexcept { counted_free(p); }
void operator delete[](void* p) noexcept { counted_free(p); }
void operator delete(void* p, std::size_t) noexcept { counted_free(p); }
void operator delete[](void* p, std::size_t) noexcept { counted_free(p); }
void operator delete(void* p, std::align_val_t) noexcept { counted_free(p); }
void operator delete[](void* p, std::align_val_t) noexcept { counted_free(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { counted_free(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { counted_free(p); }
void operator delete(void* p, std::nothrow_t const&) noexcept { counted_free(p); }
void operator delete[](void* p, std::nothrow_t const&) noexcept { counted_free(p); }
