// Colours: four 8-bit components in memory order r, g, b, a; passed by value.
// Part of the basic services library (zvk_basic).
#pragma once

#include "zv/flat.h"
#include "zv/sibling/basic/api.h"

ZV_BEGIN_C

ZV_DECLARE_STRUCT(Tzv_color);
struct Tzv_color {
  uint8_t r;
  uint8_t g;
  uint8_t b;
  uint8_t a;
};
static_assert(sizeof(Tzv_color) == 4, "Tzv_color is four bytes");

ZV_BASIC_API Tzv_color zv_clr_init_rgb(uint8_t r, uint8_t g, uint8_t b);  // a = 0
// The value's bytes from the lowest up: r, g, b, a (0x000000FF is pure red).
ZV_BASIC_API Tzv_color zv_clr_init_int(uint32_t v);
ZV_BASIC_API Tzv_color zv_clr_init_grey(uint8_t level);
ZV_BASIC_API bool zv_clr_equal(Tzv_color const* a, Tzv_color const* b);
ZV_BASIC_API uint32_t zv_clr_to_int(Tzv_color c);

ZV_END_C
