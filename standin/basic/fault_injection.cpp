// Fault injection for tests: per kind, a count of calls since arming and the
// call that throws. Plain process-wide state, as the stand-ins' own test
// hooks keep; tests arm and reset it around each run.

#include <algorithm>
#include <array>
#include <vector>

#include "zv/sibling/fault_hooks.h"

namespace {

struct Tzv_fault_state {
  int32_t count = 0;
  int32_t armed_at = 0;  // 0: not armed
  bool fired = false;
};

struct Tzv_fault_table {
  std::array<Tzv_fault_state, zv_fault_kind_count> kinds;
  std::vector<void const*> spared;
};

Tzv_fault_table& faults() {
  static Tzv_fault_table table;
  return table;
}

Tzv_fault_state* state_of(int32_t kind) {
  if (kind < 0 || kind >= zv_fault_kind_count) return nullptr;
  return &faults().kinds[static_cast<size_t>(kind)];
}

bool is_spared(void const* client) {
  auto const& spared = faults().spared;
  return client != nullptr && std::find(spared.begin(), spared.end(), client) != spared.end();
}

}  // namespace

void zv_fault_arm(int32_t kind, int32_t n) {
  if (Tzv_fault_state* s = state_of(kind)) *s = {0, n > 0 ? n : 0, false};
}

void zv_fault_reset() { faults() = {}; }

int32_t zv_fault_get_count(int32_t kind) {
  Tzv_fault_state const* s = state_of(kind);
  return s ? s->count : 0;
}

bool zv_fault_fired(int32_t kind) {
  Tzv_fault_state const* s = state_of(kind);
  return s && s->fired;
}

void zv_fault_spare_client(void* data) {
  if (data) faults().spared.push_back(data);
}

void zv_fault_point(int32_t kind, void const* client) {
  Tzv_fault_state* s = state_of(kind);
  if (!s || is_spared(client)) return;
  ++s->count;
  if (s->count != s->armed_at) return;
  s->fired = true;
  throw Tzv_injected_fault{kind, s->count};
}
