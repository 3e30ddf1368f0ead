/// \file
/// The scene factory map: scene type names (narrow text, compared byte by
/// byte, case-sensitive) and the creators that make scenes of those types.
/// Plug-in scene factories enter their types while the library is
/// initialised (zv/plugin.h); any module may enter its own. The map is made
/// on first use and lives until the process ends.
///
/// Null rule: a null name is entered nowhere and found nowhere (false, null);
/// destroy_scn accepts null. The two leading arguments of the attach
/// functions are not read.
#pragma once

#include "zv/api.h"
#include "zv/flat.h"
#include "zv/izv_scene.h"

ZV_BEGIN_C

/// A creator of scenes of one type.
typedef Izv_scene* (*Tzv_scn_2d_create_fn)();
/// A creator of scenes of one type that takes the context it was entered with.
typedef Izv_scene* (*Tzv_scn_2d_create_ctx_fn)(void* context);

/// Enters `name` with a creator that calls `create`; true when the name was
/// new, false when it was there already (its first creator stays). A null
/// `create` enters an empty creator, which makes nothing.
ZV_SCN_2D_API bool zv_scn_2d_factory_attach(void* reserved1, void* reserved2, char const* name,
                                            Tzv_scn_2d_create_fn create);
/// The same with a creator that calls create(context).
ZV_SCN_2D_API bool zv_scn_2d_factory_attach_ctx(void* reserved1, void* reserved2, char const* name,
                                                Tzv_scn_2d_create_ctx_fn create, void* context);
/// Removes the name; true when it was in the map and is gone.
ZV_SCN_2D_API bool zv_scn_2d_factory_detach(char const* name);
/// What the name's creator makes, owned by the caller and ended by
/// zv_scn_2d_factory_destroy_scn; null for a name not in the map. Exceptions
/// of the creator pass through.
ZV_SCN_2D_API Izv_scene* zv_scn_2d_factory_create_scn(char const* name);
/// Destroys the scene as zv_scn_2d_destroy does.
ZV_SCN_2D_API void zv_scn_2d_factory_destroy_scn(Izv_scene* scene);
/// The number of plug-in scene factories (not of names in the map); 0 while
/// the library is not initialised.
ZV_SCN_2D_API uint64_t zv_scn_2d_factory_get_count();

ZV_END_C
