/// \file
/// A 2D scene's layers: making them, grouping, activation, moves, selection,
/// and the scene's projection.
///
/// Null rule: a null handle, or a null required argument, makes a call do
/// nothing and answer 0, false, null or an empty text. Layers, groups and
/// lists that these calls hand out are borrowed: the scene owns its layers.
#pragma once

#include "zv/api.h"
#include "zv/flat.h"
#include "zv/izv_scene.h"
#include "zv/sibling/basic/wstrings.h"

ZV_DECLARE_STRUCT(Tzv_composite_layer_2d);

ZV_BEGIN_C

/// A new layer of that type at the end (caption "Layer", the scene's
/// projection as drawing projection, a slot in the layer group tree); null
/// for a type the layer factory does not know. Announces property 1.
ZV_SCN_2D_API Izv_layer* zv_scn_2d_add_layer_type_name(Izv_scene* scene, char const* type);
/// The same without a slot; the tree gives it one when it next verifies.
/// Announces property 1.
ZV_SCN_2D_API Izv_layer* zv_scn_2d_add_layer_type_name_ex_slot(Izv_scene* scene, char const* type);
/// The marked layers gathered into a composite at the first one's place,
/// which becomes the active index. Announces property 1.
ZV_SCN_2D_API Tzv_composite_layer_2d* zv_scn_2d_create_layer_group(Izv_scene* scene);
/// The composite dissolved; its sub-layers stand at the active index.
/// Announces property 1.
ZV_SCN_2D_API void zv_scn_2d_destroy_layer_group(Izv_scene* scene, Tzv_composite_layer_2d* group);
/// A derived scene's page layer; null for a plain scene.
ZV_SCN_2D_API Izv_layer* zv_scn_2d_get_background_layer(Izv_scene* scene);

/// The active layer, or null.
ZV_SCN_2D_API Izv_layer* zv_scn_2d_get_active_lr2d(Izv_scene* scene);
/// Makes the layer active (null or a stranger: none) and the tree's active
/// slot follow. Announces property 3 (active layer) when it changes.
ZV_SCN_2D_API void zv_scn_2d_set_active_lr2d(Izv_scene* scene, Izv_layer* layer);
/// 0xFFFFFFFF or any index not below the count: no active layer.
ZV_SCN_2D_API uint32_t zv_scn_2d_get_active_lr2d_idx(Izv_scene* scene);
/// Makes layer i active (an index out of range: none). Announces property 3
/// when it changes.
ZV_SCN_2D_API void zv_scn_2d_set_active_lr2d_idx(Izv_scene* scene, uint32_t i);

// Moves in the vector and in the tree.
/// Moves layer `from` to index `to`; the active layer stays active.
/// Announces property 1, and 3 when the active index changes.
ZV_SCN_2D_API void zv_scn_2d_move_layer(Izv_scene* scene, uint32_t from, uint32_t to);
/// Gathers the marked layers, in order, before the unmarked ones from index `to` on.
/// Announces property 1, and 3 when the active index changes.
ZV_SCN_2D_API void zv_scn_2d_move_marked_layers(Izv_scene* scene, uint32_t to);
/// Moves the layer's slot into the tree's active group; the layer order
/// follows through the tree's events.
ZV_SCN_2D_API void zv_scn_2d_move_layer_to_active_group(Izv_scene* scene, Izv_layer* layer);
/// Selects or deselects everything in every layer, in one bracket.
ZV_SCN_2D_API void zv_scn_2d_set_selected_all(Izv_scene* scene, bool selected);
/// Inverts the selection in every layer, in one bracket.
ZV_SCN_2D_API void zv_scn_2d_selected_invert(Izv_scene* scene);
/// The root of the layer group tree (borrowed).
ZV_SCN_2D_API Tzv_lr_group* zv_scn_2d_get_lr_group_ptr(Izv_scene* scene);
/// Fills the list with the layers in tree order.
ZV_SCN_2D_API void zv_scn_2d_init_layer_list(Izv_scene* scene, Izv_layer_list* list);

// The scene's PROJ.4 text; setting it hands it to every layer as drawing
// projection and announces a plain update (an equal text changes nothing).
/// Feeds the scene's PROJ.4 text into the adapter.
ZV_SCN_2D_API void zv_scn_2d_get_prj4wstring(Izv_scene* scene, Izv_string_adp* adp);
/// Sets the PROJ.4 text and hands it to every layer. Announces a plain
/// update; an equal text changes and announces nothing.
ZV_SCN_2D_API void zv_scn_2d_set_prj4wstring(Izv_scene* scene, wchar_t const* prj4);
/// Adopts the layer's projection when the scene has none.
ZV_SCN_2D_API void zv_scn_2d_try_set_prj4_lr(Izv_scene* scene, Izv_layer* layer);
/// Appends the layers' distinct projections and their short names.
ZV_SCN_2D_API void zv_scn_2d_get_prj4list_uniq_short(Izv_scene* scene, Tzv_wstrings_obj* short_texts,
                                                     Tzv_wstrings_obj* full_texts);

ZV_END_C
