#include "zv/margins.h"

#include "api/call.h"
#include "params/margins.h"

using zv::api::call;

extern "C" {

Tzv_margins_obj* zv_margins_create() { return new Tzv_margins_obj(); }
void zv_margins_destroy(Tzv_margins_obj* m) { delete m; }
void zv_margins_assign(Tzv_margins_obj* dst, Tzv_margins_obj* src) {
  zv::api::call2(dst, src, &Tzv_margins_obj::assign);
}
bool zv_margins_equal(Tzv_margins_obj* a, Tzv_margins_obj* b) {
  return zv::api::call2(a, b, &Tzv_margins_obj::equal);
}
bool zv_margins_get_visible(Tzv_margins_obj* m) { return call(m, &Tzv_margins_obj::get_visible); }
void zv_margins_set_visible(Tzv_margins_obj* m, bool v) { call(m, &Tzv_margins_obj::set_visible, v); }
unsigned int zv_margins_get_lft(Tzv_margins_obj* m) { return call(m, &Tzv_margins_obj::get_lft); }
void zv_margins_set_lft(Tzv_margins_obj* m, unsigned int v) { call(m, &Tzv_margins_obj::set_lft, v); }
unsigned int zv_margins_get_top(Tzv_margins_obj* m) { return call(m, &Tzv_margins_obj::get_top); }
void zv_margins_set_top(Tzv_margins_obj* m, unsigned int v) { call(m, &Tzv_margins_obj::set_top, v); }
unsigned int zv_margins_get_rgt(Tzv_margins_obj* m) { return call(m, &Tzv_margins_obj::get_rgt); }
void zv_margins_set_rgt(Tzv_margins_obj* m, unsigned int v) { call(m, &Tzv_margins_obj::set_rgt, v); }
unsigned int zv_margins_get_btm(Tzv_margins_obj* m) { return call(m, &Tzv_margins_obj::get_btm); }
void zv_margins_set_btm(Tzv_margins_obj* m, unsigned int v) { call(m, &Tzv_margins_obj::set_btm, v); }

}  // extern "C"
