// Exported functions of the graticule parameters.
#include "zv/graticule.h"

#include "api/forward.h"
#include "params/graticule.h"

using Tline = Tzv_graticule2d_line;
using Tgrid = Tzv_graticule2d_grid;
using Tframe = Tzv_graticule2d_frame;
using Tticks = Tzv_graticule2d_ticks;
using Tparams = Tzv_graticule2d_params;

extern "C" {

ZV_SCN_2D_API Tline* zv_graticule_line_create() { return zv::api::create<Tline>(); }
ZV_SCN_2D_API void zv_graticule_line_destroy(Tline* h) { return zv::api::destroy(h); }
ZV_SCN_2D_API void zv_graticule_line_assign(Tline* dst, Tline const* src) { return zv::api::fwd<&Tline::assign>(dst, src); }
ZV_SCN_2D_API bool zv_graticule_line_equal(Tline const* a, Tline const* b) { return zv::api::fwd<&Tline::equal>(a, b); }
ZV_SCN_2D_API Tzv_color zv_graticule_line_get_color(Tline const* h) { return zv::api::fwd<&Tline::get_color>(h); }
ZV_SCN_2D_API void zv_graticule_line_set_color(Tline* h, Tzv_color v) { return zv::api::fwd<&Tline::set_color>(h, v); }
ZV_SCN_2D_API double zv_graticule_line_get_width(Tline const* h) { return zv::api::fwd<&Tline::get_width>(h); }
ZV_SCN_2D_API void zv_graticule_line_set_width(Tline* h, double v) { return zv::api::fwd<&Tline::set_width>(h, v); }

ZV_SCN_2D_API Tgrid* zv_graticule_grid_create() { return zv::api::create<Tgrid>(); }
ZV_SCN_2D_API void zv_graticule_grid_destroy(Tgrid* h) { return zv::api::destroy(h); }
ZV_SCN_2D_API void zv_graticule_grid_assign(Tgrid* dst, Tgrid const* src) { return zv::api::fwd<&Tgrid::assign>(dst, src); }
ZV_SCN_2D_API bool zv_graticule_grid_equal(Tgrid const* a, Tgrid const* b) { return zv::api::fwd<&Tgrid::equal>(a, b); }
ZV_SCN_2D_API bool zv_graticule_grid_get_visible(Tgrid const* h) { return zv::api::fwd<&Tgrid::get_visible>(h); }
ZV_SCN_2D_API void zv_graticule_grid_set_visible(Tgrid* h, bool v) { return zv::api::fwd<&Tgrid::set_visible>(h, v); }
ZV_SCN_2D_API Tline* zv_graticule_grid_get_line_ptr(Tgrid* h) { return zv::api::fwd<&Tgrid::get_line_ptr>(h); }

ZV_SCN_2D_API Tframe* zv_graticule_frame_create() { return zv::api::create<Tframe>(); }
ZV_SCN_2D_API void zv_graticule_frame_destroy(Tframe* h) { return zv::api::destroy(h); }
ZV_SCN_2D_API void zv_graticule_frame_assign(Tframe* dst, Tframe const* src) { return zv::api::fwd<&Tframe::assign>(dst, src); }
ZV_SCN_2D_API bool zv_graticule_frame_equal(Tframe const* a, Tframe const* b) { return zv::api::fwd<&Tframe::equal>(a, b); }
ZV_SCN_2D_API bool zv_graticule_frame_get_visible(Tframe const* h) { return zv::api::fwd<&Tframe::get_visible>(h); }
ZV_SCN_2D_API void zv_graticule_frame_set_visible(Tframe* h, bool v) { return zv::api::fwd<&Tframe::set_visible>(h, v); }
ZV_SCN_2D_API Tline* zv_graticule_frame_get_line_ptr(Tframe* h) { return zv::api::fwd<&Tframe::get_line_ptr>(h); }

ZV_SCN_2D_API Tticks* zv_graticule_ticks_create() { return zv::api::create<Tticks>(); }
ZV_SCN_2D_API void zv_graticule_ticks_destroy(Tticks* h) { return zv::api::destroy(h); }
ZV_SCN_2D_API void zv_graticule_ticks_assign(Tticks* dst, Tticks const* src) { return zv::api::fwd<&Tticks::assign>(dst, src); }
ZV_SCN_2D_API bool zv_graticule_ticks_equal(Tticks const* a, Tticks const* b) { return zv::api::fwd<&Tticks::equal>(a, b); }
ZV_SCN_2D_API void zv_graticule_ticks_get_lon_step_dms(Tticks const* h, int* d, int* m, int* s) { return zv::api::fwd<&Tticks::get_lon_step_dms>(h, d, m, s); }
ZV_SCN_2D_API void zv_graticule_ticks_set_lon_step_dms(Tticks* h, int d, int m, int s) { return zv::api::fwd<&Tticks::set_lon_step_dms>(h, d, m, s); }
ZV_SCN_2D_API void zv_graticule_ticks_get_lat_step_dms(Tticks const* h, int* d, int* m, int* s) { return zv::api::fwd<&Tticks::get_lat_step_dms>(h, d, m, s); }
ZV_SCN_2D_API void zv_graticule_ticks_set_lat_step_dms(Tticks* h, int d, int m, int s) { return zv::api::fwd<&Tticks::set_lat_step_dms>(h, d, m, s); }
ZV_SCN_2D_API int zv_graticule_ticks_get_lon_approx_ndiap(Tticks const* h) { return zv::api::fwd<&Tticks::get_lon_approx_ndiap>(h); }
ZV_SCN_2D_API void zv_graticule_ticks_set_lon_approx_ndiap(Tticks* h, int v) { return zv::api::fwd<&Tticks::set_lon_approx_ndiap>(h, v); }
ZV_SCN_2D_API int zv_graticule_ticks_get_lat_approx_ndiap(Tticks const* h) { return zv::api::fwd<&Tticks::get_lat_approx_ndiap>(h); }
ZV_SCN_2D_API void zv_graticule_ticks_set_lat_approx_ndiap(Tticks* h, int v) { return zv::api::fwd<&Tticks::set_lat_approx_ndiap>(h, v); }
ZV_SCN_2D_API bool zv_graticule_ticks_get_fnt_visible(Tticks const* h) { return zv::api::fwd<&Tticks::get_fnt_visible>(h); }
ZV_SCN_2D_API void zv_graticule_ticks_set_fnt_visible(Tticks* h, bool v) { return zv::api::fwd<&Tticks::set_fnt_visible>(h, v); }
ZV_SCN_2D_API bool zv_graticule_ticks_get_fnt_short_str(Tticks const* h) { return zv::api::fwd<&Tticks::get_fnt_short_str>(h); }
ZV_SCN_2D_API void zv_graticule_ticks_set_fnt_short_str(Tticks* h, bool v) { return zv::api::fwd<&Tticks::set_fnt_short_str>(h, v); }
ZV_SCN_2D_API double zv_graticule_ticks_get_fnt_size(Tticks const* h) { return zv::api::fwd<&Tticks::get_fnt_size>(h); }
ZV_SCN_2D_API void zv_graticule_ticks_set_fnt_size(Tticks* h, double v) { return zv::api::fwd<&Tticks::set_fnt_size>(h, v); }
ZV_SCN_2D_API Tzv_color zv_graticule_ticks_get_fnt_clr(Tticks const* h) { return zv::api::fwd<&Tticks::get_fnt_clr>(h); }
ZV_SCN_2D_API void zv_graticule_ticks_set_fnt_clr(Tticks* h, Tzv_color v) { return zv::api::fwd<&Tticks::set_fnt_clr>(h, v); }
ZV_SCN_2D_API Tzv_fnt_type* zv_graticule_ticks_get_fnt_type_ptr(Tticks* h) { return zv::api::fwd<&Tticks::get_fnt_type_ptr>(h); }
ZV_SCN_2D_API Tgrid* zv_graticule_ticks_get_grid_ptr(Tticks* h) { return zv::api::fwd<&Tticks::get_grid_ptr>(h); }

ZV_SCN_2D_API Tparams* zv_graticule_params_create() { return zv::api::create<Tparams>(); }
ZV_SCN_2D_API void zv_graticule_params_destroy(Tparams* h) { return zv::api::destroy(h); }
ZV_SCN_2D_API void zv_graticule_params_assign(Tparams* dst, Tparams const* src) { return zv::api::fwd<&Tparams::assign>(dst, src); }
ZV_SCN_2D_API bool zv_graticule_params_equal(Tparams const* a, Tparams const* b) { return zv::api::fwd<&Tparams::equal>(a, b); }
ZV_SCN_2D_API bool zv_graticule_params_get_visible(Tparams const* h) { return zv::api::fwd<&Tparams::get_visible>(h); }
ZV_SCN_2D_API void zv_graticule_params_set_visible(Tparams* h, bool v) { return zv::api::fwd<&Tparams::set_visible>(h, v); }
ZV_SCN_2D_API bool zv_graticule_params_get_fixed_step_flag(Tparams const* h) { return zv::api::fwd<&Tparams::get_fixed_step_flag>(h); }
ZV_SCN_2D_API void zv_graticule_params_set_fixed_step_flag(Tparams* h, bool v) { return zv::api::fwd<&Tparams::set_fixed_step_flag>(h, v); }
ZV_SCN_2D_API bool zv_graticule_params_get_addit_flag(Tparams const* h) { return zv::api::fwd<&Tparams::get_addit_flag>(h); }
ZV_SCN_2D_API void zv_graticule_params_set_addit_flag(Tparams* h, bool v) { return zv::api::fwd<&Tparams::set_addit_flag>(h, v); }
ZV_SCN_2D_API bool zv_graticule_params_get_rotate_side_text_flag(Tparams const* h) { return zv::api::fwd<&Tparams::get_rotate_side_text_flag>(h); }
ZV_SCN_2D_API void zv_graticule_params_set_rotate_side_text_flag(Tparams* h, bool v) { return zv::api::fwd<&Tparams::set_rotate_side_text_flag>(h, v); }
ZV_SCN_2D_API Tticks* zv_graticule_params_get_main_ticks_ptr(Tparams* h) { return zv::api::fwd<&Tparams::get_main_ticks_ptr>(h); }
ZV_SCN_2D_API Tticks* zv_graticule_params_get_addt_ticks_ptr(Tparams* h) { return zv::api::fwd<&Tparams::get_addt_ticks_ptr>(h); }
ZV_SCN_2D_API Tframe* zv_graticule_params_get_frame_ptr(Tparams* h) { return zv::api::fwd<&Tparams::get_frame_ptr>(h); }

}  // extern "C"
