// The scene's layer list: making layers, composites, activation, moves and
// selection, the layer vector kept in step with the layer group tree.
#include "scene_fixture.h"

namespace {

struct SceneLayers : ::testing::Test, Tzv_test_scene {};

// A new layer: caption "Layer", the scene's projection, a slot; made by a
// known type name only, and not when the factory fails.
TEST_F(SceneLayers, MakingLayers) {
  scene.set_prj4(L"+proj=longlat");
  rec.clear();
  Izv_layer* layer = scene.add_layer(zv_lr2d_type_vector);
  made.push_back(layer);
  EXPECT_EQ(rec.take(), "B U[1] E");  // the layer's own set-up is not forwarded
  EXPECT_EQ(caption_of(layer), L"Layer");
  EXPECT_EQ(text([layer](Izv_string_adp* a) { zv_lr2d_get_dst_pj4wstr(layer, a); }), L"+proj=longlat");
  made.push_back(zv_scn_2d_add_layer_type_name_ex_slot(h, zv_lr2d_type_vector));
  EXPECT_EQ(rec.take(), "B U[1] E");
  expect_order({0, 1});
  Tzv_box_d2 const box = zv_box_d2_init_xy(0, 0, 10, 10);
  zv_lr2d_test_set_box(made[1], &box);  // a layer's later change is property 1
  EXPECT_EQ(rec.take(), "B U[1{21}] E");
  EXPECT_EQ(scene.add_layer("nope"), nullptr);
  EXPECT_EQ(scene.add_layer_ex_slot("nope"), nullptr);
  EXPECT_EQ(scene.create_entity("nope"), nullptr);
  zv_lr2d_test_fail_factory_after(0);
  EXPECT_EQ(scene.add_layer(zv_lr2d_type_vector), nullptr);
  EXPECT_EQ(scene.add_layer_ex_slot(zv_lr2d_type_vector), nullptr);
  EXPECT_EQ(rec.take(), "B E B E B E B E");
  mark({0});
  EXPECT_NE(scene.create_layer_group(), nullptr);  // composites are not the factory's
  zv_lr2d_test_fail_factory_after(-1);
  expect_order({-1, 1});
}

// A layer's whole bracket handed over in one queue is one bracket of the
// scene, also for a listener that throws.
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

// A composite takes the marked layers at the first one's place; dissolved,
// they stand at the active index (else at its place), the last one first.
TEST(SceneComposites, GatheringAndDissolving) {
  struct {
    std::initializer_list<int> marked;
    Order gathered;  // 4: the composite
    bool keep_active;
    Order dissolved;
    int active;
  } const cases[] = {{{1, 3}, {0, 4, 2}, true, {0, 3, 1, 2}, 3}, {{1, 2}, {0, 4, 3}, false, {0, 2, 1, 3}, -1}};
  for (auto const& c : cases) {
    Tzv_test_scene t(4);
    t.mark(c.marked);
    int32_t const live = zv_lr2d_test_get_live_count();
    Tzv_composite_layer_2d* group = t.scene.create_layer_group();
    t.made.push_back(zv_lr2d_group_safe_upcast(group));
    EXPECT_EQ(t.rec.take(), "B U[1{5}] E");
    t.expect_order(c.gathered);
    EXPECT_EQ(t.number(t.scene.get_active()), 4);
    ASSERT_EQ(zv_lr2d_group_sublr_count(group), 2u);
    for (uint32_t i = 0; i < 2; ++i) EXPECT_EQ(t.number(zv_lr2d_group_get_sublr(group, i)), c.marked.begin()[i]);
    for (int i : c.marked) EXPECT_FALSE(zv_lr2d_get_marked(t.made[i]));
    if (!c.keep_active) t.scene.set_active_index(zv_no_index);
    t.rec.clear();
    zv_scn_2d_destroy_layer_group(t.h, group);
    t.made.pop_back();
    t.expect_order(c.dissolved);
    EXPECT_EQ(t.number(t.scene.get_active()), c.active);
    EXPECT_EQ(zv_lr2d_test_get_live_count(), live);
    EXPECT_EQ(t.rec.take(), "B U[1] E");  // the active index stays
  }
}

// Each step starts from the order the step before left; the active layer follows.
TEST_F(SceneLayers, ActivationAndMovesKeepTheTreeAndTheVectorInStep) {
  add(4);
  mark({3});
  zv_scn_2d_set_active_lr2d(h, made[2]);
  zv_scn_2d_set_active_lr2d(h, made[2]);  // no change
  zv_scn_2d_move_layer(h, 1, 1);
  EXPECT_EQ(rec.take(), "B U[3] E B E B U[1] E");
  struct {
    bool marked;  // move_marked(to), else move(from, to)
    uint32_t from, to;
    Order order;
  } const steps[] = {
      {false, 0, 3, {1, 2, 3, 0}},  // after the layer at 3
      {false, 3, 0, {0, 1, 2, 3}},  // before the layer at 0
      {false, 0, 9, {1, 2, 3, 0}},  // past the end: last in the tree, and the vector follows it
      {true, 0, 1, {1, 3, 2, 0}},   // after the layer at 0
      {true, 0, 0, {3, 1, 2, 0}},   // before the layer at 0
      {true, 0, 9, {1, 2, 0, 3}},   // past the end: last
  };
  for (auto const& step : steps) {
    SCOPED_TRACE(::testing::Message() << step.marked << ' ' << step.from << " to " << step.to);
    step.marked ? zv_scn_2d_move_marked_layers(h, step.to) : zv_scn_2d_move_layer(h, step.from, step.to);
    expect_order(step.order);
    expect_active(2);
  }
  // A marked group while no layer is marked: the vector follows the tree,
  // whose layers are not all in the root.
  zv_lr2d_set_marked(made[3], false);
  Tzv_lr_group* group = zv_lr_group_add_group(root(), L"group");
  zv_lr_group_move(slot(made[1]), group, -1);  // first
  zv_lr_group_set_active(root(), group);
  for (int i : {1, 2}) zv_lr_group_move_to_active(root(), slot(made[i]));  // group[1, 2], 0, 3
  expect_order({1, 2, 0, 3});
  zv_lr_group_set_marked(group, true);
  scene.move_marked(9);
  expect_order({0, 3, 1, 2});
  zv_scn_2d_set_active_lr2d_idx(h, 3);
  zv_scn_2d_del_lr2d_ptr(h, made[0]);  // the index stays 3, equal to the count: no active layer
  EXPECT_EQ(zv_scn_2d_get_active_lr2d_idx(h), 3u);
  EXPECT_EQ(zv_scn_2d_get_active_lr2d(h), nullptr);
  scene.set_active_index(0);
  scene.set_active_index(7);
  EXPECT_EQ(scene.get_active_index(), zv_no_index);
  EXPECT_EQ(zv_lr_group_get_active(root()), nullptr);
}

// A listener of the tree that moves a slot to the end while the scene moves
// its own: the vector ends in the tree's final order, not in its own.
TEST_F(SceneLayers, ATreeListenerMovingASlotMeanwhileIsFollowed) {
  add(4);
  mark({3});
  struct {
    std::function<void()> op;
    int moved;
    Order order;
  } const steps[] = {
      {[this] { scene.move_marked(0); }, 1, {3, 0, 2, 1}},  // 3 0 1 2, then the listener's move
      {[this] { scene.move(0, 1); }, 0, {3, 2, 1, 0}},      // 0 3 2 1, then the listener's move
  };
  for (auto const& step : steps) {
    Tzv_reacting_listener mover(zv_lr_group_safe_upcast(root())->get_update_event_channel(), zv_event_kind_update,
                                [&] { zv_lr_group_move(nullptr, slot(made[step.moved]), 1); });
    step.op();
    EXPECT_TRUE(mover.acted());
    expect_order(step.order);
  }
}

// Right after move_layer_to_active_group (L1 L2 L3 G(L0)), before any read,
// every call that takes or gives an index answers in the tree's order.
TEST(SceneLayersInTreeOrder, IndexOperationsSeeTheTreeBeforeAnyRead) {
  struct {
    char const* name;
    std::function<int(Tzv_test_scene&)> op;
    int expected;
  } const cases[] = {
      {"last", [](Tzv_test_scene& t) { return t.number(zv_scn_2d_get_last_layer_ptr(t.h)); }, 0},
      {"first", [](Tzv_test_scene& t) { return t.number(zv_scn_2d_get_first_layer_ptr(t.h)); }, 1},
      {"index", [](Tzv_test_scene& t) { return static_cast<int>(zv_scn_2d_get_lr2d_idx(t.h, t.made[0])); }, 3},
      {"find", [](Tzv_test_scene& t) { return t.index_of(zv_scn_2d_find_layer_by_caption(t.h, L"L0")); }, 3},
      {"active", [](Tzv_test_scene& t) { return static_cast<int>(zv_scn_2d_get_active_lr2d_idx(t.h)); }, 0},
      {"remove", [](Tzv_test_scene& t) { return zv_scn_2d_del_lr2d(t.h, 3), t.index_of(t.made[0]); }, -1},
      {"mark",
       [](Tzv_test_scene& t) { return zv_scn_2d_set_marked_lr2d_idx(t.h, 3), int{zv_lr2d_get_marked(t.made[0])}; }, 1},
      {"remove marked",
       [](Tzv_test_scene& t) { return t.mark({0}), zv_scn_2d_del_lr2d_marked(t.h), t.index_of(t.made[0]); }, -1},
      {"remove range",
       [](Tzv_test_scene& t) {
         uint32_t at[] = {3};
         return zv_scn_2d_del_lr2d_array(t.h, 1, at), t.index_of(t.made[0]);
       },
       -1},
      {"group",
       [](Tzv_test_scene& t) {
         return t.mark({0, 3}), t.index_of(zv_lr2d_group_safe_upcast(zv_scn_2d_create_layer_group(t.h)));
       },
       2},
  };
  for (auto const& c : cases) {
    SCOPED_TRACE(c.name);
    Tzv_test_scene t(4);
    for (int i = 0; i < 4; ++i) zv_lr2d_set_wcaption(t.made[i], (L"L" + std::to_wstring(i)).c_str());
    t.scene.set_active(t.made[1]);
    Tzv_lr_group* group = zv_lr_group_add_group(t.root(), L"group");
    zv_lr_group_set_active(t.root(), group);
    zv_scn_2d_move_layer_to_active_group(t.h, t.made[0]);
    EXPECT_EQ(zv_lr_group_get_parent(t.slot(t.made[0])), group);
    EXPECT_EQ(c.op(t), c.expected);
  }
}

// The vector follows only a walk that yields exactly the scene's layers:
// neither a layer that left but keeps its slot nor a walk that misses one.
TEST_F(SceneLayers, AWalkThatIsNotTheScenesLayersKeepsTheVector) {
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
  gone = scene.remove_entity_internal(0);
  zv_lr_group_remove(slot(made[2]));  // the tree: the layer that left, none for 2
  EXPECT_EQ(in_tree(), (Order{0}));
  EXPECT_EQ(in_vector(), (Order{2}));  // not 0: as many, but not the scene's
  scene.broadcast_update_event(zv_prop_members);
  expect_order({2});
  scene.destroy_entity(gone);
  add(200);  // many layers: the vector follows a move made in the tree alone
  zv_lr_group_move(nullptr, slot(made[3]), 1);
  EXPECT_EQ(scene.get_last(), made[3]);
}

TEST_F(SceneLayers, SelectionReachesEveryLayerInOneBracket) {
  add(3);
  zv_scn_2d_set_selected_all(h, true);
  for (Izv_layer* layer : made) EXPECT_TRUE(zv_lr2d_get_selected_all(layer));
  EXPECT_EQ(rec.take(), "B U[1{22}] E");
  zv_lr2d_set_selected_all(made[1], false);
  rec.clear();
  zv_scn_2d_selected_invert(h);
  EXPECT_FALSE(zv_lr2d_get_selected_all(made[0]));
  EXPECT_TRUE(zv_lr2d_get_selected_all(made[1]));
  EXPECT_EQ(rec.take(), "B U[1{22}] E");
}

}  // namespace
