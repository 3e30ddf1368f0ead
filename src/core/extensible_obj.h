// An object with named extension values (extras), an update event channel
// created on first use, and a nesting update bracket that gathers the
// changes made inside it into one update event.
#pragma once

#include <cstdint>

#include "core/basic_obj.h"
#include "zv/izv_entity.h"

class Tzv_extensible_obj : public Tzv_basic_obj, public virtual Izv_updatable {
 public:
  Tzv_extensible_obj();
  ~Tzv_extensible_obj() override;
  Tzv_extensible_obj(Tzv_extensible_obj const&) = delete;
  Tzv_extensible_obj& operator=(Tzv_extensible_obj const&) = delete;

  virtual void assign(Tzv_basic_obj* other);
  virtual bool equal(Tzv_basic_obj* other);
  virtual Tzv_any* get_extra(char const* name);
  virtual Tzv_table* get_table_extra();
  virtual void set_table_extra(Tzv_table& table);
  virtual void set_extra(char const* name, Tzv_any* value);
  Tzv_event_channel* get_update_event_channel() override;
  virtual Tzv_update_event* init_update_event();
  virtual void broadcast_update_event();
  virtual void broadcast_begin_update_event();
  virtual void broadcast_end_update_event();
  virtual void broadcast_update_event(int id);
  virtual void broadcast_update_event(char const* name);
  virtual void broadcast_update_event(int id, Tzv_table& queue);
  virtual void broadcast_update_event(char const* name, Tzv_table& queue);
  virtual void broadcast_event(int id);
  virtual void broadcast_event(int id, Tzv_tuple& data);
  void begin_update() override;
  void end_update() override;

  // The 32-bit codes of find_update's criteria, each followed by its value.
  enum : int32_t {
    zv_find_end = -1,  // with a null value: the end of the criteria
    zv_find_key = -1,  // with a non-null value: a Tzv_any key
    zv_find_name = 2,  // a narrow property name
    zv_find_id = 3,    // an integer property id (an int32_t value)
  };

  // True when at least one update event of `queue` has no details or has
  // every listed property. Criteria: pairs of a code above and a value,
  // closed by zv_find_end with a null value.
  static bool find_update(Tzv_table* queue, ...);

  uint32_t get_update_depth() const { return update_depth_; }
  // One of the object's own operations is on the stack: a bracket is open,
  // a broadcast runs or a call from outside (Tzv_operation) has not returned.
  // An owner must not destroy it then.
  bool is_busy() const { return update_depth_ > 0 || broadcasting_ > 0 || operations_ > 0; }

  // A call into the object from outside the library (an export): a destroy
  // that a listener asks for meanwhile waits until the call has returned,
  // whatever code of the call still runs after its last bracket closed.
  class Tzv_operation {
   public:
    explicit Tzv_operation(Tzv_extensible_obj* obj) : obj_(obj) { ++obj_->operations_; }
    ~Tzv_operation() {
      --obj_->operations_;
      if (obj_->released_) obj_->release_if_idle();
    }
    Tzv_operation(Tzv_operation const&) = delete;
    Tzv_operation& operator=(Tzv_operation const&) = delete;

   private:
    Tzv_extensible_obj* obj_;
  };

  // Destroys the object now when it is idle, else as soon as the last of its
  // own operations returns (an owner that goes away, or a host that destroys
  // it, while one of its listeners is running). Idle objects owned by a
  // caller end here too, so that a destroy from a listener is always safe.
  void release_when_idle();
  // Called where an own operation ends: destroys a released object that has
  // become idle. Nothing may touch the object after this call.
  void release_if_idle();
  // Whether none of the object's own operations is on the stack; collections
  // also count the member events they are delivering.
  virtual bool idle() const { return !is_busy(); }

 private:
  void broadcast_pending();
  template <class Event>
  void deliver(Event const* event);
  template <class AddProp>
  void broadcast_property(AddProp&& add);
  template <class AggrProp>
  void broadcast_aggregated(Tzv_table& queue, AggrProp&& aggr);

  Tzv_table* extras_;
  Tzv_event_channel* channel_ = nullptr;
  uint32_t update_depth_ = 0;
  uint32_t broadcasting_ = 0;
  uint32_t operations_ = 0;
  Tzv_update_event pending_;
  Tzv_update_event* pending_ptr_ = nullptr;
  bool released_ = false;
};
