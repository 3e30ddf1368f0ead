#include "zv/extent_ind.h"

#include "api/call.h"
#include "params/extent_ind.h"

using zv::api::call;
using T = Tzv_extent_ind2d;

extern "C" {

Tzv_extent_ind2d* zv_extent_ind_create() { return new T(); }
void zv_extent_ind_destroy(T* e) { delete e; }
void zv_extent_ind_assign(T* dst, T const* src) {
  if (dst && src) dst->assign(*src);
}
bool zv_extent_ind_equal(T const* a, T const* b) { return a && b && a->equal(*b); }
bool zv_extent_ind_get_visible(T const* e) { return call(e, &T::get_visible); }
void zv_extent_ind_set_visible(T* e, bool v) { call(e, &T::set_visible, v); }
Tzv_pgn_style* zv_extent_ind_get_style(T const* e) { return call(e, &T::get_style); }
unsigned int zv_extent_ind_get_links_count(T const* e) { return call(e, &T::get_links_count); }
void zv_extent_ind_set_links_count(T* e, unsigned int n) { call(e, &T::set_links_count, n); }
Tzv_uuid_t* zv_extent_ind_get_link_uid(T const* e, unsigned int i) { return call(e, &T::get_link_uid, i); }
void zv_extent_ind_validate_links(T* e) { call(e, &T::validate_links); }

void zv_extent_ind_set_link_uid(T* e, unsigned int i, Tzv_uuid_t const* uid) {
  if (uid) call(e, &T::set_link_uid, i, uid);
}

bool zv_extent_ind_has_link(T const* e, Tzv_uuid_t const* uid) { return uid && call(e, &T::has_link, uid); }

void zv_extent_ind_update_link(T* e, Tzv_uuid_t const* uid, bool on) {
  if (uid) call(e, &T::update_link, uid, on);
}

}  // extern "C"
