// Column scenes and the column collection, through the exports as a host
// reaches them: their kind, their captions, a collection that does not hear
// its scenes, and the life of its members.
#include <gtest/gtest.h>

#include <string>

#include "core/string_adapters.h"
#include "event_recorder.h"
#include "support/throwing_listener.h"
#include "zv/scn_2d.h"
#include "zv/scn_clm.h"
#include "zv/scns_2d.h"
#include "zv/sibling/lr2d_test_hooks.h"

namespace {

std::wstring caption_of(Izv_entity* entity) {
  return zv_read_wtext([entity](Izv_string_adp* adp) { entity->get_wcaption(adp); });
}

struct Columns : ::testing::Test {
  Izv_scns2d* scenes = zv_scns_clm_create();
  Tzv_event_recorder rec{zv_scns_2d_get_update_event_channel(scenes)};
  ~Columns() override {
    rec.detach();
    zv_scns_clm_destroy(scenes);
  }
};

// Column scenes have a meta id of their own; their collection keeps that of
// 2D scenes, and the captions come from the column resource texts.
TEST_F(Columns, KindsAndCaptions) {
  Izv_scene* alone = zv_scn_clm_create();
  EXPECT_STREQ(zv_scn_2d_get_meta_id(alone), "SceneColumnMetaID");
  EXPECT_EQ(caption_of(alone), L"");
  zv_scn_clm_destroy(alone);

  EXPECT_STREQ(zv_scns_2d_get_meta_id(scenes), "Scene2DCollectionMetaID");
  EXPECT_EQ(caption_of(scenes), L"Columns");
  for (std::wstring const expected : {L"Column 1", L"Column 2"}) {
    Izv_scene* member = zv_scns_2d_add(scenes);
    EXPECT_STREQ(zv_scn_2d_get_meta_id(member), "SceneColumnMetaID");
    EXPECT_EQ(zv_scn_2d_get_parent(member), scenes);
    EXPECT_EQ(caption_of(member), expected);
  }
}

TEST_F(Columns, ChangesInsideAColumnSceneAreNotAnnouncedByTheCollection) {
  Izv_scene* scene = zv_scns_2d_add(scenes);
  EXPECT_EQ(rec.take(), "B U[1] E");  // its own list still is
  Tzv_event_recorder scene_rec(zv_scn_2d_get_update_event_channel(scene));

  Izv_layer* layer = zv_scn_2d_add_layer_type_name(scene, zv_lr2d_type_vector);
  zv_lr2d_set_wcaption(layer, L"Rivers");
  zv_scn_2d_set_wcaption(scene, L"Profile");
  EXPECT_EQ(scene_rec.take(), "B U[1] E B U[1{2}] E B U[2] E");
  EXPECT_EQ(rec.take(), "");
}

TEST_F(Columns, ARemovedSceneGoesWithTheCollectionsEndUpdateOnce) {
  int32_t const before = zv_lr2d_test_get_live_count();
  zv_scn_2d_add_layer_type_name(zv_scns_2d_add(scenes), zv_lr2d_type_vector);
  zv_scns_2d_add(scenes);
  ASSERT_EQ(zv_lr2d_test_get_live_count(), before + 1);

  Izv_updatable* bracket = static_cast<Izv_entity*>(scenes);
  bracket->begin_update();
  zv_scns_2d_del(scenes, 0);
  EXPECT_EQ(zv_lr2d_test_get_live_count(), before + 1);  // still alive
  bracket->end_update();
  EXPECT_EQ(zv_lr2d_test_get_live_count(), before);
  EXPECT_EQ(zv_scns_2d_get_size(scenes), 1u);
  EXPECT_EQ(rec.take(), "B U[1] E B U[1] E B U[1] E");
}

// A listener that throws while a scene is added leaves no bracket open.
TEST_F(Columns, ABracketClosesWhenAListenerThrows) {
  {
    Tzv_throwing_listener thrower(zv_scns_2d_get_update_event_channel(scenes), {zv_event_kind_update});
    EXPECT_THROW(zv_scns_2d_add(scenes), Tzv_listener_error);
  }
  EXPECT_EQ(zv_history_manager_get_depth(zv_history_manager_get_instance()), 0);
  EXPECT_EQ(zv_scns_2d_get_size(scenes), 1u);
  EXPECT_EQ(rec.take(), "B U[1] E");
  zv_scns_2d_add(scenes);
  EXPECT_EQ(rec.take(), "B U[1] E");
}

TEST(ColumnExports, NullHandlesAreHarmless) {
  zv_scn_clm_destroy(nullptr);
  zv_scns_clm_destroy(nullptr);
}

}  // namespace
