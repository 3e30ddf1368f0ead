// Scale line parameters of a 2D scene: one visibility flag, false by default.
// A plain value that announces nothing.
#pragma once

#include "zv/api.h"

class Tzv_scale_line2d_params;

// The handle type under which a scene takes scale line parameters.
typedef Tzv_scale_line2d_params Izv_scale_line_params;

extern "C" {

ZV_SCN_2D_API Tzv_scale_line2d_params* zv_scale_line_params_create();
ZV_SCN_2D_API void zv_scale_line_params_destroy(Tzv_scale_line2d_params* h);  // null accepted
ZV_SCN_2D_API void zv_scale_line_params_assign(Tzv_scale_line2d_params* dst, Tzv_scale_line2d_params const* src);
ZV_SCN_2D_API bool zv_scale_line_params_equal(Tzv_scale_line2d_params const* a, Tzv_scale_line2d_params const* b);
ZV_SCN_2D_API bool zv_scale_line_params_get_visible(Tzv_scale_line2d_params const* h);
ZV_SCN_2D_API void zv_scale_line_params_set_visible(Tzv_scale_line2d_params* h, bool v);

}  // extern "C"
