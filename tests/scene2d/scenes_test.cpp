// The collection of 2D scenes through its exports: naming, forwarding of the
// members' changes, removal and deferred destruction, copy and comparison,
// throwing listeners and the null rule.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/string_adapters.h"
#include "event_recorder.h"
#include "scene2d/scenes_2d.h"
#include "support/throwing_listener.h"
#include "zv/scn_2d.h"
#include "zv/scns_2d.h"
#include "zv/sibling/lr2d_test_hooks.h"

namespace {

std::wstring caption_of(Izv_scene* scene) {
  return zv_read_wtext([scene](Izv_string_adp* adp) { zv_scn_2d_get_wcaption(scene, adp); });
}

// A collection that logs the caption of every scene it destroys, and checks
// from inside its own end-update event that the scenes removed so far are
// still alive.
class Tzv_logging_scenes : public Tzv_scenes_2d {
 public:
  Tzv_logging_scenes() { zv_event_channel_add_client(get_update_event_channel(), &on_events, this); }
  ~Tzv_logging_scenes() override {
    zv_event_channel_del_client(get_update_event_channel(), &on_events, this);
    clear_for_destruction();
  }

  void destroy_entity(Tzv_scene_2d* scene) override {
    destroyed += caption_of(scene) + L";";
    Tzv_scenes_2d::destroy_entity(scene);
  }

  // Scenes about to be removed; each must outlive the end-update event. The
  // logs start afresh.
  void expect_removal(std::vector<Izv_scene*> scenes) {
    doomed = std::move(scenes);
    destroyed.clear();
    alive_at_end.clear();
  }

  std::wstring destroyed;  // captions, each followed by ';'
  std::wstring alive_at_end;

 private:
  static void on_events(Tzv_table* queue, void* data) {
    auto* self = static_cast<Tzv_logging_scenes*>(data);
    if (zv_event_queue_get_end_update_event(queue, 0) == nullptr || self->doomed.empty()) return;
    EXPECT_EQ(self->destroyed, L"");
    for (Izv_scene* s : self->doomed) self->alive_at_end += caption_of(s) + L";";
    self->doomed.clear();
  }

  std::vector<Izv_scene*> doomed;
};

struct Scenes : ::testing::Test {
  Tzv_logging_scenes* own = new Tzv_logging_scenes();
  Izv_scns2d* scenes = own;
  Tzv_event_recorder rec{zv_scns_2d_get_update_event_channel(scenes)};

  ~Scenes() override {
    rec.detach();
    zv_scns_2d_destroy(scenes);
  }

  // Scenes "Map 1" to "Map n", no trace kept.
  void add(int n) {
    for (int i = 0; i < n; ++i) zv_scns_2d_add(scenes);
    rec.clear();
  }
  Izv_scene* at(uint32_t i) { return zv_scns_2d_get(scenes, i); }
  // The scenes removed last were alive at the end-update and then destroyed.
  void expect_gone(std::wstring const& captions) {
    EXPECT_EQ(own->alive_at_end, captions);
    EXPECT_EQ(own->destroyed, captions);
  }
  std::wstring captions() {
    std::wstring out;
    for (uint32_t i = 0; i < zv_scns_2d_get_size(scenes); ++i) out += caption_of(at(i)) + L";";
    return out;
  }
};

TEST_F(Scenes, ANewCollectionAndItsNumberedScenes) {
  EXPECT_EQ(own->get_wcaption(), std::wstring(L"Maps"));
  Izv_scene* first = zv_scns_2d_add(scenes);
  EXPECT_EQ(rec.take(), "B U[1] E");
  EXPECT_EQ(zv_scn_2d_get_parent(first), scenes);
  EXPECT_EQ(zv_scns_2d_safe_downcast(first), nullptr);
  EXPECT_EQ(zv_scns_2d_safe_downcast(zv_scns_2d_safe_upcast(scenes)), scenes);
  add(2);
  EXPECT_EQ(captions(), L"Map 1;Map 2;Map 3;");
  zv_scns_2d_del(scenes, 1);
  zv_scns_2d_add(scenes);  // the smallest free number
  EXPECT_EQ(captions(), L"Map 1;Map 3;Map 2;");
}

TEST_F(Scenes, AMembersChangesAreAnnouncedOnceWithTheScenesProperty) {
  add(2);
  zv_scn_2d_set_wcaption(at(1), L"Roads");
  EXPECT_EQ(rec.take(), "U[1{2}]");
  zv_entity_begin_update(at(0));  // a member's bracket without change
  zv_entity_end_update(at(0));
  EXPECT_EQ(rec.take(), "");

  zv_entity_begin_update(scenes);  // merged into the collection's own event
  zv_scns_2d_set_marked_scn_idx(scenes, 0);
  zv_scn_2d_set_wcaption(at(0), L"Rivers");
  zv_entity_end_update(scenes);
  EXPECT_EQ(rec.take(), "B U[1{5,2}] E");

  // A layer change inside a member arrives one level deeper.
  Izv_layer* layer = zv_scn_2d_add_layer_type_name(at(0), "vector");
  ASSERT_NE(layer, nullptr);
  EXPECT_EQ(rec.take(), "U[1{1}]");
  Tzv_box_d2 const box = zv_box_d2_init_xy(0, 0, 10, 10);
  zv_lr2d_test_set_box(layer, &box);
  EXPECT_EQ(rec.take(), "U[1{1{21}}]");
}

TEST_F(Scenes, RemovingTheActiveSceneOrOneBeforeIt) {
  add(3);
  zv_scns_2d_set_active_scn(scenes, at(1));
  EXPECT_EQ(rec.take(), "B U[3] E");
  own->expect_removal({at(1)});
  zv_scns_2d_del(scenes, 1);
  EXPECT_EQ(rec.take(), "B U[1] E");  // no property 3
  EXPECT_EQ(zv_scns_2d_get_active_scn(scenes), nullptr);
  EXPECT_EQ(zv_scns_2d_get_active_scn_idx(scenes), zv_no_index);
  expect_gone(L"Map 2;");

  zv_scns_2d_set_active_scn_idx(scenes, 1);  // Map 3
  zv_scns_2d_del(scenes, 0);                 // the index stays: none is at 1 now
  EXPECT_EQ(zv_scns_2d_get_active_scn_idx(scenes), 1u);
  EXPECT_EQ(zv_scns_2d_get_active_scn(scenes), nullptr);
}

TEST_F(Scenes, MarkedScenesGoAndTheActiveOneIsFollowed) {
  add(5);
  zv_scns_2d_set_active_scn_idx(scenes, 4);  // Map 5, unmarked
  zv_scns_2d_set_marked_scn_idx(scenes, 1);
  zv_scn_2d_set_marked(at(3), true);
  rec.clear();
  own->expect_removal({at(1), at(3)});
  zv_scns_2d_del_marked(scenes);
  EXPECT_EQ(rec.take(), "B U[3,1] E");
  EXPECT_EQ(captions(), L"Map 1;Map 3;Map 5;");
  EXPECT_EQ(caption_of(zv_scns_2d_get_active_scn(scenes)), L"Map 5");
  expect_gone(L"Map 2;Map 4;");

  zv_scns_2d_set_marked_scn(scenes, zv_scns_2d_get_active_scn(scenes));  // the active one is marked
  own->expect_removal({at(2)});
  zv_scns_2d_del_marked(scenes);
  EXPECT_EQ(zv_scns_2d_get_active_scn_idx(scenes), zv_no_index);
  expect_gone(L"Map 5;");
}

TEST_F(Scenes, AnArrayWithRepeatsAndStrayIndexesRemovesEachSceneOnce) {
  add(5);
  zv_scns_2d_set_active_scn_idx(scenes, 2);
  own->expect_removal({at(3), at(1)});
  uint32_t indexes[] = {3, 1, 3, 99, zv_no_index};
  zv_scns_2d_del_array(scenes, 5, indexes);
  EXPECT_EQ(captions(), L"Map 1;Map 3;Map 5;");
  expect_gone(L"Map 4;Map 2;");                          // in array order
  EXPECT_EQ(zv_scns_2d_get_active_scn_idx(scenes), 2u);  // not shifted
}

TEST_F(Scenes, ClearInsideABracketDestroysAfterTheOutermostEnd) {
  add(3);
  zv_scns_2d_set_active_scn_idx(scenes, 0);
  rec.clear();
  own->expect_removal({at(0), at(1), at(2)});
  zv_entity_begin_update(scenes);
  zv_scns_2d_clear(scenes);
  EXPECT_EQ(zv_scns_2d_get_size(scenes), 0u);
  EXPECT_EQ(own->destroyed, L"");
  zv_entity_end_update(scenes);
  EXPECT_EQ(rec.take(), "B U[1,3] E");
  expect_gone(L"Map 1;Map 2;Map 3;");
  EXPECT_EQ(zv_scns_2d_get_active_scn_idx(scenes), zv_no_index);
}

TEST_F(Scenes, MovingKeepsTheActiveScene) {
  add(3);
  zv_scns_2d_set_active_scn_idx(scenes, 0);
  rec.clear();
  zv_scns_2d_move_scn(scenes, 0, 2);
  EXPECT_EQ(captions(), L"Map 2;Map 3;Map 1;");
  EXPECT_EQ(zv_scns_2d_get_active_scn_idx(scenes), 2u);
  EXPECT_EQ(rec.take(), "B U[3,1] E");
}

TEST_F(Scenes, AssignBetweenSizesAndEqual) {
  Izv_scns2d* src = zv_scns_2d_create();
  for (wchar_t const* caption : {L"North", L"South", L"East"}) zv_scn_2d_set_wcaption(zv_scns_2d_add(src), caption);
  zv_scn_2d_set_background_clr(zv_scns_2d_get(src, 2), zv_clr_init_rgb(1, 2, 3));
  add(1);
  zv_scns_2d_set_active_scn_idx(scenes, 0);
  Tzv_uuid_t const* own_uuid = zv_scns_2d_get_uuid(scenes);

  zv_scns_2d_assign(scenes, src);  // grows
  EXPECT_EQ(captions(), L"North;South;East;");
  EXPECT_TRUE(zv_scns_2d_equal(scenes, src));
  EXPECT_EQ(own->get_wcaption(), std::wstring(L"Maps"));
  EXPECT_EQ(zv_scns_2d_get_uuid(scenes), own_uuid);
  EXPECT_EQ(zv_scns_2d_get_active_scn_idx(scenes), 0u);

  zv_scns_2d_del(src, 0);
  zv_scns_2d_del(src, 0);
  EXPECT_FALSE(zv_scns_2d_equal(scenes, src));  // counts differ
  rec.clear();
  zv_scns_2d_assign(scenes, src);  // shrinks, in one bracket
  EXPECT_EQ(captions(), L"East;");
  EXPECT_EQ(own->destroyed, L"South;East;");
  EXPECT_TRUE(zv_scns_2d_equal(scenes, src));
  EXPECT_EQ(rec.take(), "B U[1] E");

  zv_scn_2d_set_background_clr(at(0), zv_clr_init_rgb(9, 9, 9));
  EXPECT_FALSE(zv_scns_2d_equal(scenes, src));
  zv_scns_2d_clear(scenes);
  zv_scns_2d_clear(src);
  EXPECT_TRUE(zv_scns_2d_equal(scenes, src));  // both empty
  EXPECT_FALSE(zv_scns_2d_equal(scenes, nullptr));
  zv_scns_2d_destroy(src);
}

// A member's change forwarded to a listener that throws on it: every
// bracket closes and both announce again. (Removal under throwing listeners
// is the collection base's, pinned by the core bracket tests.)
TEST_F(Scenes, BracketsCloseWhenAListenerThrows) {
  add(1);
  {
    Tzv_throwing_listener thrower(zv_scns_2d_get_update_event_channel(scenes), {zv_event_kind_update});
    EXPECT_THROW(zv_scn_2d_set_wcaption(at(0), L"Renamed"), Tzv_listener_error);
  }
  EXPECT_EQ(own->get_entity(0)->get_update_depth(), 0u);
  EXPECT_EQ(own->get_update_depth(), 0u);
  EXPECT_EQ(zv_history_manager_get_depth(zv_history_manager_get_instance()), 0);
  EXPECT_EQ(caption_of(at(0)), L"Renamed");
  rec.clear();
  zv_scn_2d_set_wcaption(at(0), L"Again");
  EXPECT_EQ(rec.take(), "U[1{2}]");
  zv_scns_2d_clear(scenes);
  EXPECT_EQ(rec.take(), "B U[1,3] E");
}

// Null handles (every export shares one forwarding rule: the exports with
// their own fallback or a second object stand for the rest), and indexes out
// of range on a live collection: nothing happens and the zero value comes
// back.
TEST_F(Scenes, NullHandlesAndIndexesOutOfRange) {
  uint32_t index = 0;
  zv_scns_2d_destroy(nullptr);
  EXPECT_EQ(zv_scns_2d_safe_downcast(nullptr), nullptr);
  zv_scns_2d_assign(nullptr, scenes);
  EXPECT_FALSE(zv_scns_2d_equal(nullptr, scenes));
  EXPECT_EQ(zv_scns_2d_get_size(nullptr), 0u);
  EXPECT_EQ(zv_scns_2d_add(nullptr), nullptr);
  zv_scns_2d_del_array(nullptr, 1, &index);
  EXPECT_EQ(zv_scns_2d_get_active_scn_idx(nullptr), zv_no_index);
  zv_scns_2d_set_marked_scn(nullptr, nullptr);

  add(2);
  zv_scns_2d_set_marked_scn_idx(scenes, 0);
  rec.clear();
  EXPECT_EQ(zv_scns_2d_get(scenes, 2), nullptr);
  zv_scns_2d_del(scenes, 2);
  zv_scns_2d_move_scn(scenes, 0, 2);
  zv_scns_2d_move_scn(scenes, 7, 0);
  zv_scns_2d_del_array(scenes, 3, nullptr);
  zv_scns_2d_assign(scenes, nullptr);
  EXPECT_EQ(captions(), L"Map 1;Map 2;");
  EXPECT_EQ(rec.take(), "B U[1] E");         // the empty array only
  zv_scns_2d_set_marked_scn_idx(scenes, 2);  // unmarks all
  EXPECT_FALSE(zv_scn_2d_get_marked(at(0)));
  zv_scns_2d_set_active_scn_idx(scenes, 2);
  EXPECT_EQ(zv_scns_2d_get_active_scn(scenes), nullptr);
  EXPECT_EQ(own->destroyed, L"");
}

}  // namespace
