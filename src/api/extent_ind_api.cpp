// Exported functions of the extent indicator.
#include "zv/extent_ind.h"

#include "api/forward.h"
#include "params/extent_ind.h"

using T = Tzv_extent_ind2d;

extern "C" {

ZV_SCN_2D_API T* zv_extent_ind_create() { return zv::api::create<T>(); }
ZV_SCN_2D_API void zv_extent_ind_destroy(T* e) { return zv::api::destroy(e); }
ZV_SCN_2D_API void zv_extent_ind_assign(T* dst, T const* src) { return zv::api::fwd<&T::assign>(dst, src); }
ZV_SCN_2D_API bool zv_extent_ind_equal(T const* a, T const* b) { return zv::api::fwd<&T::equal>(a, b); }
ZV_SCN_2D_API bool zv_extent_ind_get_visible(T const* e) { return zv::api::fwd<&T::get_visible>(e); }
ZV_SCN_2D_API void zv_extent_ind_set_visible(T* e, bool v) { return zv::api::fwd<&T::set_visible>(e, v); }
ZV_SCN_2D_API Tzv_pgn_style* zv_extent_ind_get_style(T const* e) { return zv::api::fwd<&T::get_style>(e); }
ZV_SCN_2D_API unsigned int zv_extent_ind_get_links_count(T const* e) { return zv::api::fwd<&T::get_links_count>(e); }
ZV_SCN_2D_API void zv_extent_ind_set_links_count(T* e, unsigned int n) { return zv::api::fwd<&T::set_links_count>(e, n); }
ZV_SCN_2D_API Tzv_uuid_t* zv_extent_ind_get_link_uid(T const* e, unsigned int i) { return zv::api::fwd<&T::get_link_uid>(e, i); }
ZV_SCN_2D_API void zv_extent_ind_set_link_uid(T* e, unsigned int i, Tzv_uuid_t const* uid) { return zv::api::fwd<&T::set_link_uid>(e, i, uid); }
ZV_SCN_2D_API bool zv_extent_ind_has_link(T const* e, Tzv_uuid_t const* uid) { return zv::api::fwd<&T::has_link>(e, uid); }
ZV_SCN_2D_API void zv_extent_ind_update_link(T* e, Tzv_uuid_t const* uid, bool on) { return zv::api::fwd<&T::update_link>(e, uid, on); }
ZV_SCN_2D_API void zv_extent_ind_validate_links(T* e) { return zv::api::fwd<&T::validate_links>(e); }

}  // extern "C"
