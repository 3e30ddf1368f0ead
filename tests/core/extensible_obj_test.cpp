#include <gtest/gtest.h>

#include <cstring>

#include "core/extensible_obj.h"
#include "event_recorder.h"

namespace {

struct ExtensibleObj : ::testing::Test {
  Tzv_extensible_obj obj;
  Tzv_event_recorder rec{obj.get_update_event_channel()};
};

TEST_F(ExtensibleObj, BracketsGatherChangesIntoOneUpdate) {
  obj.begin_update();
  obj.broadcast_update_event(1);
  EXPECT_EQ(rec.trace(), "B");
  obj.begin_update();
  obj.broadcast_update_event(2);
  obj.end_update();
  obj.broadcast_update_event("name");
  EXPECT_EQ(rec.trace(), "B");
  obj.end_update();
  EXPECT_EQ(rec.take(), "B U[1,2,name] E");

  obj.broadcast_update_event(5);
  EXPECT_EQ(rec.take(), "U[5]");

  obj.begin_update();
  obj.end_update();
  obj.end_update();  // unmatched: ignored
  EXPECT_EQ(rec.take(), "B E");
  EXPECT_EQ(obj.get_update_depth(), 0u);

  obj.broadcast_update_event();
  EXPECT_EQ(rec.take(), "U[]");
}

TEST_F(ExtensibleObj, ListenerChangesDuringTheUpdateGoOutAtOnce) {
  struct Echo {
    Tzv_extensible_obj* obj;
    bool done = false;
    static void proc(Tzv_table* q, void* data) {
      auto* self = static_cast<Echo*>(data);
      if (!self->done && zv_event_queue_get_update_event(q, 0)) {
        self->done = true;
        self->obj->broadcast_update_event(7);
      }
    }
  } echo{&obj};
  zv_event_channel_add_client(obj.get_update_event_channel(), &Echo::proc, &echo);
  obj.begin_update();
  obj.broadcast_update_event(1);
  obj.end_update();
  zv_event_channel_del_client(obj.get_update_event_channel(), &Echo::proc, &echo);
  // The recorder subscribed first, so it sees the outer update before the echo.
  EXPECT_EQ(rec.take(), "B U[1] U[7] E");
}

TEST_F(ExtensibleObj, ForwardsAChildQueue) {
  Tzv_begin_update_event b;
  Tzv_update_event u;
  Tzv_end_update_event e;
  zv_begin_update_event_init(&b);
  zv_update_event_init(&u);
  zv_end_update_event_init(&e);
  zv_update_event_add_prop_integer(&u, 5);
  Tzv_table* full = zv_event_queue_create();
  for (Tzv_event* ev : {&b.header, &u.header, &e.header}) zv_event_queue_push(full, ev);
  Tzv_table* brackets = zv_event_queue_create();
  for (Tzv_event* ev : {&b.header, &e.header}) zv_event_queue_push(brackets, ev);

  obj.broadcast_update_event(1, *full);
  EXPECT_EQ(rec.take(), "B U[1{5}] E");
  obj.broadcast_update_event(1, *brackets);
  EXPECT_EQ(rec.take(), "B E");  // no update event in the queue, none forwarded

  obj.begin_update();
  obj.broadcast_update_event("child", *full);
  obj.broadcast_update_event(2);
  obj.end_update();
  EXPECT_EQ(rec.take(), "B U[child{5},2] E");

  zv_event_queue_destroy(full);
  zv_event_queue_destroy(brackets);
  zv_update_event_clear(&u);
  zv_begin_update_event_clear(&b);
  zv_end_update_event_clear(&e);
}

TEST_F(ExtensibleObj, GenericEventsAreNotBracketed) {
  obj.begin_update();
  obj.broadcast_event(42);
  Tzv_tuple data;
  tuple_init(&data);
  tuple_resize(&data, 1);
  any_assign_integer(&data.items[0], 9);
  obj.broadcast_event(43, data);
  tuple_clear(&data);
  obj.end_update();
  EXPECT_EQ(rec.take(), "B G(42) G(43) E");
}

TEST(ExtensibleObjExtras, NamedSlotsAreMadeOnceAndCopied) {
  Tzv_extensible_obj a;
  Tzv_table* table = a.get_table_extra();
  Tzv_any* slot = a.get_extra("colour");
  EXPECT_EQ(table->count, 1);
  EXPECT_EQ(slot->type, zv_any_empty);
  EXPECT_EQ(a.get_extra("colour"), slot);
  EXPECT_EQ(table->count, 1);
  a.get_extra("Colour");  // names are case-sensitive
  EXPECT_EQ(table->count, 2);

  Tzv_any v;
  any_init(&v);
  any_assign_string(&v, "red");
  a.set_extra("colour", &v);
  any_clear(&v);
  EXPECT_STREQ(a.get_extra("colour")->value.s, "red");

  Tzv_extensible_obj b;
  EXPECT_FALSE(b.equal(&a));
  b.assign(&a);
  EXPECT_TRUE(b.equal(&a));
  EXPECT_STREQ(b.get_extra("colour")->value.s, "red");
  a.get_extra("colour")->value.s[0] = 'b';  // deep copy: b keeps its own text
  EXPECT_STREQ(b.get_extra("colour")->value.s, "red");
  b.set_table_extra(*a.get_table_extra());
  EXPECT_TRUE(b.equal(&a));
}

// find_update: criteria pairs closed by -1 and null.
TEST(ExtensibleObjFindUpdate, MatchesEventsHoldingEveryProperty) {
  Tzv_update_event with, whole;
  zv_update_event_init(&with);
  zv_update_event_init(&whole);
  zv_update_event_add_prop_integer(&with, 1);
  zv_update_event_add_prop_string(&with, "name");
  Tzv_table* q = zv_event_queue_create();
  zv_event_queue_push(q, &with.header);

  EXPECT_TRUE(Tzv_extensible_obj::find_update(q, 3, 1, -1, nullptr));
  EXPECT_TRUE(Tzv_extensible_obj::find_update(q, 3, 1, 2, "name", -1, nullptr));
  EXPECT_FALSE(Tzv_extensible_obj::find_update(q, 3, 1, 3, 2, -1, nullptr));
  EXPECT_FALSE(Tzv_extensible_obj::find_update(q, 2, "other", -1, nullptr));
  EXPECT_FALSE(Tzv_extensible_obj::find_update(q, -1, nullptr));  // empty: only whole-object events
  Tzv_any key;
  any_init(&key);
  any_assign_integer(&key, 1);
  EXPECT_TRUE(Tzv_extensible_obj::find_update(q, -1, &key, -1, nullptr));

  zv_event_queue_push(q, &whole.header);  // no details: the whole object changed
  EXPECT_TRUE(Tzv_extensible_obj::find_update(q, -1, nullptr));
  EXPECT_TRUE(Tzv_extensible_obj::find_update(q, 3, 99, -1, nullptr));
  EXPECT_FALSE(Tzv_extensible_obj::find_update(nullptr, -1, nullptr));

  zv_event_queue_destroy(q);
  zv_update_event_clear(&with);
  zv_update_event_clear(&whole);
}

}  // namespace

// A table set from outside may hold rows that are not a name and a value.
TEST(ExtensibleObjExtras, MalformedRowsAreNeverReadPastTheirEnd) {
  Tzv_extensible_obj obj;
  Tzv_table* table = table_create();
  table_resize(table, 3);
  tuple_resize(&table->rows[0], 1);  // a name without a value
  any_assign_string(&table->rows[0].items[0], "short");
  tuple_resize(&table->rows[1], 2);  // no name
  any_assign_integer(&table->rows[1].items[0], 7);
  obj.set_table_extra(*table);  // row 2 is empty
  table_destroy(table);

  Tzv_any value;
  any_init(&value);
  any_assign_integer(&value, 42);
  obj.set_extra("short", &value);  // the row is repaired with a value
  EXPECT_EQ(obj.get_table_extra()->count, 3);
  EXPECT_EQ(obj.get_table_extra()->rows[0].count, 2);
  EXPECT_EQ(any_compare(obj.get_extra("short"), &value), 0);
  obj.set_extra("", &value);  // nameless rows never match
  EXPECT_EQ(obj.get_table_extra()->count, 4);
  any_clear(&value);
}
