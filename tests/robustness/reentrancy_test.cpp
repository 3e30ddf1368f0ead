// Listeners that act on what is broadcasting to them: they change the scene,
// remove it from its collection, destroy its layers or the collection, and
// add or remove listeners while an event is being delivered. Each case must
// end without a sanitizer finding, with every bracket closed, a consistent
// world and no layer left undestroyed.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/string_adapters.h"
#include "event_recorder.h"
#include "robustness/scene_checks.h"
#include "support/reacting_listener.h"
#include "zv/scn_layout.h"
#include "zv/sibling/lr2d_test_hooks.h"

namespace {

// What one case works on: a collection whose first scene has five layers, a
// second collection, and a free layout scene of three layers.
struct Tzv_world {
  int32_t const live = zv_lr2d_test_get_live_count();  // before the world's layers
  Izv_scns2d* scenes = zv_scns_2d_create();
  Izv_scene* scene = zv_scns_2d_add(scenes);
  Izv_scns2d* other = zv_scns_2d_create();
  Izv_scene* layout = zv_scn_layout_create();
  std::string answer;  // what the operation or the listener found
  std::unique_ptr<Tzv_event_recorder> doomed;
  std::unique_ptr<Tzv_reacting_listener> late;
  Tzv_composite_layer_2d* group = nullptr;  // a composite of no scene
  int heard = 0;                            // events the acting listener heard

  Tzv_world() {
    for (int i = 0; i < 5; ++i) zv_scn_2d_add_layer_type_name(scene, zv_lr2d_type_vector);
    for (int i = 0; i < 3; ++i) zv_scn_2d_add_layer_type_name(layout, zv_lr2d_type_vector);
  }
  ~Tzv_world() {
    late.reset();
    zv_lr2d_destroy(zv_lr2d_group_safe_upcast(group));
    zv_scns_2d_destroy(scenes);
    zv_scns_2d_destroy(other);
    zv_scn_layout_destroy(layout);
  }
  Izv_layer* layer(uint32_t i) { return zv_scn_2d_get_layer_ptr(scene, i); }
  Izv_scene* second() { return zv_scns_2d_get(scenes, 1); }
  std::string layers_alive() { return "live " + std::to_string(zv_lr2d_test_get_live_count() - live); }
  Tzv_event_channel* channel(char which) {
    if (which == 'c') return zv_scns_2d_get_update_event_channel(scenes);
    if (which == 'l') return zv_scn_2d_get_update_event_channel(layout);
    if (which == '2') return zv_scn_2d_get_update_event_channel(second());
    if (which == '3') return zv_lr_get_update_event_channel(layer(3));
    if (which == 'g') return zv_lr2d_group_safe_upcast(group)->get_update_event_channel();
    return zv_scn_2d_get_update_event_channel(scene);
  }
};

using W = Tzv_world;
constexpr int32_t on_begin = zv_event_kind_begin_update, on_update = zv_event_kind_update,
                  on_end = zv_event_kind_end_update;

// A case: the acting listener sits on channel `heard` and acts on its first
// event of `kind`; the whole trace of channel `recorded` is expected. The
// channels: 's' the scene, 'c' its collection, 'l' the layout, '2' the
// collection's second scene, '3' the scene's fourth layer, 'g' the composite.
struct Tzv_acting_case {
  char const* name;
  void (*setup)(W&);
  char heard;
  int32_t kind;
  void (*act)(W&);  // what the listener does, once
  char recorded;
  void (*run)(W&);  // the operation
  char const* trace;
  std::string (*state)(W&);  // the end state as text; by default the answer and the scene's layer count
  char const* expected;
};

std::string active_of(Izv_scene* s) { return std::to_string(static_cast<int32_t>(zv_scn_2d_get_active_lr2d_idx(s))); }

Tzv_acting_case const acting_cases[] = {
    {"AssignIntoACollectionThatAMembersListenerClears",
     [](W& w) {
       zv_scns_2d_add(w.scenes);
       zv_scns_2d_add(w.other);
       zv_scns_2d_add(w.other);
     },
     's', on_update, [](W& w) { zv_scns_2d_clear(w.scenes); }, 'c', [](W& w) { zv_scns_2d_assign(w.scenes, w.other); },
     "B U[1,3] E", [](W& w) { return "count " + std::to_string(zv_scns_2d_get_size(w.scenes)); }, "count 0"},
    {"ALayoutLosesItsMarkedActiveLastLayer",
     [](W& w) {
       zv_scn_2d_set_active_lr2d_idx(w.layout, 2);
       zv_lr2d_set_marked(zv_scn_2d_get_layer_ptr(w.layout, 2), true);
     },
     0, 0, nullptr, 'l', [](W& w) { zv_scn_2d_del_lr2d_marked(w.layout); }, "B U[3,1] E",
     [](W& w) {
       std::string const after_removal = active_of(w.layout);
       zv_scn_2d_add_layer_type_name(w.layout, zv_lr2d_type_vector);
       return after_removal + " " + active_of(w.layout);
     },
     "-1 -1"},
    {"ALayoutMovesWithItsActiveIndexPastTheEnd",
     [](W& w) {
       zv_scn_2d_set_active_lr2d_idx(w.layout, 2);
       zv_scn_2d_del_lr2d(w.layout, 0);  // index 2 now names no layer
     },
     0, 0, nullptr, 'l', [](W& w) { zv_scn_2d_move_layer(w.layout, 0, 1); }, "B U[3,1] E",
     [](W& w) { return active_of(w.layout); }, "-1"},
    {"ARecursiveEndWhoseListenerRemovesAnEarlierMember", [](W& w) { zv_scns_2d_add(w.scenes); }, '2', on_end,
     [](W& w) { zv_scns_2d_del(w.scenes, 0); }, 'c',
     [](W& w) {
       w.scenes->begin_update_recursive();
       w.scenes->end_update_recursive();
     },
     "B U[1] E",
     [](W& w) {
       return zv_check::history_idle() + "count " + std::to_string(zv_scns_2d_get_size(w.scenes)) + " layers " +
              std::to_string(zv_scn_2d_get_layer_count(zv_scns_2d_get(w.scenes, 0)));
     },
     "count 1 layers 0"},
    {"ACollectionDestroyedByItsMembersListener", nullptr, 's', on_update,
     [](W& w) {
       zv_scns_2d_destroy(std::exchange(w.scenes, nullptr));
       w.answer = zv_scn_2d_get_parent(w.scene) == nullptr ? "parentless" : "parent dangles";
     },
     0, [](W& w) { zv_scn_2d_set_wcaption(w.scene, L"renamed"); }, "", [](W& w) { return w.answer; }, "parentless"},
    {"ReleasingALayerThatAListenerRemoves",
     [](W& w) {
       for (uint32_t i : {1u, 2u}) {
         zv_lr2d_set_marked(w.layer(i), true);
         zv_lr2d_test_set_occupied(w.layer(i), 1, nullptr);
       }
     },
     's', on_update, [](W& w) { zv_scn_2d_del_lr2d(w.scene, 1); }, 0,
     [](W& w) {
       Izv_layer* second_marked = w.layer(2);
       bool ok = false;
       std::wstring const report = zv_read_wtext([&](Izv_string_adp* a) { ok = w.scene->deoccupy(a); });
       w.answer = std::string(ok ? "ok" : "failed") + " report " + std::to_string(report.size()) + " level " +
                  std::to_string(zv_lr2d_get_occupied_level(second_marked));
     },
     "", [](W& w) { return w.answer; }, "ok report 0 level 0"},
    {"ASceneListenerRemovesTheLayerItHears", nullptr, 's', on_update, [](W& w) { zv_scn_2d_del_lr2d(w.scene, 3); }, 's',
     [](W& w) { zv_lr2d_set_wcaption(w.layer(3), L"renamed"); }, "B U[1{2}] B U[1] E E", nullptr, "4"},
    {"TheSceneClearedFromALayersEvent", nullptr, '3', on_update, [](W& w) { zv_scn_2d_clear(w.scene); }, 's',
     [](W& w) { zv_lr2d_set_selected_all(w.layer(3), true); }, "B U[1{22}] B U[1,3] E E", nullptr, "0"},
    {"AMovePastTheEnd", [](W& w) { zv_scn_2d_set_active_lr2d_idx(w.scene, 0); }, 0, 0, nullptr, 's',
     [](W& w) { zv_scn_2d_move_layer(w.scene, 0, 5); }, "B U[3,1] E",
     [](W& w) { return active_of(w.scene) + zv_check::layer_list(w.scene); }, "4"},
    // The layer added goes out in a bracket of its own.
    {"ALayerAddedOnTheEndEvent", nullptr, 's', on_end,
     [](W& w) { zv_scn_2d_add_layer_type_name(w.scene, zv_lr2d_type_vector); }, 's',
     [](W& w) { zv_scn_2d_move_layer(w.scene, 0, 3); }, "B U[1] E B U[1] E", nullptr, "6"},
    // The caption does not join the event being delivered.
    {"ACaptionSetOnTheUpdateEvent", nullptr, 's', on_update, [](W& w) { zv_scn_2d_set_wcaption(w.scene, L"renamed"); },
     's', [](W& w) { zv_scn_2d_set_marked_lr2d_idx(w.scene, 2); }, "B U[1{5}] B U[2] E E", nullptr, "5"},
    // The removed scene outlives its own broadcast and goes when the
    // collection next ends a bracket.
    {"TheSceneRemovedFromItsCollectionDuringItsOwnEvent", nullptr, 's', on_update,
     [](W& w) { zv_scns_2d_del(w.scenes, 0); }, 'c', [](W& w) { zv_scn_2d_move_layer(w.scene, 1, 4); },
     "U[1{1}] B U[1] E",
     [](W& w) {
       std::string const count = std::to_string(zv_scns_2d_get_size(w.scenes));
       zv_scns_2d_add(w.scenes);
       return count + " " + w.layers_alive();
     },
     "0 live 4"},
    {"TheCollectionClearedWhileItForwardsASceneEvent", [](W& w) { zv_scns_2d_add(w.scenes); }, 'c', on_update,
     [](W& w) { zv_scns_2d_clear(w.scenes); }, 'c', [](W& w) { zv_scn_2d_set_wcaption(w.second(), L"x"); },
     "U[1{2}] B U[1,3] E", [](W& w) { return std::to_string(zv_scns_2d_get_size(w.scenes)); }, "0"},
    // The layer whose change is being announced is among those destroyed.
    {"TheSceneClearedWhileItAnnouncesALayersChange", nullptr, 's', on_update, [](W& w) { zv_scn_2d_clear(w.scene); },
     's', [](W& w) { zv_lr2d_set_selected_all(w.layer(3), true); }, "B U[1{22}] B U[1,3] E E", nullptr, "0"},
    // The layer to activate is removed before it could become active.
    {"LayersRemovedByIndexDuringTheBeginEvent", nullptr, 's', on_begin,
     [](W& w) {
       uint32_t doomed[] = {0, 0, 4, 9};
       zv_scn_2d_del_lr2d_array(w.scene, 4, doomed);
     },
     's', [](W& w) { zv_scn_2d_set_active_lr2d_idx(w.scene, 4); }, "B B U[1] E E", nullptr, "3"},
    {"AGroupDissolvedWhileItsLayersAreGathered",
     [](W& w) {
       zv_lr2d_set_marked(w.layer(1), true);
       zv_lr2d_set_marked(w.layer(3), true);
     },
     's', on_end,
     [](W& w) {
       Tzv_composite_layer_2d* made = zv_lr2d_group_safe_downcast(w.layer(1));
       w.answer = made ? "dissolved " : "no group ";
       zv_scn_2d_destroy_layer_group(w.scene, made);
     },
     's', [](W& w) { zv_scn_2d_create_layer_group(w.scene); }, "B U[1{5}] E B U[1] E", nullptr, "dissolved 5"},
    // A client before the acting one leaves, a new one joins and hears what
    // comes after it joined.
    {"ListenersAddedAndRemovedWhileAnEventIsDelivered",
     [](W& w) { w.doomed = std::make_unique<Tzv_event_recorder>(w.channel('s')); }, 's', on_begin,
     [](W& w) {
       w.doomed.reset();
       w.late = std::make_unique<Tzv_reacting_listener>(w.channel('s'), on_end, [] {});
     },
     's', [](W& w) { zv_scn_2d_move_layer(w.scene, 0, 2); }, "B U[1] E",
     [](W& w) { return std::string(w.late->acted() ? "acted " : "") + std::to_string(w.late->heard()); }, "acted 2"},
    // It leaves on its update event and hears nothing more.
    {"AListenerThatLeavesOnItsOwnEvent", nullptr, 's', on_update, [](W&) {}, 's',
     [](W& w) {
       zv_scn_2d_move_layer(w.scene, 0, 2);
       zv_scn_2d_move_layer(w.scene, 2, 0);
     },
     "B U[1] E B U[1] E", [](W& w) { return std::to_string(w.heard); }, "2"},
    // A composite whose begin event makes a listener destroy it, while its
    // brackets and its sub-layers' are being opened in one walk: it goes once
    // the walk is over, not in the middle of it.
    {"ACompositeDestroyedAtItsRecursiveBegin",
     [](W& w) {
       w.group = zv_lr2d_group_create();
       for (int i = 0; i < 3; ++i) zv_lr2d_group_add_sublr(w.group, zv_lr2d_factory_create_lr(zv_lr2d_type_vector));
     },
     'g', on_begin, [](W& w) { zv_lr2d_destroy(zv_lr2d_group_safe_upcast(std::exchange(w.group, nullptr))); }, 0,
     [](W& w) { zv_lr2d_group_safe_upcast(w.group)->begin_update_recursive(); }, "",
     [](W& w) { return w.layers_alive(); }, "live 9"},
};

TEST(ActingListeners, EveryBracketClosesAndEveryMemberIsAsked) {
  for (Tzv_acting_case const& c : acting_cases) {
    SCOPED_TRACE(c.name);
    int32_t const live = zv_lr2d_test_get_live_count();
    {
      Tzv_world w;
      if (c.setup) c.setup(w);
      std::unique_ptr<Tzv_event_recorder> rec;
      if (c.recorded) rec = std::make_unique<Tzv_event_recorder>(w.channel(c.recorded));
      std::unique_ptr<Tzv_reacting_listener> actor;
      if (c.act) {
        // It leaves before it acts: the action may take its channel with it.
        actor = std::make_unique<Tzv_reacting_listener>(w.channel(c.heard), c.kind, [&w, &c, &actor] {
          actor->leave();
          c.act(w);
        });
      }
      c.run(w);
      EXPECT_TRUE(!actor || actor->acted());
      if (actor) w.heard = actor->heard();
      actor.reset();
      EXPECT_EQ(w.scenes ? zv_check::collection(w.scenes) : "", "");
      for (Izv_scene* s : w.scenes ? zv_check::scenes_of(w.scenes) : std::vector<Izv_scene*>{}) {
        EXPECT_EQ(zv_check::layer_list(s), "");
      }
      EXPECT_EQ(rec ? rec->take() : "", c.trace);
      rec.reset();
      EXPECT_EQ(c.state ? c.state(w) : w.answer + std::to_string(zv_scn_2d_get_layer_count(w.scene)), c.expected);
      EXPECT_EQ(zv_check::history_idle(), "");
    }
    EXPECT_EQ(zv_lr2d_test_get_live_count(), live);  // nothing left undestroyed
  }
}

}  // namespace
