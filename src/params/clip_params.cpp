#include "params/clip_params.h"

#include "core/scope.h"
#include "zv/sibling/basic.h"
#include "zv/sibling/proj4_d2.h"

namespace {

struct Tline_stripe {
  uint8_t grey;
  double width;
  double delta;
};

constexpr Tline_stripe c_def_stripes[] = {{224, 2.0, -1.0}, {196, 1.0, -0.5}, {140, 0.4, 0.0}};

void add_stripe(Tzv_style_lrs* lrs, Tline_stripe const& s) {
  Tzv_style_lr* lr = zv_style_lrs_add_lr(lrs, c_pln_line_style_lr);
  zv_pln_line_lr_set_color(lr, zv_clr_init_grey(s.grey));
  zv_pln_line_lr_set_width(lr, s.width);
  zv_pln_line_lr_set_delta(lr, s.delta);
}

}  // namespace

Tzv_clip2d_params::Tzv_clip2d_params() = default;

Tzv_clip2d_params::~Tzv_clip2d_params() {
  ov_.reset();
  draw_style_.reset();
}

void Tzv_clip2d_params::set_ov(Tzv_op2d const& src) { zv_ov_d2_assign(ov_.get(), &src); }

void Tzv_clip2d_params::get_prj_adp(Izv_string_adp& adp) const { zv_string_adp_feed(&adp, prj_.c_str()); }

void Tzv_clip2d_params::set_prj(wchar_t const* prj) {
  if (prj) prj_ = prj;
}

void Tzv_clip2d_params::init_def_style(Tzv_pgn_style* style) {
  zv_pgn_style_set_pgn_visible(style, false);
  Tzv_bpln_style* b = zv_pgn_style_get_bpln_style_ptr(style);
  zv_bpln_style_set_width(b, 1.0);
  zv_bpln_style_set_color(b, zv_clr_init_int(255));
  zv_bpln_style_set_use_complex(b, true);
  Tzv_style_lrs* lrs = zv_cpx_style_get_style_lrs_ptr(zv_bpln_style_get_complex_style(b));
  for (auto const& s : c_def_stripes) add_stripe(lrs, s);
}

bool Tzv_clip2d_params::eval_ov(wchar_t const* dst, Tzv_op2d& out) const {
  if (!dst) return false;
  zv_ov_d2_assign(&out, ov_.get());
  zv::scope<Tzv_rpj_d2*, &zv_rpj_d2_destroy> rpj(zv_rpj_d2_create());
  zv_rpj_d2_init_w(rpj.get(), prj_.c_str(), dst);
  return !zv_rpj_d2_rpj_is_needed(rpj.get()) || zv_rpj_d2_apply_ov(rpj.get(), &out);
}

bool Tzv_clip2d_params::eval_box(wchar_t const* dst, Tzv_box_d2& out) const {
  zv::scope<Tzv_op2d*, &zv_ov_d2_destroy> tmp(zv_ov_d2_create());
  bool const ok = eval_ov(dst, *tmp.get());
  if (ok) out = zv_ov_d2_get_box(tmp.get());
  return ok;
}

void Tzv_clip2d_params::assign(Tzv_clip2d_params const& src) {
  f_ = src.f_;
  zv_ov_d2_assign(ov_.get(), src.ov_.get());
  if (&src != this) prj_ = src.prj_;
  zv_pgn_style_assign(draw_style_.get(), src.draw_style_.get());
}

bool Tzv_clip2d_params::equal(Tzv_clip2d_params const& other) const {
  return f_ == other.f_ && zv_ov_d2_equal(ov_.get(), other.ov_.get()) &&
         zv_pj4_equal_w(prj_.c_str(), other.prj_.c_str()) &&
         zv_pgn_style_equal(draw_style_.get(), other.draw_style_.get());
}
