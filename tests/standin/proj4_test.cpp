// Projection stand-in: validity, equivalence, short names and reprojection.
#include <gtest/gtest.h>

#include <string>

#include "support/null_rule.h"
#include "zv/sibling/proj4_d2.h"

namespace {

constexpr wchar_t const* c_wgs84 = L"+proj=longlat +datum=WGS84 +no_defs";
constexpr wchar_t const* c_utm32 = L"+proj=utm +zone=32 +datum=WGS84 +units=m +no_defs";

std::wstring short_text(wchar_t const* pj4) {
  std::wstring out = L"(not fed)";
  Izv_string_adp* adp = zv_string_adp_create(
      nullptr, [](wchar_t const* s, void* data) { *static_cast<std::wstring*>(data) = s; }, &out);
  zv_pj4_get_short_text_w(pj4, adp);
  zv_string_adp_destroy(adp);
  return out;
}

Tzv_op2d* make_ring(std::initializer_list<Tzv_vtx_d2> pts) {
  Tzv_op2d* ov = zv_ov_d2_create();
  for (auto const& p : pts) zv_ov_d2_add_vtx(ov, p.x, p.y);
  return ov;
}

TEST(Pj4Text, ValidityAndEquivalenceFromTheText) {
  EXPECT_TRUE(zv_pj4_is_valid_w(c_wgs84));
  EXPECT_FALSE(zv_pj4_is_valid_w(L""));
  EXPECT_FALSE(zv_pj4_is_valid_w(L"no projection at all"));
  EXPECT_FALSE(zv_pj4_is_valid_w(nullptr));
  // An init file reference: PROJ as installed ships no init files.
  EXPECT_FALSE(zv_pj4_is_valid_w(L"+init=epsg:4326"));
  EXPECT_FALSE(zv_pj4_is_valid_w(L"+proj=longlat +init=epsg:4326"));
  EXPECT_EQ(short_text(L"+init=epsg:4326"), L"");
  EXPECT_TRUE(zv_pj4_equal_w(c_wgs84, L"  +datum=WGS84   +proj=longlat"));
  EXPECT_TRUE(zv_pj4_equal_w(L"", nullptr));
  EXPECT_FALSE(zv_pj4_equal_w(c_utm32, L"+proj=utm +zone=33 +datum=WGS84 +units=m"));
  EXPECT_FALSE(zv_pj4_equal_w(c_wgs84, L""));
}

TEST(Pj4Text, ShortNames) {
  EXPECT_EQ(short_text(L"+proj=utm +zone=32 +south +datum=WGS84 +units=m"), L"utm 32S WGS84");
  EXPECT_EQ(short_text(L"+proj=merc +ellps=GRS80"), L"merc GRS80");
  EXPECT_EQ(short_text(L""), L"");
  EXPECT_EQ(short_text(L"nonsense"), L"");
}

// The clip parameters' and the scene's tests pin the box after a failure;
// this pins the outline itself and the null guards.
TEST(Pj4Reprojection, AFailureLeavesTheOutlineAsItWas) {
  Tzv_rpj_d2* r = zv_rpj_d2_create();
  zv_rpj_d2_init_w(r, c_wgs84, L"not a projection");
  Tzv_op2d* ov = make_ring({{9.5, 50}, {10.5, 51}});
  Tzv_op2d* before = make_ring({{9.5, 50}, {10.5, 51}});
  EXPECT_FALSE(zv_rpj_d2_apply_ov(r, ov));
  EXPECT_TRUE(zv_ov_d2_equal(ov, before));
  zv_call_each_on_null(zv_rpj_d2_destroy, zv_rpj_d2_init_w, zv_rpj_d2_apply_ov);
  zv_ov_d2_destroy(ov);
  zv_ov_d2_destroy(before);
  zv_rpj_d2_destroy(r);
}

TEST(Pj4Proj, AuthorityCodesAndParameterListsOfOneSystemAreEqual) {
  if (!zv_pj4_can_reproject()) GTEST_SKIP() << "built without PROJ: systems are compared by their text only";
  EXPECT_TRUE(zv_pj4_is_valid_w(L"EPSG:4326"));
  EXPECT_FALSE(zv_pj4_is_valid_w(L"+proj=nonsense"));
  EXPECT_TRUE(zv_pj4_equal_w(L"EPSG:4326", c_wgs84));
  EXPECT_TRUE(zv_pj4_equal_w(L"EPSG:32632", c_utm32));
  EXPECT_FALSE(zv_pj4_equal_w(L"EPSG:32633", c_utm32));
  EXPECT_EQ(short_text(L"EPSG:4326"), L"WGS 84");
}

TEST(Pj4Proj, RingsAreReprojectedInGisAxisOrder) {
  if (!zv_pj4_can_reproject()) GTEST_SKIP() << "built without PROJ: no reprojection between different systems";
  Tzv_rpj_d2* r = zv_rpj_d2_create();
  ASSERT_TRUE(zv_rpj_d2_init_w(r, L"EPSG:4326", c_utm32));  // authority order is lat/lon; ours stays lon/lat
  Tzv_op2d* ov = make_ring({{9.5, 50.0}});
  zv_ov_d2_add_ring(ov);
  zv_ov_d2_add_vtx(ov, 10.5, 51.0);
  ASSERT_TRUE(zv_rpj_d2_apply_ov(r, ov));
  // cs2cs +proj=longlat +datum=WGS84 +to +proj=utm +zone=32 +datum=WGS84
  EXPECT_NEAR(zv_ov_d2_get_vtx(ov, 0, 0).x, 535833.4592, 1e-3);
  EXPECT_NEAR(zv_ov_d2_get_vtx(ov, 0, 0).y, 5538750.4776, 1e-3);
  EXPECT_NEAR(zv_ov_d2_get_vtx(ov, 1, 0).x, 605251.9095, 1e-3);
  EXPECT_NEAR(zv_ov_d2_get_vtx(ov, 1, 0).y, 5650895.7067, 1e-3);

  Tzv_op2d* outside = make_ring({{9.5, 50.0}, {10.0, 95.0}});  // no such latitude
  EXPECT_FALSE(zv_rpj_d2_apply_ov(r, outside));
  EXPECT_EQ(zv_ov_d2_get_vtx(outside, 0, 0).x, 9.5);
  zv_ov_d2_destroy(outside);
  zv_ov_d2_destroy(ov);
  zv_rpj_d2_destroy(r);
}

}  // namespace
