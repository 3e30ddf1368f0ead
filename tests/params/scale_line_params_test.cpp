// Scale line parameters through the exported functions.
#include <gtest/gtest.h>

#include "zv/scale_line.h"

TEST(ScaleLineParams, DefaultCopyCompareAndNullGuards) {
  Tzv_scale_line2d_params* a = zv_scale_line_params_create();
  Tzv_scale_line2d_params* b = zv_scale_line_params_create();
  EXPECT_FALSE(zv_scale_line_params_get_visible(a));
  EXPECT_TRUE(zv_scale_line_params_equal(a, b));

  zv_scale_line_params_set_visible(a, true);
  EXPECT_TRUE(zv_scale_line_params_get_visible(a));
  EXPECT_FALSE(zv_scale_line_params_equal(a, b));
  zv_scale_line_params_assign(b, a);
  EXPECT_TRUE(zv_scale_line_params_get_visible(b));
  EXPECT_TRUE(zv_scale_line_params_equal(a, b));

  zv_scale_line_params_destroy(nullptr);
  EXPECT_FALSE(zv_scale_line_params_get_visible(nullptr));
  zv_scale_line_params_set_visible(nullptr, true);
  zv_scale_line_params_assign(nullptr, a);
  zv_scale_line_params_assign(a, nullptr);
  EXPECT_TRUE(zv_scale_line_params_get_visible(a));
  EXPECT_FALSE(zv_scale_line_params_equal(a, nullptr));
  EXPECT_FALSE(zv_scale_line_params_equal(nullptr, nullptr));
  zv_scale_line_params_destroy(b);
  zv_scale_line_params_destroy(a);
}
