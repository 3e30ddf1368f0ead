// Axes held as plain values: copies and comparisons are member-wise and deep.
#include "zv/sibling/axis2d.h"

bool operator==(Tzv_color const& a, Tzv_color const& b) { return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a; }

struct Tzv_axis_lines_obj {
  Tzv_color color{0, 0, 0, 0};
  double width = 0.5;
  bool operator==(Tzv_axis_lines_obj const&) const = default;
};

struct Tzv_axis_marks_obj {
  bool visible = true;
  double ticks_width = 0.3;
  double ticks_length_in = 0.0;
  double ticks_length_out = 2.0;
  double capt_space = 1.0;
  double capt_margin = 1.0;
  double capt_size = 3.0;
  int32_t capt_alignment = zv_axis_capt_align_center;
  bool grid_visible = false;
  double grid_width = 0.2;
  Tzv_color grid_color{196, 196, 196, 0};
  bool operator==(Tzv_axis_marks_obj const&) const = default;
};

struct Tzv_axis_obj {
  bool visible = true;
  Tzv_axis_lines_obj lines;
  Tzv_axis_marks_obj marks;
  Tzv_axis_marks_obj adv_marks{.visible = false};
  bool operator==(Tzv_axis_obj const&) const = default;
};

struct Tzv_axes_obj {
  bool visible = false;
  Tzv_axis_obj htop;
  Tzv_axis_obj hbottom;
  Tzv_axis_obj vleft;
  Tzv_axis_obj vright;
  bool operator==(Tzv_axes_obj const&) const = default;
};

// A setter and a getter of one member; the getter of a null object yields the
// member's default.
#define ZV_AXIS_FIELD(prefix, T, name, V)             \
  ZV_AXIS2D_API void prefix##_set_##name(T* o, V v) { \
    if (o) o->name = v;                               \
  }                                                   \
  ZV_AXIS2D_API V prefix##_get_##name(T const* o) { return o ? o->name : T{}.name; }

// A pointer to an owned part.
#define ZV_AXIS_PART(fn, T, Part, member) \
  ZV_AXIS2D_API Part* fn(T* o) { return o ? &o->member : nullptr; }

extern "C" {

ZV_AXIS2D_API Tzv_axes_obj* zv_axes_create() { return new Tzv_axes_obj; }

ZV_AXIS2D_API void zv_axes_destroy(Tzv_axes_obj* a) { delete a; }

ZV_AXIS2D_API void zv_axes_assign(Tzv_axes_obj* dst, Tzv_axes_obj const* src) {
  if (dst && src) *dst = *src;
}

ZV_AXIS2D_API bool zv_axes_equal(Tzv_axes_obj const* a, Tzv_axes_obj const* b) { return a && b && *a == *b; }

ZV_AXIS_FIELD(zv_axes, Tzv_axes_obj, visible, bool)
ZV_AXIS_PART(zv_axes_get_htop, Tzv_axes_obj, Tzv_axis_obj, htop)
ZV_AXIS_PART(zv_axes_get_hbottom, Tzv_axes_obj, Tzv_axis_obj, hbottom)
ZV_AXIS_PART(zv_axes_get_vleft, Tzv_axes_obj, Tzv_axis_obj, vleft)
ZV_AXIS_PART(zv_axes_get_vright, Tzv_axes_obj, Tzv_axis_obj, vright)

ZV_AXIS_FIELD(zv_axis_type, Tzv_axis_obj, visible, bool)
ZV_AXIS_PART(zv_axis_type_get_lines, Tzv_axis_obj, Tzv_axis_lines_obj, lines)
ZV_AXIS_PART(zv_axis_type_get_marks, Tzv_axis_obj, Tzv_axis_marks_obj, marks)
ZV_AXIS_PART(zv_axis_type_get_adv_marks, Tzv_axis_obj, Tzv_axis_marks_obj, adv_marks)

ZV_AXIS_FIELD(zv_axis_lines, Tzv_axis_lines_obj, color, Tzv_color)
ZV_AXIS_FIELD(zv_axis_lines, Tzv_axis_lines_obj, width, double)

ZV_AXIS_FIELD(zv_axis_marks, Tzv_axis_marks_obj, visible, bool)
ZV_AXIS_FIELD(zv_axis_marks, Tzv_axis_marks_obj, ticks_width, double)
ZV_AXIS_FIELD(zv_axis_marks, Tzv_axis_marks_obj, ticks_length_in, double)
ZV_AXIS_FIELD(zv_axis_marks, Tzv_axis_marks_obj, ticks_length_out, double)
ZV_AXIS_FIELD(zv_axis_marks, Tzv_axis_marks_obj, capt_space, double)
ZV_AXIS_FIELD(zv_axis_marks, Tzv_axis_marks_obj, capt_margin, double)
ZV_AXIS_FIELD(zv_axis_marks, Tzv_axis_marks_obj, capt_size, double)
ZV_AXIS_FIELD(zv_axis_marks, Tzv_axis_marks_obj, capt_alignment, int32_t)
ZV_AXIS_FIELD(zv_axis_marks, Tzv_axis_marks_obj, grid_visible, bool)
ZV_AXIS_FIELD(zv_axis_marks, Tzv_axis_marks_obj, grid_width, double)
ZV_AXIS_FIELD(zv_axis_marks, Tzv_axis_marks_obj, grid_color, Tzv_color)

}  // extern "C"
