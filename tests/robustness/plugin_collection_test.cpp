// A plug-in collection whose scene type's creator throws while it makes a
// member (a module entered a creator of its own under the plug-in's type):
// on add and on assign the exception reaches the caller and the collection
// stays consistent and usable.
#include <gtest/gtest.h>

#include "event_recorder.h"
#include "robustness/scene_checks.h"
#include "support/plugin_fakes.h"
#include "zv/plugin.h"
#include "zv/scn_2d_factory.h"

namespace {

Izv_scene* make_throwing() { throw Tzvt_plugin_error{L"creator"}; }

TEST(PluginCollectionFaults, AddAndAssignPassTheCreatorsException) {
  Tzvt_scene_service service{L"RobustScene"};
  service.register_as();
  zv_plugin_scn_2d_init();
  Izv_scns2d* scenes = zv_plugin_scns_2d_create(0);
  Izv_scns2d* source = zv_scns_2d_create();
  for (int i = 0; i < 3; ++i) zv_scns_2d_add(source);
  zv_scns_2d_add(scenes);
  for (bool const assign : {false, true}) {
    SCOPED_TRACE(assign ? "assign" : "add");
    Tzv_event_recorder recorder(zv_scns_2d_get_update_event_channel(scenes));
    auto const consistent = [&] {
      return zv_check::collection(scenes) + zv_check::history_idle() + zv_check::trace_balance(recorder.take());
    };
    // The plug-in's own entry gives way to a creator that throws.
    zv_scn_2d_factory_detach("RobustScene");
    zv_scn_2d_factory_attach(nullptr, nullptr, "RobustScene", &make_throwing);
    EXPECT_THROW(assign ? zv_scns_2d_assign(scenes, source) : (void)zv_scns_2d_add(scenes), Tzvt_plugin_error);
    EXPECT_TRUE(assign || zv_scns_2d_get_size(scenes) == 1u);
    EXPECT_EQ(consistent(), "");
    zv_scn_2d_factory_detach("RobustScene");  // without a creator the plug-in's own scenes come back
    assign ? zv_scns_2d_assign(scenes, source) : (void)zv_scns_2d_add(scenes);
    EXPECT_EQ(zv_scns_2d_get_size(scenes), assign ? 3u : 2u);
    EXPECT_EQ(consistent(), "");
  }
  EXPECT_TRUE(zv_scns_2d_equal(scenes, source));
  zv_scns_2d_destroy(source);
  zv_plugin_scns_2d_destroy(scenes);
  zv_plugin_scn_2d_done();
}

}  // namespace
