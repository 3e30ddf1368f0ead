// Entity library (zvk_entity): entity storage, collection helpers, unique
// captions, update brackets by interface and meta data.
#pragma once

#include <cstdint>

#include "zv/izv_scene.h"

#ifdef ZVK_ENTITY_BUILD
#define ZV_ENTITY_API ZV_EXPORT
#else
#define ZV_ENTITY_API ZV_IMPORT
#endif

extern "C" {

// Process-wide registry of live entities, keyed by uuid.
ZV_ENTITY_API void zv_entity_storage_add(Izv_entity* e);
ZV_ENTITY_API void zv_entity_storage_remove(Izv_entity* e);
ZV_ENTITY_API Izv_entity* zv_entity_storage_find_by_uid(Tzv_uuid_t const* uid);
ZV_ENTITY_API int32_t zv_entity_storage_get_count();

// The entity's collection interface, or null when it is no collection.
ZV_ENTITY_API Izv_entities* zv_entities_safe_downcast(Izv_entity* e);
// Index of `e` in `c`, 0xFFFFFFFF when it is not a member.
ZV_ENTITY_API uint32_t zv_entities_get_entity_index(Izv_entities* c, Izv_entity* e);
// True when no member of `c` bears that caption.
ZV_ENTITY_API bool zv_entities_is_unique_wcaption(Izv_entities* c, wchar_t const* caption);

// Unique captions. `format` holds one string placeholder (%ls or %s) and then
// one integer placeholder (%d); "%%" stands for a percent sign. Any other
// directive is copied as text, so a caption never acts as a format. The
// number counts up from `first` until no member bears the caption. The _ex
// form serves an entity renaming itself: `self` does not count as bearing its
// own caption, and `base` itself is kept when no other member bears it.
ZV_ENTITY_API void zv_entities_unique_wcaption(Izv_entities* c, wchar_t const* base, wchar_t const* format,
                                               int32_t first, Izv_string_adp* out);
ZV_ENTITY_API void zv_entities_unique_wcaption_ex(Izv_entities* c, wchar_t const* base, wchar_t const* format,
                                                  int32_t first, Izv_string_adp* out, Izv_entity* self);
// The same with the library's own format "%ls %d", counting from 1; `base`
// itself when it is unique.
ZV_ENTITY_API void zv_entities_create_unique_wcaption(Izv_entities* c, wchar_t const* base, Izv_string_adp* out);

ZV_ENTITY_API Tzv_event_channel* zv_entities_get_update_event_channel(Izv_entities* c);

// Update brackets by interface; null is accepted and does nothing.
ZV_ENTITY_API void zv_entity_begin_update(Izv_entity* e);
ZV_ENTITY_API void zv_entity_end_update(Izv_entity* e);
ZV_ENTITY_API void zv_scn_begin_update(Izv_scene* s);
ZV_ENTITY_API void zv_scn_end_update(Izv_scene* s);

// Meta data: a named bag of values (a Tzv_table of name/value rows).
ZV_ENTITY_API Tzv_meta_data_obj* zv_meta_data_create();
ZV_ENTITY_API void zv_meta_data_assign(Tzv_meta_data_obj* dst, Tzv_meta_data_obj const* src);
ZV_ENTITY_API bool zv_meta_data_equal(Tzv_meta_data_obj const* a, Tzv_meta_data_obj const* b);
ZV_ENTITY_API void zv_meta_data_destroy(Tzv_meta_data_obj* m);  // null accepted
ZV_ENTITY_API Tzv_table* zv_meta_data_get_table(Tzv_meta_data_obj* m);

}  // extern "C"
