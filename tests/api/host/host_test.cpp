// The library as a host loads it: the shared module, reached through its
// exports only, with listeners that live in the host's own module.
#include <gtest/gtest.h>

#include <string>

#include "event_recorder.h"
#include "zv/scn_2d.h"

namespace {

// A host listener that throws on the update event and again on the end event.
struct Tzv_host_thrower {
  int update = 0, end = 0;
  static void proc(Tzv_table* q, void* data) {
    auto* self = static_cast<Tzv_host_thrower*>(data);
    if (zv_event_queue_get_update_event(q, 0) && self->update-- > 0) throw "host update";
    if (zv_event_queue_get_end_update_event(q, 0) && self->end-- > 0) throw "host end";
  }
};

// An exception from a host listener crosses into the library and back: the
// library's brackets close, the first exception reaches the host, and a
// second one thrown while the first unwinds does not end the process.
TEST(Host, ListenerExceptionsCrossTheModuleBorder) {
  Izv_scene* scene = zv_scn_2d_create();
  Tzv_event_recorder rec(zv_scn_2d_get_update_event_channel(scene));
  Tzv_host_thrower thrower{1, 1};
  zv_event_channel_add_client(zv_scn_2d_get_update_event_channel(scene), &Tzv_host_thrower::proc, &thrower);
  std::string caught;
  try {
    zv_scn_2d_add_layer_type_name(scene, "vector");
  } catch (char const* text) {
    caught = text;
  }
  EXPECT_EQ(caught, "host update");
  EXPECT_EQ(rec.take(), "B U[1] E");
  EXPECT_EQ(zv_history_manager_get_depth(zv_history_manager_get_instance()), 0);
  zv_scn_2d_set_marked(scene, true);  // the scene announces again
  EXPECT_EQ(rec.take(), "B U[5] E");
  EXPECT_EQ(zv_scn_2d_get_layer_count(scene), 1u);
  zv_event_channel_del_client(zv_scn_2d_get_update_event_channel(scene), &Tzv_host_thrower::proc, &thrower);
  rec.detach();
  zv_scn_2d_destroy(scene);
}

}  // namespace
