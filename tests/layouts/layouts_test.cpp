// Print layouts, column scenes and their collections through the exports: a
// layout's page, sheet and framed box, quiet re-activation, and what each
// collection names and hears.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "event_recorder.h"
#include "support/text.h"
#include "support/throwing_listener.h"
#include "zv/margins.h"
#include "zv/scn_2d.h"
#include "zv/scn_clm.h"
#include "zv/scn_layout.h"
#include "zv/scns_2d.h"
#include "zv/sibling/lr2d_test_hooks.h"

namespace {

using Box = std::array<double, 4>;

// After a fresh calc_box the scene's box is valid and `expected`.
void expect_framed(Izv_scene* scene, Box const& expected) {
  zv_scn_2d_calc_box(scene);
  Tzv_box_d2 b{};
  EXPECT_TRUE(zv_scn_2d_get_box(scene, &b));
  Box const box{b.xmin, b.ymin, b.xmax, b.ymax};
  for (size_t i = 0; i < box.size(); ++i) EXPECT_DOUBLE_EQ(box[i], expected[i]) << i;
}

void set_box(Izv_layer* layer, Box const& b, void (*setter)(Izv_layer*, Tzv_box_d2 const*) = zv_lr2d_page_set_box) {
  Tzv_box_d2 const box{b[0], b[1], b[2], b[3]};
  setter(layer, &box);
}

struct Layout : ::testing::Test {
  Izv_scene* layout = zv_scn_layout_create();
  Izv_layer* page = zv_scn_layout_get_page_lr2d(layout);
  Tzv_event_recorder rec{zv_scn_2d_get_update_event_channel(layout)};
  ~Layout() override {
    rec.detach();
    zv_scn_layout_destroy(layout);
  }
};

// The union of the page and the layers, framed: every side moves out by 5%
// of the size, the maximum side after the minimum one has moved. A page that
// lost its box computes it again from its sheet; a page without box, or no
// page at all (the factory refused it), gives the zero box.
TEST_F(Layout, TheBoxFramesThePageAndTheLayers) {
  // The page is the background, not one of the layers; the sheet has margins on the top and left.
  ASSERT_STREQ(zv_lr2d_get_lr_type(page), "layout_page");
  EXPECT_TRUE(zv_scn_2d_get_background_layer(layout) == page && zv_scn_2d_get_layer_ptr(layout, 0) == nullptr);
  Tzv_margins_obj* m = zv_scn_2d_get_margins_ptr(layout);
  EXPECT_TRUE(zv_margins_get_visible(m) && zv_margins_get_lft(m) == 6 && zv_margins_get_top(m) == 6 &&
              zv_margins_get_rgt(m) == 0 && zv_margins_get_btm(m) == 0);
  set_box(page, {0, 0, 100, 200});
  expect_framed(layout, {-5, -10, 105.25, 210.5});
  zv_lr2d_test_set_box(page, nullptr);
  expect_framed(layout, {-5, -10, 105.25, 210.5});
  set_box(page, {0, 0, 10, 10});
  set_box(zv_scn_2d_add_layer_type_name(layout, "vector"), {20, 20, 30, 30}, zv_lr2d_test_set_box);
  expect_framed(layout, {-1.5, -1.5, 31.575, 31.575});
  zv_lr2d_page_set_box(page, nullptr);
  expect_framed(layout, {0, 0, 0, 0});

  zv_lr2d_test_fail_factory_after(0);
  Izv_scene* pageless = zv_scn_layout_create();
  zv_lr2d_test_fail_factory_after(-1);
  EXPECT_EQ(zv_scn_layout_get_page_lr2d(pageless), nullptr);
  expect_framed(pageless, {0, 0, 0, 0});
  zv_scn_layout_destroy(pageless);
}

// Activating the active layer again announces nothing, by layer or index,
// also after a listener threw on the activation; a stray index is none.
TEST_F(Layout, ActivatingTheActiveLayerAgainAnnouncesNothing) {
  Izv_layer* first = zv_scn_2d_add_layer_type_name(layout, "vector");
  zv_scn_2d_add_layer_type_name(layout, "vector");
  rec.clear();
  zv_scn_2d_set_active_lr2d(layout, nullptr);  // nothing was active
  EXPECT_EQ(rec.take(), "");
  zv_scn_2d_set_active_lr2d(layout, first);
  EXPECT_EQ(rec.take(), "B U[3] E");
  zv_scn_2d_set_active_lr2d(layout, first);
  zv_scn_2d_set_active_lr2d_idx(layout, 0);
  EXPECT_EQ(rec.take(), "");
  {
    Tzv_throwing_listener thrower(zv_scn_2d_get_update_event_channel(layout), {zv_event_kind_update});
    EXPECT_THROW(zv_scn_2d_set_active_lr2d_idx(layout, 1), Tzv_listener_error);
  }
  EXPECT_EQ(rec.take(), "B U[3] E");
  EXPECT_EQ(zv_history_manager_get_depth(zv_history_manager_get_instance()), 0);
  zv_scn_2d_set_active_lr2d_idx(layout, 1);
  EXPECT_EQ(rec.take(), "");
  EXPECT_EQ(zv_scn_2d_get_active_lr2d_idx(layout), 1u);
  zv_scn_2d_set_active_lr2d_idx(layout, 0xFFFFFFFF);
  EXPECT_EQ(rec.take(), "B U[3] E");
}

// Layouts and column scenes have meta ids of their own, the column collection
// that of 2D scenes; captions come from the resource texts.
TEST(LayoutCollections, MembersAreOfTheirKindAndNamedFromTheirText) {
  struct {
    Izv_scns2d* (*create)();
    void (*destroy)(Izv_scns2d*);
    char const* meta_id;
    wchar_t const* caption;
    char const* member_meta_id;
    wchar_t const* member_caption;  // followed by the number
  } const kinds[] = {
      {&zv_scns_layout_create, &zv_scns_layout_destroy, "SceneLayoutCollectionMetaID", L"Layouts", "SceneLayoutMetaID",
       L"Layout "},
      {&zv_scns_clm_create, &zv_scns_clm_destroy, "Scene2DCollectionMetaID", L"Columns", "SceneColumnMetaID",
       L"Column "},
  };
  for (auto const& k : kinds) {
    Izv_scns2d* scenes = k.create();
    EXPECT_STREQ(zv_scns_2d_get_meta_id(scenes), k.meta_id);
    EXPECT_EQ(caption_of(scenes), k.caption);
    for (int i = 1; i <= 2; ++i) {
      Izv_scene* member = zv_scns_2d_add(scenes);
      EXPECT_STREQ(zv_scn_2d_get_meta_id(member), k.member_meta_id);
      EXPECT_EQ(zv_scn_2d_get_parent(member), scenes);
      EXPECT_EQ(caption_of(member), k.member_caption + std::to_wstring(i));
    }
    EXPECT_NE(zv_scn_layout_get_page_lr2d(zv_scns_2d_get(scenes, 0)) == nullptr, k.create == &zv_scns_layout_create);
    zv_scns_2d_del(scenes, 0);
    EXPECT_EQ(caption_of(zv_scns_2d_get(scenes, 0)), k.member_caption + std::to_wstring(2));
    k.destroy(scenes);
  }
  Izv_scene* alone = zv_scn_clm_create();
  EXPECT_STREQ(zv_scn_2d_get_meta_id(alone), "SceneColumnMetaID");
  EXPECT_EQ(zv_scn_layout_get_page_lr2d(alone), nullptr);  // not a layout
  zv_scn_clm_destroy(alone);
}

// A layout is heard by its collection, its page is not; a column
// collection hears only its own list.
TEST(LayoutCollections, WhatTheCollectionsHear) {
  Izv_scns2d* layouts = zv_scns_layout_create();
  Izv_scns2d* columns = zv_scns_clm_create();
  Izv_scene* layout = zv_scns_2d_add(layouts);
  Izv_scene* column = zv_scns_2d_add(columns);
  Tzv_event_recorder layouts_rec(zv_scns_2d_get_update_event_channel(layouts));
  Tzv_event_recorder columns_rec(zv_scns_2d_get_update_event_channel(columns));
  Tzv_event_recorder column_rec(zv_scn_2d_get_update_event_channel(column));
  zv_scn_2d_set_wcaption(layout, L"Sheet");
  EXPECT_EQ(layouts_rec.take(), "U[1{2}]");
  set_box(zv_scn_layout_get_page_lr2d(layout), {0, 0, 1, 1});
  EXPECT_EQ(layouts_rec.take(), "");
  zv_lr2d_set_wcaption(zv_scn_2d_add_layer_type_name(column, zv_lr2d_type_vector), L"Rivers");
  zv_scn_2d_set_wcaption(column, L"Profile");
  EXPECT_EQ(column_rec.take(), "B U[1] E B U[1{2}] E B U[2] E");
  EXPECT_EQ(columns_rec.take(), "");
  zv_scns_2d_add(columns);
  EXPECT_EQ(columns_rec.take(), "B U[1] E");
  for (Tzv_event_recorder* r : {&layouts_rec, &columns_rec, &column_rec}) r->detach();
  zv_scns_clm_destroy(columns);
  zv_scns_layout_destroy(layouts);
}

}  // namespace
