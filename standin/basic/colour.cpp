// Colours: four 8-bit components, the lowest byte of the integer form first.

#include "zv/sibling/basic/colour.h"

Tzv_color zv_clr_init_rgb(uint8_t r, uint8_t g, uint8_t b) { return Tzv_color{r, g, b, 0}; }

Tzv_color zv_clr_init_int(uint32_t v) {
  return Tzv_color{static_cast<uint8_t>(v), static_cast<uint8_t>(v >> 8), static_cast<uint8_t>(v >> 16),
                   static_cast<uint8_t>(v >> 24)};
}

Tzv_color zv_clr_init_grey(uint8_t level) { return zv_clr_init_rgb(level, level, level); }

uint32_t zv_clr_to_int(Tzv_color c) {
  return uint32_t{c.r} | (uint32_t{c.g} << 8) | (uint32_t{c.b} << 16) | (uint32_t{c.a} << 24);
}

bool zv_clr_equal(Tzv_color const* a, Tzv_color const* b) { return a && b && zv_clr_to_int(*a) == zv_clr_to_int(*b); }
