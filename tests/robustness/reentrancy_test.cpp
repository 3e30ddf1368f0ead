// Listeners that act on what is broadcasting to them: they change the scene,
// remove it from its collection, destroy its layers, and add or remove
// listeners while an event is being delivered. Each case must end without a
// sanitizer finding, with balanced events and a consistent scene.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "event_recorder.h"
#include "robustness/scene_checks.h"
#include "zv/sibling/lr2d_test_hooks.h"

namespace {

// A client that runs `act` on the first event of kind `kind` it hears, and
// only that once (acting again on the events its own action causes would
// recurse without end). It leaves the channel on destruction unless
// forget() was called (its channel went with its owner).
class Tzv_reacting_listener {
 public:
  Tzv_reacting_listener(Tzv_event_channel* channel, int32_t kind, std::function<void()> act)
      : channel_(channel), kind_(kind), act_(std::move(act)) {
    zv_event_channel_add_client(channel_, &on_events, this);
  }
  ~Tzv_reacting_listener() { leave(); }
  Tzv_reacting_listener(Tzv_reacting_listener const&) = delete;
  Tzv_reacting_listener& operator=(Tzv_reacting_listener const&) = delete;

  void leave() {
    if (channel_ != nullptr) zv_event_channel_del_client(channel_, &on_events, this);
    channel_ = nullptr;
  }
  void forget() { channel_ = nullptr; }
  bool acted() const { return acted_; }
  int heard() const { return heard_; }

 private:
  static bool is_kind(Tzv_table const* q, int32_t kind) {
    switch (kind) {
      case zv_event_kind_begin_update:
        return zv_event_queue_get_begin_update_event(q, 0) != nullptr;
      case zv_event_kind_end_update:
        return zv_event_queue_get_end_update_event(q, 0) != nullptr;
      default:
        return zv_event_queue_get_update_event(q, 0) != nullptr;
    }
  }
  static void on_events(Tzv_table* queue, void* data) {
    auto* self = static_cast<Tzv_reacting_listener*>(data);
    ++self->heard_;
    if (self->acted_ || !is_kind(queue, self->kind_)) return;
    self->acted_ = true;
    self->act_();
  }

  Tzv_event_channel* channel_;
  int32_t kind_;
  std::function<void()> act_;
  bool acted_ = false;
  int heard_ = 0;
};

struct Reentrancy : ::testing::Test {
  Izv_scns2d* scenes = zv_scns_2d_create();
  Izv_scene* scene = zv_scns_2d_add(scenes);
  int32_t const live = zv_lr2d_test_get_live_count();
  std::unique_ptr<Tzv_event_recorder> on_scenes =
      std::make_unique<Tzv_event_recorder>(zv_scns_2d_get_update_event_channel(scenes));

  void SetUp() override {
    for (int i = 0; i < 5; ++i) zv_scn_2d_add_layer_type_name(scene, zv_lr2d_type_vector);
    on_scenes->clear();
  }
  void TearDown() override {
    on_scenes.reset();
    zv_scns_2d_destroy(scenes);
    EXPECT_EQ(zv_lr2d_test_get_live_count(), live);  // every layer went with its scene
  }
  Tzv_event_channel* scene_channel() { return zv_scn_2d_get_update_event_channel(scene); }
  Izv_layer* layer(uint32_t i) { return zv_scn_2d_get_layer_ptr(scene, i); }

  void expect_consistent() {
    EXPECT_EQ(zv_check::history_idle(), "");
    EXPECT_EQ(zv_check::collection(scenes), "");
    for (Izv_scene* s : zv_check::scenes_of(scenes)) EXPECT_EQ(zv_check::layer_list(s), "");
    EXPECT_EQ(zv_check::trace_balance(on_scenes->trace(), {.nested_updates = true}), "");
  }
};

// --- Changing the scene from its own events ----------------------------------------

TEST_F(Reentrancy, ALayerAddedOnTheEndEventGoesOutInABracketOfItsOwn) {
  Tzv_event_recorder rec(scene_channel());
  Tzv_reacting_listener adder(scene_channel(), zv_event_kind_end_update,
                              [this] { zv_scn_2d_add_layer_type_name(scene, zv_lr2d_type_vector); });
  zv_scn_2d_move_layer(scene, 0, 3);
  EXPECT_EQ(rec.take(), "B U[1] E B U[1] E");
  EXPECT_EQ(zv_scn_2d_get_layer_count(scene), 6u);
  expect_consistent();
}

TEST_F(Reentrancy, ACaptionSetOnTheUpdateEventDoesNotJoinTheEventBeingDelivered) {
  Tzv_event_recorder rec(scene_channel());
  Tzv_reacting_listener namer(scene_channel(), zv_event_kind_update,
                              [this] { zv_scn_2d_set_wcaption(scene, L"renamed"); });
  zv_scn_2d_set_marked_lr2d_idx(scene, 2);
  EXPECT_EQ(rec.take(), "B U[1{5}] B U[2] E E");  // the caption goes out in a bracket of its own
  expect_consistent();
}

// --- Removing the scene while it broadcasts ---------------------------------------------

// The removed scene outlives its own broadcast and goes when the collection
// next ends a bracket.
TEST_F(Reentrancy, TheSceneRemovedFromItsCollectionDuringItsOwnEvent) {
  Tzv_reacting_listener* self = nullptr;
  Tzv_reacting_listener remover(scene_channel(), zv_event_kind_update, [this, &self] {
    zv_scns_2d_del(scenes, 0);
    self->leave();
  });
  self = &remover;
  zv_scn_2d_move_layer(scene, 1, 4);
  EXPECT_TRUE(remover.acted());
  EXPECT_EQ(zv_scns_2d_get_size(scenes), 0u);
  expect_consistent();
  zv_scns_2d_add(scenes);
  EXPECT_EQ(zv_lr2d_test_get_live_count(), live);
}

TEST_F(Reentrancy, TheCollectionClearedWhileItForwardsASceneEvent) {
  Izv_scene* second = zv_scns_2d_add(scenes);
  Tzv_reacting_listener clearer(zv_scns_2d_get_update_event_channel(scenes), zv_event_kind_update,
                                [this] { zv_scns_2d_clear(scenes); });
  on_scenes->clear();
  zv_scn_2d_set_wcaption(second, L"x");
  EXPECT_EQ(zv_scns_2d_get_size(scenes), 0u);
  expect_consistent();
}

// --- Destroying layers from their events ------------------------------------------------

// The layer whose change is being announced is among those destroyed.
TEST_F(Reentrancy, TheSceneClearedWhileItAnnouncesALayersChange) {
  Tzv_reacting_listener clearer(scene_channel(), zv_event_kind_update, [this] { zv_scn_2d_clear(scene); });
  zv_lr2d_set_selected_all(layer(3), true);
  EXPECT_TRUE(clearer.acted());
  EXPECT_EQ(zv_scn_2d_get_layer_count(scene), 0u);
  expect_consistent();
}

// The listener sits on the layer's own channel: the layer is freed only when
// its own operation has returned.
TEST_F(Reentrancy, TheSceneClearedFromTheLayersOwnEvent) {
  Tzv_reacting_listener* self = nullptr;
  Tzv_reacting_listener clearer(zv_lr_get_update_event_channel(layer(3)), zv_event_kind_update, [this, &self] {
    self->leave();
    zv_scn_2d_clear(scene);
  });
  self = &clearer;
  zv_lr2d_set_selected_all(layer(3), true);
  EXPECT_TRUE(clearer.acted());
  EXPECT_EQ(zv_scn_2d_get_layer_count(scene), 0u);
  expect_consistent();
}

TEST_F(Reentrancy, LayersRemovedByIndexDuringTheScenesBeginEvent) {
  Tzv_event_recorder rec(scene_channel());
  Tzv_reacting_listener remover(scene_channel(), zv_event_kind_begin_update, [this] {
    uint32_t doomed[] = {0, 0, 4, 9};
    zv_scn_2d_del_lr2d_array(scene, 4, doomed);
  });
  zv_scn_2d_set_active_lr2d_idx(scene, 4);  // removed before it could become active
  EXPECT_EQ(zv_scn_2d_get_layer_count(scene), 3u);
  EXPECT_EQ(zv_check::trace_balance(rec.trace(), {.nested_updates = true}), "") << rec.trace();
  expect_consistent();
}

TEST_F(Reentrancy, AGroupDissolvedWhileItsLayersAreGathered) {
  zv_lr2d_set_marked(layer(1), true);
  zv_lr2d_set_marked(layer(3), true);
  Tzv_composite_layer_2d* made = nullptr;
  Tzv_reacting_listener dissolver(scene_channel(), zv_event_kind_end_update, [this, &made] {
    made = zv_lr2d_group_safe_downcast(layer(1));
    zv_scn_2d_destroy_layer_group(scene, made);
  });
  zv_scn_2d_create_layer_group(scene);
  EXPECT_NE(made, nullptr);
  EXPECT_EQ(zv_scn_2d_get_layer_count(scene), 5u);
  expect_consistent();
}

// --- Listeners added and removed during delivery ------------------------------------------

TEST_F(Reentrancy, ListenersAddedAndRemovedWhileAnEventIsDelivered) {
  Tzv_event_recorder rec(scene_channel());
  std::unique_ptr<Tzv_reacting_listener> late;
  std::unique_ptr<Tzv_event_recorder> doomed = std::make_unique<Tzv_event_recorder>(scene_channel());
  Tzv_reacting_listener juggler(scene_channel(), zv_event_kind_begin_update, [&] {
    doomed.reset();  // a client after this one leaves
    late = std::make_unique<Tzv_reacting_listener>(scene_channel(), zv_event_kind_end_update, [] {});
  });
  zv_scn_2d_move_layer(scene, 0, 2);
  EXPECT_EQ(rec.take(), "B U[1] E");
  EXPECT_TRUE(late->acted());  // the newcomer hears what comes after it joined
  EXPECT_EQ(late->heard(), 2);
  expect_consistent();
}

TEST_F(Reentrancy, AListenerThatLeavesOnItsOwnEvent) {
  Tzv_event_recorder rec(scene_channel());
  Tzv_reacting_listener* self = nullptr;
  auto leaver = std::make_unique<Tzv_reacting_listener>(scene_channel(), zv_event_kind_update, [&] { self->leave(); });
  self = leaver.get();
  zv_scn_2d_move_layer(scene, 0, 2);
  zv_scn_2d_move_layer(scene, 2, 0);
  EXPECT_EQ(leaver->heard(), 2);  // begin and update, then gone
  EXPECT_EQ(rec.take(), "B U[1] E B U[1] E");
  expect_consistent();
}

// A composite whose begin event makes a listener destroy it, while its
// brackets and its sub-layers' are being opened in one walk: it goes once
// the walk is over, not in the middle of it.
TEST(ReentrantDestruction, CompositeDestroyedAtItsRecursiveBegin) {
  int32_t const live = zv_lr2d_test_get_live_count();
  Tzv_composite_layer_2d* group = zv_lr2d_group_create();
  for (int i = 0; i < 3; ++i) zv_lr2d_group_add_sublr(group, zv_lr2d_factory_create_lr(zv_lr2d_type_vector));
  Izv_layer* layer = zv_lr2d_group_safe_upcast(group);
  std::unique_ptr<Tzv_reacting_listener> destroyer;
  destroyer =
      std::make_unique<Tzv_reacting_listener>(layer->get_update_event_channel(), zv_event_kind_begin_update, [&] {
        destroyer->forget();  // the channel goes with the layer
        zv_lr2d_destroy(layer);
      });
  layer->begin_update_recursive();
  EXPECT_TRUE(destroyer->acted());
  EXPECT_EQ(zv_lr2d_test_get_live_count(), live);
}

}  // namespace
