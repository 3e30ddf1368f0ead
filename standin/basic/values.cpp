// Tzv_any, Tzv_tuple and Tzv_table: deep-copied value trees. A string item
// owns a new[] copy of its bytes, a tuple item owns a new'd tuple.
//
// The three structs are packed, so their pointer members may sit on 4-byte
// boundaries: members are always read into locals, never addressed.

#include <cstdint>
#include <cstring>

#include "zv/sibling/basic/values.h"

namespace {

template <class T>
int zv_cmp3(T a, T b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

char* zv_dup_str(char const* s) {
  if (!s) return nullptr;
  std::size_t const n = std::strlen(s) + 1;
  char* d = new char[n];
  std::memcpy(d, s, n);
  return d;
}

// An array of n empty items (null for n <= 0).
Tzv_any* zv_new_items(int32_t n) {
  if (n <= 0) return nullptr;
  auto* items = new Tzv_any[static_cast<std::size_t>(n)];
  for (int32_t i = 0; i < n; ++i) any_init(&items[i]);
  return items;
}

Tzv_tuple* zv_new_rows(int32_t n) {
  if (n <= 0) return nullptr;
  auto* rows = new Tzv_tuple[static_cast<std::size_t>(n)];
  for (int32_t i = 0; i < n; ++i) tuple_init(&rows[i]);
  return rows;
}

Tzv_tuple zv_tuple_copy(Tzv_tuple const* src);

Tzv_any zv_any_copy(Tzv_any const* src) {
  Tzv_any r = *src;
  if (r.type == zv_any_string) {
    r.value.s = zv_dup_str(src->value.s);
  } else if (r.type == zv_any_tuple) {
    Tzv_tuple* const t = src->value.t;
    r.value.t = new Tzv_tuple(t ? zv_tuple_copy(t) : Tzv_tuple{0, nullptr});
  }
  return r;
}

Tzv_tuple zv_tuple_copy(Tzv_tuple const* src) {
  int32_t const n = src->count;
  Tzv_any const* const from = src->items;
  Tzv_tuple r{n > 0 ? n : 0, zv_new_items(n)};
  Tzv_any* const to = r.items;
  for (int32_t i = 0; i < n; ++i) to[i] = zv_any_copy(&from[i]);
  return r;
}

Tzv_table zv_table_copy(Tzv_table const* src) {
  int32_t const n = src->count;
  Tzv_tuple const* const from = src->rows;
  Tzv_table r{n > 0 ? n : 0, zv_new_rows(n)};
  Tzv_tuple* const to = r.rows;
  for (int32_t i = 0; i < n; ++i) to[i] = zv_tuple_copy(&from[i]);
  return r;
}

int zv_str_compare(char const* a, char const* b) { return zv_cmp3(std::strcmp(a ? a : "", b ? b : ""), 0); }

int zv_double_compare(double a, double b) {
  return a == b ? 0 : a < b ? -1 : 1;  // NaN never equals anything
}

}  // namespace

// --- Tzv_any -----------------------------------------------------------------

void any_init(Tzv_any* a) {
  if (!a) return;
  a->type = zv_any_empty;
  a->value.i = 0;
}

void any_clear(Tzv_any* a) {
  if (!a) return;
  if (a->type == zv_any_string) {
    delete[] a->value.s;
  } else if (a->type == zv_any_tuple) {
    Tzv_tuple* const t = a->value.t;
    tuple_clear(t);
    delete t;
  }
  any_init(a);
}

// The copy is made before `dst` is cleared, so `src` may live inside `dst`.
void any_assign(Tzv_any* dst, Tzv_any const* src) {
  if (!dst || dst == src) return;
  Tzv_any copy;
  if (src) copy = zv_any_copy(src);
  else any_init(&copy);
  any_clear(dst);
  *dst = copy;
}

void any_assign_integer(Tzv_any* a, int64_t v) {
  if (!a) return;
  any_clear(a);
  a->type = zv_any_integer;
  a->value.i = v;
}

void any_assign_double(Tzv_any* a, double v) {
  if (!a) return;
  any_clear(a);
  a->type = zv_any_double;
  a->value.d = v;
}

void any_assign_string(Tzv_any* a, char const* s) {
  if (!a) return;
  char* const copy = zv_dup_str(s ? s : "");
  any_clear(a);
  a->type = zv_any_string;
  a->value.s = copy;
}

void any_assign_tuple(Tzv_any* a, Tzv_tuple const* t) {
  if (!a) return;
  auto* const copy = new Tzv_tuple(t ? zv_tuple_copy(t) : Tzv_tuple{0, nullptr});
  any_clear(a);
  a->type = zv_any_tuple;
  a->value.t = copy;
}

void any_assign_pointer(Tzv_any* a, void* p) {
  if (!a) return;
  any_clear(a);
  a->type = zv_any_pointer;
  a->value.p = p;
}

int any_compare(Tzv_any const* a, Tzv_any const* b) {
  if (a == b) return 0;
  if (!a || !b) return a ? 1 : -1;
  int32_t const type = a->type;
  if (type != b->type) return zv_cmp3(type, b->type);
  switch (type) {
    case zv_any_integer:
      return zv_cmp3(a->value.i, b->value.i);
    case zv_any_double:
      return zv_double_compare(a->value.d, b->value.d);
    case zv_any_string:
      return zv_str_compare(a->value.s, b->value.s);
    case zv_any_tuple:
      return tuple_compare(a->value.t, b->value.t);
    case zv_any_pointer:
      return zv_cmp3(reinterpret_cast<uintptr_t>(a->value.p), reinterpret_cast<uintptr_t>(b->value.p));
    default:
      return 0;
  }
}

// --- Tzv_tuple ---------------------------------------------------------------

void tuple_init(Tzv_tuple* tp) {
  if (!tp) return;
  tp->count = 0;
  tp->items = nullptr;
}

void tuple_clear(Tzv_tuple* tp) {
  if (!tp) return;
  int32_t const n = tp->count;
  Tzv_any* const items = tp->items;
  for (int32_t i = 0; i < n; ++i) any_clear(&items[i]);
  delete[] items;
  tuple_init(tp);
}

// Items are plain structs whose owned parts move with them bitwise.
void tuple_resize(Tzv_tuple* tp, int32_t n) {
  if (!tp) return;
  if (n < 0) n = 0;
  int32_t const old = tp->count;
  if (n == old) return;
  Tzv_any* const from = tp->items;
  Tzv_any* const to = zv_new_items(n);
  for (int32_t i = 0; i < old; ++i)
    if (i < n) to[i] = from[i];
    else any_clear(&from[i]);
  delete[] from;
  tp->count = n;
  tp->items = to;
}

void tuple_assign(Tzv_tuple* dst, Tzv_tuple const* src) {
  if (!dst || dst == src) return;
  Tzv_tuple const copy = src ? zv_tuple_copy(src) : Tzv_tuple{0, nullptr};
  tuple_clear(dst);
  *dst = copy;
}

int tuple_compare(Tzv_tuple const* a, Tzv_tuple const* b) {
  if (a == b) return 0;
  if (!a || !b) return a ? 1 : -1;
  int32_t const n = a->count;
  if (n != b->count) return zv_cmp3(n, b->count);
  Tzv_any const* const ia = a->items;
  Tzv_any const* const ib = b->items;
  for (int32_t i = 0; i < n; ++i)
    if (int const c = any_compare(&ia[i], &ib[i])) return c;
  return 0;
}

// --- Tzv_table ---------------------------------------------------------------

Tzv_table* table_create() { return new Tzv_table{0, nullptr}; }

void table_clear(Tzv_table* t) {
  if (!t) return;
  int32_t const n = t->count;
  Tzv_tuple* const rows = t->rows;
  for (int32_t i = 0; i < n; ++i) tuple_clear(&rows[i]);
  delete[] rows;
  *t = Tzv_table{0, nullptr};
}

void table_destroy(Tzv_table* t) {
  table_clear(t);
  delete t;
}

void table_resize(Tzv_table* t, int32_t rows) {
  if (!t) return;
  if (rows < 0) rows = 0;
  int32_t const old = t->count;
  if (rows == old) return;
  Tzv_tuple* const from = t->rows;
  Tzv_tuple* const to = zv_new_rows(rows);
  for (int32_t i = 0; i < old; ++i)
    if (i < rows) to[i] = from[i];
    else tuple_clear(&from[i]);
  delete[] from;
  t->count = rows;
  t->rows = to;
}

void table_assign(Tzv_table* dst, Tzv_table const* src) {
  if (!dst || dst == src) return;
  Tzv_table const copy = src ? zv_table_copy(src) : Tzv_table{0, nullptr};
  table_clear(dst);
  *dst = copy;
}

int table_compare(Tzv_table const* a, Tzv_table const* b) {
  if (a == b) return 0;
  if (!a || !b) return a ? 1 : -1;
  int32_t const n = a->count;
  if (n != b->count) return zv_cmp3(n, b->count);
  Tzv_tuple const* const ra = a->rows;
  Tzv_tuple const* const rb = b->rows;
  for (int32_t i = 0; i < n; ++i)
    if (int const c = tuple_compare(&ra[i], &rb[i])) return c;
  return 0;
}
