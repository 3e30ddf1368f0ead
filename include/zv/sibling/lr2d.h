// 2D layer library (zvk_lr2d): layers made by type name, composite (group)
// layers, boxes, projections, marks, selection and occupancy. A layer is an
// Izv_layer, hence an entity with its own update channel.
//
// Every function accepts a null handle: it does nothing and returns
// false / null / 0 / an empty text. Indexes out of range give null.
#pragma once

#include <cstdint>

#include "zv/izv_scene.h"
#include "zv/sibling/prg.h"

#ifdef ZVK_LR2D_BUILD
#define ZV_LR2D_API ZV_EXPORT
#else
#define ZV_LR2D_API ZV_IMPORT
#endif

struct Tzv_composite_layer_2d;

// Type names the factory knows.
inline constexpr char zv_lr2d_type_vector[] = "vector";
inline constexpr char zv_lr2d_type_raster[] = "raster";
inline constexpr char zv_lr2d_type_layout_page[] = "layout_page";
inline constexpr char zv_lr2d_type_group[] = "group";

// Properties a layer announces on its channel, beside those of an entity
// (2 caption, 5 marked). Each is announced only when it changes.
enum : int32_t {
  zv_lr2d_prop_box = 21,        // extent
  zv_lr2d_prop_selection = 22,  // selected objects
  zv_lr2d_prop_occupied = 23,   // occupancy released
  zv_lr2d_prop_content = 24,    // content copied in by zv_lr2d_assign
  zv_lr2d_prop_sublayers = 25,  // sub-layers of a composite
};

extern "C" {

// A new layer of that type, null for an unknown type (or a null name). Its
// caption is "Layer"; captions need not be unique among siblings.
ZV_LR2D_API Izv_layer* zv_lr2d_factory_create_lr(char const* type);
ZV_LR2D_API void zv_lr2d_factory_destroy_lr(Izv_layer* layer);
ZV_LR2D_API void zv_lr2d_destroy(Izv_layer* layer);
// The type name the layer was made with; accepted again by the factory.
ZV_LR2D_API char const* zv_lr2d_get_lr_type(Izv_layer* layer);
// Copies caption, own projection, box, selection, page box and sub-layers
// (composites, deep) from `src`. Announces one update on `dst`.
ZV_LR2D_API void zv_lr2d_assign(Izv_layer* dst, Izv_layer* src);

// The scene the layer belongs to; no event.
ZV_LR2D_API void zv_lr2d_set_scn_2d(Izv_layer* layer, Izv_scene* scene);
ZV_LR2D_API Izv_scene* zv_lr2d_get_scn_2d(Izv_layer* layer);
ZV_LR2D_API void zv_lr2d_set_wcaption(Izv_layer* layer, wchar_t const* caption);
ZV_LR2D_API void zv_lr2d_get_wcaption(Izv_layer* layer, Izv_string_adp* adp);

// Drawing projection (the scene's), stored without an event: the scene that
// hands it down announces its own change. A composite hands it on to its
// sub-layers. The layer's own projection, maybe empty.
ZV_LR2D_API void zv_lr2d_set_dst_pj4wstr(Izv_layer* layer, wchar_t const* pj4);
ZV_LR2D_API void zv_lr2d_get_dst_pj4wstr(Izv_layer* layer, Izv_string_adp* adp);
ZV_LR2D_API void zv_lr2d_get_pj4wstr(Izv_layer* layer, Izv_string_adp* adp);

// True and the extent when the layer has one, in the drawing projection:
// when the own projection differs from it, the bounds of the box's outline
// reprojected (false when that fails, or when the build has no reprojection
// between different systems); when either is empty, the box as stored. A
// composite answers the union of its own box and its sub-layers' boxes.
// `out` may be null.
ZV_LR2D_API bool zv_lr2d_get_box(Izv_layer* layer, Tzv_box_d2* out);
// Recomputes the extent: a page takes its page box, a composite its
// sub-layers'; other layers keep theirs.
ZV_LR2D_API void zv_lr2d_calc_box(Izv_layer* layer);

// The sheet of a "layout_page" layer, (0, 0, 210, 297) when made. Setting it
// sets the layer's box too; null means no page (the box goes). Other layer
// types ignore it / answer false.
ZV_LR2D_API void zv_lr2d_page_set_box(Izv_layer* layer, Tzv_box_d2 const* box);
ZV_LR2D_API bool zv_lr2d_page_get_box(Izv_layer* layer, Tzv_box_d2* out);

ZV_LR2D_API bool zv_lr2d_get_marked(Izv_layer* layer);
ZV_LR2D_API void zv_lr2d_set_marked(Izv_layer* layer, bool marked);

// Selection of the layer's objects: all or none. A composite passes the
// change on to its sub-layers.
ZV_LR2D_API void zv_lr2d_set_selected_all(Izv_layer* layer, bool selected);
ZV_LR2D_API void zv_lr2d_selected_invert(Izv_layer* layer);
ZV_LR2D_API bool zv_lr2d_get_selected_all(Izv_layer* layer);

// Drawing mode; the scene sets (0, 0, 0) before it frees a layer. No event.
ZV_LR2D_API void zv_lr2d_set_mode(Izv_layer* layer, int32_t a, int32_t b, int32_t c);
ZV_LR2D_API void zv_lr2d_get_mode(Izv_layer* layer, int32_t* a, int32_t* b, int32_t* c);

// Occupancy level (0: free), as the entity's is_occupied answers it.
ZV_LR2D_API int32_t zv_lr2d_get_occupied_level(Izv_layer* layer);

// Composite layers. A composite owns its sub-layers and frees them with
// itself. Extracting hands sub-layer i back and leaves its place empty, so
// the other sub-layers keep their indexes; the count counts places.
// zv_lr2d_group_create never fails: the factory's test budget does not
// apply to it.
ZV_LR2D_API Tzv_composite_layer_2d* zv_lr2d_group_create();
ZV_LR2D_API void zv_lr2d_group_add_sublr(Tzv_composite_layer_2d* group, Izv_layer* layer);
ZV_LR2D_API uint32_t zv_lr2d_group_sublr_count(Tzv_composite_layer_2d* group);
ZV_LR2D_API Izv_layer* zv_lr2d_group_get_sublr(Tzv_composite_layer_2d* group, uint32_t i);
ZV_LR2D_API Izv_layer* zv_lr2d_group_extract_sublr(Tzv_composite_layer_2d* group, uint32_t i);
ZV_LR2D_API Izv_layer* zv_lr2d_group_safe_upcast(Tzv_composite_layer_2d* group);
ZV_LR2D_API Tzv_composite_layer_2d* zv_lr2d_group_safe_downcast(Izv_layer* layer);

}  // extern "C"
