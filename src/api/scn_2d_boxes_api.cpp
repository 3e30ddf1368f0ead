// Exported functions of a 2D scene's extents.
#include "api/forward.h"
#include "scene2d/scene_2d.h"
#include "zv/scn_2d/boxes.h"

using T = Tzv_scene_2d;

namespace {
constexpr auto set_legend_box_flag_last = static_cast<void (T::*)(Tzv_box_d2 const&, bool)>(&T::set_legend_box);
}  // namespace

extern "C" {

ZV_SCN_2D_API void zv_scn_2d_calc_box(Izv_scene* h) { return zv::api::fwd<&T::calc_box>(h); }
ZV_SCN_2D_API bool zv_scn_2d_get_box(Izv_scene* h, Tzv_box_d2* out) { return zv::api::fwd<&T::get_box>(h, out); }
ZV_SCN_2D_API void zv_scn_2d_set_box(Izv_scene* h, bool valid, Tzv_box_d2 const* box) { return zv::api::fwd<&T::set_box>(h, valid, box); }
ZV_SCN_2D_API bool zv_scn_2d_get_clipped_box(Izv_scene* h, Tzv_box_d2* out) { return zv::api::fwd<&T::get_clipped_box>(h, out); }
ZV_SCN_2D_API bool zv_scn_2d_get_active_lr2d_box(Izv_scene* h, Tzv_box_d2* out) { return zv::api::fwd<&T::get_active_lr2d_box>(h, out); }
ZV_SCN_2D_API bool zv_scn_2d_get_marked_lr2d_box(Izv_scene* h, Tzv_box_d2* out) { return zv::api::fwd<&T::get_marked_lr2d_box>(h, out); }
ZV_SCN_2D_API bool zv_scn_2d_get_legend_box(Izv_scene* h, Tzv_box_d2* out) { return zv::api::fwd<&T::get_legend_box>(h, out); }
ZV_SCN_2D_API void zv_scn_2d_set_legend_box(Izv_scene* h, Tzv_box_d2 const* box, bool valid) { return zv::api::fwd<set_legend_box_flag_last>(h, box, valid); }

}  // extern "C"
