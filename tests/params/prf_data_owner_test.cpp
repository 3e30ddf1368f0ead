// Profile data bound to a scene: every change is announced as property 8 on
// the scene, inside one update bracket that closes after the value is stored.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "core/entities_base.h"
#include "event_recorder.h"
#include "params/profile_data.h"

namespace {

// The smallest scene that can own profile data: an empty layer collection.
class Tzv_owner_scene : public Tzv_entities_base<Izv_scene, Izv_layer> {
 public:
  ~Tzv_owner_scene() override { clear(); }
  char const* get_meta_id() override { return "OwnerSceneMetaID"; }
  Izv_layer* add_layer(char const*) override { return nullptr; }
  void calc_box() override {}
  Tzv_lr_group* get_lr_group_ptr() override { return nullptr; }
  void move_layer_to_active_group(Izv_layer*) override {}
  void get_prj4(Izv_string_adp*) const override {}
  void set_prj4(wchar_t const*) override {}
  void init_layer_list(Izv_layer_list*) override {}

  // Lets a test make the announcement fail inside the profile's bracket.
  using Tzv_entities_base::broadcast_update_event;
  void broadcast_update_event(int id) override {
    if (fail_announce) throw "announce failed";
    Tzv_entities_base::broadcast_update_event(id);
  }

  bool fail_announce = false;

  Izv_layer* create_entity() override { return nullptr; }
  void destroy_entity(Izv_layer*) override {}
};

struct bound_prf : ::testing::Test {
  Tzv_owner_scene scene;
  Tzv_event_recorder rec{scene.get_update_event_channel()};
  Tzv_profil_data* prf = zv_prf_data_create_ex(&scene);
  ~bound_prf() override { zv_prf_data_destroy(prf); }
};

// A listener that reads the zscale when the update event arrives.
void read_zscale_on_update(Tzv_table* queue, void* data) {
  auto* out = static_cast<std::pair<Tzv_profil_data*, std::vector<double>>*>(data);
  for (int32_t i = 0; i < zv_event_queue_get_size(queue); ++i)
    if (zv_event_queue_get_update_event(queue, i)) out->second.push_back(zv_prf_data_get_zscale(out->first));
}

}  // namespace

TEST_F(bound_prf, EverySetterAnnouncesPropertyEightOnce) {
  EXPECT_EQ(prf->get_scene(), static_cast<Tzv_extensible_obj*>(&scene));
  zv_prf_data_set_is_profil(prf, true);
  EXPECT_EQ(rec.take(), "B U[8] E");
  zv_prf_data_set_is_profil(prf, true);  // unchanged values are announced too
  EXPECT_EQ(rec.take(), "B U[8] E");
  zv_prf_data_set_xmin(prf, 1);
  zv_prf_data_set_xmax(prf, 2);
  zv_prf_data_set_ymin(prf, 1);
  zv_prf_data_set_ymax(prf, 2);
  zv_prf_data_set_zmin(prf, 1);
  zv_prf_data_set_zmax(prf, 2);
  zv_prf_data_set_delta_xy(prf, 3);
  zv_prf_data_set_axes_scale(prf, zv_prf_axes_scale_none);
  EXPECT_EQ(rec.take(), "B U[8] E B U[8] E B U[8] E B U[8] E B U[8] E B U[8] E B U[8] E B U[8] E");
  zv_prf_data_set_zscale(prf, 0.0);  // refused, still announced
  EXPECT_EQ(rec.take(), "B U[8] E");
  EXPECT_EQ(zv_prf_data_get_zscale(prf), 1.0);
  EXPECT_EQ(zv_history_manager_get_depth(zv_history_manager_get_instance()), 0);
}

TEST_F(bound_prf, LineAndProjectionChangesAreNotAnnounced) {
  Tzv_pp2d* pv = zv_pv_d2_create();
  zv_pv_d2_add_vtx(pv, 0, 0);
  zv_pv_d2_add_vtx(pv, 1, 0);
  zv_prf_data_set_pv(prf, pv);
  zv_prf_data_calculate_ls(prf);
  zv_prf_data_set_prj4string(prf, L"+proj=merc");
  zv_pv_d2_destroy(pv);
  EXPECT_EQ(rec.take(), "");
}

TEST_F(bound_prf, AssignAnnouncesOnceAndNothingGoesToTheSource) {
  Tzv_owner_scene other_scene;
  Tzv_event_recorder other_rec(other_scene.get_update_event_channel());
  Tzv_profil_data* src = zv_prf_data_create_ex(&other_scene);
  other_rec.clear();
  zv_prf_data_assign(prf, src);
  EXPECT_EQ(rec.take(), "B U[8] E");
  EXPECT_EQ(other_rec.take(), "");
  EXPECT_EQ(prf->get_scene(), static_cast<Tzv_extensible_obj*>(&scene));  // the owner is not copied
  zv_prf_data_destroy(src);

  Tzv_profil_data* unbound = zv_prf_data_create();
  zv_prf_data_assign(unbound, prf);
  zv_prf_data_set_xmin(unbound, 4);
  EXPECT_EQ(rec.take(), "");
  zv_prf_data_destroy(unbound);
}

TEST_F(bound_prf, ChangesJoinAnOpenBracketOfTheScene) {
  scene.begin_update();
  zv_prf_data_set_xmin(prf, 1);
  zv_prf_data_set_zmax(prf, 5);
  EXPECT_EQ(rec.trace(), "B");
  scene.end_update();
  EXPECT_EQ(rec.take(), "B U[8] E");
}

TEST_F(bound_prf, ListenersSeeTheStoredValue) {
  std::pair<Tzv_profil_data*, std::vector<double>> seen{prf, {}};
  zv_event_channel_add_client(scene.get_update_event_channel(), &read_zscale_on_update, &seen);
  zv_prf_data_set_zscale(prf, 4.0);
  zv_event_channel_del_client(scene.get_update_event_channel(), &read_zscale_on_update, &seen);
  EXPECT_EQ(seen.second, std::vector<double>{4.0});
}

TEST_F(bound_prf, BracketClosesWhenAnExceptionPasses) {
  scene.fail_announce = true;
  EXPECT_THROW(zv_prf_data_set_xmin(prf, 9), char const*);
  EXPECT_THROW(zv_prf_data_assign(prf, prf), char const*);
  scene.fail_announce = false;
  EXPECT_EQ(rec.take(), "B E B E");
  EXPECT_EQ(scene.get_update_depth(), 0u);
  EXPECT_EQ(zv_history_manager_get_depth(zv_history_manager_get_instance()), 0);
}
