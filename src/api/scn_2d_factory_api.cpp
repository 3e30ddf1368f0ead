// Exported functions of the scene factory map.
#include "api/forward.h"
#include "plugin/plugin_entry.h"
#include "plugin/scene_factory_map.h"
#include "zv/scn_2d_factory.h"

using M = Tzv_scene_factory_map;
using E = Tzv_plugin_entry;

extern "C" {

ZV_SCN_2D_API bool zv_scn_2d_factory_attach(void*, void*, char const* name, Tzv_scn_2d_create_fn create) { return zv::api::fwd<&M::attach_global>(zv_scene_factory_map(), name, create); }
ZV_SCN_2D_API bool zv_scn_2d_factory_attach_ctx(void*, void*, char const* name, Tzv_scn_2d_create_ctx_fn create, void* context) { return zv::api::fwd<&M::attach_ctx>(zv_scene_factory_map(), name, create, context); }
ZV_SCN_2D_API bool zv_scn_2d_factory_detach(char const* name) { return zv::api::fwd<&M::detach_name>(zv_scene_factory_map(), name); }
ZV_SCN_2D_API Izv_scene* zv_scn_2d_factory_create_scn(char const* name) { return zv::api::fwd<&M::create_scn>(zv_scene_factory_map(), name); }
ZV_SCN_2D_API void zv_scn_2d_factory_destroy_scn(Izv_scene* h) { return zv::api::destroy(h); }
ZV_SCN_2D_API uint64_t zv_scn_2d_factory_get_count() { return zv::api::fwd<&E::get_factory_count>(zv_plugin_entry()); }

}  // extern "C"
