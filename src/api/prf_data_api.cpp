// Exported functions of the profile data.
#include "zv/prf_data.h"

#include "api/forward.h"
#include "params/profile_data.h"

using T = Tzv_profil_data;

extern "C" {

ZV_SCN_2D_API T* zv_prf_data_create() { return zv::api::create<T>(); }
ZV_SCN_2D_API T* zv_prf_data_create_ex(Izv_scene* scene) { return zv::api::create<T>(scene); }
ZV_SCN_2D_API void zv_prf_data_destroy(T* h) { return zv::api::destroy(h); }
ZV_SCN_2D_API void zv_prf_data_assign(T* dst, T const* src) { return zv::api::fwd<&T::assign>(dst, src); }
ZV_SCN_2D_API bool zv_prf_data_equal(T const* a, T const* b) { return zv::api::fwd<&T::equal>(a, b); }

ZV_SCN_2D_API bool zv_prf_data_get_is_profil(T const* h) { return zv::api::fwd<&T::get_is_profil>(h); }
ZV_SCN_2D_API void zv_prf_data_set_is_profil(T* h, bool v) { return zv::api::fwd<&T::set_is_profil>(h, v); }
ZV_SCN_2D_API double zv_prf_data_get_xmin(T const* h) { return zv::api::fwd<&T::get_xmin>(h); }
ZV_SCN_2D_API void zv_prf_data_set_xmin(T* h, double v) { return zv::api::fwd<&T::set_xmin>(h, v); }
ZV_SCN_2D_API double zv_prf_data_get_xmax(T const* h) { return zv::api::fwd<&T::get_xmax>(h); }
ZV_SCN_2D_API void zv_prf_data_set_xmax(T* h, double v) { return zv::api::fwd<&T::set_xmax>(h, v); }
ZV_SCN_2D_API double zv_prf_data_get_ymin(T const* h) { return zv::api::fwd<&T::get_ymin>(h); }
ZV_SCN_2D_API void zv_prf_data_set_ymin(T* h, double v) { return zv::api::fwd<&T::set_ymin>(h, v); }
ZV_SCN_2D_API double zv_prf_data_get_ymax(T const* h) { return zv::api::fwd<&T::get_ymax>(h); }
ZV_SCN_2D_API void zv_prf_data_set_ymax(T* h, double v) { return zv::api::fwd<&T::set_ymax>(h, v); }
ZV_SCN_2D_API double zv_prf_data_get_zmin(T const* h) { return zv::api::fwd<&T::get_zmin>(h); }
ZV_SCN_2D_API void zv_prf_data_set_zmin(T* h, double v) { return zv::api::fwd<&T::set_zmin>(h, v); }
ZV_SCN_2D_API double zv_prf_data_get_zmax(T const* h) { return zv::api::fwd<&T::get_zmax>(h); }
ZV_SCN_2D_API void zv_prf_data_set_zmax(T* h, double v) { return zv::api::fwd<&T::set_zmax>(h, v); }
ZV_SCN_2D_API double zv_prf_data_get_zscale(T const* h) { return zv::api::fwd<&T::get_zscale>(h); }
ZV_SCN_2D_API void zv_prf_data_set_zscale(T* h, double v) { return zv::api::fwd<&T::set_zscale>(h, v); }
ZV_SCN_2D_API double zv_prf_data_get_delta_xy(T const* h) { return zv::api::fwd<&T::get_delta_xy>(h); }
ZV_SCN_2D_API void zv_prf_data_set_delta_xy(T* h, double v) { return zv::api::fwd<&T::set_delta_xy>(h, v); }
ZV_SCN_2D_API Tzv_profil_axes_scale zv_prf_data_get_axes_scale(T const* h) { return zv::api::fwd<&T::get_axes_scale>(h); }
ZV_SCN_2D_API void zv_prf_data_set_axes_scale(T* h, Tzv_profil_axes_scale v) { return zv::api::fwd<&T::set_axes_scale>(h, v); }

ZV_SCN_2D_API Tzv_pp2d* zv_prf_data_get_pv_ptr(T* h) { return zv::api::fwd<&T::get_pv_ptr>(h); }
ZV_SCN_2D_API void zv_prf_data_set_pv(T* h, Tzv_pp2d const* pv) { return zv::api::fwd<&T::set_pv>(h, pv); }
ZV_SCN_2D_API void zv_prf_data_calculate_ls(T* h) { return zv::api::fwd<&T::calculate_ls>(h); }
ZV_SCN_2D_API bool zv_prf_data_find_xy(T const* h, double l, double* x, double* y) { return zv::api::fwd<&T::find_xy>(h, l, x, y); }
ZV_SCN_2D_API bool zv_prf_data_find_l(T const* h, double x, double y, double tolerance, double* l) { return zv::api::fwd<&T::find_l>(h, x, y, tolerance, l); }

ZV_SCN_2D_API void zv_prf_data_get_prj4string(T const* h, Izv_string_adp* adp) { return zv::api::fwd<&T::get_prj4string_adp>(h, adp); }
ZV_SCN_2D_API void zv_prf_data_set_prj4string(T* h, wchar_t const* s) { return zv::api::fwd<&T::set_prj4string>(h, s); }

}  // extern "C"
