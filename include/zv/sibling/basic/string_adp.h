// String adapters: the producer feeds text; the adapter calls back into the
// consumer that created it.
// Part of the basic services library (zvk_basic).
#pragma once

#include "zv/flat.h"
#include "zv/sibling/basic/api.h"

ZV_BEGIN_C

ZV_DECLARE_STRUCT(Izv_string_adp);  // opaque; made and freed by the functions below

typedef void (*Tzv_ansi_string_callback)(char const* s, void* data);
typedef void (*Tzv_unicode_string_callback)(wchar_t const* s, void* data);

ZV_BASIC_API Izv_string_adp* zv_string_adp_create(Tzv_ansi_string_callback ansi_cb,
                                                  Tzv_unicode_string_callback unicode_cb, void* data);
ZV_BASIC_API void zv_string_adp_feed(Izv_string_adp* adp, wchar_t const* s);
ZV_BASIC_API void zv_string_adp_feed_ansi(Izv_string_adp* adp, char const* s);
ZV_BASIC_API void zv_string_adp_destroy(Izv_string_adp* adp);  // null accepted

ZV_END_C
