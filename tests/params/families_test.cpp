// Every parameter family through its exports, one row per family: what a new
// object answers, the null rule (a null handle answers zero and changes
// nothing; a null source or comparand is refused), and copies that carry every
// field that comparison sees.
#include <gtest/gtest.h>

#include <tuple>
#include <type_traits>
#include <vector>

#include "support/null_rule.h"
#include "support/text.h"
#include "zv/clip_params.h"
#include "zv/extent_ind.h"
#include "zv/graticule.h"
#include "zv/lookmarks.h"
#include "zv/margins.h"
#include "zv/prf_data.h"
#include "zv/scale_line.h"

namespace {

using Tvalues = std::vector<double>;

// What the getters answer, as numbers (an object: 1). The exported ones are
// asked with a null handle too; the lambdas, which read held parts, are not.
template <class... G>
auto look(G... get) {
  return [=](auto* h) {
    Tvalues v;
    auto const add = [&v](auto x) {
      if constexpr (std::is_same_v<decltype(x), Tvalues>) v.insert(v.end(), x.begin(), x.end());
      else if constexpr (std::is_same_v<decltype(x), Tzv_color>) v.push_back(zv_clr_to_int(x));
      else if constexpr (std::is_pointer_v<decltype(x)>) v.push_back(x != nullptr);
      else v.push_back(static_cast<double>(x));
    };
    ((std::is_pointer_v<G> || h ? add(get(h)) : void()), ...);
    return v;
  };
}
double grey(unsigned level) { return level * 0x010101u; }  // as zv_clr_to_int answers it

// An edit that calls `setter` with `args`, asked with a null handle too.
template <class F, class... A>
struct set {
  explicit set(F f, A... a) : setter(f), args(a...) {}
  void operator()(auto* h) const {
    std::apply([&](A... a) { setter(h, a...); }, args);
  }
  F setter;
  std::tuple<A...> args;
};

// A new object looks like `initial`, a null handle like zeros; null sources
// and comparands are refused; each edit makes one object differ from another
// until assign copies it over, and then both look the same; assigning an
// object to itself changes nothing.
template <class H, class Assign, class Equal, class Look, class... Edit>
void expect_family(H* (*create)(), void (*destroy)(H*), Assign assign, Equal equal, Look look, Tvalues const& initial,
                   Edit... edit) {
  H* const none = nullptr;
  H* a = create();
  H* b = create();
  EXPECT_EQ(look(a), initial);
  EXPECT_EQ(look(none), Tvalues(look(none).size(), 0.0));
  assign(a, none);
  assign(none, a);
  destroy(none);
  EXPECT_FALSE(equal(a, none) || equal(none, a) || equal(none, none));
  EXPECT_TRUE(equal(a, b));
  int row = 0;
  auto const check = [&](auto e) {
    SCOPED_TRACE(testing::Message() << "edit " << row++);
    if constexpr (requires { e.setter; }) e(none);
    e(a);
    EXPECT_FALSE(equal(a, b) || equal(b, a));
    assign(b, a);
    assign(b, b);
    EXPECT_TRUE(equal(a, b));
    EXPECT_EQ(look(b), look(a));
  };
  (check(edit), ...);
  destroy(a);
  destroy(b);
}
#define ZV_EXPECT_FAMILY(family, ...) \
  expect_family(family##_create, family##_destroy, family##_assign, family##_equal, __VA_ARGS__)

// `f` applied to the part that `get` answers: a value to look at, or an edit.
template <class G, class F>
auto via(G get, F f) {
  return [=](auto* h) { return f(get(h)); };
}
Tzv_bpln_style* border_of(Tzv_pgn_style* s) { return zv_pgn_style_get_bpln_style_ptr(s); }
Tzv_graticule2d_ticks* main_of(Tzv_graticule2d_params* p) { return zv_graticule_params_get_main_ticks_ptr(p); }
Tzv_graticule2d_ticks* addt_of(Tzv_graticule2d_params* p) { return zv_graticule_params_get_addt_ticks_ptr(p); }

TEST(ParamFamilies, DefaultsNullRuleAndCopies) {
  Tzv_color const blue = zv_clr_init_rgb(0, 0, 1);
  auto const style = look(zv_pgn_style_get_pgn_visible, via(border_of, zv_bpln_style_get_width),
                          via(border_of, zv_bpln_style_get_color));
  auto const line = look(zv_graticule_line_get_color, zv_graticule_line_get_width);
  auto const ticks = look(
      zv_graticule_ticks_get_lon_approx_ndiap, zv_graticule_ticks_get_lat_approx_ndiap,
      zv_graticule_ticks_get_fnt_visible, zv_graticule_ticks_get_fnt_short_str, zv_graticule_ticks_get_fnt_size,
      zv_graticule_ticks_get_fnt_clr, zv_graticule_ticks_get_fnt_type_ptr, zv_graticule_ticks_get_grid_ptr,
      [](auto* t) {
        std::vector<int> s(6, -1);
        zv_graticule_ticks_get_lon_step_dms(t, &s[0], &s[1], &s[2]);
        zv_graticule_ticks_get_lat_step_dms(t, &s[3], &s[4], &s[5]);
        return Tvalues(s.begin(), s.end());
      },
      via(zv_graticule_ticks_get_grid_ptr, zv_graticule_grid_get_visible),
      via(zv_graticule_ticks_get_grid_ptr, via(zv_graticule_grid_get_line_ptr, line)));
  // A free-standing frame has the grid's defaults, not those of the graticule's frame.
  auto const frame =
      look(zv_graticule_frame_get_visible, zv_graticule_frame_get_line_ptr, via(zv_graticule_frame_get_line_ptr, line));
  Tvalues const main_ticks{5, 5, 1, 1, 2.5, 0, 1, 1, 1, 0, 0, 1, 0, 0, 1, grey(140), 0.1};
  Tvalues graticule{0, 0, 0, 0, 1, 1, 1, 1, 1, 0, 0.5};
  graticule.insert(graticule.end(), main_ticks.begin(), main_ticks.end());
  graticule.insert(graticule.end(), {5, 5, 0, 1, 2.0, 0, 1, 1, 0, 20, 0, 0, 20, 0, 1, grey(160), 0.05});

  ZV_EXPECT_FAMILY(
      zv_margins,
      look(zv_margins_get_visible, zv_margins_get_lft, zv_margins_get_top, zv_margins_get_rgt, zv_margins_get_btm),
      {0, 10, 5, 10, 5}, set(zv_margins_set_lft, 7u), set(zv_margins_set_top, 7u), set(zv_margins_set_rgt, 7u),
      set(zv_margins_set_btm, 7u), set(zv_margins_set_visible, true));
  ZV_EXPECT_FAMILY(zv_scale_line_params, look(zv_scale_line_params_get_visible), {0},
                   set(zv_scale_line_params_set_visible, true));
  // The clip border: fill off, a red base line drawn as grey stripes (grey, width, offset) of falling width.
  ZV_EXPECT_FAMILY(zv_scn2d_clip_params,
                   look(zv_scn2d_clip_params_get_enabled, zv_scn2d_clip_params_get_draw, zv_scn2d_clip_params_get_ov,
                        zv_scn2d_clip_params_get_draw_style, via(zv_scn2d_clip_params_get_ov, zv_ov_d2_get_ring_count),
                        via(zv_scn2d_clip_params_get_draw_style, style),
                        [](auto* c) {
                          Tzv_bpln_style* b = border_of(zv_scn2d_clip_params_get_draw_style(c));
                          Tzv_style_lrs* lrs = zv_cpx_style_get_style_lrs_ptr(zv_bpln_style_get_complex_style(b));
                          Tvalues v{double(zv_bpln_style_get_use_complex(b))};
                          for (int32_t i = 0; i < zv_style_lrs_get_count(lrs); ++i) {
                            Tvalues const stripe = look(zv_pln_line_lr_get_color, zv_pln_line_lr_get_width,
                                                        zv_pln_line_lr_get_delta)(zv_style_lrs_get_lr(lrs, i));
                            v.insert(v.end(), stripe.begin(), stripe.end());
                          }
                          return v;
                        }),
                   {0, 0, 1, 1, 0, 0, 1, 255, 1, grey(224), 2.0, -1.0, grey(196), 1.0, -0.5, grey(140), 0.4, 0.0},
                   set(zv_scn2d_clip_params_set_enabled, true), set(zv_scn2d_clip_params_set_draw, true),
                   set(zv_scn2d_clip_params_set_prj, L"+proj=merc"),
                   via(zv_scn2d_clip_params_get_ov, set(zv_ov_d2_add_vtx, 1.0, 2.0)),
                   via(zv_scn2d_clip_params_get_draw_style, via(border_of, set(zv_bpln_style_set_width, 3.0))));
  ZV_EXPECT_FAMILY(
      zv_extent_ind,
      look(zv_extent_ind_get_visible, zv_extent_ind_get_links_count, zv_extent_ind_get_style,
           via(zv_extent_ind_get_style, style), via(zv_extent_ind_get_style, zv_pgn_style_get_pln_visible)),
      {0, 0, 1, 0, 1, 255, 1}, set(zv_extent_ind_set_visible, true),
      via(zv_extent_ind_get_style, via(border_of, set(zv_bpln_style_set_width, 2.0))));
  ZV_EXPECT_FAMILY(zv_graticule_line, line, {grey(140), 0.1}, set(zv_graticule_line_set_color, blue),
                   set(zv_graticule_line_set_width, 2.0));
  ZV_EXPECT_FAMILY(
      zv_graticule_grid,
      look(zv_graticule_grid_get_visible, zv_graticule_grid_get_line_ptr, via(zv_graticule_grid_get_line_ptr, line)),
      {1, 1, grey(140), 0.1}, set(zv_graticule_grid_set_visible, false),
      via(zv_graticule_grid_get_line_ptr, set(zv_graticule_line_set_width, 2.0)));
  ZV_EXPECT_FAMILY(zv_graticule_frame, frame, {1, 1, grey(140), 0.1}, set(zv_graticule_frame_set_visible, false),
                   via(zv_graticule_frame_get_line_ptr, set(zv_graticule_line_set_width, 2.0)));
  ZV_EXPECT_FAMILY(zv_graticule_ticks, ticks, main_ticks, set(zv_graticule_ticks_set_lon_step_dms, 0, 90, 0),
                   set(zv_graticule_ticks_set_lat_step_dms, -3, 0, 75), set(zv_graticule_ticks_set_lon_approx_ndiap, 0),
                   set(zv_graticule_ticks_set_lat_approx_ndiap, 0), set(zv_graticule_ticks_set_fnt_visible, false),
                   set(zv_graticule_ticks_set_fnt_short_str, false), set(zv_graticule_ticks_set_fnt_size, 3.0),
                   set(zv_graticule_ticks_set_fnt_clr, blue),
                   via(zv_graticule_ticks_get_fnt_type_ptr, set(zv_fnt_type_set_height, 20.0)),
                   via(zv_graticule_ticks_get_grid_ptr, set(zv_graticule_grid_set_visible, false)));
  ZV_EXPECT_FAMILY(
      zv_graticule_params,
      look(zv_graticule_params_get_visible, zv_graticule_params_get_fixed_step_flag, zv_graticule_params_get_addit_flag,
           zv_graticule_params_get_rotate_side_text_flag, zv_graticule_params_get_main_ticks_ptr,
           zv_graticule_params_get_addt_ticks_ptr, zv_graticule_params_get_frame_ptr,
           via(zv_graticule_params_get_frame_ptr, frame), via(main_of, ticks), via(addt_of, ticks)),
      graticule, set(zv_graticule_params_set_visible, true), set(zv_graticule_params_set_fixed_step_flag, true),
      set(zv_graticule_params_set_addit_flag, true), set(zv_graticule_params_set_rotate_side_text_flag, true),
      via(main_of, set(zv_graticule_ticks_set_lat_step_dms, 1, 0, 1)),
      via(addt_of, via(zv_graticule_ticks_get_fnt_type_ptr, set(zv_fnt_type_set_height, 20.0))),
      via(zv_graticule_params_get_frame_ptr, set(zv_graticule_frame_set_visible, false)));
  ZV_EXPECT_FAMILY(zv_lookmark, look([](auto* m) {
                     Tvalues z(4, -1);
                     zv_lookmark_get_zoom(m, &z[0], &z[1], &z[2], &z[3]);
                     return z;
                   }),
                   {0, 0, 1, 1}, set(zv_lookmark_set_caption, L"Harbour"), set(zv_lookmark_set_caption, L"harbour"),
                   set(zv_lookmark_set_zoom, 5.0, -2.0, 1.0, 0.5));
  ZV_EXPECT_FAMILY(
      zv_lookmarks,
      look(zv_lookmarks_get_size, zv_lookmarks_get_active_ptr, [](auto* l) { return zv_lookmarks_get_active_idx(l); }),
      {0, 0, -1}, [](auto* l) { zv_lookmarks_add_ptr(l); }, set(zv_lookmarks_set_active_idx, 0),
      via(zv_lookmarks_get_active_ptr, set(zv_lookmark_set_zoom, 1.0, 2.0, 3.0, 4.0)));
  ZV_EXPECT_FAMILY(zv_prf_data,
                   look(zv_prf_data_get_is_profil, zv_prf_data_get_xmin, zv_prf_data_get_ymin, zv_prf_data_get_zmin,
                        zv_prf_data_get_xmax, zv_prf_data_get_ymax, zv_prf_data_get_zmax, zv_prf_data_get_zscale,
                        zv_prf_data_get_delta_xy, zv_prf_data_get_axes_scale, zv_prf_data_get_pv_ptr,
                        via(zv_prf_data_get_pv_ptr, zv_pv_d2_get_size)),
                   {0, 0, 0, 0, 1, 1, 1, 1, 1, zv_prf_axes_scale_default, 1, 0}, set(zv_prf_data_set_is_profil, true),
                   set(zv_prf_data_set_xmin, -1.0), set(zv_prf_data_set_xmax, 2.0), set(zv_prf_data_set_ymin, -1.0),
                   set(zv_prf_data_set_ymax, 2.0), set(zv_prf_data_set_zmin, -1.0), set(zv_prf_data_set_zmax, 2.0),
                   set(zv_prf_data_set_zscale, 2.0), set(zv_prf_data_set_delta_xy, 2.0),
                   set(zv_prf_data_set_axes_scale, zv_prf_axes_scale_none),
                   via(zv_prf_data_get_pv_ptr, set(zv_pv_d2_add_vtx, 1.0, 2.0)));
}

// The exports that take more than a handle; held parts; optional outputs.
TEST(ParamFamilies, OtherExports) {
  zv_expect_each_zero_on_null(zv_prf_data_find_xy, zv_prf_data_find_l, zv_scn2d_clip_params_eval_ov,
                              zv_scn2d_clip_params_eval_box, zv_extent_ind_get_link_uid, zv_extent_ind_has_link,
                              zv_lookmarks_get_ptr, zv_lookmarks_add_ptr);
  EXPECT_STREQ(zv_lookmark_get_caption(nullptr), L"");
  EXPECT_EQ(zv_lookmarks_find_ptr(nullptr, nullptr), -1);
  EXPECT_EQ(zv_lookmarks_get_active_idx(nullptr), -1);
  zv_call_each_on_null(
      zv_graticule_ticks_get_lon_step_dms, zv_graticule_ticks_get_lat_step_dms, zv_prf_data_calculate_ls,
      zv_prf_data_set_pv, zv_prf_data_get_prj4string, zv_prf_data_set_prj4string, zv_scn2d_clip_params_set_ov,
      zv_scn2d_clip_params_get_prj, zv_extent_ind_set_links_count, zv_extent_ind_set_link_uid,
      zv_extent_ind_update_link, zv_extent_ind_validate_links, zv_lookmark_get_caption_adp, zv_lookmark_get_zoom,
      zv_lookmarks_set_active_ptr, zv_lookmarks_delete_item, zv_lookmarks_swap_items, zv_lookmarks_clear);

  // A copy keeps its own font object; only the outputs asked for are written.
  Tzv_graticule2d_params* p = zv_graticule_params_create();
  Tzv_graticule2d_params* q = zv_graticule_params_create();
  Tzv_fnt_type* font = zv_graticule_ticks_get_fnt_type_ptr(addt_of(p));
  zv_graticule_params_assign(p, q);
  EXPECT_EQ(zv_graticule_ticks_get_fnt_type_ptr(addt_of(p)), font);
  int d = -1;
  zv_graticule_ticks_get_lon_step_dms(main_of(p), &d, nullptr, nullptr);
  EXPECT_EQ(d, 1);
  zv_graticule_params_destroy(q);
  zv_graticule_params_destroy(p);
  Tzv_lookmark2d* m = zv_lookmark_create();
  Tvalues z(4, -1);
  zv_lookmark_get_zoom(m, &z[0], nullptr, &z[2], nullptr);
  EXPECT_EQ(z, (Tvalues{0, -1, 1, -1}));
  EXPECT_STREQ(zv_lookmark_get_caption(m), L"");
  zv_lookmark_set_caption(m, L"Harbour");
  zv_lookmark_set_caption(m, nullptr);
  EXPECT_EQ(text([m](Izv_string_adp* a) { zv_lookmark_get_caption_adp(m, a); }), L"Harbour");
  zv_lookmark_destroy(m);
}

}  // namespace
