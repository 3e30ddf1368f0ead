// Exported functions of a 2D scene: life, casts, copy and comparison.
#include "api/forward.h"
#include "scene2d/scene_2d.h"
#include "zv/scn_2d/lifecycle.h"

using T = Tzv_scene_2d;
using zv::api::object_of;

namespace {
constexpr auto scene_assign = static_cast<void (T::*)(T*)>(&T::assign);
constexpr auto scene_equal = static_cast<bool (T::*)(T*)>(&T::equal);
}  // namespace

extern "C" {

ZV_SCN_2D_API Izv_scene* zv_scn_2d_create() { return zv::api::create<T>(); }
ZV_SCN_2D_API void zv_scn_2d_destroy(Izv_scene* h) { return zv::api::destroy(h); }
ZV_SCN_2D_API Izv_scene* zv_scn_2d_safe_upcast(Izv_scene* h) { return zv::api::fwd<&T::scene_handle>(h); }
ZV_SCN_2D_API Izv_scene* zv_scn_2d_safe_downcast(Izv_entities* e) { return zv::api::fwd<&T::scene_handle>(e); }
ZV_SCN_2D_API char const* zv_scn_2d_get_meta_id(Izv_scene* h) { return zv::api::fwd<&T::get_meta_id>(h); }
ZV_SCN_2D_API Izv_scns2d* zv_scn_2d_get_parent(Izv_scene* h) { return zv::api::fwd<&T::get_parent_scenes>(h); }
ZV_SCN_2D_API void zv_scn_2d_assign(Izv_scene* h, Izv_scene* src) { return zv::api::fwd<scene_assign>(h, object_of<T>(src)); }
ZV_SCN_2D_API bool zv_scn_2d_equal(Izv_scene* h, Izv_scene* other) { return zv::api::fwd<scene_equal>(h, object_of<T>(other)); }

}  // extern "C"
