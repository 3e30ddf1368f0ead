// Exported functions of the collection of 2D scenes.
#include "api/forward.h"
#include "scene2d/scenes_2d.h"
#include "zv/scns_2d.h"

using T = Tzv_scenes_2d;
using zv::api::object_of;

namespace {
// Overloaded members, named by the class that declares them.
using Entities = Tzv_entities_base<Izv_scns2d, Tzv_scene_2d>;
constexpr auto scenes_assign = static_cast<void (T::*)(T*)>(&T::assign);
constexpr auto scenes_equal = static_cast<bool (T::*)(T*)>(&T::equal);
constexpr auto remove_at = static_cast<void (Entities::*)(uint32_t)>(&Entities::remove_entity);
}  // namespace

extern "C" {

ZV_SCN_2D_API Izv_scns2d* zv_scns_2d_create() { return zv::api::create<T>(); }
ZV_SCN_2D_API void zv_scns_2d_destroy(Izv_scns2d* h) { return zv::api::destroy(h); }
ZV_SCN_2D_API void zv_scns_2d_set_parent(Izv_scns2d* h, Izv_entity* parent) { return zv::api::fwd<&T::set_parent>(h, parent); }
ZV_SCN_2D_API Izv_entities* zv_scns_2d_safe_upcast(Izv_scns2d* h) { return zv::api::fwd<&T::scenes_handle>(h); }
ZV_SCN_2D_API Izv_scns2d* zv_scns_2d_safe_downcast(Izv_entities* e) { return zv::api::fwd<&T::scenes_handle>(e); }
ZV_SCN_2D_API char const* zv_scns_2d_get_meta_id(Izv_scns2d* h) { return zv::api::fwd<&T::get_meta_id>(h); }
ZV_SCN_2D_API void zv_scns_2d_create_all(Izv_scns2d* h) { return zv::api::fwd<&T::create>(h); }
ZV_SCN_2D_API void zv_scns_2d_clear(Izv_scns2d* h) { return zv::api::fwd<&T::clear>(h); }
ZV_SCN_2D_API void zv_scns_2d_assign(Izv_scns2d* h, Izv_scns2d* src) { return zv::api::fwd<scenes_assign>(h, object_of<T>(src)); }
ZV_SCN_2D_API bool zv_scns_2d_equal(Izv_scns2d* h, Izv_scns2d* other) { return zv::api::fwd<scenes_equal>(h, object_of<T>(other)); }
ZV_SCN_2D_API Tzv_uuid_t* zv_scns_2d_get_uuid(Izv_scns2d* h) { return zv::api::fwd<&T::get_uuid>(h); }
ZV_SCN_2D_API void zv_scns_2d_set_uuid(Izv_scns2d* h, Tzv_uuid_t* uuid) { return zv::api::fwd<&T::set_uuid>(h, uuid); }
ZV_SCN_2D_API Tzv_event_channel* zv_scns_2d_get_update_event_channel(Izv_scns2d* h) { return zv::api::fwd<&T::get_update_event_channel>(h); }

ZV_SCN_2D_API uint32_t zv_scns_2d_get_size(Izv_scns2d* h) { return zv::api::fwd<&T::get_count>(h); }
ZV_SCN_2D_API Izv_scene* zv_scns_2d_get(Izv_scns2d* h, uint32_t i) { return zv::api::fwd<&T::get_entity>(h, i); }
ZV_SCN_2D_API Izv_scene* zv_scns_2d_add(Izv_scns2d* h) { return zv::api::fwd<&T::add_entity>(h); }
ZV_SCN_2D_API void zv_scns_2d_del(Izv_scns2d* h, uint32_t i) { return zv::api::fwd<remove_at>(h, i); }
ZV_SCN_2D_API void zv_scns_2d_del_marked(Izv_scns2d* h) { return zv::api::fwd<&T::remove_marked>(h); }
ZV_SCN_2D_API void zv_scns_2d_del_array(Izv_scns2d* h, uint32_t n, uint32_t* indices) { return zv::api::fwd<&T::remove_entity_range>(h, n, indices); }
ZV_SCN_2D_API void zv_scns_2d_move_scn(Izv_scns2d* h, uint32_t from, uint32_t to) { return zv::api::fwd<&T::move>(h, from, to); }

// The active member is read as an entity, then handed out as its scene.
ZV_SCN_2D_API Izv_scene* zv_scns_2d_get_active_scn(Izv_scns2d* h) { return zv::api::fwd<&T::get_active_scn>(h); }
ZV_SCN_2D_API uint32_t zv_scns_2d_get_active_scn_idx(Izv_scns2d* h) { return zv::api::fwd<&T::get_active_index, zv_no_index>(h); }
ZV_SCN_2D_API void zv_scns_2d_set_active_scn(Izv_scns2d* h, Izv_entity* scene) { return zv::api::fwd<&T::set_active>(h, scene); }
ZV_SCN_2D_API void zv_scns_2d_set_active_scn_idx(Izv_scns2d* h, uint32_t i) { return zv::api::fwd<&T::set_active_index>(h, i); }
ZV_SCN_2D_API void zv_scns_2d_set_marked_scn(Izv_scns2d* h, Izv_entity* scene) { return zv::api::fwd<&T::set_marked_entity>(h, scene); }
ZV_SCN_2D_API void zv_scns_2d_set_marked_scn_idx(Izv_scns2d* h, uint32_t i) { return zv::api::fwd<&T::set_marked_entity_index>(h, i); }

}  // extern "C"
