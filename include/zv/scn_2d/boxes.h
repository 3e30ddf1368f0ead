/// \file
/// A 2D scene's extents. Argument orders differ between the calls.
///
/// Null rule: a null handle, or a null box, makes a call do nothing and
/// answer false. None of these calls announces an event.
#pragma once

#include "zv/api.h"
#include "zv/flat.h"
#include "zv/izv_scene.h"
#include "zv/sibling/prg.h"

ZV_BEGIN_C

/// Recomputes the union of the layers' boxes.
ZV_SCN_2D_API void zv_scn_2d_calc_box(Izv_scene* scene);
/// Recomputes when stale; copies the box out; true when a layer had a box.
ZV_SCN_2D_API bool zv_scn_2d_get_box(Izv_scene* scene, Tzv_box_d2* out);
/// Stores the box and its valid flag as given, without recomputing.
ZV_SCN_2D_API void zv_scn_2d_set_box(Izv_scene* scene, bool valid, Tzv_box_d2 const* box);
/// The clip outline's box in the scene projection when clipping is on, else
/// the scene's box.
ZV_SCN_2D_API bool zv_scn_2d_get_clipped_box(Izv_scene* scene, Tzv_box_d2* out);
/// The active layer's box, or the union over the active group's layers.
ZV_SCN_2D_API bool zv_scn_2d_get_active_lr2d_box(Izv_scene* scene, Tzv_box_d2* out);
/// The union over the marked layers and the layers under marked groups.
ZV_SCN_2D_API bool zv_scn_2d_get_marked_lr2d_box(Izv_scene* scene, Tzv_box_d2* out);
/// The legend box kept for the host, and whether it was set.
ZV_SCN_2D_API bool zv_scn_2d_get_legend_box(Izv_scene* scene, Tzv_box_d2* out);
/// Stores the legend box for the host and whether it is set (the flag comes last).
ZV_SCN_2D_API void zv_scn_2d_set_legend_box(Izv_scene* scene, Tzv_box_d2 const* box, bool valid);

ZV_END_C
