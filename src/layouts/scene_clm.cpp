#include "layouts/scene_clm.h"

Tzv_scene_clm::~Tzv_scene_clm() = default;

char const* Tzv_scene_clm::get_meta_id() { return c_scn_column_meta_id; }
