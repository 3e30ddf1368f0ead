// Planar geometry: boxes, polylines and outline polygons held as plain
// vertex vectors.
#include "zv/sibling/prg.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

struct Tzv_pp2d {
  std::vector<Tzv_vtx_d2> vtx;
};

struct Tzv_op2d {
  std::vector<std::vector<Tzv_vtx_d2>> rings;
};

namespace {

bool vtx_equal(Tzv_vtx_d2 const& a, Tzv_vtx_d2 const& b) { return a.x == b.x && a.y == b.y; }

bool ring_equal(std::vector<Tzv_vtx_d2> const& a, std::vector<Tzv_vtx_d2> const& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), vtx_equal);
}

template <class V>
bool in_range(V const& v, int32_t i) {
  return i >= 0 && static_cast<size_t>(i) < v.size();
}

// Nearest point to p on the segment a-b.
Tzv_vtx_d2 segment_foot(Tzv_vtx_d2 a, Tzv_vtx_d2 b, Tzv_vtx_d2 p) {
  double const dx = b.x - a.x;
  double const dy = b.y - a.y;
  double const len2 = dx * dx + dy * dy;
  if (len2 == 0.0) return a;
  double const t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / len2, 0.0, 1.0);
  return {a.x + t * dx, a.y + t * dy};
}

void box_add(Tzv_box_d2& box, Tzv_vtx_d2 v) {
  box.xmin = std::min(box.xmin, v.x);
  box.ymin = std::min(box.ymin, v.y);
  box.xmax = std::max(box.xmax, v.x);
  box.ymax = std::max(box.ymax, v.y);
}

}  // namespace

extern "C" {

ZV_PRG_API Tzv_box_d2 zv_box_d2_init_xy(double x1, double y1, double x2, double y2) {
  return {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)};
}

ZV_PRG_API void zv_box_d2_unite(Tzv_box_d2 const* a, Tzv_box_d2 const* b, Tzv_box_d2* out) {
  if (!a || !b || !out) return;
  *out = {std::min(a->xmin, b->xmin), std::min(a->ymin, b->ymin), std::max(a->xmax, b->xmax),
          std::max(a->ymax, b->ymax)};
}

ZV_PRG_API double zv_distance_xy(double x1, double y1, double x2, double y2) { return std::hypot(x2 - x1, y2 - y1); }

// Polylines.

ZV_PRG_API Tzv_pp2d* zv_pv_d2_create() { return new Tzv_pp2d; }

ZV_PRG_API void zv_pv_d2_destroy(Tzv_pp2d* pv) { delete pv; }

ZV_PRG_API void zv_pv_d2_assign(Tzv_pp2d* dst, Tzv_pp2d const* src) {
  if (dst && src) dst->vtx = src->vtx;
}

ZV_PRG_API bool zv_pv_d2_equal(Tzv_pp2d const* a, Tzv_pp2d const* b) { return a && b && ring_equal(a->vtx, b->vtx); }

ZV_PRG_API int32_t zv_pv_d2_get_size(Tzv_pp2d const* pv) { return pv ? static_cast<int32_t>(pv->vtx.size()) : 0; }

ZV_PRG_API Tzv_vtx_d2 zv_pv_d2_get_vtx(Tzv_pp2d const* pv, int32_t i) {
  return pv && in_range(pv->vtx, i) ? pv->vtx[static_cast<size_t>(i)] : Tzv_vtx_d2{0.0, 0.0};
}

ZV_PRG_API void zv_pv_d2_set_vtx(Tzv_pp2d* pv, int32_t i, double x, double y) {
  if (pv && in_range(pv->vtx, i)) pv->vtx[static_cast<size_t>(i)] = {x, y};
}

ZV_PRG_API void zv_pv_d2_add_vtx(Tzv_pp2d* pv, double x, double y) {
  if (pv) pv->vtx.push_back({x, y});
}

ZV_PRG_API void zv_pv_d2_clear(Tzv_pp2d* pv) {
  if (pv) pv->vtx.clear();
}

ZV_PRG_API bool zv_pv_d2_vec_distance_xy(Tzv_pp2d const* pv, double x, double y, double* dist, Tzv_vtx_d2* foot,
                                         int32_t* ia, int32_t* ib) {
  if (!pv || pv->vtx.size() < 2) return false;
  Tzv_vtx_d2 const p{x, y};
  double best = std::numeric_limits<double>::infinity();
  Tzv_vtx_d2 best_foot{};
  size_t best_i = 0;
  for (size_t i = 0; i + 1 < pv->vtx.size(); ++i) {
    Tzv_vtx_d2 const f = segment_foot(pv->vtx[i], pv->vtx[i + 1], p);
    double const d = zv_distance_xy(x, y, f.x, f.y);
    if (d < best) {
      best = d;
      best_foot = f;
      best_i = i;
    }
  }
  if (dist) *dist = best;
  if (foot) *foot = best_foot;
  if (ia) *ia = static_cast<int32_t>(best_i);
  if (ib) *ib = static_cast<int32_t>(best_i + 1);
  return true;
}

ZV_PRG_API bool zv_pv_d2_vtx_distance_xy(Tzv_pp2d const* pv, double x, double y, double* dist, int32_t* iv) {
  if (!pv || pv->vtx.empty()) return false;
  double best = std::numeric_limits<double>::infinity();
  size_t best_i = 0;
  for (size_t i = 0; i < pv->vtx.size(); ++i) {
    double const d = zv_distance_xy(x, y, pv->vtx[i].x, pv->vtx[i].y);
    if (d < best) {
      best = d;
      best_i = i;
    }
  }
  if (dist) *dist = best;
  if (iv) *iv = static_cast<int32_t>(best_i);
  return true;
}

// Outline polygons.

ZV_PRG_API Tzv_op2d* zv_ov_d2_create() { return new Tzv_op2d; }

ZV_PRG_API void zv_ov_d2_destroy(Tzv_op2d* ov) { delete ov; }

ZV_PRG_API void zv_ov_d2_assign(Tzv_op2d* dst, Tzv_op2d const* src) {
  if (dst && src) dst->rings = src->rings;
}

ZV_PRG_API bool zv_ov_d2_equal(Tzv_op2d const* a, Tzv_op2d const* b) {
  return a && b && std::equal(a->rings.begin(), a->rings.end(), b->rings.begin(), b->rings.end(), ring_equal);
}

ZV_PRG_API Tzv_box_d2 zv_ov_d2_get_box(Tzv_op2d const* ov) {
  double const inf = std::numeric_limits<double>::infinity();
  Tzv_box_d2 box{inf, inf, -inf, -inf};
  if (ov) {
    for (auto const& ring : ov->rings)
      for (auto const& v : ring) box_add(box, v);
  }
  return box.xmin <= box.xmax ? box : Tzv_box_d2{0.0, 0.0, 0.0, 0.0};
}

ZV_PRG_API int32_t zv_ov_d2_add_ring(Tzv_op2d* ov) {
  if (!ov) return -1;
  ov->rings.emplace_back();
  return static_cast<int32_t>(ov->rings.size() - 1);
}

ZV_PRG_API void zv_ov_d2_add_vtx(Tzv_op2d* ov, double x, double y) {
  if (!ov) return;
  if (ov->rings.empty()) ov->rings.emplace_back();
  ov->rings.back().push_back({x, y});
}

ZV_PRG_API int32_t zv_ov_d2_get_ring_count(Tzv_op2d const* ov) {
  return ov ? static_cast<int32_t>(ov->rings.size()) : 0;
}

ZV_PRG_API int32_t zv_ov_d2_get_ring_size(Tzv_op2d const* ov, int32_t ring) {
  return ov && in_range(ov->rings, ring) ? static_cast<int32_t>(ov->rings[static_cast<size_t>(ring)].size()) : 0;
}

ZV_PRG_API Tzv_vtx_d2 zv_ov_d2_get_vtx(Tzv_op2d const* ov, int32_t ring, int32_t i) {
  if (!ov || !in_range(ov->rings, ring)) return {0.0, 0.0};
  auto const& r = ov->rings[static_cast<size_t>(ring)];
  return in_range(r, i) ? r[static_cast<size_t>(i)] : Tzv_vtx_d2{0.0, 0.0};
}

ZV_PRG_API void zv_ov_d2_set_vtx(Tzv_op2d* ov, int32_t ring, int32_t i, double x, double y) {
  if (!ov || !in_range(ov->rings, ring)) return;
  auto& r = ov->rings[static_cast<size_t>(ring)];
  if (in_range(r, i)) r[static_cast<size_t>(i)] = {x, y};
}

ZV_PRG_API void zv_ov_d2_clear(Tzv_op2d* ov) {
  if (ov) ov->rings.clear();
}

}  // extern "C"
