// Test hooks for fault injection in the stand-ins (exported by zvk_basic):
// arm a kind of call so that its n-th occurrence from now throws a
// Tzv_injected_fault, as a failing sibling library or a throwing listener
// would. Not part of any sibling library's API.
//
// Kinds: layer creation in the layer stand-ins (the 2D layer factory, copies
// and composites included; thrown before the layer is made) and the delivery
// of an event to one client of an event channel (thrown once the client has
// run, as a listener that throws would; the clients after it do not hear the
// event), and calls into plug-in objects, which the fake plug-ins of the
// tests mark themselves. Clients registered with zv_fault_spare_client are
// observers: their deliveries are neither counted nor faulted.
#pragma once

#include <cstdint>

#include "zv/sibling/basic/api.h"

enum Tzv_fault_kind : int32_t {
  zv_fault_factory = 0,
  zv_fault_listener = 1,
  zv_fault_plugin = 2,  // a call into a plug-in's object; marked by the tests' fake plug-ins
  zv_fault_kind_count = 3,
};

// What an injected fault throws. Visible in every module, so that a test
// catches what a stand-in threw.
struct ZV_INTERFACE Tzv_injected_fault {
  int32_t kind;
  int32_t call;  // 1 for the first call after arming
};

extern "C" {

// The n-th call of that kind from now throws once (n >= 1); n <= 0 disarms
// the kind. Every arm restarts the kind's count.
ZV_BASIC_API void zv_fault_arm(int32_t kind, int32_t n);
// Disarms every kind, zeroes the counts and forgets the spared clients.
ZV_BASIC_API void zv_fault_reset();
// Calls of that kind since it was last armed or reset.
ZV_BASIC_API int32_t zv_fault_get_count(int32_t kind);
// Whether an armed fault of that kind has been thrown since it was armed.
ZV_BASIC_API bool zv_fault_fired(int32_t kind);
// Deliveries to clients with this data pointer are never faulted or counted
// (event recorders that check what others do); null spares nothing.
ZV_BASIC_API void zv_fault_spare_client(void* data);

// Called by the stand-ins where a call of that kind happens; throws when it
// is the armed one. `client` is the receiving client's data for listener
// calls, else null.
ZV_BASIC_API void zv_fault_point(int32_t kind, void const* client);

}  // extern "C"
