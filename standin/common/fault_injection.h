// Where the stand-ins let a test inject a fault: one call per kind of
// operation that a real sibling library could fail in. The counting and
// arming live in zvk_basic (zv/sibling/fault_hooks.h); the stand-ins only
// mark their fault points through these helpers.
#pragma once

#include "zv/sibling/fault_hooks.h"

namespace zv_fault {

// A layer is about to be made (factory, copy or composite).
inline void layer_creation() { zv_fault_point(zv_fault_factory, nullptr); }

// An event is about to reach the client with this data.
inline void event_delivery(void const* client) { zv_fault_point(zv_fault_listener, client); }

}  // namespace zv_fault
