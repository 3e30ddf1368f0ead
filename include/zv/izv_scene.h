/// \file
/// Scene-level interfaces: a 2D layer, a 2D scene and a collection of scenes.
#pragma once

#include "zv/izv_entity.h"

// C++ only; C sees the interfaces as handles (zv/types.h).
#ifdef __cplusplus
// A 2D layer of the layer libraries; its own operations are plain functions
// of those libraries (zv_lr2d_*, zv_lr_*).
struct ZV_INTERFACE Izv_layer : Izv_entity {};

struct ZV_INTERFACE Izv_scene : Izv_entities {
  virtual Izv_layer* add_layer(char const* type) = 0;
  virtual void calc_box() = 0;
  virtual Tzv_lr_group* get_lr_group_ptr() = 0;
  virtual void move_layer_to_active_group(Izv_layer* layer) = 0;
  virtual void get_prj4(Izv_string_adp* adp) const = 0;
  virtual void set_prj4(wchar_t const* prj4) = 0;
  virtual void init_layer_list(Izv_layer_list* list) = 0;
};

struct ZV_INTERFACE Izv_scns2d : Izv_entities {};
#endif
