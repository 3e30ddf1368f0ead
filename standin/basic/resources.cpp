// Localised resource texts by number, and the process-wide history manager.

#include <iterator>

#include "zv/sibling/basic.h"

namespace {

struct Tzv_res_entry {
  int32_t id;
  wchar_t const* text;
};

constexpr Tzv_res_entry zv_res_table[] = {
    {zv_res_map, L"Map"},     {zv_res_column, L"Column"},   {zv_res_layout, L"Layout"},
    {zv_res_maps, L"Maps"},   {zv_res_columns, L"Columns"}, {zv_res_layouts, L"Layouts"},
};

}  // namespace

wchar_t const* zv_res_get_wstr(int32_t id) {
  for (Tzv_res_entry const& e : zv_res_table) {
    if (e.id == id) return e.text;
  }
  return L"";
}

// --- History manager -----------------------------------------------------------

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
