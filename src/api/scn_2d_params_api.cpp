// Exported functions of a 2D scene's parameter objects, styles and plain
// fields.
#include "api/forward.h"
#include "scene2d/scene_2d.h"
#include "zv/scn_2d/params.h"

using T = Tzv_scene_2d;

extern "C" {

ZV_SCN_2D_API Tzv_profil_data* zv_scn_2d_get_prf_data_ptr(Izv_scene* h) { return zv::api::fwd<&T::get_prf_data_ptr>(h); }
ZV_SCN_2D_API Tzv_margins_obj* zv_scn_2d_get_margins_ptr(Izv_scene* h) { return zv::api::fwd<&T::get_margins_ptr>(h); }
ZV_SCN_2D_API Tzv_axes_obj* zv_scn_2d_get_axes_ptr(Izv_scene* h) { return zv::api::fwd<&T::get_axes_ptr>(h); }
ZV_SCN_2D_API Izv_graticule_params* zv_scn_2d_get_graticule_params_ptr(Izv_scene* h) { return zv::api::fwd<&T::get_graticule_params_ptr>(h); }
ZV_SCN_2D_API Izv_scale_line_params* zv_scn_2d_get_scale_line_params_ptr(Izv_scene* h) { return zv::api::fwd<&T::get_scale_line_params_ptr>(h); }
ZV_SCN_2D_API Izv_lookmarks* zv_scn_2d_get_lookmarks_ptr(Izv_scene* h) { return zv::api::fwd<&T::get_lookmarks_ptr>(h); }
ZV_SCN_2D_API Tzv_extent_ind2d* zv_scn_2d_get_extent_ind_ptr(Izv_scene* h) { return zv::api::fwd<&T::get_extent_ind_ptr>(h); }
ZV_SCN_2D_API Tzv_clip2d_params* zv_scn_2d_get_clip_params(Izv_scene* h) { return zv::api::fwd<&T::get_clip_params>(h); }

ZV_SCN_2D_API void zv_scn_2d_set_prf_data(Izv_scene* h, Tzv_profil_data* src) { return zv::api::fwd<&T::set_prf_data>(h, src); }
ZV_SCN_2D_API void zv_scn_2d_set_margins(Izv_scene* h, Tzv_margins_obj* src) { return zv::api::fwd<&T::set_margins>(h, src); }
ZV_SCN_2D_API void zv_scn_2d_set_axes(Izv_scene* h, Tzv_axes_obj* src) { return zv::api::fwd<&T::set_axes>(h, src); }
ZV_SCN_2D_API void zv_scn_2d_set_graticule_params(Izv_scene* h, Izv_graticule_params* src) { return zv::api::fwd<&T::set_graticule_params>(h, src); }
ZV_SCN_2D_API void zv_scn_2d_set_scale_line_params(Izv_scene* h, Izv_scale_line_params* src) { return zv::api::fwd<&T::set_scale_line_params>(h, src); }
ZV_SCN_2D_API void zv_scn_2d_set_lookmarks(Izv_scene* h, Izv_lookmarks* src) { return zv::api::fwd<&T::set_lookmarks>(h, src); }
ZV_SCN_2D_API void zv_scn_2d_set_extent_ind(Izv_scene* h, Tzv_extent_ind2d* src) { return zv::api::fwd<&T::set_extent_ind>(h, src); }
ZV_SCN_2D_API void zv_scn_2d_set_clip_params(Izv_scene* h, Tzv_clip2d_params* src) { return zv::api::fwd<&T::set_clip_params>(h, src); }

ZV_SCN_2D_API bool zv_scn_2d_get_izotropic(Izv_scene* h) { return zv::api::fwd<&T::get_izotropic>(h); }
ZV_SCN_2D_API void zv_scn_2d_set_izotropic(Izv_scene* h, bool izotropic) { return zv::api::fwd<&T::set_izotropic>(h, izotropic); }
ZV_SCN_2D_API bool zv_scn_2d_can_show_graticule(Izv_scene* h) { return zv::api::fwd<&T::can_show_graticule>(h); }

ZV_SCN_2D_API bool zv_scn_2d_get_redraw_done(Izv_scene* h) { return zv::api::fwd<&T::get_redraw_done>(h); }
ZV_SCN_2D_API void zv_scn_2d_set_redraw_done(Izv_scene* h, bool done) { return zv::api::fwd<&T::set_redraw_done>(h, done); }
ZV_SCN_2D_API Tzv_color zv_scn_2d_get_background_clr(Izv_scene* h) { return zv::api::fwd<&T::get_background_clr>(h); }
ZV_SCN_2D_API void zv_scn_2d_set_background_clr(Izv_scene* h, Tzv_color c) { return zv::api::fwd<&T::set_background_clr>(h, c); }
ZV_SCN_2D_API Tzv_color zv_scn_2d_get_selected_style_clr(Izv_scene* h) { return zv::api::fwd<&T::get_selected_style_clr>(h); }
ZV_SCN_2D_API void zv_scn_2d_set_selected_style_clr(Izv_scene* h, Tzv_color c) { return zv::api::fwd<&T::set_selected_style_clr>(h, c); }
ZV_SCN_2D_API Tzv_color zv_scn_2d_get_current_style_clr(Izv_scene* h) { return zv::api::fwd<&T::get_current_style_clr>(h); }
ZV_SCN_2D_API void zv_scn_2d_set_current_style_clr(Izv_scene* h, Tzv_color c) { return zv::api::fwd<&T::set_current_style_clr>(h, c); }

ZV_SCN_2D_API Tzv_pnt_style* zv_scn_2d_get_selected_style_pnt(Izv_scene* h) { return zv::api::fwd<&T::get_selected_style_pnt>(h); }
ZV_SCN_2D_API Tzv_pln_style* zv_scn_2d_get_selected_style_pln(Izv_scene* h) { return zv::api::fwd<&T::get_selected_style_pln>(h); }
ZV_SCN_2D_API Tzv_pgn_style* zv_scn_2d_get_selected_style_pgn(Izv_scene* h) { return zv::api::fwd<&T::get_selected_style_pgn>(h); }
ZV_SCN_2D_API Tzv_pln_style* zv_scn_2d_get_selected_style_text(Izv_scene* h) { return zv::api::fwd<&T::get_selected_style_text>(h); }
ZV_SCN_2D_API Tzv_pnt_style* zv_scn_2d_get_current_style_pnt(Izv_scene* h) { return zv::api::fwd<&T::get_current_style_pnt>(h); }
ZV_SCN_2D_API Tzv_pln_style* zv_scn_2d_get_current_style_pln(Izv_scene* h) { return zv::api::fwd<&T::get_current_style_pln>(h); }
ZV_SCN_2D_API Tzv_pgn_style* zv_scn_2d_get_current_style_pgn(Izv_scene* h) { return zv::api::fwd<&T::get_current_style_pgn>(h); }

}  // extern "C"
