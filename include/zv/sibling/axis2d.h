// Axes library (zvk_axis2d): the four axes of a layout frame (top, bottom,
// left, right), each with its line, its marks and its additional marks.
#pragma once

#include "zv/export.h"
#include "zv/flat.h"
#include "zv/sibling/basic/colour.h"

#ifdef ZVK_AXIS2D_BUILD
#define ZV_AXIS2D_API ZV_EXPORT
#else
#define ZV_AXIS2D_API ZV_IMPORT
#endif

ZV_BEGIN_C

ZV_DECLARE_STRUCT(Tzv_axes_obj);        // the four axes
ZV_DECLARE_STRUCT(Tzv_axis_obj);        // one axis, part of the axes
ZV_DECLARE_STRUCT(Tzv_axis_lines_obj);  // the axis line, part of an axis
ZV_DECLARE_STRUCT(Tzv_axis_marks_obj);  // tick marks, captions and grid lines, part of an axis

// Caption alignment codes.
enum ZV_ENUM_TYPE(int32_t) {
  zv_axis_capt_align_center = 0,
  zv_axis_capt_align_start = 1,
  zv_axis_capt_align_end = 2,
};

// Copies and comparisons are deep; destroy accepts null.
ZV_AXIS2D_API Tzv_axes_obj* zv_axes_create();
ZV_AXIS2D_API void zv_axes_destroy(Tzv_axes_obj* a);
ZV_AXIS2D_API void zv_axes_assign(Tzv_axes_obj* dst, Tzv_axes_obj const* src);
ZV_AXIS2D_API bool zv_axes_equal(Tzv_axes_obj const* a, Tzv_axes_obj const* b);
ZV_AXIS2D_API void zv_axes_set_visible(Tzv_axes_obj* a, bool visible);
ZV_AXIS2D_API bool zv_axes_get_visible(Tzv_axes_obj const* a);
ZV_AXIS2D_API Tzv_axis_obj* zv_axes_get_htop(Tzv_axes_obj* a);
ZV_AXIS2D_API Tzv_axis_obj* zv_axes_get_hbottom(Tzv_axes_obj* a);
ZV_AXIS2D_API Tzv_axis_obj* zv_axes_get_vleft(Tzv_axes_obj* a);
ZV_AXIS2D_API Tzv_axis_obj* zv_axes_get_vright(Tzv_axes_obj* a);

ZV_AXIS2D_API void zv_axis_type_set_visible(Tzv_axis_obj* ax, bool visible);
ZV_AXIS2D_API bool zv_axis_type_get_visible(Tzv_axis_obj const* ax);
ZV_AXIS2D_API Tzv_axis_lines_obj* zv_axis_type_get_lines(Tzv_axis_obj* ax);
ZV_AXIS2D_API Tzv_axis_marks_obj* zv_axis_type_get_marks(Tzv_axis_obj* ax);
ZV_AXIS2D_API Tzv_axis_marks_obj* zv_axis_type_get_adv_marks(Tzv_axis_obj* ax);

ZV_AXIS2D_API void zv_axis_lines_set_color(Tzv_axis_lines_obj* l, Tzv_color c);
ZV_AXIS2D_API Tzv_color zv_axis_lines_get_color(Tzv_axis_lines_obj const* l);
ZV_AXIS2D_API void zv_axis_lines_set_width(Tzv_axis_lines_obj* l, double width);
ZV_AXIS2D_API double zv_axis_lines_get_width(Tzv_axis_lines_obj const* l);

ZV_AXIS2D_API void zv_axis_marks_set_visible(Tzv_axis_marks_obj* m, bool visible);
ZV_AXIS2D_API bool zv_axis_marks_get_visible(Tzv_axis_marks_obj const* m);
ZV_AXIS2D_API void zv_axis_marks_set_ticks_width(Tzv_axis_marks_obj* m, double v);
ZV_AXIS2D_API double zv_axis_marks_get_ticks_width(Tzv_axis_marks_obj const* m);
ZV_AXIS2D_API void zv_axis_marks_set_ticks_length_in(Tzv_axis_marks_obj* m, double v);
ZV_AXIS2D_API double zv_axis_marks_get_ticks_length_in(Tzv_axis_marks_obj const* m);
ZV_AXIS2D_API void zv_axis_marks_set_ticks_length_out(Tzv_axis_marks_obj* m, double v);
ZV_AXIS2D_API double zv_axis_marks_get_ticks_length_out(Tzv_axis_marks_obj const* m);
ZV_AXIS2D_API void zv_axis_marks_set_capt_space(Tzv_axis_marks_obj* m, double v);
ZV_AXIS2D_API double zv_axis_marks_get_capt_space(Tzv_axis_marks_obj const* m);
ZV_AXIS2D_API void zv_axis_marks_set_capt_margin(Tzv_axis_marks_obj* m, double v);
ZV_AXIS2D_API double zv_axis_marks_get_capt_margin(Tzv_axis_marks_obj const* m);
ZV_AXIS2D_API void zv_axis_marks_set_capt_size(Tzv_axis_marks_obj* m, double v);
ZV_AXIS2D_API double zv_axis_marks_get_capt_size(Tzv_axis_marks_obj const* m);
ZV_AXIS2D_API void zv_axis_marks_set_capt_alignment(Tzv_axis_marks_obj* m, int32_t code);
ZV_AXIS2D_API int32_t zv_axis_marks_get_capt_alignment(Tzv_axis_marks_obj const* m);
ZV_AXIS2D_API void zv_axis_marks_set_grid_visible(Tzv_axis_marks_obj* m, bool visible);
ZV_AXIS2D_API bool zv_axis_marks_get_grid_visible(Tzv_axis_marks_obj const* m);
ZV_AXIS2D_API void zv_axis_marks_set_grid_width(Tzv_axis_marks_obj* m, double v);
ZV_AXIS2D_API double zv_axis_marks_get_grid_width(Tzv_axis_marks_obj const* m);
ZV_AXIS2D_API void zv_axis_marks_set_grid_color(Tzv_axis_marks_obj* m, Tzv_color c);
ZV_AXIS2D_API Tzv_color zv_axis_marks_get_grid_color(Tzv_axis_marks_obj const* m);

ZV_END_C
