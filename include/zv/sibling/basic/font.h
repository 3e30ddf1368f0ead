// Font descriptions: face name, height, bold, italic.
// Part of the basic services library (zvk_basic).
#pragma once

#include "zv/flat.h"
#include "zv/sibling/basic/api.h"

ZV_BEGIN_C

ZV_DECLARE_STRUCT(Tzv_fnt_type);
ZV_DECLARE_STRUCT(Izv_string_adp);  // string_adp.h

ZV_BASIC_API Tzv_fnt_type* zv_fnt_type_create();         // "Arial", 10, regular
ZV_BASIC_API void zv_fnt_type_destroy(Tzv_fnt_type* f);  // null accepted
ZV_BASIC_API void zv_fnt_type_assign(Tzv_fnt_type* dst, Tzv_fnt_type const* src);
ZV_BASIC_API bool zv_fnt_type_equal(Tzv_fnt_type const* a, Tzv_fnt_type const* b);
ZV_BASIC_API void zv_fnt_type_set_name(Tzv_fnt_type* f, wchar_t const* name);
ZV_BASIC_API void zv_fnt_type_get_name(Tzv_fnt_type const* f, Izv_string_adp* adp);
ZV_BASIC_API void zv_fnt_type_set_height(Tzv_fnt_type* f, double height);
ZV_BASIC_API double zv_fnt_type_get_height(Tzv_fnt_type const* f);
ZV_BASIC_API void zv_fnt_type_set_bold(Tzv_fnt_type* f, bool bold);
ZV_BASIC_API bool zv_fnt_type_get_bold(Tzv_fnt_type const* f);
ZV_BASIC_API void zv_fnt_type_set_italic(Tzv_fnt_type* f, bool italic);
ZV_BASIC_API bool zv_fnt_type_get_italic(Tzv_fnt_type const* f);

ZV_END_C
