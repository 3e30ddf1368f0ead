// Exported functions of the library's start and stop and of the plug-in side
// of plug-in scenes and collections.
#include "api/forward.h"
#include "plugin/plugin_entry.h"
#include "plugin/plugin_scenes.h"
#include "plugin/plugin_scn_2d.h"
#include "zv/plugin.h"

using E = Tzv_plugin_entry;

extern "C" {

ZV_SCN_2D_API uint32_t zv_plugin_scn_2d_init() { return zv::api::fwd<&E::init>(zv_plugin_entry()); }
ZV_SCN_2D_API void zv_plugin_scn_2d_done() { return zv::api::fwd<&E::done>(zv_plugin_entry()); }
ZV_SCN_2D_API Izv_scns2d* zv_plugin_scns_2d_create(int32_t index) { return zv::api::fwd<&E::create_scns>(zv_plugin_entry(), index); }
ZV_SCN_2D_API void zv_plugin_scns_2d_destroy(Izv_scns2d* h) { return zv::api::destroy(h); }

// A scene or collection of another class answers null.
ZV_SCN_2D_API t_zv_scene_2d_interface* zv_scn_2d_get_plugin_interface(Izv_scene* h) { return zv::api::fwd<&Tzv_plugin_scn_2d::plugin_interface>(h); }
ZV_SCN_2D_API t_zv_scene_2d_collection_interface* zv_scns_2d_get_plugin_interface(Izv_scns2d* h) { return zv::api::fwd<&Tzv_plugin_scenes::plugin_interface>(h); }

}  // extern "C"
