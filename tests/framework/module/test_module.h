// A separately built module offering a scene service (scene_2d_service 7 and
// its referent, one polymorphic chain), for tests across module borders.
#pragma once

#include <cstdint>

#include "zv/export.h"
#include "zv/framework/handles.h"

#ifdef ZVT_MODULE_BUILD
#define ZVT_MODULE_API ZV_EXPORT
#else
#define ZVT_MODULE_API ZV_IMPORT
#endif

extern "C" {
// The module's scene service; its meta id is "ModuleScene".
ZVT_MODULE_API t_zv_scene_2d_service_interface zvt_module_scene_service(void);
// True when the module recognises the handle as one of its own objects.
ZVT_MODULE_API bool zvt_module_owns(t_zv_scene_2d_service_interface handle);
// Referrers that retained the service and have not released it.
ZVT_MODULE_API int32_t zvt_module_referrer_count(void);
// The provider goes away: every retaining referrer is invalidated and forgotten.
ZVT_MODULE_API void zvt_module_invalidate_referrers(void);
}
