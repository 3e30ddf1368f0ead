// The scene as a whole, as a host sees it through the exports: defaults,
// copy and comparison, caption, view-geometry events, and the null rule of
// every export.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/string_adapters.h"
#include "event_recorder.h"
#include "scene2d/scene_2d.h"
#include "zv/scn_2d.h"
#include "zv/scns_2d.h"
#include "zv/sibling/lr2d_test_hooks.h"

namespace {

bool same_box(Tzv_box_d2 const& a, Tzv_box_d2 const& b) {
  return a.xmin == b.xmin && a.ymin == b.ymin && a.xmax == b.xmax && a.ymax == b.ymax;
}

std::wstring caption_of(Izv_scene* scene) {
  return zv_read_wtext([scene](Izv_string_adp* adp) { zv_scn_2d_get_wcaption(scene, adp); });
}

std::wstring group_caption_of(Izv_scene* scene) {
  return zv_read_wtext(
      [scene](Izv_string_adp* adp) { zv_lr_group_get_wcaption(zv_scn_2d_get_lr_group_ptr(scene), adp); });
}

// The tree in walk order: "G" a group slot, "L" a layer slot under the root,
// "l" one under a group.
std::string tree_shape(Izv_scene* scene) {
  Tzv_lr_group* root = zv_scn_2d_get_lr_group_ptr(scene);
  std::string shape;
  for (Tzv_lr_group* s = zv_lr_group_get_next(root, 0, 0, 0); s != nullptr; s = zv_lr_group_get_next(s, 0, 0, 0)) {
    shape += zv_lr_group_is_group(s) ? 'G' : (zv_lr_group_get_parent(s) == root ? 'L' : 'l');
  }
  return shape;
}

struct Scene : ::testing::Test {
  Izv_scene* scene = zv_scn_2d_create();
  Tzv_event_recorder rec{zv_scn_2d_get_update_event_channel(scene)};
  ~Scene() override {
    rec.detach();
    zv_scn_2d_destroy(scene);
  }
};

// Boxes and projection start empty (pinned by the extents and projection
// tests); the rest of a new scene:
TEST_F(Scene, ANewSceneHasItsDefaults) {
  Tzv_color const white{255, 255, 255, 0};
  Tzv_color const background = zv_scn_2d_get_background_clr(scene);
  EXPECT_TRUE(zv_clr_equal(&background, &white));
  EXPECT_TRUE(zv_scn_2d_get_redraw_done(scene));
  EXPECT_TRUE(zv_scn_2d_get_izotropic(scene));
  EXPECT_STREQ(zv_scn_2d_get_meta_id(scene), "Scene2DMetaID");
  EXPECT_EQ(zv_scn_2d_get_background_layer(scene), nullptr);
  EXPECT_FALSE(zv_scn_2d_can_show_graticule(scene));  // no projection yet
}

TEST_F(Scene, IsotropyIsAnnouncedOnceAfterItIsStored) {
  struct Seen {
    Izv_scene* scene;
    bool izotropic = true;
    static void proc(Tzv_table* q, void* data) {
      auto* self = static_cast<Seen*>(data);
      if (zv_event_queue_get_update_event(q, 0)) self->izotropic = zv_scn_2d_get_izotropic(self->scene);
    }
  } seen{scene};
  zv_event_channel_add_client(zv_scn_2d_get_update_event_channel(scene), &Seen::proc, &seen);
  zv_scn_2d_set_izotropic(scene, false);
  EXPECT_EQ(rec.take(), "B U[8] E");
  EXPECT_FALSE(seen.izotropic);
  EXPECT_FALSE(zv_scn_2d_get_izotropic(scene));
  zv_event_channel_del_client(zv_scn_2d_get_update_event_channel(scene), &Seen::proc, &seen);

  zv_prf_data_set_is_profil(zv_scn_2d_get_prf_data_ptr(scene), true);  // the owned profile data
  EXPECT_EQ(rec.take(), "B U[8] E");
  zv_scn_2d_changed(scene);
  EXPECT_EQ(rec.take(), "U[]");
  zv_scn_2d_extra_changed(scene, "colour");
  EXPECT_EQ(rec.take(), "U[colour]");
}

TEST_F(Scene, CopiesAndComparisonsFollowTheirOwnLists) {
  Izv_scene* src = zv_scn_2d_create();
  zv_scn_2d_set_wcaption(src, L"Roads");
  zv_scn_2d_set_prj4wstring(src, L"+proj=longlat +datum=WGS84");
  zv_scn_2d_set_background_clr(src, zv_clr_init_rgb(1, 2, 3));
  zv_margins_set_lft(zv_scn_2d_get_margins_ptr(src), 42);
  zv_scn_2d_set_redraw_done(src, false);
  for (char const* type : {"vector", "raster", "vector"}) zv_scn_2d_add_layer_type_name(src, type);
  Tzv_lr_group* src_root = zv_scn_2d_get_lr_group_ptr(src);
  Tzv_lr_group* group = zv_lr_group_add_group(src_root, L"terrain");
  zv_lr_group_set_active(src_root, group);
  zv_lr_group_move_to_active(src_root, zv_lr_group_get_child_by_layer(src_root, zv_scn_2d_get_layer_ptr(src, 2)));
  ASSERT_EQ(tree_shape(src), "LLGl");
  Tzv_pln_style* own_style = zv_scn_2d_get_current_style_pln(scene);
  Tzv_meta_data_obj* own_meta = zv_scn_2d_get_meta_data_ptr(scene);

  zv_scn_2d_assign(scene, src);
  EXPECT_EQ(caption_of(scene), L"Roads");
  EXPECT_EQ(zv_margins_get_lft(zv_scn_2d_get_margins_ptr(scene)), 42u);
  EXPECT_TRUE(zv_scn_2d_get_redraw_done(scene));  // not copied
  EXPECT_EQ(zv_scn_2d_get_current_style_pln(scene), own_style);
  EXPECT_EQ(zv_scn_2d_get_meta_data_ptr(scene), own_meta);
  ASSERT_EQ(zv_scn_2d_get_layer_count(scene), 3u);
  for (uint32_t i = 0; i < 3; ++i) {
    Izv_layer* copy = zv_scn_2d_get_layer_ptr(scene, i);
    Izv_layer* from = zv_scn_2d_get_layer_ptr(src, i);
    EXPECT_NE(copy, from);
    EXPECT_STREQ(zv_lr2d_get_lr_type(copy), zv_lr2d_get_lr_type(from));
  }
  EXPECT_EQ(tree_shape(scene), "LLGl");  // the same tree over the new layers
  EXPECT_TRUE(zv_scn_2d_equal(scene, src));
  EXPECT_FALSE(zv_scn_2d_equal(scene, nullptr));

  // Layers and styles are not compared; the background is.
  zv_scn_2d_del_lr2d(scene, 0);
  zv_bpln_style_set_width(zv_pln_style_get_bpln_style_ptr(zv_scn_2d_get_current_style_pln(scene)), 7.0);
  EXPECT_TRUE(zv_scn_2d_equal(scene, src));
  zv_scn_2d_set_background_clr(scene, zv_clr_init_rgb(9, 9, 9));
  EXPECT_FALSE(zv_scn_2d_equal(scene, src));
  zv_scn_2d_destroy(src);
}

// The marked flag and a valid box survive the copy of the layers, also from
// a source without layers; through a collection's copy as well.
TEST(SceneCopy, KeepsTheMarkedFlagAndAValidBox) {
  Izv_scns2d* from = zv_scns_2d_create();
  Izv_scns2d* into = zv_scns_2d_create();
  Izv_scene* src = zv_scns_2d_add(from);
  zv_scn_2d_set_marked(src, true);
  Tzv_box_d2 const box = zv_box_d2_init_xy(1, 2, 3, 4);
  zv_scn_2d_set_box(src, true, &box);
  Izv_scene* direct = zv_scn_2d_create();
  zv_scn_2d_assign(direct, src);
  zv_scns_2d_assign(into, from);
  for (Izv_scene* copy : {direct, zv_scns_2d_get(into, 0)}) {
    Tzv_box_d2 copied{};
    EXPECT_TRUE(zv_scn_2d_get_marked(copy));
    EXPECT_TRUE(zv_scn_2d_get_box(copy, &copied));
    EXPECT_EQ(copied.xmax, 3);
    EXPECT_EQ(copied.ymax, 4);
  }
  zv_scn_2d_destroy(direct);
  zv_scns_2d_destroy(into);
  zv_scns_2d_destroy(from);
}

// A layer whose type the factory cannot make is left out; the others are
// copied in order, and the tree holds just the layers that were made.
TEST_F(Scene, CopyLeavesOutALayerTheFactoryCannotMake) {
  Izv_scene* src = zv_scn_2d_create();
  for (char const* type : {"vector", "raster", "vector"}) zv_scn_2d_add_layer_type_name(src, type);
  Tzv_lr_group* src_root = zv_scn_2d_get_lr_group_ptr(src);
  zv_lr_group_set_active(src_root, zv_lr_group_add_group(src_root, L"terrain"));
  zv_lr_group_move_to_active(src_root, zv_lr_group_get_child_by_layer(src_root, zv_scn_2d_get_layer_ptr(src, 2)));
  zv_lr2d_test_fail_factory_after(2);
  zv_scn_2d_assign(scene, src);
  zv_lr2d_test_fail_factory_after(-1);
  ASSERT_EQ(zv_scn_2d_get_layer_count(scene), 2u);
  EXPECT_STREQ(zv_lr2d_get_lr_type(zv_scn_2d_get_layer_ptr(scene, 0)), "vector");
  EXPECT_STREQ(zv_lr2d_get_lr_type(zv_scn_2d_get_layer_ptr(scene, 1)), "raster");
  std::string const shape = tree_shape(scene);
  EXPECT_EQ(std::count_if(shape.begin(), shape.end(), [](char c) { return c != 'G'; }), 2) << shape;
  zv_scn_2d_destroy(src);
}

TEST(SceneCaption, IsMadeUniqueAmongTheSiblingsAndShownByTheRootGroup) {
  Izv_scns2d* scenes = zv_scns_2d_create();
  Izv_scene* first = zv_scns_2d_add(scenes);
  Izv_scene* second = zv_scns_2d_add(scenes);
  zv_scn_2d_set_wcaption(first, L"Map");
  Tzv_event_recorder rec(zv_scn_2d_get_update_event_channel(second));
  zv_scn_2d_set_wcaption(second, L"Map");
  EXPECT_EQ(caption_of(second), L"Map(0)");
  EXPECT_EQ(group_caption_of(second), L"Map(0)");
  EXPECT_EQ(rec.take(), "B U[2] E");
  zv_scn_2d_set_wcaption(second, L"Map(0)");  // its own caption is no clash
  EXPECT_EQ(caption_of(second), L"Map(0)");
  EXPECT_EQ(zv_scn_2d_safe_downcast(scenes), nullptr);
  EXPECT_EQ(zv_scn_2d_safe_downcast(first), first);
  rec.detach();
  zv_scns_2d_destroy(scenes);
}

// Every export forwards through one null rule; the exports with a fallback
// of their own, a second object or an output stand for the rest.
TEST(SceneNullRule, ExportsAcceptANullHandle) {
  Tzv_box_d2 box = zv_box_d2_init_xy(5, 5, 6, 6);
  Tzv_box_d2 const before = box;
  zv_scn_2d_destroy(nullptr);
  EXPECT_EQ(zv_scn_2d_safe_downcast(nullptr), nullptr);
  EXPECT_EQ(zv_scn_2d_get_layer_count(nullptr), 0u);
  EXPECT_EQ(zv_scn_2d_get_lr2d_idx(nullptr, nullptr), zv_no_index);
  EXPECT_EQ(zv_scn_2d_get_active_lr2d_idx(nullptr), zv_no_index);
  EXPECT_EQ(zv_scn_2d_add_layer_type_name(nullptr, "vector"), nullptr);
  EXPECT_FALSE(zv_scn_2d_get_box(nullptr, &box));
  EXPECT_FALSE(zv_scn_2d_get_marked_lr2d_box(nullptr, &box));
  EXPECT_TRUE(same_box(box, before));
  EXPECT_FALSE(zv_scn_2d_equal(nullptr, nullptr));
  zv_scn_2d_assign(nullptr, nullptr);
  zv_scn_2d_set_prj4wstring(nullptr, L"+proj=merc");
  zv_scn_2d_del_lr2d_array(nullptr, 0, nullptr);

  // A live scene with null arguments where it needs an object, and indexes
  // out of range.
  Izv_scene* scene = zv_scn_2d_create();
  EXPECT_FALSE(zv_scn_2d_get_box(scene, nullptr));
  zv_scn_2d_set_box(scene, true, nullptr);
  zv_scn_2d_set_margins(scene, nullptr);
  zv_scn_2d_set_table_extra(scene, nullptr);
  zv_scn_2d_assign(scene, nullptr);
  zv_scn_2d_get_wcaption(scene, nullptr);
  EXPECT_EQ(zv_scn_2d_get_layer_ptr(scene, 7), nullptr);
  zv_scn_2d_del_lr2d(scene, 7);
  zv_scn_2d_move_layer(scene, 3, 9);
  zv_scn_2d_destroy(scene);
}

}  // namespace
