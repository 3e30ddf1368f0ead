// A plug-in collection whose scene type's creator throws while it makes a
// member (a module entered a creator of its own under the plug-in's type):
// the exception reaches the caller and the collection stays as it was,
// consistent and usable.
#include <gtest/gtest.h>

#include "event_recorder.h"
#include "robustness/scene_checks.h"
#include "support/plugin_fakes.h"
#include "zv/plugin.h"
#include "zv/scn_2d_factory.h"

namespace {

Izv_scene* make_throwing() { throw Tzvt_plugin_error{L"creator"}; }

struct PluginCollectionFaults : ::testing::Test {
  PluginCollectionFaults() {
    service.register_as();
    zv_plugin_scn_2d_init();
    scenes = zv_plugin_scns_2d_create(0);
    zv_scns_2d_add(scenes);
    // The plug-in's own entry gives way to a creator that throws.
    zv_scn_2d_factory_detach("RobustScene");
    zv_scn_2d_factory_attach(nullptr, nullptr, "RobustScene", &make_throwing);
  }
  ~PluginCollectionFaults() override {
    zv_scn_2d_factory_detach("RobustScene");
    zv_plugin_scns_2d_destroy(scenes);
    zv_plugin_scn_2d_done();
  }

  void expect_unchanged(Tzv_event_recorder& recorder, uint32_t size) {
    EXPECT_EQ(zv_scns_2d_get_size(scenes), size);
    EXPECT_EQ(zv_check::collection(scenes), "");
    EXPECT_EQ(zv_check::history_idle(), "");
    EXPECT_EQ(zv_check::trace_balance(recorder.take()), "");
  }

  Tzvt_scene_service service{L"RobustScene"};
  Izv_scns2d* scenes = nullptr;
};

TEST_F(PluginCollectionFaults, AddPassesTheCreatorsException) {
  Tzv_event_recorder recorder(zv_scns_2d_get_update_event_channel(scenes));
  EXPECT_THROW(zv_scns_2d_add(scenes), Tzvt_plugin_error);
  expect_unchanged(recorder, 1);

  zv_scn_2d_factory_detach("RobustScene");  // without a creator the plug-in's own scenes come back
  EXPECT_NE(zv_scns_2d_add(scenes), nullptr);
  expect_unchanged(recorder, 2);
}

TEST_F(PluginCollectionFaults, AssignStopsAtTheCreatorsException) {
  Izv_scns2d* source = zv_scns_2d_create();
  for (int i = 0; i < 3; ++i) zv_scns_2d_add(source);
  Tzv_event_recorder recorder(zv_scns_2d_get_update_event_channel(scenes));
  EXPECT_THROW(zv_scns_2d_assign(scenes, source), Tzvt_plugin_error);
  EXPECT_EQ(zv_check::collection(scenes), "");
  EXPECT_EQ(zv_check::history_idle(), "");
  EXPECT_EQ(zv_check::trace_balance(recorder.take()), "");

  zv_scn_2d_factory_detach("RobustScene");
  zv_scns_2d_assign(scenes, source);
  EXPECT_TRUE(zv_scns_2d_equal(scenes, source));
  zv_scns_2d_destroy(source);
}

}  // namespace
