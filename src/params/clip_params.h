// Clipping of a 2D scene: the switch, the outline with the coordinate system
// it is given in, whether the outline is drawn and the style it is drawn in.
// The outline can be produced, or boxed, in any other coordinate system.
#pragma once

#include <string>

#include "params/lazy_scope.h"
#include "zv/clip_params.h"
#include "zv/sibling/prg.h"
#include "zv/sibling/styles.h"

// Style-layer type name of the plain line stripes of the default border.
inline constexpr char const* c_pln_line_style_lr = ZV_PLN_LINE_STYLE_LR;

class Tzv_clip2d_params {
 public:
  Tzv_clip2d_params();
  // Releases the outline, then the style.
  ~Tzv_clip2d_params();
  Tzv_clip2d_params(Tzv_clip2d_params const&) = delete;
  Tzv_clip2d_params& operator=(Tzv_clip2d_params const&) = delete;

  bool get_enabled() const { return f_.enabled; }
  void set_enabled(bool v) { f_.enabled = v; }
  bool get_draw() const { return f_.draw; }
  void set_draw(bool v) { f_.draw = v; }

  // The outline and the style are made when first asked for.
  Tzv_op2d* get_ov() const { return ov_.get(); }
  void set_ov(Tzv_op2d const& src);
  std::wstring const& get_prj() const { return prj_; }
  void get_prj_adp(Izv_string_adp& adp) const;
  // A null text leaves the projection as it is.
  void set_prj(wchar_t const* prj);
  Tzv_pgn_style* get_draw_style() const { return draw_style_.get(); }

  // The default border: fill off, a red base line drawn as three grey
  // stripes of falling width.
  static void init_def_style(Tzv_pgn_style* style);

  // The outline in the coordinate system `dst`; false when it cannot be
  // reprojected or no system is given. `enabled` is not consulted.
  bool eval_ov(wchar_t const* dst, Tzv_op2d& out) const;
  // The box of that outline; `out` is left untouched on failure.
  bool eval_box(wchar_t const* dst, Tzv_box_d2& out) const;

  void assign(Tzv_clip2d_params const& src);
  // The flags by value, outlines and styles by their libraries, projections
  // by meaning.
  bool equal(Tzv_clip2d_params const& other) const;

 private:
  struct fields {
    bool enabled = false;
    bool draw = false;
    bool operator==(fields const&) const = default;
  };

  fields f_;
  zv::lazy_scope<Tzv_op2d*, &zv_ov_d2_create, &zv_ov_d2_destroy> ov_;
  std::wstring prj_;
  zv::lazy_scope<Tzv_pgn_style*, &zv_pgn_style_create, &zv_pgn_style_destroy, &init_def_style> draw_style_;
};
