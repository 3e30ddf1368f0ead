#include "params/profile_data.h"

#include <cmath>
#include <cstddef>

#include "core/extensible_obj.h"
#include "zv/sibling/entity.h"

namespace {

// Lengths and splits at or below this are treated as zero (absolute, in the
// units of the line's coordinates).
constexpr double zv_prf_epsilon = 1e-6;

bool zv_valid_index(int32_t i, std::size_t n) { return i >= 0 && static_cast<std::size_t>(i) < n; }

}  // namespace

Tzv_profil_data::Tzv_profil_data(Tzv_extensible_obj* scene) : scene_(scene) {}

Tzv_extensible_obj* Tzv_profil_data::owner_of(Izv_scene* scene) { return dynamic_cast<Tzv_extensible_obj*>(scene); }

Izv_entity* Tzv_profil_data::scene_entity() const { return scene_ ? dynamic_cast<Izv_entity*>(scene_) : nullptr; }

void Tzv_profil_data::set_zscale(double v) {
  change([&] {
    if (v != 0.0) f_.zscale = v;  // -0.0 compares equal to 0.0; NaN is stored
  });
}

void Tzv_profil_data::set_pv(Tzv_pp2d const& src) {
  if (&src != pv_.get()) zv_pv_d2_assign(pv_.get(), &src);
  calculate_ls();
}

void Tzv_profil_data::set_prj4string(wchar_t const* s) {
  if (s) prj4string_ = s;
}

void Tzv_profil_data::get_prj4string_adp(Izv_string_adp& adp) const { zv_string_adp_feed(&adp, prj4string_.c_str()); }

void Tzv_profil_data::calculate_ls() {
  int32_t const n = zv_pv_d2_get_size(pv_.get());
  ls_.assign(n > 0 ? static_cast<std::size_t>(n) : 0u, 0.0);
  if (n < 2) return;
  double total = 0.0;
  Tzv_vtx_d2 prev = zv_pv_d2_get_vtx(pv_.get(), 0);
  for (int32_t i = 1; i < n; ++i) {
    Tzv_vtx_d2 const cur = zv_pv_d2_get_vtx(pv_.get(), i);
    total += std::hypot(cur.x - prev.x, cur.y - prev.y);
    ls_[static_cast<std::size_t>(i)] = total;
    prev = cur;
  }
  if (!(total > zv_prf_epsilon)) return;  // also when total is NaN
  for (std::size_t i = 1; i < ls_.size(); ++i) ls_[i] /= total;
}

bool Tzv_profil_data::ls_matches_pv() const {
  int32_t const n = zv_pv_d2_get_size(pv_.get());
  return n >= 0 && ls_.size() == static_cast<std::size_t>(n);
}

bool Tzv_profil_data::find_xy(double l, double& x, double& y) const {
  if (!ls_matches_pv() || ls_.empty()) return false;
  std::size_t const n = ls_.size();
  if (n == 1) {
    if (ls_[0] != l) return false;
    Tzv_vtx_d2 const v = zv_pv_d2_get_vtx(pv_.get(), 0);
    x = v.x;
    y = v.y;
    return true;
  }
  if (!(l >= 0.0 && l <= 1.0)) return false;  // also rejects NaN
  std::size_t lo = 0;
  std::size_t hi = n - 1;
  while (hi - lo >= 2) {
    std::size_t const mid = (lo + hi) / 2;
    if (l > ls_[mid]) lo = mid;
    else hi = mid;
  }
  double const l0 = ls_[lo];
  double const l1 = ls_[hi];
  if (l < l0 || l > l1) return false;
  Tzv_vtx_d2 const p0 = zv_pv_d2_get_vtx(pv_.get(), static_cast<int32_t>(lo));
  Tzv_vtx_d2 const p1 = zv_pv_d2_get_vtx(pv_.get(), static_cast<int32_t>(hi));
  if (std::fabs(l1 - l0) < zv_prf_epsilon) {
    x = p0.x;
    y = p0.y;
    return true;
  }
  double const t = (l - l0) / (l1 - l0);
  x = p0.x * (1 - t) + p1.x * t;
  y = p0.y * (1 - t) + p1.y * t;
  return true;
}

bool Tzv_profil_data::find_l(double x, double y, double tolerance, double& l) const {
  if (!ls_matches_pv()) return false;
  double seg_dist = 0.0;
  Tzv_vtx_d2 foot{0.0, 0.0};
  int32_t ia = -1;
  int32_t ib = -1;
  double vtx_dist = 0.0;
  int32_t iv = -1;
  std::size_t const n = ls_.size();
  // Indices outside the line are treated as "not found".
  bool const has_seg = zv_pv_d2_vec_distance_xy(pv_.get(), x, y, &seg_dist, &foot, &ia, &ib) && zv_valid_index(ia, n) &&
                       zv_valid_index(ib, n);
  bool const has_vtx = zv_pv_d2_vtx_distance_xy(pv_.get(), x, y, &vtx_dist, &iv) && zv_valid_index(iv, n);
  if (!has_seg && !has_vtx) return false;
  if (has_vtx && (!has_seg || seg_dist >= vtx_dist)) {
    if (!(tolerance > vtx_dist)) return false;
    l = ls_[static_cast<std::size_t>(iv)];
    return true;
  }
  if (!(tolerance > seg_dist)) return false;
  Tzv_vtx_d2 const a = zv_pv_d2_get_vtx(pv_.get(), ia);
  Tzv_vtx_d2 const b = zv_pv_d2_get_vtx(pv_.get(), ib);
  double const da = zv_distance_xy(foot.x, foot.y, a.x, a.y);
  double const db = zv_distance_xy(foot.x, foot.y, b.x, b.y);
  double const s = da + db;
  double const la = ls_[static_cast<std::size_t>(ia)];
  double const lb = ls_[static_cast<std::size_t>(ib)];
  l = s > zv_prf_epsilon ? la * (db / s) + lb * (da / s) : (la + lb) * 0.5;
  return true;
}

void Tzv_profil_data::broadcast_update_event() const {
  if (scene_) scene_->broadcast_update_event(zv_prop_view_geometry);
}

void Tzv_profil_data::assign(Tzv_profil_data const& src) {
  change([&] {
    if (&src != this) copy_from(src);
  });
}

void Tzv_profil_data::copy_from(Tzv_profil_data const& src) {
  f_ = src.f_;
  zv_pv_d2_assign(pv_.get(), src.pv_.get());
  ls_ = src.ls_;  // copied as it is, stale or not
  prj4string_ = src.prj4string_;
}

bool Tzv_profil_data::equal(Tzv_profil_data const& other) const {
  return f_ == other.f_ && zv_pv_d2_equal(pv_.get(), other.pv_.get());
}
