// The margins that a viewer keeps free around a scene's map area, and
// whether they are in use.
#pragma once

#include <cstdint>

#include "core/basic_obj.h"
#include "zv/margins.h"

class Tzv_margins_obj : public Tzv_basic_obj {
 public:
  bool get_visible() const { return f_.visible; }
  void set_visible(bool v) { f_.visible = v; }
  uint32_t get_lft() const { return f_.lft; }
  void set_lft(uint32_t v) { f_.lft = v; }
  uint32_t get_top() const { return f_.top; }
  void set_top(uint32_t v) { f_.top = v; }
  uint32_t get_rgt() const { return f_.rgt; }
  void set_rgt(uint32_t v) { f_.rgt = v; }
  uint32_t get_btm() const { return f_.btm; }
  void set_btm(uint32_t v) { f_.btm = v; }

  void assign(Tzv_margins_obj const& src) { f_ = src.f_; }
  bool equal(Tzv_margins_obj const& other) const { return f_ == other.f_; }

 private:
  struct fields {
    bool visible = false;
    uint32_t lft = 10;
    uint32_t top = 5;
    uint32_t rgt = 10;
    uint32_t btm = 5;
    bool operator==(fields const&) const = default;
  };
  fields f_;
};
