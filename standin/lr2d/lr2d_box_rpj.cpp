// A layer's box in its drawing projection: the outline of the box in the
// layer's own system, densified, reprojected and bounded again.
#include <memory>

#include "lr2d_layer.h"
#include "zv/sibling/proj4_d2.h"

namespace {

// Points per edge of the outline, so that the bounds follow edges that the
// reprojection bends.
constexpr int c_edge_steps = 20;

struct Tzv_rpj_deleter {
  void operator()(Tzv_rpj_d2* r) const { zv_rpj_d2_destroy(r); }
};
struct Tzv_ov_deleter {
  void operator()(Tzv_op2d* ov) const { zv_ov_d2_destroy(ov); }
};
using Tzv_rpj_holder = std::unique_ptr<Tzv_rpj_d2, Tzv_rpj_deleter>;
using Tzv_ov_holder = std::unique_ptr<Tzv_op2d, Tzv_ov_deleter>;

Tzv_ov_holder outline_of(Tzv_box_d2 const& b) {
  Tzv_ov_holder ov(zv_ov_d2_create());
  Tzv_vtx_d2 const corners[] = {{b.xmin, b.ymin}, {b.xmax, b.ymin}, {b.xmax, b.ymax}, {b.xmin, b.ymax}};
  for (int c = 0; c < 4; ++c) {
    Tzv_vtx_d2 const from = corners[c], to = corners[(c + 1) % 4];
    for (int k = 0; k < c_edge_steps; ++k) {
      double const t = static_cast<double>(k) / c_edge_steps;
      zv_ov_d2_add_vtx(ov.get(), from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t);
    }
  }
  return ov;
}

}  // namespace

std::optional<Tzv_box_d2> zv_lr2d_box_in(Tzv_box_d2 const& box, std::wstring const& src, std::wstring const& dst) {
  if (src.empty() || dst.empty()) return box;  // a system that is not known: drawn as stored
  Tzv_rpj_holder r(zv_rpj_d2_create());
  if (!zv_rpj_d2_init_w(r.get(), src.c_str(), dst.c_str())) return std::nullopt;
  if (!zv_rpj_d2_rpj_is_needed(r.get())) return box;
  Tzv_ov_holder ov = outline_of(box);
  if (!zv_rpj_d2_apply_ov(r.get(), ov.get())) return std::nullopt;
  return zv_ov_d2_get_box(ov.get());
}
