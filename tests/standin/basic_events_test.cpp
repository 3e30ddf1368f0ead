// Update events, property lists, event channels and queues.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <utility>

#include "event_recorder.h"
#include "support/null_rule.h"
#include "zv/sibling/basic/event_channel.h"

namespace {

// "1,a{2,3{*}}": keys in order, an aggregated child in braces, * for a
// child that changed as a whole.
std::string zv_trace(Tzv_update_event_prop_list const* l) { return Tzv_event_recorder::format_props(l); }

// An update event with details built from `ids` (plain integer properties).
struct Tzv_test_update {
  explicit Tzv_test_update(std::initializer_list<int32_t> ids) {
    zv_update_event_init(&e);
    for (int32_t id : ids) zv_update_event_add_prop_integer(&e, id);
  }
  ~Tzv_test_update() { zv_update_event_clear(&e); }
  Tzv_update_event_prop_list const* details() const { return zv_update_event_get_details(&e); }
  Tzv_update_event e;
};

}  // namespace

// --- Property lists ------------------------------------------------------------

// The core and scene traces pin the order of the keys, each key once, a
// bracket's details kept, and the look-ups by key; left here: the kinds of
// key stay apart, and a cleared event has no details.
TEST(BasicPropList, KeysKeepTheirKindAndClearDropsTheDetails) {
  Tzv_update_event e;
  zv_update_event_init(&e);
  EXPECT_EQ(zv_update_event_get_details(&e), nullptr);  // whole object changed
  zv_update_event_add_prop_integer(&e, 3);
  zv_update_event_add_prop_string(&e, "4");
  Tzv_update_event_prop_list* l = zv_update_event_get_details(&e);
  EXPECT_EQ(zv_update_event_prop_list_find_string(l, "3"), nullptr);
  EXPECT_EQ(zv_update_event_prop_list_find_integer(l, 4), nullptr);
  zv_update_event_clear(&e);
  EXPECT_EQ(zv_update_event_get_details(&e), nullptr);
}

TEST(BasicPropList, AggregationCopiesAndMergesChildren) {
  Tzv_test_update child1({2, 3});
  Tzv_test_update child2({3, 5});
  Tzv_test_update parent({});
  zv_update_event_aggr_prop_integer(&parent.e, 1, child1.details());
  zv_update_event_add_prop_integer(&child1.e, 9);  // the parent holds its own copy
  zv_update_event_aggr_prop_integer(&parent.e, 1, child2.details());
  zv_update_event_aggr_prop_string(&parent.e, "x", child2.details());
  EXPECT_EQ(zv_trace(parent.details()), "1{2,3,5},x{3,5}");

  // Nested aggregates merge level by level.
  Tzv_test_update outer1({});
  Tzv_test_update outer2({});
  zv_update_event_aggr_prop_integer(&outer1.e, 1, parent.details());
  zv_update_event_aggr_prop_integer(&outer2.e, 1, child1.details());
  zv_update_event_prop_list_aggr_integer(zv_update_event_get_details(&outer1.e), 1, outer2.details());
  EXPECT_EQ(zv_trace(outer1.details()), "1{1{2,3,5,9},x{3,5}}");
}

TEST(BasicPropList, WholeChildAbsorbsDetails) {
  Tzv_test_update child({2});
  Tzv_test_update e({4});
  zv_update_event_aggr_prop_integer(&e.e, 1, child.details());
  zv_update_event_aggr_prop_integer(&e.e, 1, nullptr);
  EXPECT_EQ(zv_trace(e.details()), "4,1{*}");
  zv_update_event_aggr_prop_integer(&e.e, 1, child.details());
  EXPECT_EQ(zv_trace(e.details()), "4,1{*}");

  // A plain property already says the whole property changed; a plain add
  // onto an aggregated one keeps its details.
  zv_update_event_aggr_prop_integer(&e.e, 4, child.details());
  zv_update_event_aggr_prop_string(&e.e, "s", child.details());
  zv_update_event_add_prop_string(&e.e, "s");
  EXPECT_EQ(zv_trace(e.details()), "4,1{*},s{2}");
}

TEST(BasicPropList, AggregatingAListIntoItselfIsSafe) {
  Tzv_test_update e({1, 2});
  Tzv_update_event_prop_list* l = zv_update_event_get_details(&e.e);
  zv_update_event_prop_list_aggr_integer(l, 3, l);
  zv_update_event_prop_list_aggr_integer(l, 3, l);
  Tzv_update_event_prop const* p3 = zv_update_event_prop_list_find_integer(l, 3);
  zv_update_event_prop_list_aggr_integer(l, 4, zv_update_event_prop_get_child(p3));
  EXPECT_EQ(zv_trace(l), "1,2,3{1,2,3{1,2}},4{1,2,3{1,2}}");
}

TEST(BasicPropList, NullArgumentsAndBadIndexesAreIgnored) {
  zv_call_each_on_null(zv_update_event_init, zv_update_event_clear, zv_update_event_init_details,
                       zv_update_event_add_prop_integer, zv_update_event_add_prop_string,
                       zv_update_event_aggr_prop_integer, zv_update_event_aggr_prop_string,
                       zv_update_event_prop_list_add_integer, zv_update_event_prop_list_add_string,
                       zv_update_event_prop_list_aggr_integer, zv_update_event_prop_list_aggr_string,
                       zv_begin_update_event_init, zv_end_update_event_init);
  zv_expect_each_zero_on_null(
      zv_update_event_get_details, zv_update_event_prop_list_find, zv_update_event_prop_list_find_integer,
      zv_update_event_prop_list_find_string, zv_update_event_prop_list_get_size, zv_update_event_prop_list_get,
      zv_update_event_prop_get_key, zv_update_event_prop_get_child, zv_update_event_prop_is_aggregated);
  Tzv_test_update e({1});
  EXPECT_EQ(zv_update_event_prop_list_get(e.details(), 1), nullptr);
  EXPECT_EQ(zv_update_event_prop_list_get(e.details(), -1), nullptr);
  EXPECT_EQ(zv_update_event_prop_list_find(e.details(), nullptr), nullptr);
  zv_update_event_add_prop_string(&e.e, nullptr);  // the empty name
  EXPECT_NE(zv_update_event_prop_list_find_string(e.details(), ""), nullptr);
}

// --- Channels ------------------------------------------------------------------

namespace {

struct BasicChannelClients;

// A client writes its name (and * for a generic event) into the trace, then
// runs the test's action.
struct Tzv_test_client {
  BasicChannelClients* t;
  char name;
  std::function<void(Tzv_table*)> action;
};

struct BasicChannelClients : ::testing::Test {
  ~BasicChannelClients() override { zv_event_channel_del_client(channel, nullptr, nullptr); }

  static void proc(Tzv_table* q, void* data);
  Tzv_test_client* add(char name, std::function<void(Tzv_table*)> action = {}) {
    clients.push_back({this, name, std::move(action)});  // a deque: clients stay in place
    zv_event_channel_add_client(channel, &proc, &clients.back());
    return &clients.back();
  }
  void del(Tzv_test_client* c) { zv_event_channel_del_client(channel, &proc, c); }
  void release() { zv_event_channel_del_client(channel, nullptr, nullptr); }
  void broadcast_begin() {
    Tzv_begin_update_event b;
    zv_begin_update_event_init(&b);
    zv_event_channel_broadcast(channel, &b);
  }
  void broadcast_generic() {
    Tzv_tuple t;
    tuple_init(&t);
    zv_event_channel_broadcast(channel, &t);
  }

  Tzv_event_channel* channel = zv_event_channel_create();
  std::deque<Tzv_test_client> clients;
  std::string trace;
};

void BasicChannelClients::proc(Tzv_table* q, void* data) {
  auto* c = static_cast<Tzv_test_client*>(data);
  c->t->trace += c->name;
  if (zv_event_queue_get_generic_event(q, 0)) c->t->trace += '*';
  if (c->action) c->action(q);
}

bool zv_is_generic(Tzv_table* q) { return zv_event_queue_get_generic_event(q, 0) != nullptr; }

}  // namespace

TEST_F(BasicChannelClients, ClientsChangedDuringBroadcast) {
  // b removes c and adds d: c is skipped at once, d waits for the next event.
  add('a');
  Tzv_test_client* b = add('b');
  Tzv_test_client* c = add('c');
  int round = 0;
  b->action = [&, this](Tzv_table*) {
    if (round++ > 0) return del(b);
    del(c);
    add('d');
  };
  broadcast_begin();
  EXPECT_EQ(zv_event_channel_get_client_count(channel), 3);
  broadcast_begin();
  broadcast_begin();
  EXPECT_EQ(trace,
            "ab"
            "abd"
            "ad");
  del(c);  // no longer a client
  EXPECT_EQ(zv_event_channel_get_client_count(channel), 2);
}

TEST_F(BasicChannelClients, NestedBroadcastsDeliverDepthFirst) {
  // a answers the begin event with a generic one; b removes c in the nested
  // broadcast, so the outer one skips c as well.
  add('a', [this](Tzv_table* q) {
    if (!zv_is_generic(q)) broadcast_generic();
  });
  Tzv_test_client* c = nullptr;
  add('b', [this, &c](Tzv_table* q) {
    if (zv_is_generic(q)) del(c);
  });
  c = add('c');
  broadcast_begin();
  EXPECT_EQ(trace, "aa*b*b");
  EXPECT_EQ(zv_event_channel_get_client_count(channel), 2);
}

TEST_F(BasicChannelClients, ReleaseDuringBroadcastFreesAfterwards) {
  add('a');
  add('b', [this](Tzv_table*) {
    release();
    EXPECT_EQ(zv_event_channel_get_client_count(channel), 0);
    add('x');   // ignored once released
    release();  // ditto
  });
  add('c');
  broadcast_begin();
  EXPECT_EQ(trace, "ab");
  channel = nullptr;  // freed by the broadcast; the sanitizers check it
}

TEST_F(BasicChannelClients, ReleaseDuringNestedBroadcast) {
  add('a', [this](Tzv_table* q) {
    if (!zv_is_generic(q)) broadcast_generic();
  });
  add('b', [this](Tzv_table* q) {
    if (zv_is_generic(q)) release();
  });
  add('c');
  broadcast_begin();
  EXPECT_EQ(trace, "aa*b*");
  channel = nullptr;
}

TEST_F(BasicChannelClients, ThrowingClientLeavesTheChannelUsable) {
  Tzv_test_client* a = add('a');
  a->action = [this, a](Tzv_table*) {
    del(a);
    throw "client failed";
  };
  add('b');
  EXPECT_THROW(broadcast_begin(), char const*);
  broadcast_begin();
  EXPECT_EQ(trace, "ab");
  EXPECT_EQ(zv_event_channel_get_client_count(channel), 1);
}

// Queues hand events out by index and kind; null events are not queued.
TEST(BasicChannel, HandBuiltQueue) {
  Tzv_begin_update_event b;
  Tzv_test_update u({});
  Tzv_tuple t;
  zv_begin_update_event_init(&b);
  tuple_init(&t);
  Tzv_table* q = zv_event_queue_create();
  zv_event_queue_push(q, &b.header);
  zv_event_queue_push(q, nullptr);
  zv_event_queue_push_tuple(q, &t);
  zv_event_queue_push_tuple(q, nullptr);
  zv_event_queue_push(q, &u.e.header);
  ASSERT_EQ(zv_event_queue_get_size(q), 3);
  EXPECT_EQ(zv_event_queue_count_update_events(q), 1);
  EXPECT_EQ(zv_event_queue_get_begin_update_event(q, 0), &b);
  EXPECT_EQ(zv_event_queue_get_generic_event(q, 1), &t);
  EXPECT_EQ(zv_event_queue_get_update_event(q, 1), nullptr);
  EXPECT_EQ(zv_event_queue_get_update_event(q, 2), &u.e);
  EXPECT_EQ(zv_event_queue_get_end_update_event(q, 3), nullptr);
  zv_event_queue_destroy(q);
}

TEST(BasicChannel, NullArgumentsAreIgnored) {
  zv_call_each_on_null(zv_event_channel_add_client, zv_event_channel_del_client, zv_event_channel_broadcast_event,
                       zv_event_channel_broadcast_tuple, zv_event_queue_push, zv_event_queue_push_tuple,
                       zv_event_queue_destroy);
  zv_expect_each_zero_on_null(zv_event_channel_get_client_count, zv_event_queue_get_size,
                              zv_event_queue_count_update_events, zv_event_queue_get_update_event,
                              zv_event_queue_get_begin_update_event, zv_event_queue_get_end_update_event,
                              zv_event_queue_get_generic_event);

  // A live channel takes no client without procedure and passes no event of an unknown kind on.
  auto proc = [](Tzv_table*, void* data) { ++*static_cast<int*>(data); };
  int calls = 0;
  Tzv_event_channel* c = zv_event_channel_create();
  zv_event_channel_add_client(c, nullptr, &calls);
  zv_event_channel_add_client(c, proc, &calls);
  zv_event_channel_broadcast_event(c, nullptr);
  zv_event_channel_broadcast_tuple(c, nullptr);
  Tzv_event bogus{99};
  zv_event_channel_broadcast_event(c, &bogus);
  EXPECT_EQ(calls, 0);
  Tzv_begin_update_event b;
  zv_begin_update_event_init(&b);
  zv_event_channel_broadcast(c, &b);
  EXPECT_EQ(calls, 1);
  zv_event_channel_del_client(c, nullptr, nullptr);
}
