// The null rule on the exports that the family tests do not already call
// with null: a null handle answers the zero value and changes nothing, a null
// source or comparand is refused, and null outputs that are optional are
// skipped.
#include <gtest/gtest.h>

#include "zv/graticule.h"
#include "zv/lookmarks.h"
#include "zv/prf_data.h"

namespace {

template <class R, class H>
void expect_zero(R (*get)(H*)) {
  EXPECT_EQ(get(nullptr), R{});
}

template <class H>
void expect_zero(Tzv_color (*get)(H*)) {
  EXPECT_EQ(zv_clr_to_int(get(nullptr)), 0u);
}

// Calls an operation on a null handle with zero (or null) arguments.
template <class H, class... A>
void call_on_null(void (*op)(H*, A...)) {
  op(nullptr, A{}...);
}

template <class... Get>
void expect_zero_getters(Get... get) {
  (expect_zero(get), ...);
}

template <class... Op>
void call_each_on_null(Op... op) {
  (call_on_null(op), ...);
}

// create, destroy, assign and equal of one family.
template <class H>
struct lifecycle {
  H* (*create)();
  void (*destroy)(H*);
  void (*assign)(H*, H const*);
  bool (*equal)(H const*, H const*);
};

template <class H>
void expect_null_refused(lifecycle<H> f) {
  H* h = f.create();
  f.assign(h, nullptr);
  f.assign(nullptr, h);
  EXPECT_FALSE(f.equal(h, nullptr));
  EXPECT_FALSE(f.equal(nullptr, h));
  EXPECT_TRUE(f.equal(h, h));
  f.destroy(nullptr);
  f.destroy(h);
}

}  // namespace

TEST(NullRule, GraticuleAndProfileExportsAnswerZeroOnNull) {
  expect_null_refused(lifecycle<Tzv_graticule2d_line>{zv_graticule_line_create, zv_graticule_line_destroy,
                                                      zv_graticule_line_assign, zv_graticule_line_equal});
  expect_null_refused(lifecycle<Tzv_graticule2d_grid>{zv_graticule_grid_create, zv_graticule_grid_destroy,
                                                      zv_graticule_grid_assign, zv_graticule_grid_equal});
  expect_null_refused(lifecycle<Tzv_graticule2d_frame>{zv_graticule_frame_create, zv_graticule_frame_destroy,
                                                       zv_graticule_frame_assign, zv_graticule_frame_equal});
  expect_null_refused(lifecycle<Tzv_graticule2d_ticks>{zv_graticule_ticks_create, zv_graticule_ticks_destroy,
                                                       zv_graticule_ticks_assign, zv_graticule_ticks_equal});

  expect_zero_getters(zv_graticule_frame_get_visible, zv_graticule_ticks_get_lon_approx_ndiap,
                      zv_graticule_ticks_get_lat_approx_ndiap, zv_graticule_ticks_get_fnt_visible,
                      zv_graticule_ticks_get_fnt_short_str, zv_graticule_ticks_get_fnt_size,
                      zv_graticule_ticks_get_fnt_clr, zv_graticule_params_get_visible,
                      zv_graticule_params_get_fixed_step_flag, zv_graticule_params_get_addit_flag,
                      zv_graticule_params_get_rotate_side_text_flag, zv_graticule_params_get_addt_ticks_ptr);
  call_each_on_null(zv_graticule_line_set_color, zv_graticule_line_set_width, zv_graticule_grid_set_visible,
                    zv_graticule_ticks_set_lon_step_dms, zv_graticule_ticks_set_lon_approx_ndiap,
                    zv_graticule_ticks_set_lat_approx_ndiap, zv_graticule_ticks_set_fnt_visible,
                    zv_graticule_ticks_set_fnt_short_str, zv_graticule_ticks_set_fnt_size,
                    zv_graticule_ticks_set_fnt_clr, zv_graticule_params_set_fixed_step_flag,
                    zv_graticule_params_set_addit_flag, zv_graticule_params_set_rotate_side_text_flag,
                    zv_graticule_ticks_get_lon_step_dms, zv_graticule_ticks_get_lat_step_dms);

  expect_zero_getters(zv_prf_data_get_xmin, zv_prf_data_get_xmax, zv_prf_data_get_ymin, zv_prf_data_get_ymax,
                      zv_prf_data_get_zmin, zv_prf_data_get_zmax, zv_prf_data_get_delta_xy);
  call_each_on_null(zv_prf_data_set_is_profil, zv_prf_data_set_xmin, zv_prf_data_set_ymin, zv_prf_data_set_ymax,
                    zv_prf_data_set_zmin, zv_prf_data_set_zmax, zv_prf_data_set_zscale, zv_prf_data_set_delta_xy,
                    zv_prf_data_set_axes_scale);
}

TEST(NullRule, NullScenesAndOptionalOutputsAreNoErrors) {
  // A null scene makes an unbound profile, which stores without announcing.
  Tzv_profil_data* prf = zv_prf_data_create_ex(nullptr);
  zv_prf_data_set_zmax(prf, 7.0);
  EXPECT_EQ(zv_prf_data_get_zmax(prf), 7.0);
  zv_prf_data_destroy(prf);

  // Only the zoom values asked for are written.
  Tzv_lookmark2d* m = zv_lookmark_create();
  zv_lookmark_set_zoom(m, 1, 2, 3, 4);
  double z1 = 0;
  double z3 = 0;
  zv_lookmark_get_zoom(m, nullptr, &z1, nullptr, &z3);
  EXPECT_EQ(z1, 2.0);
  EXPECT_EQ(z3, 4.0);
  zv_lookmark_destroy(m);
}
