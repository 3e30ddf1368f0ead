// Texts read back through a string adapter.
#pragma once

#include <string>
#include <utility>

#include "core/string_adapters.h"
#include "zv/izv_entity.h"

// The text `feed` leaves on an adapter that held "(not fed)".
template <class F>
std::wstring text(F&& feed) {
  return zv_read_wtext([&](Izv_string_adp* a) {
    zv_string_adp_feed(a, L"(not fed)");
    std::forward<F>(feed)(a);
  });
}

inline std::wstring caption_of(Izv_entity* e) {
  return zv_read_wtext([e](Izv_string_adp* a) { e->get_wcaption(a); });
}
