/// \file
/// Print layouts and the layout collection. A layout handle is a scene handle
/// and works with every zv_scn_2d_* function; a layout collection handle is a
/// collection handle and works with every zv_scns_2d_* function. Only their
/// life and the layout's page layer have functions of their own.
///
/// Null rule: a null handle makes a call do nothing and answer null; destroy
/// accepts null.
#pragma once

#include "zv/api.h"
#include "zv/flat.h"
#include "zv/izv_scene.h"

ZV_BEGIN_C

/// A new, uncaptioned layout with its page layer, margins 6, 6, 0, 0 shown
/// and the top and left axes set up; its meta id is "SceneLayoutMetaID".
/// Owned by the caller and ended by zv_scn_layout_destroy (unless a
/// collection takes it over).
ZV_SCN_2D_API Izv_scene* zv_scn_layout_create();
/// Destroys a layout that zv_scn_layout_create made, with its page layer.
ZV_SCN_2D_API void zv_scn_layout_destroy(Izv_scene* scene);
/// The layout's page layer (borrowed: the layout owns it); null for any other
/// kind of scene.
ZV_SCN_2D_API Izv_layer* zv_scn_layout_get_page_lr2d(Izv_scene* scene);
/// A new, empty layout collection captioned with the resource text of
/// layouts; new members are layouts named "<layout text> N", and their
/// changes are announced as property 1. Its meta id is
/// "SceneLayoutCollectionMetaID". Owned by the caller and ended by
/// zv_scns_layout_destroy, which destroys its layouts too.
ZV_SCN_2D_API Izv_scns2d* zv_scns_layout_create();
/// Destroys a layout collection and its layouts.
ZV_SCN_2D_API void zv_scns_layout_destroy(Izv_scns2d* scenes);

ZV_END_C
