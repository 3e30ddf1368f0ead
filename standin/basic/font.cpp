// Font descriptions: face name, height, bold, italic.

#include <string>

#include "zv/sibling/basic/font.h"
#include "zv/sibling/basic/string_adp.h"

struct Tzv_fnt_type {
  std::wstring name = L"Arial";
  double height = 10.0;
  bool bold = false;
  bool italic = false;
};

Tzv_fnt_type* zv_fnt_type_create() { return new Tzv_fnt_type; }

void zv_fnt_type_destroy(Tzv_fnt_type* f) { delete f; }

void zv_fnt_type_assign(Tzv_fnt_type* dst, Tzv_fnt_type const* src) {
  if (dst && src) *dst = *src;
}

bool zv_fnt_type_equal(Tzv_fnt_type const* a, Tzv_fnt_type const* b) {
  return a && b && a->name == b->name && a->height == b->height && a->bold == b->bold && a->italic == b->italic;
}

void zv_fnt_type_set_name(Tzv_fnt_type* f, wchar_t const* name) {
  if (f) f->name = name ? name : L"";
}

void zv_fnt_type_get_name(Tzv_fnt_type const* f, Izv_string_adp* adp) {
  if (f) zv_string_adp_feed(adp, f->name.c_str());
}

void zv_fnt_type_set_height(Tzv_fnt_type* f, double height) {
  if (f) f->height = height;
}

double zv_fnt_type_get_height(Tzv_fnt_type const* f) { return f ? f->height : 0.0; }

void zv_fnt_type_set_bold(Tzv_fnt_type* f, bool bold) {
  if (f) f->bold = bold;
}

bool zv_fnt_type_get_bold(Tzv_fnt_type const* f) { return f && f->bold; }

void zv_fnt_type_set_italic(Tzv_fnt_type* f, bool italic) {
  if (f) f->italic = italic;
}

bool zv_fnt_type_get_italic(Tzv_fnt_type const* f) { return f && f->italic; }
