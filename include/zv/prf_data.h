// Profile data of a 2D scene: the profile switch, the ranges of the three
// axes, the vertical scale, the plane step, the axes-scale mode, the PROJ.4
// text of the profile line and the line itself, with conversions between a
// fraction along the line and map coordinates.
//
// Null rule: a null handle, or a null required argument, makes a call do
// nothing and answer 0, false, null, -1 or an empty text; destroy accepts null.
#pragma once

#include <cstdint>

#include "zv/api.h"
#include "zv/izv_scene.h"
#include "zv/sibling/prg.h"
#include "zv/types.h"

// Axes-scale mode. Only 0 (unscaled) is told apart from the rest: any other
// value means isotropic axes.
enum Tzv_profil_axes_scale : int32_t {
  zv_prf_axes_scale_none = 0,
  zv_prf_axes_scale_izotropic = 1,
  zv_prf_axes_scale_default = 2,
};

extern "C" {

// Lifecycle. create_ex binds the object to a scene (null: unbound). Both are
// ended by zv_prf_data_destroy.
ZV_SCN_2D_API Tzv_profil_data* zv_prf_data_create();
ZV_SCN_2D_API Tzv_profil_data* zv_prf_data_create_ex(Izv_scene* scene);
ZV_SCN_2D_API void zv_prf_data_destroy(Tzv_profil_data* h);
ZV_SCN_2D_API void zv_prf_data_assign(Tzv_profil_data* dst, Tzv_profil_data const* src);
ZV_SCN_2D_API bool zv_prf_data_equal(Tzv_profil_data const* a, Tzv_profil_data const* b);

// Values. Each setter announces property 8 on the owning scene.
ZV_SCN_2D_API bool zv_prf_data_get_is_profil(Tzv_profil_data const* h);
ZV_SCN_2D_API void zv_prf_data_set_is_profil(Tzv_profil_data* h, bool v);
ZV_SCN_2D_API double zv_prf_data_get_xmin(Tzv_profil_data const* h);
ZV_SCN_2D_API void zv_prf_data_set_xmin(Tzv_profil_data* h, double v);
ZV_SCN_2D_API double zv_prf_data_get_xmax(Tzv_profil_data const* h);
ZV_SCN_2D_API void zv_prf_data_set_xmax(Tzv_profil_data* h, double v);
ZV_SCN_2D_API double zv_prf_data_get_ymin(Tzv_profil_data const* h);
ZV_SCN_2D_API void zv_prf_data_set_ymin(Tzv_profil_data* h, double v);
ZV_SCN_2D_API double zv_prf_data_get_ymax(Tzv_profil_data const* h);
ZV_SCN_2D_API void zv_prf_data_set_ymax(Tzv_profil_data* h, double v);
ZV_SCN_2D_API double zv_prf_data_get_zmin(Tzv_profil_data const* h);
ZV_SCN_2D_API void zv_prf_data_set_zmin(Tzv_profil_data* h, double v);
ZV_SCN_2D_API double zv_prf_data_get_zmax(Tzv_profil_data const* h);
ZV_SCN_2D_API void zv_prf_data_set_zmax(Tzv_profil_data* h, double v);
// A zscale of 0 is refused (the change is still announced).
ZV_SCN_2D_API double zv_prf_data_get_zscale(Tzv_profil_data const* h);
ZV_SCN_2D_API void zv_prf_data_set_zscale(Tzv_profil_data* h, double v);
ZV_SCN_2D_API double zv_prf_data_get_delta_xy(Tzv_profil_data const* h);
ZV_SCN_2D_API void zv_prf_data_set_delta_xy(Tzv_profil_data* h, double v);
ZV_SCN_2D_API Tzv_profil_axes_scale zv_prf_data_get_axes_scale(Tzv_profil_data const* h);
ZV_SCN_2D_API void zv_prf_data_set_axes_scale(Tzv_profil_data* h, Tzv_profil_axes_scale v);

// The profile line. get_pv_ptr hands out the line to edit in place (then call
// calculate_ls); borrowed: owned by the profile data, never freed by the
// caller. set_pv copies a line in and recalculates the lengths.
ZV_SCN_2D_API Tzv_pp2d* zv_prf_data_get_pv_ptr(Tzv_profil_data* h);
ZV_SCN_2D_API void zv_prf_data_set_pv(Tzv_profil_data* h, Tzv_pp2d const* pv);
ZV_SCN_2D_API void zv_prf_data_calculate_ls(Tzv_profil_data* h);
// The point at fraction l in [0, 1] of the line.
ZV_SCN_2D_API bool zv_prf_data_find_xy(Tzv_profil_data const* h, double l, double* x, double* y);
// The fraction of the line's point nearest to (x, y), when closer than tolerance.
ZV_SCN_2D_API bool zv_prf_data_find_l(Tzv_profil_data const* h, double x, double y, double tolerance, double* l);

// PROJ.4 text of the line's coordinates; not announced.
ZV_SCN_2D_API void zv_prf_data_get_prj4string(Tzv_profil_data const* h, Izv_string_adp* adp);
ZV_SCN_2D_API void zv_prf_data_set_prj4string(Tzv_profil_data* h, wchar_t const* s);

}  // extern "C"
