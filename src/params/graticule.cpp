#include "params/graticule.h"

#include <cstdint>

namespace {

constexpr uint8_t zv_grat_grey_main = 140;
constexpr uint8_t zv_grat_grey_addt = 160;

bool zv_same_color(Tzv_color a, Tzv_color b) { return zv_clr_equal(&a, &b); }

}  // namespace

Tzv_graticule2d_line::Tzv_graticule2d_line() : color_(zv_clr_init_grey(zv_grat_grey_main)), width_(0.1) {}

bool Tzv_graticule2d_line::equal(Tzv_graticule2d_line const& other) const {
  return zv_same_color(color_, other.color_) && width_ == other.width_;
}

struct Tzv_graticule2d_ticks::defaults {
  Tzv_graticule2d_dms step;
  int ndiap;
  bool fnt_visible;
  double fnt_size;
  uint8_t grid_grey;
  double grid_width;
};

Tzv_graticule2d_ticks::Tzv_graticule2d_ticks() : fnt_type_(zv_fnt_type_create()) { init_main(); }

void Tzv_graticule2d_ticks::init_main() { apply({{1, 0, 0}, 5, true, 2.5, zv_grat_grey_main, 0.1}); }

void Tzv_graticule2d_ticks::init_addt() { apply({{0, 20, 0}, 5, false, 2.0, zv_grat_grey_addt, 0.05}); }

void Tzv_graticule2d_ticks::apply(defaults const& d) {
  lon_step_dms_ = d.step;
  lon_approx_ndiap_ = d.ndiap;
  lat_step_dms_ = d.step;
  lat_approx_ndiap_ = d.ndiap;
  fnt_visible_ = d.fnt_visible;
  fnt_short_str_ = true;
  fnt_size_ = d.fnt_size;
  fnt_clr_ = zv_clr_init_int(0);
  grid_ = Tzv_graticule2d_grid(true, Tzv_graticule2d_line(zv_clr_init_grey(d.grid_grey), d.grid_width));
}

void Tzv_graticule2d_ticks::assign(Tzv_graticule2d_ticks const& src) {
  if (&src == this) return;
  lon_step_dms_ = src.lon_step_dms_;
  lon_approx_ndiap_ = src.lon_approx_ndiap_;
  lat_step_dms_ = src.lat_step_dms_;
  lat_approx_ndiap_ = src.lat_approx_ndiap_;
  fnt_visible_ = src.fnt_visible_;
  fnt_short_str_ = src.fnt_short_str_;
  fnt_size_ = src.fnt_size_;
  fnt_clr_ = src.fnt_clr_;
  zv_fnt_type_assign(fnt_type_.get(), src.fnt_type_.get());
  grid_.assign(src.grid_);
}

bool Tzv_graticule2d_ticks::equal(Tzv_graticule2d_ticks const& other) const {
  return lon_step_dms_ == other.lon_step_dms_ && lon_approx_ndiap_ == other.lon_approx_ndiap_ &&
         lat_step_dms_ == other.lat_step_dms_ && lat_approx_ndiap_ == other.lat_approx_ndiap_ &&
         fnt_visible_ == other.fnt_visible_ && fnt_short_str_ == other.fnt_short_str_ &&
         fnt_size_ == other.fnt_size_ && zv_same_color(fnt_clr_, other.fnt_clr_) &&
         zv_fnt_type_equal(fnt_type_.get(), other.fnt_type_.get()) && grid_.equal(other.grid_);
}

Tzv_graticule2d_params::Tzv_graticule2d_params() { init(); }

void Tzv_graticule2d_params::init() {
  visible_ = false;
  fixed_step_flag_ = false;
  addit_flag_ = false;
  rotate_side_text_flag_ = false;
  main_ticks_.init_main();
  addt_ticks_.init_addt();
  frame_ = Tzv_graticule2d_frame(true, Tzv_graticule2d_line(zv_clr_init_int(0), 0.5));
}

void Tzv_graticule2d_params::assign(Tzv_graticule2d_params const& src) {
  visible_ = src.visible_;
  fixed_step_flag_ = src.fixed_step_flag_;
  addit_flag_ = src.addit_flag_;
  rotate_side_text_flag_ = src.rotate_side_text_flag_;
  main_ticks_.assign(src.main_ticks_);
  addt_ticks_.assign(src.addt_ticks_);
  frame_.assign(src.frame_);
}

bool Tzv_graticule2d_params::equal(Tzv_graticule2d_params const& other) const {
  return visible_ == other.visible_ && fixed_step_flag_ == other.fixed_step_flag_ &&
         addit_flag_ == other.addit_flag_ && rotate_side_text_flag_ == other.rotate_side_text_flag_ &&
         main_ticks_.equal(other.main_ticks_) && addt_ticks_.equal(other.addt_ticks_) && frame_.equal(other.frame_);
}
