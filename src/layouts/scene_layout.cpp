// The print layout scene: its page layer, its framed box, its start-up
// margins and axes, and activation that stays quiet when nothing changes.
#include "layouts/scene_layout.h"

namespace {

// Caption alignment of the axes' marks (the axes library's codes): along the
// top axis, and along the left one.
constexpr int32_t c_capt_alignment_top = 0xFF01;
constexpr int32_t c_capt_alignment_left = 0x0101;

// The border around a layout: each side moves out by this share of the
// size, the maximum side after the minimum one has moved.
constexpr double c_border = 0.05;

void widen(double& lo, double& hi) {
  lo -= c_border * (hi - lo);
  hi += c_border * (hi - lo);
}

Tzv_box_d2 framed(Tzv_box_d2 box) {
  widen(box.xmin, box.xmax);
  widen(box.ymin, box.ymax);
  return box;
}

void init_marks(Tzv_axis_marks_obj* marks, int32_t alignment) {
  zv_axis_marks_set_ticks_width(marks, 0.1);
  zv_axis_marks_set_capt_space(marks, -0.5);
  zv_axis_marks_set_capt_margin(marks, 0.5);
  zv_axis_marks_set_capt_alignment(marks, alignment);
  zv_axis_marks_set_capt_size(marks, 3.0);
  zv_axis_marks_set_ticks_length_in(marks, 0.0);
  zv_axis_marks_set_ticks_length_out(marks, 2.0);
}

void init_marks_grid(Tzv_axis_marks_obj* marks) {
  zv_axis_marks_set_grid_visible(marks, true);
  zv_axis_marks_set_grid_width(marks, 0.1);
  zv_axis_marks_set_grid_color(marks, zv_clr_init_grey(229));
}

}  // namespace

Tzv_scene_layout::Tzv_scene_layout() : page_(zv_lr2d_factory_create_lr(c_layout_page)) {
  calc_box();
  Tzv_margins_obj& margins = *get_margins_ptr();
  margins.set_visible(true);
  margins.set_lft(6);
  margins.set_top(6);
  margins.set_rgt(0);
  margins.set_btm(0);
  init_axes();
}

Tzv_scene_layout::~Tzv_scene_layout() { page_.reset(); }

// --- Box ----------------------------------------------------------------------

bool Tzv_scene_layout::get_page_box(Tzv_box_d2& out) {
  if (zv_lr2d_get_box(page_.get(), &out)) return true;
  zv_lr2d_calc_box(page_.get());
  return zv_lr2d_get_box(page_.get(), &out);
}

// A page without a box gives the zero box, whatever the layers hold.
void Tzv_scene_layout::calc_box() {
  Tzv_scene_2d::calc_box();
  Tzv_box_d2 page{};
  if (!get_page_box(page)) {
    set_box(true, page);
    return;
  }
  Tzv_box_d2 box = page;
  Tzv_box_d2 layers{};
  if (try_get_box(layers)) zv_box_d2_unite(&layers, &page, &box);
  set_box(true, framed(box));
}

// --- Activation -----------------------------------------------------------------

// Quiet only when the active index already stands where the call would put
// it: an index left past the end (its layer removed) is no active layer, and
// clearing it is a change.
void Tzv_scene_layout::set_active(Izv_entity* e) {
  bool const none = e == nullptr && get_active_index() == zv_no_index;
  if (none || (e != nullptr && get_active() == e)) return;
  Tzv_scene_2d::set_active(e);
}

void Tzv_scene_layout::set_active_index(uint32_t i) {
  if (get_active_index() != (i < get_count() ? i : zv_no_index)) Tzv_scene_2d::set_active_index(i);
}

// --- Axes -------------------------------------------------------------------------

void Tzv_scene_layout::init_axes() {
  Tzv_axes_obj* axes = get_axes_ptr();
  zv_axes_set_visible(axes, true);
  zv_axis_type_set_visible(zv_axes_get_hbottom(axes), false);
  zv_axis_type_set_visible(zv_axes_get_vright(axes), false);
  init_axis(zv_axes_get_htop(axes), true);
  init_axis(zv_axes_get_vleft(axes), false);
}

void Tzv_scene_layout::init_axis(Tzv_axis_obj* axis, bool top) {
  Tzv_axis_lines_obj* line = zv_axis_type_get_lines(axis);
  zv_axis_lines_set_color(line, zv_clr_init_rgb(172, 168, 153));
  zv_axis_lines_set_width(line, 0.1);
  int32_t const alignment = top ? c_capt_alignment_top : c_capt_alignment_left;
  init_marks(zv_axis_type_get_marks(axis), alignment);
  Tzv_axis_marks_obj* extra = zv_axis_type_get_adv_marks(axis);
  init_marks(extra, alignment);
  zv_axis_marks_set_visible(extra, top);
}

void Tzv_scene_layout::init_grid(Tzv_axis_obj* axis, bool top) {
  init_marks_grid(zv_axis_type_get_marks(axis));
  if (top) init_marks_grid(zv_axis_type_get_adv_marks(axis));
}
