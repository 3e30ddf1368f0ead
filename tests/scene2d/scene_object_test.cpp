// The scene as a whole, as a host sees it through the exports: defaults,
// copy and comparison, caption, view-geometry events, the tree's events, and
// the null rule of every export.
#include <gtest/gtest.h>

#include <string>

#include "core/string_adapters.h"
#include "event_recorder.h"
#include "scene2d/scene_2d.h"
#include "zv/scn_2d.h"
#include "zv/sibling/lr2d_test_hooks.h"

namespace {

bool same_box(Tzv_box_d2 const& a, Tzv_box_d2 const& b) {
  return a.xmin == b.xmin && a.ymin == b.ymin && a.xmax == b.xmax && a.ymax == b.ymax;
}

std::wstring caption_of(Izv_scene* scene) {
  std::wstring text;
  Tzv_std_wstring_adapter sink(&text);
  zv_scn_2d_get_wcaption(scene, sink);
  return text;
}

std::wstring group_caption_of(Izv_scene* scene) {
  std::wstring text;
  Tzv_std_wstring_adapter sink(&text);
  zv_lr_group_get_wcaption(zv_scn_2d_get_lr_group_ptr(scene), sink);
  return text;
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

// A minimal collection of scenes, so that scenes have siblings.
class Tzv_test_scenes : public Tzv_entities_base<Izv_scns2d, Tzv_scene_2d> {
 public:
  ~Tzv_test_scenes() override { clear_for_destruction(); }
  char const* get_meta_id() override { return "TestScenesMetaID"; }
  Tzv_scene_2d* create_entity() override { return new Tzv_scene_2d(); }
  void destroy_entity(Tzv_scene_2d* scene) override { delete scene; }
};

TEST_F(Scene, ANewSceneHasItsDefaults) {
  EXPECT_EQ(zv_scn_2d_get_layer_count(scene), 0u);
  Tzv_box_d2 box{};
  EXPECT_FALSE(zv_scn_2d_get_box(scene, &box));
  EXPECT_TRUE(same_box(box, zv_box_d2_init_xy(0, 0, 1, 1)));
  EXPECT_FALSE(zv_scn_2d_get_legend_box(scene, &box));
  EXPECT_TRUE(same_box(box, zv_box_d2_init_xy(0, 0, 1, 1)));
  Tzv_color const white{255, 255, 255, 0};
  Tzv_color const background = zv_scn_2d_get_background_clr(scene);
  EXPECT_TRUE(zv_clr_equal(&background, &white));
  std::wstring prj4 = L"x";
  Tzv_std_wstring_adapter sink(&prj4);
  zv_scn_2d_get_prj4wstring(scene, sink);
  EXPECT_EQ(prj4, L"");
  EXPECT_TRUE(zv_scn_2d_get_redraw_done(scene));
  EXPECT_TRUE(zv_scn_2d_get_izotropic(scene));
  EXPECT_STREQ(zv_scn_2d_get_meta_id(scene), "Scene2DMetaID");
  EXPECT_EQ(zv_scn_2d_get_parent(scene), nullptr);
  EXPECT_EQ(zv_scn_2d_get_background_layer(scene), nullptr);
  EXPECT_FALSE(zv_scn_2d_can_show_graticule(scene));  // no projection yet
  EXPECT_EQ(rec.take(), "");
}

TEST_F(Scene, BoxesSetByTheHostAreHandedBackAsTheyAre) {
  Tzv_box_d2 const given = zv_box_d2_init_xy(1, 2, 3, 4);
  zv_scn_2d_set_box(scene, true, &given);
  Tzv_box_d2 box{};
  EXPECT_TRUE(zv_scn_2d_get_box(scene, &box));  // no recalculation
  EXPECT_TRUE(same_box(box, given));
  zv_scn_2d_set_legend_box(scene, &given, true);  // the flag comes last
  EXPECT_TRUE(zv_scn_2d_get_legend_box(scene, &box));
  EXPECT_TRUE(same_box(box, given));
  EXPECT_EQ(rec.take(), "");
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

TEST(SceneCaption, IsMadeUniqueAmongTheSiblingsAndShownByTheRootGroup) {
  Tzv_test_scenes scenes;
  scenes.set_count(2);
  Izv_scene* first = scenes.get_entity(0);
  Izv_scene* second = scenes.get_entity(1);
  zv_scn_2d_set_wcaption(first, L"Map");
  Tzv_event_recorder rec(zv_scn_2d_get_update_event_channel(second));
  zv_scn_2d_set_wcaption(second, L"Map");
  EXPECT_EQ(caption_of(second), L"Map(0)");
  EXPECT_EQ(group_caption_of(second), L"Map(0)");
  EXPECT_EQ(rec.take(), "B U[2] E");
  zv_scn_2d_set_wcaption(second, L"Map(0)");  // its own caption is no clash
  EXPECT_EQ(caption_of(second), L"Map(0)");
  EXPECT_EQ(zv_scn_2d_get_parent(first), static_cast<Izv_scns2d*>(&scenes));
  EXPECT_EQ(zv_scn_2d_safe_downcast(&scenes), nullptr);
  EXPECT_EQ(zv_scn_2d_safe_downcast(first), first);
  rec.detach();
}

// The road of one request: the host adds a layer, and later the layer
// changes.
TEST_F(Scene, AnAddedLayerAndItsLaterChangesReachTheSceneListeners) {
  Izv_layer* layer = zv_scn_2d_add_layer_type_name(scene, "vector");
  ASSERT_NE(layer, nullptr);
  EXPECT_EQ(rec.take(), "B U[1] E");
  Tzv_box_d2 const box = zv_box_d2_init_xy(0, 0, 10, 10);
  zv_lr2d_test_set_box(layer, &box);
  EXPECT_EQ(rec.take(), "B U[1{21}] E");
}

// Every export answers its zero value on a null handle and changes nothing.
TEST(SceneNullRule, EveryExportAcceptsANullHandle) {
  Tzv_box_d2 box = zv_box_d2_init_xy(5, 5, 6, 6);
  Tzv_box_d2 const before = box;
  zv_scn_2d_destroy(nullptr);
  EXPECT_EQ(zv_scn_2d_safe_upcast(nullptr), nullptr);
  EXPECT_EQ(zv_scn_2d_safe_downcast(nullptr), nullptr);
  EXPECT_EQ(zv_scn_2d_get_meta_id(nullptr), nullptr);
  EXPECT_EQ(zv_scn_2d_get_layer_count(nullptr), 0u);
  EXPECT_EQ(zv_scn_2d_get_layer_ptr(nullptr, 0), nullptr);
  EXPECT_EQ(zv_scn_2d_get_lr2d_idx(nullptr, nullptr), zv_no_index);
  EXPECT_EQ(zv_scn_2d_get_active_lr2d_idx(nullptr), zv_no_index);
  EXPECT_EQ(zv_scn_2d_add_layer_type_name(nullptr, "vector"), nullptr);
  EXPECT_EQ(zv_scn_2d_get_prf_data_ptr(nullptr), nullptr);
  EXPECT_FALSE(zv_scn_2d_get_box(nullptr, &box));
  EXPECT_FALSE(zv_scn_2d_get_clipped_box(nullptr, &box));
  EXPECT_FALSE(zv_scn_2d_get_marked_lr2d_box(nullptr, &box));
  EXPECT_TRUE(same_box(box, before));
  EXPECT_FALSE(zv_scn_2d_equal(nullptr, nullptr));
  zv_scn_2d_assign(nullptr, nullptr);
  zv_scn_2d_set_prj4wstring(nullptr, L"+proj=merc");
  zv_scn_2d_move_layer(nullptr, 0, 1);
  zv_scn_2d_del_lr2d_array(nullptr, 0, nullptr);
  zv_scn_2d_set_legend_box(nullptr, &box, true);

  // A live scene with null arguments where it needs an object.
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
