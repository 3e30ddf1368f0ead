// Update events, property lists, event channels and queues.

#include <gtest/gtest.h>

#include <string>

#include "zv/sibling/basic.h"

namespace {

std::string zv_key_text(Tzv_any const* k) {
  return k->type == zv_any_integer ? std::to_string(k->value.i) : std::string("'") + k->value.s + "'";
}

// "1,'a'{2,3{*}}": keys in order, an aggregated child in braces, * for a
// child that changed as a whole.
std::string zv_trace(Tzv_update_event_prop_list const* l) {
  std::string s;
  for (int32_t i = 0; i < zv_update_event_prop_list_get_size(l); ++i) {
    Tzv_update_event_prop const* p = zv_update_event_prop_list_get(l, i);
    if (i) s += ',';
    s += zv_key_text(zv_update_event_prop_get_key(p));
    if (zv_update_event_prop_is_aggregated(p)) {
      Tzv_update_event_prop_list const* child = zv_update_event_prop_get_child(p);
      s += '{' + (child ? zv_trace(child) : std::string("*")) + '}';
    }
  }
  return s;
}

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

TEST(BasicPropList, AddKeepsOrderWithoutDuplicates) {
  Tzv_update_event e;
  zv_update_event_init(&e);
  EXPECT_EQ(e.header.kind, zv_event_kind_update);
  EXPECT_EQ(zv_update_event_get_details(&e), nullptr);  // whole object changed
  zv_update_event_add_prop_integer(&e, 3);
  zv_update_event_add_prop_string(&e, "name");
  zv_update_event_add_prop_integer(&e, 1);
  zv_update_event_add_prop_integer(&e, 3);
  zv_update_event_add_prop_string(&e, "name");
  Tzv_update_event_prop_list* l = zv_update_event_get_details(&e);
  zv_update_event_init_details(&e);  // keeps the present list
  EXPECT_EQ(zv_update_event_get_details(&e), l);
  EXPECT_EQ(zv_trace(l), "3,'name',1");

  EXPECT_NE(zv_update_event_prop_list_find_integer(l, 1), nullptr);
  EXPECT_EQ(zv_update_event_prop_list_find_integer(l, 2), nullptr);
  EXPECT_NE(zv_update_event_prop_list_find_string(l, "name"), nullptr);
  EXPECT_EQ(zv_update_event_prop_list_find_string(l, "3"), nullptr);  // a string key is no integer key
  Tzv_any key;
  any_init(&key);
  any_assign_string(&key, "name");
  EXPECT_EQ(zv_update_event_prop_list_find(l, &key), zv_update_event_prop_list_get(l, 1));
  any_assign_integer(&key, 3);
  EXPECT_EQ(zv_update_event_prop_list_find(l, &key), zv_update_event_prop_list_get(l, 0));
  any_clear(&key);
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
  EXPECT_EQ(zv_trace(parent.details()), "1{2,3,5},'x'{3,5}");

  // Nested aggregates merge level by level.
  Tzv_test_update outer1({});
  Tzv_test_update outer2({});
  zv_update_event_aggr_prop_integer(&outer1.e, 1, parent.details());
  zv_update_event_aggr_prop_integer(&outer2.e, 1, child1.details());
  zv_update_event_prop_list_aggr_integer(zv_update_event_get_details(&outer1.e), 1, outer2.details());
  EXPECT_EQ(zv_trace(outer1.details()), "1{1{2,3,5,9},'x'{3,5}}");
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
  EXPECT_EQ(zv_trace(e.details()), "4,1{*},'s'{2}");
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

TEST(BasicPropList, NullArgumentsAreIgnored) {
  zv_update_event_init(nullptr);
  zv_update_event_clear(nullptr);
  zv_update_event_init_details(nullptr);
  zv_update_event_add_prop_integer(nullptr, 1);
  zv_update_event_add_prop_string(nullptr, "a");
  zv_update_event_aggr_prop_integer(nullptr, 1, nullptr);
  zv_update_event_aggr_prop_string(nullptr, "a", nullptr);
  zv_update_event_prop_list_add_integer(nullptr, 1);
  zv_update_event_prop_list_add_string(nullptr, "a");
  zv_update_event_prop_list_aggr_integer(nullptr, 1, nullptr);
  zv_update_event_prop_list_aggr_string(nullptr, "a", nullptr);
  zv_begin_update_event_init(nullptr);
  zv_end_update_event_init(nullptr);
  EXPECT_EQ(zv_update_event_get_details(nullptr), nullptr);
  EXPECT_EQ(zv_update_event_prop_list_find(nullptr, nullptr), nullptr);
  EXPECT_EQ(zv_update_event_prop_list_find_integer(nullptr, 1), nullptr);
  EXPECT_EQ(zv_update_event_prop_list_find_string(nullptr, "a"), nullptr);
  EXPECT_EQ(zv_update_event_prop_list_get_size(nullptr), 0);
  EXPECT_EQ(zv_update_event_prop_list_get(nullptr, 0), nullptr);
  EXPECT_EQ(zv_update_event_prop_get_key(nullptr), nullptr);
  EXPECT_EQ(zv_update_event_prop_get_child(nullptr), nullptr);
  EXPECT_FALSE(zv_update_event_prop_is_aggregated(nullptr));

  Tzv_test_update e({1});
  EXPECT_EQ(zv_update_event_prop_list_get(e.details(), 1), nullptr);
  EXPECT_EQ(zv_update_event_prop_list_get(e.details(), -1), nullptr);
  EXPECT_EQ(zv_update_event_prop_list_find(e.details(), nullptr), nullptr);
  zv_update_event_add_prop_string(&e.e, nullptr);  // the empty name
  EXPECT_NE(zv_update_event_prop_list_find_string(e.details(), ""), nullptr);
}

// --- Channels ------------------------------------------------------------------

namespace {

struct Tzv_channel_fixture;

// A client that writes its name into the fixture's trace and may then run an
// action of the test.
struct Tzv_test_client {
  Tzv_channel_fixture* fx = nullptr;
  char name = '?';
  void (*action)(Tzv_test_client&, Tzv_table*) = nullptr;
  Tzv_test_client* other = nullptr;
};

struct Tzv_channel_fixture : ::testing::Test {
  void TearDown() override { zv_event_channel_del_client(channel, nullptr, nullptr); }

  static void proc(Tzv_table* q, void* data) {
    auto& cl = *static_cast<Tzv_test_client*>(data);
    cl.fx->trace += cl.name;
    if (zv_event_queue_get_generic_event(q, 0)) cl.fx->trace += '*';
    if (cl.action) cl.action(cl, q);
  }
  Tzv_test_client& client(char name, void (*action)(Tzv_test_client&, Tzv_table*) = nullptr) {
    Tzv_test_client& cl = clients[name - 'a'];
    cl = Tzv_test_client{this, name, action, nullptr};
    return cl;
  }
  void add(Tzv_test_client& cl) { zv_event_channel_add_client(channel, &proc, &cl); }
  void broadcast_begin() {
    Tzv_begin_update_event b;
    zv_begin_update_event_init(&b);
    zv_event_channel_broadcast(channel, &b);
    zv_begin_update_event_clear(&b);
  }
  void broadcast_generic() {
    Tzv_tuple t;
    tuple_init(&t);
    zv_event_channel_broadcast(channel, &t);
  }

  Tzv_event_channel* channel = zv_event_channel_create();
  Tzv_test_client clients[8];
  std::string trace;
};

}  // namespace

TEST_F(Tzv_channel_fixture, ClientsRunInOrderWithTheirData) {
  add(client('a'));
  add(client('b'));
  add(client('c'));
  EXPECT_EQ(zv_event_channel_get_client_count(channel), 3);
  broadcast_begin();
  EXPECT_EQ(trace, "abc");
  zv_event_channel_del_client(channel, &proc, &clients[1]);
  zv_event_channel_del_client(channel, &proc, &clients[7]);  // not a client
  broadcast_begin();
  EXPECT_EQ(trace, "abcac");
  EXPECT_EQ(zv_event_channel_get_client_count(channel), 2);
}

TEST_F(Tzv_channel_fixture, ClientRemovedDuringBroadcastIsNotCalled) {
  auto remove_other = [](Tzv_test_client& cl, Tzv_table*) {
    zv_event_channel_del_client(cl.fx->channel, &proc, cl.other);
  };
  Tzv_test_client& a = client('a', remove_other);
  add(a);
  add(client('b'));
  add(client('c'));
  a.other = &clients[1];
  broadcast_begin();
  EXPECT_EQ(trace, "ac");
  EXPECT_EQ(zv_event_channel_get_client_count(channel), 2);
  a.other = &a;  // a removes itself
  broadcast_begin();
  broadcast_begin();
  EXPECT_EQ(trace, "acacc");
}

TEST_F(Tzv_channel_fixture, ClientAddedDuringBroadcastWaitsForTheNextEvent) {
  auto add_other = [](Tzv_test_client& cl, Tzv_table*) {
    zv_event_channel_add_client(cl.fx->channel, &proc, cl.other);
    cl.action = nullptr;
  };
  Tzv_test_client& a = client('a', add_other);
  a.other = &client('b');
  add(a);
  broadcast_begin();
  EXPECT_EQ(trace, "a");
  broadcast_begin();
  EXPECT_EQ(trace, "aab");
}

TEST_F(Tzv_channel_fixture, NestedBroadcastsDeliverDepthFirst) {
  // a answers the first (begin) event with a generic event; b removes c
  // during the nested broadcast, so the outer one skips c as well.
  auto rebroadcast = [](Tzv_test_client& cl, Tzv_table* q) {
    if (zv_event_queue_get_begin_update_event(q, 0)) cl.fx->broadcast_generic();
  };
  auto remove_on_generic = [](Tzv_test_client& cl, Tzv_table* q) {
    if (zv_event_queue_get_generic_event(q, 0)) zv_event_channel_del_client(cl.fx->channel, &proc, cl.other);
  };
  add(client('a', rebroadcast));
  Tzv_test_client& b = client('b', remove_on_generic);
  add(b);
  add(client('c'));
  b.other = &clients[2];
  broadcast_begin();
  EXPECT_EQ(trace, "aa*b*b");
  EXPECT_EQ(zv_event_channel_get_client_count(channel), 2);
}

TEST_F(Tzv_channel_fixture, ReleaseDuringBroadcastFreesAfterwards) {
  auto release = [](Tzv_test_client& cl, Tzv_table*) {
    zv_event_channel_del_client(cl.fx->channel, nullptr, nullptr);
    EXPECT_EQ(zv_event_channel_get_client_count(cl.fx->channel), 0);
    zv_event_channel_add_client(cl.fx->channel, &proc, &cl);  // ignored once released
    zv_event_channel_del_client(cl.fx->channel, nullptr, nullptr);
  };
  add(client('a'));
  add(client('b', release));
  add(client('c'));
  broadcast_begin();
  EXPECT_EQ(trace, "ab");
  channel = nullptr;  // freed by the broadcast; the sanitizers check it
}

TEST_F(Tzv_channel_fixture, ReleaseDuringNestedBroadcast) {
  auto rebroadcast = [](Tzv_test_client& cl, Tzv_table* q) {
    if (zv_event_queue_get_begin_update_event(q, 0)) cl.fx->broadcast_generic();
  };
  auto release_on_generic = [](Tzv_test_client& cl, Tzv_table* q) {
    if (zv_event_queue_get_generic_event(q, 0)) zv_event_channel_del_client(cl.fx->channel, nullptr, nullptr);
  };
  add(client('a', rebroadcast));
  add(client('b', release_on_generic));
  add(client('c'));
  broadcast_begin();
  EXPECT_EQ(trace, "aa*b*");
  channel = nullptr;
}

TEST_F(Tzv_channel_fixture, ThrowingClientLeavesTheChannelUsable) {
  auto remove_and_throw = [](Tzv_test_client& cl, Tzv_table*) {
    zv_event_channel_del_client(cl.fx->channel, &proc, cl.other);
    throw "client failed";
  };
  Tzv_test_client& a = client('a', remove_and_throw);
  add(a);
  add(client('b'));
  a.other = &a;
  EXPECT_THROW(broadcast_begin(), char const*);
  broadcast_begin();
  EXPECT_EQ(trace, "ab");
  EXPECT_EQ(zv_event_channel_get_client_count(channel), 1);
}

TEST(BasicChannel, QueueHoldsTheBroadcastEvent) {
  struct Tseen {
    int32_t size = -1, updates = -1;
    Tzv_update_event* update = nullptr;
    bool others_null = false;
  } seen;
  auto proc = [](Tzv_table* q, void* data) {
    auto& s = *static_cast<Tseen*>(data);
    s.size = zv_event_queue_get_size(q);
    s.updates = zv_event_queue_count_update_events(q);
    s.update = zv_event_queue_get_update_event(q, 0);
    s.others_null = !zv_event_queue_get_begin_update_event(q, 0) && !zv_event_queue_get_end_update_event(q, 0) &&
                    !zv_event_queue_get_generic_event(q, 0) && !zv_event_queue_get_update_event(q, 1) &&
                    !zv_event_queue_get_update_event(q, -1);
  };
  Tzv_event_channel* c = zv_event_channel_create();
  zv_event_channel_add_client(c, proc, &seen);
  Tzv_update_event e;
  zv_update_event_init(&e);
  zv_update_event_add_prop_integer(&e, 2);
  zv_event_channel_broadcast(c, &e);
  EXPECT_EQ(seen.size, 1);
  EXPECT_EQ(seen.updates, 1);
  EXPECT_EQ(seen.update, &e);
  EXPECT_TRUE(seen.others_null);
  zv_update_event_clear(&e);
  zv_event_channel_del_client(c, nullptr, nullptr);
}

TEST(BasicChannel, HandBuiltQueue) {
  Tzv_begin_update_event b;
  Tzv_update_event u;
  Tzv_end_update_event e;
  Tzv_tuple t;
  zv_begin_update_event_init(&b);
  zv_update_event_init(&u);
  zv_end_update_event_init(&e);
  tuple_init(&t);
  Tzv_table* q = zv_event_queue_create();
  zv_event_queue_push(q, &b.header);
  zv_event_queue_push(q, &u.header);
  zv_event_queue_push_tuple(q, &t);
  zv_event_queue_push(q, &u.header);
  zv_event_queue_push(q, &e.header);
  zv_event_queue_push(q, nullptr);
  zv_event_queue_push_tuple(q, nullptr);
  ASSERT_EQ(zv_event_queue_get_size(q), 5);
  EXPECT_EQ(zv_event_queue_count_update_events(q), 2);
  EXPECT_EQ(zv_event_queue_get_begin_update_event(q, 0), &b);
  EXPECT_EQ(zv_event_queue_get_update_event(q, 1), &u);
  EXPECT_EQ(zv_event_queue_get_generic_event(q, 2), &t);
  EXPECT_EQ(zv_event_queue_get_update_event(q, 2), nullptr);
  EXPECT_EQ(zv_event_queue_get_end_update_event(q, 4), &e);
  EXPECT_EQ(zv_event_queue_get_end_update_event(q, 5), nullptr);
  zv_event_queue_destroy(q);
  zv_update_event_clear(&u);
}

TEST(BasicChannel, NullArgumentsAreIgnored) {
  auto proc = [](Tzv_table*, void* data) { ++*static_cast<int*>(data); };
  int calls = 0;
  Tzv_begin_update_event b;
  zv_begin_update_event_init(&b);
  zv_event_channel_add_client(nullptr, proc, &calls);
  zv_event_channel_del_client(nullptr, proc, &calls);
  zv_event_channel_del_client(nullptr, nullptr, nullptr);
  zv_event_channel_broadcast(nullptr, &b);
  zv_event_channel_broadcast_tuple(nullptr, nullptr);
  EXPECT_EQ(zv_event_channel_get_client_count(nullptr), 0);

  Tzv_event_channel* c = zv_event_channel_create();
  zv_event_channel_add_client(c, nullptr, &calls);  // no procedure, no client
  zv_event_channel_add_client(c, proc, &calls);
  zv_event_channel_broadcast_event(c, nullptr);
  zv_event_channel_broadcast_tuple(c, nullptr);
  Tzv_event bogus{99};
  zv_event_channel_broadcast_event(c, &bogus);  // no event of a known kind
  EXPECT_EQ(calls, 0);
  zv_event_channel_broadcast(c, &b);
  EXPECT_EQ(calls, 1);
  zv_event_channel_del_client(c, nullptr, nullptr);

  EXPECT_EQ(zv_event_queue_get_size(nullptr), 0);
  EXPECT_EQ(zv_event_queue_count_update_events(nullptr), 0);
  EXPECT_EQ(zv_event_queue_get_update_event(nullptr, 0), nullptr);
  EXPECT_EQ(zv_event_queue_get_generic_event(nullptr, 0), nullptr);
  zv_event_queue_push(nullptr, &b.header);
  zv_event_queue_push_tuple(nullptr, nullptr);
  zv_event_queue_destroy(nullptr);
}
