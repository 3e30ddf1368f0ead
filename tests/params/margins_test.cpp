#include <gtest/gtest.h>

#include "zv/margins.h"

namespace {

using Setter = void (*)(Tzv_margins_obj*, unsigned int);
using Getter = unsigned int (*)(Tzv_margins_obj*);

struct Side {
  Getter get;
  Setter set;
  unsigned int initial;
};
Side const sides[] = {
    {&zv_margins_get_lft, &zv_margins_set_lft, 10},
    {&zv_margins_get_top, &zv_margins_set_top, 5},
    {&zv_margins_get_rgt, &zv_margins_set_rgt, 10},
    {&zv_margins_get_btm, &zv_margins_set_btm, 5},
};

TEST(Margins, DefaultsCopiesAndComparison) {
  Tzv_margins_obj* a = zv_margins_create();
  Tzv_margins_obj* b = zv_margins_create();
  EXPECT_FALSE(zv_margins_get_visible(a));
  for (auto const& s : sides) EXPECT_EQ(s.get(a), s.initial);
  EXPECT_TRUE(zv_margins_equal(a, b));

  for (auto const& s : sides) {
    s.set(b, 77);
    EXPECT_EQ(s.get(b), 77u);
    EXPECT_FALSE(zv_margins_equal(a, b));
    zv_margins_assign(b, a);
    EXPECT_TRUE(zv_margins_equal(a, b));
  }
  zv_margins_set_visible(a, true);
  EXPECT_TRUE(zv_margins_get_visible(a));
  EXPECT_FALSE(zv_margins_equal(a, b));
  zv_margins_assign(b, a);
  EXPECT_TRUE(zv_margins_equal(b, a));
  EXPECT_TRUE(zv_margins_get_visible(b));

  zv_margins_destroy(a);
  zv_margins_destroy(b);
}

TEST(Margins, NullHandlesAreHarmless) {
  Tzv_margins_obj* a = zv_margins_create();
  zv_margins_destroy(nullptr);
  zv_margins_assign(nullptr, a);
  zv_margins_assign(a, nullptr);
  EXPECT_FALSE(zv_margins_equal(a, nullptr));
  EXPECT_FALSE(zv_margins_equal(nullptr, nullptr));
  EXPECT_FALSE(zv_margins_get_visible(nullptr));
  zv_margins_set_visible(nullptr, true);
  for (auto const& s : sides) {
    s.set(nullptr, 1);
    EXPECT_EQ(s.get(nullptr), 0u);
  }
  EXPECT_EQ(zv_margins_get_lft(a), 10u);
  zv_margins_destroy(a);
}

}  // namespace
