// Exported functions of the projection stand-in over its backend.
#include "zv/sibling/proj4_d2.h"

#include <vector>

#include "pj4_backend.h"
#include "pj4_text.h"

using namespace zv::pj4;

struct Tzv_rpj_d2 {
  std::string src;
  std::string dst;
  bool needed = false;
  std::unique_ptr<Ttransform> transform;  // made when needed and usable
};

namespace {

bool defs_equal(std::string const& a, std::string const& b) {
  return normalise(a) == normalise(b) || backend_equal(a, b);
}

std::vector<Tzv_vtx_d2> ring_vertices(Tzv_op2d const* ov, int32_t ring) {
  std::vector<Tzv_vtx_d2> vtx(static_cast<size_t>(zv_ov_d2_get_ring_size(ov, ring)));
  for (size_t i = 0; i < vtx.size(); ++i) vtx[i] = zv_ov_d2_get_vtx(ov, ring, static_cast<int32_t>(i));
  return vtx;
}

// Every ring's vertices, in ring order.
std::vector<std::vector<Tzv_vtx_d2>> all_vertices(Tzv_op2d const* ov) {
  std::vector<std::vector<Tzv_vtx_d2>> rings(static_cast<size_t>(zv_ov_d2_get_ring_count(ov)));
  for (size_t r = 0; r < rings.size(); ++r) rings[r] = ring_vertices(ov, static_cast<int32_t>(r));
  return rings;
}

void store_vertices(Tzv_op2d* ov, std::vector<std::vector<Tzv_vtx_d2>> const& rings) {
  for (size_t r = 0; r < rings.size(); ++r)
    for (size_t i = 0; i < rings[r].size(); ++i)
      zv_ov_d2_set_vtx(ov, static_cast<int32_t>(r), static_cast<int32_t>(i), rings[r][i].x, rings[r][i].y);
}

}  // namespace

extern "C" {

ZV_PROJ4_D2_API bool zv_pj4_is_valid_w(wchar_t const* pj4) { return pj4 && backend_is_valid(to_narrow(pj4)); }

ZV_PROJ4_D2_API bool zv_pj4_equal_w(wchar_t const* a, wchar_t const* b) {
  return defs_equal(to_narrow(a), to_narrow(b));
}

ZV_PROJ4_D2_API void zv_pj4_get_short_text_w(wchar_t const* pj4, Izv_string_adp* adp) {
  if (!adp) return;
  std::string const def = to_narrow(pj4);
  std::string name;
  if (backend_is_valid(def)) {
    name = backend_short_name(def);
    if (name.empty()) name = text_short_name(def);
  }
  std::wstring const wide(name.begin(), name.end());
  zv_string_adp_feed(adp, wide.c_str());
}

ZV_PROJ4_D2_API Tzv_rpj_d2* zv_rpj_d2_create() { return new Tzv_rpj_d2; }

ZV_PROJ4_D2_API void zv_rpj_d2_destroy(Tzv_rpj_d2* r) { delete r; }

ZV_PROJ4_D2_API bool zv_rpj_d2_init_w(Tzv_rpj_d2* r, wchar_t const* src, wchar_t const* dst) {
  if (!r) return false;
  r->src = to_narrow(src);
  r->dst = to_narrow(dst);
  r->needed = !defs_equal(r->src, r->dst);
  r->transform = r->needed ? backend_make_transform(r->src, r->dst) : nullptr;
  return !r->needed || r->transform != nullptr;
}

ZV_PROJ4_D2_API bool zv_rpj_d2_rpj_is_needed(Tzv_rpj_d2 const* r) { return r && r->needed; }

ZV_PROJ4_D2_API bool zv_rpj_d2_apply_ov(Tzv_rpj_d2* r, Tzv_op2d* ov) {
  if (!r || !ov) return false;
  if (!r->needed) return true;
  if (!r->transform) return false;
  auto rings = all_vertices(ov);
  for (auto& ring : rings)
    if (!r->transform->apply(ring)) return false;
  store_vertices(ov, rings);
  return true;
}

ZV_PROJ4_D2_API bool zv_pj4_can_reproject() { return backend_can_reproject(); }

}  // extern "C"
