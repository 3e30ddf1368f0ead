/// \file
/// Entity interfaces shared by every module of the framework: an updatable
/// object, an entity (named, identified, markable, in a collection) and an
/// entity collection.
#pragma once

#include "zv/export.h"
#include "zv/flat.h"
#include "zv/sibling/basic.h"
#include "zv/types.h"

ZV_DECLARE_STRUCT(Tzv_meta_data_obj);

/// An entity's validity as its owner sets it; the library only stores it.
typedef int32_t Tzv_valid_state;

/// Index value meaning "no member".
#ifdef __cplusplus
constexpr uint32_t zv_no_index = 0xFFFFFFFFu;
#else
static const uint32_t zv_no_index = 0xFFFFFFFFu;
#endif

/// Property ids announced by entities and collections.
enum ZV_ENUM_TYPE(int32_t) {
  /// The member list (count, order, contents), and changes forwarded from members.
  zv_prop_members = 1,
  /// The caption.
  zv_prop_caption = 2,
  /// The active member.
  zv_prop_active = 3,
  /// The valid state.
  zv_prop_valid = 4,
  /// The marked flag.
  zv_prop_marked = 5,
  /// A scene's view geometry: isotropy and profile data.
  zv_prop_view_geometry = 8,
  /// A layer group tree's change, which a scene turns into a plain update.
  zv_prop_layer_group = 9,
};

// The interfaces themselves are C++; C sees them as handles (zv/types.h).
#ifdef __cplusplus
struct ZV_INTERFACE Izv_updatable {
  virtual ~Izv_updatable() = default;
  virtual void begin_update() = 0;
  virtual void end_update() = 0;
  virtual Tzv_event_channel* get_update_event_channel() = 0;
};

struct ZV_INTERFACE Izv_entity : virtual Izv_updatable {
  virtual char const* get_caption() = 0;
  virtual void set_caption(char const* caption) = 0;
  virtual void get_wcaption(Izv_string_adp* adp) = 0;
  virtual void set_wcaption(wchar_t const* caption) = 0;
  virtual Tzv_uuid_t* get_uuid() = 0;
  virtual void set_uuid(Tzv_uuid_t* uuid) = 0;
  virtual void get_group_id(Izv_string_adp* adp) = 0;
  virtual void set_group_id(wchar_t const* id) = 0;
  virtual bool get_marked() = 0;
  virtual void set_marked(bool marked) = 0;
  virtual bool can_remove() = 0;
  // Occupancy level: 0 free, any other value occupied.
  virtual int32_t is_occupied(Izv_string_adp* adp) = 0;
  virtual bool deoccupy(Izv_string_adp* adp) = 0;
  virtual Tzv_valid_state validate() = 0;
  virtual Tzv_valid_state is_valid() = 0;
  virtual void set_valid(Tzv_valid_state state) = 0;
  virtual Izv_entity* get_parent() = 0;
  virtual void set_parent(Izv_entity* parent) = 0;
  virtual uint32_t get_index() = 0;
  virtual Izv_entity* get_bind_entity(uint32_t i) = 0;
  virtual uint32_t get_bind_count() = 0;
  virtual char const* get_meta_id() = 0;
  virtual Izv_entity* get_active() = 0;
  virtual void set_active(Izv_entity* e) = 0;
  virtual uint32_t get_active_index() = 0;
  virtual void set_active_index(uint32_t i) = 0;
  virtual Tzv_meta_data_obj* get_meta_data_ptr() = 0;
  virtual void set_meta_data(Tzv_meta_data_obj* m) = 0;
  virtual void begin_update_recursive() = 0;
  virtual void end_update_recursive() = 0;
};

struct ZV_INTERFACE Izv_entities : Izv_entity {
  virtual void create() = 0;
  virtual void clear() = 0;
  virtual uint32_t get_count() = 0;
  virtual Izv_entity* get_entity(uint32_t i) = 0;
  virtual Izv_entity* add_entity() = 0;
  virtual void remove_entity(Izv_entity* e) = 0;
  virtual void remove_entity(uint32_t i) = 0;
  virtual void remove_entity_range(uint32_t n, uint32_t* indices) = 0;
  virtual void remove_marked() = 0;
  virtual void set_marked_entity(Izv_entity* e) = 0;
  virtual void set_marked_entity_index(uint32_t i) = 0;
  virtual uint32_t get_entity_index(Izv_entity* e) = 0;
  virtual void move(uint32_t from, uint32_t to) = 0;
  virtual void move_marked(uint32_t pos) = 0;
  virtual Izv_entity* find_entity(wchar_t const* caption) = 0;
};
#endif
