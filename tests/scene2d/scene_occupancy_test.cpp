// Occupancy of a scene, asked through the entity interface as a host asks
// it: the level of the marked layers, their release, and the reports.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "core/string_adapters.h"
#include "event_recorder.h"
#include "scene2d/scene_2d.h"
#include "zv/sibling/lr2d_test_hooks.h"

namespace {

struct SceneOccupancy : ::testing::Test {
  Tzv_scene_2d scene;
  Tzv_event_recorder rec{scene.get_update_event_channel()};

  SceneOccupancy() { scene.set_wcaption(L"Roads"); }

  // A layer with that caption and occupancy; a release fails with `error`
  // unless it is empty.
  Izv_layer* add(wchar_t const* caption, int32_t level, bool marked, wchar_t const* error = L"") {
    Izv_layer* layer = scene.add_layer(zv_lr2d_type_vector);
    zv_lr2d_set_wcaption(layer, caption);
    zv_lr2d_set_marked(layer, marked);
    zv_lr2d_test_set_occupied(layer, level, error);
    rec.clear();
    return layer;
  }

  Izv_entity* entity() { return static_cast<Izv_entity*>(&scene); }

  // The answer of `query` and its report; the adapter held a stale text before.
  template <class R>
  std::pair<R, std::wstring> ask(R (Izv_entity::*query)(Izv_string_adp*)) {
    std::wstring report = L"stale";
    Tzv_std_wstring_adapter sink(&report);
    R const answer = (entity()->*query)(sink);
    return {answer, report};
  }
  std::pair<int32_t, std::wstring> is_occupied() { return ask(&Izv_entity::is_occupied); }
  std::pair<bool, std::wstring> deoccupy() { return ask(&Izv_entity::deoccupy); }
};

using Level = std::pair<int32_t, std::wstring>;
using Release = std::pair<bool, std::wstring>;

TEST_F(SceneOccupancy, UnmarkedLayersAreNeitherAskedNorReleased) {
  Izv_layer* held = add(L"A", 3, false, L"in use");
  EXPECT_EQ(is_occupied(), Level(0, L""));
  EXPECT_EQ(deoccupy(), Release(true, L""));
  EXPECT_EQ(zv_lr2d_get_occupied_level(held), 3);
  EXPECT_EQ(rec.take(), "");
}

// The level is the highest marked one, never negative; the report lists
// every held marked layer in index order.
TEST_F(SceneOccupancy, TheLevelIsTheHighestMarkedOneAndTheReportListsTheHeld) {
  add(L"A", -4, true);
  EXPECT_EQ(is_occupied(), Level(0, L"Roads\n    A\n"));
  add(L"B", 0, true);
  add(L"C", 9, false);
  add(L"D", 3, true);
  add(L"E", 2, true);
  EXPECT_EQ(is_occupied(), Level(3, L"Roads\n    A\n    D\n    E\n"));
  EXPECT_EQ(entity()->is_occupied(nullptr), 3);  // no adapter: the answer alone
  EXPECT_EQ(rec.take(), "");
}

// Every failure is listed with the layer's text, the others are still
// released, each by its own bracket, and the scene opens none of its own.
TEST_F(SceneOccupancy, FailedReleasesAreReportedAndTheOthersAreStillReleased) {
  Izv_layer* locked = add(L"A", 1, true, L"locked by the editor");
  Izv_layer* free_after = add(L"B", 2, true);
  add(L"C", 1, true, L"E2");
  Izv_layer* unmarked = add(L"D", 1, false, L"never asked");
  Izv_layer* negative = add(L"E", -1, true);
  EXPECT_EQ(deoccupy(), Release(false, L"Roads\n    A: locked by the editor\n    C: E2\n"));
  EXPECT_EQ(zv_lr2d_get_occupied_level(locked), 1);
  EXPECT_EQ(zv_lr2d_get_occupied_level(free_after), 0);
  EXPECT_EQ(zv_lr2d_get_occupied_level(unmarked), 1);
  EXPECT_EQ(zv_lr2d_get_occupied_level(negative), 0);
  std::string const one = "B U[1{" + std::to_string(zv_lr2d_prop_occupied) + "}] E";
  EXPECT_EQ(rec.take(), one + " " + one);  // B and E, not merged into one
  EXPECT_EQ(is_occupied(), Level(1, L"Roads\n    A\n    C\n"));
}

}  // namespace
