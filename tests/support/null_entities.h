// Inert implementations of the entity, collection and scene interfaces, for
// test doubles that override only what a test looks at. `Base` supplies the
// interface (or a class already implementing part of it).
#pragma once

#include "zv/izv_scene.h"

// Every entity operation does nothing and answers zero.
template <class Base>
class Tzv_null_entity : public Base {
 public:
  void begin_update() override {}
  void end_update() override {}
  Tzv_event_channel* get_update_event_channel() override { return nullptr; }
  char const* get_caption() override { return ""; }
  void set_caption(char const*) override {}
  void get_wcaption(Izv_string_adp*) override {}
  void set_wcaption(wchar_t const*) override {}
  Tzv_uuid_t* get_uuid() override { return nullptr; }
  void set_uuid(Tzv_uuid_t*) override {}
  void get_group_id(Izv_string_adp*) override {}
  void set_group_id(wchar_t const*) override {}
  bool get_marked() override { return false; }
  void set_marked(bool) override {}
  bool can_remove() override { return true; }
  int32_t is_occupied(Izv_string_adp*) override { return 0; }
  bool deoccupy(Izv_string_adp*) override { return true; }
  Tzv_valid_state validate() override { return 0; }
  Tzv_valid_state is_valid() override { return 0; }
  void set_valid(Tzv_valid_state) override {}
  Izv_entity* get_parent() override { return nullptr; }
  void set_parent(Izv_entity*) override {}
  uint32_t get_index() override { return 0; }
  Izv_entity* get_bind_entity(uint32_t) override { return nullptr; }
  uint32_t get_bind_count() override { return 0; }
  char const* get_meta_id() override { return "NullEntityMetaID"; }
  Izv_entity* get_active() override { return nullptr; }
  void set_active(Izv_entity*) override {}
  uint32_t get_active_index() override { return zv_no_index; }
  void set_active_index(uint32_t) override {}
  Tzv_meta_data_obj* get_meta_data_ptr() override { return nullptr; }
  void set_meta_data(Tzv_meta_data_obj*) override {}
  void begin_update_recursive() override {}
  void end_update_recursive() override {}
};

// Every collection operation does nothing; members are the bound entities.
template <class Base>
class Tzv_null_collection : public Base {
 public:
  void create() override {}
  void clear() override {}
  uint32_t get_count() override { return this->get_bind_count(); }
  Izv_entity* get_entity(uint32_t i) override { return this->get_bind_entity(i); }
  Izv_entity* add_entity() override { return nullptr; }
  void remove_entity(Izv_entity*) override {}
  void remove_entity(uint32_t) override {}
  void remove_entity_range(uint32_t, uint32_t*) override {}
  void remove_marked() override {}
  void set_marked_entity(Izv_entity*) override {}
  void set_marked_entity_index(uint32_t) override {}
  uint32_t get_entity_index(Izv_entity*) override { return zv_no_index; }
  void move(uint32_t, uint32_t) override {}
  void move_marked(uint32_t) override {}
  Izv_entity* find_entity(wchar_t const*) override { return nullptr; }
};

// Every scene-level operation does nothing.
template <class Base>
class Tzv_null_scene_ops : public Base {
 public:
  Izv_layer* add_layer(char const*) override { return nullptr; }
  void calc_box() override {}
  Tzv_lr_group* get_lr_group_ptr() override { return nullptr; }
  void move_layer_to_active_group(Izv_layer*) override {}
  void get_prj4(Izv_string_adp*) const override {}
  void set_prj4(wchar_t const*) override {}
  void init_layer_list(Izv_layer_list*) override {}
};

// A scene whose collection and scene-level operations all do nothing.
template <class Base>
using Tzv_null_scene = Tzv_null_scene_ops<Tzv_null_collection<Base>>;
