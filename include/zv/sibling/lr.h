// Layer library (zvk_lr): layer lists, the layer group tree of a scene and
// the layer builder.
//
// The tree: a root group owned by a scene; under it group slots and layer
// slots, in order. Every node is a Tzv_lr_group*. A layer slot is tied to a
// layer of the scene by its group id (zv_lr_group_verification_layer makes
// the tie). The root is an entity collection (zv_lr_group_safe_upcast) whose
// members are the layers in tree order; on its update channel it announces
// property 9 (zv_prop_layer_group) when a move, a new group slot, a removal,
// clearing or copying changed the tree's structure or order (adding a layer
// slot and verification are silent), 2 for its caption and 3 for its active
// slot.
//
// Every function accepts null handles: it does nothing and returns
// false / null / 0 / an empty text. Indexes out of range give null.
#pragma once

#include <cstdint>

#include "zv/izv_scene.h"

#ifdef ZVK_LR_BUILD
#define ZV_LR_API ZV_EXPORT
#else
#define ZV_LR_API ZV_IMPORT
#endif

struct Tzv_layer_builder;

extern "C" {

// ---------------------------------------------------------------------------
// Layer group tree.

// A new, empty root group for the scene (which it reads in verification).
ZV_LR_API Tzv_lr_group* zv_lr_group_create(Izv_scene* scene);
// Frees a root group and its slots; a slot that is no root is ignored.
ZV_LR_API void zv_lr_group_destroy(Tzv_lr_group* group);
// Removes every slot under `group` (root or group slot).
ZV_LR_API void zv_lr_group_clear(Tzv_lr_group* group);
// Makes the tree of root `dst` a copy of the tree of root `src`; the copied
// layer slots are tied to the layers of dst's scene: by position in tree
// order when the scene holds as many layers as src has layer slots (what a
// scene copy leaves), else by group id. Then verifies.
ZV_LR_API void zv_lr_group_assign(Tzv_lr_group* dst, Tzv_lr_group* src);
// The root's entity collection interface; null for a slot.
ZV_LR_API Izv_entities* zv_lr_group_safe_upcast(Tzv_lr_group* group);
// The root a slot belongs to.
ZV_LR_API Tzv_lr_group* zv_lr_group_get_root(Tzv_lr_group* slot);

// A new layer slot, last under `group` (root or group slot).
ZV_LR_API Tzv_lr_group* zv_lr_group_add_slot(Tzv_lr_group* group);
// A new group slot with that caption, last under `parent`.
ZV_LR_API Tzv_lr_group* zv_lr_group_add_group(Tzv_lr_group* parent, wchar_t const* caption);
// Removes a slot (a group slot with everything under it); not the root.
ZV_LR_API void zv_lr_group_remove(Tzv_lr_group* slot);

ZV_LR_API void zv_lr_group_set_group_id(Tzv_lr_group* slot, wchar_t const* id);
ZV_LR_API void zv_lr_group_get_group_id(Tzv_lr_group* slot, Izv_string_adp* adp);
ZV_LR_API void zv_lr_group_set_wcaption(Tzv_lr_group* group, wchar_t const* caption);
ZV_LR_API void zv_lr_group_get_wcaption(Tzv_lr_group* group, Izv_string_adp* adp);

// Brings the tree in line with the scene's layers: a layer without a slot
// gets the unbound slot with its group id, or else a new slot right after
// the slot of the layer before it in the scene, in the same group (first in
// the root for the first layer), and a fresh group id when it has none;
// slots whose layer left the scene, and unbound slots that no layer claims,
// go. Announces nothing: it follows what the scene announced. O(1) when the
// tree knows every layer of the scene but the last and holds no other layer
// slot (a load, one layer at a time), else linear in layers and slots.
ZV_LR_API void zv_lr_group_verification_layer(Tzv_lr_group* group);

// The slot under `group` that holds `layer`; null when none.
ZV_LR_API Tzv_lr_group* zv_lr_group_get_child_by_layer(Tzv_lr_group* group, Izv_layer* layer);
// Active slot of the tree (may be a group slot); null: none. A slot of
// another tree is ignored.
ZV_LR_API void zv_lr_group_set_active(Tzv_lr_group* group, Tzv_lr_group* slot);
ZV_LR_API Tzv_lr_group* zv_lr_group_get_active(Tzv_lr_group* group);

// The slot after `slot` in a depth-first walk that yields a group slot before
// its descendants; null at the end. skip_children: do not descend below
// `slot`; layers_only: yield layer slots only; the last flag is reserved
// (pass 0). Started at the root with (0, 1, 0) the walk yields the layer
// slots in tree order, one per slot; with (0, 0, 0) every slot. To stay
// inside a group, stop at the first slot that is not under it
// (zv_lr_group_is_parent).
ZV_LR_API Tzv_lr_group* zv_lr_group_get_next(Tzv_lr_group* slot, int32_t skip_children, int32_t layers_only,
                                             int32_t reserved);
ZV_LR_API bool zv_lr_group_is_group(Tzv_lr_group* slot);  // root and group slots
// True when `ancestor` lies above `slot` (not the slot itself).
ZV_LR_API bool zv_lr_group_is_parent(Tzv_lr_group* slot, Tzv_lr_group* ancestor);
ZV_LR_API Tzv_lr_group* zv_lr_group_get_parent(Tzv_lr_group* slot);
// A layer slot answers its layer's mark; a group slot keeps its own.
ZV_LR_API bool zv_lr_group_get_marked(Tzv_lr_group* slot);
ZV_LR_API void zv_lr_group_set_marked(Tzv_lr_group* slot, bool marked);
ZV_LR_API Izv_layer* zv_lr_group_get_lr_ptr(Tzv_lr_group* slot);

// Moves `moved` (with its subtree) next to `target`: before it for dir < 0,
// after it otherwise; a null target puts it last under the root. A move into
// its own subtree is refused.
ZV_LR_API void zv_lr_group_move(Tzv_lr_group* target, Tzv_lr_group* moved, int32_t dir);
// Moves every marked slot (a marked group with its subtree), in tree order,
// before `anchor` for dir < 0, after it otherwise; marked slots themselves
// are passed over when finding the place.
ZV_LR_API void zv_lr_group_move_marked(Tzv_lr_group* anchor, int32_t dir);
// Moves `slot` last into the active group: the active slot when it is a
// group, its parent when it is a layer slot, the root when none is active.
ZV_LR_API void zv_lr_group_move_to_active(Tzv_lr_group* group, Tzv_lr_group* slot);

// ---------------------------------------------------------------------------
// Layers seen through the layer library.

ZV_LR_API Izv_layer* zv_lr_safe_downcast(Izv_entity* entity);
ZV_LR_API void zv_lr_set_group_id(Izv_layer* layer, wchar_t const* id);
ZV_LR_API void zv_lr_get_group_id(Izv_layer* layer, Izv_string_adp* adp);
ZV_LR_API Tzv_event_channel* zv_lr_get_update_event_channel(Izv_layer* layer);

// ---------------------------------------------------------------------------
// Layer lists: ordered layer pointers, not owned.

ZV_LR_API Izv_layer_list* zv_lr_list_create();
ZV_LR_API void zv_lr_list_destroy(Izv_layer_list* list);
ZV_LR_API void zv_lr_list_clear(Izv_layer_list* list);
ZV_LR_API void zv_lr_list_add_layer_ptr(Izv_layer_list* list, Izv_layer* layer);
ZV_LR_API uint32_t zv_lr_list_get_count(Izv_layer_list* list);
ZV_LR_API Izv_layer* zv_lr_list_get_layer_ptr(Izv_layer_list* list, uint32_t i);

// ---------------------------------------------------------------------------
// Layer builder: filters add layers to the bound scene through it and report
// errors. A building ends with make_active; the next add or error starts a
// new one (the errors of the finished building stay readable until then).

ZV_LR_API Tzv_layer_builder* zv_lr_builder_create(Izv_scene* scene);
ZV_LR_API void zv_lr_builder_destroy(Tzv_layer_builder* builder);
// Adds a layer of that type to the scene; on failure records an error naming
// the source and returns null.
ZV_LR_API Izv_layer* zv_lr_builder_add_layer(Tzv_layer_builder* builder, char const* type, wchar_t const* source);
ZV_LR_API void zv_lr_builder_add_error(Tzv_layer_builder* builder, wchar_t const* text);
ZV_LR_API uint32_t zv_lr_builder_get_layer_count(Tzv_layer_builder* builder);
// Makes the last layer of the building that is still in the scene the
// scene's active one; layers removed meanwhile are not touched.
ZV_LR_API void zv_lr_builder_make_active(Tzv_layer_builder* builder);
// The errors of the last building, one per line; empty when none.
ZV_LR_API void zv_lr_builder_get_errors(Tzv_layer_builder* builder, Izv_string_adp* adp);

}  // extern "C"
