// The scene through its exports: events, copy and comparison, occupancy of
// the marked layers, the null rule, the projection, and the boxes.
#include "scene_fixture.h"
#include "support/null_rule.h"
#include "zv/clip_params.h"
#include "zv/extent_ind.h"
#include "zv/plugin.h"
#include "zv/scn_2d/params.h"
#include "zv/scn_clm.h"
#include "zv/scn_layout.h"
#include "zv/scns_2d.h"
#include "zv/sibling/proj4_d2.h"

namespace {

constexpr wchar_t const* c_wgs84 = L"+proj=longlat +datum=WGS84 +no_defs";
constexpr wchar_t const* c_wgs84_reordered = L"+no_defs +datum=WGS84  +proj=longlat";
constexpr wchar_t const* c_utm32 = L"+proj=utm +zone=32 +datum=WGS84 +units=m +no_defs";

// The tree in walk order: "G" a group, "L" a layer under the root, "l" deeper.
std::string tree_shape(Izv_scene* scene) {
  Tzv_lr_group* root = zv_scn_2d_get_lr_group_ptr(scene);
  std::string shape;
  for (Tzv_lr_group* s = zv_lr_group_get_next(root, 0, 0, 0); s != nullptr; s = zv_lr_group_get_next(s, 0, 0, 0)) {
    shape += zv_lr_group_is_group(s) ? 'G' : (zv_lr_group_get_parent(s) == root ? 'L' : 'l');
  }
  return shape;
}

struct Scene : ::testing::Test, Tzv_test_scene {};

// Isotropy is announced once, after it is stored; a graticule needs a projection, no profile.
TEST_F(Scene, IsotropyProfileAndGraticule) {
  bool izotropic = true;
  Tzv_reacting_listener seen(zv_scn_2d_get_update_event_channel(h), zv_event_kind_update,
                             [&] { izotropic = zv_scn_2d_get_izotropic(h); });
  zv_scn_2d_set_izotropic(h, false);
  EXPECT_EQ(rec.take(), "B U[8] E");
  EXPECT_FALSE(izotropic);
  EXPECT_FALSE(zv_scn_2d_can_show_graticule(h));
  zv_scn_2d_set_prj4wstring(h, c_wgs84);
  EXPECT_TRUE(zv_scn_2d_can_show_graticule(h));
  rec.clear();
  zv_prf_data_set_is_profil(zv_scn_2d_get_prf_data_ptr(h), true);  // the owned profile data
  EXPECT_EQ(rec.take(), "B U[8] E");
  EXPECT_FALSE(zv_scn_2d_can_show_graticule(h));
  zv_scn_2d_changed(h);
  EXPECT_EQ(rec.take(), "U[]");
  zv_scn_2d_extra_changed(h, "colour");
  EXPECT_EQ(rec.take(), "U[colour]");
}

// A copy takes the fields and the layers with their tree, leaving out a layer
// the factory cannot make, and keeps its own styles, meta data, axes and redraw
// flag; the marked flag and a valid box survive the copy of the layers.
TEST_F(Scene, CopiesAndComparisons) {
  Izv_scene* src = zv_scn_2d_create();
  EXPECT_TRUE(zv_scn_2d_equal(h, src));
  zv_pgn_style_set_pln_visible(zv_extent_ind_get_style(zv_scn_2d_get_extent_ind_ptr(src)), false);
  EXPECT_FALSE(zv_scn_2d_equal(h, src));
  EXPECT_FALSE(zv_scn_2d_equal(src, h));
  zv_scn_2d_set_wcaption(src, L"Roads");
  zv_scn_2d_set_background_clr(src, zv_clr_init_rgb(1, 2, 3));
  zv_margins_set_lft(zv_scn_2d_get_margins_ptr(src), 42);
  zv_scn_2d_set_redraw_done(src, false);
  for (char const* type : {"vector", "raster", "vector"}) zv_scn_2d_add_layer_type_name(src, type);
  Tzv_lr_group* src_root = zv_scn_2d_get_lr_group_ptr(src);
  zv_lr_group_set_active(src_root, zv_lr_group_add_group(src_root, L"terrain"));
  zv_lr_group_move_to_active(src_root, zv_lr_group_get_child_by_layer(src_root, zv_scn_2d_get_layer_ptr(src, 2)));
  ASSERT_EQ(tree_shape(src), "LLGl");
  void* (*const styles[])(Izv_scene*) = {
      [](Izv_scene* x) -> void* { return zv_scn_2d_get_selected_style_pnt(x); },
      [](Izv_scene* x) -> void* { return zv_scn_2d_get_selected_style_pln(x); },
      [](Izv_scene* x) -> void* { return zv_scn_2d_get_selected_style_pgn(x); },
      [](Izv_scene* x) -> void* { return zv_scn_2d_get_selected_style_text(x); },
      [](Izv_scene* x) -> void* { return zv_scn_2d_get_current_style_pnt(x); },
      [](Izv_scene* x) -> void* { return zv_scn_2d_get_current_style_pln(x); },
      [](Izv_scene* x) -> void* { return zv_scn_2d_get_current_style_pgn(x); },
      [](Izv_scene* x) -> void* { return zv_scn_2d_get_meta_data_ptr(x); },
      [](Izv_scene* x) -> void* { return zv_scn_2d_get_axes_ptr(x); },
  };
  std::vector<void*> own;
  for (auto style : styles) own.push_back(style(h));

  zv_scn_2d_assign(h, src);
  EXPECT_EQ(text([&](Izv_string_adp* a) { zv_scn_2d_get_wcaption(h, a); }), L"Roads");
  EXPECT_STREQ(zv_lr2d_get_lr_type(zv_scn_2d_get_layer_ptr(h, 1)), "raster");
  EXPECT_EQ(zv_margins_get_lft(zv_scn_2d_get_margins_ptr(h)), 42u);
  EXPECT_EQ(zv_clr_to_int(zv_scn_2d_get_background_clr(h)), zv_clr_to_int(zv_clr_init_rgb(1, 2, 3)));
  EXPECT_TRUE(zv_scn_2d_get_redraw_done(h));
  for (size_t i = 0; i < own.size(); ++i) EXPECT_EQ(styles[i](h), own[i]) << i;
  EXPECT_NE(zv_scn_2d_get_layer_ptr(h, 2), zv_scn_2d_get_layer_ptr(src, 2));
  EXPECT_EQ(tree_shape(h), "LLGl");  // the same tree over new layers
  EXPECT_TRUE(zv_scn_2d_equal(h, src));
  EXPECT_FALSE(zv_scn_2d_equal(h, nullptr));
  zv_scn_2d_del_lr2d(h, 0);  // layers and styles are not compared; the background is
  zv_bpln_style_set_width(zv_pln_style_get_bpln_style_ptr(zv_scn_2d_get_current_style_pln(h)), 7.0);
  EXPECT_TRUE(zv_scn_2d_equal(h, src));
  zv_scn_2d_set_background_clr(h, zv_clr_init_rgb(9, 9, 9));
  EXPECT_FALSE(zv_scn_2d_equal(h, src));

  zv_lr2d_test_fail_factory_after(2);
  zv_scn_2d_assign(h, src);
  zv_lr2d_test_fail_factory_after(-1);
  EXPECT_STREQ(zv_lr2d_get_lr_type(zv_scn_2d_get_layer_ptr(h, 1)), "raster");
  EXPECT_EQ(tree_shape(h), "LLG");
  zv_scn_2d_destroy(src);
  src = zv_scn_2d_create();  // the marked flag and a valid box survive, also without layers
  zv_scn_2d_set_marked(src, true);
  Tzv_box_d2 box = zv_box_d2_init_xy(1, 2, 3, 4);
  zv_scn_2d_set_box(src, true, &box);
  zv_scn_2d_assign(h, src);
  box = {};
  EXPECT_TRUE(zv_scn_2d_get_marked(h) && zv_scn_2d_get_box(h, &box));
  EXPECT_EQ(box.xmax + box.ymax, 7);
  zv_scn_2d_destroy(src);
}

// Occupancy: the highest level among the marked layers, never negative, a
// report naming each held one; a release frees every marked layer, each in a
// bracket of its own, and reports each failure with the layer's text.
TEST_F(Scene, OccupancyOfTheMarkedLayers) {
  scene.set_wcaption(L"Roads");
  struct {
    int32_t level;
    bool marked;
    wchar_t const* error;  // a release fails with it unless empty
    int32_t left;          // after the release
  } const layers[] = {{-4, true, L"", 0},      {0, true, L"", 0},   {9, false, L"never asked", 9},
                      {3, true, L"locked", 3}, {2, true, L"E2", 2}, {1, true, L"", 0}};
  for (auto const& l : layers) {
    add_layer();
    zv_lr2d_set_wcaption(made.back(), std::wstring(1, static_cast<wchar_t>(L'A' + made.size() - 1)).c_str());
    zv_lr2d_set_marked(made.back(), made.size() == 1);
    zv_lr2d_test_set_occupied(made.back(), l.level, l.error);
  }
  int32_t level = -9;
  bool released = true;
  EXPECT_EQ(text([&](Izv_string_adp* a) { level = scene.is_occupied(a); }), L"Roads\n    A\n");
  EXPECT_EQ(level, 0);  // never negative
  for (size_t i = 0; i < made.size(); ++i) zv_lr2d_set_marked(made[i], layers[i].marked);
  rec.clear();
  EXPECT_EQ(text([&](Izv_string_adp* a) { level = scene.is_occupied(a); }), L"Roads\n    A\n    D\n    E\n    F\n");
  EXPECT_EQ(level, 3);
  EXPECT_EQ(scene.is_occupied(nullptr), 3);  // no adapter: the answer alone
  EXPECT_EQ(text([&](Izv_string_adp* a) { released = scene.deoccupy(a); }), L"Roads\n    D: locked\n    E: E2\n");
  EXPECT_FALSE(released);
  for (size_t i = 0; i < made.size(); ++i) EXPECT_EQ(zv_lr2d_get_occupied_level(made[i]), layers[i].left) << i;
  std::string const one = "B U[1{" + std::to_string(zv_lr2d_prop_occupied) + "}] E";
  EXPECT_EQ(rec.take(), one + " " + one);  // A and F, not merged into one
  for (int i : {3, 4}) zv_lr2d_set_marked(made[i], false);
  rec.clear();
  EXPECT_EQ(text([&](Izv_string_adp* a) { level = scene.is_occupied(a); }), L"");  // none held: not even the caption
  EXPECT_EQ(text([&](Izv_string_adp* a) { released = scene.deoccupy(a); }), L"");
  EXPECT_TRUE(released);
  EXPECT_EQ(rec.take(), "");
}

// Every export under the null rule: a null handle does nothing, a query
// answers zero (no index for an index); a live scene takes null arguments.
TEST_F(Scene, EveryExportAcceptsANullHandle) {
  zv_expect_each_zero_on_null(
      zv_scn_2d_get_box, zv_scn_2d_get_clipped_box, zv_scn_2d_get_active_lr2d_box, zv_scn_2d_get_marked_lr2d_box,
      zv_scn_2d_get_legend_box, zv_scn_2d_get_caption, zv_scn_2d_get_uuid, zv_scn_2d_get_marked,
      zv_scn_2d_get_layer_count, zv_scn_2d_get_layer_ptr, zv_scn_2d_get_first_layer_ptr, zv_scn_2d_get_last_layer_ptr,
      zv_scn_2d_find_layer_by_caption, zv_scn_2d_get_table_extra, zv_scn_2d_get_extra,
      zv_scn_2d_get_update_event_channel, zv_scn_2d_get_meta_data_ptr, zv_scn_2d_add_layer_type_name,
      zv_scn_2d_add_layer_type_name_ex_slot, zv_scn_2d_create_layer_group, zv_scn_2d_get_background_layer,
      zv_scn_2d_get_active_lr2d, zv_scn_2d_get_lr_group_ptr, zv_scn_2d_safe_upcast, zv_scn_2d_safe_downcast,
      zv_scn_2d_get_meta_id, zv_scn_2d_get_parent, zv_scn_2d_equal, zv_scn_2d_get_prf_data_ptr,
      zv_scn_2d_get_margins_ptr, zv_scn_2d_get_axes_ptr, zv_scn_2d_get_graticule_params_ptr,
      zv_scn_2d_get_scale_line_params_ptr, zv_scn_2d_get_lookmarks_ptr, zv_scn_2d_get_extent_ind_ptr,
      zv_scn_2d_get_clip_params, zv_scn_2d_get_izotropic, zv_scn_2d_can_show_graticule, zv_scn_2d_get_redraw_done,
      zv_scn_2d_get_selected_style_pnt, zv_scn_2d_get_selected_style_pln, zv_scn_2d_get_selected_style_pgn,
      zv_scn_2d_get_selected_style_text, zv_scn_2d_get_current_style_pnt, zv_scn_2d_get_current_style_pln,
      zv_scn_2d_get_current_style_pgn, zv_scns_2d_safe_upcast, zv_scns_2d_safe_downcast, zv_scns_2d_get_meta_id,
      zv_scns_2d_equal, zv_scns_2d_get_uuid, zv_scns_2d_get_update_event_channel, zv_scns_2d_get_size, zv_scns_2d_get,
      zv_scns_2d_add, zv_scns_2d_get_active_scn, zv_scn_layout_get_page_lr2d, zv_scn_2d_get_plugin_interface,
      zv_scns_2d_get_plugin_interface);
  zv_call_each_on_null(
      zv_scn_2d_calc_box, zv_scn_2d_set_box, zv_scn_2d_set_legend_box, zv_scn_2d_clear, zv_scn_2d_set_caption,
      zv_scn_2d_get_wcaption, zv_scn_2d_set_wcaption, zv_scn_2d_set_uuid, zv_scn_2d_set_marked,
      zv_scn_2d_set_marked_lr2d, zv_scn_2d_set_marked_lr2d_idx, zv_scn_2d_del_lr2d, zv_scn_2d_del_lr2d_ptr,
      zv_scn_2d_del_lr2d_marked, zv_scn_2d_del_lr2d_array, zv_scn_2d_set_table_extra, zv_scn_2d_extra_changed,
      zv_scn_2d_changed, zv_scn_2d_set_meta_data, zv_scn_2d_get_source, zv_scn_2d_set_source,
      zv_scn_2d_destroy_layer_group, zv_scn_2d_set_active_lr2d, zv_scn_2d_set_active_lr2d_idx, zv_scn_2d_move_layer,
      zv_scn_2d_move_marked_layers, zv_scn_2d_move_layer_to_active_group, zv_scn_2d_set_selected_all,
      zv_scn_2d_selected_invert, zv_scn_2d_init_layer_list, zv_scn_2d_get_prj4wstring, zv_scn_2d_set_prj4wstring,
      zv_scn_2d_try_set_prj4_lr, zv_scn_2d_get_prj4list_uniq_short, zv_scn_2d_destroy, zv_scn_2d_assign,
      zv_scn_2d_set_prf_data, zv_scn_2d_set_margins, zv_scn_2d_set_axes, zv_scn_2d_set_graticule_params,
      zv_scn_2d_set_scale_line_params, zv_scn_2d_set_lookmarks, zv_scn_2d_set_extent_ind, zv_scn_2d_set_clip_params,
      zv_scn_2d_set_izotropic, zv_scn_2d_set_redraw_done, zv_scn_2d_get_background_clr, zv_scn_2d_set_background_clr,
      zv_scn_2d_get_selected_style_clr, zv_scn_2d_set_selected_style_clr, zv_scn_2d_get_current_style_clr,
      zv_scn_2d_set_current_style_clr, zv_scns_2d_destroy, zv_scns_2d_set_parent, zv_scns_2d_create_all,
      zv_scns_2d_clear, zv_scns_2d_assign, zv_scns_2d_set_uuid, zv_scns_2d_del, zv_scns_2d_del_marked,
      zv_scns_2d_del_array, zv_scns_2d_move_scn, zv_scns_2d_set_active_scn, zv_scns_2d_set_active_scn_idx,
      zv_scns_2d_set_marked_scn, zv_scns_2d_set_marked_scn_idx, zv_scn_layout_destroy, zv_scns_layout_destroy,
      zv_scn_clm_destroy, zv_scns_clm_destroy, zv_plugin_scns_2d_destroy);
  EXPECT_EQ(zv_scn_2d_get_lr2d_idx(nullptr, nullptr), zv_no_index);
  EXPECT_EQ(zv_scn_2d_get_active_lr2d_idx(nullptr), zv_no_index);
  EXPECT_EQ(zv_scns_2d_get_active_scn_idx(nullptr), zv_no_index);
  EXPECT_FALSE(zv_scn_2d_get_box(h, nullptr));
  zv_scn_2d_set_box(h, true, nullptr);
  zv_scn_2d_set_margins(h, nullptr);
  zv_scn_2d_set_table_extra(h, nullptr);
  zv_scn_2d_assign(h, nullptr);
  zv_scn_2d_get_wcaption(h, nullptr);
  EXPECT_EQ(zv_scn_2d_get_layer_ptr(h, 7), nullptr);
  zv_scn_2d_del_lr2d(h, 7);
  zv_scn_2d_move_layer(h, 3, 9);
}

// A scene adopts the first layer projection only; the stored text again changes nothing.
TEST_F(Scene, AdoptingAndStoringTheProjection) {
  EXPECT_EQ(prj4(), L"");  // none yet, and the empty text is fed
  Izv_layer* layers[] = {add_layer(), add_layer({}, c_wgs84), add_layer({}, c_utm32)};
  rec.clear();
  scene.set_prj4(L"");
  scene.set_prj4(nullptr);
  zv_scn_2d_try_set_prj4_lr(h, layers[0]);
  zv_scn_2d_try_set_prj4_lr(h, nullptr);
  EXPECT_EQ(prj4(), L"");
  EXPECT_EQ(rec.take(), "");
  zv_scn_2d_try_set_prj4_lr(h, layers[1]);
  EXPECT_EQ(rec.take(), "U[]");
  for (Izv_layer* layer : layers) {
    EXPECT_EQ(text([layer](Izv_string_adp* a) { zv_lr2d_get_dst_pj4wstr(layer, a); }), c_wgs84);
  }
  scene.set_box(true, zv_box_d2_init_xy(1, 2, 3, 4));
  scene.try_set_prj4(layers[2]);
  scene.set_prj4(std::wstring(c_wgs84).c_str());  // equal characters, another buffer
  EXPECT_EQ(rec.take(), "");
  EXPECT_EQ(ask(&Tzv_scene_2d::try_get_box), Found(true, {1, 2, 3, 4}));
  scene.set_prj4(c_wgs84_reordered);  // the text is compared, not the system
  EXPECT_EQ(prj4(), c_wgs84_reordered);
  EXPECT_FALSE(scene.is_box_valid());
}

// A new text reaches every layer and stales the box, also when a listener throws.
TEST_F(Scene, ANewProjectionReachesEveryLayerAndStalesTheBox) {
  Izv_layer* layers[] = {add_layer(), add_layer(), add_layer()};
  scene.set_box(true, zv_box_d2_init_xy(1, 2, 3, 4));
  {
    Tzv_throwing_listener thrower(scene.get_update_event_channel(), {zv_event_kind_update});
    EXPECT_THROW(scene.set_prj4(c_wgs84), Tzv_listener_error);
  }
  EXPECT_EQ(prj4(), c_wgs84);
  EXPECT_FALSE(scene.is_box_valid());
  EXPECT_EQ(scene.get_update_depth(), 0u);
  scene.set_box(true, zv_box_d2_init_xy(1, 2, 3, 4));
  rec.clear();
  scene.set_prj4(c_utm32);
  EXPECT_EQ(rec.take(), "U[]");  // one plain update
  for (Izv_layer* layer : layers) {
    EXPECT_EQ(text([layer](Izv_string_adp* a) { zv_lr2d_get_dst_pj4wstr(layer, a); }), c_utm32);
  }
  EXPECT_FALSE(scene.is_layer_list_valid());
  EXPECT_FALSE(scene.is_box_valid());
}

// In tree order, equal projections once (the first text), none without a short name.
TEST_F(Scene, TheListOfDistinctProjections) {
  auto short_prj4 = [](wchar_t const* p) { return text([p](Izv_string_adp* a) { zv_pj4_get_short_text_w(p, a); }); };
  std::wstring const geo = short_prj4(c_wgs84), utm = short_prj4(c_utm32);
  ASSERT_TRUE(zv_pj4_equal_w(c_wgs84, c_wgs84_reordered));
  ASSERT_TRUE(short_prj4(L"+datum=WGS84 +no_defs").empty() && !geo.empty() && !utm.empty());
  for (wchar_t const* p : {L"", L"+datum=WGS84 +no_defs", c_wgs84, c_utm32, c_wgs84_reordered, c_utm32}) {
    add_layer({}, p);
  }
  Tzv_wstrings_obj* lists[] = {zv_wstrings_create(), zv_wstrings_create()};  // short, full
  for (Tzv_wstrings_obj* list : lists) zv_wstrings_add_str(list, L"kept");
  rec.clear();
  zv_scn_2d_get_prj4list_uniq_short(h, lists[0], lists[1]);
  EXPECT_EQ(rec.take(), "");
  scene.move(3, 0);  // utm32 first
  scene.get_pj_list_uniq_short(lists[0], lists[1]);
  std::vector<std::wstring> texts[2];
  for (int i = 0; i < 2; ++i) {
    for (int32_t j = 0; j < zv_wstrings_get_size(lists[i]); ++j)
      texts[i].emplace_back(zv_wstrings_get_str(lists[i], j));
    zv_wstrings_destroy(lists[i]);
  }
  EXPECT_EQ(texts[0], (std::vector<std::wstring>{L"kept", geo, utm, utm, geo}));
  EXPECT_EQ(texts[1], (std::vector<std::wstring>{L"kept", c_wgs84, c_utm32, c_utm32, c_wgs84}));
}

// The union of the layer boxes; a valid set box is kept, also when a new layer
// comes, until a change stales it; with no layer box the old one stays, stale.
TEST_F(Scene, TheBoxIsTheUnionOfTheLayerBoxesUnlessSet) {
  EXPECT_EQ(ask(&Tzv_scene_2d::get_clipped_box), Found(false, {0, 0, 1, 1}));  // a new scene
  add_layer({0, 0, 10, 10});
  add_layer({5, -5, 20, 5});
  EXPECT_EQ(ask(&Tzv_scene_2d::get_box), Found(true, {0, -5, 20, 10}));
  scene.set_box(false, zv_box_d2_init_xy(1, 2, 3, 4));
  EXPECT_EQ(ask(&Tzv_scene_2d::get_box), Found(true, {0, -5, 20, 10}));
  void (*const changes[])(Tzv_scene_2d&, Izv_layer*) = {
      [](Tzv_scene_2d&, Izv_layer* layer) { zv_lr2d_set_selected_all(layer, true); },  // the layer's update
      [](Tzv_scene_2d& t, Izv_layer*) { t.set_prj4(c_wgs84); },
      [](Tzv_scene_2d& t, Izv_layer*) { t.calc_box(); },
  };
  for (auto change : changes) {
    scene.set_box(true, zv_box_d2_init_xy(1, 2, 3, 4));
    Izv_layer* late = add_layer();
    EXPECT_EQ(ask(&Tzv_scene_2d::get_box), Found(true, {1, 2, 3, 4}));
    EXPECT_EQ(ask(&Tzv_scene_2d::try_get_box), Found(true, {1, 2, 3, 4}));
    change(scene, late);
    EXPECT_EQ(ask(&Tzv_scene_2d::get_box), Found(true, {0, -5, 20, 10}));
  }
  for (uint32_t i = 0; i < scene.get_count(); ++i) set_box(scene.get_entity(i), {});
  scene.calc_box();
  EXPECT_EQ(ask(&Tzv_scene_2d::try_get_box), Found(false, {0, -5, 20, 10}));
  EXPECT_EQ(ask(&Tzv_scene_2d::get_box), Found(false, {0, -5, 20, 10}));
}

// Layers around 10°E 50.5°N clipped to a quarter: the outline's box in the
// scene's projection, the layers' when clipping is off or cannot reproject.
TEST_F(Scene, TheClippedBox) {
  scene.set_prj4(c_wgs84);
  add_layer({9, 50, 10, 51});
  add_layer({10, 50, 11, 51});
  Tzv_clip2d_params& clip = *scene.get_clip_params();
  for (double x : {9.5, 10.5}) zv_ov_d2_add_vtx(clip.get_ov(), x, 50);
  for (double x : {10.5, 9.5}) zv_ov_d2_add_vtx(clip.get_ov(), x, 51);
  clip.set_prj(c_wgs84);
  clip.set_enabled(true);
  EXPECT_EQ(ask(&Tzv_scene_2d::get_clipped_box), Found(true, {9.5, 50, 10.5, 51}));
  clip.set_enabled(false);
  EXPECT_EQ(ask(&Tzv_scene_2d::get_clipped_box), Found(true, {9, 50, 11, 51}));
  clip.set_enabled(true);
  clip.set_prj(L"+proj=no_such_projection");
  EXPECT_EQ(ask(&Tzv_scene_2d::get_clipped_box), Found(true, {9, 50, 11, 51}));
  EXPECT_EQ(ask(&Tzv_scene_2d::try_get_box), Found(true, {9, 50, 11, 51}));
  if (!zv_pj4_can_reproject()) GTEST_SKIP() << "built without PROJ: no reprojection between different systems";
  clip.set_prj(c_wgs84);
  scene.set_prj4(c_utm32);
  auto const [found, box] = ask(&Tzv_scene_2d::get_clipped_box);
  EXPECT_TRUE(found);
  // cs2cs +proj=longlat +datum=WGS84 +no_defs +to +proj=utm +zone=32 +datum=WGS84 +units=m +no_defs
  Box const expected{535084.7072, 5538750.4776, 607498.4934, 5650895.7067};
  for (size_t i = 0; i < 4; ++i) EXPECT_NEAR(box[i], expected[i], 1e-3);
}

// Tree l0, group(l1, l2), l3. Active box: the active layer's alone, else an
// active group's (nested too). Marked box: the marked layers and all under a
// marked group, past a marked inner one. Layers without a box are passed over.
TEST_F(Scene, TheActiveAndTheMarkedBoxes) {
  Izv_layer* l[4] = {add_layer({0, 0, 1, 1}), add_layer({0, 0, 10, 10}), add_layer({5, -5, 20, 5}),
                     add_layer({100, 100, 200, 200})};
  Tzv_lr_group* group = zv_lr_group_add_group(root(), L"group");
  auto move_into = [&](Tzv_lr_group* target, std::initializer_list<int> layers) {
    zv_lr_group_set_active(root(), target);
    for (int i : layers) zv_lr_group_move_to_active(root(), slot(l[i]));
    zv_lr_group_set_active(root(), nullptr);
  };
  move_into(group, {1, 2});
  zv_lr_group_move(nullptr, slot(l[3]), 1);
  ASSERT_EQ(scene.get_entity(3), l[3]);
  auto const active = &Tzv_scene_2d::get_active_lr2d_box;
  auto const marked = &Tzv_scene_2d::get_marked_lr2d_box;
  EXPECT_EQ(ask(marked), c_none);
  zv_lr_group_set_marked(group, true);  // l1 and l2 stay unmarked
  EXPECT_EQ(ask(marked), Found(true, {0, -5, 20, 10}));
  zv_lr2d_set_marked(l[3], true);  // after the group
  EXPECT_EQ(ask(marked), Found(true, {0, -5, 200, 200}));
  Tzv_lr_group* inner = zv_lr_group_add_group(group, L"inner");
  zv_lr_group_set_marked(inner, true);
  move_into(group, {2});  // group: l1, inner, l2
  zv_lr2d_set_marked(l[3], false);
  EXPECT_EQ(ask(marked), Found(true, {0, -5, 20, 10}));
  zv_lr_group_set_marked(group, false);
  zv_lr_group_set_marked(inner, false);
  zv_lr2d_set_marked(l[2], true);
  zv_lr2d_set_marked(l[3], true);
  EXPECT_EQ(ask(marked), Found(true, {5, -5, 200, 200}));

  zv_lr_group_set_active(root(), slot(l[1]));  // an active layer slot alone gives nothing
  EXPECT_EQ(ask(active), c_none);
  scene.set_active(l[3]);
  zv_lr_group_set_active(root(), group);
  EXPECT_EQ(ask(active), Found(true, {100, 100, 200, 200}));
  set_box(l[3], {});
  EXPECT_EQ(ask(active), c_none);
  EXPECT_EQ(ask(marked), Found(true, {5, -5, 20, 5}));  // a marked layer without box leaves nothing
  scene.set_active(nullptr);
  zv_lr_group_set_active(root(), group);
  EXPECT_EQ(ask(active), Found(true, {0, -5, 20, 10}));
  set_box(l[0], {-50, -50, -40, -40});
  move_into(inner, {0});  // group: l1, inner(l0), l2
  zv_lr_group_set_active(root(), group);
  EXPECT_EQ(ask(active), Found(true, {-50, -50, 20, 10}));
  set_box(l[1], {});  // the first one
  EXPECT_EQ(ask(active), Found(true, {-50, -50, 20, 5}));
  for (int i : {0, 2}) set_box(l[i], {});
  EXPECT_EQ(ask(active), c_none);
  EXPECT_EQ(ask(marked), c_none);
}

}  // namespace
