#include "layouts/scenes_clm.h"

#include <memory>

#include "layouts/scene_clm.h"
#include "zv/sibling/basic.h"

Tzv_scenes_clm::Tzv_scenes_clm() { set_wcaption(zv_res_get_wstr(zv_res_columns)); }

// Emptied here, while destroy_entity is still this class's.
Tzv_scenes_clm::~Tzv_scenes_clm() { clear_for_destruction(); }

Tzv_scene_2d* Tzv_scenes_clm::create_entity() {
  return make_member(zv_res_column, std::make_unique<Tzv_scene_clm>(), false);
}

void Tzv_scenes_clm::destroy_entity(Tzv_scene_2d* scene) { delete scene; }
