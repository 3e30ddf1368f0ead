// The scene's extents: the cached union of the layer boxes and when it goes
// stale, the clipped box, and the boxes of the active and the marked layers.
#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>

#include "event_recorder.h"
#include "scene2d/scene_2d.h"
#include "zv/sibling/lr2d_test_hooks.h"
#include "zv/sibling/proj4_d2.h"

// Boxes compare and print as their four numbers (file-local: other test
// files may have their own).
static bool operator==(Tzv_box_d2 const& a, Tzv_box_d2 const& b) {
  return a.xmin == b.xmin && a.ymin == b.ymin && a.xmax == b.xmax && a.ymax == b.ymax;
}
static std::ostream& operator<<(std::ostream& os, Tzv_box_d2 const& b) {
  return os << '(' << b.xmin << ", " << b.ymin << ", " << b.xmax << ", " << b.ymax << ')';
}

namespace {

constexpr wchar_t const* c_wgs84 = L"+proj=longlat +datum=WGS84 +no_defs";
constexpr wchar_t const* c_utm32 = L"+proj=utm +zone=32 +datum=WGS84 +units=m +no_defs";

Tzv_box_d2 box_of(double x1, double y1, double x2, double y2) { return zv_box_d2_init_xy(x1, y1, x2, y2); }

Tzv_box_d2 const c_unit = box_of(0, 0, 1, 1);
Tzv_box_d2 const c_sentinel = box_of(-7, -7, 7, 7);  // what a caller's box held before

struct SceneExtents : ::testing::Test {
  Tzv_scene_2d scene;
  Tzv_event_recorder rec{scene.get_update_event_channel()};

  // A new vector layer with that box, or none.
  Izv_layer* add_layer(Tzv_box_d2 const* box = nullptr) {
    Izv_layer* layer = scene.add_layer(zv_lr2d_type_vector);
    zv_lr2d_test_set_box(layer, box);
    return layer;
  }
  Izv_layer* add_layer(Tzv_box_d2 const& box) { return add_layer(&box); }

  Tzv_lr_group* root() { return scene.get_lr_group_ptr(); }
  Tzv_lr_group* slot_of(Izv_layer* layer) { return zv_lr_group_get_child_by_layer(root(), layer); }

  // A group slot last under the root holding `layers`, in this order.
  Tzv_lr_group* group_of(std::initializer_list<Izv_layer*> layers) {
    Tzv_lr_group* group = zv_lr_group_add_group(root(), L"group");
    zv_lr_group_set_active(root(), group);
    for (Izv_layer* layer : layers) zv_lr_group_move_to_active(root(), slot_of(layer));
    return group;
  }
  // Puts the layer's slot last under the root.
  void move_last(Izv_layer* layer) { zv_lr_group_move(nullptr, slot_of(layer), 1); }

  // The box a query left in a caller's box that held the sentinel, with its answer.
  template <class Query>
  std::pair<bool, Tzv_box_d2> ask(Query query) {
    Tzv_box_d2 out = c_sentinel;
    bool const found = (scene.*query)(out);
    return {found, out};
  }
};

TEST_F(SceneExtents, NewSceneHasNoBoxAndTheUnitBox) {
  EXPECT_EQ(ask(&Tzv_scene_2d::get_box), std::make_pair(false, c_unit));
  EXPECT_EQ(ask(&Tzv_scene_2d::get_clipped_box), std::make_pair(false, c_unit));
  EXPECT_EQ(ask(&Tzv_scene_2d::get_legend_box), std::make_pair(false, c_unit));
  EXPECT_EQ(ask(&Tzv_scene_2d::get_active_lr2d_box), std::make_pair(false, c_sentinel));
  EXPECT_EQ(ask(&Tzv_scene_2d::get_marked_lr2d_box), std::make_pair(false, c_sentinel));
  EXPECT_EQ(rec.take(), "");
}

TEST_F(SceneExtents, TheBoxIsTheUnionOfTheLayersThatHaveOne) {
  add_layer(box_of(0, 0, 10, 10));
  add_layer();
  add_layer(box_of(5, -5, 20, 5));
  rec.clear();
  EXPECT_EQ(ask(&Tzv_scene_2d::get_box), std::make_pair(true, box_of(0, -5, 20, 10)));
  EXPECT_EQ(ask(&Tzv_scene_2d::try_get_box), std::make_pair(true, box_of(0, -5, 20, 10)));
  EXPECT_EQ(rec.take(), "");
}

// A valid set box is handed out without recalculation; without any layer
// box a recalculation keeps the old box but leaves it stale.
TEST_F(SceneExtents, ASetBoxIsHandedOutWithoutRecalculation) {
  Izv_layer* layer = add_layer(box_of(0, 0, 10, 10));
  rec.clear();
  scene.set_box(true, box_of(1, 2, 3, 4));
  EXPECT_EQ(ask(&Tzv_scene_2d::get_box), std::make_pair(true, box_of(1, 2, 3, 4)));
  scene.set_box(false, box_of(1, 2, 3, 4));
  EXPECT_EQ(ask(&Tzv_scene_2d::get_box), std::make_pair(true, box_of(0, 0, 10, 10)));
  EXPECT_EQ(rec.take(), "");

  zv_lr2d_test_set_box(layer, nullptr);
  scene.calc_box();
  EXPECT_EQ(ask(&Tzv_scene_2d::try_get_box), std::make_pair(false, box_of(0, 0, 10, 10)));
  EXPECT_EQ(ask(&Tzv_scene_2d::get_box), std::make_pair(false, box_of(0, 0, 10, 10)));
}

// A change after which a valid box no longer counts.
struct Tzv_staling_change {
  char const* name;
  void (*apply)(Tzv_scene_2d& scene, Izv_layer* new_layer);
};
void PrintTo(Tzv_staling_change const& change, std::ostream* os) { *os << change.name; }

Tzv_staling_change const c_staling_changes[] = {
    {"layer_update", [](Tzv_scene_2d&, Izv_layer* layer) { zv_lr2d_set_selected_all(layer, true); }},
    {"set_prj4", [](Tzv_scene_2d& scene, Izv_layer*) { scene.set_prj4(c_wgs84); }},
    {"calc_box", [](Tzv_scene_2d& scene, Izv_layer*) { scene.calc_box(); }},
};

struct SceneBoxStaleness : SceneExtents, ::testing::WithParamInterface<Tzv_staling_change> {};

TEST_P(SceneBoxStaleness, ANewLayerKeepsTheOldBoxUntilAStalingChange) {
  add_layer(box_of(0, 0, 10, 10));
  add_layer(box_of(5, -5, 20, 5));
  scene.set_box(true, box_of(0, 0, 10, 10));  // as if reckoned before the second layer came
  Izv_layer* late = add_layer();
  EXPECT_EQ(ask(&Tzv_scene_2d::try_get_box), std::make_pair(true, box_of(0, 0, 10, 10)));

  GetParam().apply(scene, late);
  EXPECT_EQ(ask(&Tzv_scene_2d::get_box), std::make_pair(true, box_of(0, -5, 20, 10)));
}

INSTANTIATE_TEST_SUITE_P(Changes, SceneBoxStaleness, ::testing::ValuesIn(c_staling_changes),
                         [](auto const& info) { return std::string(info.param.name); });

// Layers around 10°E 50.5°N and a clip outline of a quarter of their extent.
struct SceneClippedBox : SceneExtents {
  Tzv_clip2d_params& clip = *scene.get_clip_params();

  void SetUp() override {
    scene.set_prj4(c_wgs84);
    add_layer(box_of(9, 50, 10, 51));
    add_layer(box_of(10, 50, 11, 51));
    Tzv_op2d* ov = clip.get_ov();
    for (auto const& v : {Tzv_vtx_d2{9.5, 50.0}, {10.5, 50.0}, {10.5, 51.0}, {9.5, 51.0}}) {
      zv_ov_d2_add_vtx(ov, v.x, v.y);
    }
    clip.set_prj(c_wgs84);
    clip.set_enabled(true);
  }
};

TEST_F(SceneClippedBox, IsTheOutlineBoxWhenClippingIsOn) {
  EXPECT_EQ(ask(&Tzv_scene_2d::get_clipped_box), std::make_pair(true, box_of(9.5, 50, 10.5, 51)));
  clip.set_enabled(false);
  EXPECT_EQ(ask(&Tzv_scene_2d::get_clipped_box), std::make_pair(true, box_of(9, 50, 11, 51)));
}

TEST_F(SceneClippedBox, FallsBackToTheLayersWhenTheOutlineCannotBeReprojected) {
  clip.set_prj(L"+proj=no_such_projection");
  EXPECT_EQ(ask(&Tzv_scene_2d::get_clipped_box), std::make_pair(true, box_of(9, 50, 11, 51)));
  EXPECT_EQ(ask(&Tzv_scene_2d::try_get_box), std::make_pair(true, box_of(9, 50, 11, 51)));
}

TEST_F(SceneClippedBox, ReprojectsTheOutlineIntoTheSceneProjection) {
  if (!zv_pj4_can_reproject()) GTEST_SKIP() << "built without PROJ: no reprojection between different systems";
  scene.set_prj4(c_utm32);
  auto const [found, box] = ask(&Tzv_scene_2d::get_clipped_box);
  EXPECT_TRUE(found);
  // cs2cs +proj=longlat +datum=WGS84 +no_defs +to +proj=utm +zone=32 +datum=WGS84 +units=m +no_defs
  EXPECT_NEAR(box.xmin, 535084.7072, 1e-3);
  EXPECT_NEAR(box.ymin, 5538750.4776, 1e-3);
  EXPECT_NEAR(box.xmax, 607498.4934, 1e-3);
  EXPECT_NEAR(box.ymax, 5650895.7067, 1e-3);
}

// Tree: l0, then a group with l1 and l2, then l3; every layer has a box.
struct SceneLayerBoxes : SceneExtents {
  Izv_layer* l0 = add_layer(box_of(0, 0, 1, 1));
  Izv_layer* l1 = add_layer(box_of(0, 0, 10, 10));
  Izv_layer* l2 = add_layer(box_of(5, -5, 20, 5));
  Izv_layer* l3 = add_layer(box_of(100, 100, 200, 200));
  Tzv_lr_group* group = group_of({l1, l2});

  void SetUp() override {
    move_last(l3);
    zv_lr_group_set_active(root(), nullptr);
    ASSERT_EQ(scene.get_entity(3), l3);
    ASSERT_TRUE(zv_lr_group_is_parent(slot_of(l2), group));
  }
};

TEST_F(SceneLayerBoxes, TheActiveLayerIsAskedAloneWhateverTheTreeSays) {
  zv_lr_group_set_active(root(), slot_of(l1));  // an active layer slot alone gives nothing
  EXPECT_EQ(ask(&Tzv_scene_2d::get_active_lr2d_box), std::make_pair(false, c_sentinel));
  scene.set_active(l3);
  zv_lr_group_set_active(root(), group);
  EXPECT_EQ(ask(&Tzv_scene_2d::get_active_lr2d_box), std::make_pair(true, box_of(100, 100, 200, 200)));
  zv_lr2d_test_set_box(l3, nullptr);
  EXPECT_EQ(ask(&Tzv_scene_2d::get_active_lr2d_box), std::make_pair(false, c_sentinel));
}

TEST_F(SceneLayerBoxes, AnActiveGroupGivesTheUnionOfTheLayersUnderIt) {
  zv_lr_group_set_active(root(), group);
  EXPECT_EQ(ask(&Tzv_scene_2d::get_active_lr2d_box), std::make_pair(true, box_of(0, -5, 20, 10)));

  // A layer without a box is passed over, also when it comes first.
  zv_lr2d_test_set_box(l1, nullptr);
  EXPECT_EQ(ask(&Tzv_scene_2d::get_active_lr2d_box), std::make_pair(true, box_of(5, -5, 20, 5)));
  zv_lr2d_test_set_box(l2, nullptr);
  EXPECT_EQ(ask(&Tzv_scene_2d::get_active_lr2d_box), std::make_pair(false, c_sentinel));
}

TEST_F(SceneLayerBoxes, AnActiveGroupReachesIntoNestedGroups) {
  Tzv_box_d2 const far = box_of(-50, -50, -40, -40);
  zv_lr2d_test_set_box(l0, &far);
  Tzv_lr_group* inner = zv_lr_group_add_group(group, L"inner");
  zv_lr_group_set_active(root(), inner);
  zv_lr_group_move_to_active(root(), slot_of(l0));
  zv_lr_group_set_active(root(), group);
  EXPECT_EQ(ask(&Tzv_scene_2d::get_active_lr2d_box), std::make_pair(true, box_of(-50, -50, 20, 10)));
}

TEST_F(SceneLayerBoxes, MarkedBoxTakesMarkedLayersAndEverythingUnderAMarkedGroup) {
  EXPECT_EQ(ask(&Tzv_scene_2d::get_marked_lr2d_box), std::make_pair(false, c_sentinel));

  zv_lr_group_set_marked(group, true);  // l1 and l2 stay unmarked
  EXPECT_EQ(ask(&Tzv_scene_2d::get_marked_lr2d_box), std::make_pair(true, box_of(0, -5, 20, 10)));

  zv_lr2d_set_marked(l3, true);  // after the group
  EXPECT_EQ(ask(&Tzv_scene_2d::get_marked_lr2d_box), std::make_pair(true, box_of(0, -5, 200, 200)));

  zv_lr_group_set_marked(group, false);
  zv_lr2d_set_marked(l2, true);
  EXPECT_EQ(ask(&Tzv_scene_2d::get_marked_lr2d_box), std::make_pair(true, box_of(5, -5, 200, 200)));
}

TEST_F(SceneLayerBoxes, MarkedBoxKeepsTheOuterMarkedGroupAcrossAMarkedInnerOne) {
  Tzv_lr_group* inner = zv_lr_group_add_group(group, L"inner");
  zv_lr_group_set_marked(inner, true);
  zv_lr_group_set_marked(group, true);
  zv_lr_group_set_active(root(), group);
  zv_lr_group_move_to_active(root(), slot_of(l2));  // after the inner group, still in the outer
  EXPECT_EQ(ask(&Tzv_scene_2d::get_marked_lr2d_box), std::make_pair(true, box_of(0, -5, 20, 10)));
}

TEST_F(SceneLayerBoxes, MarkedLayersWithoutBoxLeaveNothing) {
  zv_lr2d_set_marked(l0, true);
  zv_lr2d_test_set_box(l0, nullptr);
  EXPECT_EQ(ask(&Tzv_scene_2d::get_marked_lr2d_box), std::make_pair(false, c_sentinel));
}

}  // namespace
