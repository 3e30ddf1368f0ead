// Profile data bound to no scene: defaults, cumulative lengths, conversions
// between fractions and points, copy and comparison, null-handle guards.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <memory>
#include <string>

#include "zv/prf_data.h"

namespace {

struct prf_deleter {
  void operator()(Tzv_profil_data* p) const { zv_prf_data_destroy(p); }
};
using prf_ptr = std::unique_ptr<Tzv_profil_data, prf_deleter>;

prf_ptr make_prf() { return prf_ptr(zv_prf_data_create()); }

struct pv_deleter {
  void operator()(Tzv_pp2d* p) const { zv_pv_d2_destroy(p); }
};
using pv_ptr = std::unique_ptr<Tzv_pp2d, pv_deleter>;

pv_ptr make_pv(std::initializer_list<Tzv_vtx_d2> vertices) {
  pv_ptr pv(zv_pv_d2_create());
  for (auto const& v : vertices) zv_pv_d2_add_vtx(pv.get(), v.x, v.y);
  return pv;
}

// A profile whose line is `vertices`, lengths calculated.
prf_ptr make_prf_with_line(std::initializer_list<Tzv_vtx_d2> vertices) {
  prf_ptr prf = make_prf();
  zv_prf_data_set_pv(prf.get(), make_pv(vertices).get());
  return prf;
}

std::wstring read_prj4(Tzv_profil_data const* prf) {
  std::wstring out = L"<untouched>";
  auto const wide = [](wchar_t const* s, void* data) { *static_cast<std::wstring*>(data) = s ? s : L""; };
  Izv_string_adp* adp = zv_string_adp_create(nullptr, wide, &out);
  zv_prf_data_get_prj4string(prf, adp);
  zv_string_adp_destroy(adp);
  return out;
}

constexpr double not_a_number = std::numeric_limits<double>::quiet_NaN();

}  // namespace

TEST(PrfDataDefaults, NewObjectHasTheDocumentedValuesAndAnswersNoPosition) {
  prf_ptr prf = make_prf();
  Tzv_profil_data* h = prf.get();
  EXPECT_FALSE(zv_prf_data_get_is_profil(h));
  EXPECT_EQ(zv_prf_data_get_xmin(h), 0.0);
  EXPECT_EQ(zv_prf_data_get_xmax(h), 1.0);
  EXPECT_EQ(zv_prf_data_get_ymin(h), 0.0);
  EXPECT_EQ(zv_prf_data_get_ymax(h), 1.0);
  EXPECT_EQ(zv_prf_data_get_zmin(h), 0.0);
  EXPECT_EQ(zv_prf_data_get_zmax(h), 1.0);
  EXPECT_EQ(zv_prf_data_get_zscale(h), 1.0);
  EXPECT_EQ(zv_prf_data_get_delta_xy(h), 1.0);
  EXPECT_EQ(zv_prf_data_get_axes_scale(h), zv_prf_axes_scale_default);
  EXPECT_EQ(zv_pv_d2_get_size(zv_prf_data_get_pv_ptr(h)), 0);
  EXPECT_EQ(read_prj4(h), L"");

  double x = -7, y = -7, l = -7;
  EXPECT_FALSE(zv_prf_data_find_xy(h, 0.0, &x, &y));
  EXPECT_FALSE(zv_prf_data_find_l(h, 0.0, 0.0, 100.0, &l));
  EXPECT_EQ(x, -7);  // outputs untouched on failure
  EXPECT_EQ(l, -7);

  prf_ptr unbound(zv_prf_data_create_ex(nullptr));
  EXPECT_TRUE(zv_prf_data_equal(unbound.get(), h));
}

TEST(PrfDataValues, SettersStoreUncheckedValuesButZscaleRefusesZero) {
  prf_ptr prf = make_prf();
  Tzv_profil_data* h = prf.get();
  zv_prf_data_set_is_profil(h, true);
  zv_prf_data_set_xmin(h, 5.0);  // above xmax: not checked
  zv_prf_data_set_ymax(h, -2.5);
  zv_prf_data_set_zmin(h, 7.0);
  zv_prf_data_set_zmax(h, 8.0);
  zv_prf_data_set_delta_xy(h, 0.25);
  zv_prf_data_set_axes_scale(h, zv_prf_axes_scale_none);
  EXPECT_TRUE(zv_prf_data_get_is_profil(h));
  EXPECT_EQ(zv_prf_data_get_xmin(h), 5.0);
  EXPECT_EQ(zv_prf_data_get_xmax(h), 1.0);
  EXPECT_EQ(zv_prf_data_get_ymax(h), -2.5);
  EXPECT_EQ(zv_prf_data_get_zmin(h), 7.0);
  EXPECT_EQ(zv_prf_data_get_zmax(h), 8.0);
  EXPECT_EQ(zv_prf_data_get_delta_xy(h), 0.25);
  EXPECT_EQ(zv_prf_data_get_axes_scale(h), zv_prf_axes_scale_none);

  zv_prf_data_set_zscale(h, 3.0);
  zv_prf_data_set_zscale(h, 0.0);
  EXPECT_EQ(zv_prf_data_get_zscale(h), 3.0);
  zv_prf_data_set_zscale(h, -0.0);
  EXPECT_EQ(zv_prf_data_get_zscale(h), 3.0);
  zv_prf_data_set_zscale(h, -4.0);
  EXPECT_EQ(zv_prf_data_get_zscale(h), -4.0);
  zv_prf_data_set_zscale(h, not_a_number);
  EXPECT_TRUE(std::isnan(zv_prf_data_get_zscale(h)));

  zv_prf_data_set_prj4string(h, L"+proj=longlat +datum=WGS84");
  EXPECT_EQ(read_prj4(h), L"+proj=longlat +datum=WGS84");
  zv_prf_data_set_prj4string(h, L"");
  EXPECT_EQ(read_prj4(h), L"");
}

TEST(PrfDataFindXy, InterpolatesAlongCumulativeLengths) {
  // Segment lengths 5 and 6: ls = 0, 5/11, 1.
  prf_ptr prf = make_prf_with_line({{0, 0}, {3, 4}, {3, 10}});
  double x = 0, y = 0;
  ASSERT_TRUE(zv_prf_data_find_xy(prf.get(), 0.5, &x, &y));
  EXPECT_DOUBLE_EQ(x, 3.0);
  EXPECT_DOUBLE_EQ(y, 4.5);
  ASSERT_TRUE(zv_prf_data_find_xy(prf.get(), 0.0, &x, &y));
  EXPECT_EQ(x, 0.0);
  EXPECT_EQ(y, 0.0);
  ASSERT_TRUE(zv_prf_data_find_xy(prf.get(), 1.0, &x, &y));
  EXPECT_EQ(x, 3.0);
  EXPECT_EQ(y, 10.0);
  ASSERT_TRUE(zv_prf_data_find_xy(prf.get(), 5.0 / 22.0, &x, &y));  // half of the first segment
  EXPECT_DOUBLE_EQ(x, 1.5);
  EXPECT_DOUBLE_EQ(y, 2.0);

  x = y = -7;
  for (double l : {1.0000001, -0.1, not_a_number, std::numeric_limits<double>::infinity()})
    EXPECT_FALSE(zv_prf_data_find_xy(prf.get(), l, &x, &y)) << l;
  EXPECT_EQ(x, -7);
  EXPECT_EQ(y, -7);
}

TEST(PrfDataFindXy, DegenerateLines) {
  double x = 0, y = 0;
  {
    prf_ptr one = make_prf_with_line({{2, 3}});
    ASSERT_TRUE(zv_prf_data_find_xy(one.get(), 0.0, &x, &y));
    EXPECT_EQ(x, 2.0);
    EXPECT_EQ(y, 3.0);
    EXPECT_FALSE(zv_prf_data_find_xy(one.get(), 0.5, &x, &y));
  }
  {
    // Total length 0: lengths stay 0 and are not normalised, so only 0 is on the line.
    prf_ptr same = make_prf_with_line({{2, 2}, {2, 2}, {2, 2}});
    ASSERT_TRUE(zv_prf_data_find_xy(same.get(), 0.0, &x, &y));
    EXPECT_EQ(x, 2.0);
    EXPECT_EQ(y, 2.0);
    EXPECT_FALSE(zv_prf_data_find_xy(same.get(), 0.5, &x, &y));
  }
  {
    // ls = 0, 0, 1: the zero-length first segment answers its first vertex.
    prf_ptr first = make_prf_with_line({{0, 0}, {0, 0}, {1, 0}});
    ASSERT_TRUE(zv_prf_data_find_xy(first.get(), 0.0, &x, &y));
    EXPECT_EQ(x, 0.0);
    EXPECT_EQ(y, 0.0);
    ASSERT_TRUE(zv_prf_data_find_xy(first.get(), 0.5, &x, &y));
    EXPECT_DOUBLE_EQ(x, 0.5);
    EXPECT_EQ(y, 0.0);
  }
}

TEST(PrfDataThresholds, TotalLengthAtOrBelowOneMillionthIsNotNormalised) {
  double x = 0, y = 0;
  // 5e-7 long: ls = 0, 5e-7, and that segment counts as zero length.
  prf_ptr tiny = make_prf_with_line({{0, 0}, {5e-7, 0}});
  EXPECT_FALSE(zv_prf_data_find_xy(tiny.get(), 1.0, &x, &y));
  ASSERT_TRUE(zv_prf_data_find_xy(tiny.get(), 5e-7, &x, &y));
  EXPECT_EQ(x, 0.0);
  EXPECT_EQ(y, 0.0);

  // 2e-6 long: normalised.
  prf_ptr small = make_prf_with_line({{0, 0}, {2e-6, 0}});
  ASSERT_TRUE(zv_prf_data_find_xy(small.get(), 1.0, &x, &y));
  EXPECT_EQ(x, 2e-6);
  ASSERT_TRUE(zv_prf_data_find_xy(small.get(), 0.5, &x, &y));
  EXPECT_DOUBLE_EQ(x, 1e-6);
}

TEST(PrfDataFindL, NearestPointWithStrictTolerance) {
  prf_ptr prf = make_prf_with_line({{0, 0}, {10, 0}});
  double l = -7;
  // Nearest to the inside of the segment, 1 away.
  EXPECT_FALSE(zv_prf_data_find_l(prf.get(), 4, 1, 1.0, &l));
  EXPECT_EQ(l, -7);
  ASSERT_TRUE(zv_prf_data_find_l(prf.get(), 4, 1, 1.0001, &l));
  EXPECT_DOUBLE_EQ(l, 0.4);
  // Beyond the end the segment and the vertex are equally near: the vertex wins.
  EXPECT_FALSE(zv_prf_data_find_l(prf.get(), 12, 0, 2.0, &l));
  ASSERT_TRUE(zv_prf_data_find_l(prf.get(), 12, 0, 2.5, &l));
  EXPECT_EQ(l, 1.0);
  EXPECT_FALSE(zv_prf_data_find_l(prf.get(), 4, 1, not_a_number, &l));

  // On the second segment of a bent line, halfway: 5/11 + (6/11) / 2.
  prf_ptr bent = make_prf_with_line({{0, 0}, {3, 4}, {3, 10}});
  ASSERT_TRUE(zv_prf_data_find_l(bent.get(), 3, 7, 0.5, &l));
  EXPECT_DOUBLE_EQ(l, 8.0 / 11.0);
  ASSERT_TRUE(zv_prf_data_find_l(bent.get(), 4, 3.5, 2.0, &l));  // outside the corner: the middle vertex
  EXPECT_DOUBLE_EQ(l, 5.0 / 11.0);
}

TEST(PrfDataThresholds, SegmentSplitAtOrBelowOneMillionthTakesTheMiddle) {
  double l = -7;
  // Segment 1e-7 long (lengths not normalised: 0 and 1e-7); foot at a fifth of it.
  prf_ptr tiny = make_prf_with_line({{0, 0}, {1e-7, 0}});
  ASSERT_TRUE(zv_prf_data_find_l(tiny.get(), 2e-8, 1e-7, 1.0, &l));
  EXPECT_DOUBLE_EQ(l, 5e-8);
  // Beyond its end the segment and its last vertex tie: the vertex answers its own length.
  ASSERT_TRUE(zv_prf_data_find_l(tiny.get(), 1.0, 0.0, 2.0, &l));
  EXPECT_EQ(l, 1e-7);
  // Segment 2e-6 long: split in proportion.
  prf_ptr small = make_prf_with_line({{0, 0}, {2e-6, 0}});
  ASSERT_TRUE(zv_prf_data_find_l(small.get(), 4e-7, 1e-7, 1.0, &l));
  EXPECT_NEAR(l, 0.2, 1e-9);
}

TEST(PrfDataLine, InPlaceEditMakesLengthsStaleUntilRecalculated) {
  prf_ptr prf = make_prf_with_line({{0, 0}, {10, 0}});
  Tzv_pp2d* pv = zv_prf_data_get_pv_ptr(prf.get());
  EXPECT_EQ(pv, zv_prf_data_get_pv_ptr(prf.get()));
  zv_pv_d2_add_vtx(pv, 10, 10);
  double x = 0, y = 0, l = 0;
  EXPECT_FALSE(zv_prf_data_find_xy(prf.get(), 0.5, &x, &y));
  EXPECT_FALSE(zv_prf_data_find_l(prf.get(), 10, 0, 1.0, &l));

  zv_prf_data_calculate_ls(prf.get());
  ASSERT_TRUE(zv_prf_data_find_xy(prf.get(), 0.75, &x, &y));
  EXPECT_DOUBLE_EQ(x, 10.0);
  EXPECT_DOUBLE_EQ(y, 5.0);
  ASSERT_TRUE(zv_prf_data_find_l(prf.get(), 10, 0, 1.0, &l));
  EXPECT_DOUBLE_EQ(l, 0.5);

  // set_pv copies: the source line stays the caller's.
  pv_ptr other = make_pv({{1, 1}});
  zv_prf_data_set_pv(prf.get(), other.get());
  zv_pv_d2_add_vtx(other.get(), 2, 2);
  EXPECT_EQ(zv_pv_d2_get_size(zv_prf_data_get_pv_ptr(prf.get())), 1);
}

TEST(PrfDataCopy, AssignCopiesValuesLineLengthsAndProjection) {
  prf_ptr src = make_prf_with_line({{0, 0}, {3, 4}, {3, 10}});
  zv_prf_data_set_is_profil(src.get(), true);
  zv_prf_data_set_zmax(src.get(), 300.0);
  zv_prf_data_set_zscale(src.get(), 2.0);
  zv_prf_data_set_axes_scale(src.get(), zv_prf_axes_scale_none);
  zv_prf_data_set_prj4string(src.get(), L"+proj=merc");
  prf_ptr dst = make_prf();
  EXPECT_FALSE(zv_prf_data_equal(dst.get(), src.get()));

  zv_prf_data_assign(dst.get(), src.get());
  EXPECT_TRUE(zv_prf_data_equal(dst.get(), src.get()));
  EXPECT_NE(zv_prf_data_get_pv_ptr(dst.get()), zv_prf_data_get_pv_ptr(src.get()));
  EXPECT_EQ(zv_prf_data_get_zmax(dst.get()), 300.0);
  EXPECT_EQ(read_prj4(dst.get()), L"+proj=merc");
  double x = 0, y = 0;
  ASSERT_TRUE(zv_prf_data_find_xy(dst.get(), 0.5, &x, &y));  // lengths came along
  EXPECT_DOUBLE_EQ(y, 4.5);

  // Lengths are copied as they are: a stale table stays stale.
  zv_pv_d2_add_vtx(zv_prf_data_get_pv_ptr(src.get()), 3, 20);
  zv_prf_data_assign(dst.get(), src.get());
  EXPECT_FALSE(zv_prf_data_find_xy(dst.get(), 0.5, &x, &y));
}

TEST(PrfDataCopy, EqualIgnoresProjectionAndSelfAssignKeepsIt) {
  prf_ptr a = make_prf();
  prf_ptr b = make_prf();
  zv_prf_data_set_prj4string(a.get(), L"+proj=merc");
  EXPECT_TRUE(zv_prf_data_equal(a.get(), b.get()));

  zv_prf_data_assign(a.get(), a.get());
  EXPECT_EQ(read_prj4(a.get()), L"+proj=merc");

  zv_pv_d2_add_vtx(zv_prf_data_get_pv_ptr(b.get()), 1, 1);
  EXPECT_FALSE(zv_prf_data_equal(a.get(), b.get()));  // the line is compared

  zv_prf_data_set_ymin(a.get(), not_a_number);
  EXPECT_FALSE(zv_prf_data_equal(a.get(), a.get()));
}

TEST(PrfDataGuards, NullHandlesAndArgumentsDoNothing) {
  zv_prf_data_destroy(nullptr);
  EXPECT_FALSE(zv_prf_data_get_is_profil(nullptr));
  EXPECT_EQ(zv_prf_data_get_xmin(nullptr), 0.0);
  EXPECT_EQ(zv_prf_data_get_zscale(nullptr), 0.0);
  EXPECT_EQ(zv_prf_data_get_delta_xy(nullptr), 0.0);
  EXPECT_EQ(zv_prf_data_get_axes_scale(nullptr), zv_prf_axes_scale_none);
  EXPECT_EQ(zv_prf_data_get_pv_ptr(nullptr), nullptr);
  zv_prf_data_set_is_profil(nullptr, true);
  zv_prf_data_set_xmax(nullptr, 2.0);
  zv_prf_data_set_zscale(nullptr, 2.0);
  zv_prf_data_set_axes_scale(nullptr, zv_prf_axes_scale_izotropic);
  zv_prf_data_calculate_ls(nullptr);
  zv_prf_data_set_prj4string(nullptr, L"x");
  EXPECT_EQ(read_prj4(nullptr), L"<untouched>");

  prf_ptr prf = make_prf_with_line({{0, 0}, {1, 0}});
  zv_prf_data_set_pv(nullptr, zv_prf_data_get_pv_ptr(prf.get()));
  zv_prf_data_set_pv(prf.get(), nullptr);
  EXPECT_EQ(zv_pv_d2_get_size(zv_prf_data_get_pv_ptr(prf.get())), 2);
  zv_prf_data_set_prj4string(prf.get(), L"+proj=merc");
  zv_prf_data_set_prj4string(prf.get(), nullptr);
  EXPECT_EQ(read_prj4(prf.get()), L"+proj=merc");
  zv_prf_data_get_prj4string(prf.get(), nullptr);

  double x = 0, l = 0;
  EXPECT_FALSE(zv_prf_data_find_xy(nullptr, 0.0, &x, &x));
  EXPECT_FALSE(zv_prf_data_find_xy(prf.get(), 0.0, nullptr, &x));
  EXPECT_FALSE(zv_prf_data_find_xy(prf.get(), 0.0, &x, nullptr));
  EXPECT_FALSE(zv_prf_data_find_l(nullptr, 0, 0, 1, &l));
  EXPECT_FALSE(zv_prf_data_find_l(prf.get(), 0, 0, 1, nullptr));

  zv_prf_data_assign(prf.get(), nullptr);
  zv_prf_data_assign(nullptr, prf.get());
  EXPECT_FALSE(zv_prf_data_equal(prf.get(), nullptr));
  EXPECT_FALSE(zv_prf_data_equal(nullptr, prf.get()));
  EXPECT_FALSE(zv_prf_data_equal(nullptr, nullptr));
  EXPECT_EQ(zv_pv_d2_get_size(zv_prf_data_get_pv_ptr(prf.get())), 2);
}
