#include "plugin/scene_factory_map.h"

bool Tzv_scene_factory_map::attach_global(char const* name, Tzv_scene_create_fn function) {
  return name != nullptr && attach(name, Tzv_scene_creator::global(function));
}

bool Tzv_scene_factory_map::attach_ctx(char const* name, Tzv_scene_create_ctx_fn function, void* context) {
  return name != nullptr && attach(name, Tzv_scene_creator(function, context));
}

bool Tzv_scene_factory_map::detach_name(char const* name) { return name != nullptr && detach(name); }

Izv_scene* Tzv_scene_factory_map::create_scn(char const* name) { return name != nullptr ? create(name) : nullptr; }

Tzv_scene_factory_map* zv_scene_factory_map() { return &zv::Singleton<Tzv_scene_factory_map>::inst(); }
