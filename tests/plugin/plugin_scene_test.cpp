// Plug-in scenes and plug-in scene collections: pairing with the plug-in's
// objects, the extent reported by the plug-in, copy between plug-in and
// ordinary scenes, an unpaired scene's source, and the members a plug-in
// collection makes. The extent asked back from inside the request and the
// source of a paired scene are pinned by the host's plug-in tests.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <utility>

#include "core/string_adapters.h"
#include "event_recorder.h"
#include "plugin/plugin_scene_factory.h"
#include "plugin/plugin_scenes.h"
#include "plugin/plugin_scn_2d.h"
#include "plugin/test_services.h"
#include "support/throwing_listener.h"
#include "zv/plugin.h"
#include "zv/scn_2d.h"
#include "zv/scns_2d.h"

namespace {

std::wstring caption_of(Izv_scene* scene) {
  return zv_read_wtext([scene](Izv_string_adp* adp) { zv_scn_2d_get_wcaption(scene, adp); });
}

struct Box {
  bool valid;
  double xmin, ymin, xmax, ymax;
  bool operator==(Box const&) const = default;
};
std::ostream& operator<<(std::ostream& os, Box const& b) {
  return os << (b.valid ? "valid" : "stale") << '(' << b.xmin << ", " << b.ymin << ", " << b.xmax << ", " << b.ymax
            << ')';
}

// The box that a scene holds, without computing it.
Box held_box(Tzv_scene_2d& scene) {
  Tzv_box_d2 b{};
  bool const valid = scene.try_get_box(b);
  return {valid, b.xmin, b.ymin, b.xmax, b.ymax};
}

struct PluginScene : ::testing::Test {
  Tzvt_scene_service service{L"PluginScene"};
  std::unique_ptr<Tzv_plugin_scn_2d> scene = std::make_unique<Tzv_plugin_scn_2d>("PluginScene", service.handle());
  Tzvt_plugin_scene& plugin = service.last_scene();
};

TEST_F(PluginScene, PairedWhileItLives) {
  EXPECT_EQ(plugin.owner, scene->scene_handle());
  EXPECT_TRUE(zv::scene_2d(*zv_scn_2d_get_plugin_interface(scene.get())) == plugin.handle());
  EXPECT_STREQ(zv_scn_2d_get_meta_id(scene.get()), "PluginScene");
  scene.reset();
  EXPECT_EQ(plugin.owner, nullptr);
  EXPECT_EQ(plugin.reattach_calls, 2);
}

TEST_F(PluginScene, ExtentReportedByThePluginLastOneStays) {
  plugin.extents = {{0, 0, 1, 1}, {10, 20, 5, 2}};
  scene->calc_box();
  EXPECT_EQ(held_box(*scene), (Box{true, 5, 2, 10, 20}));
}

// Unlike the 2D scene's own computation, an unanswered request does not make
// the box stale.
TEST_F(PluginScene, ExtentNotReportedLeavesBoxAndFlag) {
  scene->set_box(true, zv_box_d2_init_xy(1, 2, 3, 4));
  scene->calc_box();
  EXPECT_EQ(held_box(*scene), (Box{true, 1, 2, 3, 4}));

  Tzv_plugin_scn_2d unpaired("PluginScene", zv::scene_2d_service());
  Box const before = held_box(unpaired);
  unpaired.calc_box();
  EXPECT_EQ(held_box(unpaired), before);
}

TEST_F(PluginScene, AssignFromOrdinaryAndPluginScenes) {
  Tzv_event_recorder rec{scene->get_update_event_channel()};
  Tzv_scene_2d ordinary;
  ordinary.set_wcaption(L"ordinary");
  scene->assign(&ordinary);
  EXPECT_EQ(caption_of(scene.get()), L"ordinary");
  EXPECT_TRUE(plugin.assigned.empty());
  EXPECT_EQ(rec.take(), "B U[8,1,3] E");

  Tzv_plugin_scn_2d other("PluginScene", service.handle());
  zv_scn_2d_assign(scene.get(), &other);
  ASSERT_EQ(plugin.assigned.size(), 1u);
  EXPECT_TRUE(plugin.assigned[0] == service.last_scene().handle());

  Tzv_plugin_scn_2d unpaired("PluginScene", zv::scene_2d_service());
  zv_scn_2d_assign(scene.get(), &unpaired);
  ASSERT_EQ(plugin.assigned.size(), 2u);
  EXPECT_TRUE(plugin.assigned[1].is_null());
}

TEST_F(PluginScene, AssignThatThePluginRefusesClosesTheBracket) {
  Tzv_event_recorder rec{scene->get_update_event_channel()};
  Tzv_plugin_scn_2d other("PluginScene", service.handle());
  plugin.throw_on_assign = true;
  EXPECT_THROW(scene->assign(&other), Tzvt_plugin_error);
  EXPECT_EQ(scene->get_update_depth(), 0u);
  EXPECT_EQ(zv_history_manager_get_depth(zv_history_manager_get_instance()), 0);
  EXPECT_EQ(rec.take(), "B U[8,1,3] E");
}

TEST(PluginSceneUnpaired, SourceOfAnUnpairedSceneTouchesNothing) {
  Tzv_plugin_scn_2d scene("PluginScene", zv::scene_2d_service());
  scene.set_source(L"ignored");
  std::wstring text = L"untouched";
  Tzv_std_wstring_adapter adp(&text);
  zv_scn_2d_get_source(&scene, adp);
  EXPECT_EQ(text, L"untouched");
  EXPECT_TRUE(zv_scene_2d_interface_is_null(*zv_scn_2d_get_plugin_interface(&scene)));
}

// A service that throws after handing over its object leaves it unpaired.
TEST(PluginSceneUnpaired, ServiceThrowingWhileMakingTheScene) {
  Tzvt_scene_service service;
  service.fault = Tzvt_scene_service::after_new_scene;
  EXPECT_THROW(Tzv_plugin_scn_2d("PluginScene", service.handle()), Tzvt_plugin_error);
  EXPECT_EQ(service.last_scene().owner, nullptr);
  EXPECT_EQ(service.last_scene().reattach_calls, 2);
}

// --- Plug-in collections ----------------------------------------------------------------

struct PluginScenes : ::testing::Test {
  Tzvt_scene_service service{L"PluginScene"};
  Tzv_plugin_scene_factory factory{service.handle()};
  Izv_scns2d* scenes = factory.create_scns();
  Tzvt_plugin_collection& plugin = service.last_collection();

  ~PluginScenes() override { zv_plugin_scns_2d_destroy(scenes); }
};

TEST_F(PluginScenes, NewMembersArePluginScenesWithUniqueCaptions) {
  service.scene_caption = L"Profile";
  Izv_scene* first = zv_scns_2d_add(scenes);
  Izv_scene* second = zv_scns_2d_add(scenes);
  EXPECT_EQ(caption_of(first), L"Profile");
  EXPECT_EQ(caption_of(second), L"Profile 1");
  EXPECT_STREQ(zv_scn_2d_get_meta_id(second), "PluginScene");
  EXPECT_EQ(service.last_scene().owner, second);
  EXPECT_EQ(zv_scn_2d_get_parent(second), scenes);
}

TEST_F(PluginScenes, MemberChangesAreAnnouncedAsMemberProperty) {
  Izv_scene* member = zv_scns_2d_add(scenes);
  Tzv_event_recorder rec{zv_scns_2d_get_update_event_channel(scenes)};
  zv_scn_2d_set_wcaption(member, L"renamed");
  EXPECT_EQ(rec.take(), "U[1{2}]");
}

TEST_F(PluginScenes, ClearEmptiesBothSidesAndDestructionUnpairs) {
  zv_scns_2d_add(scenes);
  Tzvt_plugin_scene& member = service.last_scene();
  zv_scns_2d_clear(scenes);
  EXPECT_EQ(zv_scns_2d_get_size(scenes), 0u);
  EXPECT_EQ(member.owner, nullptr);
  EXPECT_EQ(plugin.clears, 1);

  zv_plugin_scns_2d_destroy(std::exchange(scenes, nullptr));
  EXPECT_EQ(plugin.clears, 2);
  EXPECT_EQ(plugin.owner, nullptr);
}

TEST_F(PluginScenes, PluginClearRunsWhenAListenerThrows) {
  zv_scns_2d_add(scenes);
  Tzv_throwing_listener thrower(zv_scns_2d_get_update_event_channel(scenes), {zv_event_kind_end_update});
  EXPECT_THROW(zv_scns_2d_clear(scenes), Tzv_listener_error);
  EXPECT_EQ(plugin.clears, 1);
  EXPECT_EQ(zv_scns_2d_get_size(scenes), 0u);
  thrower.disarm();
}

// With its factory gone, the collection still makes members of its type,
// without a plug-in object.
TEST_F(PluginScenes, MembersWithoutACreatorAreUnpairedPluginScenes) {
  factory.withdraw();
  Izv_scene* member = zv_scns_2d_add(scenes);
  ASSERT_NE(member, nullptr);
  EXPECT_STREQ(zv_scn_2d_get_meta_id(member), "PluginScene");
  EXPECT_TRUE(zv_scene_2d_interface_is_null(*zv_scn_2d_get_plugin_interface(member)));
  EXPECT_TRUE(service.scenes.empty());
}

TEST(PluginScenesUnpaired, CollectionWithoutPluginObjectWorksAlone) {
  Tzv_plugin_scenes scenes(L"Alone", "AloneCollection", "AloneScene", zv::scene_2d_collection());
  EXPECT_STREQ(scenes.get_meta_id(), "AloneCollection");
  zv_scns_2d_add(&scenes);
  zv_scns_2d_add(&scenes);
  // Scenes without a caption of their own are named as any collection's.
  std::wstring const base = zv_res_get_wstr(zv_res_map);
  EXPECT_EQ(caption_of(zv_scns_2d_get(&scenes, 0)), base + L" 1");
  EXPECT_EQ(caption_of(zv_scns_2d_get(&scenes, 1)), base + L" 2");
  zv_scns_2d_clear(&scenes);
  EXPECT_EQ(zv_scns_2d_get_size(&scenes), 0u);
  EXPECT_EQ(zv_scns_2d_get_plugin_interface(&scenes), scenes.plugin_interface());
}

}  // namespace
