// Lookmarks of a 2D scene: saved views, each a caption and four zoom values,
// in an ordered list with an optional active entry. Plain values that
// announce nothing.
#pragma once

#include <cstdint>

#include "zv/api.h"
#include "zv/sibling/basic.h"

class Tzv_lookmark2d;
class Tzv_lookmarks2d;

// The handle type under which a scene takes a lookmark list.
typedef Tzv_lookmarks2d Izv_lookmarks;

extern "C" {

// A free-standing lookmark: caption empty, zoom (0, 0, 1, 1). It never enters
// a list; it serves as source or destination of zv_lookmark_assign.
ZV_SCN_2D_API Tzv_lookmark2d* zv_lookmark_create();
ZV_SCN_2D_API void zv_lookmark_destroy(Tzv_lookmark2d* h);  // null accepted
ZV_SCN_2D_API void zv_lookmark_assign(Tzv_lookmark2d* dst, Tzv_lookmark2d const* src);
ZV_SCN_2D_API bool zv_lookmark_equal(Tzv_lookmark2d const* a, Tzv_lookmark2d const* b);
// Valid until the caption changes or the lookmark goes away.
ZV_SCN_2D_API wchar_t const* zv_lookmark_get_caption(Tzv_lookmark2d const* h);
ZV_SCN_2D_API void zv_lookmark_get_caption_adp(Tzv_lookmark2d const* h, Izv_string_adp* adp);
ZV_SCN_2D_API void zv_lookmark_set_caption(Tzv_lookmark2d* h, wchar_t const* caption);
ZV_SCN_2D_API void zv_lookmark_get_zoom(Tzv_lookmark2d const* h, double* z0, double* z1, double* z2, double* z3);
ZV_SCN_2D_API void zv_lookmark_set_zoom(Tzv_lookmark2d* h, double z0, double z1, double z2, double z3);

// The list owns its lookmarks: those it hands out must not be destroyed.
// Indexes out of range are no error: get_ptr gives null, delete and swap do
// nothing, and a stored active index out of range reads as -1.
ZV_SCN_2D_API Tzv_lookmarks2d* zv_lookmarks_create();
ZV_SCN_2D_API void zv_lookmarks_destroy(Tzv_lookmarks2d* h);  // null accepted
ZV_SCN_2D_API void zv_lookmarks_assign(Tzv_lookmarks2d* dst, Tzv_lookmarks2d const* src);
ZV_SCN_2D_API bool zv_lookmarks_equal(Tzv_lookmarks2d const* a, Tzv_lookmarks2d const* b);
ZV_SCN_2D_API void zv_lookmarks_clear(Tzv_lookmarks2d* h);
ZV_SCN_2D_API uint32_t zv_lookmarks_get_size(Tzv_lookmarks2d const* h);
ZV_SCN_2D_API Tzv_lookmark2d* zv_lookmarks_get_ptr(Tzv_lookmarks2d* h, uint32_t i);
ZV_SCN_2D_API Tzv_lookmark2d* zv_lookmarks_add_ptr(Tzv_lookmarks2d* h);
ZV_SCN_2D_API int32_t zv_lookmarks_find_ptr(Tzv_lookmarks2d const* h, Tzv_lookmark2d const* p);
ZV_SCN_2D_API void zv_lookmarks_delete_item(Tzv_lookmarks2d* h, uint32_t i);
ZV_SCN_2D_API void zv_lookmarks_swap_items(Tzv_lookmarks2d* h, uint32_t i, uint32_t j);
ZV_SCN_2D_API int32_t zv_lookmarks_get_active_idx(Tzv_lookmarks2d const* h);
ZV_SCN_2D_API void zv_lookmarks_set_active_idx(Tzv_lookmarks2d* h, int32_t i);
ZV_SCN_2D_API Tzv_lookmark2d* zv_lookmarks_get_active_ptr(Tzv_lookmarks2d* h);
ZV_SCN_2D_API void zv_lookmarks_set_active_ptr(Tzv_lookmarks2d* h, Tzv_lookmark2d const* p);

}  // extern "C"
