// Exported functions of the scale line parameters.
#include "zv/scale_line.h"

#include "api/forward.h"
#include "params/scale_line.h"

using T = Tzv_scale_line2d_params;

extern "C" {

ZV_SCN_2D_API T* zv_scale_line_params_create() { return zv::api::create<T>(); }
ZV_SCN_2D_API void zv_scale_line_params_destroy(T* h) { return zv::api::destroy(h); }
ZV_SCN_2D_API void zv_scale_line_params_assign(T* dst, T const* src) { return zv::api::fwd<&T::assign>(dst, src); }
ZV_SCN_2D_API bool zv_scale_line_params_equal(T const* a, T const* b) { return zv::api::fwd<&T::equal>(a, b); }
ZV_SCN_2D_API bool zv_scale_line_params_get_visible(T const* h) { return zv::api::fwd<&T::get_visible>(h); }
ZV_SCN_2D_API void zv_scale_line_params_set_visible(T* h, bool v) { return zv::api::fwd<&T::set_visible>(h, v); }

}  // extern "C"
