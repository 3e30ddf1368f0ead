// The extensible object: brackets gathering changes, forwarded queues,
// generic events, find_update and the named extras.
#include <gtest/gtest.h>

#include "core/extensible_obj.h"
#include "event_recorder.h"
#include "support/reacting_listener.h"

// Changes inside a bracket go out as one update when it closes (a child's
// queue forwarded under a name as an aggregated property); generic events
// go out at once. A listener acting on the update it hears: its change goes
// out at once too, after the update.
TEST(ExtensibleObj, BracketsGatherChangesIntoOneUpdate) {
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
}

// find_update: criteria pairs closed by -1 and null; an event without
// details (the whole object changed) matches any criteria.
TEST(ExtensibleObjFindUpdate, MatchesEventsHoldingEveryProperty) {
  Tzv_update_event with, whole;
  zv_update_event_init(&with);
  zv_update_event_init(&whole);
  zv_update_event_add_prop_integer(&with, 1);
  zv_update_event_add_prop_string(&with, "name");
  Tzv_table* q = zv_event_queue_create();
  zv_event_queue_push(q, &with.header);
  Tzv_any key;
  any_init(&key);
  any_assign_integer(&key, 1);
  auto find = [](Tzv_table* in, auto... criteria) {
    return Tzv_extensible_obj::find_update(in, criteria..., -1, nullptr);
  };
  EXPECT_TRUE(find(q, 3, 1) && find(q, 3, 1, 2, "name") && find(q, -1, &key));
  EXPECT_FALSE(find(q, 3, 1, 3, 2) || find(q, 2, "other") || find(q) || find(nullptr));
  zv_event_queue_push(q, &whole.header);
  EXPECT_TRUE(find(q) && find(q, 3, 99));
  zv_event_queue_destroy(q);
  zv_update_event_clear(&with);
  zv_update_event_clear(&whole);
}

// Named slots are made once and copied deeply. A table set from outside may
// hold rows that are not a name and a value: they are never read past their
// end, and a name without a value is repaired.
TEST(ExtensibleObjExtras, NamedSlotsAndMalformedRows) {
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
  any_assign_integer(&table->rows[1].items[0], 7);
  a.set_table_extra(*table);
  table_destroy(table);
  Tzv_any value;
  any_init(&value);
  any_assign_integer(&value, 42);
  a.set_extra("short", &value);
  EXPECT_EQ(a.get_table_extra()->rows[0].count, 2);
  EXPECT_EQ(any_compare(a.get_extra("short"), &value), 0);
  a.set_extra("", &value);  // nameless rows never match
  EXPECT_EQ(a.get_table_extra()->count, 4);
}
