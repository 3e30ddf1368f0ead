// Profile data: cumulative lengths and the conversions between fractions of
// the line and points; owned by a scene, every change goes out as property 8
// on the scene, in one update bracket that closes after the value is stored.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

#include "core/entities_base.h"
#include "event_recorder.h"
#include "params/profile_data.h"
#include "support/null_entities.h"
#include "support/text.h"

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
using Tline = std::vector<Tzv_vtx_d2>;
Tline const bent{{0, 0}, {3, 4}, {3, 10}}, ten{{0, 0}, {10, 0}}, one{{2, 3}}, flat{{2, 2}, {2, 2}, {2, 2}};
// Lengths 0, 0, 1; 5e-7 long (neither normalised nor of any length); 2e-6 and 1e-7 long.
Tline const first{{0, 0}, {0, 0}, {1, 0}}, tiny{{0, 0}, {5e-7, 0}}, small{{0, 0}, {2e-6, 0}}, split{{0, 0}, {1e-7, 0}};

// A profile whose line is `vertices`, lengths calculated.
Tzv_profil_data* make_prf(Tline const& vertices) {
  Tzv_profil_data* prf = zv_prf_data_create();
  for (auto const& v : vertices) zv_pv_d2_add_vtx(zv_prf_data_get_pv_ptr(prf), v.x, v.y);
  zv_prf_data_calculate_ls(prf);
  return prf;
}

// One query of a profile with line `line`: find_xy at `l` (find_l < 0), or
// find_l at (x, y) within `tolerance`. nan, resp. -1: not found.
struct Tquery {
  Tline line;
  double l = 0, x = 0, y = 0, tolerance = 0;
};

TEST(PrfData, FindXyAndFindLAlongNormalisedLengths) {
  // One vertex: only 0 lies on it; total length 0: the lengths stay 0; a
  // zero-length segment answers its first vertex; one millionth is absolute.
  Tquery const xy_rows[] = {{bent, 0.5, 3, 4.5},    {bent, 5.0 / 22, 1.5, 2}, {bent, 1, 3, 10}, {bent, 0, 0, 0},
                            {bent, 1.0000001, nan}, {bent, -0.1, nan},        {bent, nan, nan}, {{}, 0, nan},
                            {one, 0, 2, 3},         {one, 0.5, nan},          {flat, 0, 2, 2},  {flat, 0.5, nan},
                            {first, 0, 0, 0},       {first, 0.5, 0.5},        {tiny, 1, nan},   {tiny, 5e-7, 0, 0},
                            {small, 0.5, 1e-6, 0}};
  for (auto const& r : xy_rows) {
    Tzv_profil_data* prf = make_prf(r.line);
    Tzv_vtx_d2 p{nan, nan};
    EXPECT_EQ(zv_prf_data_find_xy(prf, r.l, &p.x, &p.y), !std::isnan(r.x)) << r.line.size() << " vertices, " << r.l;
    if (!std::isnan(r.x)) {
      EXPECT_DOUBLE_EQ(p.x, r.x) << r.line.size() << " vertices, " << r.l;
      EXPECT_DOUBLE_EQ(p.y, r.y) << r.line.size() << " vertices, " << r.l;
    }
    zv_prf_data_destroy(prf);
  }
  // The tolerance is strict, also through an end vertex; a segment 1e-7 long
  // answers the middle of its two lengths, unless its end vertex ties.
  Tquery const l_rows[] = {{ten, -1, 4, 1, 1.0},           {ten, 0.4, 4, 1, 1.0001}, {ten, -1, 12, 0, 2.0},
                           {ten, 1, 12, 0, 2.5},           {ten, -1, 4, 1, nan},     {bent, 8.0 / 11, 3, 7, 0.5},
                           {bent, 5.0 / 11, 4, 3.5, 2.0},  {{}, -1, 0, 0, 100},      {small, 0.2, 4e-7, 1e-7, 1.0},
                           {split, 5e-8, 2e-8, 1e-7, 1.0}, {split, 1e-7, 1, 0, 2.0}};
  for (auto const& r : l_rows) {
    Tzv_profil_data* prf = make_prf(r.line);
    double l = -1;
    EXPECT_EQ(zv_prf_data_find_l(prf, r.x, r.y, r.tolerance, &l), r.l >= 0) << r.x << ", " << r.y;
    EXPECT_NEAR(l, r.l, 1e-9 * std::fabs(r.l)) << r.x << ", " << r.y;
    zv_prf_data_destroy(prf);
  }
}

TEST(PrfData, StaleLengthsZeroScaleProjectionAndNullArguments) {
  Tzv_profil_data* src = make_prf(ten);
  Tzv_profil_data* dst = zv_prf_data_create();
  zv_pv_d2_add_vtx(zv_prf_data_get_pv_ptr(src), 10, 10);  // the lengths go stale, and so do a copy's
  zv_prf_data_assign(dst, src);
  double v = -7;
  EXPECT_FALSE(zv_prf_data_find_xy(dst, 0.5, &v, &v) || zv_prf_data_find_l(src, 10, 0, 1.0, &v));
  zv_prf_data_set_pv(src, zv_prf_data_get_pv_ptr(dst));  // the same line, lengths anew
  EXPECT_TRUE(zv_prf_data_find_xy(src, 0.75, &v, &v));
  EXPECT_DOUBLE_EQ(v, 5.0);
  EXPECT_NE(zv_prf_data_get_pv_ptr(dst), zv_prf_data_get_pv_ptr(src));
  // A zero scale is refused, NaN is stored, and a NaN field is unequal even to itself.
  for (double z : {3.0, 0.0, -0.0}) zv_prf_data_set_zscale(src, z);
  EXPECT_EQ(zv_prf_data_get_zscale(src), 3.0);
  zv_prf_data_set_zscale(dst, nan);
  EXPECT_TRUE(std::isnan(zv_prf_data_get_zscale(dst)));
  EXPECT_FALSE(zv_prf_data_equal(dst, dst));
  // The projection is copied but not compared; a null one is ignored.
  zv_prf_data_set_prj4string(src, L"+proj=merc");
  zv_prf_data_assign(dst, src);
  zv_prf_data_set_prj4string(src, L"+proj=utm");
  zv_prf_data_set_prj4string(src, nullptr);
  EXPECT_TRUE(zv_prf_data_equal(dst, src));
  EXPECT_EQ(text([dst](Izv_string_adp* a) { zv_prf_data_get_prj4string(dst, a); }), L"+proj=merc");
  zv_prf_data_set_pv(src, nullptr);
  zv_prf_data_get_prj4string(src, nullptr);
  EXPECT_FALSE(zv_prf_data_find_xy(src, 0, nullptr, &v) || zv_prf_data_find_xy(src, 0, &v, nullptr) ||
               zv_prf_data_find_l(src, 0, 0, 1, nullptr));
  EXPECT_EQ(zv_pv_d2_get_size(zv_prf_data_get_pv_ptr(src)), 3);
  zv_prf_data_destroy(dst);
  zv_prf_data_destroy(src);
}

// The smallest scene that can own profile data: an empty layer collection
// whose announcements a test can make fail.
class Tzv_owner_scene : public Tzv_null_scene_ops<Tzv_entities_base<Izv_scene, Izv_layer>> {
 public:
  ~Tzv_owner_scene() override { clear(); }
  char const* get_meta_id() override { return "OwnerSceneMetaID"; }
  Izv_layer* create_entity() override { return nullptr; }
  void destroy_entity(Izv_layer*) override {}
  using Tzv_extensible_obj::broadcast_update_event;
  void broadcast_update_event(int id) override {
    if (fail_announce) throw "announce failed";
    Tzv_extensible_obj::broadcast_update_event(id);
  }
  bool fail_announce = false;
};

struct bound_prf : ::testing::Test {
  Tzv_owner_scene scene;
  Tzv_event_recorder rec{scene.get_update_event_channel()};
  Tzv_profil_data* prf = zv_prf_data_create_ex(&scene);
  ~bound_prf() override { zv_prf_data_destroy(prf); }
};

TEST_F(bound_prf, SettersAndAssignAnnouncePropertyEightOnceAndCloseTheBracketOnExceptions) {
  zv_prf_data_set_is_profil(prf, true);
  zv_prf_data_set_is_profil(prf, true);  // unchanged values too
  zv_prf_data_set_zscale(prf, 0.0);      // refused, still announced
  EXPECT_EQ(rec.take(), "B U[8] E B U[8] E B U[8] E");
  Tzv_owner_scene other;
  Tzv_event_recorder other_rec(other.get_update_event_channel());
  Tzv_profil_data* src = zv_prf_data_create_ex(&other);
  zv_prf_data_assign(prf, src);
  EXPECT_EQ(rec.take(), "B U[8] E");
  EXPECT_EQ(other_rec.take(), "");
  EXPECT_EQ(prf->get_scene(), static_cast<Tzv_extensible_obj*>(&scene));  // the owner is not copied
  zv_prf_data_destroy(src);
  zv_prf_data_set_pv(prf, zv_prf_data_get_pv_ptr(prf));  // its own line, and the projection: no event
  zv_prf_data_set_prj4string(prf, L"+proj=merc");
  EXPECT_EQ(rec.take(), "");
  // The bracket closes when an exception passes.
  scene.fail_announce = true;
  EXPECT_THROW(zv_prf_data_set_xmin(prf, 9), char const*);
  EXPECT_THROW(zv_prf_data_assign(prf, prf), char const*);
  scene.fail_announce = false;
  EXPECT_EQ(rec.take(), "B E B E");
  EXPECT_EQ(scene.get_update_depth(), 0u);
  EXPECT_EQ(zv_history_manager_get_depth(zv_history_manager_get_instance()), 0);
}

TEST_F(bound_prf, ChangesJoinAnOpenBracketAndListenersSeeStoredValues) {
  std::pair<Tzv_profil_data*, std::vector<double>> seen{prf, {}};
  auto const on_events = [](Tzv_table* queue, void* data) {
    auto* s = static_cast<decltype(seen)*>(data);
    if (zv_event_queue_count_update_events(queue) > 0) s->second.push_back(zv_prf_data_get_zscale(s->first));
  };
  zv_event_channel_add_client(scene.get_update_event_channel(), on_events, &seen);
  zv_prf_data_set_zscale(prf, 4.0);
  scene.begin_update();
  zv_prf_data_set_xmin(prf, 1);
  zv_prf_data_set_zscale(prf, 5.0);
  EXPECT_EQ(rec.trace(), "B U[8] E B");
  scene.end_update();
  zv_event_channel_del_client(scene.get_update_event_channel(), on_events, &seen);
  EXPECT_EQ(rec.take(), "B U[8] E B U[8] E");
  EXPECT_EQ(seen.second, (std::vector<double>{4.0, 5.0}));
}

}  // namespace
