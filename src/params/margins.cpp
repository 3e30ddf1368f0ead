#include "params/margins.h"

#include <cstring>

void Tzv_margins_obj::assign(Tzv_margins_obj const& src) {
  visible_ = src.visible_;
  lft_ = src.lft_;
  top_ = src.top_;
  rgt_ = src.rgt_;
  btm_ = src.btm_;
}

bool Tzv_margins_obj::equal(Tzv_margins_obj const& other) const {
  // The flag is compared as the byte it is stored in.
  return std::memcmp(&visible_, &other.visible_, sizeof visible_) == 0 && lft_ == other.lft_ &&
         top_ == other.top_ && rgt_ == other.rgt_ && btm_ == other.btm_;
}
