// The entity and collection bases through their own members; what the
// exports of the scene collection reach is pinned by its own tests.
#include <gtest/gtest.h>

#include "event_recorder.h"
#include "support/test_entities.h"

namespace {

// Captions convert through the system ANSI code page (UTF-8 on Linux, the
// locale's on Windows; U+00E9 exists in both) and are announced even when
// equal; group ids, parents and unchanged states are not. The uuid is
// registered with the entity storage while the entity lives.
TEST(Entity, CaptionsAnnouncementsAndUuid) {
  Tzv_uuid_t* uuid = zv_uuid_create();
  zv_uuid_generate(uuid, 0);
  {
    Tzv_test_item item;
    Tzv_event_recorder heard(item.get_update_event_channel());
    item.set_wcaption(L"caf\u00e9");
    std::string const narrow = item.get_caption();
    EXPECT_EQ(narrow, zv::text::wide_to_narrow(L"caf\u00e9", 0));
    EXPECT_TRUE(sizeof(wchar_t) != 4 || narrow == "caf\xc3\xa9");  // Linux: UTF-8
    item.set_caption(narrow.c_str());
    EXPECT_EQ(zv_read_wtext([&](Izv_string_adp* a) { item.get_wcaption(a); }), L"caf\u00e9");
    item.set_caption(nullptr);
    EXPECT_EQ(std::wstring(item.get_wcaption()), L"");
    item.set_wcaption(nullptr);
    item.set_group_id(L"g1");
    item.set_parent(nullptr);
    item.set_marked(false);
    item.set_valid(0);
    EXPECT_EQ(heard.take(), "B U[2] E B U[2] E B U[2] E B U[2] E");
    EXPECT_EQ(zv_entity_storage_find_by_uid(item.get_uuid()), &item);
    item.set_uuid(uuid);
    EXPECT_EQ(zv_entity_storage_find_by_uid(uuid), &item);
  }
  EXPECT_EQ(zv_entity_storage_find_by_uid(uuid), nullptr);
  zv_uuid_destroy(uuid);
}

struct Entities : ::testing::Test {
  std::vector<std::string> log;
  Tzv_test_list list{&log};
  Tzv_event_recorder rec{list.get_update_event_channel()};
  void SetUp() override {
    list.set_count(4);  // item 1 .. item 4
    rec.clear();
  }
  std::string names() {
    std::string out;
    for (uint32_t i = 0; i < list.get_count(); ++i) out += list.get_entity(i)->name().back();
    return out;
  }
};

// An entity renaming itself keeps a caption that no other member bears; a
// unique caption numbers from 0, the entity's own caption no clash.
TEST_F(Entities, UniqueCaptionsIndexAndActiveMember) {
  Tzv_test_item *a = list.get_entity(0), *b = list.get_entity(1), orphan;
  a->set_wcaption(L"Map");
  Tzv_event_recorder heard(b->get_update_event_channel());
  b->set_wcaption(L"Map");  // refused: a bears it
  EXPECT_EQ(heard.take(), "");
  EXPECT_EQ(std::wstring(b->get_wcaption()), L"");
  EXPECT_EQ(b->make_unique_caption(L"Map", L"%ls(%d)"), L"Map(0)");
  EXPECT_EQ(a->make_unique_caption(L"Map", L"%ls(%d)"), L"Map");
  EXPECT_EQ(b->make_unique_caption(L"Other", L"%ls(%d)"), L"Other");
  EXPECT_EQ(orphan.make_unique_caption(L"Map", L"%ls(%d)"), L"Map");
  EXPECT_TRUE(list.find_entity(L"Map") == a && !list.find_entity(L"Ma") && !list.find_entity(nullptr));
  EXPECT_TRUE(orphan.get_index() == 0 && orphan.get_active() == nullptr && b->get_index() == 1);
  list.set_active(&orphan);  // not a member
  EXPECT_EQ(list.get_active(), nullptr);
}

TEST_F(Entities, AddInsertExtract) {
  EXPECT_EQ(list.add_entity()->get_parent(), static_cast<Izv_entity*>(&list));
  list.insert_entity(0, list.make_item("item 0"));
  Tzv_test_item* stray = list.make_item("stray");
  list.insert_entity(9, stray);  // out of range: nothing
  EXPECT_TRUE(list.extract_entity(9) == nullptr && list.remove_entity_internal(9) == nullptr);
  Tzv_test_item* taken = list.extract_entity(1);
  EXPECT_EQ(taken->get_parent(), static_cast<Izv_entity*>(&list));
  EXPECT_EQ(names(), "02345");
  list.destroy_entity(taken);
  list.destroy_entity(stray);
  EXPECT_EQ(rec.take(), "B U[1] E B U[1] E B U[1] E");  // nothing for the out-of-range calls
  EXPECT_TRUE(list.get_first()->name() == "item 0" && list.get_last()->name() == "item 5");
}

// Single moves and their traces are pinned by the scene's and the scene
// collection's tests; several marked members move as one block, and the
// active one follows.
TEST_F(Entities, MarkingAndMovingMarkedMembers) {
  list.set_marked_entity_index(2);
  EXPECT_EQ(rec.take(), "B U[1{5}] E");
  list.set_marked_entity(list.get_entity(0));
  EXPECT_FALSE(list.get_entity(2)->get_marked());
  list.set_marked_entity_index(99);  // unmarks all
  EXPECT_TRUE(list.get_entity_index(list.get_entity(3)) == 3 && list.get_entity_index(nullptr) == zv_no_index);
  EXPECT_TRUE(list.can_remove());
  list.set_active_index(0);
  list.get_entity(2)->set_marked(true);
  list.get_entity(3)->set_marked(true);
  for (auto [pos, order] : {std::pair{0u, "3412"}, {4u, "1234"}, {1u, "1342"}}) {
    list.move_marked(pos);
    EXPECT_EQ(names(), order) << pos;
  }
  EXPECT_EQ(list.get_active(), list.get_entity(0));
}

TEST_F(Entities, SetCountClearAndRecursiveBrackets) {
  list.begin_update_recursive();
  EXPECT_EQ(list.get_entity(2)->get_update_depth(), 1u);
  list.end_update_recursive();
  EXPECT_EQ(log,
            (std::vector<std::string>{"close item 4", "close item 3", "close item 2", "close item 1", "close list"}));
  list.set_count(0);
  list.set_count(0);
  list.set_count(2);
  list.set_active_index(0);
  list.set_count(1);  // the active one stays
  EXPECT_EQ(list.get_active_index(), 0u);
  list.set_marked(true);
  list.clear();
  EXPECT_TRUE(!list.get_marked() && list.get_active_index() == zv_no_index);
  EXPECT_EQ(rec.take(), "B E B U[3,1] E B U[1] E B U[1] E B U[3] E B U[1] E B U[5] E B U[1,3] E");
}

}  // namespace
