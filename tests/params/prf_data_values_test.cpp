// Profile data bound to no scene: defaults, cumulative lengths, conversions
// between fractions and points, copy and comparison, null arguments.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <string>

#include "zv/prf_data.h"

namespace {

constexpr double not_a_number = std::numeric_limits<double>::quiet_NaN();

// A profile whose line is `vertices`, lengths calculated.
Tzv_profil_data* make_prf(std::initializer_list<Tzv_vtx_d2> vertices = {}) {
  Tzv_profil_data* prf = zv_prf_data_create();
  Tzv_pp2d* pv = zv_pv_d2_create();
  for (auto const& v : vertices) zv_pv_d2_add_vtx(pv, v.x, v.y);
  zv_prf_data_set_pv(prf, pv);
  zv_pv_d2_destroy(pv);
  return prf;
}

std::wstring read_prj4(Tzv_profil_data const* prf) {
  std::wstring out = L"<untouched>";
  auto const wide = [](wchar_t const* s, void* data) { *static_cast<std::wstring*>(data) = s; };
  Izv_string_adp* adp = zv_string_adp_create(nullptr, wide, &out);
  zv_prf_data_get_prj4string(prf, adp);
  zv_string_adp_destroy(adp);
  return out;
}

// find_xy as a point, or (nan, nan) when it fails.
Tzv_vtx_d2 xy(Tzv_profil_data const* prf, double l) {
  Tzv_vtx_d2 p{not_a_number, not_a_number};
  zv_prf_data_find_xy(prf, l, &p.x, &p.y);
  return p;
}

// find_l, or -1 when it fails.
double find_l(Tzv_profil_data const* prf, double x, double y, double tolerance) {
  double l = -1;
  zv_prf_data_find_l(prf, x, y, tolerance, &l);
  return l;
}

#define EXPECT_XY(p, ex, ey)   \
  do {                         \
    Tzv_vtx_d2 const q = (p);  \
    EXPECT_DOUBLE_EQ(q.x, ex); \
    EXPECT_DOUBLE_EQ(q.y, ey); \
  } while (0)

}  // namespace

TEST(PrfData, DefaultsAndTheRefusedScale) {
  Tzv_profil_data* h = zv_prf_data_create();
  EXPECT_FALSE(zv_prf_data_get_is_profil(h));
  for (auto get : {zv_prf_data_get_xmin, zv_prf_data_get_ymin, zv_prf_data_get_zmin}) EXPECT_EQ(get(h), 0.0);
  for (auto get : {zv_prf_data_get_xmax, zv_prf_data_get_ymax, zv_prf_data_get_zmax, zv_prf_data_get_zscale,
                   zv_prf_data_get_delta_xy})
    EXPECT_EQ(get(h), 1.0);
  EXPECT_EQ(zv_prf_data_get_axes_scale(h), zv_prf_axes_scale_default);
  EXPECT_EQ(zv_pv_d2_get_size(zv_prf_data_get_pv_ptr(h)), 0);
  EXPECT_EQ(read_prj4(h), L"");
  double x = -7, l = -7;
  EXPECT_FALSE(zv_prf_data_find_xy(h, 0.0, &x, &x));
  EXPECT_FALSE(zv_prf_data_find_l(h, 0.0, 0.0, 100.0, &l));
  EXPECT_EQ(x + l, -14);  // outputs untouched on failure

  zv_prf_data_set_zscale(h, 3.0);
  zv_prf_data_set_zscale(h, 0.0);
  zv_prf_data_set_zscale(h, -0.0);
  EXPECT_EQ(zv_prf_data_get_zscale(h), 3.0);
  zv_prf_data_set_zscale(h, not_a_number);
  EXPECT_NE(zv_prf_data_get_zscale(h), zv_prf_data_get_zscale(h));
  zv_prf_data_destroy(h);
}

TEST(PrfData, FindXyInterpolatesAlongNormalisedLengths) {
  Tzv_profil_data* prf = make_prf({{0, 0}, {3, 4}, {3, 10}});  // ls = 0, 5/11, 1
  EXPECT_XY(xy(prf, 0.5), 3.0, 4.5);
  EXPECT_XY(xy(prf, 5.0 / 22.0), 1.5, 2.0);
  Tzv_vtx_d2 const end = xy(prf, 1.0);
  EXPECT_EQ(end.x, 3.0);  // exact at the ends
  EXPECT_EQ(end.y, 10.0);
  EXPECT_EQ(xy(prf, 0.0).y, 0.0);
  for (double l : {1.0000001, -0.1, not_a_number}) EXPECT_FALSE(zv_prf_data_find_xy(prf, l, &l, &l));
  zv_prf_data_destroy(prf);
}

TEST(PrfData, FindXyOnDegenerateLines) {
  Tzv_profil_data* one = make_prf({{2, 3}});
  EXPECT_XY(xy(one, 0.0), 2.0, 3.0);
  EXPECT_TRUE(std::isnan(xy(one, 0.5).x));
  // Total length 0: lengths stay 0, so only 0 lies on the line.
  Tzv_profil_data* same = make_prf({{2, 2}, {2, 2}, {2, 2}});
  EXPECT_XY(xy(same, 0.0), 2.0, 2.0);
  EXPECT_TRUE(std::isnan(xy(same, 0.5).x));
  // ls = 0, 0, 1: the zero-length first segment answers its first vertex.
  Tzv_profil_data* first = make_prf({{0, 0}, {0, 0}, {1, 0}});
  EXPECT_XY(xy(first, 0.0), 0.0, 0.0);
  EXPECT_XY(xy(first, 0.5), 0.5, 0.0);
  for (auto* p : {one, same, first}) zv_prf_data_destroy(p);
}

TEST(PrfData, OneMillionthThresholdsAreAbsolute) {
  // 5e-7 long: not normalised (ls = 0, 5e-7) and a zero-length segment.
  Tzv_profil_data* tiny = make_prf({{0, 0}, {5e-7, 0}});
  EXPECT_TRUE(std::isnan(xy(tiny, 1.0).x));
  EXPECT_XY(xy(tiny, 5e-7), 0.0, 0.0);
  // 2e-6 long: normalised, interpolated, and split in proportion by find_l.
  Tzv_profil_data* small = make_prf({{0, 0}, {2e-6, 0}});
  EXPECT_XY(xy(small, 0.5), 1e-6, 0.0);
  EXPECT_NEAR(find_l(small, 4e-7, 1e-7, 1.0), 0.2, 1e-9);
  // Segment 1e-7 long: find_l takes the middle of the two lengths (0 and 1e-7)...
  Tzv_profil_data* split = make_prf({{0, 0}, {1e-7, 0}});
  EXPECT_DOUBLE_EQ(find_l(split, 2e-8, 1e-7, 1.0), 5e-8);
  // ...unless the end vertex ties with the segment: the vertex wins.
  EXPECT_EQ(find_l(split, 1.0, 0.0, 2.0), 1e-7);
  for (auto* p : {tiny, small, split}) zv_prf_data_destroy(p);
}

TEST(PrfData, FindLToleranceIsStrict) {
  Tzv_profil_data* prf = make_prf({{0, 0}, {10, 0}});
  EXPECT_EQ(find_l(prf, 4, 1, 1.0), -1);
  EXPECT_DOUBLE_EQ(find_l(prf, 4, 1, 1.0001), 0.4);
  EXPECT_EQ(find_l(prf, 12, 0, 2.0), -1);  // through the end vertex
  EXPECT_EQ(find_l(prf, 12, 0, 2.5), 1.0);
  EXPECT_EQ(find_l(prf, 4, 1, not_a_number), -1);
  Tzv_profil_data* bent = make_prf({{0, 0}, {3, 4}, {3, 10}});
  EXPECT_DOUBLE_EQ(find_l(bent, 3, 7, 0.5), 8.0 / 11.0);
  EXPECT_DOUBLE_EQ(find_l(bent, 4, 3.5, 2.0), 5.0 / 11.0);  // outside the corner
  zv_prf_data_destroy(bent);
  zv_prf_data_destroy(prf);
}

TEST(PrfData, InPlaceEditLeavesLengthsStaleUntilRecalculated) {
  Tzv_profil_data* prf = make_prf({{0, 0}, {10, 0}});
  zv_pv_d2_add_vtx(zv_prf_data_get_pv_ptr(prf), 10, 10);
  EXPECT_TRUE(std::isnan(xy(prf, 0.5).x));
  EXPECT_EQ(find_l(prf, 10, 0, 1.0), -1);
  zv_prf_data_calculate_ls(prf);
  EXPECT_XY(xy(prf, 0.75), 10.0, 5.0);
  EXPECT_DOUBLE_EQ(find_l(prf, 10, 0, 1.0), 0.5);
  zv_prf_data_destroy(prf);
}

TEST(PrfData, AssignCopiesLengthsAsTheyAreAndEqualIgnoresProjection) {
  Tzv_profil_data* src = make_prf({{0, 0}, {3, 4}, {3, 10}});
  zv_prf_data_set_zmax(src, 300.0);
  zv_prf_data_set_axes_scale(src, zv_prf_axes_scale_none);
  zv_prf_data_set_prj4string(src, L"+proj=merc");
  Tzv_profil_data* dst = make_prf();
  EXPECT_FALSE(zv_prf_data_equal(dst, src));
  zv_prf_data_assign(dst, src);
  EXPECT_TRUE(zv_prf_data_equal(dst, src));
  EXPECT_NE(zv_prf_data_get_pv_ptr(dst), zv_prf_data_get_pv_ptr(src));
  EXPECT_EQ(read_prj4(dst), L"+proj=merc");
  EXPECT_XY(xy(dst, 0.5), 3.0, 4.5);

  zv_pv_d2_add_vtx(zv_prf_data_get_pv_ptr(src), 3, 20);  // stale source, stale copy
  zv_prf_data_assign(dst, src);
  EXPECT_TRUE(std::isnan(xy(dst, 0.5).x));

  zv_prf_data_set_prj4string(dst, L"+proj=utm");
  EXPECT_TRUE(zv_prf_data_equal(dst, src));
  zv_prf_data_assign(dst, dst);
  EXPECT_EQ(read_prj4(dst), L"+proj=utm");
  zv_prf_data_set_ymin(dst, not_a_number);
  EXPECT_FALSE(zv_prf_data_equal(dst, dst));
  zv_prf_data_destroy(dst);
  zv_prf_data_destroy(src);
}

TEST(PrfData, NullArgumentsKeepTheValues) {
  Tzv_profil_data* prf = make_prf({{0, 0}, {1, 0}});
  zv_prf_data_assign(prf, nullptr);
  zv_prf_data_set_pv(prf, nullptr);
  zv_prf_data_set_prj4string(prf, nullptr);
  zv_prf_data_get_prj4string(prf, nullptr);
  double v = 0;
  EXPECT_FALSE(zv_prf_data_find_xy(prf, 0.0, nullptr, &v));
  EXPECT_FALSE(zv_prf_data_find_xy(prf, 0.0, &v, nullptr));
  EXPECT_FALSE(zv_prf_data_find_l(prf, 0, 0, 1, nullptr));
  EXPECT_EQ(zv_pv_d2_get_size(zv_prf_data_get_pv_ptr(prf)), 2);
  EXPECT_EQ(read_prj4(prf), L"");
  zv_prf_data_destroy(prf);
}
