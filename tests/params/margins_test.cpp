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
    EXPECT_FALSE(zv_margins_equal(a, b));
    zv_margins_assign(b, a);
    EXPECT_TRUE(zv_margins_equal(a, b));
  }
  zv_margins_set_visible(a, true);
  EXPECT_FALSE(zv_margins_equal(a, b));
  zv_margins_assign(b, a);
  EXPECT_TRUE(zv_margins_equal(b, a));
  EXPECT_TRUE(zv_margins_get_visible(b));

  zv_margins_destroy(a);
  zv_margins_destroy(b);
}

}  // namespace
