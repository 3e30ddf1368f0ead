// A print layout: a 2D scene that also owns the sheet it is printed on (a
// page layer), frames its extent with a border around the page and its
// layers, and starts with margins and axes set up for a printed sheet. The
// page layer is not one of the scene's layers: it is neither counted nor
// handed out by index.
#pragma once

#include <cstdint>

#include "core/scope.h"
#include "scene2d/scene_2d.h"
#include "zv/sibling/axis2d.h"
#include "zv/sibling/lr2d.h"

// Type name of the page layer in the layer library's factory.
inline constexpr char c_layout_page[] = "layout_page";

class Tzv_scene_layout : public Tzv_scene_2d {
 public:
  // The scene, then the page layer, the box, the margins (6, 6, 0, 0, shown)
  // and the axes; none of it is announced.
  Tzv_scene_layout();
  // The page layer goes before the scene part.
  ~Tzv_scene_layout() override;

  char const* get_meta_id() override { return "SceneLayoutMetaID"; }
  // The page layer; null when the factory could not make one.
  Izv_layer* get_background_layer() override { return page_.get(); }

  // The union of the layers' boxes and the page's box, widened by a border;
  // the zero box when the page has no box.
  void calc_box() override;

  // Activating the layer (index) that is already active does nothing.
  void set_active(Izv_entity* e) override;
  void set_active_index(uint32_t i) override;

 protected:
  // Shows the axes frame: top and left axes set up for the sheet, bottom and
  // right hidden.
  void init_axes();
  // Line and marks of one axis; `top` also shows its additional marks
  // (the top axis) or hides them (the left one).
  static void init_axis(Tzv_axis_obj* axis, bool top);
  // Grid lines along an axis's marks, and its additional marks when `top`.
  // Not applied by construction.
  static void init_grid(Tzv_axis_obj* axis, bool top);

 private:
  // The page's box, computed first when the page has none yet; false (and
  // `out` as it was) when the page still has none.
  bool get_page_box(Tzv_box_d2& out);

  zv::scope<Izv_layer*, &zv_lr2d_destroy> page_;
};
