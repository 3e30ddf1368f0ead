// String adapters: the producer feeds text, the adapter calls back into the
// consumer that created it. A missing callback is skipped.

#include "zv/sibling/basic/string_adp.h"

struct Izv_string_adp {
  Tzv_ansi_string_callback ansi_cb;
  Tzv_unicode_string_callback unicode_cb;
  void* data;
};

Izv_string_adp* zv_string_adp_create(Tzv_ansi_string_callback ansi_cb, Tzv_unicode_string_callback unicode_cb,
                                     void* data) {
  return new Izv_string_adp{ansi_cb, unicode_cb, data};
}

void zv_string_adp_feed(Izv_string_adp* adp, wchar_t const* s) {
  if (adp && adp->unicode_cb) adp->unicode_cb(s, adp->data);
}

void zv_string_adp_feed_ansi(Izv_string_adp* adp, char const* s) {
  if (adp && adp->ansi_cb) adp->ansi_cb(s, adp->data);
}

void zv_string_adp_destroy(Izv_string_adp* adp) { delete adp; }
