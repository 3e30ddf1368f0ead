// Identifiers: random version-4 uuids and their text form.
// Part of the basic services library (zvk_basic).
#pragma once

#include "zv/flat.h"
#include "zv/sibling/basic/api.h"

ZV_BEGIN_C

ZV_DECLARE_STRUCT(Tzv_uuid_t);
struct Tzv_uuid_t {
  uint8_t bytes[16];
};
ZV_DECLARE_STRUCT(Izv_string_adp);  // string_adp.h

ZV_BASIC_API Tzv_uuid_t* zv_uuid_create();                         // all zero
ZV_BASIC_API void zv_uuid_generate(Tzv_uuid_t* u, int32_t flags);  // fresh random (version 4) value
ZV_BASIC_API void zv_uuid_assign(Tzv_uuid_t* dst, Tzv_uuid_t const* src);
ZV_BASIC_API bool zv_uuid_equal(Tzv_uuid_t const* a, Tzv_uuid_t const* b);
ZV_BASIC_API void zv_uuid_destroy(Tzv_uuid_t* u);  // null accepted
// Feeds the text of a freshly generated identifier into the adapter.
ZV_BASIC_API void zv_uuid_generate_string(Izv_string_adp* adp);
// Feeds the text form of `u` ("xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx", lower case).
ZV_BASIC_API void zv_uuid_get_string(Tzv_uuid_t const* u, Izv_string_adp* adp);

ZV_END_C
