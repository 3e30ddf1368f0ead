/// \file
/// Clip parameters of a 2D scene: the clipping switch, the outline and the
/// PROJ.4 text of its coordinate system, whether the outline is drawn and its
/// polygon style; the outline or its box evaluated in another system. Plain
/// values that announce nothing.
///
/// Null rule: a null handle, or a null required argument, makes a call do
/// nothing and answer 0, false, null, -1 or an empty text; destroy accepts null.
#pragma once

#include "zv/api.h"
#include "zv/flat.h"
#include "zv/sibling/basic.h"
#include "zv/sibling/prg.h"
#include "zv/sibling/styles.h"
#include "zv/types.h"

ZV_BEGIN_C

/// Not enabled, empty outline, empty projection, not drawn, default border.
/// Owned by the caller and ended by zv_scn2d_clip_params_destroy.
ZV_SCN_2D_API Tzv_clip2d_params* zv_scn2d_clip_params_create();
/// Frees parameters that zv_scn2d_clip_params_create made.
ZV_SCN_2D_API void zv_scn2d_clip_params_destroy(Tzv_clip2d_params* p);
/// Copies every field of `src` into `dst`.
ZV_SCN_2D_API void zv_scn2d_clip_params_assign(Tzv_clip2d_params* dst, Tzv_clip2d_params const* src);
/// Projections compare by meaning (zv_pj4_equal_w), the rest by value.
ZV_SCN_2D_API bool zv_scn2d_clip_params_equal(Tzv_clip2d_params const* a, Tzv_clip2d_params const* b);
/// Whether clipping is on.
ZV_SCN_2D_API bool zv_scn2d_clip_params_get_enabled(Tzv_clip2d_params const* p);
/// Turns clipping on or off.
ZV_SCN_2D_API void zv_scn2d_clip_params_set_enabled(Tzv_clip2d_params* p, bool enabled);
/// The outline, to edit in place. Borrowed: owned by the parameters, never
/// freed by the caller.
ZV_SCN_2D_API Tzv_op2d* zv_scn2d_clip_params_get_ov(Tzv_clip2d_params const* p);
/// Copies the outline in.
ZV_SCN_2D_API void zv_scn2d_clip_params_set_ov(Tzv_clip2d_params* p, Tzv_op2d const* ov);
/// Feeds the PROJ.4 text of the outline's coordinates into the adapter.
ZV_SCN_2D_API void zv_scn2d_clip_params_get_prj(Tzv_clip2d_params const* p, Izv_string_adp* adp);
/// Sets the PROJ.4 text of the outline's coordinates.
ZV_SCN_2D_API void zv_scn2d_clip_params_set_prj(Tzv_clip2d_params* p, wchar_t const* prj);
/// Whether the outline is drawn.
ZV_SCN_2D_API bool zv_scn2d_clip_params_get_draw(Tzv_clip2d_params const* p);
/// Sets whether the outline is drawn.
ZV_SCN_2D_API void zv_scn2d_clip_params_set_draw(Tzv_clip2d_params* p, bool draw);
/// The border style, to edit in place. Borrowed: owned by the parameters,
/// never freed by the caller.
ZV_SCN_2D_API Tzv_pgn_style* zv_scn2d_clip_params_get_draw_style(Tzv_clip2d_params const* p);
/// The outline in the system `dst`, written to `out`; false when it cannot be
/// reprojected.
ZV_SCN_2D_API bool zv_scn2d_clip_params_eval_ov(Tzv_clip2d_params const* p, wchar_t const* dst, Tzv_op2d* out);
/// The box of that outline; `out` is left untouched when false.
ZV_SCN_2D_API bool zv_scn2d_clip_params_eval_box(Tzv_clip2d_params const* p, wchar_t const* dst, Tzv_box_d2* out);

ZV_END_C
