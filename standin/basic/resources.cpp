// Localised resource texts by number.

#include <iterator>

#include "zv/sibling/basic/resources.h"

namespace {

struct Tzv_res_entry {
  int32_t id;
  wchar_t const* text;
};

constexpr Tzv_res_entry zv_res_table[] = {
    {zv_res_map, L"Map"},   {zv_res_column, L"Column"},   {zv_res_layout, L"Layout"},
    {zv_res_maps, L"Maps"}, {zv_res_columns, L"Columns"}, {zv_res_layouts, L"Layouts"},
};

}  // namespace

wchar_t const* zv_res_get_wstr(int32_t id) {
  for (Tzv_res_entry const& e : zv_res_table)
    if (e.id == id) return e.text;
  return L"";
}
