// Resource strings: localised texts by number, owned by the library; an
// unknown number gives the empty text.
// Part of the basic services library (zvk_basic).
#pragma once

#include "zv/flat.h"
#include "zv/sibling/basic/api.h"

ZV_BEGIN_C

enum ZV_ENUM_TYPE(int32_t) {
  zv_res_map = 411,
  zv_res_column = 413,
  zv_res_layout = 414,
  zv_res_maps = 421,
  zv_res_columns = 426,
  zv_res_layouts = 427,
};

ZV_BASIC_API wchar_t const* zv_res_get_wstr(int32_t id);

ZV_END_C
