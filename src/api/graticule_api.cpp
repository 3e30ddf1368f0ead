// Exported functions of the graticule parameters. A null handle or output
// pointer makes a call do nothing and answer 0, false or null.
#include "params/graticule.h"

namespace {

// Writes the parts of a step to the outputs that are given.
void zv_grat_dms_out(Tzv_graticule2d_dms v, int* d, int* m, int* s) {
  if (d) *d = v.d;
  if (m) *m = v.m;
  if (s) *s = v.s;
}

}  // namespace

#define ZV_GRATICULE_LIFECYCLE(family, T)                                          \
  ZV_SCN_2D_API T* zv_graticule_##family##_create() { return new T(); }            \
  ZV_SCN_2D_API void zv_graticule_##family##_destroy(T* h) { delete h; }           \
  ZV_SCN_2D_API void zv_graticule_##family##_assign(T* dst, T const* src) {        \
    if (dst && src) dst->assign(*src);                                             \
  }                                                                                \
  ZV_SCN_2D_API bool zv_graticule_##family##_equal(T const* a, T const* b) {       \
    return a && b && a->equal(*b);                                                 \
  }

#define ZV_GRATICULE_FIELD(family, T, type, name, none)                            \
  ZV_SCN_2D_API type zv_graticule_##family##_get_##name(T const* h) {              \
    return h ? h->get_##name() : none;                                             \
  }                                                                                \
  ZV_SCN_2D_API void zv_graticule_##family##_set_##name(T* h, type v) {            \
    if (h) h->set_##name(v);                                                       \
  }

#define ZV_GRATICULE_PART(family, T, part, P)                                      \
  ZV_SCN_2D_API P* zv_graticule_##family##_get_##part##_ptr(T* h) {                \
    return h ? h->get_##part##_ptr() : nullptr;                                    \
  }

#define ZV_GRATICULE_DMS(name)                                                                           \
  ZV_SCN_2D_API void zv_graticule_ticks_get_##name##_step_dms(Tzv_graticule2d_ticks const* h, int* d,    \
                                                              int* m, int* s) {                          \
    if (h) zv_grat_dms_out(h->get_##name##_step_dms(), d, m, s);                                         \
  }                                                                                                      \
  ZV_SCN_2D_API void zv_graticule_ticks_set_##name##_step_dms(Tzv_graticule2d_ticks* h, int d, int m,    \
                                                              int s) {                                   \
    if (h) h->set_##name##_step_dms({d, m, s});                                                          \
  }

extern "C" {

ZV_GRATICULE_LIFECYCLE(line, Tzv_graticule2d_line)
ZV_GRATICULE_FIELD(line, Tzv_graticule2d_line, Tzv_color, color, Tzv_color{})
ZV_GRATICULE_FIELD(line, Tzv_graticule2d_line, double, width, 0.0)

ZV_GRATICULE_LIFECYCLE(grid, Tzv_graticule2d_grid)
ZV_GRATICULE_FIELD(grid, Tzv_graticule2d_grid, bool, visible, false)
ZV_GRATICULE_PART(grid, Tzv_graticule2d_grid, line, Tzv_graticule2d_line)

ZV_GRATICULE_LIFECYCLE(frame, Tzv_graticule2d_frame)
ZV_GRATICULE_FIELD(frame, Tzv_graticule2d_frame, bool, visible, false)
ZV_GRATICULE_PART(frame, Tzv_graticule2d_frame, line, Tzv_graticule2d_line)

ZV_GRATICULE_LIFECYCLE(ticks, Tzv_graticule2d_ticks)
ZV_GRATICULE_DMS(lon)
ZV_GRATICULE_DMS(lat)
ZV_GRATICULE_FIELD(ticks, Tzv_graticule2d_ticks, int, lon_approx_ndiap, 0)
ZV_GRATICULE_FIELD(ticks, Tzv_graticule2d_ticks, int, lat_approx_ndiap, 0)
ZV_GRATICULE_FIELD(ticks, Tzv_graticule2d_ticks, bool, fnt_visible, false)
ZV_GRATICULE_FIELD(ticks, Tzv_graticule2d_ticks, bool, fnt_short_str, false)
ZV_GRATICULE_FIELD(ticks, Tzv_graticule2d_ticks, double, fnt_size, 0.0)
ZV_GRATICULE_FIELD(ticks, Tzv_graticule2d_ticks, Tzv_color, fnt_clr, Tzv_color{})
ZV_GRATICULE_PART(ticks, Tzv_graticule2d_ticks, fnt_type, Tzv_fnt_type)
ZV_GRATICULE_PART(ticks, Tzv_graticule2d_ticks, grid, Tzv_graticule2d_grid)

ZV_GRATICULE_LIFECYCLE(params, Tzv_graticule2d_params)
ZV_GRATICULE_FIELD(params, Tzv_graticule2d_params, bool, visible, false)
ZV_GRATICULE_FIELD(params, Tzv_graticule2d_params, bool, fixed_step_flag, false)
ZV_GRATICULE_FIELD(params, Tzv_graticule2d_params, bool, addit_flag, false)
ZV_GRATICULE_FIELD(params, Tzv_graticule2d_params, bool, rotate_side_text_flag, false)
ZV_GRATICULE_PART(params, Tzv_graticule2d_params, main_ticks, Tzv_graticule2d_ticks)
ZV_GRATICULE_PART(params, Tzv_graticule2d_params, addt_ticks, Tzv_graticule2d_ticks)
ZV_GRATICULE_PART(params, Tzv_graticule2d_params, frame, Tzv_graticule2d_frame)

}  // extern "C"
