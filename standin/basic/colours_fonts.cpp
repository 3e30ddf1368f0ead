// Colours and font descriptions.

#include <string>

#include "zv/sibling/basic.h"

// --- Colours -------------------------------------------------------------------

Tzv_color zv_clr_init_rgb(uint8_t r, uint8_t g, uint8_t b) { return Tzv_color{r, g, b, 0}; }

Tzv_color zv_clr_init_int(uint32_t v) {
  return Tzv_color{static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
                   static_cast<uint8_t>(v >> 24)};
}

Tzv_color zv_clr_init_grey(uint8_t level) { return zv_clr_init_rgb(level, level, level); }

uint32_t zv_clr_to_int(Tzv_color c) {
  return uint32_t{c.r} | (uint32_t{c.g} << 8) | (uint32_t{c.b} << 16) | (uint32_t{c.a} << 24);
}

bool zv_clr_equal(Tzv_color const* a, Tzv_color const* b) {
  return a && b && zv_clr_to_int(*a) == zv_clr_to_int(*b);
}

// --- Fonts ---------------------------------------------------------------------

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
