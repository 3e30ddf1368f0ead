// Graticule parameters through the exported functions: the defaults of the
// tree, deep copy and comparison, unnormalised steps.
#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "zv/graticule.h"

namespace {

// Colour bytes and width of a line, e.g. {140, 0.1} for grey 140.
struct line_look {
  int grey;
  double width;
};

void expect_line(Tzv_graticule2d_line const* line, line_look want) {
  Tzv_color const c = zv_graticule_line_get_color(line);
  EXPECT_EQ((std::vector<int>{c.r, c.g, c.b, c.a}), (std::vector<int>{want.grey, want.grey, want.grey, 0}));
  EXPECT_EQ(zv_graticule_line_get_width(line), want.width);
}

std::vector<int> steps(Tzv_graticule2d_ticks const* t) {
  std::vector<int> v(6, -1);
  zv_graticule_ticks_get_lon_step_dms(t, &v[0], &v[1], &v[2]);
  zv_graticule_ticks_get_lat_step_dms(t, &v[3], &v[4], &v[5]);
  return v;
}

void expect_ticks(Tzv_graticule2d_ticks* t, int minutes, bool fnt_visible, double fnt_size, line_look grid) {
  int const deg = minutes ? 0 : 1;
  EXPECT_EQ(steps(t), (std::vector<int>{deg, minutes, 0, deg, minutes, 0}));
  EXPECT_EQ(zv_graticule_ticks_get_lon_approx_ndiap(t), 5);
  EXPECT_EQ(zv_graticule_ticks_get_lat_approx_ndiap(t), 5);
  EXPECT_EQ(zv_graticule_ticks_get_fnt_visible(t), fnt_visible);
  EXPECT_TRUE(zv_graticule_ticks_get_fnt_short_str(t));
  EXPECT_EQ(zv_graticule_ticks_get_fnt_size(t), fnt_size);
  EXPECT_EQ(zv_clr_to_int(zv_graticule_ticks_get_fnt_clr(t)), 0u);
  EXPECT_TRUE(zv_graticule_grid_get_visible(zv_graticule_ticks_get_grid_ptr(t)));
  expect_line(zv_graticule_grid_get_line_ptr(zv_graticule_ticks_get_grid_ptr(t)), grid);
}

Tzv_graticule2d_ticks* main_of(Tzv_graticule2d_params* p) { return zv_graticule_params_get_main_ticks_ptr(p); }
Tzv_graticule2d_ticks* addt_of(Tzv_graticule2d_params* p) { return zv_graticule_params_get_addt_ticks_ptr(p); }
Tzv_graticule2d_frame* frame_of(Tzv_graticule2d_params* p) { return zv_graticule_params_get_frame_ptr(p); }

}  // namespace

TEST(Graticule, DefaultsOfTheTreeAndOfFreeStandingParts) {
  Tzv_graticule2d_params* p = zv_graticule_params_create();
  EXPECT_FALSE(zv_graticule_params_get_visible(p) || zv_graticule_params_get_fixed_step_flag(p) ||
               zv_graticule_params_get_addit_flag(p) || zv_graticule_params_get_rotate_side_text_flag(p));
  expect_ticks(main_of(p), 0, true, 2.5, {140, 0.1});
  expect_ticks(addt_of(p), 20, false, 2.0, {160, 0.05});
  EXPECT_TRUE(zv_graticule_frame_get_visible(frame_of(p)));
  expect_line(zv_graticule_frame_get_line_ptr(frame_of(p)), {0, 0.5});

  Tzv_graticule2d_ticks* ticks = zv_graticule_ticks_create();
  EXPECT_TRUE(zv_graticule_ticks_equal(ticks, main_of(p)));
  // A free-standing frame gets the grid's defaults, not those of the params' frame.
  Tzv_graticule2d_frame* frame = zv_graticule_frame_create();
  EXPECT_TRUE(zv_graticule_frame_get_visible(frame));
  expect_line(zv_graticule_frame_get_line_ptr(frame), {140, 0.1});
  EXPECT_FALSE(zv_graticule_frame_equal(frame, frame_of(p)));
  Tzv_graticule2d_grid* grid = zv_graticule_grid_create();
  Tzv_graticule2d_line* line = zv_graticule_line_create();
  EXPECT_TRUE(zv_graticule_line_equal(zv_graticule_grid_get_line_ptr(grid), line));

  zv_graticule_line_destroy(line);
  zv_graticule_grid_destroy(grid);
  zv_graticule_frame_destroy(frame);
  zv_graticule_ticks_destroy(ticks);
  zv_graticule_params_destroy(p);
}

TEST(Graticule, EveryLevelOfTheTreeIsComparedAndCopied) {
  using edit = void (*)(Tzv_graticule2d_params*);
  edit const edits[] = {
      [](Tzv_graticule2d_params* p) { zv_graticule_params_set_rotate_side_text_flag(p, true); },
      [](Tzv_graticule2d_params* p) { zv_graticule_ticks_set_lat_step_dms(main_of(p), 1, 0, 1); },
      [](Tzv_graticule2d_params* p) { zv_graticule_ticks_set_lon_approx_ndiap(main_of(p), 0); },
      [](Tzv_graticule2d_params* p) { zv_graticule_ticks_set_fnt_clr(main_of(p), zv_clr_init_rgb(0, 0, 1)); },
      [](Tzv_graticule2d_params* p) { zv_fnt_type_set_height(zv_graticule_ticks_get_fnt_type_ptr(addt_of(p)), 20); },
      [](Tzv_graticule2d_params* p) {
        zv_graticule_grid_set_visible(zv_graticule_ticks_get_grid_ptr(addt_of(p)), false);
      },
      [](Tzv_graticule2d_params* p) { zv_graticule_line_set_width(zv_graticule_frame_get_line_ptr(frame_of(p)), 1); },
  };
  for (edit e : edits) {
    Tzv_graticule2d_params* a = zv_graticule_params_create();
    Tzv_graticule2d_params* b = zv_graticule_params_create();
    Tzv_fnt_type* b_font = zv_graticule_ticks_get_fnt_type_ptr(addt_of(b));
    e(a);
    EXPECT_FALSE(zv_graticule_params_equal(a, b));
    EXPECT_FALSE(zv_graticule_params_equal(b, a));
    zv_graticule_params_assign(b, a);
    EXPECT_TRUE(zv_graticule_params_equal(a, b));
    EXPECT_EQ(zv_graticule_ticks_get_fnt_type_ptr(addt_of(b)), b_font);  // font objects stay the destination's
    zv_graticule_params_destroy(a);
    zv_graticule_params_destroy(b);
  }
}

TEST(Graticule, ValuesAreStoredAsGiven) {
  Tzv_graticule2d_ticks* t = zv_graticule_ticks_create();
  zv_graticule_ticks_set_lon_step_dms(t, 0, 90, 0);
  zv_graticule_ticks_set_lat_step_dms(t, -3, 0, 75);
  EXPECT_EQ(steps(t), (std::vector<int>{0, 90, 0, -3, 0, 75}));
  zv_graticule_ticks_assign(t, t);
  EXPECT_EQ(steps(t), (std::vector<int>{0, 90, 0, -3, 0, 75}));
  zv_graticule_ticks_destroy(t);

  Tzv_graticule2d_line* line = zv_graticule_line_create();
  zv_graticule_line_set_width(line, std::numeric_limits<double>::quiet_NaN());
  EXPECT_FALSE(zv_graticule_line_equal(line, line));
  zv_graticule_line_destroy(line);
}
