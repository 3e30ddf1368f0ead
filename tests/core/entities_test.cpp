// The extensible object, entity and collection bases through their own
// members; the scene collection's tests pin what its exports reach.
#include <gtest/gtest.h>

#include <memory>

#include "event_recorder.h"
#include "support/reacting_listener.h"
#include "support/test_entities.h"
#include "support/text.h"

namespace {

// Changes inside a bracket go out as one update when it closes (a child's
// queue forwarded under a name: an aggregated property); generic events go
// out at once, as does the change of a listener acting on the update.
TEST(ExtensibleObj, BracketsGatherChangesIntoOneUpdateThatFindUpdateMatches) {
  Tzv_extensible_obj obj, child;
  Tzv_event_recorder rec(obj.get_update_event_channel());
  auto forward = [](Tzv_table* q, void* to) { static_cast<Tzv_extensible_obj*>(to)->broadcast_update_event("c", *q); };
  zv_event_channel_add_client(child.get_update_event_channel(), forward, &obj);
  obj.get_extra("x");
  obj.begin_update();
  obj.broadcast_update_event(1);
  obj.begin_update();
  obj.broadcast_update_event(2);
  obj.end_update();
  obj.broadcast_update_event("name");
  child.broadcast_update_event(5);
  obj.broadcast_event(42);
  obj.broadcast_event(43, obj.get_table_extra()->rows[0]);  // with data: an extras row
  EXPECT_EQ(rec.trace(), "B G(42) G(43)");
  obj.end_update();
  obj.broadcast_update_event(5);
  obj.end_update();  // unmatched: ignored
  obj.broadcast_update_event();
  EXPECT_EQ(rec.take(), "B G(42) G(43) U[1,2,name,c{5}] E U[5] U[]");
  Tzv_reacting_listener echo(obj.get_update_event_channel(), zv_event_kind_update,
                             [&obj] { obj.broadcast_update_event(7); });
  obj.begin_update();
  obj.broadcast_update_event(1);
  obj.end_update();
  EXPECT_EQ(rec.take(), "B U[1] U[7] E");

  // find_update: criteria pairs closed by -1 and null; an event without
  // details (the whole object changed) matches any criteria.
  Tzv_update_event* with = obj.init_update_event();  // the object's pending event
  zv_update_event_add_prop_integer(with, 1);
  zv_update_event_add_prop_string(with, "name");
  Tzv_update_event whole;
  zv_update_event_init(&whole);
  Tzv_table* q = zv_event_queue_create();
  zv_event_queue_push(q, &with->header);
  Tzv_any key{};
  any_assign_integer(&key, 1);
  auto find = [](Tzv_table* in, auto... c) { return Tzv_extensible_obj::find_update(in, c..., -1, nullptr); };
  EXPECT_TRUE(find(q, 3, 1) && find(q, 3, 1, 2, "name") && find(q, -1, &key));
  EXPECT_FALSE(find(q, 3, 1, 3, 2) || find(q, 2, "other") || find(q) || find(nullptr));
  zv_event_queue_push(q, &whole.header);
  EXPECT_TRUE(find(q) && find(q, 3, 99));
  zv_event_queue_destroy(q);
  zv_update_event_clear(&whole);
}

// Named slots are made once and copied deeply. A table set from outside may
// hold rows that are not a name and a value: they are never read past their
// end, and a name without a value is repaired.
TEST(ExtensibleObj, NamedExtrasAndMalformedRows) {
  Tzv_extensible_obj a, b;
  Tzv_any* slot = a.get_extra("colour");
  EXPECT_EQ(a.get_extra("colour"), slot);
  a.get_extra("Colour");  // names are case-sensitive
  any_assign_string(slot, "red");
  EXPECT_FALSE(b.equal(&a));
  b.assign(&a);
  a.get_extra("colour")->value.s[0] = 'b';  // b keeps its own text
  EXPECT_STREQ(b.get_extra("colour")->value.s, "red");
  b.set_table_extra(*a.get_table_extra());
  EXPECT_TRUE(b.equal(&a));
  Tzv_table* table = table_create();
  table_resize(table, 3);
  tuple_resize(&table->rows[0], 1);  // a name without a value
  any_assign_string(&table->rows[0].items[0], "short");
  tuple_resize(&table->rows[1], 2);  // no name; row 2 is empty
  a.set_table_extra(*table);
  table_destroy(table);
  Tzv_any* const red = b.get_extra("colour");
  a.set_extra("short", red);
  EXPECT_EQ(any_compare(a.get_extra("short"), red), 0);
  a.set_extra("", red);  // nameless rows never match
  EXPECT_TRUE(a.get_table_extra()->rows[0].count == 2 && a.get_table_extra()->count == 4);
}

// Captions convert through the system ANSI code page (UTF-8 on Linux, the
// locale's on Windows; U+00E9 exists in both) and are announced even when
// equal; group ids, parents and unchanged states are not. The uuid is
// registered with the entity storage while the entity lives.
TEST(Entity, CaptionsAnnouncementsAndUuid) {
  Tzv_uuid_t uuid;
  zv_uuid_generate(&uuid, 0);
  auto item = std::make_unique<Tzv_test_item>();
  Tzv_event_recorder heard(item->get_update_event_channel());
  item->set_wcaption(L"caf\u00e9");
  std::string const narrow = item->get_caption();
  EXPECT_TRUE(narrow == zv::text::wide_to_narrow(L"caf\u00e9", 0) && (sizeof(wchar_t) != 4 || narrow == "caf\xc3\xa9"));
  item->set_caption(narrow.c_str());
  EXPECT_EQ(caption_of(item.get()), L"caf\u00e9");
  item->set_caption(nullptr);
  EXPECT_EQ(std::wstring(item->get_wcaption()), L"");
  item->set_wcaption(nullptr);
  item->set_group_id(L"g1");
  item->set_parent(nullptr);
  item->set_marked(false);
  item->set_valid(0);
  EXPECT_EQ(heard.take(), "B U[2] E B U[2] E B U[2] E B U[2] E");
  EXPECT_EQ(zv_entity_storage_find_by_uid(item->get_uuid()), item.get());
  item->set_uuid(&uuid);
  EXPECT_EQ(zv_entity_storage_find_by_uid(&uuid), item.get());
  zv_history_manager_begin_update(zv_history_manager_get_instance());
  item->end_update();  // unmatched: leaves the history's bracket alone
  EXPECT_EQ(zv_history_manager_get_depth(zv_history_manager_get_instance()), 1);
  zv_history_manager_end_update(zv_history_manager_get_instance());
  heard.detach();
  item.reset();
  EXPECT_EQ(zv_entity_storage_find_by_uid(&uuid), nullptr);
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
  b->set_wcaption(L"Map");  // refused: a bears it
  EXPECT_EQ(rec.take(), "B U[1{2}] E");
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

// The scene's tests pin single moves and their traces; several marked
// members move as one block, and the active one follows.
TEST_F(Entities, MembersComeGoAndMove) {
  EXPECT_EQ(list.add_entity()->get_parent(), static_cast<Izv_entity*>(&list));
  list.insert_entity(0, list.make_item("item 0"));
  Tzv_test_item* stray = list.make_item("stray");
  list.insert_entity(9, stray);  // out of range: nothing
  EXPECT_TRUE(list.extract_entity(9) == nullptr && list.remove_entity_internal(9) == nullptr);
  Tzv_test_item* taken = list.extract_entity(1);
  EXPECT_EQ(taken->get_parent(), static_cast<Izv_entity*>(&list));
  list.destroy_entity(taken);
  list.destroy_entity(stray);
  EXPECT_EQ(rec.take(), "B U[1] E B U[1] E B U[1] E");  // nothing for the out-of-range calls
  EXPECT_TRUE(list.get_first()->name() == "item 0" && list.get_last()->name() == "item 5");
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
  for (auto [pos, order] : {std::pair{0u, "34025"}, {5u, "02534"}, {1u, "03425"}}) {
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
