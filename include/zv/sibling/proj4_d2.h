// Projection library (zvk_proj4_d2): PROJ.4 definition texts (validity,
// equivalence, short display names) and reprojection of outline polygons.
// Coordinates are in the traditional GIS order: x is longitude or easting,
// y latitude or northing; geographic coordinates are in degrees.
#pragma once

#include "zv/export.h"
#include "zv/sibling/basic/string_adp.h"
#include "zv/sibling/prg.h"

#ifdef ZVK_PROJ4_D2_BUILD
#define ZV_PROJ4_D2_API ZV_EXPORT
#else
#define ZV_PROJ4_D2_API ZV_IMPORT
#endif

extern "C" {

struct Tzv_rpj_d2;  // reprojector from one coordinate system to another

// True when the text names a usable coordinate system.
ZV_PROJ4_D2_API bool zv_pj4_is_valid_w(wchar_t const* pj4);
// True when both texts denote the same coordinate system. Texts whose
// parameter lists are equal up to order and spacing always are; two empty
// texts are equal.
ZV_PROJ4_D2_API bool zv_pj4_equal_w(wchar_t const* a, wchar_t const* b);
// Feeds a short display name, or an empty text when there is none.
ZV_PROJ4_D2_API void zv_pj4_get_short_text_w(wchar_t const* pj4, Izv_string_adp* adp);

ZV_PROJ4_D2_API Tzv_rpj_d2* zv_rpj_d2_create();
ZV_PROJ4_D2_API void zv_rpj_d2_destroy(Tzv_rpj_d2* r);  // null accepted
// Sets source and target; true when the polygons can be carried over (no
// reprojection is needed, or both systems are usable).
ZV_PROJ4_D2_API bool zv_rpj_d2_init_w(Tzv_rpj_d2* r, wchar_t const* src, wchar_t const* dst);
// False when source and target denote the same system.
ZV_PROJ4_D2_API bool zv_rpj_d2_rpj_is_needed(Tzv_rpj_d2 const* r);
// Reprojects the polygon in place. True on success; on failure the polygon
// is left as it was.
ZV_PROJ4_D2_API bool zv_rpj_d2_apply_ov(Tzv_rpj_d2* r, Tzv_op2d* ov);
// True when this build reprojects between different systems (false for the
// text-only build).
ZV_PROJ4_D2_API bool zv_pj4_can_reproject();

}  // extern "C"
