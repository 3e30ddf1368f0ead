// A column scene: a 2D scene of its own kind, told apart from plain scenes
// by its meta id alone; it has no data or behaviour of its own.
#pragma once

#include "scene2d/scene_2d.h"

inline constexpr char const* c_scn_column_meta_id = "SceneColumnMetaID";

class Tzv_scene_clm : public Tzv_scene_2d {
 public:
  ~Tzv_scene_clm() override;

  char const* get_meta_id() override;
};
