// Lookmarks: saved views of a scene and the list that owns them.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "zv/lookmarks.h"

class Tzv_lookmark2d {
 public:
  using zoom_t = std::array<double, 4>;

  wchar_t const* get_caption() const { return caption_.c_str(); }
  void set_caption(wchar_t const* s) { caption_ = s; }
  void get_caption_adp(Izv_string_adp* adp) const;
  zoom_t const& get_zoom() const { return zoom_; }
  void set_zoom(zoom_t const& z) { zoom_ = z; }

  void assign(Tzv_lookmark2d const& src);
  bool equal(Tzv_lookmark2d const& other) const;

 private:
  std::wstring caption_;
  zoom_t zoom_{0.0, 0.0, 1.0, 1.0};
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
