// Brackets under listeners that throw, and removed members outliving the
// events on the stack.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <tuple>

#include "event_recorder.h"
#include "support/reacting_listener.h"
#include "support/test_entities.h"
#include "support/throwing_listener.h"

namespace {

constexpr int32_t B = zv_event_kind_begin_update, U = zv_event_kind_update, E = zv_event_kind_end_update;
constexpr int32_t other = 99;  // any exception but a listener's (a bracket's body)

int history_depth() { return zv_history_manager_get_depth(zv_history_manager_get_instance()); }

// Whoever heard the begin event hears the end event; the first exception
// reaches the caller, a body's before a listener's (also when a destructor
// closes a bracket during unwinding: the later one must not leave it);
// removed members go, and the object announces again afterwards.
TEST(ThrowingListeners, EveryBracketClosesAndTheFirstExceptionWins) {
  using Tchange = void (*)(Tzv_test_list&);
  Tchange const set = [](Tzv_test_list& l) { l.set_marked(!l.get_marked()); };
  Tchange const body = [](Tzv_test_list& l) {
    Tzv_update_guard bracket(&l);
    l.set_marked(!l.get_marked());
    throw other;
  };
  Tchange const unwinding = [](Tzv_test_list& l) {
    std::unique_ptr<Tzv_test_list, void (*)(Tzv_test_list*)> closer(&l, [](Tzv_test_list* c) {
      Tzv_update_guard bracket(c);
      c->set_marked(!c->get_marked());
    });
    throw other;
  };
  Tchange const add = [](Tzv_test_list& l) { l.fail_create_ = true, l.add_entity(); };
  Tchange const remove = [](Tzv_test_list& l) { l.remove_entity(0u); };
  Tchange const clear = [](Tzv_test_list& l) { l.clear(); };  // takes the members out before its bracket opens
  // The change, the kinds of event a listener throws on, what is thrown, the trace, the members left.
  using Tcase = std::tuple<Tchange, std::vector<int32_t>, int32_t, char const*, uint32_t>;
  Tcase const cases[] = {
      {set, {B}, B, "B E", 3},         {set, {U}, U, "B U[5] E", 3},      {set, {E}, E, "B U[5] E", 3},
      {set, {U, E}, U, "B U[5] E", 3}, {body, {E}, other, "B U[5] E", 3}, {unwinding, {E}, other, "B U[5] E", 3},
      {add, {}, other, "B E", 3},      {add, {E}, other, "B E", 3},       {remove, {B}, B, "B E", 3},
      {remove, {U}, U, "B U[1] E", 2}, {remove, {E}, E, "B U[1] E", 2},   {clear, {B}, B, "B E", 0},
  };
  for (size_t i = 0; i < std::size(cases); ++i) {
    auto const& [change, throw_on, thrown, trace, count] = cases[i];
    SCOPED_TRACE(i);
    Tzv_test_list list;
    list.set_count(3);
    Tzv_event_recorder rec(list.get_update_event_channel());
    Tzv_throwing_listener thrower(list.get_update_event_channel(), throw_on);
    try {
      change(list);
      ADD_FAILURE() << "nothing thrown";
    } catch (Tzv_listener_error const& e) {
      EXPECT_EQ(e.kind, thrown);
    } catch (...) {
      EXPECT_EQ(other, thrown);
    }
    EXPECT_EQ(list.get_marked(), std::string(trace) == "B U[5] E");
    EXPECT_EQ(rec.take(), trace);
    EXPECT_TRUE(list.get_update_depth() == 0 && history_depth() == 0 && list.get_deferred_count() == 0);
    EXPECT_EQ(list.get_count(), count);
    thrower.disarm();
    list.set_valid(list.is_valid() + 1);
    EXPECT_EQ(rec.take(), "B U[4] E");
  }
}

// A listener of the collection removes the member whose change it hears:
// the member outlives its own broadcast and goes with the next end-update.
// A member removed inside an open bracket is no longer heard, so its own
// bracket cannot destroy it while that bracket closes. A member's forwarded
// end-update inside the collection's bracket destroys those removed before.
TEST(Members, RemovedMembersOutliveTheEventsOnTheStack) {
  std::vector<std::string> log;
  auto const destroyed = [&log](char const* name) {
    return std::find(log.begin(), log.end(), "destroy " + std::string(name)) != log.end();
  };
  Tzv_test_group group(&log);
  group.set_count(4);
  {
    Tzv_reacting_listener remover(group.get_update_event_channel(), U, [&] { group.remove_entity(0u); });
    group.get_entity(0)->set_marked(true);
    EXPECT_TRUE(remover.acted() && group.get_count() == 3 && !destroyed("list 1"));
    EXPECT_EQ(group.get_deferred_count(), 1u);
  }
  group.set_marked(true);
  EXPECT_TRUE(destroyed("list 1"));

  Tzv_event_recorder rec(group.get_update_event_channel());
  bool alive_at_end = false;
  Tzv_reacting_listener check(group.get_update_event_channel(), E, [&] { alive_at_end = !destroyed("list 2"); });
  group.begin_update();
  Tzv_test_list* removed = group.get_entity(0);
  group.remove_entity(0u);
  removed->add_entity();  // its B U E must not reach the group
  removed->set_marked(true);
  EXPECT_EQ(rec.trace(), "B");
  group.end_update();
  EXPECT_EQ(rec.take(), "B U[1] E");
  EXPECT_TRUE(alive_at_end && destroyed("list 2") && destroyed("item 1"));

  group.begin_update();
  group.remove_entity(0u);
  group.get_entity(0)->set_marked(true);  // its B U E reach the group inside the bracket
  EXPECT_TRUE(destroyed("list 3"));
  group.end_update();
  EXPECT_EQ(rec.take(), "B U[1] E");  // the member's change merges into the plain 1
}

}  // namespace
