// Exported functions of the clip parameters.
#include "zv/clip_params.h"

#include "api/forward.h"
#include "params/clip_params.h"

using T = Tzv_clip2d_params;

extern "C" {

ZV_SCN_2D_API T* zv_scn2d_clip_params_create() { return zv::api::create<T>(); }
ZV_SCN_2D_API void zv_scn2d_clip_params_destroy(T* p) { return zv::api::destroy(p); }
ZV_SCN_2D_API void zv_scn2d_clip_params_assign(T* dst, T const* src) { return zv::api::fwd<&T::assign>(dst, src); }
ZV_SCN_2D_API bool zv_scn2d_clip_params_equal(T const* a, T const* b) { return zv::api::fwd<&T::equal>(a, b); }
ZV_SCN_2D_API bool zv_scn2d_clip_params_get_enabled(T const* p) { return zv::api::fwd<&T::get_enabled>(p); }
ZV_SCN_2D_API void zv_scn2d_clip_params_set_enabled(T* p, bool v) { return zv::api::fwd<&T::set_enabled>(p, v); }
ZV_SCN_2D_API Tzv_op2d* zv_scn2d_clip_params_get_ov(T const* p) { return zv::api::fwd<&T::get_ov>(p); }
ZV_SCN_2D_API void zv_scn2d_clip_params_set_ov(T* p, Tzv_op2d const* ov) { return zv::api::fwd<&T::set_ov>(p, ov); }
ZV_SCN_2D_API void zv_scn2d_clip_params_get_prj(T const* p, Izv_string_adp* adp) { return zv::api::fwd<&T::get_prj_adp>(p, adp); }
ZV_SCN_2D_API void zv_scn2d_clip_params_set_prj(T* p, wchar_t const* prj) { return zv::api::fwd<&T::set_prj>(p, prj); }
ZV_SCN_2D_API bool zv_scn2d_clip_params_get_draw(T const* p) { return zv::api::fwd<&T::get_draw>(p); }
ZV_SCN_2D_API void zv_scn2d_clip_params_set_draw(T* p, bool v) { return zv::api::fwd<&T::set_draw>(p, v); }
ZV_SCN_2D_API Tzv_pgn_style* zv_scn2d_clip_params_get_draw_style(T const* p) { return zv::api::fwd<&T::get_draw_style>(p); }
ZV_SCN_2D_API bool zv_scn2d_clip_params_eval_ov(T const* p, wchar_t const* dst, Tzv_op2d* out) { return zv::api::fwd<&T::eval_ov>(p, dst, out); }
ZV_SCN_2D_API bool zv_scn2d_clip_params_eval_box(T const* p, wchar_t const* dst, Tzv_box_d2* out) { return zv::api::fwd<&T::eval_box>(p, dst, out); }

}  // extern "C"
