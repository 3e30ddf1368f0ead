// Lookmarks: saved views of a scene and the list that owns them.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "zv/lookmarks.h"

class Tzv_lookmark2d {
 public:
  wchar_t const* get_caption() const { return f_.caption.c_str(); }
  // A null caption leaves the caption as it is.
  void set_caption(wchar_t const* s);
  void get_caption_adp(Izv_string_adp& adp) const;
  // Writes the zoom values to the outputs that are given.
  void get_zoom(double* z0, double* z1, double* z2, double* z3) const;
  void set_zoom(double z0, double z1, double z2, double z3) { f_.zoom = {z0, z1, z2, z3}; }

  void assign(Tzv_lookmark2d const& src) { f_ = src.f_; }
  // Captions character for character, zoom values with ==.
  bool equal(Tzv_lookmark2d const& other) const { return f_ == other.f_; }

 private:
  struct fields {
    std::wstring caption;
    std::array<double, 4> zoom{0.0, 0.0, 1.0, 1.0};
    bool operator==(fields const&) const = default;
  };
  fields f_;
};

class Tzv_lookmarks2d {
 public:
  uint32_t get_size() const { return static_cast<uint32_t>(items_.size()); }
  Tzv_lookmark2d* get_ptr(uint32_t i) const { return i < items_.size() ? items_[i].get() : nullptr; }
  Tzv_lookmark2d* add_ptr();
  int32_t find_ptr(Tzv_lookmark2d const* p) const;
  void delete_item(uint32_t i);
  void swap_items(uint32_t i, uint32_t j);
  // The active index, -1 when the stored one is out of range.
  int32_t get_active_idx() const;
  void set_active_idx(int32_t i) { active_idx_ = i; }
  Tzv_lookmark2d* get_active_ptr() const;
  void set_active_ptr(Tzv_lookmark2d const* p) { active_idx_ = find_ptr(p); }
  void clear();

  void assign(Tzv_lookmarks2d const& src);
  bool equal(Tzv_lookmarks2d const& other) const;

 private:
  bool in_range(uint32_t i) const { return i < items_.size(); }

  int32_t active_idx_ = -1;
  std::vector<std::unique_ptr<Tzv_lookmark2d>> items_;
};
