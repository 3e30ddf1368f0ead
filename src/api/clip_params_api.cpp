#include "zv/clip_params.h"

#include <string>

#include "api/call.h"
#include "params/clip_params.h"

using zv::api::call;
using T = Tzv_clip2d_params;

extern "C" {

Tzv_clip2d_params* zv_scn2d_clip_params_create() { return new T(); }
void zv_scn2d_clip_params_destroy(T* p) { delete p; }
void zv_scn2d_clip_params_assign(T* dst, T const* src) {
  if (dst && src) dst->assign(*src);
}
bool zv_scn2d_clip_params_equal(T const* a, T const* b) { return a && b && a->equal(*b); }
bool zv_scn2d_clip_params_get_enabled(T const* p) { return call(p, &T::get_enabled); }
void zv_scn2d_clip_params_set_enabled(T* p, bool v) { call(p, &T::set_enabled, v); }
Tzv_op2d* zv_scn2d_clip_params_get_ov(T const* p) { return call(p, &T::get_ov); }
bool zv_scn2d_clip_params_get_draw(T const* p) { return call(p, &T::get_draw); }
void zv_scn2d_clip_params_set_draw(T* p, bool v) { call(p, &T::set_draw, v); }
Tzv_pgn_style* zv_scn2d_clip_params_get_draw_style(T const* p) { return call(p, &T::get_draw_style); }

void zv_scn2d_clip_params_set_ov(T* p, Tzv_op2d const* ov) {
  if (ov) call(p, &T::set_ov, ov);
}

void zv_scn2d_clip_params_get_prj(T const* p, Izv_string_adp* adp) {
  if (p && adp) zv_string_adp_feed(adp, p->get_prj().c_str());
}

void zv_scn2d_clip_params_set_prj(T* p, wchar_t const* prj) {
  if (prj) call(p, &T::set_prj, prj);
}

bool zv_scn2d_clip_params_eval_ov(T const* p, wchar_t const* dst, Tzv_op2d* out) {
  return dst && out && call(p, &T::eval_ov, dst, out);
}

bool zv_scn2d_clip_params_eval_box(T const* p, wchar_t const* dst, Tzv_box_d2* out) {
  return dst && out && call(p, &T::eval_box, dst, out);
}

}  // extern "C"
