// Scale line parameters: a single visibility flag.
#pragma once

#include "zv/scale_line.h"

class Tzv_scale_line2d_params {
 public:
  bool get_visible() const { return f_.visible; }
  void set_visible(bool v) { f_.visible = v; }

  void assign(Tzv_scale_line2d_params const& src) { f_ = src.f_; }
  bool equal(Tzv_scale_line2d_params const& other) const { return f_ == other.f_; }

 private:
  struct fields {
    bool visible = false;
    bool operator==(fields const&) const = default;
  };
  fields f_;
};
