/// \file
/// A 2D scene's life, casts, copy and comparison.
///
/// Null rule: a null handle, or a null required argument, makes a call do
/// nothing and answer 0, false, null or an empty text; destroy accepts null.
/// A scene handle is the scene's Izv_scene interface.
#pragma once

#include "zv/api.h"
#include "zv/flat.h"
#include "zv/izv_scene.h"

ZV_BEGIN_C

/// A new scene: no layers, empty projection, white background, isotropic.
/// Owned by the caller and ended by zv_scn_2d_destroy (unless a collection
/// takes it over).
ZV_SCN_2D_API Izv_scene* zv_scn_2d_create();
/// Destroys a scene that zv_scn_2d_create made, with its layers and
/// parameter objects; announces nothing.
ZV_SCN_2D_API void zv_scn_2d_destroy(Izv_scene* scene);
/// The same scene as its Izv_scene interface.
ZV_SCN_2D_API Izv_scene* zv_scn_2d_safe_upcast(Izv_scene* scene);
/// The scene behind a collection interface, or null when it is no 2D scene.
ZV_SCN_2D_API Izv_scene* zv_scn_2d_safe_downcast(Izv_entities* entities);
/// "Scene2DMetaID" for a plain scene; borrowed, constant.
ZV_SCN_2D_API char const* zv_scn_2d_get_meta_id(Izv_scene* scene);
/// The collection that holds the scene (borrowed), or null.
ZV_SCN_2D_API Izv_scns2d* zv_scn_2d_get_parent(Izv_scene* scene);
/// Copies fields, parameter objects, layers and their tree; not the uuid,
/// group id, meta data, styles, redraw flag or active index. The new layers
/// are announced as property 1.
ZV_SCN_2D_API void zv_scn_2d_assign(Izv_scene* scene, Izv_scene* src);
/// Compares extras, caption, background, projection and parameter objects;
/// not layers, boxes or styles.
ZV_SCN_2D_API bool zv_scn_2d_equal(Izv_scene* scene, Izv_scene* other);

ZV_END_C
