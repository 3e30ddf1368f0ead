#include <gtest/gtest.h>

#include <algorithm>

#include "event_recorder.h"
#include "support/test_entities.h"

namespace {

struct Entities : ::testing::Test {
  std::vector<std::string> log;
  Tzv_test_list list{&log};
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
  bool destroyed(std::string const& name) {
    return std::find(log.begin(), log.end(), "destroy " + name) != log.end();
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

TEST_F(Entities, RemovedMembersLiveUntilTheEndUpdateHasGoneOut) {
  list.begin_update();
  list.remove_entity(1u);
  list.begin_update();
  list.remove_entity(list.get_entity(0));
  list.end_update();
  EXPECT_FALSE(destroyed("item 1"));
  EXPECT_FALSE(destroyed("item 2"));
  EXPECT_EQ(list.get_deferred_count(), 2u);
  list.end_update();
  EXPECT_TRUE(destroyed("item 1"));
  EXPECT_TRUE(destroyed("item 2"));
  EXPECT_EQ(rec->take(), "B U[1] E");
  EXPECT_EQ(names(), "34");
}

TEST_F(Entities, ActiveIndexFollowsRemovalRules) {
  list.set_active_index(1);
  rec->clear();
  list.remove_entity(1u);  // the active one: none is active, only 1 announced
  EXPECT_EQ(list.get_active_index(), zv_no_index);
  EXPECT_EQ(rec->take(), "B U[1] E");

  list.set_active_index(1);  // item 3
  list.remove_entity(0u);    // before it: the index stays, the next member is active
  EXPECT_EQ(list.get_active_index(), 1u);
  EXPECT_EQ(list.get_active(), list.get_entity(1));
  EXPECT_EQ(static_cast<Tzv_test_item*>(list.get_active())->name(), "item 4");
}

TEST_F(Entities, MovesKeepTheActiveMember) {
  list.set_active_index(0);
  rec->clear();
  list.move(0, 3);
  EXPECT_EQ(names(), "2341");
  EXPECT_EQ(list.get_active_index(), 3u);
  EXPECT_EQ(rec->take(), "B U[3,1] E");
  list.move(2, 2);
  EXPECT_EQ(rec->take(), "B U[1] E");
  list.move(3, 1);
  EXPECT_EQ(names(), "2134");
  EXPECT_EQ(list.get_active_index(), 1u);

  list.get_entity(2)->set_marked(true);  // 3
  list.get_entity(3)->set_marked(true);  // 4
  list.move_marked(0);
  EXPECT_EQ(names(), "3421");
  EXPECT_EQ(list.get_active_index(), 3u);
  list.move_marked(4);
  EXPECT_EQ(names(), "2134");
  list.move_marked(1);
  EXPECT_EQ(names(), "2341");
}

TEST_F(Entities, RemoveMarkedAndRanges) {
  list.set_active_index(1);
  list.get_entity(1)->set_marked(true);
  list.get_entity(2)->set_marked(true);
  rec->clear();
  list.remove_marked();
  EXPECT_EQ(names(), "14");
  EXPECT_EQ(list.get_active_index(), zv_no_index);
  EXPECT_EQ(rec->take(), "B U[3,1] E");

  list.set_count(4);
  uint32_t idx[] = {3, 0, 3, 9};  // repeated and out-of-range entries are skipped
  list.remove_entity_range(4, idx);
  EXPECT_EQ(list.get_count(), 2u);
  EXPECT_EQ(rec->take(), "B U[1] E B U[1] E");
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

TEST_F(Entities, OutOfRangeIndexesDoNothing) {
  EXPECT_EQ(list.get_entity(4), nullptr);
  EXPECT_EQ(list.extract_entity(4), nullptr);
  EXPECT_EQ(list.remove_entity_internal(4), nullptr);
  list.remove_entity(4u);
  list.move(0, 4);
  list.move(4, 0);
  Tzv_test_item* stray = list.make_item("stray");
  list.insert_entity(9, stray);
  list.remove_entity_range(1, nullptr);
  EXPECT_EQ(names(), "1234");
  EXPECT_EQ(rec->take(), "B U[1] E");  // the empty range still announces
  list.destroy_entity(stray);
}

TEST_F(Entities, AnExceptionClosesTheOpenBracket) {
  list.fail_create_ = true;
  EXPECT_ANY_THROW(list.add_entity());
  EXPECT_EQ(list.get_update_depth(), 0u);
  EXPECT_EQ(zv_history_manager_get_depth(zv_history_manager_get_instance()), 0);
  EXPECT_EQ(rec->take(), "B E");
  list.fail_create_ = false;
  list.remove_entity(0u);
  EXPECT_EQ(rec->take(), "B U[1] E");
  EXPECT_TRUE(destroyed("item 1"));
}

}  // namespace
