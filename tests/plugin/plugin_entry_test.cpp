// The library's start and stop through its exports: a done too many, an
// empty registry, services that throw during init and done, and the plug-in
// side of scenes and collections. Counting of init and done, the registry
// asked once per initialised period and the order of the factories are
// pinned across the module border by the host's plug-in tests.
#include <gtest/gtest.h>

#include "plugin/plugin_entry.h"
#include "plugin/test_services.h"
#include "zv/plugin.h"
#include "zv/scn_2d.h"
#include "zv/scn_2d_factory.h"
#include "zv/scns_2d.h"

namespace {

// Every test starts and ends uninitialised.
struct PluginEntry : ::testing::Test {
  Tzvt_scene_service first{L"EntryFirst"};
  Tzvt_scene_service second{L"EntrySecond"};

  PluginEntry() { first.register_as(); }
  ~PluginEntry() override {
    while (zv_plugin_entry()->get_init_count() != 0) zv_plugin_scn_2d_done();
  }
};

// A done too many is ignored rather than wrapping the unsigned count, so it
// cannot destroy the factories twice and the next init still builds them.
TEST_F(PluginEntry, DoneWithoutInitDoesNothing) {
  zv_plugin_scn_2d_done();
  EXPECT_EQ(zv_plugin_entry()->get_init_count(), 0u);
  EXPECT_EQ(zv_plugin_scn_2d_init(), 1u);
  EXPECT_EQ(zv_scn_2d_factory_get_count(), 1u);
}

TEST_F(PluginEntry, NoFactoryForAnEmptyRegistryOrAnIndexOutOfRange) {
  zv_plugin_scn_2d_init();
  EXPECT_EQ(zv_plugin_scns_2d_create(-1), nullptr);
  EXPECT_EQ(zv_plugin_scns_2d_create(1), nullptr);
  zv_plugin_scn_2d_done();
  first.unregister();
  EXPECT_EQ(zv_plugin_scn_2d_init(), 1u);
  EXPECT_EQ(zv_scn_2d_factory_get_count(), 0u);
  EXPECT_EQ(zv_plugin_scns_2d_create(0), nullptr);
}

// The half-built factories are freed: the first service is released and its
// name withdrawn again.
TEST_F(PluginEntry, ServiceThrowingDuringInitLeavesItUninitialised) {
  second.register_as();
  second.fault = Tzvt_scene_service::on_meta_id;
  EXPECT_THROW(zv_plugin_scn_2d_init(), Tzvt_plugin_error);
  EXPECT_EQ(zv_plugin_entry()->get_init_count(), 0u);
  EXPECT_EQ(zv_scn_2d_factory_get_count(), 0u);
  EXPECT_EQ(zv_scn_2d_factory_create_scn("EntryFirst"), nullptr);
  EXPECT_EQ(first.retained, 0);
  EXPECT_EQ(second.retained, 0);

  second.fault = Tzvt_scene_service::none;
  EXPECT_EQ(zv_plugin_scn_2d_init(), 1u);
  EXPECT_EQ(zv_scn_2d_factory_get_count(), 2u);
}

// A service that initialises the library again while the first init builds
// the factories is counted, and no second set of factories is built.
TEST_F(PluginEntry, InitFromInsideTheFirstInitOnlyCounts) {
  second.register_as();
  second.while_naming = [] { zv_plugin_scn_2d_init(); };
  EXPECT_EQ(zv_plugin_scn_2d_init(), 2u);
  second.while_naming = nullptr;
  EXPECT_EQ(zv_scn_2d_factory_get_count(), 2u);
  zv_plugin_scn_2d_done();
  zv_plugin_scn_2d_done();
  EXPECT_EQ(first.retained, 0);
  EXPECT_EQ(second.retained, 0);
}

// Every factory is gone before the exception of the throwing release leaves.
TEST_F(PluginEntry, ReleaseThrowingDuringDoneStillEndsEveryFactory) {
  second.register_as();
  zv_plugin_scn_2d_init();
  first.fault = Tzvt_scene_service::on_release;
  EXPECT_THROW(zv_plugin_scn_2d_done(), Tzvt_plugin_error);
  EXPECT_EQ(zv_plugin_entry()->get_init_count(), 0u);
  EXPECT_EQ(first.retained, 0);  // released once, not again by the factory's destruction
  EXPECT_EQ(second.retained, 0);
  EXPECT_EQ(zv_scn_2d_factory_create_scn("EntrySecond"), nullptr);
}

TEST_F(PluginEntry, CollectionsOutliveDone) {
  zv_plugin_scn_2d_init();
  Izv_scns2d* scenes = zv_plugin_scns_2d_create(0);
  zv_plugin_scn_2d_done();
  Izv_scene* member = zv_scns_2d_add(scenes);
  ASSERT_NE(member, nullptr);
  EXPECT_STREQ(zv_scn_2d_get_meta_id(member), "EntryFirst");
  zv_plugin_scns_2d_destroy(scenes);
  EXPECT_EQ(first.last_collection().owner, nullptr);
}

TEST_F(PluginEntry, PluginInterfaces) {
  first.makes_scenes = false;
  zv_plugin_scn_2d_init();
  Izv_scns2d* scenes = zv_plugin_scns_2d_create(0);
  Izv_scene* unpaired = zv_scns_2d_add(scenes);
  t_zv_scene_2d_interface* scene_side = zv_scn_2d_get_plugin_interface(unpaired);
  ASSERT_NE(scene_side, nullptr);
  EXPECT_TRUE(zv_scene_2d_interface_is_null(*scene_side));
  t_zv_scene_2d_collection_interface* collection_side = zv_scns_2d_get_plugin_interface(scenes);
  ASSERT_NE(collection_side, nullptr);
  EXPECT_TRUE(zv::scene_2d_collection(*collection_side) == first.last_collection().handle());
  zv_plugin_scns_2d_destroy(scenes);

  Izv_scene* ordinary = zv_scn_2d_create();
  Izv_scns2d* ordinary_scenes = zv_scns_2d_create();
  EXPECT_EQ(zv_scn_2d_get_plugin_interface(ordinary), nullptr);
  EXPECT_EQ(zv_scns_2d_get_plugin_interface(ordinary_scenes), nullptr);
  zv_scns_2d_destroy(ordinary_scenes);
  zv_scn_2d_destroy(ordinary);

  EXPECT_EQ(zv_scn_2d_get_plugin_interface(nullptr), nullptr);
  EXPECT_EQ(zv_scns_2d_get_plugin_interface(nullptr), nullptr);
  zv_plugin_scns_2d_destroy(nullptr);
}

}  // namespace
