// Exported functions of lookmarks and lookmark lists.
#include "zv/lookmarks.h"

#include "api/forward.h"
#include "params/lookmarks.h"

using Tmark = Tzv_lookmark2d;
using Tmarks = Tzv_lookmarks2d;

namespace {

// The caption answered for no lookmark.
constexpr wchar_t c_no_caption[] = L"";

}  // namespace

extern "C" {

ZV_SCN_2D_API Tmark* zv_lookmark_create() { return zv::api::create<Tmark>(); }
ZV_SCN_2D_API void zv_lookmark_destroy(Tmark* h) { return zv::api::destroy(h); }
ZV_SCN_2D_API void zv_lookmark_assign(Tmark* dst, Tmark const* src) { return zv::api::fwd<&Tmark::assign>(dst, src); }
ZV_SCN_2D_API bool zv_lookmark_equal(Tmark const* a, Tmark const* b) { return zv::api::fwd<&Tmark::equal>(a, b); }
ZV_SCN_2D_API wchar_t const* zv_lookmark_get_caption(Tmark const* h) { return zv::api::fwd<&Tmark::get_caption, c_no_caption>(h); }
ZV_SCN_2D_API void zv_lookmark_get_caption_adp(Tmark const* h, Izv_string_adp* adp) { return zv::api::fwd<&Tmark::get_caption_adp>(h, adp); }
ZV_SCN_2D_API void zv_lookmark_set_caption(Tmark* h, wchar_t const* caption) { return zv::api::fwd<&Tmark::set_caption>(h, caption); }
ZV_SCN_2D_API void zv_lookmark_get_zoom(Tmark const* h, double* z0, double* z1, double* z2, double* z3) { return zv::api::fwd<&Tmark::get_zoom>(h, z0, z1, z2, z3); }
ZV_SCN_2D_API void zv_lookmark_set_zoom(Tmark* h, double z0, double z1, double z2, double z3) { return zv::api::fwd<&Tmark::set_zoom>(h, z0, z1, z2, z3); }

ZV_SCN_2D_API Tmarks* zv_lookmarks_create() { return zv::api::create<Tmarks>(); }
ZV_SCN_2D_API void zv_lookmarks_destroy(Tmarks* h) { return zv::api::destroy(h); }
ZV_SCN_2D_API void zv_lookmarks_assign(Tmarks* dst, Tmarks const* src) { return zv::api::fwd<&Tmarks::assign>(dst, src); }
ZV_SCN_2D_API bool zv_lookmarks_equal(Tmarks const* a, Tmarks const* b) { return zv::api::fwd<&Tmarks::equal>(a, b); }
ZV_SCN_2D_API void zv_lookmarks_clear(Tmarks* h) { return zv::api::fwd<&Tmarks::clear>(h); }
ZV_SCN_2D_API uint32_t zv_lookmarks_get_size(Tmarks const* h) { return zv::api::fwd<&Tmarks::get_size>(h); }
ZV_SCN_2D_API Tmark* zv_lookmarks_get_ptr(Tmarks* h, uint32_t i) { return zv::api::fwd<&Tmarks::get_ptr>(h, i); }
ZV_SCN_2D_API Tmark* zv_lookmarks_add_ptr(Tmarks* h) { return zv::api::fwd<&Tmarks::add_ptr>(h); }
ZV_SCN_2D_API int32_t zv_lookmarks_find_ptr(Tmarks const* h, Tmark const* p) { return zv::api::fwd<&Tmarks::find_ptr, -1>(h, p); }
ZV_SCN_2D_API void zv_lookmarks_delete_item(Tmarks* h, uint32_t i) { return zv::api::fwd<&Tmarks::delete_item>(h, i); }
ZV_SCN_2D_API void zv_lookmarks_swap_items(Tmarks* h, uint32_t i, uint32_t j) { return zv::api::fwd<&Tmarks::swap_items>(h, i, j); }
ZV_SCN_2D_API int32_t zv_lookmarks_get_active_idx(Tmarks const* h) { return zv::api::fwd<&Tmarks::get_active_idx, -1>(h); }
ZV_SCN_2D_API void zv_lookmarks_set_active_idx(Tmarks* h, int32_t i) { return zv::api::fwd<&Tmarks::set_active_idx>(h, i); }
ZV_SCN_2D_API Tmark* zv_lookmarks_get_active_ptr(Tmarks* h) { return zv::api::fwd<&Tmarks::get_active_ptr>(h); }
ZV_SCN_2D_API void zv_lookmarks_set_active_ptr(Tmarks* h, Tmark const* p) { return zv::api::fwd<&Tmarks::set_active_ptr>(h, p); }

}  // extern "C"
