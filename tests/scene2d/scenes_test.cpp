// The collection of 2D scenes: forwarding, removal and deferred destruction,
// copy and comparison, and the captions of new scenes.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "event_recorder.h"
#include "scene2d/scenes_2d.h"
#include "support/reacting_listener.h"
#include "support/text.h"
#include "zv/scn_2d.h"
#include "zv/scns_2d.h"
#include "zv/sibling/lr2d_test_hooks.h"

namespace {

// A collection that logs the caption of every scene it destroys.
class Tzv_logging_scenes : public Tzv_scenes_2d {
 public:
  ~Tzv_logging_scenes() override { clear_for_destruction(); }
  void destroy_entity(Tzv_scene_2d* scene) override {
    destroyed += caption_of(scene) + L";";
    Tzv_scenes_2d::destroy_entity(scene);
  }
  std::wstring destroyed;  // captions, each followed by ';'
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
  std::wstring captions() {
    std::wstring out;
    for (uint32_t i = 0; i < zv_scns_2d_get_size(scenes); ++i) out += caption_of(at(i)) + L";";
    return out;
  }
};

// Removed scenes go after the end-update event, each once; the active index
// follows its scene, goes with it, or stays when one before it goes.
TEST_F(Scenes, RemovalAndMoves) {
  using Op = void (*)(Izv_scns2d*);
  Op const del_1 = [](Izv_scns2d* s) { zv_scns_2d_del(s, 1); };
  Op const del_0 = [](Izv_scns2d* s) { zv_scns_2d_del(s, 0); };
  Op const del_array = [](Izv_scns2d* s) {  // with repeats and strays
    uint32_t indexes[] = {3, 1, 3, 99, zv_no_index};
    zv_scns_2d_del_array(s, 5, indexes);
  };
  Op const clear_in_bracket = [](Izv_scns2d* s) {
    zv_entity_begin_update(s);
    zv_scns_2d_clear(s);
    zv_entity_end_update(s);
  };
  Op const move = [](Izv_scns2d* s) { zv_scns_2d_move_scn(s, 0, 2); };
  Op const strays = [](Izv_scns2d* s) {  // indexes out of range, no array, no source
    zv_scns_2d_del(s, 2);
    zv_scns_2d_move_scn(s, 0, 2);
    zv_scns_2d_del_array(s, 3, nullptr);
    zv_scns_2d_assign(s, nullptr);
    zv_scns_2d_set_marked_scn_idx(s, 2);  // unmarks all
  };
  uint32_t const none = zv_no_index;
  struct {
    int count;
    uint32_t active;
    std::vector<uint32_t> marked;
    Op op;
    std::wstring gone, left;
    uint32_t active_after;
    char const* trace;
  } const cases[] = {
      {3, 1, {}, del_1, L"Map 2;", L"Map 1;Map 3;", none, "B U[1] E"},  // no property 3
      {3, 2, {}, del_0, L"Map 1;", L"Map 2;Map 3;", 2, "B U[1] E"},
      {5, 4, {1, 3}, &zv_scns_2d_del_marked, L"Map 2;Map 4;", L"Map 1;Map 3;Map 5;", 2, "B U[3,1] E"},
      {3, 2, {2}, &zv_scns_2d_del_marked, L"Map 3;", L"Map 1;Map 2;", none, "B U[3,1] E"},
      {5, 2, {}, del_array, L"Map 4;Map 2;", L"Map 1;Map 3;Map 5;", 2, "B U[1] E"},  // in array order
      {3, 0, {}, clear_in_bracket, L"Map 1;Map 2;Map 3;", L"", none, "B U[1,3] E"},
      {3, 0, {}, move, L"", L"Map 2;Map 3;Map 1;", 2, "B U[3,1] E"},
      {2, 0, {1}, strays, L"", L"Map 1;Map 2;", 0, "B U[1] E B U[1{5}] E"},
  };
  for (auto const& c : cases) {
    SCOPED_TRACE(c.left);
    zv_scns_2d_clear(scenes);
    add(c.count);
    own->destroyed.clear();
    zv_scns_2d_set_active_scn(scenes, at(c.active));
    for (uint32_t i : c.marked) zv_scn_2d_set_marked(at(i), true);
    std::wstring at_end = L"(none)";  // destroyed when the end-update event went out
    Tzv_reacting_listener end(zv_scns_2d_get_update_event_channel(scenes), zv_event_kind_end_update,
                              [&] { at_end = own->destroyed; });
    rec.clear();
    c.op(scenes);
    EXPECT_EQ(rec.take(), c.trace);
    EXPECT_EQ(at_end, L"");
    EXPECT_EQ(own->destroyed, c.gone);
    EXPECT_EQ(captions(), c.left);
    EXPECT_EQ(zv_scns_2d_get_active_scn_idx(scenes), c.active_after);
    EXPECT_EQ(zv_scns_2d_get_active_scn(scenes), c.active_after < 3 ? at(c.active_after) : nullptr);
    for (uint32_t i = 0; i < zv_scns_2d_get_size(scenes); ++i) EXPECT_FALSE(zv_scn_2d_get_marked(at(i)));
  }
}

// A copy grows or shrinks (in one bracket) to the source's members and keeps
// the collection's own caption, uuid and active index.
TEST_F(Scenes, AssignBetweenSizesAndEqual) {
  Izv_scns2d* src = zv_scns_2d_create();
  for (wchar_t const* caption : {L"North", L"South", L"East"}) zv_scn_2d_set_wcaption(zv_scns_2d_add(src), caption);
  zv_scn_2d_set_background_clr(zv_scns_2d_get(src, 2), zv_clr_init_rgb(1, 2, 3));
  add(1);
  zv_scns_2d_set_active_scn_idx(scenes, 0);
  Tzv_uuid_t const* own_uuid = zv_scns_2d_get_uuid(scenes);
  zv_scns_2d_assign(scenes, src);
  EXPECT_EQ(captions(), L"North;South;East;");
  EXPECT_TRUE(zv_scns_2d_equal(scenes, src));
  EXPECT_EQ(own->get_wcaption(), std::wstring(L"Maps"));
  EXPECT_EQ(zv_scns_2d_get_uuid(scenes), own_uuid);
  EXPECT_EQ(zv_scns_2d_get_active_scn_idx(scenes), 0u);
  zv_scns_2d_del(src, 0);
  zv_scns_2d_del(src, 0);
  EXPECT_FALSE(zv_scns_2d_equal(scenes, src));  // counts differ
  rec.clear();
  zv_scns_2d_assign(scenes, src);
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

// A member's change is heard once as property 1, merged into an open bracket,
// a layer's one level deeper.
TEST_F(Scenes, MembersAreHeard) {
  add(2);
  zv_scn_2d_set_wcaption(at(0), L"Roads");
  rec.clear();
  zv_scn_2d_set_wcaption(at(1), L"Roads");  // a sibling's caption: made unique
  EXPECT_EQ(rec.take(), "U[1{2}]");
  EXPECT_EQ(captions(), L"Roads;Roads(0);");
  EXPECT_EQ(text([&](Izv_string_adp* a) { zv_lr_group_get_wcaption(zv_scn_2d_get_lr_group_ptr(at(1)), a); }),
            L"Roads(0)");
  zv_entity_begin_update(at(0));  // a member's bracket without change
  zv_entity_end_update(at(0));
  EXPECT_EQ(rec.take(), "");
  zv_entity_begin_update(scenes);
  zv_scns_2d_set_marked_scn_idx(scenes, 0);
  zv_scn_2d_set_wcaption(at(0), L"Rivers");
  zv_entity_end_update(scenes);
  EXPECT_EQ(rec.take(), "B U[1{5,2}] E");
  Izv_layer* layer = zv_scn_2d_add_layer_type_name(at(0), "vector");
  EXPECT_EQ(rec.take(), "U[1{1}]");
  Tzv_box_d2 const box = zv_box_d2_init_xy(0, 0, 10, 10);
  zv_lr2d_test_set_box(layer, &box);
  EXPECT_EQ(rec.take(), "U[1{1{21}}]");
  zv_scns_2d_clear(scenes);
  EXPECT_EQ(rec.take(), "B U[1,3] E");
}

// A new scene's caption from the caption index is what a walk over the members
// gives, after renames, silent copies, removals and extractions.
TEST_F(Scenes, NewCaptionsMatchAWalkOverTheMembers) {
  std::mt19937 random(7);
  auto pick = [&random](uint32_t n) { return static_cast<uint32_t>(random() % n); };
  std::wstring const base = zv_res_get_wstr(c_res_scene_caption);
  std::wstring const names[] = {base + L" 1", base + L" 2", base + L" 02", base + L" -1", L"other", base};
  Izv_scene* outside = zv_scn_2d_create();
  for (int step = 0; step < 2000; ++step) {
    uint32_t const n = zv_scns_2d_get_size(scenes);
    Izv_scene* member = n != 0 ? at(pick(n)) : nullptr;
    switch (pick(6)) {
      case 0: {
        std::wstring const walked = text(
            [this, &base](Izv_string_adp* a) { zv_entities_unique_wcaption(scenes, base.c_str(), L"%ls %d", 1, a); });
        ASSERT_EQ(caption_of(zv_scns_2d_add(scenes)), walked) << "step " << step;
        break;
      }
      case 1:
        if (member) zv_scn_2d_set_wcaption(member, names[pick(6)].c_str());
        break;
      case 2:  // a whole copy takes the caption in without an announcement
        zv_scn_2d_set_wcaption(outside, names[pick(6)].c_str());
        if (member) zv_scn_2d_assign(member, outside);
        break;
      case 3:
        if (n != 0) zv_scns_2d_del(scenes, pick(n));
        break;
      case 4:
        if (n != 0) zv_scn_2d_destroy(own->extract_entity(pick(n)));
        break;
      default:
        if (pick(40) == 0) zv_scns_2d_clear(scenes);
    }
  }
  zv_scn_2d_destroy(outside);
}

}  // namespace
