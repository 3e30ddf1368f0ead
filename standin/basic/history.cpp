// The process-wide history (undo) manager: a nesting bracket that never
// goes below depth 0.

#include "zv/sibling/basic/history.h"

struct Tzv_history_manager {
  int32_t depth = 0;
};

Tzv_history_manager* zv_history_manager_get_instance() {
  static Tzv_history_manager instance;
  return &instance;
}

void zv_history_manager_begin_update(Tzv_history_manager* m) {
  if (m) ++m->depth;
}

void zv_history_manager_end_update(Tzv_history_manager* m) {
  if (m && m->depth > 0) --m->depth;
}

int32_t zv_history_manager_get_depth(Tzv_history_manager const* m) { return m ? m->depth : 0; }
