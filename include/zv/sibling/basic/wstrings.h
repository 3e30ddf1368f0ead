// Wide-string lists.
// Part of the basic services library (zvk_basic).
#pragma once

#include "zv/flat.h"
#include "zv/sibling/basic/api.h"

ZV_BEGIN_C

ZV_DECLARE_STRUCT(Tzv_wstrings_obj);
ZV_DECLARE_STRUCT(Izv_string_adp);  // string_adp.h

ZV_BASIC_API Tzv_wstrings_obj* zv_wstrings_create();
ZV_BASIC_API void zv_wstrings_destroy(Tzv_wstrings_obj* l);  // null accepted
ZV_BASIC_API int32_t zv_wstrings_get_size(Tzv_wstrings_obj const* l);
ZV_BASIC_API wchar_t const* zv_wstrings_get_str(Tzv_wstrings_obj const* l, int32_t i);  // null out of range
ZV_BASIC_API void zv_wstrings_get_str_adp(Tzv_wstrings_obj const* l, int32_t i, Izv_string_adp* adp);
ZV_BASIC_API void zv_wstrings_add_str(Tzv_wstrings_obj* l, wchar_t const* s);  // null adds ""
ZV_BASIC_API void zv_wstrings_clear(Tzv_wstrings_obj* l);

ZV_END_C
