// The process-wide history (undo) manager's nesting bracket.
// Part of the basic services library (zvk_basic).
#pragma once

#include "zv/flat.h"
#include "zv/sibling/basic/api.h"

ZV_BEGIN_C

ZV_DECLARE_STRUCT(Tzv_history_manager);

ZV_BASIC_API Tzv_history_manager* zv_history_manager_get_instance();
ZV_BASIC_API void zv_history_manager_begin_update(Tzv_history_manager* m);
ZV_BASIC_API void zv_history_manager_end_update(Tzv_history_manager* m);  // ignored at depth 0
ZV_BASIC_API int32_t zv_history_manager_get_depth(Tzv_history_manager const* m);

ZV_END_C
