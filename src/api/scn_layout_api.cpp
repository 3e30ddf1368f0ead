// Exported functions of print layouts and their collection: their life and
// the page layer. Everything else goes through the scene and collection
// families.
#include "api/forward.h"
#include "layouts/scene_layout.h"
#include "layouts/scenes_layout.h"
#include "zv/scn_layout.h"

extern "C" {

ZV_SCN_2D_API Izv_scene* zv_scn_layout_create() { return zv::api::create<Tzv_scene_layout>(); }
ZV_SCN_2D_API void zv_scn_layout_destroy(Izv_scene* h) { return zv::api::destroy(h); }
ZV_SCN_2D_API Izv_layer* zv_scn_layout_get_page_lr2d(Izv_scene* h) { return zv::api::fwd<&Tzv_scene_2d::get_background_layer>(h); }
ZV_SCN_2D_API Izv_scns2d* zv_scns_layout_create() { return zv::api::create<Tzv_scenes_layout>(); }
ZV_SCN_2D_API void zv_scns_layout_destroy(Izv_scns2d* h) { return zv::api::destroy(h); }

}  // extern "C"
