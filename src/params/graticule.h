// Graticule parameters: plain values copied and compared field by field.
#pragma once

#include "core/scope.h"
#include "zv/graticule.h"

// A line style of the graticule.
class Tzv_graticule2d_line {
 public:
  Tzv_graticule2d_line();
  Tzv_graticule2d_line(Tzv_color color, double width) : color_(color), width_(width) {}

  Tzv_color get_color() const { return color_; }
  void set_color(Tzv_color v) { color_ = v; }
  double get_width() const { return width_; }
  void set_width(double v) { width_ = v; }

  void assign(Tzv_graticule2d_line const& src) { *this = src; }
  bool equal(Tzv_graticule2d_line const& other) const;

 private:
  Tzv_color color_;
  double width_;
};

// A visibility flag with a line style: the grid of a tick set.
class Tzv_graticule2d_grid {
 public:
  Tzv_graticule2d_grid() = default;
  Tzv_graticule2d_grid(bool visible, Tzv_graticule2d_line const& line) : visible_(visible), line_(line) {}

  bool get_visible() const { return visible_; }
  void set_visible(bool v) { visible_ = v; }
  Tzv_graticule2d_line* get_line_ptr() { return &line_; }
  Tzv_graticule2d_line const& get_line() const { return line_; }

  void assign(Tzv_graticule2d_grid const& src) { *this = src; }
  bool equal(Tzv_graticule2d_grid const& other) const {
    return visible_ == other.visible_ && line_.equal(other.line_);
  }

 private:
  bool visible_ = true;
  Tzv_graticule2d_line line_;
};

// The frame around the map: the same fields and defaults as a grid.
class Tzv_graticule2d_frame : public Tzv_graticule2d_grid {
 public:
  using Tzv_graticule2d_grid::Tzv_graticule2d_grid;
};

// Degrees, minutes and seconds of a step, stored as given.
struct Tzv_graticule2d_dms {
  int d;
  int m;
  int s;
  bool operator==(Tzv_graticule2d_dms const&) const = default;
};

// One tick set: steps, labels and the grid. Owns its font type.
class Tzv_graticule2d_ticks {
 public:
  Tzv_graticule2d_ticks();
  Tzv_graticule2d_ticks(Tzv_graticule2d_ticks const&) = delete;
  Tzv_graticule2d_ticks& operator=(Tzv_graticule2d_ticks const&) = delete;

  // Every field but the font type to the main (resp. additional) defaults.
  void init_main();
  void init_addt();

  Tzv_graticule2d_dms get_lon_step_dms() const { return lon_step_dms_; }
  void set_lon_step_dms(Tzv_graticule2d_dms v) { lon_step_dms_ = v; }
  Tzv_graticule2d_dms get_lat_step_dms() const { return lat_step_dms_; }
  void set_lat_step_dms(Tzv_graticule2d_dms v) { lat_step_dms_ = v; }
  int get_lon_approx_ndiap() const { return lon_approx_ndiap_; }
  void set_lon_approx_ndiap(int v) { lon_approx_ndiap_ = v; }
  int get_lat_approx_ndiap() const { return lat_approx_ndiap_; }
  void set_lat_approx_ndiap(int v) { lat_approx_ndiap_ = v; }
  bool get_fnt_visible() const { return fnt_visible_; }
  void set_fnt_visible(bool v) { fnt_visible_ = v; }
  bool get_fnt_short_str() const { return fnt_short_str_; }
  void set_fnt_short_str(bool v) { fnt_short_str_ = v; }
  double get_fnt_size() const { return fnt_size_; }
  void set_fnt_size(double v) { fnt_size_ = v; }
  Tzv_color get_fnt_clr() const { return fnt_clr_; }
  void set_fnt_clr(Tzv_color v) { fnt_clr_ = v; }
  Tzv_fnt_type* get_fnt_type_ptr() const { return fnt_type_.get(); }
  Tzv_graticule2d_grid* get_grid_ptr() { return &grid_; }

  void assign(Tzv_graticule2d_ticks const& src);
  bool equal(Tzv_graticule2d_ticks const& other) const;

 private:
  // The table row of one set of defaults.
  struct defaults;
  void apply(defaults const& d);

  Tzv_graticule2d_dms lon_step_dms_{};
  int lon_approx_ndiap_ = 0;
  Tzv_graticule2d_dms lat_step_dms_{};
  int lat_approx_ndiap_ = 0;
  bool fnt_visible_ = false;
  bool fnt_short_str_ = false;
  double fnt_size_ = 0.0;
  Tzv_color fnt_clr_{};
  zv::scope<Tzv_fnt_type*, &zv_fnt_type_destroy> fnt_type_;
  Tzv_graticule2d_grid grid_;
};

// The whole graticule.
class Tzv_graticule2d_params {
 public:
  Tzv_graticule2d_params();
  Tzv_graticule2d_params(Tzv_graticule2d_params const&) = delete;
  Tzv_graticule2d_params& operator=(Tzv_graticule2d_params const&) = delete;

  // Flags false, tick sets to their defaults (font types kept), frame visible
  // with colour 0 and width 0.5.
  void init();

  bool get_visible() const { return visible_; }
  void set_visible(bool v) { visible_ = v; }
  bool get_fixed_step_flag() const { return fixed_step_flag_; }
  void set_fixed_step_flag(bool v) { fixed_step_flag_ = v; }
  bool get_addit_flag() const { return addit_flag_; }
  void set_addit_flag(bool v) { addit_flag_ = v; }
  bool get_rotate_side_text_flag() const { return rotate_side_text_flag_; }
  void set_rotate_side_text_flag(bool v) { rotate_side_text_flag_ = v; }
  Tzv_graticule2d_ticks* get_main_ticks_ptr() { return &main_ticks_; }
  Tzv_graticule2d_ticks* get_addt_ticks_ptr() { return &addt_ticks_; }
  Tzv_graticule2d_frame* get_frame_ptr() { return &frame_; }

  void assign(Tzv_graticule2d_params const& src);
  bool equal(Tzv_graticule2d_params const& other) const;

 private:
  bool visible_ = false;
  bool fixed_step_flag_ = false;
  bool addit_flag_ = false;
  bool rotate_side_text_flag_ = false;
  // Declared in this order, so the additional ticks' font type is released
  // before the main ticks' one.
  Tzv_graticule2d_ticks main_ticks_;
  Tzv_graticule2d_ticks addt_ticks_;
  Tzv_graticule2d_frame frame_;
};
