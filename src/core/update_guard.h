// The one bracket guard: opens an update bracket on construction and closes
// it on destruction, also when an exception passes. A bracket whose opening
// throws has closed itself again (begin_update undoes its own half), so the
// guard then closes nothing.
#pragma once

#include <exception>

#include "zv/common/unwind.h"
#include "zv/izv_entity.h"
#include "zv/sibling/entity.h"

namespace zv::core {

inline void begin_updatable(Izv_updatable* u) { u->begin_update(); }
inline void end_updatable(Izv_updatable* u) { u->end_update(); }
inline void begin_entity(Izv_entity* e) { zv_entity_begin_update(e); }
inline void end_entity(Izv_entity* e) { zv_entity_end_update(e); }

template <class T, void (*Begin)(T*), void (*End)(T*)>
class Tzv_bracket {
 public:
  explicit Tzv_bracket(T* obj) : obj_(obj) { Begin(obj_); }
  // Closing broadcasts, and listeners may throw: that exception reaches the
  // caller, unless one from the bracket's body is already on its way.
  ~Tzv_bracket() noexcept(false) {
    auto close = [this] { End(obj_); };
    run_cleanup(close);
  }
  Tzv_bracket(Tzv_bracket const&) = delete;
  Tzv_bracket& operator=(Tzv_bracket const&) = delete;

 private:
  T* obj_;
};

}  // namespace zv::core

// The object's own bracket (begin_update / end_update, virtually).
using Tzv_update_guard = zv::core::Tzv_bracket<Izv_updatable, &zv::core::begin_updatable, &zv::core::end_updatable>;
// An entity's bracket through the entity library; a null entity is accepted.
using Tzv_entity_update_guard = zv::core::Tzv_bracket<Izv_entity, &zv::core::begin_entity, &zv::core::end_entity>;
