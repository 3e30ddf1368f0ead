/// \file
/// Scale line parameters of a 2D scene: one visibility flag, false by default.
/// A plain value that announces nothing.
///
/// Null rule: a null handle, or a null required argument, makes a call do
/// nothing and answer 0, false, null, -1 or an empty text; destroy accepts null.
#pragma once

#include "zv/api.h"
#include "zv/flat.h"
#include "zv/types.h"

ZV_BEGIN_C

/// Not visible. Owned by the caller and ended by zv_scale_line_params_destroy.
ZV_SCN_2D_API Tzv_scale_line2d_params* zv_scale_line_params_create();
/// Frees parameters that zv_scale_line_params_create made.
ZV_SCN_2D_API void zv_scale_line_params_destroy(Tzv_scale_line2d_params* h);
/// Copies the flag.
ZV_SCN_2D_API void zv_scale_line_params_assign(Tzv_scale_line2d_params* dst, Tzv_scale_line2d_params const* src);
/// True when the flags are equal.
ZV_SCN_2D_API bool zv_scale_line_params_equal(Tzv_scale_line2d_params const* a, Tzv_scale_line2d_params const* b);
/// Whether the scale line is shown.
ZV_SCN_2D_API bool zv_scale_line_params_get_visible(Tzv_scale_line2d_params const* h);
/// Shows or hides the scale line.
ZV_SCN_2D_API void zv_scale_line_params_set_visible(Tzv_scale_line2d_params* h, bool v);

ZV_END_C
