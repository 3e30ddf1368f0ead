// Planar geometry library (zvk_prg): boxes, vertices, polylines, outline
// polygons and distances.
#pragma once

#include "zv/export.h"
#include "zv/flat.h"

#ifdef ZVK_PRG_BUILD
#define ZV_PRG_API ZV_EXPORT
#else
#define ZV_PRG_API ZV_IMPORT
#endif

ZV_BEGIN_C

ZV_DECLARE_STRUCT(Tzv_vtx_d2);
struct Tzv_vtx_d2 {
  double x;
  double y;
};

// Lower corner, then upper corner.
ZV_DECLARE_STRUCT(Tzv_box_d2);
struct Tzv_box_d2 {
  double xmin;
  double ymin;
  double xmax;
  double ymax;
};

ZV_DECLARE_STRUCT(Tzv_pp2d);  // polyline
ZV_DECLARE_STRUCT(Tzv_op2d);  // outline polygon: one or more rings of vertices

// The box spanned by the two corners, in either order.
ZV_PRG_API Tzv_box_d2 zv_box_d2_init_xy(double x1, double y1, double x2, double y2);
// The smallest box holding both.
ZV_PRG_API void zv_box_d2_unite(Tzv_box_d2 const* a, Tzv_box_d2 const* b, Tzv_box_d2* out);

ZV_PRG_API double zv_distance_xy(double x1, double y1, double x2, double y2);

// Polylines.
ZV_PRG_API Tzv_pp2d* zv_pv_d2_create();
ZV_PRG_API void zv_pv_d2_destroy(Tzv_pp2d* pv);  // null accepted
ZV_PRG_API void zv_pv_d2_assign(Tzv_pp2d* dst, Tzv_pp2d const* src);
ZV_PRG_API bool zv_pv_d2_equal(Tzv_pp2d const* a, Tzv_pp2d const* b);
ZV_PRG_API int32_t zv_pv_d2_get_size(Tzv_pp2d const* pv);
ZV_PRG_API Tzv_vtx_d2 zv_pv_d2_get_vtx(Tzv_pp2d const* pv, int32_t i);          // (0, 0) out of range
ZV_PRG_API void zv_pv_d2_set_vtx(Tzv_pp2d* pv, int32_t i, double x, double y);  // ignored out of range
ZV_PRG_API void zv_pv_d2_add_vtx(Tzv_pp2d* pv, double x, double y);
ZV_PRG_API void zv_pv_d2_clear(Tzv_pp2d* pv);
// Nearest segment to (x, y): distance, the nearest point on it and the
// indices of its two vertices. False for fewer than two vertices.
ZV_PRG_API bool zv_pv_d2_vec_distance_xy(Tzv_pp2d const* pv, double x, double y, double* dist, Tzv_vtx_d2* foot,
                                         int32_t* ia, int32_t* ib);
// Nearest vertex to (x, y): distance and index. False for an empty line.
ZV_PRG_API bool zv_pv_d2_vtx_distance_xy(Tzv_pp2d const* pv, double x, double y, double* dist, int32_t* iv);

// Outline polygons.
ZV_PRG_API Tzv_op2d* zv_ov_d2_create();
ZV_PRG_API void zv_ov_d2_destroy(Tzv_op2d* ov);  // null accepted
ZV_PRG_API void zv_ov_d2_assign(Tzv_op2d* dst, Tzv_op2d const* src);
ZV_PRG_API bool zv_ov_d2_equal(Tzv_op2d const* a, Tzv_op2d const* b);
// The box of all vertices; (0, 0, 0, 0) for an empty polygon.
ZV_PRG_API Tzv_box_d2 zv_ov_d2_get_box(Tzv_op2d const* ov);
ZV_PRG_API int32_t zv_ov_d2_add_ring(Tzv_op2d* ov);                  // index of the new, empty ring
ZV_PRG_API void zv_ov_d2_add_vtx(Tzv_op2d* ov, double x, double y);  // to the last ring; makes one if none
ZV_PRG_API int32_t zv_ov_d2_get_ring_count(Tzv_op2d const* ov);
ZV_PRG_API int32_t zv_ov_d2_get_ring_size(Tzv_op2d const* ov, int32_t ring);
ZV_PRG_API Tzv_vtx_d2 zv_ov_d2_get_vtx(Tzv_op2d const* ov, int32_t ring, int32_t i);
ZV_PRG_API void zv_ov_d2_set_vtx(Tzv_op2d* ov, int32_t ring, int32_t i, double x, double y);
ZV_PRG_API void zv_ov_d2_clear(Tzv_op2d* ov);

ZV_END_C
