// Tzv_any, Tzv_tuple and Tzv_table: deep copies, comparison, resizing and
// the null guards.

#include <gtest/gtest.h>

#include <cmath>

#include "support/null_rule.h"
#include "zv/sibling/basic/values.h"

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

// An any value that frees what it holds at scope end.
struct Tzv_test_any {
  Tzv_test_any() { any_init(&a); }
  ~Tzv_test_any() { any_clear(&a); }
  Tzv_any a;
};

}  // namespace

TEST(BasicValues, AnyOwnsItsStringAndComparesByTypeAndValue) {
  char text[] = "abc";
  Tzv_test_any a, b, i, d;
  any_assign_string(&a.a, text);
  text[0] = 'x';
  any_assign(&b.a, &a.a);
  char const* const stored = a.a.value.s;  // packed: read into locals
  char const* const copied = b.a.value.s;
  EXPECT_STREQ(stored, "abc");
  EXPECT_NE(copied, stored);
  EXPECT_EQ(any_compare(&a.a, &b.a), 0);
  any_assign_string(&b.a, nullptr);  // the empty string
  EXPECT_STREQ(b.a.value.s, "");
  EXPECT_NE(any_compare(&a.a, &b.a), 0);

  any_assign_integer(&i.a, 1);
  any_assign_double(&d.a, 1.0);
  EXPECT_NE(any_compare(&i.a, &d.a), 0);  // same number, other type
  any_assign_pointer(&i.a, &text);        // not owned: copied as it is
  any_assign(&b.a, &i.a);
  EXPECT_EQ(any_compare(&i.a, &b.a), 0);
  any_assign_double(&d.a, std::nan(""));
  any_assign(&b.a, &d.a);
  EXPECT_NE(any_compare(&d.a, &b.a), 0);  // NaN equals nothing, itself included
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
  Tzv_any* inner_items = zv_inner_of(b)->items;
  any_assign_string(&inner_items[1], "changed");
  EXPECT_NE(tuple_compare(&a, &b), 0);
  Tzv_any const* orig_inner = zv_inner_of(a)->items;
  EXPECT_STREQ(orig_inner[1].value.s, "inner");

  tuple_resize(&b, 1);  // drops (and frees) the tail
  EXPECT_LT(tuple_compare(&b, &a), 0);
  tuple_resize(&b, 4);
  Tzv_any const* grown = b.items;
  int64_t const kept = grown[0].value.i;
  EXPECT_EQ(kept, 7);
  EXPECT_EQ(grown[3].type, zv_any_empty);
  tuple_clear(&a);
  tuple_clear(&b);
}

TEST(BasicValues, AssignFromOwnInnerValue) {
  Tzv_test_any a;
  Tzv_tuple t;
  zv_make_nested(&t);
  any_assign_tuple(&a.a, &t);
  tuple_clear(&t);
  // The source lives inside the destination that the assignment frees.
  Tzv_any* items = a.a.value.t->items;
  any_assign(&a.a, &items[1]);
  EXPECT_EQ(a.a.type, zv_any_string);
  EXPECT_STREQ(a.a.value.s, "seven");
}

TEST(BasicValues, TableAssignResizeCompare) {
  Tzv_table* a = table_create();
  table_resize(a, 2);
  Tzv_tuple* rows = a->rows;
  zv_make_nested(&rows[1]);
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
  table_resize(a, -3);
  EXPECT_EQ(a->count, 0);
  table_clear(b);
  EXPECT_EQ(b->count, 0);
  table_destroy(a);
  table_destroy(b);
}

TEST(BasicValues, NullArgumentsAreIgnored) {
  zv_call_each_on_null(table_destroy, table_assign, table_resize, table_clear, tuple_init, tuple_resize, tuple_clear,
                       tuple_assign, any_init, any_clear, any_assign, any_assign_integer, any_assign_double,
                       any_assign_string, any_assign_tuple, any_assign_pointer);
  EXPECT_EQ(table_compare(nullptr, nullptr), 0);
  EXPECT_EQ(tuple_compare(nullptr, nullptr), 0);
  Tzv_table* t = table_create();
  table_assign(t, nullptr);  // becomes empty
  EXPECT_NE(table_compare(t, nullptr), 0);
  table_destroy(t);
  Tzv_test_any a;
  any_assign_tuple(&a.a, nullptr);  // an empty tuple
  EXPECT_EQ(a.a.value.t->count, 0);
  EXPECT_NE(any_compare(&a.a, nullptr), 0);
}
