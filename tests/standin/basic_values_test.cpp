// Tzv_any, Tzv_tuple and Tzv_table: deep copies, comparison, resizing.

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "zv/sibling/basic.h"

namespace {

// A tuple (7, "seven", (1.5, "inner")) built through the exports.
void zv_make_nested(Tzv_tuple* tp) {
  tuple_init(tp);
  tuple_resize(tp, 3);
  Tzv_any* items = tp->items;
  any_assign_integer(&items[0], 7);
  any_assign_string(&items[1], "seven");
  Tzv_tuple inner;
  tuple_init(&inner);
  tuple_resize(&inner, 2);
  Tzv_any* inner_items = inner.items;
  any_assign_double(&inner_items[0], 1.5);
  any_assign_string(&inner_items[1], "inner");
  any_assign_tuple(&items[2], &inner);
  tuple_clear(&inner);
}

Tzv_tuple* zv_inner_of(Tzv_tuple const& tp) {
  Tzv_any const* items = tp.items;
  return items[2].value.t;
}

}  // namespace

TEST(BasicValues, AnyStringIsOwnedCopy) {
  char text[] = "abc";
  Tzv_any a;
  any_init(&a);
  any_assign_string(&a, text);
  text[0] = 'x';
  char const* stored = a.value.s;
  EXPECT_NE(stored, text);
  EXPECT_STREQ(stored, "abc");

  Tzv_any b;
  any_init(&b);
  any_assign(&b, &a);
  char const* copied = b.value.s;
  EXPECT_NE(copied, stored);
  EXPECT_EQ(any_compare(&a, &b), 0);

  any_assign_string(&b, nullptr);
  EXPECT_EQ(b.type, zv_any_string);
  EXPECT_STREQ(b.value.s, "");
  EXPECT_NE(any_compare(&a, &b), 0);
  any_clear(&a);
  any_clear(&b);
  EXPECT_EQ(a.type, zv_any_empty);
}

TEST(BasicValues, AnyCompareDistinguishesTypesAndValues) {
  Tzv_any i, d, p, e;
  any_init(&i);
  any_init(&d);
  any_init(&p);
  any_init(&e);
  any_assign_integer(&i, 1);
  any_assign_double(&d, 1.0);
  EXPECT_NE(any_compare(&i, &d), 0);  // same number, other type
  EXPECT_EQ(any_compare(&e, &e), 0);

  int x = 0;
  any_assign_pointer(&p, &x);
  Tzv_any q;
  any_init(&q);
  any_assign(&q, &p);
  void* const copied = q.value.p;  // packed: read into a local before comparing
  EXPECT_EQ(copied, &x);  // pointers are not owned, copied as they are
  EXPECT_EQ(any_compare(&p, &q), 0);

  any_assign_double(&d, std::nan(""));
  any_assign(&q, &d);
  EXPECT_NE(any_compare(&d, &q), 0);  // NaN equals nothing, itself included
  any_clear(&q);
  any_clear(&p);
}

TEST(BasicValues, NestedTupleDeepCopyAndCompare) {
  Tzv_tuple a;
  zv_make_nested(&a);
  Tzv_tuple b;
  tuple_init(&b);
  tuple_assign(&b, &a);
  EXPECT_EQ(tuple_compare(&a, &b), 0);
  EXPECT_NE(zv_inner_of(a), zv_inner_of(b));

  // Changing the copy's inner string leaves the original alone.
  Tzv_tuple* inner = zv_inner_of(b);
  Tzv_any* inner_items = inner->items;
  any_assign_string(&inner_items[1], "changed");
  EXPECT_NE(tuple_compare(&a, &b), 0);
  Tzv_any const* orig_inner = zv_inner_of(a)->items;
  EXPECT_STREQ(orig_inner[1].value.s, "inner");

  tuple_resize(&b, 1);  // drops (and frees) the tail
  EXPECT_EQ(b.count, 1);
  EXPECT_LT(tuple_compare(&b, &a), 0);
  tuple_resize(&b, 4);
  Tzv_any const* grown = b.items;
  int64_t const kept = grown[0].value.i;
  EXPECT_EQ(kept, 7);
  EXPECT_EQ(grown[3].type, zv_any_empty);
  tuple_clear(&a);
  tuple_clear(&b);
  EXPECT_EQ(b.count, 0);
}

TEST(BasicValues, AssignFromOwnInnerValue) {
  Tzv_any a;
  any_init(&a);
  Tzv_tuple t;
  zv_make_nested(&t);
  any_assign_tuple(&a, &t);
  tuple_clear(&t);

  // The source lives inside the destination that the assignment frees.
  Tzv_tuple* held = a.value.t;
  Tzv_any* items = held->items;
  any_assign(&a, &items[1]);
  EXPECT_EQ(a.type, zv_any_string);
  EXPECT_STREQ(a.value.s, "seven");
  any_clear(&a);
}

TEST(BasicValues, TableAssignResizeCompare) {
  Tzv_table* a = table_create();
  table_resize(a, 2);
  Tzv_tuple* rows = a->rows;
  zv_make_nested(&rows[1]);
  EXPECT_EQ(a->count, 2);
  EXPECT_EQ(rows[0].count, 0);

  Tzv_table* b = table_create();
  table_assign(b, a);
  EXPECT_EQ(table_compare(a, b), 0);
  Tzv_tuple* brows = b->rows;
  EXPECT_NE(brows, rows);
  tuple_resize(&brows[0], 1);
  EXPECT_NE(table_compare(a, b), 0);

  table_assign(a, a);  // self-assignment keeps the contents
  EXPECT_EQ(a->count, 2);
  table_resize(a, 1);
  EXPECT_EQ(a->count, 1);
  table_resize(a, -3);
  EXPECT_EQ(a->count, 0);
  table_clear(b);
  EXPECT_EQ(b->count, 0);
  table_destroy(a);
  table_destroy(b);
}

TEST(BasicValues, NullArgumentsAreIgnored) {
  Tzv_table* t = table_create();
  table_destroy(nullptr);
  table_assign(nullptr, t);
  table_assign(t, nullptr);  // becomes empty
  table_resize(nullptr, 3);
  table_clear(nullptr);
  EXPECT_EQ(table_compare(nullptr, nullptr), 0);
  EXPECT_NE(table_compare(t, nullptr), 0);
  tuple_init(nullptr);
  tuple_resize(nullptr, 2);
  tuple_clear(nullptr);
  tuple_assign(nullptr, nullptr);
  EXPECT_EQ(tuple_compare(nullptr, nullptr), 0);
  any_init(nullptr);
  any_clear(nullptr);
  any_assign(nullptr, nullptr);
  any_assign_integer(nullptr, 1);
  any_assign_double(nullptr, 1);
  any_assign_string(nullptr, "x");
  any_assign_tuple(nullptr, nullptr);
  any_assign_pointer(nullptr, nullptr);
  Tzv_any a;
  any_init(&a);
  any_assign_tuple(&a, nullptr);  // an empty tuple
  EXPECT_EQ(a.value.t->count, 0);
  EXPECT_NE(any_compare(&a, nullptr), 0);
  any_clear(&a);
  table_destroy(t);
}
