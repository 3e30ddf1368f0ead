// Lists of wide strings.

#include <string>
#include <vector>

#include "zv/sibling/basic/string_adp.h"
#include "zv/sibling/basic/wstrings.h"

struct Tzv_wstrings_obj {
  std::vector<std::wstring> items;
};

namespace {

std::wstring const* zv_item(Tzv_wstrings_obj const* l, int32_t i) {
  if (!l || i < 0 || static_cast<std::size_t>(i) >= l->items.size()) return nullptr;
  return &l->items[static_cast<std::size_t>(i)];
}

}  // namespace

Tzv_wstrings_obj* zv_wstrings_create() { return new Tzv_wstrings_obj; }

void zv_wstrings_destroy(Tzv_wstrings_obj* l) { delete l; }

int32_t zv_wstrings_get_size(Tzv_wstrings_obj const* l) { return l ? static_cast<int32_t>(l->items.size()) : 0; }

wchar_t const* zv_wstrings_get_str(Tzv_wstrings_obj const* l, int32_t i) {
  std::wstring const* const s = zv_item(l, i);
  return s ? s->c_str() : nullptr;
}

void zv_wstrings_get_str_adp(Tzv_wstrings_obj const* l, int32_t i, Izv_string_adp* adp) {
  if (std::wstring const* const s = zv_item(l, i)) zv_string_adp_feed(adp, s->c_str());
}

void zv_wstrings_add_str(Tzv_wstrings_obj* l, wchar_t const* s) {
  if (l) l->items.emplace_back(s ? s : L"");
}

void zv_wstrings_clear(Tzv_wstrings_obj* l) {
  if (l) l->items.clear();
}
