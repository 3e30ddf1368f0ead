/// \file
/// Lookmarks of a 2D scene: saved views, each a caption and four zoom values,
/// in an ordered list with an optional active entry. Plain values that
/// announce nothing.
///
/// Null rule: a null handle, or a null required argument, makes a call do
/// nothing and answer 0, false, null, -1 or an empty text; destroy accepts null.
#pragma once

#include "zv/api.h"
#include "zv/flat.h"
#include "zv/sibling/basic.h"
#include "zv/types.h"

ZV_BEGIN_C

/// A free-standing lookmark: caption empty, zoom (0, 0, 1, 1). It never enters
/// a list; it serves as source or destination of zv_lookmark_assign. Owned by
/// the caller and ended by zv_lookmark_destroy.
ZV_SCN_2D_API Tzv_lookmark2d* zv_lookmark_create();
/// Frees a lookmark that zv_lookmark_create made; never one of a list.
ZV_SCN_2D_API void zv_lookmark_destroy(Tzv_lookmark2d* h);
/// Copies the caption and the zoom values.
ZV_SCN_2D_API void zv_lookmark_assign(Tzv_lookmark2d* dst, Tzv_lookmark2d const* src);
/// True when caption and zoom values are equal.
ZV_SCN_2D_API bool zv_lookmark_equal(Tzv_lookmark2d const* a, Tzv_lookmark2d const* b);
/// Borrowed: owned by the lookmark, never freed by the caller; valid until the
/// caption changes or the lookmark goes away. A null handle answers "".
ZV_SCN_2D_API wchar_t const* zv_lookmark_get_caption(Tzv_lookmark2d const* h);
/// Feeds the caption into the adapter.
ZV_SCN_2D_API void zv_lookmark_get_caption_adp(Tzv_lookmark2d const* h, Izv_string_adp* adp);
/// Sets the caption.
ZV_SCN_2D_API void zv_lookmark_set_caption(Tzv_lookmark2d* h, wchar_t const* caption);
/// Writes the zoom values to those of the four outputs that are given.
ZV_SCN_2D_API void zv_lookmark_get_zoom(Tzv_lookmark2d const* h, double* z0, double* z1, double* z2, double* z3);
/// Sets the four zoom values.
ZV_SCN_2D_API void zv_lookmark_set_zoom(Tzv_lookmark2d* h, double z0, double z1, double z2, double z3);

// The list owns its lookmarks. Indexes out of range are no error: get_ptr
// gives null, delete and swap do nothing, and a stored active index out of
// range reads as -1. Ended by zv_lookmarks_destroy.
/// An empty list with no active entry; owned by the caller, ended by zv_lookmarks_destroy.
ZV_SCN_2D_API Tzv_lookmarks2d* zv_lookmarks_create();
/// Frees a list that zv_lookmarks_create made, with its lookmarks.
ZV_SCN_2D_API void zv_lookmarks_destroy(Tzv_lookmarks2d* h);
/// Replaces the entries of `dst` with copies of those of `src`, and the active index.
ZV_SCN_2D_API void zv_lookmarks_assign(Tzv_lookmarks2d* dst, Tzv_lookmarks2d const* src);
/// True when the active indexes and the entries, index by index, are equal.
ZV_SCN_2D_API bool zv_lookmarks_equal(Tzv_lookmarks2d const* a, Tzv_lookmarks2d const* b);
/// Frees every entry and leaves none active.
ZV_SCN_2D_API void zv_lookmarks_clear(Tzv_lookmarks2d* h);
/// The number of entries.
ZV_SCN_2D_API uint32_t zv_lookmarks_get_size(Tzv_lookmarks2d const* h);
// Entries. Borrowed: owned by the list, never freed by the caller.
/// Entry i (borrowed), or null.
ZV_SCN_2D_API Tzv_lookmark2d* zv_lookmarks_get_ptr(Tzv_lookmarks2d* h, uint32_t i);
/// A new default entry at the end (borrowed); the active index stays.
ZV_SCN_2D_API Tzv_lookmark2d* zv_lookmarks_add_ptr(Tzv_lookmarks2d* h);
/// The index of that entry, -1 when it is not in the list.
ZV_SCN_2D_API int32_t zv_lookmarks_find_ptr(Tzv_lookmarks2d const* h, Tzv_lookmark2d const* p);
/// Frees entry i and closes the gap; the active index follows its entry (-1 when it goes).
ZV_SCN_2D_API void zv_lookmarks_delete_item(Tzv_lookmarks2d* h, uint32_t i);
/// Exchanges entries i and j; the active index follows its entry.
ZV_SCN_2D_API void zv_lookmarks_swap_items(Tzv_lookmarks2d* h, uint32_t i, uint32_t j);
/// The active index, -1 when none (or when the stored one is out of range).
ZV_SCN_2D_API int32_t zv_lookmarks_get_active_idx(Tzv_lookmarks2d const* h);
/// Stores the active index as given; -1 means none.
ZV_SCN_2D_API void zv_lookmarks_set_active_idx(Tzv_lookmarks2d* h, int32_t i);
/// The active entry, or null. Borrowed: owned by the list, never freed by the caller.
ZV_SCN_2D_API Tzv_lookmark2d* zv_lookmarks_get_active_ptr(Tzv_lookmarks2d* h);
/// Makes that entry active; one not in the list leaves none active.
ZV_SCN_2D_API void zv_lookmarks_set_active_ptr(Tzv_lookmarks2d* h, Tzv_lookmark2d const* p);

ZV_END_C
