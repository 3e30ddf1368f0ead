/// \file
/// Column scenes and the column collection. A column scene handle is a scene
/// handle and works with every zv_scn_2d_* function; a column collection
/// handle is a collection handle and works with every zv_scns_2d_* function.
/// Only their life has functions of their own.
///
/// Null rule: destroy accepts null and does nothing.
#pragma once

#include "zv/api.h"
#include "zv/flat.h"
#include "zv/izv_scene.h"

ZV_BEGIN_C

/// A new column scene, uncaptioned; its meta id is "SceneColumnMetaID".
/// Owned by the caller and ended by zv_scn_clm_destroy (unless a collection
/// takes it over).
ZV_SCN_2D_API Izv_scene* zv_scn_clm_create();
/// Destroys a column scene that zv_scn_clm_create made.
ZV_SCN_2D_API void zv_scn_clm_destroy(Izv_scene* scene);
/// A new, empty column collection captioned with the resource text of
/// columns; new members are column scenes named "<column text> N". It does
/// not announce changes made inside its scenes. Owned by the caller and ended
/// by zv_scns_clm_destroy, which destroys its scenes too.
ZV_SCN_2D_API Izv_scns2d* zv_scns_clm_create();
/// Destroys a column collection and its scenes.
ZV_SCN_2D_API void zv_scns_clm_destroy(Izv_scns2d* scenes);

ZV_END_C
