#include "params/scale_line.h"

void Tzv_scale_line2d_params::assign(Tzv_scale_line2d_params const& src) { visible_ = src.visible_; }

bool Tzv_scale_line2d_params::equal(Tzv_scale_line2d_params const& other) const {
  return visible_ == other.visible_;
}
