// The library's start and stop: init counts its callers, and the first one
// builds the plug-in scene factories from the scene services registered with
// the host; the last done destroys them. Scenes and collections made by the
// factories belong to the host and outlive done.
//
// One state per loaded library, constant-initialised: loading the library
// builds nothing and unloading destroys nothing.
#pragma once

#include <cstdint>

#include "zv/izv_scene.h"

class Tzv_plugin_scene_factories;

class Tzv_plugin_entry {
 public:
  // The count after the call. The first call asks the registry; when that
  // throws, nothing is kept and the count stays.
  uint32_t init();
  // Ignored when not initialised; the last one destroys the factories. An
  // exception of a plug-in passes after every factory is gone.
  void done();

  // The new collection of factory `index`; null when not initialised or the
  // index names no factory.
  Izv_scns2d* create_scns(int32_t index);
  // The number of plug-in scene factories; 0 when not initialised.
  uint64_t get_factory_count() const;
  uint32_t get_init_count() const { return init_count_; }
  // The factories while initialised, else null.
  Tzv_plugin_scene_factories* get_factories() const { return init_count_ != 0 ? factories_ : nullptr; }

 private:
  void build_factories();

  uint32_t init_count_ = 0;
  bool building_ = false;  // the first init is building the factories
  Tzv_plugin_scene_factories* factories_ = nullptr;
};

// The library's one entry state.
Tzv_plugin_entry* zv_plugin_entry();
