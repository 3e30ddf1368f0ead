/// \file
/// Margins around a scene's map area: four whole-number sizes in the viewer's
/// unit and a visibility flag. Plain values that announce nothing.
///
/// Null rule: a null handle, or a null required argument, makes a call do
/// nothing and answer 0, false, null, -1 or an empty text; destroy accepts null.
#pragma once

#include "zv/api.h"
#include "zv/flat.h"
#include "zv/types.h"

ZV_BEGIN_C

/// Not visible; 10, 5, 10, 5. Owned by the caller and ended by zv_margins_destroy.
ZV_SCN_2D_API Tzv_margins_obj* zv_margins_create();
/// Frees margins that zv_margins_create made.
ZV_SCN_2D_API void zv_margins_destroy(Tzv_margins_obj* m);
/// Copies the four sizes and the flag.
ZV_SCN_2D_API void zv_margins_assign(Tzv_margins_obj* dst, Tzv_margins_obj* src);
/// True when the four sizes and the flag are equal.
ZV_SCN_2D_API bool zv_margins_equal(Tzv_margins_obj* a, Tzv_margins_obj* b);
/// Whether the margins are shown.
ZV_SCN_2D_API bool zv_margins_get_visible(Tzv_margins_obj* m);
/// Shows or hides the margins.
ZV_SCN_2D_API void zv_margins_set_visible(Tzv_margins_obj* m, bool visible);
/// The left margin.
ZV_SCN_2D_API unsigned int zv_margins_get_lft(Tzv_margins_obj* m);
/// Sets the left margin.
ZV_SCN_2D_API void zv_margins_set_lft(Tzv_margins_obj* m, unsigned int v);
/// The top margin.
ZV_SCN_2D_API unsigned int zv_margins_get_top(Tzv_margins_obj* m);
/// Sets the top margin.
ZV_SCN_2D_API void zv_margins_set_top(Tzv_margins_obj* m, unsigned int v);
/// The right margin.
ZV_SCN_2D_API unsigned int zv_margins_get_rgt(Tzv_margins_obj* m);
/// Sets the right margin.
ZV_SCN_2D_API void zv_margins_set_rgt(Tzv_margins_obj* m, unsigned int v);
/// The bottom margin.
ZV_SCN_2D_API unsigned int zv_margins_get_btm(Tzv_margins_obj* m);
/// Sets the bottom margin.
ZV_SCN_2D_API void zv_margins_set_btm(Tzv_margins_obj* m, unsigned int v);

ZV_END_C
