// New scenes' captions from the collection's caption index must be exactly
// what a walk over the members' captions gives, whatever happened to the
// captions before: renames, silent copies, removals, extractions.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "core/string_adapters.h"
#include "scene2d/scenes_2d.h"
#include "zv/scn_2d.h"
#include "zv/scns_2d.h"

namespace {

std::wstring caption_of(Izv_scene* scene) {
  return zv_read_wtext([scene](Izv_string_adp* adp) { zv_scn_2d_get_wcaption(scene, adp); });
}

// What the entity library's walk over every member says the next scene is called.
std::wstring walked_caption(Izv_scns2d* scenes) {
  return zv_read_wtext([scenes](Izv_string_adp* adp) {
    zv_entities_unique_wcaption(scenes, zv_res_get_wstr(c_res_scene_caption), L"%ls %d", 1, adp);
  });
}

}  // namespace

TEST(ScenesCaptions, NewCaptionsMatchAWalkOverTheMembers) {
  std::mt19937 random(7);
  auto pick = [&random](uint32_t n) { return static_cast<uint32_t>(random() % n); };
  std::wstring const base = zv_res_get_wstr(c_res_scene_caption);
  std::wstring const names[] = {base + L" 1", base + L" 2", base + L" 02", base + L" -1", L"other", base};
  Izv_scns2d* scenes = zv_scns_2d_create();
  Izv_scene* outside = zv_scn_2d_create();
  for (int step = 0; step < 2000; ++step) {
    uint32_t const n = zv_scns_2d_get_size(scenes);
    Izv_scene* member = n != 0 ? zv_scns_2d_get(scenes, pick(n)) : nullptr;
    switch (pick(6)) {
      case 0: {
        std::wstring const expected = walked_caption(scenes);
        Izv_scene* added = zv_scns_2d_add(scenes);
        ASSERT_EQ(caption_of(added), expected) << "step " << step;
        break;
      }
      case 1:
        if (member) zv_scn_2d_set_wcaption(member, names[pick(6)].c_str());
        break;
      case 2:  // a whole copy takes the caption in without an announcement
        zv_scn_2d_set_wcaption(outside, names[pick(6)].c_str());
        if (member) zv_scn_2d_assign(member, outside);
        break;
      case 3:
        if (n != 0) zv_scns_2d_del(scenes, pick(n));
        break;
      case 4:
        if (n != 0) zv_scn_2d_destroy(static_cast<Tzv_scenes_2d*>(scenes)->extract_entity(pick(n)));
        break;
      default:
        if (pick(40) == 0) zv_scns_2d_clear(scenes);
    }
  }
  zv_scn_2d_destroy(outside);
  zv_scns_2d_destroy(scenes);
}
