// Handles made on first use: the helper itself, and the scene's styles and
// parameter handles, which must read exactly as if made with the scene.
#include <gtest/gtest.h>

#include "params/lazy_scope.h"
#include "scene2d/scene_2d.h"
#include "zv/clip_params.h"
#include "zv/extent_ind.h"
#include "zv/scn_2d.h"
#include "zv/scn_2d/params.h"
#include "zv/sibling/axis2d.h"
#include "zv/sibling/styles.h"

namespace {

// A handle type whose making, setting up and release are counted.
struct Tcounted {
  int inits = 0;
};
int made = 0;
int released = 0;
Tcounted* make_counted() {
  ++made;
  return new Tcounted;
}
void release_counted(Tcounted* c) {
  ++released;
  delete c;
}
void init_counted(Tcounted* c) { ++c->inits; }

using Tlazy = zv::lazy_scope<Tcounted*, &make_counted, &release_counted, &init_counted>;

class LazyScope : public ::testing::Test {
 protected:
  void SetUp() override { made = released = 0; }
};

TEST_F(LazyScope, MakesAndSetsUpOnceOnFirstReadAndReleasesOnce) {
  {
    Tlazy const lazy;
    EXPECT_EQ(made, 0);
    Tcounted* first = lazy.get();
    EXPECT_EQ(lazy.get(), first);
    EXPECT_EQ(made, 1);
    EXPECT_EQ(first->inits, 1);
  }
  EXPECT_EQ(released, 1);
  { Tlazy never_read; }
  EXPECT_EQ(released, 1);
}

TEST_F(LazyScope, ResetReleasesAndTheNextReadMakesAFreshOne) {
  Tlazy lazy;
  lazy.get()->inits = 7;
  lazy.reset();
  EXPECT_EQ(released, 1);
  EXPECT_EQ(lazy.get()->inits, 1);
  EXPECT_EQ(made, 2);
}

class LazyScene : public ::testing::Test {
 protected:
  void TearDown() override {
    zv_scn_2d_destroy(a_);
    zv_scn_2d_destroy(b_);
  }
  Izv_scene* a_ = zv_scn_2d_create();
  Izv_scene* b_ = zv_scn_2d_create();
};

TEST_F(LazyScene, StylesReadAsTheirDefaults) {
  Tzv_pnt_style* selected = zv_pnt_style_create();
  zv_pnt_style_init_selected(selected);
  EXPECT_TRUE(zv_pnt_style_equal(zv_scn_2d_get_selected_style_pnt(a_), selected));
  zv_pnt_style_destroy(selected);
  Tzv_pln_style* text = zv_pln_style_create();
  zv_pln_style_init_selected(text);
  EXPECT_TRUE(zv_pln_style_equal(zv_scn_2d_get_selected_style_text(a_), text));
  zv_pln_style_destroy(text);

  Tzv_color const purple = zv_clr_init_rgb(128, 0, 128);
  Tzv_bpnt_style* point = zv_pnt_style_get_bpnt_style_ptr(zv_scn_2d_get_current_style_pnt(a_));
  EXPECT_EQ(zv_bpnt_style_get_size(point), 3.0);
  EXPECT_EQ(zv_clr_to_int(zv_bpnt_style_get_color(point)), zv_clr_to_int(purple));
  Tzv_pgn_style* fill = zv_scn_2d_get_current_style_pgn(a_);
  EXPECT_EQ(zv_bpln_style_get_width(zv_pgn_style_get_bpln_style_ptr(fill)), 0.1);
  EXPECT_EQ(zv_clr_to_int(zv_bpgn_style_get_color(zv_pgn_style_get_bpgn_style_ptr(fill))), zv_clr_to_int(purple));
}

TEST_F(LazyScene, ParameterStylesReadAsTheirDefaults) {
  Tzv_pgn_style* ind = zv_extent_ind_get_style(zv_scn_2d_get_extent_ind_ptr(a_));
  EXPECT_FALSE(zv_pgn_style_get_pgn_visible(ind));
  EXPECT_TRUE(zv_pgn_style_get_pln_visible(ind));
  Tzv_pgn_style* clip = zv_scn2d_clip_params_get_draw_style(zv_scn_2d_get_clip_params(a_));
  Tzv_bpln_style* border = zv_pgn_style_get_bpln_style_ptr(clip);
  EXPECT_TRUE(zv_bpln_style_get_use_complex(border));
  EXPECT_EQ(zv_style_lrs_get_count(zv_cpx_style_get_style_lrs_ptr(zv_bpln_style_get_complex_style(border))), 3);
}

// A handle that one scene has made and changed, and the other never read.
TEST_F(LazyScene, ComparisonAndCopySeeHandlesTheOtherSideNeverRead) {
  EXPECT_TRUE(zv_scn_2d_equal(a_, b_));
  zv_pgn_style_set_pln_visible(zv_extent_ind_get_style(zv_scn_2d_get_extent_ind_ptr(a_)), false);
  EXPECT_FALSE(zv_scn_2d_equal(a_, b_));
  EXPECT_FALSE(zv_scn_2d_equal(b_, a_));
  zv_scn_2d_assign(b_, a_);
  EXPECT_TRUE(zv_scn_2d_equal(b_, a_));

  Izv_scene* fresh = zv_scn_2d_create();
  Tzv_axes_obj* own_axes = zv_scn_2d_get_axes_ptr(a_);
  zv_scn_2d_assign(a_, fresh);
  EXPECT_EQ(zv_scn_2d_get_axes_ptr(a_), own_axes);
  EXPECT_TRUE(zv_scn_2d_equal(a_, fresh));
  zv_scn_2d_destroy(fresh);
}

TEST_F(LazyScene, InitCurrentStyleRestoresTheDefaultsOfAChangedStyle) {
  Tzv_pln_style* line = zv_scn_2d_get_current_style_pln(a_);
  zv_bpln_style_set_width(zv_pln_style_get_bpln_style_ptr(line), 7.0);
  dynamic_cast<Tzv_scene_2d*>(a_)->init_current_style_pln();
  EXPECT_EQ(zv_scn_2d_get_current_style_pln(a_), line);
  EXPECT_TRUE(zv_pln_style_equal(line, zv_scn_2d_get_current_style_pln(b_)));
}

}  // namespace
