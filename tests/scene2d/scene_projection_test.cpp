// The scene's projection: storing it, handing it to the layers, adopting a
// layer's, and listing the layers' distinct projections.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/string_adapters.h"
#include "event_recorder.h"
#include "scene2d/scene_2d.h"
#include "support/throwing_listener.h"
#include "zv/sibling/lr2d_test_hooks.h"
#include "zv/sibling/proj4_d2.h"

namespace {

constexpr wchar_t const* c_wgs84 = L"+proj=longlat +datum=WGS84 +no_defs";
constexpr wchar_t const* c_wgs84_reordered = L"+no_defs +datum=WGS84  +proj=longlat";
constexpr wchar_t const* c_utm32 = L"+proj=utm +zone=32 +datum=WGS84 +units=m +no_defs";
constexpr wchar_t const* c_undescribed = L"+datum=WGS84 +no_defs";  // no system named

template <class F>
std::wstring read_text(F&& feed) {
  std::wstring text = L"(not fed)";
  Tzv_std_wstring_adapter adp(&text);
  feed(adp.adapter());
  return text;
}

std::wstring scene_prj4(Tzv_scene_2d const& scene) {
  return read_text([&](Izv_string_adp* adp) { scene.get_prj4(adp); });
}
std::wstring dst_prj4(Izv_layer* layer) {
  return read_text([&](Izv_string_adp* adp) { zv_lr2d_get_dst_pj4wstr(layer, adp); });
}
std::wstring short_prj4(wchar_t const* prj4) {
  return read_text([&](Izv_string_adp* adp) { zv_pj4_get_short_text_w(prj4, adp); });
}

std::vector<std::wstring> texts_of(Tzv_wstrings_obj const* list) {
  std::vector<std::wstring> out;
  for (int32_t i = 0; i < zv_wstrings_get_size(list); ++i) out.emplace_back(zv_wstrings_get_str(list, i));
  return out;
}

struct SceneProjection : ::testing::Test {
  Tzv_scene_2d scene;
  Tzv_event_recorder rec{scene.get_update_event_channel()};

  // A new vector layer in its own projection (empty: none).
  Izv_layer* add_layer(wchar_t const* own_prj4 = L"") {
    Izv_layer* layer = scene.add_layer(zv_lr2d_type_vector);
    zv_lr2d_test_set_pj4wstr(layer, own_prj4);
    return layer;
  }
};

TEST_F(SceneProjection, TheStoredTextAgainChangesNothing) {
  EXPECT_EQ(scene_prj4(scene), L"");  // a new scene has none, and feeds the empty text
  scene.set_prj4(L"");
  scene.set_prj4(nullptr);
  EXPECT_EQ(rec.take(), "");
  Izv_layer* layer = add_layer();
  scene.set_prj4(c_wgs84);
  Tzv_box_d2 const planted = zv_box_d2_init_xy(1, 2, 3, 4);
  scene.set_box(true, planted);
  rec.clear();

  scene.set_prj4(std::wstring(c_wgs84).c_str());  // equal characters, another buffer
  EXPECT_EQ(rec.take(), "");
  Tzv_box_d2 box{};
  EXPECT_TRUE(scene.try_get_box(box));
  EXPECT_EQ(box.xmax, 3);
  EXPECT_EQ(dst_prj4(layer), c_wgs84);

  // Equal in meaning is not enough: the text is compared, not the system.
  scene.set_prj4(c_wgs84_reordered);
  EXPECT_EQ(scene_prj4(scene), c_wgs84_reordered);
  EXPECT_FALSE(scene.try_get_box(box));
}

// The recalculation of the stale box is pinned by the extents tests.
TEST_F(SceneProjection, ANewTextReachesEveryLayerAndStalesTheBox) {
  Izv_layer* layers[] = {add_layer(), add_layer(), add_layer()};
  scene.set_box(true, zv_box_d2_init_xy(100, 100, 200, 200));
  rec.clear();

  scene.set_prj4(c_utm32);
  EXPECT_EQ(rec.take(), "U[]");  // one plain update, no bracket of the scene's own
  EXPECT_EQ(scene_prj4(scene), c_utm32);
  for (Izv_layer* layer : layers) EXPECT_EQ(dst_prj4(layer), c_utm32);
  EXPECT_FALSE(scene.is_layer_list_valid());
  Tzv_box_d2 box{};
  EXPECT_FALSE(scene.try_get_box(box));
}

TEST_F(SceneProjection, AThrowingListenerStillLeavesTheNewTextAndAStaleBox) {
  Izv_layer* layers[] = {add_layer(), add_layer()};
  scene.set_box(true, zv_box_d2_init_xy(1, 2, 3, 4));
  {
    Tzv_throwing_listener thrower(scene.get_update_event_channel(), {zv_event_kind_update});
    EXPECT_THROW(scene.set_prj4(c_wgs84), Tzv_listener_error);
  }
  EXPECT_EQ(scene_prj4(scene), c_wgs84);
  Tzv_box_d2 box{};
  EXPECT_FALSE(scene.try_get_box(box));
  EXPECT_EQ(scene.get_update_depth(), 0u);
  rec.clear();

  // Nothing was left open: the next change announces on its own.
  scene.set_prj4(c_utm32);
  EXPECT_EQ(rec.take(), "U[]");
  for (Izv_layer* layer : layers) EXPECT_EQ(dst_prj4(layer), c_utm32);
}

TEST_F(SceneProjection, ASceneWithoutProjectionAdoptsTheFirstLayerProjectionOnly) {
  Izv_layer* none = add_layer();
  Izv_layer* geo = add_layer(c_wgs84);
  Izv_layer* utm = add_layer(c_utm32);
  rec.clear();

  scene.try_set_prj4(none);
  scene.try_set_prj4(nullptr);
  EXPECT_EQ(scene_prj4(scene), L"");
  EXPECT_EQ(rec.take(), "");

  scene.try_set_prj4(geo);
  EXPECT_EQ(scene_prj4(scene), c_wgs84);
  EXPECT_EQ(rec.take(), "U[]");
  for (Izv_layer* layer : {none, geo, utm}) EXPECT_EQ(dst_prj4(layer), c_wgs84);

  scene.try_set_prj4(utm);
  EXPECT_EQ(scene_prj4(scene), c_wgs84);
  EXPECT_EQ(rec.take(), "");
}

struct SceneProjectionList : SceneProjection {
  Tzv_wstrings_obj* short_texts = zv_wstrings_create();
  Tzv_wstrings_obj* full_texts = zv_wstrings_create();
  ~SceneProjectionList() override {
    zv_wstrings_destroy(short_texts);
    zv_wstrings_destroy(full_texts);
  }
  void list() { scene.get_pj_list_uniq_short(short_texts, full_texts); }
};

// Equal projections appear once with the first layer's text; layers without
// projection or whose projection has no short name are left out.
TEST_F(SceneProjectionList, EqualProjectionsAppearOnceWithTheFirstLayersText) {
  ASSERT_TRUE(zv_pj4_equal_w(c_wgs84, c_wgs84_reordered));
  ASSERT_NE(short_prj4(c_wgs84), L"");
  ASSERT_NE(short_prj4(c_utm32), L"");
  ASSERT_EQ(short_prj4(c_undescribed), L"");
  add_layer();
  add_layer(c_undescribed);
  add_layer(c_wgs84);
  add_layer(c_utm32);
  add_layer(c_wgs84_reordered);
  add_layer(c_utm32);
  zv_wstrings_add_str(short_texts, L"kept");
  zv_wstrings_add_str(full_texts, L"kept");
  rec.clear();

  list();
  EXPECT_EQ(texts_of(full_texts), (std::vector<std::wstring>{L"kept", c_wgs84, c_utm32}));
  EXPECT_EQ(texts_of(short_texts), (std::vector<std::wstring>{L"kept", short_prj4(c_wgs84), short_prj4(c_utm32)}));
  EXPECT_EQ(rec.take(), "");
}

TEST_F(SceneProjectionList, FollowsTheTreeOrderOfTheLayers) {
  Izv_layer* geo = add_layer(c_wgs84);
  add_layer(c_utm32);
  scene.move(0, 1);
  ASSERT_EQ(scene.get_entity(1), geo);
  list();
  EXPECT_EQ(texts_of(full_texts), (std::vector<std::wstring>{c_utm32, c_wgs84}));
}

}  // namespace
