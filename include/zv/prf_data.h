/// \file
/// Profile data of a 2D scene: the profile switch, the ranges of the three
/// axes, the vertical scale, the plane step, the axes-scale mode, the PROJ.4
/// text of the profile line and the line itself, with conversions between a
/// fraction along the line and map coordinates.
///
/// Null rule: a null handle, or a null required argument, makes a call do
/// nothing and answer 0, false, null, -1 or an empty text; destroy accepts null.
#pragma once

#include "zv/api.h"
#include "zv/flat.h"
#include "zv/izv_scene.h"
#include "zv/sibling/prg.h"
#include "zv/types.h"

/// Axes-scale mode. Only 0 (unscaled) is told apart from the rest: any other
/// value means isotropic axes.
enum Tzv_profil_axes_scale ZV_ENUM_TYPE(int32_t){
    /// Unscaled axes.
    zv_prf_axes_scale_none = 0,
    /// Isotropic axes.
    zv_prf_axes_scale_izotropic = 1,
    /// A new object's mode; isotropic.
    zv_prf_axes_scale_default = 2,
};
#ifndef __cplusplus
typedef enum Tzv_profil_axes_scale Tzv_profil_axes_scale;
#endif

ZV_BEGIN_C

// Lifecycle. create_ex binds the object to a scene (null: unbound). Both are
// ended by zv_prf_data_destroy.
/// A profile data object bound to no scene; owned by the caller, ended by zv_prf_data_destroy.
ZV_SCN_2D_API Tzv_profil_data* zv_prf_data_create();
/// The same bound to `scene` (null: unbound), on which its setters announce property 8.
ZV_SCN_2D_API Tzv_profil_data* zv_prf_data_create_ex(Izv_scene* scene);
/// Frees an object that zv_prf_data_create or zv_prf_data_create_ex made.
ZV_SCN_2D_API void zv_prf_data_destroy(Tzv_profil_data* h);
/// Copies values, line and lengths (the PROJ.4 text unless self-assigned); not
/// the scene binding. Announces property 8 on the owning scene.
ZV_SCN_2D_API void zv_prf_data_assign(Tzv_profil_data* dst, Tzv_profil_data const* src);
/// Compares the values and the line; not the PROJ.4 text.
ZV_SCN_2D_API bool zv_prf_data_equal(Tzv_profil_data const* a, Tzv_profil_data const* b);

// Values. Each setter announces property 8 on the owning scene.
/// Whether the scene shows a profile (cross-section).
ZV_SCN_2D_API bool zv_prf_data_get_is_profil(Tzv_profil_data const* h);
/// Sets the profile switch. Announces property 8 on the owning scene, even when unchanged.
ZV_SCN_2D_API void zv_prf_data_set_is_profil(Tzv_profil_data* h, bool v);
/// The x range's lower end.
ZV_SCN_2D_API double zv_prf_data_get_xmin(Tzv_profil_data const* h);
/// Sets the x range's lower end. Announces property 8 on the owning scene, even when unchanged.
ZV_SCN_2D_API void zv_prf_data_set_xmin(Tzv_profil_data* h, double v);
/// The x range's upper end.
ZV_SCN_2D_API double zv_prf_data_get_xmax(Tzv_profil_data const* h);
/// Sets the x range's upper end. Announces property 8 on the owning scene, even when unchanged.
ZV_SCN_2D_API void zv_prf_data_set_xmax(Tzv_profil_data* h, double v);
/// The y range's lower end.
ZV_SCN_2D_API double zv_prf_data_get_ymin(Tzv_profil_data const* h);
/// Sets the y range's lower end. Announces property 8 on the owning scene, even when unchanged.
ZV_SCN_2D_API void zv_prf_data_set_ymin(Tzv_profil_data* h, double v);
/// The y range's upper end.
ZV_SCN_2D_API double zv_prf_data_get_ymax(Tzv_profil_data const* h);
/// Sets the y range's upper end. Announces property 8 on the owning scene, even when unchanged.
ZV_SCN_2D_API void zv_prf_data_set_ymax(Tzv_profil_data* h, double v);
/// The z range's lower end.
ZV_SCN_2D_API double zv_prf_data_get_zmin(Tzv_profil_data const* h);
/// Sets the z range's lower end. Announces property 8 on the owning scene, even when unchanged.
ZV_SCN_2D_API void zv_prf_data_set_zmin(Tzv_profil_data* h, double v);
/// The z range's upper end.
ZV_SCN_2D_API double zv_prf_data_get_zmax(Tzv_profil_data const* h);
/// Sets the z range's upper end. Announces property 8 on the owning scene, even when unchanged.
ZV_SCN_2D_API void zv_prf_data_set_zmax(Tzv_profil_data* h, double v);
/// The vertical scale.
ZV_SCN_2D_API double zv_prf_data_get_zscale(Tzv_profil_data const* h);
/// Sets the vertical scale; 0 is refused, and the change is still announced as property 8.
ZV_SCN_2D_API void zv_prf_data_set_zscale(Tzv_profil_data* h, double v);
/// The plane step.
ZV_SCN_2D_API double zv_prf_data_get_delta_xy(Tzv_profil_data const* h);
/// Sets the plane step. Announces property 8 on the owning scene, even when unchanged.
ZV_SCN_2D_API void zv_prf_data_set_delta_xy(Tzv_profil_data* h, double v);
/// The axes-scale mode.
ZV_SCN_2D_API Tzv_profil_axes_scale zv_prf_data_get_axes_scale(Tzv_profil_data const* h);
/// Sets the axes-scale mode (the scene's isotropy). Announces property 8 on the owning scene, even when unchanged.
ZV_SCN_2D_API void zv_prf_data_set_axes_scale(Tzv_profil_data* h, Tzv_profil_axes_scale v);

// The profile line. get_pv_ptr hands out the line to edit in place (then call
// calculate_ls); borrowed: owned by the profile data, never freed by the
// caller. set_pv copies a line in and recalculates the lengths.
/// The profile line to edit in place; borrowed: owned by the profile data.
ZV_SCN_2D_API Tzv_pp2d* zv_prf_data_get_pv_ptr(Tzv_profil_data* h);
/// Copies the line in and recalculates the lengths; announces nothing.
ZV_SCN_2D_API void zv_prf_data_set_pv(Tzv_profil_data* h, Tzv_pp2d const* pv);
/// Recalculates the lengths along the line after it was edited in place.
ZV_SCN_2D_API void zv_prf_data_calculate_ls(Tzv_profil_data* h);
/// The point at fraction l in [0, 1] of the line.
ZV_SCN_2D_API bool zv_prf_data_find_xy(Tzv_profil_data const* h, double l, double* x, double* y);
/// The fraction of the line's point nearest to (x, y), when closer than tolerance.
ZV_SCN_2D_API bool zv_prf_data_find_l(Tzv_profil_data const* h, double x, double y, double tolerance, double* l);

// PROJ.4 text of the line's coordinates; not announced.
/// Feeds the PROJ.4 text of the line's coordinates into the adapter.
ZV_SCN_2D_API void zv_prf_data_get_prj4string(Tzv_profil_data const* h, Izv_string_adp* adp);
/// Sets the PROJ.4 text of the line's coordinates; announces nothing.
ZV_SCN_2D_API void zv_prf_data_set_prj4string(Tzv_profil_data* h, wchar_t const* s);

ZV_END_C
