// Backend over PROJ. Each query works in a context of its own, with PROJ's
// logging off; transforms use the traditional GIS axis order.
#include <proj.h>

#include <cmath>
#include <cstring>
#include <utility>

#include "pj4_backend.h"
#include "pj4_text.h"

namespace zv::pj4 {

namespace {

struct Tctx_deleter {
  void operator()(PJ_CONTEXT* c) const { proj_context_destroy(c); }
};
struct Tpj_deleter {
  void operator()(PJ* p) const { proj_destroy(p); }
};
using Tctx = std::unique_ptr<PJ_CONTEXT, Tctx_deleter>;
using Tpj = std::unique_ptr<PJ, Tpj_deleter>;

Tctx make_ctx() {
  Tctx ctx(proj_context_create());
  proj_log_level(ctx.get(), PJ_LOG_NONE);
  return ctx;
}

// A "+" parameter list denotes a coordinate system only with +type=crs.
std::string as_crs_text(std::string const& def) {
  if (!is_param_list(def) || def.find("+type=crs") != std::string::npos) return def;
  return def + " +type=crs";
}

// The coordinate system of the text, or null.
Tpj make_crs(PJ_CONTEXT* ctx, std::string const& def) {
  if (!is_definition(def)) return nullptr;
  Tpj p(proj_create(ctx, as_crs_text(def).c_str()));
  if (p && !proj_is_crs(p.get())) p.reset();
  return p;
}

class Tproj_transform : public Ttransform {
 public:
  Tproj_transform(Tctx ctx, Tpj op) : ctx_(std::move(ctx)), op_(std::move(op)) {}

  bool apply(std::vector<Tzv_vtx_d2>& vtx) override {
    if (vtx.empty()) return true;
    size_t const stride = sizeof(Tzv_vtx_d2);
    size_t const done = proj_trans_generic(op_.get(), PJ_FWD, &vtx[0].x, stride, vtx.size(), &vtx[0].y, stride,
                                           vtx.size(), nullptr, 0, 0, nullptr, 0, 0);
    return done == vtx.size() && all_finite(vtx);
  }

 private:
  static bool all_finite(std::vector<Tzv_vtx_d2> const& vtx) {
    for (auto const& v : vtx) {
      if (!std::isfinite(v.x) || !std::isfinite(v.y)) return false;
    }
    return true;
  }

  Tctx ctx_;  // the operation lives in this context
  Tpj op_;
};

}  // namespace

bool backend_is_valid(std::string const& def) {
  auto ctx = make_ctx();
  return make_crs(ctx.get(), def) != nullptr;
}

bool backend_equal(std::string const& a, std::string const& b) {
  auto ctx = make_ctx();
  Tpj pa = make_crs(ctx.get(), a);
  Tpj pb = make_crs(ctx.get(), b);
  return pa && pb &&
         proj_is_equivalent_to_with_ctx(ctx.get(), pa.get(), pb.get(), PJ_COMP_EQUIVALENT_EXCEPT_AXIS_ORDER_GEOGCRS);
}

std::string backend_short_name(std::string const& def) {
  auto ctx = make_ctx();
  Tpj p = make_crs(ctx.get(), def);
  char const* name = p ? proj_get_name(p.get()) : nullptr;
  return name && std::strcmp(name, "unknown") != 0 ? name : "";
}

std::unique_ptr<Ttransform> backend_make_transform(std::string const& src, std::string const& dst) {
  auto ctx = make_ctx();
  Tpj ps = make_crs(ctx.get(), src);
  Tpj pd = make_crs(ctx.get(), dst);
  if (!ps || !pd) return nullptr;
  Tpj op(proj_create_crs_to_crs_from_pj(ctx.get(), ps.get(), pd.get(), nullptr, nullptr));
  if (!op) return nullptr;
  Tpj gis(proj_normalize_for_visualization(ctx.get(), op.get()));
  if (!gis) return nullptr;
  return std::make_unique<Tproj_transform>(std::move(ctx), std::move(gis));
}

bool backend_can_reproject() { return true; }

}  // namespace zv::pj4
