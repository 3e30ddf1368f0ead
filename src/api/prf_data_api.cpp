// Exported functions of the profile data. A null handle, polyline, text or
// output pointer makes a call do nothing and answer 0, false or null.
#include "core/extensible_obj.h"
#include "params/profile_data.h"

extern "C" {

ZV_SCN_2D_API Tzv_profil_data* zv_prf_data_create() { return new Tzv_profil_data(); }

ZV_SCN_2D_API Tzv_profil_data* zv_prf_data_create_ex(Izv_scene* scene) {
  return new Tzv_profil_data(dynamic_cast<Tzv_extensible_obj*>(scene));
}

ZV_SCN_2D_API void zv_prf_data_destroy(Tzv_profil_data* h) { delete h; }

ZV_SCN_2D_API void zv_prf_data_assign(Tzv_profil_data* dst, Tzv_profil_data const* src) {
  if (dst && src) dst->assign(*src);
}

ZV_SCN_2D_API bool zv_prf_data_equal(Tzv_profil_data const* a, Tzv_profil_data const* b) {
  return a && b && a->equal(*b);
}

#define ZV_PRF_DATA_FIELD(type, name, none)                                             \
  ZV_SCN_2D_API type zv_prf_data_get_##name(Tzv_profil_data const* h) {                 \
    return h ? h->get_##name() : none;                                                  \
  }                                                                                     \
  ZV_SCN_2D_API void zv_prf_data_set_##name(Tzv_profil_data* h, type v) {               \
    if (h) h->set_##name(v);                                                            \
  }

ZV_PRF_DATA_FIELD(bool, is_profil, false)
ZV_PRF_DATA_FIELD(double, xmin, 0.0)
ZV_PRF_DATA_FIELD(double, xmax, 0.0)
ZV_PRF_DATA_FIELD(double, ymin, 0.0)
ZV_PRF_DATA_FIELD(double, ymax, 0.0)
ZV_PRF_DATA_FIELD(double, zmin, 0.0)
ZV_PRF_DATA_FIELD(double, zmax, 0.0)
ZV_PRF_DATA_FIELD(double, zscale, 0.0)
ZV_PRF_DATA_FIELD(double, delta_xy, 0.0)
ZV_PRF_DATA_FIELD(Tzv_profil_axes_scale, axes_scale, zv_prf_axes_scale_none)

#undef ZV_PRF_DATA_FIELD

ZV_SCN_2D_API Tzv_pp2d* zv_prf_data_get_pv_ptr(Tzv_profil_data* h) { return h ? h->get_pv_ptr() : nullptr; }

ZV_SCN_2D_API void zv_prf_data_set_pv(Tzv_profil_data* h, Tzv_pp2d const* pv) {
  if (h && pv) h->set_pv(pv);
}

ZV_SCN_2D_API void zv_prf_data_calculate_ls(Tzv_profil_data* h) {
  if (h) h->calculate_ls();
}

ZV_SCN_2D_API bool zv_prf_data_find_xy(Tzv_profil_data const* h, double l, double* x, double* y) {
  return h && x && y && h->find_xy(l, *x, *y);
}

ZV_SCN_2D_API bool zv_prf_data_find_l(Tzv_profil_data const* h, double x, double y, double tolerance, double* l) {
  return h && l && h->find_l(x, y, tolerance, *l);
}

ZV_SCN_2D_API void zv_prf_data_get_prj4string(Tzv_profil_data const* h, Izv_string_adp* adp) {
  if (h && adp) zv_string_adp_feed(adp, h->get_prj4string().c_str());
}

ZV_SCN_2D_API void zv_prf_data_set_prj4string(Tzv_profil_data* h, wchar_t const* s) {
  if (h && s) h->set_prj4string(s);
}

}  // extern "C"
