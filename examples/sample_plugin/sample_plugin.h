// The sample plug-in's entry points. A host loads the module, calls
// zv_sample_plugin_register() once, and zv_sample_plugin_unregister() before
// it unloads the module; scenes and collections made from the plug-in's
// services must be destroyed before the unload.
//
// What it offers:
// - under ZV_SCENE_2D_SERVICE_ID a scene service of type "sample_scene": a
//   scene whose source text is its extent, "xmin,ymin,xmax,ymax";
// - under ZV_SCENE_2D_EDITOR_EXTENSION_ID an editor extension (priority 10)
//   with two filters: "*.zvv" sources become vector layers and "*.zvr"
//   sources raster layers, each captioned with the data set name (the file
//   name without folder and extension).
#pragma once

#include <cstdint>

#include "zv/export.h"

#ifdef ZV_SAMPLE_PLUGIN_BUILD
#define ZV_SAMPLE_PLUGIN_API ZV_EXPORT
#else
#define ZV_SAMPLE_PLUGIN_API ZV_IMPORT
#endif

// The scene type and collection type the plug-in's scene service names.
#define ZV_SAMPLE_SCENE_META_ID "sample_scene"
#define ZV_SAMPLE_SCENES_META_ID "sample_scene_collection"
#define ZV_SAMPLE_EDITOR_PRIORITY 10

extern "C" {

// Registers both services with the host's service registry; a second call
// changes nothing.
ZV_SAMPLE_PLUGIN_API void zv_sample_plugin_register(void);
// Withdraws both services and invalidates every reference that holders took
// on them, so that nobody calls them again.
ZV_SAMPLE_PLUGIN_API void zv_sample_plugin_unregister(void);
// Holds on the plug-in's filters: each builder that took a filter and has
// not let it go counts once per filter.
ZV_SAMPLE_PLUGIN_API int32_t zv_sample_plugin_get_filter_holds(void);

}  // extern "C"
