// Exported functions of the scale line parameters. A null handle makes a call
// do nothing and answer false.
#include "params/scale_line.h"

extern "C" {

ZV_SCN_2D_API Tzv_scale_line2d_params* zv_scale_line_params_create() { return new Tzv_scale_line2d_params(); }

ZV_SCN_2D_API void zv_scale_line_params_destroy(Tzv_scale_line2d_params* h) { delete h; }

ZV_SCN_2D_API void zv_scale_line_params_assign(Tzv_scale_line2d_params* dst, Tzv_scale_line2d_params const* src) {
  if (dst && src) dst->assign(*src);
}

ZV_SCN_2D_API bool zv_scale_line_params_equal(Tzv_scale_line2d_params const* a, Tzv_scale_line2d_params const* b) {
  return a && b && a->equal(*b);
}

ZV_SCN_2D_API bool zv_scale_line_params_get_visible(Tzv_scale_line2d_params const* h) {
  return h && h->get_visible();
}

ZV_SCN_2D_API void zv_scale_line_params_set_visible(Tzv_scale_line2d_params* h, bool v) {
  if (h) h->set_visible(v);
}

}  // extern "C"
