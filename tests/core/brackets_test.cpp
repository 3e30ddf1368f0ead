// Brackets under listeners that throw, and the lifetime of removed members
// while events are on the stack.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "event_recorder.h"
#include "support/reacting_listener.h"
#include "support/test_entities.h"
#include "support/throwing_listener.h"

namespace {

constexpr int32_t B = zv_event_kind_begin_update, U = zv_event_kind_update, E = zv_event_kind_end_update;
constexpr int32_t other = 99;  // any exception but a listener's (a bracket's body)

int history_depth() { return zv_history_manager_get_depth(zv_history_manager_get_instance()); }

// A bracket that a destructor opens and closes, here while an exception unwinds.
struct Tzv_closer {
  Tzv_test_list* list;
  ~Tzv_closer() {
    Tzv_update_guard bracket(list);
    list->set_marked(!list->get_marked());
  }
};

// Whoever heard the begin event hears the end event; the first exception
// reaches the caller, one from the bracket's body before a listener's, and
// a later one must not leave a destructor that runs during unwinding; the
// object announces again afterwards. Also for a collection's failing body,
// and removed members go (clear() takes them out before its bracket opens).
TEST(ThrowingListeners, EveryBracketClosesAndTheFirstExceptionWins) {
  using Tchange = void (*)(Tzv_test_list&);
  Tchange const set = [](Tzv_test_list& l) { l.set_marked(!l.get_marked()); };
  Tchange const body = [](Tzv_test_list& l) {
    Tzv_update_guard bracket(&l);
    l.set_marked(!l.get_marked());
    throw other;
  };
  Tchange const unwinding = [](Tzv_test_list& l) {
    Tzv_closer closer{&l};
    throw other;
  };
  Tchange const add = [](Tzv_test_list& l) {
    l.fail_create_ = true;
    l.add_entity();
  };
  Tchange const remove = [](Tzv_test_list& l) { l.remove_entity(0u); };
  Tchange const clear = [](Tzv_test_list& l) { l.clear(); };
  struct Tcase {
    Tchange change;
    std::vector<int32_t> throw_on;
    int32_t thrown;
    char const* trace;
    uint32_t count;
  } const cases[] = {
      {set, {B}, B, "B E", 3},         {set, {U}, U, "B U[5] E", 3},      {set, {E}, E, "B U[5] E", 3},
      {set, {U, E}, U, "B U[5] E", 3}, {body, {E}, other, "B U[5] E", 3}, {unwinding, {E}, other, "B U[5] E", 3},
      {add, {}, other, "B E", 3},      {add, {E}, other, "B E", 3},       {remove, {B}, B, "B E", 3},
      {remove, {U}, U, "B U[1] E", 2}, {remove, {E}, E, "B U[1] E", 2},   {clear, {B}, B, "B E", 0},
  };
  for (Tcase const& c : cases) {
    SCOPED_TRACE(::testing::Message() << &c - cases);
    Tzv_test_list list;
    list.set_count(3);
    Tzv_event_recorder rec(list.get_update_event_channel());
    Tzv_throwing_listener thrower(list.get_update_event_channel(), c.throw_on);
    try {
      c.change(list);
      ADD_FAILURE() << "nothing thrown";
    } catch (Tzv_listener_error const& e) {
      EXPECT_EQ(e.kind, c.thrown);
    } catch (...) {
      EXPECT_EQ(other, c.thrown);
    }
    EXPECT_EQ(list.get_marked(), std::string(c.trace) == "B U[5] E");
    EXPECT_EQ(rec.take(), c.trace);
    EXPECT_TRUE(list.get_update_depth() == 0 && history_depth() == 0 && list.get_deferred_count() == 0);
    EXPECT_EQ(list.get_count(), c.count);
    thrower.disarm();
    list.set_valid(list.is_valid() + 1);
    EXPECT_EQ(rec.take(), "B U[4] E");
  }
  // An unmatched end leaves the history's bracket alone.
  Tzv_test_item item;
  zv_history_manager_begin_update(zv_history_manager_get_instance());
  item.end_update();
  EXPECT_EQ(history_depth(), 1);
  zv_history_manager_end_update(zv_history_manager_get_instance());
}

bool destroyed(std::vector<std::string> const& log, std::string const& name) {
  return std::find(log.begin(), log.end(), "destroy " + name) != log.end();
}

// Removed members outlive the events on the stack. A listener of the
// collection removes the member whose change it is hearing: the member
// outlives its own broadcast and goes with the collection's next end-update.
// A member removed inside an open bracket is no longer heard: its own
// bracket cannot make the collection destroy it while that bracket closes.
// A member's end-update forwarded inside the collection's bracket destroys
// the members removed before.
TEST(Members, RemovedMembersOutliveTheEventsOnTheStack) {
  std::vector<std::string> log;
  Tzv_test_group group(&log);
  group.set_count(4);
  {
    Tzv_reacting_listener remover(group.get_update_event_channel(), U, [&] { group.remove_entity(0u); });
    group.get_entity(0)->set_marked(true);
    EXPECT_TRUE(remover.acted() && group.get_count() == 3 && !destroyed(log, "list 1"));
    EXPECT_EQ(group.get_deferred_count(), 1u);
  }
  group.set_marked(true);
  EXPECT_TRUE(destroyed(log, "list 1"));

  Tzv_event_recorder rec(group.get_update_event_channel());
  bool alive_at_end = false;
  Tzv_reacting_listener check(group.get_update_event_channel(), E, [&] { alive_at_end = !destroyed(log, "list 2"); });
  group.begin_update();
  Tzv_test_list* removed = group.get_entity(0);
  group.remove_entity(0u);
  removed->add_entity();  // its B U E must not reach the group
  removed->set_marked(true);
  EXPECT_EQ(rec.trace(), "B");
  group.end_update();
  EXPECT_EQ(rec.take(), "B U[1] E");
  EXPECT_TRUE(alive_at_end && destroyed(log, "list 2") && destroyed(log, "item 1"));

  group.begin_update();
  group.remove_entity(0u);
  group.get_entity(0)->set_marked(true);  // its B U E reach the group inside the bracket
  EXPECT_TRUE(destroyed(log, "list 3"));
  group.end_update();
  EXPECT_EQ(rec.take(), "B U[1] E");  // the member's change merges into the plain 1
}

}  // namespace
