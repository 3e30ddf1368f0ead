// The entry points: the plug-in's two services, registered with the host.
#include "sample_plugin.h"

#include "sample_filters.h"
#include "sample_scene.h"
#include "zv/framework/service_ids.h"
#include "zv/sibling/service_registry.h"

namespace {

// The services live as long as the module: objects they made may outlive
// their registration, and the library gives those back after it.
struct Tzv_sample_plugin {
  Tzv_sample_scene_service scenes;
  Tzv_sample_editor_service editor;

  t_zv_interface scene_handle() { return zv::generic_of<zv::scene_2d_service_impl>(scenes); }
  t_zv_interface editor_handle() { return zv::generic_of<zv::scene_2d_editor_extension_service_impl>(editor); }
};

Tzv_sample_plugin& plugin() {
  static Tzv_sample_plugin instance;
  return instance;
}

}  // namespace

void zv_sample_plugin_register(void) {
  zv_service_registry_register(ZV_SCENE_2D_SERVICE_ID, plugin().scene_handle());
  zv_service_registry_register(ZV_SCENE_2D_EDITOR_EXTENSION_ID, plugin().editor_handle());
}

void zv_sample_plugin_unregister(void) {
  zv_service_registry_unregister(ZV_SCENE_2D_SERVICE_ID, plugin().scene_handle());
  zv_service_registry_unregister(ZV_SCENE_2D_EDITOR_EXTENSION_ID, plugin().editor_handle());
  plugin().scenes.invalidate_referrers();
  plugin().editor.invalidate_referrers();
}

int32_t zv_sample_plugin_get_filter_holds(void) { return plugin().editor.filter_holds(); }
