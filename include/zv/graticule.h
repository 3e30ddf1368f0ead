/// \file
/// Graticule parameters of a 2D scene: a tree of plain values. The params hold
/// a main and an additional tick set (each with its grid) and a frame; grids
/// and the frame carry a line style. Nothing here announces changes.
///
/// Null rule: a null handle, or a null required argument, makes a call do
/// nothing and answer 0, false, null, -1 or an empty text; destroy accepts null.
#pragma once

#include "zv/api.h"
#include "zv/flat.h"
#include "zv/sibling/basic.h"
#include "zv/types.h"

ZV_BEGIN_C

// Lifecycle of each family: create gives the class defaults and is ended by
// the family's destroy, assign copies every field (font types by value: the
// destination keeps its own font-type objects), equal compares every field.
/// A line with the class defaults; owned by the caller, ended by zv_graticule_line_destroy.
ZV_SCN_2D_API Tzv_graticule2d_line* zv_graticule_line_create();
/// Frees a line that zv_graticule_line_create made.
ZV_SCN_2D_API void zv_graticule_line_destroy(Tzv_graticule2d_line* h);
/// Copies every field of `src` into `dst`.
ZV_SCN_2D_API void zv_graticule_line_assign(Tzv_graticule2d_line* dst, Tzv_graticule2d_line const* src);
/// True when every field is equal.
ZV_SCN_2D_API bool zv_graticule_line_equal(Tzv_graticule2d_line const* a, Tzv_graticule2d_line const* b);
/// A grid with the class defaults; owned by the caller, ended by zv_graticule_grid_destroy.
ZV_SCN_2D_API Tzv_graticule2d_grid* zv_graticule_grid_create();
/// Frees a grid that zv_graticule_grid_create made, with its line.
ZV_SCN_2D_API void zv_graticule_grid_destroy(Tzv_graticule2d_grid* h);
/// Copies every field of `src`, its line included, into `dst`.
ZV_SCN_2D_API void zv_graticule_grid_assign(Tzv_graticule2d_grid* dst, Tzv_graticule2d_grid const* src);
/// True when every field, the line included, is equal.
ZV_SCN_2D_API bool zv_graticule_grid_equal(Tzv_graticule2d_grid const* a, Tzv_graticule2d_grid const* b);
/// A tick set with the class defaults; owned by the caller, ended by zv_graticule_ticks_destroy.
ZV_SCN_2D_API Tzv_graticule2d_ticks* zv_graticule_ticks_create();
/// Frees a tick set that zv_graticule_ticks_create made, with its grid and font type.
ZV_SCN_2D_API void zv_graticule_ticks_destroy(Tzv_graticule2d_ticks* h);
/// Copies every field of `src`, grid and font type included, into `dst`.
ZV_SCN_2D_API void zv_graticule_ticks_assign(Tzv_graticule2d_ticks* dst, Tzv_graticule2d_ticks const* src);
/// True when every field, grid and font type included, is equal.
ZV_SCN_2D_API bool zv_graticule_ticks_equal(Tzv_graticule2d_ticks const* a, Tzv_graticule2d_ticks const* b);
/// A frame with the class defaults; owned by the caller, ended by zv_graticule_frame_destroy.
ZV_SCN_2D_API Tzv_graticule2d_frame* zv_graticule_frame_create();
/// Frees a frame that zv_graticule_frame_create made, with its line.
ZV_SCN_2D_API void zv_graticule_frame_destroy(Tzv_graticule2d_frame* h);
/// Copies every field of `src`, its line included, into `dst`.
ZV_SCN_2D_API void zv_graticule_frame_assign(Tzv_graticule2d_frame* dst, Tzv_graticule2d_frame const* src);
/// True when every field, the line included, is equal.
ZV_SCN_2D_API bool zv_graticule_frame_equal(Tzv_graticule2d_frame const* a, Tzv_graticule2d_frame const* b);
/// A graticule with the class defaults; owned by the caller, ended by zv_graticule_params_destroy.
ZV_SCN_2D_API Tzv_graticule2d_params* zv_graticule_params_create();
/// Frees a graticule that zv_graticule_params_create made, with its parts.
ZV_SCN_2D_API void zv_graticule_params_destroy(Tzv_graticule2d_params* h);
/// Copies the flags, both tick sets and the frame of `src` into `dst`.
ZV_SCN_2D_API void zv_graticule_params_assign(Tzv_graticule2d_params* dst, Tzv_graticule2d_params const* src);
/// True when the flags, both tick sets and the frame are equal.
ZV_SCN_2D_API bool zv_graticule_params_equal(Tzv_graticule2d_params const* a, Tzv_graticule2d_params const* b);

// Line style: grey 140, width 0.1.
/// The line colour.
ZV_SCN_2D_API Tzv_color zv_graticule_line_get_color(Tzv_graticule2d_line const* h);
/// Sets the line colour.
ZV_SCN_2D_API void zv_graticule_line_set_color(Tzv_graticule2d_line* h, Tzv_color v);
/// The line width.
ZV_SCN_2D_API double zv_graticule_line_get_width(Tzv_graticule2d_line const* h);
/// Sets the line width.
ZV_SCN_2D_API void zv_graticule_line_set_width(Tzv_graticule2d_line* h, double v);

// Grid and frame: visible, with the default line.
/// Whether the grid is drawn.
ZV_SCN_2D_API bool zv_graticule_grid_get_visible(Tzv_graticule2d_grid const* h);
/// Shows or hides the grid.
ZV_SCN_2D_API void zv_graticule_grid_set_visible(Tzv_graticule2d_grid* h, bool v);
/// The line. Borrowed: owned by the grid, never freed by the caller.
ZV_SCN_2D_API Tzv_graticule2d_line* zv_graticule_grid_get_line_ptr(Tzv_graticule2d_grid* h);
/// Whether the frame is drawn.
ZV_SCN_2D_API bool zv_graticule_frame_get_visible(Tzv_graticule2d_frame const* h);
/// Shows or hides the frame.
ZV_SCN_2D_API void zv_graticule_frame_set_visible(Tzv_graticule2d_frame* h, bool v);
/// The line. Borrowed: owned by the frame, never freed by the caller.
ZV_SCN_2D_API Tzv_graticule2d_line* zv_graticule_frame_get_line_ptr(Tzv_graticule2d_frame* h);

// Tick sets. Steps are whole degrees, minutes and seconds, stored as given;
// a step is read into those of the three outputs that are given.
/// Reads the longitude step into those of `d`, `m`, `s` that are given.
ZV_SCN_2D_API void zv_graticule_ticks_get_lon_step_dms(Tzv_graticule2d_ticks const* h, int* d, int* m, int* s);
/// Sets the longitude step in degrees, minutes and seconds.
ZV_SCN_2D_API void zv_graticule_ticks_set_lon_step_dms(Tzv_graticule2d_ticks* h, int d, int m, int s);
/// Reads the latitude step into those of `d`, `m`, `s` that are given.
ZV_SCN_2D_API void zv_graticule_ticks_get_lat_step_dms(Tzv_graticule2d_ticks const* h, int* d, int* m, int* s);
/// Sets the latitude step in degrees, minutes and seconds.
ZV_SCN_2D_API void zv_graticule_ticks_set_lat_step_dms(Tzv_graticule2d_ticks* h, int d, int m, int s);
/// The approximate number of divisions along longitude.
ZV_SCN_2D_API int zv_graticule_ticks_get_lon_approx_ndiap(Tzv_graticule2d_ticks const* h);
/// Sets the approximate number of divisions along longitude.
ZV_SCN_2D_API void zv_graticule_ticks_set_lon_approx_ndiap(Tzv_graticule2d_ticks* h, int v);
/// The approximate number of divisions along latitude.
ZV_SCN_2D_API int zv_graticule_ticks_get_lat_approx_ndiap(Tzv_graticule2d_ticks const* h);
/// Sets the approximate number of divisions along latitude.
ZV_SCN_2D_API void zv_graticule_ticks_set_lat_approx_ndiap(Tzv_graticule2d_ticks* h, int v);
/// Whether the tick labels are shown.
ZV_SCN_2D_API bool zv_graticule_ticks_get_fnt_visible(Tzv_graticule2d_ticks const* h);
/// Shows or hides the tick labels.
ZV_SCN_2D_API void zv_graticule_ticks_set_fnt_visible(Tzv_graticule2d_ticks* h, bool v);
/// Whether the labels use the short form.
ZV_SCN_2D_API bool zv_graticule_ticks_get_fnt_short_str(Tzv_graticule2d_ticks const* h);
/// Sets whether the labels use the short form.
ZV_SCN_2D_API void zv_graticule_ticks_set_fnt_short_str(Tzv_graticule2d_ticks* h, bool v);
/// The label font size.
ZV_SCN_2D_API double zv_graticule_ticks_get_fnt_size(Tzv_graticule2d_ticks const* h);
/// Sets the label font size.
ZV_SCN_2D_API void zv_graticule_ticks_set_fnt_size(Tzv_graticule2d_ticks* h, double v);
/// The label colour.
ZV_SCN_2D_API Tzv_color zv_graticule_ticks_get_fnt_clr(Tzv_graticule2d_ticks const* h);
/// Sets the label colour.
ZV_SCN_2D_API void zv_graticule_ticks_set_fnt_clr(Tzv_graticule2d_ticks* h, Tzv_color v);
// The font type and the grid. Borrowed: owned by the tick set, never freed by
// the caller.
/// The label font type. Borrowed: owned by the tick set, never freed by the caller.
ZV_SCN_2D_API Tzv_fnt_type* zv_graticule_ticks_get_fnt_type_ptr(Tzv_graticule2d_ticks* h);
/// The grid. Borrowed: owned by the tick set, never freed by the caller.
ZV_SCN_2D_API Tzv_graticule2d_grid* zv_graticule_ticks_get_grid_ptr(Tzv_graticule2d_ticks* h);

// The whole graticule: four flags (all false), the two tick sets and the
// frame (visible, colour 0, width 0.5).
/// Whether the graticule is shown.
ZV_SCN_2D_API bool zv_graticule_params_get_visible(Tzv_graticule2d_params const* h);
/// Shows or hides the graticule.
ZV_SCN_2D_API void zv_graticule_params_set_visible(Tzv_graticule2d_params* h, bool v);
/// The fixed-step flag, stored for the drawing.
ZV_SCN_2D_API bool zv_graticule_params_get_fixed_step_flag(Tzv_graticule2d_params const* h);
/// Sets the fixed-step flag.
ZV_SCN_2D_API void zv_graticule_params_set_fixed_step_flag(Tzv_graticule2d_params* h, bool v);
/// Whether the additional tick set is used.
ZV_SCN_2D_API bool zv_graticule_params_get_addit_flag(Tzv_graticule2d_params const* h);
/// Sets whether the additional tick set is used.
ZV_SCN_2D_API void zv_graticule_params_set_addit_flag(Tzv_graticule2d_params* h, bool v);
/// Whether the labels on the sides are rotated.
ZV_SCN_2D_API bool zv_graticule_params_get_rotate_side_text_flag(Tzv_graticule2d_params const* h);
/// Sets whether the labels on the sides are rotated.
ZV_SCN_2D_API void zv_graticule_params_set_rotate_side_text_flag(Tzv_graticule2d_params* h, bool v);
// The parts. Borrowed: owned by the params, never freed by the caller.
/// The main tick set. Borrowed: owned by the params, never freed by the caller.
ZV_SCN_2D_API Tzv_graticule2d_ticks* zv_graticule_params_get_main_ticks_ptr(Tzv_graticule2d_params* h);
/// The additional tick set. Borrowed: owned by the params, never freed by the caller.
ZV_SCN_2D_API Tzv_graticule2d_ticks* zv_graticule_params_get_addt_ticks_ptr(Tzv_graticule2d_params* h);
/// The frame. Borrowed: owned by the params, never freed by the caller.
ZV_SCN_2D_API Tzv_graticule2d_frame* zv_graticule_params_get_frame_ptr(Tzv_graticule2d_params* h);

ZV_END_C
