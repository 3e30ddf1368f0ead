// Scale line parameters through the exported functions.
#include <gtest/gtest.h>

#include "zv/scale_line.h"

TEST(ScaleLineParams, DefaultCopyAndCompare) {
  Tzv_scale_line2d_params* a = zv_scale_line_params_create();
  Tzv_scale_line2d_params* b = zv_scale_line_params_create();
  EXPECT_FALSE(zv_scale_line_params_get_visible(a));
  EXPECT_TRUE(zv_scale_line_params_equal(a, b));
  zv_scale_line_params_set_visible(a, true);
  EXPECT_FALSE(zv_scale_line_params_equal(a, b));
  zv_scale_line_params_assign(b, a);
  EXPECT_TRUE(zv_scale_line_params_get_visible(b));
  EXPECT_TRUE(zv_scale_line_params_equal(a, b));
  zv_scale_line_params_destroy(b);
  zv_scale_line_params_destroy(a);
}
