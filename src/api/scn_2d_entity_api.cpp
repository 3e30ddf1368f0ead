// Exported functions of a 2D scene as an entity and a collection of layers.
#include "api/forward.h"
#include "scene2d/scene_2d.h"
#include "zv/scn_2d/entity.h"

using T = Tzv_scene_2d;

namespace {
// Overloaded members, named by the class that declares them.
using Entity = Tzv_entity_base<Izv_scene, Izv_layer>;
using Entities = Tzv_entities_base<Izv_scene, Izv_layer>;
constexpr auto feed_caption = static_cast<void (Entity::*)(Izv_string_adp*)>(&Entity::get_wcaption);
constexpr auto remove_at = static_cast<void (Entities::*)(uint32_t)>(&Entities::remove_entity);
constexpr auto remove_layer = static_cast<void (Entities::*)(Izv_entity*)>(&Entities::remove_entity);
constexpr auto extra_changed = static_cast<void (Tzv_extensible_obj::*)(char const*)>(&Tzv_extensible_obj::broadcast_update_event);
}  // namespace

extern "C" {

ZV_SCN_2D_API void zv_scn_2d_clear(Izv_scene* h) { return zv::api::fwd<&T::clear>(h); }
ZV_SCN_2D_API char const* zv_scn_2d_get_caption(Izv_scene* h) { return zv::api::fwd<&T::get_caption>(h); }
ZV_SCN_2D_API void zv_scn_2d_set_caption(Izv_scene* h, char const* caption) { return zv::api::fwd<&T::set_caption>(h, caption); }
ZV_SCN_2D_API void zv_scn_2d_get_wcaption(Izv_scene* h, Izv_string_adp* adp) { return zv::api::fwd<feed_caption>(h, adp); }
ZV_SCN_2D_API void zv_scn_2d_set_wcaption(Izv_scene* h, wchar_t const* caption) { return zv::api::fwd<&T::set_wcaption>(h, caption); }
ZV_SCN_2D_API Tzv_uuid_t* zv_scn_2d_get_uuid(Izv_scene* h) { return zv::api::fwd<&T::get_uuid>(h); }
ZV_SCN_2D_API void zv_scn_2d_set_uuid(Izv_scene* h, Tzv_uuid_t* uuid) { return zv::api::fwd<&T::set_uuid>(h, uuid); }
ZV_SCN_2D_API bool zv_scn_2d_get_marked(Izv_scene* h) { return zv::api::fwd<&T::get_marked>(h); }
ZV_SCN_2D_API void zv_scn_2d_set_marked(Izv_scene* h, bool marked) { return zv::api::fwd<&T::set_marked>(h, marked); }

ZV_SCN_2D_API uint32_t zv_scn_2d_get_layer_count(Izv_scene* h) { return zv::api::fwd<&T::get_count>(h); }
ZV_SCN_2D_API Izv_layer* zv_scn_2d_get_layer_ptr(Izv_scene* h, uint32_t i) { return zv::api::fwd<&T::get_entity>(h, i); }
ZV_SCN_2D_API Izv_layer* zv_scn_2d_get_first_layer_ptr(Izv_scene* h) { return zv::api::fwd<&T::get_first>(h); }
ZV_SCN_2D_API Izv_layer* zv_scn_2d_get_last_layer_ptr(Izv_scene* h) { return zv::api::fwd<&T::get_last>(h); }
ZV_SCN_2D_API Izv_layer* zv_scn_2d_find_layer_by_caption(Izv_scene* h, wchar_t const* caption) { return zv::api::fwd<&T::find_entity>(h, caption); }
ZV_SCN_2D_API void zv_scn_2d_set_marked_lr2d(Izv_scene* h, Izv_layer* layer) { return zv::api::fwd<&T::set_marked_entity>(h, layer); }
ZV_SCN_2D_API void zv_scn_2d_set_marked_lr2d_idx(Izv_scene* h, uint32_t i) { return zv::api::fwd<&T::set_marked_entity_index>(h, i); }
ZV_SCN_2D_API uint32_t zv_scn_2d_get_lr2d_idx(Izv_scene* h, Izv_layer* layer) { return zv::api::fwd<&T::get_entity_index, zv_no_index>(h, layer); }
ZV_SCN_2D_API void zv_scn_2d_del_lr2d(Izv_scene* h, uint32_t i) { return zv::api::fwd<remove_at>(h, i); }
ZV_SCN_2D_API void zv_scn_2d_del_lr2d_ptr(Izv_scene* h, Izv_layer* layer) { return zv::api::fwd<remove_layer>(h, layer); }
ZV_SCN_2D_API void zv_scn_2d_del_lr2d_marked(Izv_scene* h) { return zv::api::fwd<&T::remove_marked>(h); }
ZV_SCN_2D_API void zv_scn_2d_del_lr2d_array(Izv_scene* h, uint32_t n, uint32_t* indices) { return zv::api::fwd<&T::remove_entity_range>(h, n, indices); }

ZV_SCN_2D_API Tzv_table* zv_scn_2d_get_table_extra(Izv_scene* h) { return zv::api::fwd<&T::get_table_extra>(h); }
ZV_SCN_2D_API void zv_scn_2d_set_table_extra(Izv_scene* h, Tzv_table* table) { return zv::api::fwd<&T::set_table_extra>(h, table); }
ZV_SCN_2D_API Tzv_any* zv_scn_2d_get_extra(Izv_scene* h, char const* name) { return zv::api::fwd<&T::get_extra>(h, name); }
ZV_SCN_2D_API void zv_scn_2d_extra_changed(Izv_scene* h, char const* name) { return zv::api::fwd<extra_changed>(h, name); }
ZV_SCN_2D_API Tzv_event_channel* zv_scn_2d_get_update_event_channel(Izv_scene* h) { return zv::api::fwd<&T::get_update_event_channel>(h); }
ZV_SCN_2D_API void zv_scn_2d_changed(Izv_scene* h) { return zv::api::fwd<&T::changed>(h); }
ZV_SCN_2D_API Tzv_meta_data_obj* zv_scn_2d_get_meta_data_ptr(Izv_scene* h) { return zv::api::fwd<&T::get_meta_data_ptr>(h); }
ZV_SCN_2D_API void zv_scn_2d_set_meta_data(Izv_scene* h, Tzv_meta_data_obj* meta) { return zv::api::fwd<&T::set_meta_data>(h, meta); }
ZV_SCN_2D_API void zv_scn_2d_get_source(Izv_scene* h, Izv_string_adp* adp) { return zv::api::fwd<&T::get_source>(h, adp); }
ZV_SCN_2D_API void zv_scn_2d_set_source(Izv_scene* h, wchar_t const* source) { return zv::api::fwd<&T::set_source>(h, source); }

}  // extern "C"
