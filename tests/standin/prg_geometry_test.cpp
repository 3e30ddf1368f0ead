// Geometry stand-in: boxes, nearest segment and vertex, outline polygons.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "zv/sibling/prg.h"

namespace {

Tzv_pp2d* make_line(std::initializer_list<Tzv_vtx_d2> pts) {
  Tzv_pp2d* pv = zv_pv_d2_create();
  for (auto const& p : pts) zv_pv_d2_add_vtx(pv, p.x, p.y);
  return pv;
}

// The box as "xmin ymin xmax ymax".
std::string zv_box_text(Tzv_box_d2 const& b) {
  std::ostringstream os;
  os << b.xmin << ' ' << b.ymin << ' ' << b.xmax << ' ' << b.ymax;
  return os.str();
}

// The scene's extents tests pin the union of boxes; corners given in any
// order are not reached there.
TEST(PrgBox, InitOrdersTheCorners) {
  EXPECT_EQ(zv_box_text(zv_box_d2_init_xy(5, -1, 1, 3)), "1 -1 5 3");
  EXPECT_DOUBLE_EQ(zv_distance_xy(1, 1, 4, 5), 5.0);
}

TEST(PrgPolyline, NearestSegmentClampsToItsEnds) {
  Tzv_pp2d* pv = make_line({{0, 0}, {10, 0}, {10, 10}});
  double d = 0;
  Tzv_vtx_d2 foot{};
  int32_t ia = -1, ib = -1;
  ASSERT_TRUE(zv_pv_d2_vec_distance_xy(pv, 4, 3, &d, &foot, &ia, &ib));
  EXPECT_DOUBLE_EQ(d, 3);
  EXPECT_DOUBLE_EQ(foot.x, 4);
  EXPECT_DOUBLE_EQ(foot.y, 0);
  EXPECT_EQ(ia, 0);
  EXPECT_EQ(ib, 1);
  ASSERT_TRUE(zv_pv_d2_vec_distance_xy(pv, 13, 14, &d, &foot, &ia, &ib));  // past the last vertex
  EXPECT_DOUBLE_EQ(d, 5);
  EXPECT_EQ(ia, 1);
  EXPECT_EQ(ib, 2);
  int32_t iv = -1;
  ASSERT_TRUE(zv_pv_d2_vtx_distance_xy(pv, 9, 8, &d, &iv));
  EXPECT_EQ(iv, 2);
  EXPECT_DOUBLE_EQ(d, zv_distance_xy(9, 8, 10, 10));
  zv_pv_d2_destroy(pv);
}

TEST(PrgPolyline, TooShortLinesHaveNoNearestSegmentOrVertex) {
  Tzv_pp2d* pv = make_line({{1, 1}});
  double d = -1;
  int32_t iv = -1;
  EXPECT_FALSE(zv_pv_d2_vec_distance_xy(pv, 0, 0, &d, nullptr, nullptr, nullptr));
  EXPECT_TRUE(zv_pv_d2_vtx_distance_xy(pv, 0, 0, &d, &iv));
  zv_pv_d2_clear(pv);
  EXPECT_FALSE(zv_pv_d2_vtx_distance_xy(pv, 0, 0, &d, &iv));
  zv_pv_d2_destroy(pv);
}

TEST(PrgPolyline, CopiesAreDeepAndIndexesAreChecked) {
  Tzv_pp2d* a = make_line({{0, 0}, {1, 2}});
  Tzv_pp2d* b = zv_pv_d2_create();
  zv_pv_d2_assign(b, a);
  EXPECT_TRUE(zv_pv_d2_equal(a, b));
  zv_pv_d2_set_vtx(a, 1, 1, 3);
  EXPECT_FALSE(zv_pv_d2_equal(a, b));
  EXPECT_EQ(zv_pv_d2_get_vtx(b, 1).y, 2);
  zv_pv_d2_set_vtx(a, 2, 9, 9);  // ignored
  EXPECT_EQ(zv_pv_d2_get_size(a), 2);
  EXPECT_EQ(zv_pv_d2_get_vtx(a, -1).x, 0);
  EXPECT_EQ(zv_pv_d2_get_size(nullptr), 0);
  zv_pv_d2_destroy(a);
  zv_pv_d2_destroy(b);
  zv_pv_d2_destroy(nullptr);
}

TEST(PrgOutline, RingsBoxCopyAndCompare) {
  Tzv_op2d* ov = zv_ov_d2_create();
  zv_ov_d2_add_vtx(ov, 1, 2);  // makes the first ring
  zv_ov_d2_add_vtx(ov, 3, -4);
  EXPECT_EQ(zv_ov_d2_add_ring(ov), 1);
  zv_ov_d2_add_vtx(ov, -5, 0);
  EXPECT_EQ(zv_ov_d2_get_ring_count(ov), 2);
  EXPECT_EQ(zv_ov_d2_get_ring_size(ov, 0), 2);
  EXPECT_EQ(zv_ov_d2_get_ring_size(ov, 5), 0);
  EXPECT_EQ(zv_box_text(zv_ov_d2_get_box(ov)), "-5 -4 3 2") << "every ring counts";

  Tzv_op2d* copy = zv_ov_d2_create();
  zv_ov_d2_assign(copy, ov);
  EXPECT_TRUE(zv_ov_d2_equal(copy, ov));
  zv_ov_d2_set_vtx(copy, 1, 0, -5, 1);
  EXPECT_FALSE(zv_ov_d2_equal(copy, ov));
  EXPECT_EQ(zv_ov_d2_get_vtx(ov, 1, 0).y, 0);
  zv_ov_d2_clear(copy);
  EXPECT_EQ(zv_ov_d2_get_ring_count(copy), 0);
  EXPECT_FALSE(zv_ov_d2_equal(nullptr, ov));
  zv_ov_d2_destroy(ov);
  zv_ov_d2_destroy(copy);
}

}  // namespace
