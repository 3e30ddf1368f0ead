// The collection of column scenes. Unlike the other scene collections it
// does not listen to its scenes: a change inside a column scene is the
// scene's own and is not announced by the collection. It keeps the 2D scene
// collection's meta id.
#pragma once

#include "scene2d/scenes_2d.h"

class Tzv_scenes_clm : public Tzv_scenes_2d {
 public:
  // Captioned with the resource text of the column collection.
  Tzv_scenes_clm();
  // Every member is destroyed through destroy_entity.
  ~Tzv_scenes_clm() override;

  // A new column scene captioned "<column resource text> N", not heard.
  Tzv_scene_2d* create_entity() override;
  // Deletes the scene; there is no subscription to end.
  void destroy_entity(Tzv_scene_2d* scene) override;
};
