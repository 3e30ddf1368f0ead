// Clip parameters through the exported functions: defaults, copies,
// comparison and evaluation in another coordinate system.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "zv/clip_params.h"
#include "zv/sibling/proj4_d2.h"

namespace {

constexpr wchar_t const* c_wgs84 = L"+proj=longlat +datum=WGS84 +no_defs";
constexpr wchar_t const* c_utm32 = L"+proj=utm +zone=32 +datum=WGS84 +units=m +no_defs";

std::wstring get_prj(Tzv_clip2d_params* p) {
  std::wstring out = L"(not fed)";
  Izv_string_adp* adp = zv_string_adp_create(
      nullptr, [](wchar_t const* s, void* data) { *static_cast<std::wstring*>(data) = s; }, &out);
  zv_scn2d_clip_params_get_prj(p, adp);
  zv_string_adp_destroy(adp);
  return out;
}

// Owns one clip parameter object with a geographic outline around 10°E 50.5°N.
class ClipParams : public ::testing::Test {
 protected:
  void SetUp() override {
    Tzv_op2d* ov = zv_ov_d2_create();
    for (auto const& v : {Tzv_vtx_d2{9.5, 50.0}, {10.5, 50.0}, {10.5, 51.0}, {9.5, 51.0}}) {
      zv_ov_d2_add_vtx(ov, v.x, v.y);
    }
    zv_scn2d_clip_params_set_ov(geo_, ov);
    zv_ov_d2_destroy(ov);
    zv_scn2d_clip_params_set_prj(geo_, c_wgs84);
  }
  void TearDown() override { zv_scn2d_clip_params_destroy(geo_); }

  Tzv_clip2d_params* geo_ = zv_scn2d_clip_params_create();
};

TEST(ClipParamsDefaults, FlagsOutlineProjectionAndBorder) {
  Tzv_clip2d_params* p = zv_scn2d_clip_params_create();
  EXPECT_FALSE(zv_scn2d_clip_params_get_enabled(p));
  EXPECT_FALSE(zv_scn2d_clip_params_get_draw(p));
  EXPECT_EQ(zv_ov_d2_get_ring_count(zv_scn2d_clip_params_get_ov(p)), 0);
  EXPECT_EQ(get_prj(p), L"");

  Tzv_pgn_style* style = zv_scn2d_clip_params_get_draw_style(p);
  EXPECT_FALSE(zv_pgn_style_get_pgn_visible(style));
  Tzv_bpln_style* b = zv_pgn_style_get_bpln_style_ptr(style);
  EXPECT_EQ(zv_bpln_style_get_width(b), 1.0);
  EXPECT_EQ(zv_clr_to_int(zv_bpln_style_get_color(b)), 255u);
  EXPECT_TRUE(zv_bpln_style_get_use_complex(b));
  Tzv_style_lrs* lrs = zv_cpx_style_get_style_lrs_ptr(zv_bpln_style_get_complex_style(b));
  ASSERT_EQ(zv_style_lrs_get_count(lrs), 3);
  struct {
    uint8_t grey;
    double width, delta;
  } const expected[] = {{224, 2.0, -1.0}, {196, 1.0, -0.5}, {140, 0.4, 0.0}};
  for (int32_t i = 0; i < 3; ++i) {
    Tzv_style_lr* lr = zv_style_lrs_get_lr(lrs, i);
    Tzv_color const c = zv_pln_line_lr_get_color(lr);
    Tzv_color const grey = zv_clr_init_grey(expected[i].grey);
    EXPECT_TRUE(zv_clr_equal(&c, &grey)) << i;
    EXPECT_EQ(zv_pln_line_lr_get_width(lr), expected[i].width) << i;
    EXPECT_EQ(zv_pln_line_lr_get_delta(lr), expected[i].delta) << i;
  }
  zv_scn2d_clip_params_destroy(p);
}

TEST_F(ClipParams, AssignCopiesEverythingAndEqualComparesEachField) {
  Tzv_clip2d_params* c = zv_scn2d_clip_params_create();
  EXPECT_FALSE(zv_scn2d_clip_params_equal(c, geo_));
  zv_scn2d_clip_params_set_enabled(geo_, true);
  zv_scn2d_clip_params_set_draw(geo_, true);
  zv_bpln_style_set_width(zv_pgn_style_get_bpln_style_ptr(zv_scn2d_clip_params_get_draw_style(geo_)), 3.0);
  zv_scn2d_clip_params_assign(c, geo_);
  EXPECT_TRUE(zv_scn2d_clip_params_equal(c, geo_));
  EXPECT_TRUE(zv_scn2d_clip_params_get_enabled(c));
  EXPECT_EQ(get_prj(c), c_wgs84);
  EXPECT_NE(zv_scn2d_clip_params_get_ov(c), zv_scn2d_clip_params_get_ov(geo_));  // a copy, not a share

  zv_scn2d_clip_params_set_draw(c, false);
  EXPECT_FALSE(zv_scn2d_clip_params_equal(c, geo_));
  zv_scn2d_clip_params_assign(c, geo_);
  zv_ov_d2_set_vtx(zv_scn2d_clip_params_get_ov(c), 0, 0, 0.0, 0.0);
  EXPECT_FALSE(zv_scn2d_clip_params_equal(c, geo_));
  zv_scn2d_clip_params_assign(c, geo_);
  zv_scn2d_clip_params_set_prj(c, c_utm32);
  EXPECT_FALSE(zv_scn2d_clip_params_equal(c, geo_));
  // Another spelling of the same system compares equal.
  zv_scn2d_clip_params_set_prj(c, L"+datum=WGS84 +proj=longlat");
  EXPECT_TRUE(zv_scn2d_clip_params_equal(c, geo_));
  zv_scn2d_clip_params_assign(geo_, geo_);
  EXPECT_EQ(get_prj(geo_), c_wgs84);
  zv_scn2d_clip_params_destroy(c);
}

// The scene's clipped-box tests pin the boxes; these pin the outline and
// that a failure leaves the output as it was.
TEST_F(ClipParams, SameSystemYieldsAnExactCopyAndFailureTouchesNothing) {
  Tzv_op2d* out = zv_ov_d2_create();
  EXPECT_TRUE(zv_scn2d_clip_params_eval_ov(geo_, L"+no_defs +datum=WGS84 +proj=longlat", out));
  EXPECT_TRUE(zv_ov_d2_equal(out, zv_scn2d_clip_params_get_ov(geo_)));
  zv_ov_d2_destroy(out);
  Tzv_box_d2 box{1, 2, 3, 4};
  EXPECT_FALSE(zv_scn2d_clip_params_eval_box(geo_, L"+proj=no_such_projection", &box));
  EXPECT_EQ((std::array<double, 4>{box.xmin, box.ymin, box.xmax, box.ymax}), (std::array<double, 4>{1, 2, 3, 4}));
}

TEST_F(ClipParams, GeographicOutlineEvaluatesIntoUtm) {
  if (!zv_pj4_can_reproject()) GTEST_SKIP() << "built without PROJ: no reprojection between different systems";
  Tzv_op2d* out = zv_ov_d2_create();
  ASSERT_TRUE(zv_scn2d_clip_params_eval_ov(geo_, c_utm32, out));
  // cs2cs +proj=longlat +datum=WGS84 +no_defs +to +proj=utm +zone=32 +datum=WGS84 +units=m +no_defs
  Tzv_vtx_d2 const expected[] = {{535833.4592, 5538750.4776},
                                 {607498.4934, 5539708.7568},
                                 {605251.9095, 5650895.7067},
                                 {535084.7072, 5649943.8597}};
  ASSERT_EQ(zv_ov_d2_get_ring_size(out, 0), 4);
  for (int32_t i = 0; i < 4; ++i) {
    EXPECT_NEAR(zv_ov_d2_get_vtx(out, 0, i).x, expected[i].x, 1e-3) << i;
    EXPECT_NEAR(zv_ov_d2_get_vtx(out, 0, i).y, expected[i].y, 1e-3) << i;
  }
  zv_ov_d2_destroy(out);
}

TEST_F(ClipParams, NullArgumentsKeepTheValues) {
  zv_scn2d_clip_params_assign(geo_, nullptr);
  zv_scn2d_clip_params_set_ov(geo_, nullptr);
  zv_scn2d_clip_params_set_prj(geo_, nullptr);
  zv_scn2d_clip_params_get_prj(geo_, nullptr);
  EXPECT_EQ(zv_ov_d2_get_ring_size(zv_scn2d_clip_params_get_ov(geo_), 0), 4);
  EXPECT_EQ(get_prj(geo_), c_wgs84);
  Tzv_box_d2 box{};
  EXPECT_FALSE(zv_scn2d_clip_params_eval_box(geo_, nullptr, &box));
  EXPECT_FALSE(zv_scn2d_clip_params_eval_box(geo_, c_wgs84, nullptr));
  EXPECT_FALSE(zv_scn2d_clip_params_eval_ov(geo_, c_wgs84, nullptr));
}

}  // namespace
