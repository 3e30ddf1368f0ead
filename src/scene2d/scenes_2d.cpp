// The collection of 2D scenes: naming and hearing new members, copy and
// comparison, and the forwarding of the members' changes.
#include "scene2d/scenes_2d.h"

#include <algorithm>
#include <optional>
#include <string>

#include "core/string_adapters.h"
#include "core/update_guard.h"
#include "zv/sibling/entity.h"

Tzv_scenes_2d::Tzv_scenes_2d() { set_wcaption(zv_res_get_wstr(c_res_scenes_caption)); }

Tzv_scenes_2d::~Tzv_scenes_2d() { clear_for_destruction(); }

Tzv_scene_2d* Tzv_scenes_2d::get_entity(uint32_t i) { return Base::get_entity(i); }

// One bracket around the whole copy, so listeners hear it as one change.
// Both counts are read anew at every step: a member's listener may remove
// members of either collection, or clear it, while a member is copied. The
// source and its members stay alive until the copy is over.
void Tzv_scenes_2d::assign(Tzv_scenes_2d* src) {
  if (src == nullptr || src == this) return;
  auto const reading = src->hold_members();
  Tzv_update_guard bracket(this);
  set_count(src->get_count());
  for (uint32_t i = 0; i < get_count() && i < src->get_count(); ++i) get_entity(i)->assign(src->get_entity(i));
}

bool Tzv_scenes_2d::equal(Tzv_scenes_2d* other) {
  if (other == nullptr) return false;
  return std::ranges::equal(members(), other->members(), [](Tzv_scene_2d* a, Tzv_scene_2d* b) { return a->equal(b); });
}

Tzv_scene_2d* Tzv_scenes_2d::create_entity() {
  return make_member(c_res_scene_caption, std::make_unique<Tzv_scene_2d>(), true);
}

// The base stopped hearing the scene before it lets it go; extracted
// scenes are still heard.
void Tzv_scenes_2d::destroy_entity(Tzv_scene_2d* scene) { delete scene; }

void Tzv_scenes_2d::on_scn_update(Tzv_table& queue) { broadcast_update_event(zv_prop_members, queue); }

// The scene has no parent yet, so its caption is taken as it is: the
// uniqueness comes from the collection's own choice of number, which its
// caption index finds without reading every member's caption.
Tzv_scene_2d* Tzv_scenes_2d::make_member(int32_t base_res, std::unique_ptr<Tzv_scene_2d> scene, bool listen) {
  wchar_t const* base = zv_res_get_wstr(base_res);
  std::optional<std::wstring> caption = captions().first_free(base ? base : L"", c_member_format, 1);
  if (!caption) {
    caption = zv_read_wtext(
        [this, base](Izv_string_adp* adp) { zv_entities_unique_wcaption(this, base, c_member_format, 1, adp); });
  }
  scene->set_wcaption(caption->c_str());
  if (listen) listen_to(scene.get());
  return scene.release();
}

// Begin and end events of a member's bracket alone carry no change.
void Tzv_scenes_2d::on_member_update(Tzv_table& queue) {
  if (zv_event_queue_count_update_events(&queue) != 0) on_scn_update(queue);
}
