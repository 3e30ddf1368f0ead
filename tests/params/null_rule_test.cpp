// The null rule of the parameter exports, family by family: a null handle
// answers the zero value and changes nothing, and a null source or comparand
// is refused. Null arguments on live handles stay with each family's tests.
#include <gtest/gtest.h>

#include "support/null_rule.h"
#include "zv/clip_params.h"
#include "zv/extent_ind.h"
#include "zv/graticule.h"
#include "zv/lookmarks.h"
#include "zv/margins.h"
#include "zv/prf_data.h"
#include "zv/scale_line.h"

// Colours have no operator==: compared as their integer.
template <class H, class... A>
void zv_expect_zero_on_null(Tzv_color (*query)(H*, A...), int index) {
  EXPECT_EQ(zv_clr_to_int(query(nullptr, A{}...)), 0u) << "query " << index << " of the list";
}

namespace {

// create, destroy, assign and equal of one family.
template <class H, class Assign, class Equal>
void expect_null_refused(H* (*create)(), void (*destroy)(H*), Assign assign, Equal equal) {
  H* h = create();
  assign(h, nullptr);
  assign(nullptr, h);
  EXPECT_FALSE(equal(h, nullptr));
  EXPECT_FALSE(equal(nullptr, h));
  EXPECT_FALSE(equal(nullptr, nullptr));
  EXPECT_TRUE(equal(h, h));
  destroy(nullptr);
  destroy(h);
}

// The lifecycle exports of the family whose names start with `family`.
#define ZV_EXPECT_NULL_REFUSED(family) \
  expect_null_refused(family##_create, family##_destroy, family##_assign, family##_equal)

}  // namespace

TEST(NullRule, Graticule) {
  ZV_EXPECT_NULL_REFUSED(zv_graticule_line);
  ZV_EXPECT_NULL_REFUSED(zv_graticule_grid);
  ZV_EXPECT_NULL_REFUSED(zv_graticule_frame);
  ZV_EXPECT_NULL_REFUSED(zv_graticule_ticks);
  ZV_EXPECT_NULL_REFUSED(zv_graticule_params);
  zv_expect_each_zero_on_null(
      zv_graticule_line_get_color, zv_graticule_line_get_width, zv_graticule_grid_get_visible,
      zv_graticule_grid_get_line_ptr, zv_graticule_frame_get_visible, zv_graticule_frame_get_line_ptr,
      zv_graticule_ticks_get_lon_approx_ndiap, zv_graticule_ticks_get_lat_approx_ndiap,
      zv_graticule_ticks_get_fnt_visible, zv_graticule_ticks_get_fnt_short_str, zv_graticule_ticks_get_fnt_size,
      zv_graticule_ticks_get_fnt_clr, zv_graticule_ticks_get_fnt_type_ptr, zv_graticule_ticks_get_grid_ptr,
      zv_graticule_params_get_visible, zv_graticule_params_get_fixed_step_flag, zv_graticule_params_get_addit_flag,
      zv_graticule_params_get_rotate_side_text_flag, zv_graticule_params_get_main_ticks_ptr,
      zv_graticule_params_get_addt_ticks_ptr, zv_graticule_params_get_frame_ptr);
  zv_call_each_on_null(
      zv_graticule_line_set_color, zv_graticule_line_set_width, zv_graticule_grid_set_visible,
      zv_graticule_frame_set_visible, zv_graticule_ticks_set_lon_step_dms, zv_graticule_ticks_set_lat_step_dms,
      zv_graticule_ticks_set_lon_approx_ndiap, zv_graticule_ticks_set_lat_approx_ndiap,
      zv_graticule_ticks_set_fnt_visible, zv_graticule_ticks_set_fnt_short_str, zv_graticule_ticks_set_fnt_size,
      zv_graticule_ticks_set_fnt_clr, zv_graticule_params_set_visible, zv_graticule_params_set_fixed_step_flag,
      zv_graticule_params_set_addit_flag, zv_graticule_params_set_rotate_side_text_flag,
      zv_graticule_ticks_get_lon_step_dms, zv_graticule_ticks_get_lat_step_dms);
}

TEST(NullRule, ProfileData) {
  ZV_EXPECT_NULL_REFUSED(zv_prf_data);
  zv_expect_each_zero_on_null(zv_prf_data_get_is_profil, zv_prf_data_get_xmin, zv_prf_data_get_xmax,
                              zv_prf_data_get_ymin, zv_prf_data_get_ymax, zv_prf_data_get_zmin, zv_prf_data_get_zmax,
                              zv_prf_data_get_zscale, zv_prf_data_get_delta_xy, zv_prf_data_get_pv_ptr,
                              zv_prf_data_find_xy, zv_prf_data_find_l);
  EXPECT_EQ(zv_prf_data_get_axes_scale(nullptr), zv_prf_axes_scale_none);
  zv_call_each_on_null(zv_prf_data_set_is_profil, zv_prf_data_set_xmin, zv_prf_data_set_xmax, zv_prf_data_set_ymin,
                       zv_prf_data_set_ymax, zv_prf_data_set_zmin, zv_prf_data_set_zmax, zv_prf_data_set_zscale,
                       zv_prf_data_set_delta_xy, zv_prf_data_set_axes_scale, zv_prf_data_set_pv,
                       zv_prf_data_calculate_ls, zv_prf_data_get_prj4string, zv_prf_data_set_prj4string);
}

TEST(NullRule, ClipExtentMarginsAndScaleLine) {
  ZV_EXPECT_NULL_REFUSED(zv_scn2d_clip_params);
  zv_expect_each_zero_on_null(zv_scn2d_clip_params_get_enabled, zv_scn2d_clip_params_get_draw,
                              zv_scn2d_clip_params_get_ov, zv_scn2d_clip_params_get_draw_style,
                              zv_scn2d_clip_params_eval_ov, zv_scn2d_clip_params_eval_box);
  zv_call_each_on_null(zv_scn2d_clip_params_set_enabled, zv_scn2d_clip_params_set_draw, zv_scn2d_clip_params_set_ov,
                       zv_scn2d_clip_params_set_prj, zv_scn2d_clip_params_get_prj);

  ZV_EXPECT_NULL_REFUSED(zv_extent_ind);
  zv_expect_each_zero_on_null(zv_extent_ind_get_visible, zv_extent_ind_get_style, zv_extent_ind_get_links_count,
                              zv_extent_ind_get_link_uid, zv_extent_ind_has_link);
  zv_call_each_on_null(zv_extent_ind_set_visible, zv_extent_ind_set_links_count, zv_extent_ind_set_link_uid,
                       zv_extent_ind_update_link, zv_extent_ind_validate_links);

  ZV_EXPECT_NULL_REFUSED(zv_margins);
  zv_expect_each_zero_on_null(zv_margins_get_visible, zv_margins_get_lft, zv_margins_get_top, zv_margins_get_rgt,
                              zv_margins_get_btm);
  zv_call_each_on_null(zv_margins_set_visible, zv_margins_set_lft, zv_margins_set_top, zv_margins_set_rgt,
                       zv_margins_set_btm);

  ZV_EXPECT_NULL_REFUSED(zv_scale_line_params);
  zv_expect_zero_on_null(zv_scale_line_params_get_visible, 0);
  zv_call_on_null(zv_scale_line_params_set_visible);
}

TEST(NullRule, Lookmarks) {
  ZV_EXPECT_NULL_REFUSED(zv_lookmark);
  ZV_EXPECT_NULL_REFUSED(zv_lookmarks);
  EXPECT_STREQ(zv_lookmark_get_caption(nullptr), L"");
  EXPECT_EQ(zv_lookmarks_find_ptr(nullptr, nullptr), -1);
  EXPECT_EQ(zv_lookmarks_get_active_idx(nullptr), -1);
  zv_expect_each_zero_on_null(zv_lookmarks_get_size, zv_lookmarks_get_ptr, zv_lookmarks_add_ptr,
                              zv_lookmarks_get_active_ptr);
  zv_call_each_on_null(zv_lookmark_set_caption, zv_lookmark_get_caption_adp, zv_lookmark_set_zoom, zv_lookmark_get_zoom,
                       zv_lookmarks_set_active_idx, zv_lookmarks_set_active_ptr, zv_lookmarks_delete_item,
                       zv_lookmarks_swap_items, zv_lookmarks_clear);
}

// Only the outputs asked for are written.
TEST(NullRule, OptionalOutputsAreSkipped) {
  Tzv_lookmark2d* m = zv_lookmark_create();
  zv_lookmark_set_zoom(m, 1, 2, 3, 4);
  double z1 = 0;
  double z3 = 0;
  zv_lookmark_get_zoom(m, nullptr, &z1, nullptr, &z3);
  EXPECT_EQ(z1 + z3, 6.0);
  zv_lookmark_destroy(m);
  Tzv_graticule2d_params* p = zv_graticule_params_create();
  int d = -1;
  zv_graticule_ticks_get_lon_step_dms(zv_graticule_params_get_main_ticks_ptr(p), &d, nullptr, nullptr);
  EXPECT_EQ(d, 1);
  zv_graticule_params_destroy(p);
}
