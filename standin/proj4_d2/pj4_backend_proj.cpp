// Backend over PROJ, with PROJ's logging off. Queries read systems parsed
// once per text and kept for the life of the module, so that repeated
// comparisons cost a lookup; each transform works in a context of its own,
// in the traditional GIS axis order.
#include <proj.h>

#include <cmath>
#include <cstring>
#include <mutex>
#include <unordered_map>
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

// Parsed systems by definition text (null: not a system) and the answers
// of comparisons by pair of texts, in one context of their own. Guarded by
// a mutex, since a PROJ context serves one thread at a time.
class Tcrs_cache {
 public:
  static Tcrs_cache& instance() {
    static Tcrs_cache cache;  // lives as long as the module
    return cache;
  }

  bool is_valid(std::string const& def) {
    std::lock_guard const lock(mutex_);
    return crs(def) != nullptr;
  }
  bool equal(std::string const& a, std::string const& b) {
    std::lock_guard const lock(mutex_);
    std::string key = pair_key(a, b);
    if (auto it = equal_.find(key); it != equal_.end()) return it->second;
    return equal_.emplace(std::move(key), compare(a, b)).first->second;
  }
  std::string short_name(std::string const& def) {
    std::lock_guard const lock(mutex_);
    PJ* p = crs(def);
    char const* name = p ? proj_get_name(p) : nullptr;
    return name && std::strcmp(name, "unknown") != 0 ? name : "";
  }

 private:
  Tcrs_cache() : ctx_(make_ctx()) {}

  PJ* crs(std::string const& def) {
    if (auto it = systems_.find(def); it != systems_.end()) return it->second.get();
    return systems_.emplace(def, make_crs(ctx_.get(), def)).first->second.get();
  }
  bool compare(std::string const& a, std::string const& b) {
    PJ* pa = crs(a);
    PJ* pb = crs(b);
    return pa && pb && proj_is_equivalent_to_with_ctx(ctx_.get(), pa, pb, PJ_COMP_EQUIVALENT_EXCEPT_AXIS_ORDER_GEOGCRS);
  }
  // Equivalence is symmetric: one entry serves both orders. No definition
  // holds a NUL, so it separates the two unambiguously.
  static std::string pair_key(std::string const& a, std::string const& b) {
    std::string key = a < b ? a : b;
    key += '\0';
    key += a < b ? b : a;
    return key;
  }

  std::mutex mutex_;
  Tctx ctx_;  // declared first: outlives its systems
  std::unordered_map<std::string, Tpj> systems_;
  std::unordered_map<std::string, bool> equal_;
};

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
    for (auto const& v : vtx)
      if (!std::isfinite(v.x) || !std::isfinite(v.y)) return false;
    return true;
  }

  Tctx ctx_;  // the operation lives in this context
  Tpj op_;
};

}  // namespace

bool backend_is_valid(std::string const& def) { return Tcrs_cache::instance().is_valid(def); }

bool backend_equal(std::string const& a, std::string const& b) { return Tcrs_cache::instance().equal(a, b); }

std::string backend_short_name(std::string const& def) { return Tcrs_cache::instance().short_name(def); }

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
