// Exported functions of the scene builder.
#include "api/forward.h"
#include "plugin/scene_2d_builder.h"
#include "zv/scn2d_builder.h"

using T = Tzv_scene_2d_builder;

extern "C" {

ZV_SCN_2D_API Tzv_scene_2d_builder* zv_scn2d_builder_create() { return zv::api::create<T>(); }
ZV_SCN_2D_API void zv_scn2d_builder_destroy(Tzv_scene_2d_builder* h) { return zv::api::destroy(h); }
ZV_SCN_2D_API void zv_scn2d_builder_init(Tzv_scene_2d_builder* h, Izv_scene* scene, wchar_t const* identifier) { return zv::api::fwd<&T::init>(h, scene, identifier); }
ZV_SCN_2D_API bool zv_scn2d_builder_is_supported(Tzv_scene_2d_builder* h, Tzv_wstrings_obj* names) { return zv::api::fwd<&T::supported>(h, names); }
ZV_SCN_2D_API void zv_scn2d_builder_add_sources(Tzv_scene_2d_builder* h, Tzv_wstrings_obj* names) { return zv::api::fwd<&T::add>(h, names); }
ZV_SCN_2D_API void zv_scn2d_builder_get_errors(Tzv_scene_2d_builder* h, Izv_string_adp* out) { return zv::api::fwd<&T::get_errors>(h, out); }

}  // extern "C"
