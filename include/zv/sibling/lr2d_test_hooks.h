// Test hooks of the 2D layer stand-in (zvk_lr2d): let tests steer what a
// real layer would take from its data. Not part of the layer library's API.
#pragma once

#include <cstdint>

#include "zv/sibling/lr2d.h"

extern "C" {

// Sets the layer's extent in its own projection (announces property box);
// null: no extent.
ZV_LR2D_API void zv_lr2d_test_set_box(Izv_layer* layer, Tzv_box_d2 const* box);
// Sets the layer's own projection (null: empty), silently.
ZV_LR2D_API void zv_lr2d_test_set_pj4wstr(Izv_layer* layer, wchar_t const* pj4);
// Sets the occupancy level and the error text a release fails with; a null
// or empty text lets the release succeed (the level then becomes 0).
ZV_LR2D_API void zv_lr2d_test_set_occupied(Izv_layer* layer, int32_t level, wchar_t const* release_error);
// The factory makes `n` more layers, then answers null; n < 0: never fails.
// Counts zv_lr2d_factory_create_lr only, not zv_lr2d_group_create.
ZV_LR2D_API void zv_lr2d_test_fail_factory_after(int32_t n);
// Layers alive in the process (composites included).
ZV_LR2D_API int32_t zv_lr2d_test_get_live_count();
// Nesting depth of the layer's update bracket; 0 when none is open.
ZV_LR2D_API uint32_t zv_lr2d_test_get_update_depth(Izv_layer* layer);

}  // extern "C"
