// The collection of print layouts.
#include "layouts/scenes_layout.h"

#include <memory>

#include "layouts/scene_layout.h"

Tzv_scenes_layout::Tzv_scenes_layout() { set_wcaption(zv_res_get_wstr(zv_res_layouts)); }

Tzv_scenes_layout::~Tzv_scenes_layout() { clear_for_destruction(); }

Tzv_scene_2d* Tzv_scenes_layout::create_entity() {
  return make_member(zv_res_layout, std::make_unique<Tzv_scene_layout>(), true);
}
