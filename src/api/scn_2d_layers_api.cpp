// Exported functions of a 2D scene's layers and projection.
#include "api/forward.h"
#include "scene2d/scene_2d.h"
#include "zv/scn_2d/layers.h"

using T = Tzv_scene_2d;

namespace {
constexpr auto set_active_layer = static_cast<void (T::*)(Izv_entity*)>(&T::set_active);
}  // namespace

extern "C" {

ZV_SCN_2D_API Izv_layer* zv_scn_2d_add_layer_type_name(Izv_scene* h, char const* type) { return zv::api::fwd<&T::add_layer>(h, type); }
ZV_SCN_2D_API Izv_layer* zv_scn_2d_add_layer_type_name_ex_slot(Izv_scene* h, char const* type) { return zv::api::fwd<&T::add_layer_ex_slot>(h, type); }
ZV_SCN_2D_API Tzv_composite_layer_2d* zv_scn_2d_create_layer_group(Izv_scene* h) { return zv::api::fwd<&T::create_layer_group>(h); }
ZV_SCN_2D_API void zv_scn_2d_destroy_layer_group(Izv_scene* h, Tzv_composite_layer_2d* group) { return zv::api::fwd<&T::destroy_layer_group>(h, group); }
ZV_SCN_2D_API Izv_layer* zv_scn_2d_get_background_layer(Izv_scene* h) { return zv::api::fwd<&T::get_background_layer>(h); }

ZV_SCN_2D_API Izv_layer* zv_scn_2d_get_active_lr2d(Izv_scene* h) { return zv::api::fwd<&T::get_active_lr2d>(h); }
ZV_SCN_2D_API void zv_scn_2d_set_active_lr2d(Izv_scene* h, Izv_layer* layer) { return zv::api::fwd<set_active_layer>(h, layer); }
ZV_SCN_2D_API uint32_t zv_scn_2d_get_active_lr2d_idx(Izv_scene* h) { return zv::api::fwd<&T::get_active_index, zv_no_index>(h); }
ZV_SCN_2D_API void zv_scn_2d_set_active_lr2d_idx(Izv_scene* h, uint32_t i) { return zv::api::fwd<&T::set_active_index>(h, i); }

ZV_SCN_2D_API void zv_scn_2d_move_layer(Izv_scene* h, uint32_t from, uint32_t to) { return zv::api::fwd<&T::move>(h, from, to); }
ZV_SCN_2D_API void zv_scn_2d_move_marked_layers(Izv_scene* h, uint32_t to) { return zv::api::fwd<&T::move_marked>(h, to); }
ZV_SCN_2D_API void zv_scn_2d_move_layer_to_active_group(Izv_scene* h, Izv_layer* layer) { return zv::api::fwd<&T::move_layer_to_active_group>(h, layer); }
ZV_SCN_2D_API void zv_scn_2d_set_selected_all(Izv_scene* h, bool selected) { return zv::api::fwd<&T::set_selected_all>(h, selected); }
ZV_SCN_2D_API void zv_scn_2d_selected_invert(Izv_scene* h) { return zv::api::fwd<&T::selected_invert>(h); }
ZV_SCN_2D_API Tzv_lr_group* zv_scn_2d_get_lr_group_ptr(Izv_scene* h) { return zv::api::fwd<&T::get_lr_group_ptr>(h); }
ZV_SCN_2D_API void zv_scn_2d_init_layer_list(Izv_scene* h, Izv_layer_list* list) { return zv::api::fwd<&T::init_layer_list>(h, list); }

ZV_SCN_2D_API void zv_scn_2d_get_prj4wstring(Izv_scene* h, Izv_string_adp* adp) { return zv::api::fwd<&T::get_prj4>(h, adp); }
ZV_SCN_2D_API void zv_scn_2d_set_prj4wstring(Izv_scene* h, wchar_t const* prj4) { return zv::api::fwd<&T::set_prj4>(h, prj4); }
ZV_SCN_2D_API void zv_scn_2d_try_set_prj4_lr(Izv_scene* h, Izv_layer* layer) { return zv::api::fwd<&T::try_set_prj4>(h, layer); }
ZV_SCN_2D_API void zv_scn_2d_get_prj4list_uniq_short(Izv_scene* h, Tzv_wstrings_obj* short_texts, Tzv_wstrings_obj* full_texts) { return zv::api::fwd<&T::get_pj_list_uniq_short>(h, short_texts, full_texts); }

}  // extern "C"
