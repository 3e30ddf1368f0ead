/// \file
/// The library's start and stop, and the plug-in side of the scenes and
/// scene collections that plug-in scene factories make. A host calls
/// zv_plugin_scn_2d_init before it uses plug-in scenes and one
/// zv_plugin_scn_2d_done for each init when it no longer needs them. The
/// first init asks the host's service registry for every scene service
/// registered under ZV_SCENE_2D_SERVICE_ID (zv/framework/service_ids.h) and
/// makes one plug-in scene factory of each, numbered in the order the
/// registry delivers them; services registered later are seen only after the
/// last done and a new init.
///
/// Null rule: a null scene or collection answers null; destroy accepts null.
/// An index that names no factory answers null. Exceptions of plug-ins pass
/// through to the caller. Calls are expected on the host's main thread.
#pragma once

#include "zv/api.h"
#include "zv/flat.h"
#include "zv/framework/handles.h"
#include "zv/izv_scene.h"

ZV_BEGIN_C

/// Starts the library for plug-in scenes; the number of inits not yet matched
/// by a done, after this one. When the registry or a service throws during the
/// first init, the exception passes and the library stays uninitialised.
ZV_SCN_2D_API uint32_t zv_plugin_scn_2d_init();
/// Matches one init. The last done destroys the factories; their scene types
/// leave the scene factory map. A done without an init does nothing. Scenes
/// and collections made before stay valid and remain the host's.
ZV_SCN_2D_API void zv_plugin_scn_2d_done();

/// A new plug-in scene collection made by factory `index` (from 0, below
/// zv_scn_2d_factory_get_count()); null while not initialised. Owned by the
/// caller and ended by zv_plugin_scns_2d_destroy.
ZV_SCN_2D_API Izv_scns2d* zv_plugin_scns_2d_create(int32_t index);
/// Destroys a plug-in scene collection and its scenes; the plug-in's objects
/// are told that the library let them go.
ZV_SCN_2D_API void zv_plugin_scns_2d_destroy(Izv_scns2d* scenes);

// The handle of the plug-in's own object that a plug-in scene or collection
// holds, borrowed: it lives as long as the scene or collection. The handle
// is null when the plug-in service made no object; the pointer is null for
// any scene or collection that a plug-in factory did not make.
/// The plug-in object's handle behind a plug-in scene (borrowed), or null.
ZV_SCN_2D_API t_zv_scene_2d_interface* zv_scn_2d_get_plugin_interface(Izv_scene* scene);
/// The plug-in object's handle behind a plug-in collection (borrowed), or null.
ZV_SCN_2D_API t_zv_scene_2d_collection_interface* zv_scns_2d_get_plugin_interface(Izv_scns2d* scenes);

ZV_END_C
