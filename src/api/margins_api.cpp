// Exported functions of the margins.
#include "zv/margins.h"

#include "api/forward.h"
#include "params/margins.h"

using T = Tzv_margins_obj;

extern "C" {

ZV_SCN_2D_API T* zv_margins_create() { return zv::api::create<T>(); }
ZV_SCN_2D_API void zv_margins_destroy(T* m) { return zv::api::destroy(m); }
ZV_SCN_2D_API void zv_margins_assign(T* dst, T* src) { return zv::api::fwd<&T::assign>(dst, src); }
ZV_SCN_2D_API bool zv_margins_equal(T* a, T* b) { return zv::api::fwd<&T::equal>(a, b); }
ZV_SCN_2D_API bool zv_margins_get_visible(T* m) { return zv::api::fwd<&T::get_visible>(m); }
ZV_SCN_2D_API void zv_margins_set_visible(T* m, bool v) { return zv::api::fwd<&T::set_visible>(m, v); }
ZV_SCN_2D_API unsigned int zv_margins_get_lft(T* m) { return zv::api::fwd<&T::get_lft>(m); }
ZV_SCN_2D_API void zv_margins_set_lft(T* m, unsigned int v) { return zv::api::fwd<&T::set_lft>(m, v); }
ZV_SCN_2D_API unsigned int zv_margins_get_top(T* m) { return zv::api::fwd<&T::get_top>(m); }
ZV_SCN_2D_API void zv_margins_set_top(T* m, unsigned int v) { return zv::api::fwd<&T::set_top>(m, v); }
ZV_SCN_2D_API unsigned int zv_margins_get_rgt(T* m) { return zv::api::fwd<&T::get_rgt>(m); }
ZV_SCN_2D_API void zv_margins_set_rgt(T* m, unsigned int v) { return zv::api::fwd<&T::set_rgt>(m, v); }
ZV_SCN_2D_API unsigned int zv_margins_get_btm(T* m) { return zv::api::fwd<&T::get_btm>(m); }
ZV_SCN_2D_API void zv_margins_set_btm(T* m, unsigned int v) { return zv::api::fwd<&T::set_btm>(m, v); }

}  // extern "C"
