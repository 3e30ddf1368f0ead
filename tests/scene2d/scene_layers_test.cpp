// The scene's layer list: making layers, groups, activation, moves and
// selection, the layer vector kept in step with the layer group tree, and
// the layers' events as the scene's listeners see them.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/string_adapters.h"
#include "event_recorder.h"
#include "scene2d/scene_2d.h"
#include "support/throwing_listener.h"
#include "zv/sibling/lr2d_test_hooks.h"

namespace {

// Lets a test hand the scene a queue of layer events as one batch.
struct Tzv_open_scene : Tzv_scene_2d {
  using Tzv_scene_2d::on_layer_update;
};

struct SceneLayers : ::testing::Test {
  Tzv_open_scene scene;
  Tzv_event_recorder rec{scene.get_update_event_channel()};
  std::vector<Izv_layer*> made;  // in the order they were made

  void add(int n) {
    for (int i = 0; i < n; ++i) made.push_back(scene.add_layer(zv_lr2d_type_vector));
    rec.clear();
  }
  void mark(std::initializer_list<int> which) {
    for (int i : which) zv_lr2d_set_marked(made[i], true);
    rec.clear();
  }

  Tzv_lr_group* root() { return scene.get_lr_group_ptr(); }
  Tzv_lr_group* slot(Izv_layer* layer) { return zv_lr_group_get_child_by_layer(root(), layer); }

  // A layer as the number it was made with; -1 for any other.
  int number(Izv_entity* layer) {
    for (size_t i = 0; i < made.size(); ++i) {
      if (static_cast<Izv_entity*>(made[i]) == layer) return static_cast<int>(i);
    }
    return -1;
  }
  std::vector<int> in_vector() {
    std::vector<int> order;
    for (uint32_t i = 0; i < scene.get_count(); ++i) order.push_back(number(scene.get_entity(i)));
    return order;
  }
  std::vector<int> in_tree() {
    std::vector<int> order;
    for (Tzv_lr_group* s = zv_lr_group_get_next(root(), 0, 1, 0); s; s = zv_lr_group_get_next(s, 0, 1, 0)) {
      order.push_back(number(zv_lr_group_get_lr_ptr(s)));
    }
    return order;
  }
  // The tree and the vector both hold the layers in this order.
  void expect_order(std::vector<int> const& order) {
    EXPECT_EQ(in_tree(), order);
    EXPECT_EQ(in_vector(), order);
  }
  // The active layer, its index and the tree's active slot agree.
  void expect_active(int n) {
    EXPECT_EQ(number(scene.get_active()), n);
    EXPECT_EQ(scene.get_active_index(), scene.get_entity_index(made[n]));
    EXPECT_EQ(zv_lr_group_get_active(root()), slot(made[n]));
  }
};

using Order = std::vector<int>;

// --- Making layers ------------------------------------------------------------

TEST_F(SceneLayers, AddLayerOnAnEmptyScene) {
  scene.set_prj4(L"+proj=longlat +datum=WGS84 +no_defs");
  scene.set_box(true, zv_box_d2_init_xy(0, 0, 1, 1));
  rec.clear();
  Izv_layer* layer = scene.add_layer(zv_lr2d_type_vector);
  ASSERT_NE(layer, nullptr);
  EXPECT_EQ(rec.take(), "B U[1] E");  // the layer's own set-up is not forwarded
  EXPECT_EQ(scene.get_count(), 1u);
  EXPECT_EQ(scene.get_entity(0), layer);
  EXPECT_EQ(zv_read_wtext([layer](Izv_string_adp* a) { zv_lr2d_get_wcaption(layer, a); }), L"Layer");
  EXPECT_EQ(zv_lr2d_get_scn_2d(layer), static_cast<Izv_scene*>(&scene));
  EXPECT_EQ(zv_read_wtext([layer](Izv_string_adp* a) { zv_lr2d_get_dst_pj4wstr(layer, a); }),
            L"+proj=longlat +datum=WGS84 +no_defs");
  std::wstring const id = zv_read_wtext([layer](Izv_string_adp* a) { zv_lr_get_group_id(layer, a); });
  EXPECT_FALSE(id.empty());
  EXPECT_EQ(zv_read_wtext([this, layer](Izv_string_adp* a) { zv_lr_group_get_group_id(slot(layer), a); }), id);
  EXPECT_TRUE(scene.is_box_valid());
}

// Layers are made by a known type name only.
TEST_F(SceneLayers, AnUnknownTypeOrNoneMakesNothing) {
  EXPECT_EQ(scene.add_layer("nope"), nullptr);
  EXPECT_EQ(scene.add_layer_ex_slot("nope"), nullptr);
  EXPECT_EQ(rec.take(), "B E B E");
  EXPECT_EQ(scene.create_entity("nope"), nullptr);
  EXPECT_THROW(scene.add_entity(), char const*);
  EXPECT_THROW(scene.create_entity(), char const*);
  EXPECT_THROW(scene.set_count(2), char const*);
  EXPECT_EQ(scene.get_count(), 0u);
  EXPECT_EQ(zv_lr_group_get_next(root(), 0, 0, 0), nullptr);  // no slot either
  EXPECT_EQ(rec.take(), "");
}

TEST_F(SceneLayers, ALayerAddedWithoutSlotGetsOneFromTheTree) {
  add(2);
  Izv_layer* late = scene.add_layer_ex_slot(zv_lr2d_type_vector);
  made.push_back(late);
  EXPECT_EQ(rec.take(), "B U[1] E");
  EXPECT_NE(slot(late), nullptr);
  expect_order({0, 1, 2});
}

// That it stales the scene's box is pinned by the extents tests.
TEST_F(SceneLayers, ALayersLaterChangeReachesTheSceneAsProperty1) {
  add(2);
  Tzv_box_d2 const box = zv_box_d2_init_xy(0, 0, 10, 10);
  zv_lr2d_test_set_box(made[1], &box);
  EXPECT_EQ(rec.take(), "B U[1{21}] E");
}

// A channel that hands over a layer's whole bracket in one queue gets one
// bracket of the scene around it.
TEST_F(SceneLayers, AQueueOfAWholeLayerBracketIsOneBracketOfTheScene) {
  add(1);
  Tzv_begin_update_event begin;
  Tzv_update_event update;
  Tzv_end_update_event end;
  zv_begin_update_event_init(&begin);
  zv_update_event_init(&update);
  zv_update_event_add_prop_integer(&update, zv_lr2d_prop_selection);
  zv_end_update_event_init(&end);
  Tzv_table* queue = zv_event_queue_create();
  for (Tzv_event const* e : {&begin.header, &update.header, &end.header}) zv_event_queue_push(queue, e);

  scene.on_layer_update(*queue);
  EXPECT_EQ(rec.take(), "B U[1{22}] E");
  {
    Tzv_throwing_listener thrower(scene.get_update_event_channel(), {zv_event_kind_update});
    EXPECT_THROW(scene.on_layer_update(*queue), Tzv_listener_error);
  }
  EXPECT_EQ(rec.take(), "B U[1{22}] E");
  EXPECT_EQ(scene.get_update_depth(), 0u);
  zv_event_queue_destroy(queue);
  zv_update_event_clear(&update);
  zv_begin_update_event_clear(&begin);
  zv_end_update_event_clear(&end);
}

// --- Groups -------------------------------------------------------------------

TEST_F(SceneLayers, ACompositeTakesThePlaceOfTheFirstMarkedLayer) {
  add(5);
  mark({1, 3});
  Tzv_composite_layer_2d* group = scene.create_layer_group();
  ASSERT_NE(group, nullptr);
  Izv_layer* composite = zv_lr2d_group_safe_upcast(group);
  made.push_back(composite);  // number 5
  EXPECT_EQ(rec.take(), "B U[1{5}] E");
  expect_order({0, 5, 2, 4});
  EXPECT_EQ(scene.get_active_index(), 1u);
  ASSERT_EQ(zv_lr2d_group_sublr_count(group), 2u);
  EXPECT_EQ(zv_lr2d_group_get_sublr(group, 0), made[1]);
  EXPECT_EQ(zv_lr2d_group_get_sublr(group, 1), made[3]);
  EXPECT_FALSE(zv_lr2d_get_marked(made[1]));
  EXPECT_FALSE(zv_lr2d_get_marked(made[3]));
}

TEST_F(SceneLayers, ALayerThatThrowsWhileBeingGatheredEndsInTheComposite) {
  add(3);
  mark({0, 2});
  {
    Tzv_throwing_listener thrower(zv_lr_get_update_event_channel(made[2]), {zv_event_kind_update});
    EXPECT_THROW(scene.create_layer_group(), Tzv_listener_error);
  }
  EXPECT_EQ(scene.get_update_depth(), 0u);
  Tzv_composite_layer_2d* group = zv_lr2d_group_safe_downcast(scene.get_entity(0));
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(zv_lr2d_group_sublr_count(group), 2u);
  EXPECT_EQ(scene.get_count(), 2u);
  EXPECT_EQ(in_tree(), in_vector());
}

TEST_F(SceneLayers, WithNothingMarkedTheCompositeStaysOutside) {
  add(3);
  Tzv_composite_layer_2d* group = scene.create_layer_group();
  ASSERT_NE(group, nullptr);
  EXPECT_EQ(in_vector(), (Order{0, 1, 2}));
  EXPECT_EQ(scene.get_entity_index(zv_lr2d_group_safe_upcast(group)), zv_no_index);
  EXPECT_EQ(scene.get_active_index(), zv_no_index);
  zv_lr2d_destroy(zv_lr2d_group_safe_upcast(group));  // the caller's
}

TEST_F(SceneLayers, DissolvingACompositePutsItsLayersAtTheActiveIndex) {
  add(4);
  mark({2, 3});
  int32_t const live = zv_lr2d_test_get_live_count();
  Tzv_composite_layer_2d* group = scene.create_layer_group();
  ASSERT_EQ(scene.get_active_index(), 2u);
  rec.clear();

  scene.destroy_layer_group(group);
  expect_order({0, 1, 3, 2});  // the one extracted last stands first
  expect_active(3);
  EXPECT_EQ(zv_lr2d_test_get_live_count(), live);  // the emptied composite is freed
  EXPECT_EQ(rec.take(), "B U[1] E");               // the index stays 2
}

TEST_F(SceneLayers, DissolvingWithNoActiveLayerUsesTheCompositesPlace) {
  add(4);
  mark({1, 2});
  Tzv_composite_layer_2d* group = scene.create_layer_group();
  scene.set_active_index(zv_no_index);
  scene.destroy_layer_group(group);
  expect_order({0, 2, 1, 3});
  EXPECT_EQ(scene.get_active(), nullptr);
}

// --- Activation -----------------------------------------------------------------

TEST_F(SceneLayers, TheActiveLayerAndTheTreesActiveSlotGoTogether) {
  add(3);
  scene.set_active(made[1]);
  EXPECT_EQ(rec.take(), "B U[3] E");
  expect_active(1);
  scene.set_active_index(2);
  expect_active(2);
  scene.set_active(made[2]);  // no change
  EXPECT_EQ(rec.take(), "B U[3] E B E");
  scene.set_active_index(7);
  EXPECT_EQ(scene.get_active(), nullptr);
  EXPECT_EQ(scene.get_active_index(), zv_no_index);
  EXPECT_EQ(zv_lr_group_get_active(root()), nullptr);
}

TEST_F(SceneLayers, AnActiveIndexEqualToTheCountMeansNoActiveLayer) {
  add(3);
  scene.set_active_index(2);
  scene.remove_entity(0u);  // the active index stays 2
  EXPECT_EQ(scene.get_count(), 2u);
  EXPECT_EQ(scene.get_active_index(), 2u);
  EXPECT_EQ(scene.get_active(), nullptr);
}

// --- Moves: tree and vector in step, the active layer follows -----------------------

// Each step starts from the order the step before left; the active layer
// follows its layer throughout.
struct Tzv_move_step {
  uint32_t from;
  uint32_t to;
  std::vector<int> order;
};

TEST_F(SceneLayers, MovingOneLayerMovesItsSlot) {
  add(3);
  scene.set_active(made[0]);
  rec.clear();
  scene.move(1, 1);
  EXPECT_EQ(rec.take(), "B U[1] E");
  Tzv_move_step const steps[] = {
      {0, 2, {1, 2, 0}},  // after the layer at 2
      {2, 0, {0, 1, 2}},  // before the layer at 0
      {0, 9, {1, 2, 0}},  // past the end: last in the tree, and the vector follows it
  };
  for (Tzv_move_step const& step : steps) {
    SCOPED_TRACE(::testing::Message() << step.from << " to " << step.to);
    scene.move(step.from, step.to);
    expect_order(step.order);
    expect_active(0);
  }
}

TEST_F(SceneLayers, MovingMarkedLayersMovesTheirSlots) {
  add(4);
  mark({3});
  scene.set_active(made[2]);
  struct {
    uint32_t to;
    std::vector<int> order;
  } const steps[] = {
      {2, {0, 1, 3, 2}},  // after the layer at 1
      {0, {3, 0, 1, 2}},  // before the layer at 0
      {9, {0, 1, 2, 3}},  // past the end: last
  };
  for (auto const& step : steps) {
    SCOPED_TRACE(step.to);
    scene.move_marked(step.to);
    expect_order(step.order);
    expect_active(2);
  }
}

// A marked group moves in the tree while no layer of the vector is marked:
// the vector follows the tree, whose layers are not all in the root.
TEST_F(SceneLayers, AMarkedGroupMovesItsLayersAndTheVectorFollows) {
  add(4);
  Tzv_lr_group* group = zv_lr_group_add_group(root(), L"group");
  zv_lr_group_move(slot(made[0]), group, -1);  // first
  zv_lr_group_set_active(root(), group);
  zv_lr_group_move_to_active(root(), slot(made[0]));
  zv_lr_group_move_to_active(root(), slot(made[1]));  // group[0, 1], 2, 3
  expect_order({0, 1, 2, 3});
  zv_lr_group_set_marked(group, true);
  scene.move_marked(9);
  expect_order({2, 3, 0, 1});
}

// A listener of the tree that moves a slot while the scene moves its own:
// the scene's vector ends in the tree's final order, not in its own.
TEST_F(SceneLayers, ATreeListenerMovingASlotMeanwhileIsFollowed) {
  add(4);
  mark({3});
  struct Tzv_mover {
    Tzv_lr_group* root;
    Tzv_lr_group* slot;
    bool done = false;
    static void proc(Tzv_table*, void* d) {
      auto* self = static_cast<Tzv_mover*>(d);
      if (std::exchange(self->done, true)) return;
      zv_lr_group_move(nullptr, self->slot, 1);  // to the end
    }
  };
  Tzv_event_channel* channel = zv_lr_group_safe_upcast(root())->get_update_event_channel();
  Tzv_mover mover{root(), slot(made[1])};
  zv_event_channel_add_client(channel, &Tzv_mover::proc, &mover);
  scene.move_marked(0);  // 3 0 1 2, and the listener's move: 3 0 2 1
  expect_order({3, 0, 2, 1});
  mover.done = false;
  mover.slot = slot(made[0]);
  scene.move(0, 1);  // 0 3 2 1, and the listener's move: 3 2 1 0
  expect_order({3, 2, 1, 0});
  zv_event_channel_del_client(channel, &Tzv_mover::proc, &mover);
}

TEST_F(SceneLayers, MovingALayerIntoTheActiveGroup) {
  add(3);
  scene.set_active(made[1]);
  Tzv_lr_group* group = zv_lr_group_add_group(root(), L"group");
  zv_lr_group_set_active(root(), group);
  scene.move_layer_to_active_group(made[0]);
  EXPECT_EQ(zv_lr_group_get_parent(slot(made[0])), group);
  expect_order({1, 2, 0});
  EXPECT_EQ(number(scene.get_active()), 1);
  EXPECT_EQ(scene.get_active_index(), 0u);
}

// Right after a move inside the tree (L1 L2 L3 G(L0)), before anything read
// the layers: every call that takes or gives an index answers in the tree's
// order.
TEST(SceneLayersInTreeOrder, IndexOperationsSeeTheTreeBeforeAnyRead) {
  struct Tcase {
    char const* name;
    std::function<int(Tzv_open_scene&, std::vector<Izv_layer*> const&)> op;
    int expected;
  };
  auto number_in = [](std::vector<Izv_layer*> const& made, Izv_entity* e) {
    auto const at = std::find(made.begin(), made.end(), e);
    return at == made.end() ? -1 : static_cast<int>(at - made.begin());
  };
  Tcase const cases[] = {
      {"last", [&](Tzv_open_scene& s, auto const& made) { return number_in(made, s.get_last()); }, 0},
      {"first", [&](Tzv_open_scene& s, auto const& made) { return number_in(made, s.get_first()); }, 1},
      {"index", [](Tzv_open_scene& s, auto const& made) { return static_cast<int>(s.get_entity_index(made[0])); }, 3},
      {"find",
       [](Tzv_open_scene& s, auto const&) { return static_cast<int>(s.get_entity_index(s.find_entity(L"L0"))); }, 3},
      {"remove",
       [&](Tzv_open_scene& s, auto const& made) {
         s.remove_entity(3u);
         return static_cast<int>(s.get_entity_index(made[0]));
       },
       -1},
      {"group",
       [](Tzv_open_scene& s, auto const& made) {
         zv_lr2d_set_marked(made[0], true);
         zv_lr2d_set_marked(made[3], true);
         Izv_layer* group = zv_lr2d_group_safe_upcast(s.create_layer_group());
         return static_cast<int>(s.get_entity_index(group));
       },
       2},
  };
  for (Tcase const& c : cases) {
    SCOPED_TRACE(c.name);
    Tzv_open_scene scene;
    std::vector<Izv_layer*> made;
    for (int i = 0; i < 4; ++i) {
      made.push_back(scene.add_layer(zv_lr2d_type_vector));
      zv_lr2d_set_wcaption(made.back(), (L"L" + std::to_wstring(i)).c_str());
    }
    Tzv_lr_group* root = scene.get_lr_group_ptr();
    zv_lr_group_set_active(root, zv_lr_group_add_group(root, L"group"));
    scene.move_layer_to_active_group(made[0]);
    EXPECT_EQ(c.op(scene, made), c.expected);
  }
}

// --- The vector follows only a walk that yields exactly the scene's layers ------------

TEST_F(SceneLayers, AWalkOverALayerThatLeftKeepsTheVector) {
  add(3);
  Izv_layer* gone = scene.remove_entity_internal(1);  // the tree still holds its slot
  scene.changed();                                    // the order is stale
  EXPECT_EQ(in_tree(), (Order{0, 1, 2}));
  EXPECT_EQ(in_vector(), (Order{0, 2}));  // not 0, 1 from a walk of two steps
  EXPECT_FALSE(scene.is_layer_list_valid());

  scene.broadcast_update_event(zv_prop_members);  // the tree drops the slot
  expect_order({0, 2});
  EXPECT_TRUE(scene.is_layer_list_valid());
  scene.destroy_entity(gone);
}

TEST_F(SceneLayers, AWalkThatMissesALayerKeepsTheVector) {
  add(3);
  Izv_layer* gone = scene.remove_entity_internal(0);
  zv_lr_group_remove(slot(made[2]));  // the tree: the layer that left, then 1; none for 2
  EXPECT_EQ(in_tree(), (Order{0, 1}));
  EXPECT_EQ(in_vector(), (Order{1, 2}));  // not 0, 1: as many, but not the scene's
  EXPECT_FALSE(scene.is_layer_list_valid());

  scene.broadcast_update_event(zv_prop_members);
  expect_order({1, 2});
  scene.destroy_entity(gone);
}

// --- Selection ------------------------------------------------------------------

TEST_F(SceneLayers, SelectionReachesEveryLayerInOneBracket) {
  add(3);
  scene.set_selected_all(true);
  for (Izv_layer* layer : made) EXPECT_TRUE(zv_lr2d_get_selected_all(layer));
  EXPECT_EQ(rec.take(), "B U[1{22}] E");
  zv_lr2d_set_selected_all(made[1], false);
  rec.clear();
  scene.selected_invert();
  EXPECT_FALSE(zv_lr2d_get_selected_all(made[0]));
  EXPECT_TRUE(zv_lr2d_get_selected_all(made[1]));
  EXPECT_EQ(rec.take(), "B U[1{22}] E");
}

// --- Failures: every bracket closes, nothing leaks ---------------------------------

struct Tzv_layer_op {
  char const* name;
  std::function<void(SceneLayers&)> run;
};

std::ostream& operator<<(std::ostream& os, Tzv_layer_op const& op) { return os << op.name; }

struct SceneLayersFailing : SceneLayers, ::testing::WithParamInterface<Tzv_layer_op> {};

TEST_P(SceneLayersFailing, AListenerThatThrowsOnTheUpdateLeavesNoBracketOpen) {
  add(5);
  mark({1, 2});
  scene.create_layer_group();  // 0, composite, 3, 4
  mark({3});
  scene.set_active_index(2);
  int32_t const live = zv_lr2d_test_get_live_count();
  {
    Tzv_throwing_listener thrower(scene.get_update_event_channel(), {zv_event_kind_update});
    EXPECT_THROW(GetParam().run(*this), Tzv_listener_error);
  }
  EXPECT_EQ(scene.get_update_depth(), 0u);
  EXPECT_EQ(zv_history_manager_get_depth(zv_history_manager_get_instance()), 0);
  for (uint32_t i = 0; i < scene.get_count(); ++i) EXPECT_EQ(zv_lr2d_test_get_update_depth(scene.get_entity(i)), 0u);
  EXPECT_LE(zv_lr2d_test_get_live_count(), live + 1);  // at most the one new layer
  rec.clear();
  scene.set_marked(true);  // a whole bracket goes out: none was left open
  EXPECT_EQ(rec.take(), "B U[5] E");
  EXPECT_EQ(in_tree(), in_vector());
}

INSTANTIATE_TEST_SUITE_P(
    Operations, SceneLayersFailing,
    ::testing::Values(Tzv_layer_op{"add_layer", [](SceneLayers& t) { t.scene.add_layer(zv_lr2d_type_vector); }},
                      Tzv_layer_op{"add_layer_ex_slot",
                                   [](SceneLayers& t) { t.scene.add_layer_ex_slot(zv_lr2d_type_vector); }},
                      Tzv_layer_op{"create_layer_group", [](SceneLayers& t) { t.scene.create_layer_group(); }},
                      Tzv_layer_op{"destroy_layer_group",
                                   [](SceneLayers& t) {
                                     Tzv_composite_layer_2d* group = zv_lr2d_group_safe_downcast(t.scene.get_entity(1));
                                     t.scene.destroy_layer_group(group);
                                   }},
                      Tzv_layer_op{"move", [](SceneLayers& t) { t.scene.move(0, 2); }},
                      Tzv_layer_op{"move_marked", [](SceneLayers& t) { t.scene.move_marked(0); }},
                      Tzv_layer_op{"set_active", [](SceneLayers& t) { t.scene.set_active(t.made[0]); }},
                      Tzv_layer_op{"set_active_index", [](SceneLayers& t) { t.scene.set_active_index(0); }},
                      Tzv_layer_op{"set_selected_all", [](SceneLayers& t) { t.scene.set_selected_all(true); }},
                      Tzv_layer_op{"selected_invert", [](SceneLayers& t) { t.scene.selected_invert(); }},
                      Tzv_layer_op{"layer_change", [](SceneLayers& t) { zv_lr2d_set_selected_all(t.made[0], true); }}),
    [](::testing::TestParamInfo<Tzv_layer_op> const& info) { return std::string(info.param.name); });

TEST_F(SceneLayers, AFailingFactoryLeavesTheSceneAsItWas) {
  add(1);
  zv_lr2d_test_fail_factory_after(0);
  EXPECT_EQ(scene.add_layer(zv_lr2d_type_vector), nullptr);
  EXPECT_EQ(scene.add_layer_ex_slot(zv_lr2d_type_vector), nullptr);
  EXPECT_EQ(rec.take(), "B E B E");
  mark({0});
  Tzv_composite_layer_2d* group = scene.create_layer_group();  // composites are not the factory's
  zv_lr2d_test_fail_factory_after(-1);
  EXPECT_NE(group, nullptr);
  EXPECT_EQ(scene.get_count(), 1u);
  EXPECT_EQ(in_tree(), in_vector());
}

TEST(SceneLayersLifetime, EveryLayerGoesWithTheScene) {
  int32_t const live = zv_lr2d_test_get_live_count();
  {
    Tzv_scene_2d scene;
    for (int i = 0; i < 4; ++i) scene.add_layer(zv_lr2d_type_vector);
    zv_lr2d_set_marked(scene.get_entity(1), true);
    zv_lr2d_set_marked(scene.get_entity(2), true);
    scene.create_layer_group();
    EXPECT_EQ(zv_lr2d_test_get_live_count(), live + 5);
  }
  EXPECT_EQ(zv_lr2d_test_get_live_count(), live);
}

}  // namespace
