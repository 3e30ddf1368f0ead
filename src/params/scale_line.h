// Scale line parameters: a single visibility flag.
#pragma once

#include "zv/scale_line.h"

class Tzv_scale_line2d_params {
 public:
  bool get_visible() const { return visible_; }
  void set_visible(bool v) { visible_ = v; }

  void assign(Tzv_scale_line2d_params const& src);
  bool equal(Tzv_scale_line2d_params const& other) const;

 private:
  bool visible_ = false;
};
