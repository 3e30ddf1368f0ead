// Axes stand-in: four independent axes, deep copy and comparison.
#include <gtest/gtest.h>

#include "support/null_rule.h"
#include "zv/sibling/axis2d.h"

namespace {

TEST(Axes, FourDistinctAxesCopiedAndComparedDeeply) {
  Tzv_axes_obj* a = zv_axes_create();
  Tzv_axes_obj* b = zv_axes_create();
  // A change to one part of one axis leaves every other part alone.
  Tzv_axis_marks_obj* m = zv_axis_type_get_marks(zv_axes_get_vright(a));
  zv_axis_marks_set_ticks_length_out(m, 4.5);
  for (Tzv_axis_obj* axis : {zv_axes_get_htop(a), zv_axes_get_hbottom(a), zv_axes_get_vleft(a)})
    EXPECT_NE(zv_axis_marks_get_ticks_length_out(zv_axis_type_get_marks(axis)), 4.5);
  EXPECT_NE(zv_axis_marks_get_ticks_length_out(zv_axis_type_get_adv_marks(zv_axes_get_vright(a))), 4.5);
  EXPECT_FALSE(zv_axes_equal(a, b));
  zv_axes_assign(b, a);
  EXPECT_TRUE(zv_axes_equal(a, b));
  EXPECT_EQ(zv_axis_marks_get_ticks_length_out(zv_axis_type_get_marks(zv_axes_get_vright(b))), 4.5);

  zv_axis_lines_set_width(zv_axis_type_get_lines(zv_axes_get_htop(b)), 0.9);
  EXPECT_FALSE(zv_axes_equal(a, b));
  zv_axes_assign(b, a);
  zv_axis_marks_set_grid_color(zv_axis_type_get_adv_marks(zv_axes_get_hbottom(b)), Tzv_color{1, 2, 3, 4});
  EXPECT_FALSE(zv_axes_equal(a, b));
  zv_axes_assign(b, a);
  zv_axis_type_set_visible(zv_axes_get_vleft(b), false);
  EXPECT_FALSE(zv_axes_equal(a, b));
  zv_axes_assign(b, a);
  zv_axes_set_visible(a, true);
  EXPECT_FALSE(zv_axes_equal(a, b));
  zv_axes_destroy(a);
  zv_axes_destroy(b);
}

TEST(Axes, NullHandlesAreIgnored) {
  zv_call_each_on_null(zv_axes_destroy, zv_axes_assign, zv_axis_marks_set_grid_width);
  zv_expect_each_zero_on_null(zv_axes_equal, zv_axes_get_htop, zv_axis_type_get_lines);
  EXPECT_EQ(zv_axis_marks_get_capt_alignment(nullptr), zv_axis_capt_align_center);
}

}  // namespace
