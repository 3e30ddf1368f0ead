// Graticule parameters: plain values, copied and compared field by field.
// Each class keeps its plain fields in a nested `fields` value that compares
// with a defaulted ==; only owned handles (font types) are compared by hand.
#pragma once

#include "params/lazy_scope.h"
#include "zv/graticule.h"

// A colour that compares as the basic library compares colours.
struct Tzv_grat_color {
  Tzv_color value{};
  bool operator==(Tzv_grat_color const& other) const { return zv_clr_equal(&value, &other.value); }
};

// A line style of the graticule.
class Tzv_graticule2d_line {
 public:
  Tzv_graticule2d_line();
  Tzv_graticule2d_line(Tzv_color color, double width) : f_{{color}, width} {}

  Tzv_color get_color() const { return f_.color.value; }
  void set_color(Tzv_color v) { f_.color.value = v; }
  double get_width() const { return f_.width; }
  void set_width(double v) { f_.width = v; }

  void assign(Tzv_graticule2d_line const& src) { f_ = src.f_; }
  bool equal(Tzv_graticule2d_line const& other) const { return f_ == other.f_; }
  bool operator==(Tzv_graticule2d_line const&) const = default;

 private:
  struct fields {
    Tzv_grat_color color;
    double width;
    bool operator==(fields const&) const = default;
  };
  fields f_;
};

// A visibility flag with a line style: the grid of a tick set.
class Tzv_graticule2d_grid {
 public:
  Tzv_graticule2d_grid() = default;
  Tzv_graticule2d_grid(bool visible, Tzv_graticule2d_line const& line) : f_{visible, line} {}

  bool get_visible() const { return f_.visible; }
  void set_visible(bool v) { f_.visible = v; }
  Tzv_graticule2d_line* get_line_ptr() { return &f_.line; }

  void assign(Tzv_graticule2d_grid const& src) { f_ = src.f_; }
  bool equal(Tzv_graticule2d_grid const& other) const { return f_ == other.f_; }
  bool operator==(Tzv_graticule2d_grid const&) const = default;

 private:
  struct fields {
    bool visible = true;
    Tzv_graticule2d_line line;
    bool operator==(fields const&) const = default;
  };
  fields f_;
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
  // Writes the parts to the outputs that are given.
  void write(int* d_out, int* m_out, int* s_out) const;
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

  void get_lon_step_dms(int* d, int* m, int* s) const { f_.lon_step_dms.write(d, m, s); }
  void set_lon_step_dms(int d, int m, int s) { f_.lon_step_dms = {d, m, s}; }
  void get_lat_step_dms(int* d, int* m, int* s) const { f_.lat_step_dms.write(d, m, s); }
  void set_lat_step_dms(int d, int m, int s) { f_.lat_step_dms = {d, m, s}; }
  int get_lon_approx_ndiap() const { return f_.lon_approx_ndiap; }
  void set_lon_approx_ndiap(int v) { f_.lon_approx_ndiap = v; }
  int get_lat_approx_ndiap() const { return f_.lat_approx_ndiap; }
  void set_lat_approx_ndiap(int v) { f_.lat_approx_ndiap = v; }
  bool get_fnt_visible() const { return f_.fnt_visible; }
  void set_fnt_visible(bool v) { f_.fnt_visible = v; }
  bool get_fnt_short_str() const { return f_.fnt_short_str; }
  void set_fnt_short_str(bool v) { f_.fnt_short_str = v; }
  double get_fnt_size() const { return f_.fnt_size; }
  void set_fnt_size(double v) { f_.fnt_size = v; }
  Tzv_color get_fnt_clr() const { return f_.fnt_clr.value; }
  void set_fnt_clr(Tzv_color v) { f_.fnt_clr.value = v; }
  // Made when first asked for.
  Tzv_fnt_type* get_fnt_type_ptr() const { return fnt_type_.get(); }
  Tzv_graticule2d_grid* get_grid_ptr() { return &f_.grid; }

  void assign(Tzv_graticule2d_ticks const& src);
  bool equal(Tzv_graticule2d_ticks const& other) const;

 private:
  struct fields {
    Tzv_graticule2d_dms lon_step_dms{};
    int lon_approx_ndiap = 0;
    Tzv_graticule2d_dms lat_step_dms{};
    int lat_approx_ndiap = 0;
    bool fnt_visible = false;
    bool fnt_short_str = false;
    double fnt_size = 0.0;
    Tzv_grat_color fnt_clr;
    Tzv_graticule2d_grid grid;
    bool operator==(fields const&) const = default;
  };
  // The fields of one set of defaults.
  static fields defaults(Tzv_graticule2d_dms step, bool fnt_visible, double fnt_size, uint8_t grid_grey,
                         double grid_width);

  fields f_;
  zv::lazy_scope<Tzv_fnt_type*, &zv_fnt_type_create, &zv_fnt_type_destroy> fnt_type_;
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

  bool get_visible() const { return f_.visible; }
  void set_visible(bool v) { f_.visible = v; }
  bool get_fixed_step_flag() const { return f_.fixed_step_flag; }
  void set_fixed_step_flag(bool v) { f_.fixed_step_flag = v; }
  bool get_addit_flag() const { return f_.addit_flag; }
  void set_addit_flag(bool v) { f_.addit_flag = v; }
  bool get_rotate_side_text_flag() const { return f_.rotate_side_text_flag; }
  void set_rotate_side_text_flag(bool v) { f_.rotate_side_text_flag = v; }
  Tzv_graticule2d_ticks* get_main_ticks_ptr() { return &main_ticks_; }
  Tzv_graticule2d_ticks* get_addt_ticks_ptr() { return &addt_ticks_; }
  Tzv_graticule2d_frame* get_frame_ptr() { return &f_.frame; }

  void assign(Tzv_graticule2d_params const& src);
  bool equal(Tzv_graticule2d_params const& other) const;

 private:
  struct fields {
    bool visible = false;
    bool fixed_step_flag = false;
    bool addit_flag = false;
    bool rotate_side_text_flag = false;
    Tzv_graticule2d_frame frame;
    bool operator==(fields const&) const = default;
  };

  fields f_;
  // Declared in this order, so the additional ticks' font type is released
  // before the main ticks' one.
  Tzv_graticule2d_ticks main_ticks_;
  Tzv_graticule2d_ticks addt_ticks_;
};
