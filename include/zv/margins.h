// Margins around a scene's map area: four whole-number sizes in the viewer's
// unit and a visibility flag.
#pragma once

#include "zv/api.h"

class Tzv_margins_obj;

extern "C" {

ZV_SCN_2D_API Tzv_margins_obj* zv_margins_create();  // not visible; 10, 5, 10, 5
ZV_SCN_2D_API void zv_margins_destroy(Tzv_margins_obj* m);  // null accepted
ZV_SCN_2D_API void zv_margins_assign(Tzv_margins_obj* dst, Tzv_margins_obj* src);
ZV_SCN_2D_API bool zv_margins_equal(Tzv_margins_obj* a, Tzv_margins_obj* b);
ZV_SCN_2D_API bool zv_margins_get_visible(Tzv_margins_obj* m);
ZV_SCN_2D_API void zv_margins_set_visible(Tzv_margins_obj* m, bool visible);
ZV_SCN_2D_API unsigned int zv_margins_get_lft(Tzv_margins_obj* m);
ZV_SCN_2D_API void zv_margins_set_lft(Tzv_margins_obj* m, unsigned int v);
ZV_SCN_2D_API unsigned int zv_margins_get_top(Tzv_margins_obj* m);
ZV_SCN_2D_API void zv_margins_set_top(Tzv_margins_obj* m, unsigned int v);
ZV_SCN_2D_API unsigned int zv_margins_get_rgt(Tzv_margins_obj* m);
ZV_SCN_2D_API void zv_margins_set_rgt(Tzv_margins_obj* m, unsigned int v);
ZV_SCN_2D_API unsigned int zv_margins_get_btm(Tzv_margins_obj* m);
ZV_SCN_2D_API void zv_margins_set_btm(Tzv_margins_obj* m, unsigned int v);

}  // extern "C"
