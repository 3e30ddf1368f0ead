#include <gtest/gtest.h>

#include "event_recorder.h"
#include "support/test_entities.h"

namespace {

std::wstring caption_of(Izv_entity* e) {
  std::wstring out;
  Tzv_std_wstring_adapter sink(&out);
  e->get_wcaption(sink);
  return out;
}

TEST(Entity, ChangesAreAnnouncedUnderTheirIds) {
  Tzv_test_item item;
  Tzv_event_recorder rec(item.get_update_event_channel());
  item.set_marked(false);
  EXPECT_EQ(rec.take(), "");
  item.set_marked(true);
  EXPECT_EQ(rec.take(), "B U[5] E");
  item.set_valid(3);
  item.set_valid(3);
  EXPECT_EQ(rec.take(), "B U[4] E");
  item.set_wcaption(L"A");
  item.set_wcaption(L"A");  // announced even when equal
  EXPECT_EQ(rec.take(), "B U[2] E B U[2] E");
  item.set_group_id(L"g1");
  item.set_parent(nullptr);
  EXPECT_EQ(rec.take(), "");
  EXPECT_EQ(zv_history_manager_get_depth(zv_history_manager_get_instance()), 0);
}

TEST(Entity, CaptionsConvertThroughTheSystemCodePage) {
  // The system ANSI code page is UTF-8 on Linux and the locale's on Windows;
  // U+00E9 exists in both.
  Tzv_test_item item;
  item.set_wcaption(L"caf\u00e9");
  std::string const narrow = item.get_caption();
  EXPECT_EQ(narrow, zv::text::wide_to_narrow(L"caf\u00e9", 0));
  if (sizeof(wchar_t) == 4) {
    EXPECT_EQ(narrow, "caf\xc3\xa9");  // Linux: UTF-8
  }
  item.set_wcaption(L"x");
  item.set_caption(narrow.c_str());
  EXPECT_EQ(caption_of(&item), L"caf\u00e9");
  item.set_caption(nullptr);
  EXPECT_EQ(std::wstring(item.get_wcaption()), L"");
  item.set_wcaption(nullptr);
  EXPECT_EQ(caption_of(&item), L"");
}

TEST(Entity, RegistersItsUuidWithTheStorage) {
  Tzv_uuid_t* other = zv_uuid_create();
  zv_uuid_generate(other, 0);
  {
    Tzv_test_item item;
    EXPECT_EQ(zv_entity_storage_find_by_uid(item.get_uuid()), &item);
    item.set_uuid(other);
    EXPECT_TRUE(zv_uuid_equal(item.get_uuid(), other));
    EXPECT_EQ(zv_entity_storage_find_by_uid(other), &item);
  }
  EXPECT_EQ(zv_entity_storage_find_by_uid(other), nullptr);
  zv_uuid_destroy(other);
}

TEST(Entity, UniqueCaptionsWithinTheParent) {
  Tzv_test_list list;
  Tzv_test_item* a = list.add_entity();
  Tzv_test_item* b = list.add_entity();
  a->set_wcaption(L"Map");
  Tzv_event_recorder rec(b->get_update_event_channel());
  b->set_wcaption(L"Map");  // refused: a bears it
  EXPECT_EQ(rec.take(), "");
  EXPECT_EQ(caption_of(b), L"");
  // a bears "Map": numbering starts at 0. A free text stays as it is.
  EXPECT_EQ(b->make_unique_caption(L"Map", L"%ls(%d)"), L"Map(0)");
  EXPECT_EQ(a->make_unique_caption(L"Map", L"%ls(%d)"), L"Map");
  EXPECT_EQ(b->make_unique_caption(L"Other", L"%ls(%d)"), L"Other");
  Tzv_test_item orphan;
  EXPECT_EQ(orphan.make_unique_caption(L"Map", L"%ls(%d)"), L"Map");
}

TEST(Entity, IndexAndActiveMember) {
  Tzv_test_item orphan;
  EXPECT_EQ(orphan.get_index(), 0u);
  EXPECT_EQ(orphan.get_active(), nullptr);

  // The scene's layer tests pin activation by index and its traces.
  Tzv_test_list list;
  list.set_count(3);
  EXPECT_EQ(list.get_entity(2)->get_index(), 2u);
  list.set_active(&orphan);  // not a member
  EXPECT_EQ(list.get_active(), nullptr);
  list.set_active(list.get_entity(2));
  EXPECT_EQ(list.get_active_index(), 2u);
}

TEST(Entity, RecursiveBracketsCloseMembersInReverseOrder) {
  std::vector<std::string> log;
  Tzv_test_list list(&log);
  list.set_count(3);
  list.begin_update_recursive();
  EXPECT_EQ(list.get_update_depth(), 1u);
  EXPECT_EQ(list.get_entity(2)->get_update_depth(), 1u);
  list.end_update_recursive();
  EXPECT_EQ(log, (std::vector<std::string>{"close item 3", "close item 2", "close item 1", "close list"}));
  EXPECT_EQ(list.get_entity(0)->get_update_depth(), 0u);
}

}  // namespace
