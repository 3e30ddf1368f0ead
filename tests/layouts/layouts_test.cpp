// Print layouts and the layout collection, as a host sees them through the
// exports: the sheet set-up of a new layout, its page layer, its framed box,
// quiet re-activation, and the collection's captions and forwarding.
#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>

#include "core/string_adapters.h"
#include "event_recorder.h"
#include "support/throwing_listener.h"
#include "zv/margins.h"
#include "zv/scn_2d.h"
#include "zv/scn_layout.h"
#include "zv/scns_2d.h"
#include "zv/sibling/lr2d_test_hooks.h"

namespace {

using Box = std::array<double, 4>;

Box box_of(Tzv_box_d2 const& b) { return {b.xmin, b.ymin, b.xmax, b.ymax}; }

// After a fresh calc_box the scene's box is valid and `expected`.
void expect_framed(Izv_scene* scene, Box const& expected) {
  zv_scn_2d_calc_box(scene);
  Tzv_box_d2 b{};
  EXPECT_TRUE(zv_scn_2d_get_box(scene, &b));
  Box const box = box_of(b);
  for (size_t i = 0; i < box.size(); ++i) EXPECT_DOUBLE_EQ(box[i], expected[i]) << i;
}

// Hands `b` to a box setter of a layer.
void set_box(Izv_layer* layer, Box const& b, void (*setter)(Izv_layer*, Tzv_box_d2 const*) = zv_lr2d_test_set_box) {
  Tzv_box_d2 const box{b[0], b[1], b[2], b[3]};
  setter(layer, &box);
}

std::wstring caption_of(Izv_entity* entity) {
  return zv_read_wtext([entity](Izv_string_adp* a) { entity->get_wcaption(a); });
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

// --- A new layout -------------------------------------------------------------------

TEST_F(Layout, ANewLayoutHasItsPageAndSheetMargins) {
  ASSERT_NE(page, nullptr);
  EXPECT_STREQ(zv_lr2d_get_lr_type(page), "layout_page");
  EXPECT_STREQ(zv_scn_2d_get_meta_id(layout), "SceneLayoutMetaID");
  EXPECT_EQ(zv_scn_2d_get_background_layer(layout), page);
  // The page is not one of the scene's layers.
  EXPECT_EQ(zv_scn_2d_get_layer_count(layout), 0u);
  EXPECT_EQ(zv_scn_2d_get_layer_ptr(layout, 0), nullptr);

  Tzv_margins_obj* margins = zv_scn_2d_get_margins_ptr(layout);
  EXPECT_TRUE(zv_margins_get_visible(margins));
  EXPECT_EQ((std::array<uint32_t, 4>{zv_margins_get_lft(margins), zv_margins_get_top(margins),
                                     zv_margins_get_rgt(margins), zv_margins_get_btm(margins)}),
            (std::array<uint32_t, 4>{6, 6, 0, 0}));
}

// The top and left axes are shown, both marks of each set up with the
// axis's caption alignment; the main marks' visibility and the grid stay
// as the axes made them.
TEST_F(Layout, ANewLayoutShowsTheTopAndLeftAxes) {
  Tzv_axes_obj* axes = zv_scn_2d_get_axes_ptr(layout);
  Tzv_axes_obj* fresh = zv_axes_create();
  EXPECT_TRUE(zv_axes_get_visible(axes));
  EXPECT_FALSE(zv_axis_type_get_visible(zv_axes_get_hbottom(axes)));
  EXPECT_FALSE(zv_axis_type_get_visible(zv_axes_get_vright(axes)));
  struct {
    Tzv_axis_obj* axis;
    Tzv_axis_obj* untouched;  // the same axis of fresh axes
    int32_t alignment;
    bool extra_marks_visible;
  } const expected[] = {{zv_axes_get_htop(axes), zv_axes_get_htop(fresh), 0xFF01, true},
                        {zv_axes_get_vleft(axes), zv_axes_get_vleft(fresh), 0x0101, false}};
  for (auto const& e : expected) {
    SCOPED_TRACE(e.alignment);
    Tzv_axis_marks_obj* main = zv_axis_type_get_marks(e.axis);
    Tzv_axis_marks_obj* extra = zv_axis_type_get_adv_marks(e.axis);
    EXPECT_EQ(zv_axis_marks_get_capt_alignment(main), e.alignment);
    EXPECT_EQ(zv_axis_marks_get_capt_alignment(extra), e.alignment);
    EXPECT_EQ(zv_axis_marks_get_visible(extra), e.extra_marks_visible);
    Tzv_axis_marks_obj* fresh_main = zv_axis_type_get_marks(e.untouched);
    EXPECT_EQ(zv_axis_marks_get_visible(main), zv_axis_marks_get_visible(fresh_main));
    EXPECT_EQ(zv_axis_marks_get_grid_visible(main), zv_axis_marks_get_grid_visible(fresh_main));
  }
  zv_axes_destroy(fresh);
}

// Without a page (the factory refused it) a layout still works, framed by
// the zero box.
TEST(LayoutPage, ALayoutWithoutPageHasTheZeroBox) {
  zv_lr2d_test_fail_factory_after(0);
  Izv_scene* layout = zv_scn_layout_create();
  zv_lr2d_test_fail_factory_after(-1);
  EXPECT_EQ(zv_scn_layout_get_page_lr2d(layout), nullptr);
  expect_framed(layout, {0, 0, 0, 0});
  zv_scn_layout_destroy(layout);
}

// --- The box -------------------------------------------------------------------------------

// The union of the page and the layers, framed: every side moves out by 5%
// of the size, the maximum side after the minimum one has moved.
TEST_F(Layout, TheBoxFramesThePageAndTheLayers) {
  set_box(page, {0, 0, 100, 200}, zv_lr2d_page_set_box);
  expect_framed(layout, {-5, -10, 105.25, 210.5});
  zv_lr2d_test_set_box(page, nullptr);  // a page that lost its box computes it again from its sheet
  expect_framed(layout, {-5, -10, 105.25, 210.5});

  set_box(page, {0, 0, 10, 10}, zv_lr2d_page_set_box);
  set_box(zv_scn_2d_add_layer_type_name(layout, "vector"), {20, 20, 30, 30});
  expect_framed(layout, {-1.5, -1.5, 31.575, 31.575});
  zv_lr2d_page_set_box(page, nullptr);  // a page without box: zero, whatever the layers hold
  expect_framed(layout, {0, 0, 0, 0});
}

// --- Activation ------------------------------------------------------------------------------

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

  zv_scn_2d_set_active_lr2d_idx(layout, 1);
  EXPECT_EQ(rec.take(), "B U[3] E");
  EXPECT_EQ(zv_scn_2d_get_active_lr2d_idx(layout), 1u);
}

TEST_F(Layout, ActivationClosesItsBracketWhenAListenerThrows) {
  zv_scn_2d_add_layer_type_name(layout, "vector");
  rec.clear();
  {
    Tzv_throwing_listener thrower(zv_scn_2d_get_update_event_channel(layout), {zv_event_kind_update});
    EXPECT_THROW(zv_scn_2d_set_active_lr2d_idx(layout, 0), Tzv_listener_error);
  }
  EXPECT_EQ(rec.take(), "B U[3] E");
  EXPECT_EQ(zv_history_manager_get_depth(zv_history_manager_get_instance()), 0);
  zv_scn_2d_set_active_lr2d_idx(layout, 0);
  EXPECT_EQ(rec.take(), "");
  zv_scn_2d_set_active_lr2d_idx(layout, 0xFFFFFFFF);
  EXPECT_EQ(rec.take(), "B U[3] E");
}

// --- The collection --------------------------------------------------------------------------

struct Layouts : ::testing::Test {
  Izv_scns2d* layouts = zv_scns_layout_create();
  Tzv_event_recorder rec{zv_scns_2d_get_update_event_channel(layouts)};
  ~Layouts() override {
    rec.detach();
    zv_scns_layout_destroy(layouts);
  }
};

TEST_F(Layouts, NewMembersAreLayoutsNamedFromTheLayoutText) {
  EXPECT_STREQ(zv_scns_2d_get_meta_id(layouts), "SceneLayoutCollectionMetaID");
  EXPECT_EQ(caption_of(layouts), L"Layouts");
  for (std::wstring const expected : {L"Layout 1", L"Layout 2"}) {
    Izv_scene* layout = zv_scns_2d_add(layouts);
    EXPECT_STREQ(zv_scn_2d_get_meta_id(layout), "SceneLayoutMetaID");
    EXPECT_NE(zv_scn_layout_get_page_lr2d(layout), nullptr);
    EXPECT_EQ(caption_of(layout), expected);
  }
}

// Forwarding itself, also to a throwing listener, is pinned by the scenes
// tests; here: a layout is heard, its page is not.
TEST_F(Layouts, ALayoutsChangesReachTheCollectionButNotItsPages) {
  Izv_scene* layout = zv_scns_2d_add(layouts);
  rec.clear();
  zv_scn_2d_set_wcaption(layout, L"Sheet");
  EXPECT_EQ(rec.take(), "U[1{2}]");
  set_box(zv_scn_layout_get_page_lr2d(layout), {0, 0, 1, 1}, zv_lr2d_page_set_box);  // no layer of the scene
  EXPECT_EQ(rec.take(), "");
}

TEST(LayoutsLife, LayoutsAndTheirPagesGoWithTheCollection) {
  int32_t const before = zv_lr2d_test_get_live_count();
  Izv_scns2d* layouts = zv_scns_layout_create();
  zv_scns_2d_add(layouts);
  zv_scn_2d_add_layer_type_name(zv_scns_2d_add(layouts), "vector");
  EXPECT_EQ(zv_lr2d_test_get_live_count(), before + 3);
  zv_scns_2d_del(layouts, 0);
  EXPECT_EQ(zv_lr2d_test_get_live_count(), before + 2);
  zv_scns_layout_destroy(layouts);
  EXPECT_EQ(zv_lr2d_test_get_live_count(), before);
}

// --- The null rule ------------------------------------------------------------------------------

TEST(LayoutExports, NullHandlesAndOtherScenesAreHarmless) {
  EXPECT_EQ(zv_scn_layout_get_page_lr2d(nullptr), nullptr);
  zv_scn_layout_destroy(nullptr);
  zv_scns_layout_destroy(nullptr);
  Izv_scene* scene = zv_scn_2d_create();
  EXPECT_EQ(zv_scn_layout_get_page_lr2d(scene), nullptr);
  zv_scn_2d_destroy(scene);
}

}  // namespace
