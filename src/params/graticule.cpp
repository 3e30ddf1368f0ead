#include "params/graticule.h"

#include <cstdint>

namespace {

constexpr uint8_t zv_grat_grey_main = 140;
constexpr uint8_t zv_grat_grey_addt = 160;

}  // namespace

Tzv_graticule2d_line::Tzv_graticule2d_line() : Tzv_graticule2d_line(zv_clr_init_grey(zv_grat_grey_main), 0.1) {}

void Tzv_graticule2d_dms::write(int* d_out, int* m_out, int* s_out) const {
  if (d_out) *d_out = d;
  if (m_out) *m_out = m;
  if (s_out) *s_out = s;
}

Tzv_graticule2d_ticks::Tzv_graticule2d_ticks() { init_main(); }

void Tzv_graticule2d_ticks::init_main() { f_ = defaults({1, 0, 0}, true, 2.5, zv_grat_grey_main, 0.1); }

void Tzv_graticule2d_ticks::init_addt() { f_ = defaults({0, 20, 0}, false, 2.0, zv_grat_grey_addt, 0.05); }

Tzv_graticule2d_ticks::fields Tzv_graticule2d_ticks::defaults(Tzv_graticule2d_dms step, bool fnt_visible,
                                                              double fnt_size, uint8_t grid_grey, double grid_width) {
  int const ndiap = 5;
  Tzv_graticule2d_grid const grid(true, Tzv_graticule2d_line(zv_clr_init_grey(grid_grey), grid_width));
  return {step, ndiap, step, ndiap, fnt_visible, true, fnt_size, {zv_clr_init_int(0)}, grid};
}

void Tzv_graticule2d_ticks::assign(Tzv_graticule2d_ticks const& src) {
  if (&src == this) return;
  f_ = src.f_;
  zv_fnt_type_assign(fnt_type_.get(), src.fnt_type_.get());
}

bool Tzv_graticule2d_ticks::equal(Tzv_graticule2d_ticks const& other) const {
  return f_ == other.f_ && zv_fnt_type_equal(fnt_type_.get(), other.fnt_type_.get());
}

Tzv_graticule2d_params::Tzv_graticule2d_params() { init(); }

void Tzv_graticule2d_params::init() {
  f_ = fields{};
  f_.frame = Tzv_graticule2d_frame(true, Tzv_graticule2d_line(zv_clr_init_int(0), 0.5));
  main_ticks_.init_main();
  addt_ticks_.init_addt();
}

void Tzv_graticule2d_params::assign(Tzv_graticule2d_params const& src) {
  f_ = src.f_;
  main_ticks_.assign(src.main_ticks_);
  addt_ticks_.assign(src.addt_ticks_);
}

bool Tzv_graticule2d_params::equal(Tzv_graticule2d_params const& other) const {
  return f_ == other.f_ && main_ticks_.equal(other.main_ticks_) && addt_ticks_.equal(other.addt_ticks_);
}
