// Brackets under listeners that throw, and the lifetime of removed members
// while events are on the stack.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "event_recorder.h"
#include "support/test_entities.h"

namespace {

int history_depth() { return zv_history_manager_get_depth(zv_history_manager_get_instance()); }

// A listener that throws "on begin", "on update" or "on end" the next time
// it hears that kind of event, once per armed kind.
struct Tzv_thrower {
  bool begin = false, update = false, end = false;

  explicit Tzv_thrower(Tzv_event_channel* channel) : channel_(channel) {
    zv_event_channel_add_client(channel_, &proc, this);
  }
  ~Tzv_thrower() { zv_event_channel_del_client(channel_, &proc, this); }

  static void proc(Tzv_table* q, void* data) {
    auto* self = static_cast<Tzv_thrower*>(data);
    if (zv_event_queue_get_begin_update_event(q, 0) && std::exchange(self->begin, false)) throw "on begin";
    if (zv_event_queue_get_update_event(q, 0) && std::exchange(self->update, false)) throw "on update";
    if (zv_event_queue_get_end_update_event(q, 0) && std::exchange(self->end, false)) throw "on end";
  }

 private:
  Tzv_event_channel* channel_;
};

// The text of the exception that `f` throws, "" when it throws none.
template <class F>
std::string thrown(F&& f) {
  try {
    f();
  } catch (char const* text) {
    return text;
  }
  return "";
}

struct ThrowingListeners : ::testing::Test {
  Tzv_test_item item;
  Tzv_event_recorder rec{item.get_update_event_channel()};
  Tzv_thrower thrower{item.get_update_event_channel()};

  // The bracket and the history's are closed, and the item announces again.
  void expect_sound() {
    EXPECT_EQ(item.get_update_depth(), 0u);
    EXPECT_EQ(history_depth(), 0);
    item.set_valid(item.is_valid() + 1);
    EXPECT_EQ(rec.take(), "B U[4] E");
  }
};

// Whoever heard the begin event hears the end event, and when two listeners
// throw the first exception reaches the caller.
TEST_F(ThrowingListeners, EveryBracketClosesAndTheFirstExceptionWins) {
  struct Tcase {
    bool begin, update, end;
    char const* thrown;
    bool stored;
    char const* trace;
  } const cases[] = {
      {true, false, false, "on begin", false, "B E"},
      {false, true, false, "on update", true, "B U[5] E"},
      {false, false, true, "on end", true, "B U[5] E"},
      {false, true, true, "on update", true, "B U[5] E"},
  };
  for (Tcase const& c : cases) {
    SCOPED_TRACE(::testing::Message() << c.begin << c.update << c.end);
    item.set_marked(false);
    rec.clear();
    thrower.begin = c.begin;
    thrower.update = c.update;
    thrower.end = c.end;
    EXPECT_EQ(thrown([&] { item.set_marked(true); }), c.thrown);
    EXPECT_EQ(item.get_marked(), c.stored);
    EXPECT_EQ(rec.take(), c.trace);
    expect_sound();
  }

  // The body throws, then a listener on the closing end event.
  thrower.end = true;
  EXPECT_EQ(thrown([&] {
              Tzv_update_guard bracket(&item);
              item.set_marked(false);
              throw "body";
            }),
            "body");
  EXPECT_EQ(rec.take(), "B U[5] E");
  expect_sound();
}

// A bracket that a destructor opens and closes while an exception unwinds:
// a listener throwing on its end event meets the unwinding exception, which
// wins; the later one must not leave the destructor.
TEST_F(ThrowingListeners, ABracketInADestructorDuringUnwindingDropsALaterException) {
  struct Tzv_closer {
    Tzv_test_item* item;
    ~Tzv_closer() {
      Tzv_update_guard bracket(item);
      item->set_marked(!item->get_marked());
    }
  };
  thrower.end = true;
  EXPECT_EQ(thrown([&] {
              Tzv_closer closer{&item};
              throw "body";
            }),
            "body");
  EXPECT_EQ(rec.take(), "B U[5] E");
  expect_sound();
}

TEST_F(ThrowingListeners, AnUnmatchedEndLeavesTheHistoryAlone) {
  zv_history_manager_begin_update(zv_history_manager_get_instance());
  item.end_update();
  EXPECT_EQ(history_depth(), 1);
  zv_history_manager_end_update(zv_history_manager_get_instance());
  EXPECT_EQ(rec.take(), "");
}

struct Members : ::testing::Test {
  std::vector<std::string> log;

  bool destroyed(std::string const& name) const {
    return std::find(log.begin(), log.end(), "destroy " + name) != log.end();
  }
};

TEST_F(Members, RemovedMembersGoAlsoWhenAListenerThrows) {
  Tzv_test_list list(&log);
  list.set_count(3);
  Tzv_event_recorder rec(list.get_update_event_channel());
  for (auto arm : {&Tzv_thrower::begin, &Tzv_thrower::update, &Tzv_thrower::end}) {
    Tzv_thrower thrower(list.get_update_event_channel());
    thrower.*arm = true;
    EXPECT_NE(thrown([&] { list.remove_entity(0u); }), "");
    EXPECT_EQ(list.get_update_depth(), 0u);
    EXPECT_EQ(history_depth(), 0);
    EXPECT_EQ(list.get_deferred_count(), 0u);
  }
  EXPECT_EQ(rec.take(), "B E B U[1] E B U[1] E");  // the refused begin removed nothing
  EXPECT_EQ(list.get_count(), 1u);
  EXPECT_TRUE(destroyed("item 1"));
  EXPECT_TRUE(destroyed("item 2"));

  // clear() takes every member out before its bracket opens.
  Tzv_thrower thrower(list.get_update_event_channel());
  thrower.begin = true;
  EXPECT_EQ(thrown([&] { list.clear(); }), "on begin");
  EXPECT_EQ(list.get_count(), 0u);
  EXPECT_TRUE(destroyed("item 3"));
}

TEST_F(Members, AFailingBodyAndAThrowingListenerLeaveTheBodysException) {
  Tzv_test_list list(&log);
  Tzv_thrower thrower(list.get_update_event_channel());
  thrower.end = true;
  list.fail_create_ = true;
  EXPECT_EQ(thrown([&] { list.add_entity(); }), "create failed");
  EXPECT_EQ(list.get_update_depth(), 0u);
  EXPECT_EQ(history_depth(), 0);
}

// A member removed inside an open bracket is no longer heard: its own
// bracket cannot make the collection destroy it while that bracket closes.
TEST_F(Members, ARemovedMemberIsNotDestroyedByItsOwnEvents) {
  Tzv_test_group group(&log);
  group.set_count(2);
  Tzv_event_recorder rec(group.get_update_event_channel());
  struct Alive {
    std::vector<std::string>* log;
    bool checked = false, was_alive = false;
    static void proc(Tzv_table* q, void* data) {
      auto* self = static_cast<Alive*>(data);
      if (!zv_event_queue_get_end_update_event(q, 0)) return;
      self->checked = true;
      self->was_alive = std::find(self->log->begin(), self->log->end(), "destroy list 1") == self->log->end();
    }
  } alive{&log};
  zv_event_channel_add_client(group.get_update_event_channel(), &Alive::proc, &alive);

  group.begin_update();
  Tzv_test_list* removed = group.get_entity(0);
  group.remove_entity(0u);
  removed->add_entity();  // its B U E must not reach the group
  removed->set_marked(true);
  EXPECT_FALSE(destroyed("list 1"));
  EXPECT_EQ(rec.trace(), "B");
  group.end_update();
  EXPECT_EQ(rec.take(), "B U[1] E");
  EXPECT_TRUE(alive.checked);
  EXPECT_TRUE(alive.was_alive);  // still there while the end-update event went out
  EXPECT_TRUE(destroyed("list 1"));
  EXPECT_TRUE(destroyed("item 1"));  // with its own member
  zv_event_channel_del_client(group.get_update_event_channel(), &Alive::proc, &alive);
}

// A listener of the collection removes the member whose change it is
// hearing: the member outlives its own broadcast and goes with the
// collection's next end-update.
TEST_F(Members, TheSenderOfAnEventOutlivesItsBroadcast) {
  Tzv_test_group group(&log);
  group.set_count(2);
  struct Remover {
    Tzv_test_group* group;
    static void proc(Tzv_table* q, void* data) {
      auto* self = static_cast<Remover*>(data);
      if (zv_event_queue_get_update_event(q, 0) && self->group->get_count() == 2) self->group->remove_entity(0u);
    }
  } remover{&group};
  zv_event_channel_add_client(group.get_update_event_channel(), &Remover::proc, &remover);
  Tzv_event_recorder rec(group.get_update_event_channel());

  group.get_entity(0)->set_marked(true);
  EXPECT_EQ(group.get_count(), 1u);
  EXPECT_FALSE(destroyed("list 1"));
  EXPECT_EQ(group.get_deferred_count(), 1u);
  zv_event_channel_del_client(group.get_update_event_channel(), &Remover::proc, &remover);

  group.set_marked(true);
  EXPECT_TRUE(destroyed("list 1"));
  EXPECT_EQ(group.get_deferred_count(), 0u);
}

TEST_F(Members, AForwardedEndUpdateDestroysMembersRemovedBefore) {
  Tzv_test_list list(&log);
  list.set_count(2);
  Tzv_event_recorder rec(list.get_update_event_channel());
  list.begin_update();
  list.remove_entity(0u);
  list.get_entity(0)->set_marked(true);  // its B U E reach the list inside the bracket
  EXPECT_TRUE(destroyed("item 1"));
  list.end_update();
  EXPECT_EQ(rec.take(), "B U[1] E");  // the member's change merges into the plain 1
}

}  // namespace
