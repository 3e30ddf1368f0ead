// The collection base through its own members; what the exports of the
// scene collection reach is pinned by the scene collection's tests.
#include <gtest/gtest.h>

#include "event_recorder.h"
#include "support/test_entities.h"

namespace {

struct Entities : ::testing::Test {
  Tzv_test_list list;
  Tzv_event_recorder* rec = nullptr;

  void SetUp() override {
    list.set_count(4);  // item 1 .. item 4
    rec = new Tzv_event_recorder(list.get_update_event_channel());
  }
  void TearDown() override { delete rec; }

  std::string names() {
    std::string out;
    for (uint32_t i = 0; i < list.get_count(); ++i) out += list.get_entity(i)->name().back();
    return out;
  }
};

TEST_F(Entities, AddInsertExtract) {
  Tzv_test_item* added = list.add_entity();
  EXPECT_EQ(added->get_parent(), static_cast<Izv_entity*>(&list));
  EXPECT_EQ(rec->take(), "B U[1] E");
  list.insert_entity(0, list.make_item("item 0"));
  EXPECT_EQ(names(), "012345");
  Tzv_test_item* taken = list.extract_entity(1);
  EXPECT_EQ(taken->name(), "item 1");
  EXPECT_EQ(taken->get_parent(), static_cast<Izv_entity*>(&list));
  EXPECT_EQ(names(), "02345");
  list.destroy_entity(taken);
  EXPECT_EQ(rec->take(), "B U[1] E B U[1] E");
  EXPECT_EQ(list.get_first()->name(), "item 0");
  EXPECT_EQ(list.get_last()->name(), "item 5");
  EXPECT_EQ(list.find_entity(L"nothing"), nullptr);
  list.get_entity(2)->set_wcaption(L"three");
  EXPECT_EQ(list.find_entity(L"three"), list.get_entity(2));
  EXPECT_EQ(list.find_entity(L"thre"), nullptr);
}

// Single moves and their traces are pinned by the scene's and the scene
// collection's tests; several marked members move as one block.
TEST_F(Entities, MarkedMembersMoveTogetherAndTheActiveOneFollows) {
  list.set_active_index(0);
  list.get_entity(2)->set_marked(true);
  list.get_entity(3)->set_marked(true);
  list.move_marked(0);
  EXPECT_EQ(names(), "3412");
  EXPECT_EQ(list.get_active_index(), 2u);
  list.move_marked(4);
  EXPECT_EQ(names(), "1234");
  list.move_marked(1);
  EXPECT_EQ(names(), "1342");
}

TEST_F(Entities, SetCountAndClear) {
  list.set_count(0);
  EXPECT_EQ(rec->take(), "B U[3,1] E");
  list.set_count(0);
  EXPECT_EQ(rec->take(), "B U[1] E");
  list.set_count(2);
  list.set_active_index(0);
  rec->clear();
  list.set_count(1);  // the active one stays
  EXPECT_EQ(list.get_active_index(), 0u);
  EXPECT_EQ(rec->take(), "B U[1] E");
  list.set_marked(true);
  rec->clear();
  list.clear();
  EXPECT_FALSE(list.get_marked());
  EXPECT_EQ(list.get_active_index(), zv_no_index);
  EXPECT_EQ(rec->take(), "B U[1,3] E");
}

TEST_F(Entities, MarkingAMemberUnmarksTheOthers) {
  list.set_marked_entity_index(2);
  EXPECT_TRUE(list.get_entity(2)->get_marked());
  EXPECT_EQ(rec->take(), "B U[1{5}] E");
  list.set_marked_entity(list.get_entity(0));
  EXPECT_FALSE(list.get_entity(2)->get_marked());
  EXPECT_TRUE(list.get_entity(0)->get_marked());
  list.set_marked_entity_index(99);
  for (uint32_t i = 0; i < list.get_count(); ++i) EXPECT_FALSE(list.get_entity(i)->get_marked());
  EXPECT_EQ(list.get_entity_index(list.get_entity(3)), 3u);
  EXPECT_EQ(list.get_entity_index(nullptr), zv_no_index);
  EXPECT_TRUE(list.can_remove());
}

// The exported removals and moves are pinned by the scene collection's tests.
TEST_F(Entities, OutOfRangeIndexesDoNothing) {
  EXPECT_EQ(list.extract_entity(4), nullptr);
  EXPECT_EQ(list.remove_entity_internal(4), nullptr);
  Tzv_test_item* stray = list.make_item("stray");
  list.insert_entity(9, stray);
  EXPECT_EQ(names(), "1234");
  EXPECT_EQ(rec->take(), "");
  list.destroy_entity(stray);
}

TEST_F(Entities, AnExceptionClosesTheOpenBracket) {
  list.fail_create_ = true;
  EXPECT_ANY_THROW(list.add_entity());
  EXPECT_EQ(list.get_update_depth(), 0u);
  EXPECT_EQ(zv_history_manager_get_depth(zv_history_manager_get_instance()), 0);
  EXPECT_EQ(rec->take(), "B E");
}

}  // namespace
