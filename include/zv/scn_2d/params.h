/// \file
/// A 2D scene's parameter objects, styles and plain fields.
///
/// Null rule: a null handle, or a null required argument, makes a call do
/// nothing and answer 0, false or null. Every pointer getter hands out the
/// scene's own object, borrowed: owned by the scene, never freed by the
/// caller. Setters copy the given object into the scene's own.
#pragma once

#include "zv/api.h"
#include "zv/flat.h"
#include "zv/izv_scene.h"
#include "zv/sibling/axis2d.h"
#include "zv/sibling/basic/colour.h"
#include "zv/sibling/styles.h"
#include "zv/types.h"

ZV_BEGIN_C

/// The scene's profile data (borrowed); its setters announce property 8 on the scene.
ZV_SCN_2D_API Tzv_profil_data* zv_scn_2d_get_prf_data_ptr(Izv_scene* scene);
/// The scene's margins (borrowed).
ZV_SCN_2D_API Tzv_margins_obj* zv_scn_2d_get_margins_ptr(Izv_scene* scene);
/// The scene's axes (borrowed).
ZV_SCN_2D_API Tzv_axes_obj* zv_scn_2d_get_axes_ptr(Izv_scene* scene);
/// The scene's graticule parameters (borrowed).
ZV_SCN_2D_API Izv_graticule_params* zv_scn_2d_get_graticule_params_ptr(Izv_scene* scene);
/// The scene's scale line parameters (borrowed).
ZV_SCN_2D_API Izv_scale_line_params* zv_scn_2d_get_scale_line_params_ptr(Izv_scene* scene);
/// The scene's lookmarks (borrowed).
ZV_SCN_2D_API Izv_lookmarks* zv_scn_2d_get_lookmarks_ptr(Izv_scene* scene);
/// The scene's extent indicator (borrowed).
ZV_SCN_2D_API Tzv_extent_ind2d* zv_scn_2d_get_extent_ind_ptr(Izv_scene* scene);
/// The scene's clip parameters (borrowed).
ZV_SCN_2D_API Tzv_clip2d_params* zv_scn_2d_get_clip_params(Izv_scene* scene);

// The profile data's copy announces property 8 on the scene; the others
// announce nothing.
/// Copies the profile data in. Announces property 8 (view geometry).
ZV_SCN_2D_API void zv_scn_2d_set_prf_data(Izv_scene* scene, Tzv_profil_data* src);
/// Copies the margins in.
ZV_SCN_2D_API void zv_scn_2d_set_margins(Izv_scene* scene, Tzv_margins_obj* src);
/// Copies the axes in.
ZV_SCN_2D_API void zv_scn_2d_set_axes(Izv_scene* scene, Tzv_axes_obj* src);
/// Copies the graticule parameters in.
ZV_SCN_2D_API void zv_scn_2d_set_graticule_params(Izv_scene* scene, Izv_graticule_params* src);
/// Copies the scale line parameters in.
ZV_SCN_2D_API void zv_scn_2d_set_scale_line_params(Izv_scene* scene, Izv_scale_line_params* src);
/// Copies the lookmarks in.
ZV_SCN_2D_API void zv_scn_2d_set_lookmarks(Izv_scene* scene, Izv_lookmarks* src);
/// Copies the extent indicator in.
ZV_SCN_2D_API void zv_scn_2d_set_extent_ind(Izv_scene* scene, Tzv_extent_ind2d* src);
/// Copies the clip parameters in.
ZV_SCN_2D_API void zv_scn_2d_set_clip_params(Izv_scene* scene, Tzv_clip2d_params* src);

// Isotropy (the profile data's axes scale); setting announces property 8.
/// Whether the axes are scaled alike; true for a new scene.
ZV_SCN_2D_API bool zv_scn_2d_get_izotropic(Izv_scene* scene);
/// Sets isotropy. Announces property 8 (view geometry), even when unchanged.
ZV_SCN_2D_API void zv_scn_2d_set_izotropic(Izv_scene* scene, bool izotropic);
/// False for a profile, else whether the projection is valid.
ZV_SCN_2D_API bool zv_scn_2d_can_show_graticule(Izv_scene* scene);

// Plain fields, no event.
/// The redraw flag kept for the host; true for a new scene.
ZV_SCN_2D_API bool zv_scn_2d_get_redraw_done(Izv_scene* scene);
/// Stores the redraw flag.
ZV_SCN_2D_API void zv_scn_2d_set_redraw_done(Izv_scene* scene, bool done);
/// The background colour; white for a new scene.
ZV_SCN_2D_API Tzv_color zv_scn_2d_get_background_clr(Izv_scene* scene);
/// Stores the background colour.
ZV_SCN_2D_API void zv_scn_2d_set_background_clr(Izv_scene* scene, Tzv_color c);
/// The colour of the selected styles.
ZV_SCN_2D_API Tzv_color zv_scn_2d_get_selected_style_clr(Izv_scene* scene);
/// Stores the colour of the selected styles.
ZV_SCN_2D_API void zv_scn_2d_set_selected_style_clr(Izv_scene* scene, Tzv_color c);
/// The colour of the current styles.
ZV_SCN_2D_API Tzv_color zv_scn_2d_get_current_style_clr(Izv_scene* scene);
/// Stores the colour of the current styles.
ZV_SCN_2D_API void zv_scn_2d_set_current_style_clr(Izv_scene* scene, Tzv_color c);

// The owned styles, borrowed.
/// The point style for selected objects (borrowed).
ZV_SCN_2D_API Tzv_pnt_style* zv_scn_2d_get_selected_style_pnt(Izv_scene* scene);
/// The polyline style for selected objects (borrowed).
ZV_SCN_2D_API Tzv_pln_style* zv_scn_2d_get_selected_style_pln(Izv_scene* scene);
/// The polygon style for selected objects (borrowed).
ZV_SCN_2D_API Tzv_pgn_style* zv_scn_2d_get_selected_style_pgn(Izv_scene* scene);
/// The style for selected text, a polyline style (borrowed).
ZV_SCN_2D_API Tzv_pln_style* zv_scn_2d_get_selected_style_text(Izv_scene* scene);
/// The point style for new objects (borrowed).
ZV_SCN_2D_API Tzv_pnt_style* zv_scn_2d_get_current_style_pnt(Izv_scene* scene);
/// The polyline style for new objects (borrowed).
ZV_SCN_2D_API Tzv_pln_style* zv_scn_2d_get_current_style_pln(Izv_scene* scene);
/// The polygon style for new objects (borrowed).
ZV_SCN_2D_API Tzv_pgn_style* zv_scn_2d_get_current_style_pgn(Izv_scene* scene);

ZV_END_C
