// A 2D scene as an entity and a collection of layers: caption, uuid, mark,
// extras, events, and the inherited member operations.
//
// Null rule: a null handle, or a null required argument, makes a call do
// nothing and answer 0, false, null or an empty text; an index out of range
// does nothing (or answers null).
#pragma once

#include <cstdint>

#include "zv/api.h"
#include "zv/izv_scene.h"

extern "C" {

// Removes every layer; they are freed when the end-update event has gone out.
ZV_SCN_2D_API void zv_scn_2d_clear(Izv_scene* scene);
// The caption in the system code page; borrowed, valid until the next call.
ZV_SCN_2D_API char const* zv_scn_2d_get_caption(Izv_scene* scene);
ZV_SCN_2D_API void zv_scn_2d_set_caption(Izv_scene* scene, char const* caption);
ZV_SCN_2D_API void zv_scn_2d_get_wcaption(Izv_scene* scene, Izv_string_adp* adp);
// Made unique among the sibling scenes ("%ls(%d)"); the root group shows it.
ZV_SCN_2D_API void zv_scn_2d_set_wcaption(Izv_scene* scene, wchar_t const* caption);
ZV_SCN_2D_API Tzv_uuid_t* zv_scn_2d_get_uuid(Izv_scene* scene);  // borrowed
ZV_SCN_2D_API void zv_scn_2d_set_uuid(Izv_scene* scene, Tzv_uuid_t* uuid);
ZV_SCN_2D_API bool zv_scn_2d_get_marked(Izv_scene* scene);
ZV_SCN_2D_API void zv_scn_2d_set_marked(Izv_scene* scene, bool marked);

// Layers by index, in the order of the layer group tree; each borrowed.
ZV_SCN_2D_API uint32_t zv_scn_2d_get_layer_count(Izv_scene* scene);
ZV_SCN_2D_API Izv_layer* zv_scn_2d_get_layer_ptr(Izv_scene* scene, uint32_t i);
ZV_SCN_2D_API Izv_layer* zv_scn_2d_get_first_layer_ptr(Izv_scene* scene);
ZV_SCN_2D_API Izv_layer* zv_scn_2d_get_last_layer_ptr(Izv_scene* scene);
ZV_SCN_2D_API Izv_layer* zv_scn_2d_find_layer_by_caption(Izv_scene* scene, wchar_t const* caption);
// Marks that layer and unmarks the others; null unmarks all.
ZV_SCN_2D_API void zv_scn_2d_set_marked_lr2d(Izv_scene* scene, Izv_layer* layer);
ZV_SCN_2D_API void zv_scn_2d_set_marked_lr2d_idx(Izv_scene* scene, uint32_t i);
// The layer's index, 0xFFFFFFFF when it is not in the scene.
ZV_SCN_2D_API uint32_t zv_scn_2d_get_lr2d_idx(Izv_scene* scene, Izv_layer* layer);
// Removed layers are freed when the scene's end-update event has gone out.
ZV_SCN_2D_API void zv_scn_2d_del_lr2d(Izv_scene* scene, uint32_t i);
ZV_SCN_2D_API void zv_scn_2d_del_lr2d_ptr(Izv_scene* scene, Izv_layer* layer);
ZV_SCN_2D_API void zv_scn_2d_del_lr2d_marked(Izv_scene* scene);
ZV_SCN_2D_API void zv_scn_2d_del_lr2d_array(Izv_scene* scene, uint32_t n, uint32_t* indices);

// Extras: named values that callers attach. The table and slots are borrowed.
ZV_SCN_2D_API Tzv_table* zv_scn_2d_get_table_extra(Izv_scene* scene);
ZV_SCN_2D_API void zv_scn_2d_set_table_extra(Izv_scene* scene, Tzv_table* table);  // copies
ZV_SCN_2D_API Tzv_any* zv_scn_2d_get_extra(Izv_scene* scene, char const* name);
// Announces that the extra of that name changed.
ZV_SCN_2D_API void zv_scn_2d_extra_changed(Izv_scene* scene, char const* name);
// The scene's update channel (borrowed), made on first use.
ZV_SCN_2D_API Tzv_event_channel* zv_scn_2d_get_update_event_channel(Izv_scene* scene);
// Announces a plain update event.
ZV_SCN_2D_API void zv_scn_2d_changed(Izv_scene* scene);
// The scene's meta data (borrowed); set copies into it.
ZV_SCN_2D_API Tzv_meta_data_obj* zv_scn_2d_get_meta_data_ptr(Izv_scene* scene);
ZV_SCN_2D_API void zv_scn_2d_set_meta_data(Izv_scene* scene, Tzv_meta_data_obj* meta);
// The source a derived scene was made from; a plain scene has none.
ZV_SCN_2D_API void zv_scn_2d_get_source(Izv_scene* scene, Izv_string_adp* adp);
ZV_SCN_2D_API void zv_scn_2d_set_source(Izv_scene* scene, wchar_t const* source);

}  // extern "C"
