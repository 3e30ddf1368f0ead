/// \file
/// The scene builder: fills a 2D scene with layers made from source names
/// (typically file names) through the scene editor filters of the
/// editor-extension services that plug-ins register. The filters of services
/// with a lower priority are asked first, equal priorities in the order in
/// which the services were registered; each name goes to the first filter
/// that supports it, and a name that none supports is skipped silently.
/// Errors of building are collected, not returned: get_errors hands them out.
///
/// Null rule: a null handle, or a null scene, name list or adapter, makes a
/// call do nothing and answer false; destroy accepts null. Exceptions of
/// services and filters reach the caller; the builder frees what it made for
/// the call on the way.
#pragma once

#include "zv/api.h"
#include "zv/flat.h"
#include "zv/izv_scene.h"
#include "zv/sibling/basic/wstrings.h"
#include "zv/types.h"

ZV_BEGIN_C

/// A new, empty builder; owned by the caller, ended by zv_scn2d_builder_destroy.
ZV_SCN_2D_API Tzv_scene_2d_builder* zv_scn2d_builder_create();
/// Lets go of every filter and service, then frees the builder.
ZV_SCN_2D_API void zv_scn2d_builder_destroy(Tzv_scene_2d_builder* builder);
/// Binds the builder to `scene` (borrowed: it must outlive the builder's use)
/// and collects the services registered under `identifier`, usually
/// ZV_SCENE_2D_EDITOR_EXTENSION_ID (zv/framework/service_ids.h), and their
/// filters, replacing what an earlier init collected. When a service or
/// filter throws, the builder is left as if never initialised.
ZV_SCN_2D_API void zv_scn2d_builder_init(Tzv_scene_2d_builder* builder, Izv_scene* scene, wchar_t const* identifier);
/// True when some filter supports at least one of the names.
ZV_SCN_2D_API bool zv_scn2d_builder_is_supported(Tzv_scene_2d_builder* builder, Tzv_wstrings_obj* names);
/// Adds layers for the names, then makes the last layer built that is still in
/// the scene its active one; an empty list still ends the building this way.
/// Does nothing before init.
ZV_SCN_2D_API void zv_scn2d_builder_add_sources(Tzv_scene_2d_builder* builder, Tzv_wstrings_obj* names);
/// The errors of the last building, one per line, fed to `out`; writes
/// nothing before init.
ZV_SCN_2D_API void zv_scn2d_builder_get_errors(Tzv_scene_2d_builder* builder, Izv_string_adp* out);

ZV_END_C
