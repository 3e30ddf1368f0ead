/// \file
/// A 2D scene as an entity and a collection of layers: caption, uuid, mark,
/// extras, events, and the inherited member operations.
///
/// Null rule: a null handle, or a null required argument, makes a call do
/// nothing and answer 0, false, null or an empty text; an index out of range
/// does nothing (or answers null).
#pragma once

#include "zv/api.h"
#include "zv/flat.h"
#include "zv/izv_scene.h"

ZV_BEGIN_C

/// Removes every layer; they are freed when the end-update event has gone out.
/// Announces properties 1 and 3 (layer list, active layer).
ZV_SCN_2D_API void zv_scn_2d_clear(Izv_scene* scene);
/// The caption in the system code page; borrowed, valid until the next call.
ZV_SCN_2D_API char const* zv_scn_2d_get_caption(Izv_scene* scene);
/// Sets the caption from system code-page text, as zv_scn_2d_set_wcaption does.
ZV_SCN_2D_API void zv_scn_2d_set_caption(Izv_scene* scene, char const* caption);
/// Feeds the caption into the adapter.
ZV_SCN_2D_API void zv_scn_2d_get_wcaption(Izv_scene* scene, Izv_string_adp* adp);
/// Made unique among the sibling scenes ("%ls(%d)"); the root group shows it.
/// Announces property 2 (caption), even when the text is unchanged.
ZV_SCN_2D_API void zv_scn_2d_set_wcaption(Izv_scene* scene, wchar_t const* caption);
/// The scene's uuid; borrowed: owned by the scene.
ZV_SCN_2D_API Tzv_uuid_t* zv_scn_2d_get_uuid(Izv_scene* scene);
/// Copies the value into the scene's uuid; announces nothing.
ZV_SCN_2D_API void zv_scn_2d_set_uuid(Izv_scene* scene, Tzv_uuid_t* uuid);
/// Whether the scene is marked in its collection.
ZV_SCN_2D_API bool zv_scn_2d_get_marked(Izv_scene* scene);
/// Announces property 5 (marked) when the mark changes.
ZV_SCN_2D_API void zv_scn_2d_set_marked(Izv_scene* scene, bool marked);

// Layers by index, in the order of the layer group tree; each borrowed.
/// The number of layers.
ZV_SCN_2D_API uint32_t zv_scn_2d_get_layer_count(Izv_scene* scene);
/// Layer i in tree order (borrowed), or null.
ZV_SCN_2D_API Izv_layer* zv_scn_2d_get_layer_ptr(Izv_scene* scene, uint32_t i);
/// The first layer (borrowed), or null when there is none.
ZV_SCN_2D_API Izv_layer* zv_scn_2d_get_first_layer_ptr(Izv_scene* scene);
/// The last layer (borrowed), or null when there is none.
ZV_SCN_2D_API Izv_layer* zv_scn_2d_get_last_layer_ptr(Izv_scene* scene);
/// The first layer whose caption equals the text exactly (borrowed), or null.
ZV_SCN_2D_API Izv_layer* zv_scn_2d_find_layer_by_caption(Izv_scene* scene, wchar_t const* caption);
/// Marks that layer and unmarks the others; null unmarks all. The layers'
/// changes reach the scene's listeners as property 1.
ZV_SCN_2D_API void zv_scn_2d_set_marked_lr2d(Izv_scene* scene, Izv_layer* layer);
/// Marks layer i and unmarks the others; an index out of range unmarks all.
ZV_SCN_2D_API void zv_scn_2d_set_marked_lr2d_idx(Izv_scene* scene, uint32_t i);
/// The layer's index, 0xFFFFFFFF when it is not in the scene.
ZV_SCN_2D_API uint32_t zv_scn_2d_get_lr2d_idx(Izv_scene* scene, Izv_layer* layer);
// Removed layers are freed when the scene's end-update event has gone out.
/// Removes layer i. Announces property 1; removing the active layer leaves none active.
ZV_SCN_2D_API void zv_scn_2d_del_lr2d(Izv_scene* scene, uint32_t i);
/// Removes that layer when it is in the scene. Announces property 1.
ZV_SCN_2D_API void zv_scn_2d_del_lr2d_ptr(Izv_scene* scene, Izv_layer* layer);
/// Removes the marked layers. Announces property 1, and 3 when the active one goes.
ZV_SCN_2D_API void zv_scn_2d_del_lr2d_marked(Izv_scene* scene);
/// Removes the layers at the `n` indexes read from `indices`. Announces property 1.
ZV_SCN_2D_API void zv_scn_2d_del_lr2d_array(Izv_scene* scene, uint32_t n, uint32_t* indices);

// Extras: named values that callers attach. The table and slots are borrowed.
/// The scene's extras table (borrowed).
ZV_SCN_2D_API Tzv_table* zv_scn_2d_get_table_extra(Izv_scene* scene);
/// Copies the table into the scene's extras; announces nothing.
ZV_SCN_2D_API void zv_scn_2d_set_table_extra(Izv_scene* scene, Tzv_table* table);
/// The value slot of the extra of that name (borrowed), made empty on first use.
ZV_SCN_2D_API Tzv_any* zv_scn_2d_get_extra(Izv_scene* scene, char const* name);
/// Announces that the extra of that name changed: an update whose property is the name.
ZV_SCN_2D_API void zv_scn_2d_extra_changed(Izv_scene* scene, char const* name);
/// The scene's update channel (borrowed), made on first use.
ZV_SCN_2D_API Tzv_event_channel* zv_scn_2d_get_update_event_channel(Izv_scene* scene);
/// Announces a plain update event (no property: the whole scene changed).
ZV_SCN_2D_API void zv_scn_2d_changed(Izv_scene* scene);
/// The scene's meta data (borrowed).
ZV_SCN_2D_API Tzv_meta_data_obj* zv_scn_2d_get_meta_data_ptr(Izv_scene* scene);
/// Copies the meta data into the scene's own; announces nothing.
ZV_SCN_2D_API void zv_scn_2d_set_meta_data(Izv_scene* scene, Tzv_meta_data_obj* meta);
/// Feeds the source a derived scene was made from; a plain scene feeds nothing.
ZV_SCN_2D_API void zv_scn_2d_get_source(Izv_scene* scene, Izv_string_adp* adp);
/// Sets a derived scene's source; a plain scene ignores it.
ZV_SCN_2D_API void zv_scn_2d_set_source(Izv_scene* scene, wchar_t const* source);

ZV_END_C
