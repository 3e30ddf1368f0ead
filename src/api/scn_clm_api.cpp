// Exported functions of column scenes and their collection: only their life.
// Everything else goes through the scene and collection families.
#include "api/forward.h"
#include "layouts/scene_clm.h"
#include "layouts/scenes_clm.h"
#include "zv/scn_clm.h"

extern "C" {

ZV_SCN_2D_API Izv_scene* zv_scn_clm_create() { return zv::api::create<Tzv_scene_clm>(); }
ZV_SCN_2D_API void zv_scn_clm_destroy(Izv_scene* h) { return zv::api::destroy(h); }
ZV_SCN_2D_API Izv_scns2d* zv_scns_clm_create() { return zv::api::create<Tzv_scenes_clm>(); }
ZV_SCN_2D_API void zv_scns_clm_destroy(Izv_scns2d* h) { return zv::api::destroy(h); }

}  // extern "C"
