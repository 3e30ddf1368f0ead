// Drawing styles library (zvk_styles): point, polyline and polygon styles,
// their basic sub-styles, complex line styles made of style layers, and the
// framework's look for selected objects.
#pragma once

#include "zv/export.h"
#include "zv/flat.h"
#include "zv/sibling/basic/colour.h"

#ifdef ZVK_STYLES_BUILD
#define ZV_STYLES_API ZV_EXPORT
#else
#define ZV_STYLES_API ZV_IMPORT
#endif

ZV_BEGIN_C

ZV_DECLARE_STRUCT(Tzv_pnt_style);   // point style
ZV_DECLARE_STRUCT(Tzv_pln_style);   // polyline style
ZV_DECLARE_STRUCT(Tzv_pgn_style);   // polygon style: outline and fill
ZV_DECLARE_STRUCT(Tzv_bpnt_style);  // basic point style, part of a point style
ZV_DECLARE_STRUCT(Tzv_bpln_style);  // basic polyline style, part of a polyline or polygon style
ZV_DECLARE_STRUCT(Tzv_bpgn_style);  // basic polygon (fill) style, part of a polygon style
ZV_DECLARE_STRUCT(Tzv_cpx_style);   // complex line style, part of a basic polyline style
ZV_DECLARE_STRUCT(Tzv_style_lrs);   // ordered style-layer list of a complex style
ZV_DECLARE_STRUCT(Tzv_style_lr);    // one style layer

// Style-layer type name of a plain line stripe.
#define ZV_PLN_LINE_STYLE_LR "pln_line_slr"

// Whole styles. Copies and comparisons are deep; destroy accepts null.
ZV_STYLES_API Tzv_pnt_style* zv_pnt_style_create();
ZV_STYLES_API void zv_pnt_style_destroy(Tzv_pnt_style* s);
ZV_STYLES_API void zv_pnt_style_assign(Tzv_pnt_style* dst, Tzv_pnt_style const* src);
ZV_STYLES_API bool zv_pnt_style_equal(Tzv_pnt_style const* a, Tzv_pnt_style const* b);
ZV_STYLES_API void zv_pnt_style_init_selected(Tzv_pnt_style* s);
ZV_STYLES_API Tzv_bpnt_style* zv_pnt_style_get_bpnt_style_ptr(Tzv_pnt_style* s);

ZV_STYLES_API Tzv_pln_style* zv_pln_style_create();
ZV_STYLES_API void zv_pln_style_destroy(Tzv_pln_style* s);
ZV_STYLES_API void zv_pln_style_assign(Tzv_pln_style* dst, Tzv_pln_style const* src);
ZV_STYLES_API bool zv_pln_style_equal(Tzv_pln_style const* a, Tzv_pln_style const* b);
ZV_STYLES_API void zv_pln_style_init_selected(Tzv_pln_style* s);
ZV_STYLES_API Tzv_bpln_style* zv_pln_style_get_bpln_style_ptr(Tzv_pln_style* s);

ZV_STYLES_API Tzv_pgn_style* zv_pgn_style_create();
ZV_STYLES_API void zv_pgn_style_destroy(Tzv_pgn_style* s);
ZV_STYLES_API void zv_pgn_style_assign(Tzv_pgn_style* dst, Tzv_pgn_style const* src);
ZV_STYLES_API bool zv_pgn_style_equal(Tzv_pgn_style const* a, Tzv_pgn_style const* b);
ZV_STYLES_API void zv_pgn_style_init_selected(Tzv_pgn_style* s);
ZV_STYLES_API Tzv_bpln_style* zv_pgn_style_get_bpln_style_ptr(Tzv_pgn_style* s);  // outline
ZV_STYLES_API Tzv_bpgn_style* zv_pgn_style_get_bpgn_style_ptr(Tzv_pgn_style* s);  // fill
ZV_STYLES_API void zv_pgn_style_set_pgn_visible(Tzv_pgn_style* s, bool visible);  // fill shown
ZV_STYLES_API bool zv_pgn_style_get_pgn_visible(Tzv_pgn_style const* s);
ZV_STYLES_API void zv_pgn_style_set_pln_visible(Tzv_pgn_style* s, bool visible);  // outline shown
ZV_STYLES_API bool zv_pgn_style_get_pln_visible(Tzv_pgn_style const* s);

// The framework's colour for selected objects.
ZV_STYLES_API void zv_clr_style_init_selected(Tzv_color* c);

// Basic sub-styles.
ZV_STYLES_API void zv_bpnt_style_set_size(Tzv_bpnt_style* s, double size);
ZV_STYLES_API double zv_bpnt_style_get_size(Tzv_bpnt_style const* s);
ZV_STYLES_API void zv_bpnt_style_set_color(Tzv_bpnt_style* s, Tzv_color c);
ZV_STYLES_API Tzv_color zv_bpnt_style_get_color(Tzv_bpnt_style const* s);

ZV_STYLES_API void zv_bpln_style_set_width(Tzv_bpln_style* s, double width);
ZV_STYLES_API double zv_bpln_style_get_width(Tzv_bpln_style const* s);
ZV_STYLES_API void zv_bpln_style_set_color(Tzv_bpln_style* s, Tzv_color c);
ZV_STYLES_API Tzv_color zv_bpln_style_get_color(Tzv_bpln_style const* s);
// Draw the complex style instead of the plain width and colour.
ZV_STYLES_API void zv_bpln_style_set_use_complex(Tzv_bpln_style* s, bool use);
ZV_STYLES_API bool zv_bpln_style_get_use_complex(Tzv_bpln_style const* s);
ZV_STYLES_API Tzv_cpx_style* zv_bpln_style_get_complex_style(Tzv_bpln_style* s);

ZV_STYLES_API void zv_bpgn_style_set_color(Tzv_bpgn_style* s, Tzv_color c);
ZV_STYLES_API Tzv_color zv_bpgn_style_get_color(Tzv_bpgn_style const* s);

// Complex styles and their style layers.
ZV_STYLES_API Tzv_style_lrs* zv_cpx_style_get_style_lrs_ptr(Tzv_cpx_style* s);
// Appends a new layer of that type (owned by the list); null for an unknown type.
ZV_STYLES_API Tzv_style_lr* zv_style_lrs_add_lr(Tzv_style_lrs* l, char const* type);
ZV_STYLES_API int32_t zv_style_lrs_get_count(Tzv_style_lrs const* l);
ZV_STYLES_API Tzv_style_lr* zv_style_lrs_get_lr(Tzv_style_lrs* l, int32_t i);  // null out of range
ZV_STYLES_API void zv_style_lrs_clear(Tzv_style_lrs* l);
ZV_STYLES_API char const* zv_style_lr_get_type(Tzv_style_lr const* lr);  // "" for null

// Line stripes: colour, width and offset from the line (negative: to the left).
ZV_STYLES_API void zv_pln_line_lr_set_color(Tzv_style_lr* lr, Tzv_color c);
ZV_STYLES_API Tzv_color zv_pln_line_lr_get_color(Tzv_style_lr const* lr);
ZV_STYLES_API void zv_pln_line_lr_set_width(Tzv_style_lr* lr, double width);
ZV_STYLES_API double zv_pln_line_lr_get_width(Tzv_style_lr const* lr);
ZV_STYLES_API void zv_pln_line_lr_set_delta(Tzv_style_lr* lr, double delta);
ZV_STYLES_API double zv_pln_line_lr_get_delta(Tzv_style_lr const* lr);

ZV_END_C
