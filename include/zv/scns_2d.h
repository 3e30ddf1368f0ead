/// \file
/// The collection of 2D scenes that a host keeps: it owns its scenes, names
/// new ones "<map text> N", tracks one active scene and any number of marked
/// ones, and announces every change of a member scene as its own property 1
/// carrying the scene's properties. Layout and column collections are
/// collections of this family too.
///
/// Null rule: a null handle, or a null required argument, makes a call do
/// nothing and answer 0, false, null or 0xFFFFFFFF (an index); destroy and
/// safe_downcast accept null. An index out of range removes or moves nothing
/// and answers null; as an active or marked index it leaves no scene active or
/// marked. A collection handle is the collection's Izv_scns2d interface, a
/// scene handle the scene's Izv_scene interface.
#pragma once

#include "zv/api.h"
#include "zv/flat.h"
#include "zv/izv_scene.h"

ZV_BEGIN_C

/// A new, empty collection captioned with the resource text of maps; its meta
/// id is "Scene2DCollectionMetaID". Owned by the caller and ended by
/// zv_scns_2d_destroy, which destroys its scenes too.
ZV_SCN_2D_API Izv_scns2d* zv_scns_2d_create();
/// Destroys the collection and every scene in it.
ZV_SCN_2D_API void zv_scns_2d_destroy(Izv_scns2d* scenes);
/// The entity that holds the collection; not owned by it.
ZV_SCN_2D_API void zv_scns_2d_set_parent(Izv_scns2d* scenes, Izv_entity* parent);
/// The same collection as its Izv_entities interface.
ZV_SCN_2D_API Izv_entities* zv_scns_2d_safe_upcast(Izv_scns2d* scenes);
/// The scene collection behind an entity collection, or null when it is none.
ZV_SCN_2D_API Izv_scns2d* zv_scns_2d_safe_downcast(Izv_entities* entities);
/// The collection's meta id; borrowed, constant.
ZV_SCN_2D_API char const* zv_scns_2d_get_meta_id(Izv_scns2d* scenes);
/// Does nothing: scenes are made one by one.
ZV_SCN_2D_API void zv_scns_2d_create_all(Izv_scns2d* scenes);
/// Removes every scene; they are destroyed when the end-update event has gone
/// out. No scene is active afterwards. Announces properties 1 and 3.
ZV_SCN_2D_API void zv_scns_2d_clear(Izv_scns2d* scenes);
/// As many scenes as `src`, each copied from the source's scene at the same
/// index; the collection's own caption, uuid, extras, active and marked state
/// stay. Announces property 1.
ZV_SCN_2D_API void zv_scns_2d_assign(Izv_scns2d* scenes, Izv_scns2d* src);
/// Equal counts and equal scenes index by index.
ZV_SCN_2D_API bool zv_scns_2d_equal(Izv_scns2d* scenes, Izv_scns2d* other);
/// The collection's uuid; borrowed: owned by the collection.
ZV_SCN_2D_API Tzv_uuid_t* zv_scns_2d_get_uuid(Izv_scns2d* scenes);
/// Copies the value into the collection's uuid; announces nothing.
ZV_SCN_2D_API void zv_scns_2d_set_uuid(Izv_scns2d* scenes, Tzv_uuid_t* uuid);
/// The collection's update channel (borrowed), made on first use.
ZV_SCN_2D_API Tzv_event_channel* zv_scns_2d_get_update_event_channel(Izv_scns2d* scenes);

// Scenes by index; each borrowed: the collection owns it.
/// The number of scenes.
ZV_SCN_2D_API uint32_t zv_scns_2d_get_size(Izv_scns2d* scenes);
/// Scene i (borrowed), or null.
ZV_SCN_2D_API Izv_scene* zv_scns_2d_get(Izv_scns2d* scenes, uint32_t i);
/// A new scene at the end, named "<map text> N" with the smallest N from 1
/// that no scene bears; borrowed. Announces property 1.
ZV_SCN_2D_API Izv_scene* zv_scns_2d_add(Izv_scns2d* scenes);
/// Removes scene i; it is destroyed when the collection's end-update event
/// has gone out. Removing the active scene leaves none active. Announces
/// property 1.
ZV_SCN_2D_API void zv_scns_2d_del(Izv_scns2d* scenes, uint32_t i);
/// Removes the marked scenes. Announces property 1, and 3 when the active one goes.
ZV_SCN_2D_API void zv_scns_2d_del_marked(Izv_scns2d* scenes);
/// The scenes at `n` indexes, read from `indices`; an index counts once, and
/// one out of range is skipped. Announces property 1.
ZV_SCN_2D_API void zv_scns_2d_del_array(Izv_scns2d* scenes, uint32_t n, uint32_t* indices);
/// Moves scene `from` to index `to`; the active scene stays active.
/// Announces property 1, and 3 when the active index changes.
ZV_SCN_2D_API void zv_scns_2d_move_scn(Izv_scns2d* scenes, uint32_t from, uint32_t to);

/// The active scene (borrowed) or null.
ZV_SCN_2D_API Izv_scene* zv_scns_2d_get_active_scn(Izv_scns2d* scenes);
/// The active scene's index, 0xFFFFFFFF when none.
ZV_SCN_2D_API uint32_t zv_scns_2d_get_active_scn_idx(Izv_scns2d* scenes);
/// A scene that is no member, or null, leaves none active. Announces property
/// 3 (active scene) when it changes.
ZV_SCN_2D_API void zv_scns_2d_set_active_scn(Izv_scns2d* scenes, Izv_entity* scene);
/// Makes scene i active (out of range: none). Announces property 3 when it changes.
ZV_SCN_2D_API void zv_scns_2d_set_active_scn_idx(Izv_scns2d* scenes, uint32_t i);
/// Marks that scene and unmarks the others; null unmarks all. Each scene's
/// property 5 reaches the collection's listeners inside property 1.
ZV_SCN_2D_API void zv_scns_2d_set_marked_scn(Izv_scns2d* scenes, Izv_entity* scene);
/// Marks scene i and unmarks the others (out of range: unmarks all).
ZV_SCN_2D_API void zv_scns_2d_set_marked_scn_idx(Izv_scns2d* scenes, uint32_t i);

ZV_END_C
