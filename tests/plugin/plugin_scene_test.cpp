// Plug-in scenes and plug-in scene collections: pairing with the plug-in's
// objects, the extent reported by the plug-in, copy between plug-in and
// ordinary scenes, unpaired scenes, and the members a plug-in collection
// makes. The extent asked back from inside the request and the source of a
// paired scene are pinned by the host's plug-in tests.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>

#include "event_recorder.h"
#include "plugin/plugin_scene_factory.h"
#include "plugin/plugin_scenes.h"
#include "plugin/plugin_scn_2d.h"
#include "support/plugin_fakes.h"
#include "support/reacting_listener.h"
#include "support/text.h"
#include "support/throwing_listener.h"
#include "zv/plugin.h"
#include "zv/scn_2d.h"
#include "zv/scns_2d.h"

namespace {

// The box that a scene holds, without computing it: "stale" or its corners.
std::string held_box(Tzv_scene_2d& scene) {
  Tzv_box_d2 b{};
  if (!scene.try_get_box(b)) return "stale";
  return std::to_string(int(b.xmin)) + " " + std::to_string(int(b.ymin)) + " " + std::to_string(int(b.xmax)) + " " +
         std::to_string(int(b.ymax));
}

struct PluginScene : ::testing::Test {
  Tzvt_scene_service service{L"PluginScene"};
  std::unique_ptr<Tzv_plugin_scn_2d> scene = std::make_unique<Tzv_plugin_scn_2d>("PluginScene", service.handle());
  Tzvt_plugin_scene& plugin = service.last_scene();
  Tzv_plugin_scn_2d unpaired{"PluginScene", zv::scene_2d_service()};
};

TEST_F(PluginScene, PairedWhileItLivesAndBoxedByThePlugin) {
  EXPECT_EQ(plugin.owner, scene->scene_handle());
  EXPECT_TRUE(zv::scene_2d(*zv_scn_2d_get_plugin_interface(scene.get())) == plugin.handle());
  EXPECT_STREQ(zv_scn_2d_get_meta_id(scene.get()), "PluginScene");

  // Unlike the 2D scene's own computation, an unanswered request does not
  // make the box stale; of several extents reported the last one stays.
  scene->set_box(true, zv_box_d2_init_xy(1, 2, 3, 4));
  scene->calc_box();
  EXPECT_EQ(held_box(*scene), "1 2 3 4");
  plugin.extents = {{0, 0, 1, 1}, {10, 20, 5, 2}};
  scene->calc_box();
  EXPECT_EQ(held_box(*scene), "5 2 10 20");

  scene.reset();
  EXPECT_EQ(plugin.owner, nullptr);
  EXPECT_EQ(plugin.reattach_calls, 2);
}

TEST_F(PluginScene, UnpairedSceneTouchesNothing) {
  std::string const before = held_box(unpaired);
  unpaired.calc_box();
  EXPECT_EQ(held_box(unpaired), before);
  unpaired.set_source(L"ignored");
  EXPECT_EQ(text([this](Izv_string_adp* a) { zv_scn_2d_get_source(&unpaired, a); }), L"(not fed)");
  EXPECT_TRUE(zv_scene_2d_interface_is_null(*zv_scn_2d_get_plugin_interface(&unpaired)));
}

// A refused copy still closes the bracket it opened.
TEST_F(PluginScene, AssignFromOrdinaryPluginAndUnpairedScenes) {
  Tzv_event_recorder rec{scene->get_update_event_channel()};
  Tzv_scene_2d ordinary;
  ordinary.set_wcaption(L"ordinary");
  scene->assign(&ordinary);
  EXPECT_EQ(caption_of(scene.get()), L"ordinary");
  EXPECT_TRUE(plugin.assigned.empty());
  EXPECT_EQ(rec.take(), "B U[8,1,3] E");

  Tzv_plugin_scn_2d other("PluginScene", service.handle());
  zv_scn_2d_assign(scene.get(), &other);
  zv_scn_2d_assign(scene.get(), &unpaired);
  ASSERT_EQ(plugin.assigned.size(), 2u);
  EXPECT_TRUE(plugin.assigned[0] == service.last_scene().handle());
  EXPECT_TRUE(plugin.assigned[1].is_null());
  rec.clear();

  plugin.armed = {Tzvt_fault::assign};
  EXPECT_THROW(scene->assign(&other), Tzvt_plugin_error);
  EXPECT_EQ(scene->get_update_depth(), 0u);
  EXPECT_EQ(zv_history_manager_get_depth(zv_history_manager_get_instance()), 0);
  EXPECT_EQ(rec.take(), "B U[8,1,3] E");
}

// --- Plug-in collections ----------------------------------------------------------------

struct PluginScenes : ::testing::Test {
  Tzvt_scene_service service{L"PluginScene"};
  Tzv_plugin_scene_factory factory{service.handle()};
  Izv_scns2d* scenes = factory.create_scns();
  Tzvt_plugin_collection& plugin = service.last_collection();

  ~PluginScenes() override { zv_plugin_scns_2d_destroy(scenes); }
};

// The members are plug-in scenes that caption themselves, made unique; a
// member's change is announced as a member property.
TEST_F(PluginScenes, MembersCaptionedByThePluginAndUnpairedOnClear) {
  service.scene_caption = L"Profile";
  Izv_scene* first = zv_scns_2d_add(scenes);
  Izv_scene* second = zv_scns_2d_add(scenes);
  EXPECT_EQ(caption_of(first), L"Profile");
  EXPECT_EQ(caption_of(second), L"Profile 1");
  EXPECT_STREQ(zv_scn_2d_get_meta_id(second), "PluginScene");
  EXPECT_EQ(service.last_scene().owner, second);
  EXPECT_EQ(zv_scn_2d_get_parent(second), scenes);
  auto rec = std::make_unique<Tzv_event_recorder>(zv_scns_2d_get_update_event_channel(scenes));
  zv_scn_2d_set_wcaption(second, L"renamed");
  EXPECT_EQ(rec->take(), "U[1{2}]");
  rec.reset();

  zv_scns_2d_clear(scenes);
  EXPECT_EQ(zv_scns_2d_get_size(scenes), 0u);
  EXPECT_EQ(service.last_scene().owner, nullptr);
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

// A listener that destroys the collection while it is being cleared: the
// plug-in's clear still runs on the live collection, which goes when the
// call returns.
TEST_F(PluginScenes, DestroyedByItsListenerDuringClear) {
  zv_scns_2d_add(scenes);
  Tzv_reacting_listener destroyer(zv_scns_2d_get_update_event_channel(scenes), zv_event_kind_end_update,
                                  [this] { zv_plugin_scns_2d_destroy(std::exchange(scenes, nullptr)); });
  Izv_scns2d* const doomed = scenes;
  zv_scns_2d_clear(doomed);
  destroyer.forget();
  EXPECT_TRUE(destroyer.acted());
  EXPECT_EQ(scenes, nullptr);
  EXPECT_EQ(plugin.owner, nullptr);
}

}  // namespace
