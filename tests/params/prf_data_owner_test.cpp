// Profile data owned by a scene: every change goes out as property 8 on the
// scene, in one update bracket that closes after the value is stored.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/entities_base.h"
#include "event_recorder.h"
#include "params/profile_data.h"
#include "support/null_entities.h"

namespace {

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

int history_depth() { return zv_history_manager_get_depth(zv_history_manager_get_instance()); }

}  // namespace

TEST_F(bound_prf, SettersAndAssignAnnouncePropertyEightOnce) {
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

  zv_prf_data_set_pv(prf, zv_prf_data_get_pv_ptr(prf));  // line and projection: no event
  zv_prf_data_set_prj4string(prf, L"+proj=merc");
  EXPECT_EQ(rec.take(), "");
  EXPECT_EQ(history_depth(), 0);
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

TEST_F(bound_prf, BracketClosesWhenAnExceptionPasses) {
  scene.fail_announce = true;
  EXPECT_THROW(zv_prf_data_set_xmin(prf, 9), char const*);
  EXPECT_THROW(zv_prf_data_assign(prf, prf), char const*);
  scene.fail_announce = false;
  EXPECT_EQ(rec.take(), "B E B E");
  EXPECT_EQ(scene.get_update_depth(), 0u);
  EXPECT_EQ(history_depth(), 0);
}
