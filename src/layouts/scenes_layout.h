// The collection of print layouts: a scene collection whose new members are
// layout scenes named from their own resource text, and which forwards each
// layout's changes as the 2D scene collection does.
#pragma once

#include "scene2d/scenes_2d.h"

class Tzv_scenes_layout : public Tzv_scenes_2d {
 public:
  // Captioned with resource 427.
  Tzv_scenes_layout();
  // Every layout is destroyed while the collection is still one of layouts.
  ~Tzv_scenes_layout() override;

  char const* get_meta_id() override { return "SceneLayoutCollectionMetaID"; }
  // A new layout captioned "<resource 414> N", heard by the collection.
  Tzv_scene_2d* create_entity() override;
};
