// Drawing styles held as plain values: copies and comparisons are member-wise
// and deep; sub-styles are members, so their pointers stay valid for the life
// of the style.
#include "zv/sibling/styles.h"

#include <cstring>
#include <deque>
#include <string>

bool operator==(Tzv_color const& a, Tzv_color const& b) { return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a; }

namespace {

constexpr Tzv_color c_black{0, 0, 0, 0};
constexpr Tzv_color c_white{255, 255, 255, 0};
// Selected objects are drawn in cyan, a little bolder.
constexpr Tzv_color c_selected{0, 255, 255, 0};
constexpr double c_selected_width = 2.0;
constexpr double c_selected_size = 6.0;

}  // namespace

struct Tzv_style_lr {
  std::string type;
  Tzv_color color = c_black;
  double width = 1.0;
  double delta = 0.0;
  bool operator==(Tzv_style_lr const&) const = default;
};

struct Tzv_style_lrs {
  std::deque<Tzv_style_lr> items;  // a deque keeps handed-out layer pointers valid on append
  bool operator==(Tzv_style_lrs const&) const = default;
};

struct Tzv_cpx_style {
  Tzv_style_lrs lrs;
  bool operator==(Tzv_cpx_style const&) const = default;
};

struct Tzv_bpnt_style {
  double size = 3.0;
  Tzv_color color = c_black;
  bool operator==(Tzv_bpnt_style const&) const = default;
};

struct Tzv_bpln_style {
  double width = 1.0;
  Tzv_color color = c_black;
  bool use_complex = false;
  Tzv_cpx_style complex;
  bool operator==(Tzv_bpln_style const&) const = default;
};

struct Tzv_bpgn_style {
  Tzv_color color = c_white;
  bool operator==(Tzv_bpgn_style const&) const = default;
};

struct Tzv_pnt_style {
  Tzv_bpnt_style bpnt;
  bool operator==(Tzv_pnt_style const&) const = default;
  void init_selected() { bpnt = {c_selected_size, c_selected}; }
};

struct Tzv_pln_style {
  Tzv_bpln_style bpln;
  bool operator==(Tzv_pln_style const&) const = default;
  void init_selected() {
    bpln.width = c_selected_width;
    bpln.color = c_selected;
    bpln.use_complex = false;
  }
};

struct Tzv_pgn_style {
  Tzv_bpln_style bpln;
  Tzv_bpgn_style bpgn;
  bool pgn_visible = true;
  bool pln_visible = true;
  bool operator==(Tzv_pgn_style const&) const = default;
  // Selected polygons keep their fill and get a bold selection-coloured border.
  void init_selected() {
    bpln.width = c_selected_width;
    bpln.color = c_selected;
    bpln.use_complex = false;
    pln_visible = true;
  }
};

namespace {

template <class T>
void assign_value(T* dst, T const* src) {
  if (dst && src) *dst = *src;
}

template <class T>
bool equal_value(T const* a, T const* b) {
  return a && b && *a == *b;
}

template <class T>
void init_selected(T* s) {
  if (s) s->init_selected();
}

}  // namespace

// create, destroy, assign, equal and init_selected of a whole style.
#define ZV_STYLE_WHOLE(prefix, T)                                                         \
  ZV_STYLES_API T* prefix##_create() { return new T; }                                    \
  ZV_STYLES_API void prefix##_destroy(T* s) { delete s; }                                 \
  ZV_STYLES_API void prefix##_assign(T* dst, T const* src) { assign_value(dst, src); }    \
  ZV_STYLES_API bool prefix##_equal(T const* a, T const* b) { return equal_value(a, b); } \
  ZV_STYLES_API void prefix##_init_selected(T* s) { init_selected(s); }

// A setter and a getter of one member; the getter of a null object yields the
// member's default.
#define ZV_STYLE_FIELD(prefix, T, name, V, member)    \
  ZV_STYLES_API void prefix##_set_##name(T* s, V v) { \
    if (s) s->member = v;                             \
  }                                                   \
  ZV_STYLES_API V prefix##_get_##name(T const* s) { return s ? s->member : T{}.member; }

// A pointer to an owned part.
#define ZV_STYLE_PART(fn, T, Part, member) \
  ZV_STYLES_API Part* fn(T* s) { return s ? &s->member : nullptr; }

extern "C" {

ZV_STYLE_WHOLE(zv_pnt_style, Tzv_pnt_style)
ZV_STYLE_WHOLE(zv_pln_style, Tzv_pln_style)
ZV_STYLE_WHOLE(zv_pgn_style, Tzv_pgn_style)

ZV_STYLE_PART(zv_pnt_style_get_bpnt_style_ptr, Tzv_pnt_style, Tzv_bpnt_style, bpnt)
ZV_STYLE_PART(zv_pln_style_get_bpln_style_ptr, Tzv_pln_style, Tzv_bpln_style, bpln)
ZV_STYLE_PART(zv_pgn_style_get_bpln_style_ptr, Tzv_pgn_style, Tzv_bpln_style, bpln)
ZV_STYLE_PART(zv_pgn_style_get_bpgn_style_ptr, Tzv_pgn_style, Tzv_bpgn_style, bpgn)
ZV_STYLE_PART(zv_bpln_style_get_complex_style, Tzv_bpln_style, Tzv_cpx_style, complex)
ZV_STYLE_PART(zv_cpx_style_get_style_lrs_ptr, Tzv_cpx_style, Tzv_style_lrs, lrs)

ZV_STYLE_FIELD(zv_pgn_style, Tzv_pgn_style, pgn_visible, bool, pgn_visible)
ZV_STYLE_FIELD(zv_pgn_style, Tzv_pgn_style, pln_visible, bool, pln_visible)
ZV_STYLE_FIELD(zv_bpnt_style, Tzv_bpnt_style, size, double, size)
ZV_STYLE_FIELD(zv_bpnt_style, Tzv_bpnt_style, color, Tzv_color, color)
ZV_STYLE_FIELD(zv_bpln_style, Tzv_bpln_style, width, double, width)
ZV_STYLE_FIELD(zv_bpln_style, Tzv_bpln_style, color, Tzv_color, color)
ZV_STYLE_FIELD(zv_bpln_style, Tzv_bpln_style, use_complex, bool, use_complex)
ZV_STYLE_FIELD(zv_bpgn_style, Tzv_bpgn_style, color, Tzv_color, color)
ZV_STYLE_FIELD(zv_pln_line_lr, Tzv_style_lr, color, Tzv_color, color)
ZV_STYLE_FIELD(zv_pln_line_lr, Tzv_style_lr, width, double, width)
ZV_STYLE_FIELD(zv_pln_line_lr, Tzv_style_lr, delta, double, delta)

ZV_STYLES_API void zv_clr_style_init_selected(Tzv_color* c) {
  if (c) *c = c_selected;
}

ZV_STYLES_API Tzv_style_lr* zv_style_lrs_add_lr(Tzv_style_lrs* l, char const* type) {
  if (!l || !type || std::strcmp(type, ZV_PLN_LINE_STYLE_LR) != 0) return nullptr;
  return &l->items.emplace_back(Tzv_style_lr{type});
}

ZV_STYLES_API int32_t zv_style_lrs_get_count(Tzv_style_lrs const* l) {
  return l ? static_cast<int32_t>(l->items.size()) : 0;
}

ZV_STYLES_API Tzv_style_lr* zv_style_lrs_get_lr(Tzv_style_lrs* l, int32_t i) {
  if (!l || i < 0 || static_cast<size_t>(i) >= l->items.size()) return nullptr;
  return &l->items[static_cast<size_t>(i)];
}

ZV_STYLES_API void zv_style_lrs_clear(Tzv_style_lrs* l) {
  if (l) l->items.clear();
}

ZV_STYLES_API char const* zv_style_lr_get_type(Tzv_style_lr const* lr) { return lr ? lr->type.c_str() : ""; }

}  // extern "C"
