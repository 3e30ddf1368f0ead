// Basic services library (zvk_basic): values, events, identifiers, text,
// resources, history, colours and fonts. Plain exported functions over
// opaque handles or small values.
#pragma once

#include <cstddef>
#include <cstdint>

#include "zv/export.h"

#ifdef ZVK_BASIC_BUILD
#define ZV_BASIC_API ZV_EXPORT
#else
#define ZV_BASIC_API ZV_IMPORT
#endif

extern "C" {

// ---------------------------------------------------------------------------
// Values. Tzv_any, Tzv_tuple and Tzv_table are packed to 12 bytes each and
// read field by field by their users. Copies are deep: a string item owns its
// bytes, a tuple item owns its tuple.

enum : int32_t {
  zv_any_empty = 0,
  zv_any_integer = 1,
  zv_any_string = 2,
  zv_any_tuple = 3,
  zv_any_double = 4,
  zv_any_pointer = 5,  // not owned
};

struct Tzv_tuple;

#pragma pack(push, 4)
union Tzv_any_value {
  int64_t i;
  double d;
  char* s;
  Tzv_tuple* t;
  void* p;
};
struct Tzv_any {
  int32_t type;
  Tzv_any_value value;
};
struct Tzv_tuple {
  int32_t count;
  Tzv_any* items;
};
struct Tzv_table {
  int32_t count;
  Tzv_tuple* rows;
};
#pragma pack(pop)

static_assert(sizeof(Tzv_any) == 12, "Tzv_any is packed to 12 bytes");
static_assert(sizeof(Tzv_tuple) == 12, "Tzv_tuple is packed to 12 bytes");
static_assert(sizeof(Tzv_table) == 12, "Tzv_table is packed to 12 bytes");

ZV_BASIC_API Tzv_table* table_create();
ZV_BASIC_API void table_destroy(Tzv_table* t);  // null accepted
ZV_BASIC_API void table_assign(Tzv_table* dst, Tzv_table const* src);
ZV_BASIC_API int table_compare(Tzv_table const* a, Tzv_table const* b);  // 0 when equal
ZV_BASIC_API void table_resize(Tzv_table* t, int32_t rows);  // appends empty rows / drops the tail
ZV_BASIC_API void table_clear(Tzv_table* t);

ZV_BASIC_API void tuple_init(Tzv_tuple* tp);  // empty tuple; nothing to free before
ZV_BASIC_API void tuple_resize(Tzv_tuple* tp, int32_t n);  // appends empty items / drops the tail
ZV_BASIC_API void tuple_clear(Tzv_tuple* tp);  // frees the items, count 0
ZV_BASIC_API void tuple_assign(Tzv_tuple* dst, Tzv_tuple const* src);
ZV_BASIC_API int tuple_compare(Tzv_tuple const* a, Tzv_tuple const* b);

ZV_BASIC_API void any_init(Tzv_any* a);  // empty; nothing to free before
ZV_BASIC_API void any_clear(Tzv_any* a);  // frees what it owns, becomes empty
ZV_BASIC_API void any_assign(Tzv_any* dst, Tzv_any const* src);
ZV_BASIC_API void any_assign_integer(Tzv_any* a, int64_t v);
ZV_BASIC_API void any_assign_double(Tzv_any* a, double v);
ZV_BASIC_API void any_assign_string(Tzv_any* a, char const* s);  // null: empty string
ZV_BASIC_API void any_assign_tuple(Tzv_any* a, Tzv_tuple const* t);
ZV_BASIC_API void any_assign_pointer(Tzv_any* a, void* p);
ZV_BASIC_API int any_compare(Tzv_any const* a, Tzv_any const* b);  // 0 when equal

// ---------------------------------------------------------------------------
// Update events and their property lists. Events are values held by the
// caller; init before use, clear after.

enum : int32_t {
  zv_event_kind_update = 1,
  zv_event_kind_begin_update = 2,
  zv_event_kind_end_update = 3,
  zv_event_kind_generic = 4,
};

struct Tzv_update_event_prop_list;  // opaque, ordered, owned by its event
struct Tzv_update_event_prop;       // one entry of a property list

struct Tzv_event {
  int32_t kind;
};
struct Tzv_update_event {
  Tzv_event header;
  Tzv_update_event_prop_list* details;  // null: the whole object changed
};
struct Tzv_begin_update_event {
  Tzv_event header;
};
struct Tzv_end_update_event {
  Tzv_event header;
};

ZV_BASIC_API void zv_update_event_init(Tzv_update_event* e);  // no details
ZV_BASIC_API void zv_update_event_clear(Tzv_update_event* e);  // frees details
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
ZV_BASIC_API Tzv_update_event_prop const* zv_update_event_prop_list_find_integer(
    Tzv_update_event_prop_list const* l, int32_t id);
ZV_BASIC_API Tzv_update_event_prop const* zv_update_event_prop_list_find_string(
    Tzv_update_event_prop_list const* l, char const* name);

// Walking a list (recorders, tests).
ZV_BASIC_API int32_t zv_update_event_prop_list_get_size(Tzv_update_event_prop_list const* l);
ZV_BASIC_API Tzv_update_event_prop const* zv_update_event_prop_list_get(Tzv_update_event_prop_list const* l,
                                                                        int32_t i);
ZV_BASIC_API Tzv_any const* zv_update_event_prop_get_key(Tzv_update_event_prop const* p);
// The child list of an aggregated property; null for a plain one.
ZV_BASIC_API Tzv_update_event_prop_list const* zv_update_event_prop_get_child(Tzv_update_event_prop const* p);
ZV_BASIC_API bool zv_update_event_prop_is_aggregated(Tzv_update_event_prop const* p);

ZV_BASIC_API void zv_begin_update_event_init(Tzv_begin_update_event* e);
ZV_BASIC_API void zv_begin_update_event_clear(Tzv_begin_update_event* e);
ZV_BASIC_API void zv_end_update_event_init(Tzv_end_update_event* e);
ZV_BASIC_API void zv_end_update_event_clear(Tzv_end_update_event* e);

// ---------------------------------------------------------------------------
// Event channels. A broadcast hands every client a queue (a Tzv_table of
// events, valid during the call). Clients may add or remove clients, and an
// owner may release the channel, during a broadcast.

struct Tzv_event_channel;
typedef void (*Tzv_event_proc)(Tzv_table* queue, void* data);

ZV_BASIC_API Tzv_event_channel* zv_event_channel_create();
ZV_BASIC_API void zv_event_channel_add_client(Tzv_event_channel* c, Tzv_event_proc proc, void* data);
// Removes the client (proc, data). Null proc and data: the owner releases the
// channel, which is freed (after the running broadcast, if any).
ZV_BASIC_API void zv_event_channel_del_client(Tzv_event_channel* c, Tzv_event_proc proc, void* data);
ZV_BASIC_API int32_t zv_event_channel_get_client_count(Tzv_event_channel const* c);
// Delivers one event of any kind. The caller keeps and clears the event.
ZV_BASIC_API void zv_event_channel_broadcast_event(Tzv_event_channel* c, Tzv_event const* e);
// Delivers a generic event: a tuple (item 0 an integer id, item 1 the data).
ZV_BASIC_API void zv_event_channel_broadcast_tuple(Tzv_event_channel* c, Tzv_tuple const* t);

// Event queues: counts are signed 32-bit; getters yield the i-th event when it
// is of that kind, else null (also for i out of range).
ZV_BASIC_API int32_t zv_event_queue_get_size(Tzv_table const* q);
ZV_BASIC_API int32_t zv_event_queue_count_update_events(Tzv_table const* q);
ZV_BASIC_API Tzv_update_event* zv_event_queue_get_update_event(Tzv_table const* q, int32_t i);
ZV_BASIC_API Tzv_begin_update_event* zv_event_queue_get_begin_update_event(Tzv_table const* q, int32_t i);
ZV_BASIC_API Tzv_end_update_event* zv_event_queue_get_end_update_event(Tzv_table const* q, int32_t i);
ZV_BASIC_API Tzv_tuple* zv_event_queue_get_generic_event(Tzv_table const* q, int32_t i);
// Building queues by hand (forwarding tests). Events are referenced, not copied.
ZV_BASIC_API Tzv_table* zv_event_queue_create();
ZV_BASIC_API void zv_event_queue_push(Tzv_table* q, Tzv_event const* e);
ZV_BASIC_API void zv_event_queue_push_tuple(Tzv_table* q, Tzv_tuple const* t);
ZV_BASIC_API void zv_event_queue_destroy(Tzv_table* q);

// ---------------------------------------------------------------------------
// Identifiers.

struct Tzv_uuid_t {
  uint8_t bytes[16];
};
struct Izv_string_adp;

ZV_BASIC_API Tzv_uuid_t* zv_uuid_create();  // all zero
ZV_BASIC_API void zv_uuid_generate(Tzv_uuid_t* u, int32_t flags);  // fresh random (version 4) value
ZV_BASIC_API void zv_uuid_assign(Tzv_uuid_t* dst, Tzv_uuid_t const* src);
ZV_BASIC_API bool zv_uuid_equal(Tzv_uuid_t const* a, Tzv_uuid_t const* b);
ZV_BASIC_API void zv_uuid_destroy(Tzv_uuid_t* u);  // null accepted
// Feeds the text of a freshly generated identifier into the adapter.
ZV_BASIC_API void zv_uuid_generate_string(Izv_string_adp* adp);
// Feeds the text form of `u` ("xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx", lower case).
ZV_BASIC_API void zv_uuid_get_string(Tzv_uuid_t const* u, Izv_string_adp* adp);

// ---------------------------------------------------------------------------
// String adapters: the producer feeds text; the adapter calls back into the
// consumer that created it.

typedef void (*Tzv_ansi_string_callback)(char const* s, void* data);
typedef void (*Tzv_unicode_string_callback)(wchar_t const* s, void* data);

ZV_BASIC_API Izv_string_adp* zv_string_adp_create(Tzv_ansi_string_callback ansi_cb,
                                                  Tzv_unicode_string_callback unicode_cb, void* data);
ZV_BASIC_API void zv_string_adp_feed(Izv_string_adp* adp, wchar_t const* s);
ZV_BASIC_API void zv_string_adp_feed_ansi(Izv_string_adp* adp, char const* s);
ZV_BASIC_API void zv_string_adp_destroy(Izv_string_adp* adp);  // null accepted

// ---------------------------------------------------------------------------
// Wide-string lists.

struct Tzv_wstrings_obj;

ZV_BASIC_API Tzv_wstrings_obj* zv_wstrings_create();
ZV_BASIC_API void zv_wstrings_destroy(Tzv_wstrings_obj* l);  // null accepted
ZV_BASIC_API int32_t zv_wstrings_get_size(Tzv_wstrings_obj const* l);
ZV_BASIC_API wchar_t const* zv_wstrings_get_str(Tzv_wstrings_obj const* l, int32_t i);  // null out of range
ZV_BASIC_API void zv_wstrings_get_str_adp(Tzv_wstrings_obj const* l, int32_t i, Izv_string_adp* adp);
ZV_BASIC_API void zv_wstrings_add_str(Tzv_wstrings_obj* l, wchar_t const* s);  // null adds ""
ZV_BASIC_API void zv_wstrings_clear(Tzv_wstrings_obj* l);

// ---------------------------------------------------------------------------
// Resource strings: localised texts by number, owned by the library; an
// unknown number gives the empty text.

enum : int32_t {
  zv_res_map = 411,
  zv_res_column = 413,
  zv_res_layout = 414,
  zv_res_maps = 421,
  zv_res_columns = 426,
  zv_res_layouts = 427,
};

ZV_BASIC_API wchar_t const* zv_res_get_wstr(int32_t id);

// ---------------------------------------------------------------------------
// The process-wide history (undo) manager's nesting bracket.

struct Tzv_history_manager;

ZV_BASIC_API Tzv_history_manager* zv_history_manager_get_instance();
ZV_BASIC_API void zv_history_manager_begin_update(Tzv_history_manager* m);
ZV_BASIC_API void zv_history_manager_end_update(Tzv_history_manager* m);  // ignored at depth 0
ZV_BASIC_API int32_t zv_history_manager_get_depth(Tzv_history_manager const* m);

// ---------------------------------------------------------------------------
// Colours: four 8-bit components in memory order r, g, b, a; passed by value.

struct Tzv_color {
  uint8_t r;
  uint8_t g;
  uint8_t b;
  uint8_t a;
};
static_assert(sizeof(Tzv_color) == 4, "Tzv_color is four bytes");

ZV_BASIC_API Tzv_color zv_clr_init_rgb(uint8_t r, uint8_t g, uint8_t b);  // a = 0
// The value's bytes from the lowest up: r, g, b, a (0x000000FF is pure red).
ZV_BASIC_API Tzv_color zv_clr_init_int(uint32_t v);
ZV_BASIC_API Tzv_color zv_clr_init_grey(uint8_t level);
ZV_BASIC_API bool zv_clr_equal(Tzv_color const* a, Tzv_color const* b);
ZV_BASIC_API uint32_t zv_clr_to_int(Tzv_color c);

// ---------------------------------------------------------------------------
// Font descriptions: face name, height, bold, italic.

struct Tzv_fnt_type;

ZV_BASIC_API Tzv_fnt_type* zv_fnt_type_create();  // "Arial", 10, regular
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

}  // extern "C"

// Typed broadcasts for C++ callers.
inline void zv_event_channel_broadcast(Tzv_event_channel* c, Tzv_update_event const* e) {
  zv_event_channel_broadcast_event(c, &e->header);
}
inline void zv_event_channel_broadcast(Tzv_event_channel* c, Tzv_begin_update_event const* e) {
  zv_event_channel_broadcast_event(c, &e->header);
}
inline void zv_event_channel_broadcast(Tzv_event_channel* c, Tzv_end_update_event const* e) {
  zv_event_channel_broadcast_event(c, &e->header);
}
inline void zv_event_channel_broadcast(Tzv_event_channel* c, Tzv_tuple const* t) {
  zv_event_channel_broadcast_tuple(c, t);
}
