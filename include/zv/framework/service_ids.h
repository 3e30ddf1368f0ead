/// \file
/// Identifiers under which modules register their services with the host's
/// service registry. A plug-in registers under the same identifier that the
/// library asks for, so both take it from here.
#pragma once

/// The framework's identifier authority; every service identifier starts with it.
#define ZV_FRAMEWORK_AUTHORITY L"zv:"

/// 2D scene services (scene_2d_service): one plug-in scene type each.
#define ZV_SCENE_2D_SERVICE_ID ZV_FRAMEWORK_AUTHORITY L"/scene/2d"

/// 2D scene editor extensions (scene_2d_editor_extension_service): the
/// scene builder's filters. Hosts pass this to zv_scn2d_builder_init.
#define ZV_SCENE_2D_EDITOR_EXTENSION_ID ZV_FRAMEWORK_AUTHORITY L"/scene/2d/editor/extension"
