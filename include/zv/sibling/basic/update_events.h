// Update events and their property lists. Events are values held by the
// caller; init before use, clear after.
// Part of the basic services library (zvk_basic).
#pragma once

#include "zv/flat.h"
#include "zv/sibling/basic/api.h"
#include "zv/sibling/basic/values.h"

ZV_BEGIN_C

enum ZV_ENUM_TYPE(int32_t) {
  zv_event_kind_update = 1,
  zv_event_kind_begin_update = 2,
  zv_event_kind_end_update = 3,
  zv_event_kind_generic = 4,
};

ZV_DECLARE_STRUCT(Tzv_update_event_prop_list);  // opaque, ordered, owned by its event
ZV_DECLARE_STRUCT(Tzv_update_event_prop);       // one entry of a property list

ZV_DECLARE_STRUCT(Tzv_event);
struct Tzv_event {
  int32_t kind;
};
ZV_DECLARE_STRUCT(Tzv_update_event);
struct Tzv_update_event {
  Tzv_event header;
  Tzv_update_event_prop_list* details;  // null: the whole object changed
};
ZV_DECLARE_STRUCT(Tzv_begin_update_event);
struct Tzv_begin_update_event {
  Tzv_event header;
};
ZV_DECLARE_STRUCT(Tzv_end_update_event);
struct Tzv_end_update_event {
  Tzv_event header;
};

ZV_BASIC_API void zv_update_event_init(Tzv_update_event* e);          // no details
ZV_BASIC_API void zv_update_event_clear(Tzv_update_event* e);         // frees details
ZV_BASIC_API void zv_update_event_init_details(Tzv_update_event* e);  // empty list when none yet
ZV_BASIC_API Tzv_update_event_prop_list* zv_update_event_get_details(Tzv_update_event const* e);

// Adding a property creates the details when missing. A key that is already
// present is not added twice; an aggregated property with a key that is
// present merges the child's properties into the present child (a null child
// means "everything changed" and absorbs the rest).
ZV_BASIC_API void zv_update_event_add_prop_integer(Tzv_update_event* e, int32_t id);
ZV_BASIC_API void zv_update_event_add_prop_string(Tzv_update_event* e, char const* name);
ZV_BASIC_API void zv_update_event_aggr_prop_integer(Tzv_update_event* e, int32_t id,
                                                    Tzv_update_event_prop_list const* child);
ZV_BASIC_API void zv_update_event_aggr_prop_string(Tzv_update_event* e, char const* name,
                                                   Tzv_update_event_prop_list const* child);

ZV_BASIC_API void zv_update_event_prop_list_add_integer(Tzv_update_event_prop_list* l, int32_t id);
ZV_BASIC_API void zv_update_event_prop_list_add_string(Tzv_update_event_prop_list* l, char const* name);
ZV_BASIC_API void zv_update_event_prop_list_aggr_integer(Tzv_update_event_prop_list* l, int32_t id,
                                                         Tzv_update_event_prop_list const* child);
ZV_BASIC_API void zv_update_event_prop_list_aggr_string(Tzv_update_event_prop_list* l, char const* name,
                                                        Tzv_update_event_prop_list const* child);

// Top-level look-ups: the entry with that key, or null. `key` is an integer
// or string Tzv_any.
ZV_BASIC_API Tzv_update_event_prop const* zv_update_event_prop_list_find(Tzv_update_event_prop_list const* l,
                                                                         Tzv_any const* key);
ZV_BASIC_API Tzv_update_event_prop const* zv_update_event_prop_list_find_integer(Tzv_update_event_prop_list const* l,
                                                                                 int32_t id);
ZV_BASIC_API Tzv_update_event_prop const* zv_update_event_prop_list_find_string(Tzv_update_event_prop_list const* l,
                                                                                char const* name);

// Walking a list (recorders, tests).
ZV_BASIC_API int32_t zv_update_event_prop_list_get_size(Tzv_update_event_prop_list const* l);
ZV_BASIC_API Tzv_update_event_prop const* zv_update_event_prop_list_get(Tzv_update_event_prop_list const* l, int32_t i);
ZV_BASIC_API Tzv_any const* zv_update_event_prop_get_key(Tzv_update_event_prop const* p);
// The child list of an aggregated property; null for a plain one.
ZV_BASIC_API Tzv_update_event_prop_list const* zv_update_event_prop_get_child(Tzv_update_event_prop const* p);
ZV_BASIC_API bool zv_update_event_prop_is_aggregated(Tzv_update_event_prop const* p);

ZV_BASIC_API void zv_begin_update_event_init(Tzv_begin_update_event* e);
ZV_BASIC_API void zv_begin_update_event_clear(Tzv_begin_update_event* e);
ZV_BASIC_API void zv_end_update_event_init(Tzv_end_update_event* e);
ZV_BASIC_API void zv_end_update_event_clear(Tzv_end_update_event* e);

ZV_END_C
