// Graticule parameters through the exported functions: the defaults of the
// tree, deep copy and comparison, unnormalised steps, null-handle guards.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "zv/graticule.h"

namespace {

struct grey {
  uint8_t level;
};

void expect_color(Tzv_color c, grey g) {
  EXPECT_EQ(c.r, g.level);
  EXPECT_EQ(c.g, g.level);
  EXPECT_EQ(c.b, g.level);
  EXPECT_EQ(c.a, 0);
}

void expect_line(Tzv_graticule2d_line* line, grey g, double width) {
  expect_color(zv_graticule_line_get_color(line), g);
  EXPECT_EQ(zv_graticule_line_get_width(line), width);
}

struct dms {
  int d, m, s;
  bool operator==(dms const&) const = default;
};

dms lon_step(Tzv_graticule2d_ticks const* t) {
  dms v{-1, -1, -1};
  zv_graticule_ticks_get_lon_step_dms(t, &v.d, &v.m, &v.s);
  return v;
}

dms lat_step(Tzv_graticule2d_ticks const* t) {
  dms v{-1, -1, -1};
  zv_graticule_ticks_get_lat_step_dms(t, &v.d, &v.m, &v.s);
  return v;
}

struct ticks_defaults {
  dms step;
  bool fnt_visible;
  double fnt_size;
  grey grid_grey;
  double grid_width;
};

void expect_ticks(Tzv_graticule2d_ticks* t, ticks_defaults const& d) {
  EXPECT_EQ(lon_step(t), d.step);
  EXPECT_EQ(lat_step(t), d.step);
  EXPECT_EQ(zv_graticule_ticks_get_lon_approx_ndiap(t), 5);
  EXPECT_EQ(zv_graticule_ticks_get_lat_approx_ndiap(t), 5);
  EXPECT_EQ(zv_graticule_ticks_get_fnt_visible(t), d.fnt_visible);
  EXPECT_TRUE(zv_graticule_ticks_get_fnt_short_str(t));
  EXPECT_EQ(zv_graticule_ticks_get_fnt_size(t), d.fnt_size);
  expect_color(zv_graticule_ticks_get_fnt_clr(t), grey{0});
  EXPECT_NE(zv_graticule_ticks_get_fnt_type_ptr(t), nullptr);
  Tzv_graticule2d_grid* grid = zv_graticule_ticks_get_grid_ptr(t);
  EXPECT_TRUE(zv_graticule_grid_get_visible(grid));
  expect_line(zv_graticule_grid_get_line_ptr(grid), d.grid_grey, d.grid_width);
}

ticks_defaults const main_defaults{{1, 0, 0}, true, 2.5, grey{140}, 0.1};
ticks_defaults const addt_defaults{{0, 20, 0}, false, 2.0, grey{160}, 0.05};

using params_edit = std::function<void(Tzv_graticule2d_params*)>;

Tzv_graticule2d_line* frame_line(Tzv_graticule2d_params* p) {
  return zv_graticule_frame_get_line_ptr(zv_graticule_params_get_frame_ptr(p));
}
Tzv_graticule2d_grid* addt_grid(Tzv_graticule2d_params* p) {
  return zv_graticule_ticks_get_grid_ptr(zv_graticule_params_get_addt_ticks_ptr(p));
}
Tzv_graticule2d_ticks* main_ticks(Tzv_graticule2d_params* p) { return zv_graticule_params_get_main_ticks_ptr(p); }
Tzv_graticule2d_ticks* addt_ticks(Tzv_graticule2d_params* p) { return zv_graticule_params_get_addt_ticks_ptr(p); }

// One change at every level of the tree; each must make the params differ.
std::vector<std::pair<std::string, params_edit>> const params_edits = {
    {"visible", [](auto* p) { zv_graticule_params_set_visible(p, true); }},
    {"fixed step", [](auto* p) { zv_graticule_params_set_fixed_step_flag(p, true); }},
    {"addit", [](auto* p) { zv_graticule_params_set_addit_flag(p, true); }},
    {"rotate", [](auto* p) { zv_graticule_params_set_rotate_side_text_flag(p, true); }},
    {"main lon step", [](auto* p) { zv_graticule_ticks_set_lon_step_dms(main_ticks(p), 1, 0, 1); }},
    {"main lat step", [](auto* p) { zv_graticule_ticks_set_lat_step_dms(main_ticks(p), 2, 0, 0); }},
    {"main lon ndiap", [](auto* p) { zv_graticule_ticks_set_lon_approx_ndiap(main_ticks(p), 6); }},
    {"main lat ndiap", [](auto* p) { zv_graticule_ticks_set_lat_approx_ndiap(main_ticks(p), 0); }},
    {"main fnt visible", [](auto* p) { zv_graticule_ticks_set_fnt_visible(main_ticks(p), false); }},
    {"main short str", [](auto* p) { zv_graticule_ticks_set_fnt_short_str(main_ticks(p), false); }},
    {"main fnt size", [](auto* p) { zv_graticule_ticks_set_fnt_size(main_ticks(p), 3.0); }},
    {"main fnt clr", [](auto* p) { zv_graticule_ticks_set_fnt_clr(main_ticks(p), zv_clr_init_rgb(0, 0, 1)); }},
    {"main fnt type", [](auto* p) { zv_fnt_type_set_bold(zv_graticule_ticks_get_fnt_type_ptr(main_ticks(p)), true); }},
    {"addt fnt type",
     [](auto* p) { zv_fnt_type_set_height(zv_graticule_ticks_get_fnt_type_ptr(addt_ticks(p)), 20.0); }},
    {"addt lat step", [](auto* p) { zv_graticule_ticks_set_lat_step_dms(addt_ticks(p), 0, 20, 1); }},
    {"addt grid visible", [](auto* p) { zv_graticule_grid_set_visible(addt_grid(p), false); }},
    {"addt grid width", [](auto* p) { zv_graticule_line_set_width(zv_graticule_grid_get_line_ptr(addt_grid(p)), 1.0); }},
    {"frame visible", [](auto* p) { zv_graticule_frame_set_visible(zv_graticule_params_get_frame_ptr(p), false); }},
    {"frame colour", [](auto* p) { zv_graticule_line_set_color(frame_line(p), zv_clr_init_grey(1)); }},
};

}  // namespace

TEST(GraticuleDefaults, ParamsTreeHasItsOwnFrameAndTwoTickSets) {
  Tzv_graticule2d_params* p = zv_graticule_params_create();
  EXPECT_FALSE(zv_graticule_params_get_visible(p));
  EXPECT_FALSE(zv_graticule_params_get_fixed_step_flag(p));
  EXPECT_FALSE(zv_graticule_params_get_addit_flag(p));
  EXPECT_FALSE(zv_graticule_params_get_rotate_side_text_flag(p));
  expect_ticks(main_ticks(p), main_defaults);
  expect_ticks(addt_ticks(p), addt_defaults);
  EXPECT_NE(zv_graticule_ticks_get_fnt_type_ptr(main_ticks(p)), zv_graticule_ticks_get_fnt_type_ptr(addt_ticks(p)));
  EXPECT_TRUE(zv_graticule_frame_get_visible(zv_graticule_params_get_frame_ptr(p)));
  expect_line(frame_line(p), grey{0}, 0.5);
  zv_graticule_params_destroy(p);
}

TEST(GraticuleDefaults, FreeStandingPartsUseTheClassDefaults) {
  Tzv_graticule2d_line* line = zv_graticule_line_create();
  expect_line(line, grey{140}, 0.1);
  Tzv_graticule2d_grid* grid = zv_graticule_grid_create();
  EXPECT_TRUE(zv_graticule_grid_get_visible(grid));
  EXPECT_TRUE(zv_graticule_line_equal(zv_graticule_grid_get_line_ptr(grid), line));
  Tzv_graticule2d_ticks* ticks = zv_graticule_ticks_create();
  expect_ticks(ticks, main_defaults);

  // A free-standing frame gets the grid's defaults, not those of the params' frame.
  Tzv_graticule2d_frame* frame = zv_graticule_frame_create();
  EXPECT_TRUE(zv_graticule_frame_get_visible(frame));
  expect_line(zv_graticule_frame_get_line_ptr(frame), grey{140}, 0.1);
  Tzv_graticule2d_params* p = zv_graticule_params_create();
  EXPECT_FALSE(zv_graticule_frame_equal(frame, zv_graticule_params_get_frame_ptr(p)));
  zv_graticule_frame_assign(frame, zv_graticule_params_get_frame_ptr(p));
  EXPECT_TRUE(zv_graticule_frame_equal(frame, zv_graticule_params_get_frame_ptr(p)));

  zv_graticule_params_destroy(p);
  zv_graticule_frame_destroy(frame);
  zv_graticule_ticks_destroy(ticks);
  zv_graticule_grid_destroy(grid);
  zv_graticule_line_destroy(line);
}

TEST(GraticuleCopy, EveryFieldOfTheTreeIsComparedAndCopied) {
  for (auto const& [name, edit] : params_edits) {
    Tzv_graticule2d_params* a = zv_graticule_params_create();
    Tzv_graticule2d_params* b = zv_graticule_params_create();
    ASSERT_TRUE(zv_graticule_params_equal(a, b));
    edit(a);
    EXPECT_FALSE(zv_graticule_params_equal(a, b)) << name;
    EXPECT_FALSE(zv_graticule_params_equal(b, a)) << name;
    zv_graticule_params_assign(b, a);
    EXPECT_TRUE(zv_graticule_params_equal(a, b)) << name;
    zv_graticule_params_destroy(a);
    zv_graticule_params_destroy(b);
  }
}

TEST(GraticuleCopy, AssignKeepsTheDestinationsFontTypeObjects) {
  Tzv_graticule2d_params* src = zv_graticule_params_create();
  Tzv_graticule2d_params* dst = zv_graticule_params_create();
  Tzv_fnt_type* main_font = zv_graticule_ticks_get_fnt_type_ptr(main_ticks(dst));
  Tzv_fnt_type* addt_font = zv_graticule_ticks_get_fnt_type_ptr(addt_ticks(dst));
  zv_fnt_type_set_name(zv_graticule_ticks_get_fnt_type_ptr(main_ticks(src)), L"Serif");
  zv_graticule_params_assign(dst, src);
  EXPECT_EQ(zv_graticule_ticks_get_fnt_type_ptr(main_ticks(dst)), main_font);
  EXPECT_EQ(zv_graticule_ticks_get_fnt_type_ptr(addt_ticks(dst)), addt_font);
  EXPECT_TRUE(zv_fnt_type_equal(main_font, zv_graticule_ticks_get_fnt_type_ptr(main_ticks(src))));

  // The copy is deep: changing the source afterwards leaves the copy alone.
  zv_graticule_grid_set_visible(addt_grid(src), false);
  EXPECT_TRUE(zv_graticule_grid_get_visible(addt_grid(dst)));

  zv_graticule_params_assign(dst, dst);
  EXPECT_EQ(zv_graticule_ticks_get_fnt_type_ptr(main_ticks(dst)), main_font);
  zv_graticule_ticks_assign(main_ticks(dst), main_ticks(dst));
  EXPECT_TRUE(zv_fnt_type_equal(main_font, zv_graticule_ticks_get_fnt_type_ptr(main_ticks(src))));
  zv_graticule_params_destroy(src);
  zv_graticule_params_destroy(dst);
}

TEST(GraticuleValues, StepsAreStoredAsGivenAndNaNNeverEquals) {
  Tzv_graticule2d_ticks* t = zv_graticule_ticks_create();
  zv_graticule_ticks_set_lon_step_dms(t, 0, 20, 0);
  EXPECT_EQ(lon_step(t), (dms{0, 20, 0}));
  zv_graticule_ticks_set_lat_step_dms(t, 0, 90, 75);
  EXPECT_EQ(lat_step(t), (dms{0, 90, 75}));
  zv_graticule_ticks_set_lon_step_dms(t, -3, 0, 0);
  EXPECT_EQ(lon_step(t), (dms{-3, 0, 0}));
  zv_graticule_ticks_set_fnt_size(t, 0.0);
  EXPECT_EQ(zv_graticule_ticks_get_fnt_size(t), 0.0);
  int d = -1;
  zv_graticule_ticks_get_lat_step_dms(t, &d, nullptr, nullptr);  // only the asked parts
  EXPECT_EQ(d, 0);
  zv_graticule_ticks_destroy(t);

  Tzv_graticule2d_line* line = zv_graticule_line_create();
  zv_graticule_line_set_width(line, std::numeric_limits<double>::quiet_NaN());
  EXPECT_FALSE(zv_graticule_line_equal(line, line));
  zv_graticule_line_destroy(line);
}

TEST(GraticuleGuards, NullHandlesDoNothing) {
  zv_graticule_line_destroy(nullptr);
  zv_graticule_grid_destroy(nullptr);
  zv_graticule_ticks_destroy(nullptr);
  zv_graticule_frame_destroy(nullptr);
  zv_graticule_params_destroy(nullptr);
  expect_color(zv_graticule_line_get_color(nullptr), grey{0});
  EXPECT_EQ(zv_graticule_line_get_width(nullptr), 0.0);
  zv_graticule_line_set_width(nullptr, 1.0);
  EXPECT_FALSE(zv_graticule_grid_get_visible(nullptr));
  EXPECT_EQ(zv_graticule_grid_get_line_ptr(nullptr), nullptr);
  EXPECT_FALSE(zv_graticule_frame_get_visible(nullptr));
  EXPECT_EQ(zv_graticule_frame_get_line_ptr(nullptr), nullptr);
  zv_graticule_frame_set_visible(nullptr, true);
  dms v{7, 7, 7};
  zv_graticule_ticks_get_lon_step_dms(nullptr, &v.d, &v.m, &v.s);
  EXPECT_EQ(v, (dms{7, 7, 7}));
  zv_graticule_ticks_set_lat_step_dms(nullptr, 1, 2, 3);
  EXPECT_EQ(zv_graticule_ticks_get_lat_approx_ndiap(nullptr), 0);
  EXPECT_EQ(zv_graticule_ticks_get_fnt_type_ptr(nullptr), nullptr);
  EXPECT_EQ(zv_graticule_ticks_get_grid_ptr(nullptr), nullptr);
  zv_graticule_ticks_set_fnt_clr(nullptr, zv_clr_init_grey(3));
  EXPECT_FALSE(zv_graticule_params_get_addit_flag(nullptr));
  zv_graticule_params_set_visible(nullptr, true);
  EXPECT_EQ(zv_graticule_params_get_main_ticks_ptr(nullptr), nullptr);
  EXPECT_EQ(zv_graticule_params_get_addt_ticks_ptr(nullptr), nullptr);
  EXPECT_EQ(zv_graticule_params_get_frame_ptr(nullptr), nullptr);

  Tzv_graticule2d_params* p = zv_graticule_params_create();
  Tzv_graticule2d_params* q = zv_graticule_params_create();
  zv_graticule_params_set_visible(q, true);
  zv_graticule_params_assign(p, nullptr);
  zv_graticule_params_assign(nullptr, q);
  EXPECT_FALSE(zv_graticule_params_get_visible(p));
  EXPECT_FALSE(zv_graticule_params_equal(p, nullptr));
  EXPECT_FALSE(zv_graticule_params_equal(nullptr, nullptr));
  zv_graticule_ticks_assign(main_ticks(p), nullptr);
  EXPECT_FALSE(zv_graticule_ticks_equal(nullptr, main_ticks(p)));
  zv_graticule_params_destroy(q);
  zv_graticule_params_destroy(p);
}
