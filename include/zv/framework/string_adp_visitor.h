// A string visitor that feeds the visited text into a string adapter of the
// basic services library. Header-only: the binding itself depends on nothing
// but the text encodings, and the basic services library carries the binding.
#pragma once

#include "zv/framework/adapters.h"
#include "zv/sibling/basic.h"

namespace zv {

class string_adp_visitor final : public string_visitor_impl {
 public:
  explicit string_adp_visitor(Izv_string_adp* target) : target_(target) {}
  void visit(wchar_t const* text) override {
    if (target_) zv_string_adp_feed(target_, text);
  }

 private:
  Izv_string_adp* target_;
};

}  // namespace zv
