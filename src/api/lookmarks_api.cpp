// Exported functions of lookmarks and lookmark lists. A null handle, text or
// output pointer, or an index out of range, makes a call do nothing and
// answer 0, false, -1, null or an empty caption.
#include "params/lookmarks.h"

extern "C" {

ZV_SCN_2D_API Tzv_lookmark2d* zv_lookmark_create() { return new Tzv_lookmark2d(); }

ZV_SCN_2D_API void zv_lookmark_destroy(Tzv_lookmark2d* h) { delete h; }

ZV_SCN_2D_API void zv_lookmark_assign(Tzv_lookmark2d* dst, Tzv_lookmark2d const* src) {
  if (dst && src) dst->assign(*src);
}

ZV_SCN_2D_API bool zv_lookmark_equal(Tzv_lookmark2d const* a, Tzv_lookmark2d const* b) {
  return a && b && a->equal(*b);
}

ZV_SCN_2D_API wchar_t const* zv_lookmark_get_caption(Tzv_lookmark2d const* h) { return h ? h->get_caption() : L""; }

ZV_SCN_2D_API void zv_lookmark_get_caption_adp(Tzv_lookmark2d const* h, Izv_string_adp* adp) {
  if (h && adp) h->get_caption_adp(adp);
}

ZV_SCN_2D_API void zv_lookmark_set_caption(Tzv_lookmark2d* h, wchar_t const* caption) {
  if (h && caption) h->set_caption(caption);
}

ZV_SCN_2D_API void zv_lookmark_get_zoom(Tzv_lookmark2d const* h, double* z0, double* z1, double* z2, double* z3) {
  if (!h) return;
  double* const out[] = {z0, z1, z2, z3};
  for (std::size_t i = 0; i < 4; ++i)
    if (out[i]) *out[i] = h->get_zoom()[i];
}

ZV_SCN_2D_API void zv_lookmark_set_zoom(Tzv_lookmark2d* h, double z0, double z1, double z2, double z3) {
  if (h) h->set_zoom({z0, z1, z2, z3});
}

ZV_SCN_2D_API Tzv_lookmarks2d* zv_lookmarks_create() { return new Tzv_lookmarks2d(); }

ZV_SCN_2D_API void zv_lookmarks_destroy(Tzv_lookmarks2d* h) { delete h; }

ZV_SCN_2D_API void zv_lookmarks_assign(Tzv_lookmarks2d* dst, Tzv_lookmarks2d const* src) {
  if (dst && src) dst->assign(*src);
}

ZV_SCN_2D_API bool zv_lookmarks_equal(Tzv_lookmarks2d const* a, Tzv_lookmarks2d const* b) {
  return a && b && a->equal(*b);
}

ZV_SCN_2D_API void zv_lookmarks_clear(Tzv_lookmarks2d* h) {
  if (h) h->clear();
}

ZV_SCN_2D_API uint32_t zv_lookmarks_get_size(Tzv_lookmarks2d const* h) { return h ? h->get_size() : 0u; }

ZV_SCN_2D_API Tzv_lookmark2d* zv_lookmarks_get_ptr(Tzv_lookmarks2d* h, uint32_t i) {
  return h ? h->get_ptr(i) : nullptr;
}

ZV_SCN_2D_API Tzv_lookmark2d* zv_lookmarks_add_ptr(Tzv_lookmarks2d* h) { return h ? h->add_ptr() : nullptr; }

ZV_SCN_2D_API int32_t zv_lookmarks_find_ptr(Tzv_lookmarks2d const* h, Tzv_lookmark2d const* p) {
  return h ? h->find_ptr(p) : -1;
}

ZV_SCN_2D_API void zv_lookmarks_delete_item(Tzv_lookmarks2d* h, uint32_t i) {
  if (h) h->delete_item(i);
}

ZV_SCN_2D_API void zv_lookmarks_swap_items(Tzv_lookmarks2d* h, uint32_t i, uint32_t j) {
  if (h) h->swap_items(i, j);
}

ZV_SCN_2D_API int32_t zv_lookmarks_get_active_idx(Tzv_lookmarks2d const* h) { return h ? h->get_active_idx() : -1; }

ZV_SCN_2D_API void zv_lookmarks_set_active_idx(Tzv_lookmarks2d* h, int32_t i) {
  if (h) h->set_active_idx(i);
}

ZV_SCN_2D_API Tzv_lookmark2d* zv_lookmarks_get_active_ptr(Tzv_lookmarks2d* h) {
  return h ? h->get_active_ptr() : nullptr;
}

ZV_SCN_2D_API void zv_lookmarks_set_active_ptr(Tzv_lookmarks2d* h, Tzv_lookmark2d const* p) {
  if (h) h->set_active_ptr(p);
}

}  // extern "C"
