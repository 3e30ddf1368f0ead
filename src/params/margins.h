// The margins that a viewer keeps free around a scene's map area, and
// whether they are in use.
#pragma once

#include <cstdint>

#include "core/basic_obj.h"

class Tzv_margins_obj : public Tzv_basic_obj {
 public:
  bool get_visible() const { return visible_; }
  void set_visible(bool v) { visible_ = v; }
  uint32_t get_lft() const { return lft_; }
  void set_lft(uint32_t v) { lft_ = v; }
  uint32_t get_top() const { return top_; }
  void set_top(uint32_t v) { top_ = v; }
  uint32_t get_rgt() const { return rgt_; }
  void set_rgt(uint32_t v) { rgt_ = v; }
  uint32_t get_btm() const { return btm_; }
  void set_btm(uint32_t v) { btm_ = v; }

  void assign(Tzv_margins_obj const& src);
  bool equal(Tzv_margins_obj const& other) const;

 private:
  bool visible_ = false;
  uint32_t lft_ = 10;
  uint32_t top_ = 5;
  uint32_t rgt_ = 10;
  uint32_t btm_ = 5;
};
