// Style stand-in: sub-styles, complex line layers, deep copy and comparison.
#include <gtest/gtest.h>

#include "support/null_rule.h"
#include "zv/sibling/styles.h"

namespace {

bool same(Tzv_color a, Tzv_color b) { return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a; }

TEST(Styles, ComplexLineLayersAreCopiedAndComparedDeeply) {
  Tzv_pgn_style* a = zv_pgn_style_create();
  Tzv_pgn_style* b = zv_pgn_style_create();
  Tzv_bpln_style* bpln = zv_pgn_style_get_bpln_style_ptr(a);
  zv_bpln_style_set_use_complex(bpln, true);
  Tzv_style_lrs* lrs = zv_cpx_style_get_style_lrs_ptr(zv_bpln_style_get_complex_style(bpln));
  Tzv_style_lr* first = zv_style_lrs_add_lr(lrs, ZV_PLN_LINE_STYLE_LR);
  ASSERT_NE(first, nullptr);
  zv_pln_line_lr_set_width(first, 2.0);
  zv_style_lrs_add_lr(lrs, ZV_PLN_LINE_STYLE_LR);  // earlier layer pointers stay valid
  zv_pln_line_lr_set_delta(first, -1.0);
  EXPECT_EQ(zv_style_lrs_add_lr(lrs, "no_such_slr"), nullptr);

  zv_pgn_style_assign(b, a);
  EXPECT_TRUE(zv_pgn_style_equal(a, b));
  Tzv_style_lrs* blrs =
      zv_cpx_style_get_style_lrs_ptr(zv_bpln_style_get_complex_style(zv_pgn_style_get_bpln_style_ptr(b)));
  ASSERT_EQ(zv_style_lrs_get_count(blrs), 2);
  Tzv_style_lr* bfirst = zv_style_lrs_get_lr(blrs, 0);
  EXPECT_STREQ(zv_style_lr_get_type(bfirst), ZV_PLN_LINE_STYLE_LR);
  EXPECT_EQ(zv_pln_line_lr_get_width(bfirst), 2.0);
  EXPECT_EQ(zv_pln_line_lr_get_delta(bfirst), -1.0);

  zv_pln_line_lr_set_color(bfirst, Tzv_color{1, 2, 3, 0});  // the copy is the target's own
  EXPECT_FALSE(zv_pgn_style_equal(a, b));
  EXPECT_EQ(zv_style_lrs_get_lr(blrs, 2), nullptr);
  zv_pgn_style_destroy(a);
  zv_pgn_style_destroy(b);
}

TEST(Styles, EveryFlagAndSubStyleTakesPartInEquality) {
  Tzv_pgn_style* a = zv_pgn_style_create();
  Tzv_pgn_style* b = zv_pgn_style_create();
  zv_pgn_style_set_pgn_visible(a, false);
  EXPECT_FALSE(zv_pgn_style_equal(a, b));
  zv_pgn_style_set_pgn_visible(a, true);
  zv_pgn_style_set_pln_visible(b, false);
  EXPECT_FALSE(zv_pgn_style_equal(a, b));
  zv_pgn_style_set_pln_visible(b, true);
  zv_bpgn_style_set_color(zv_pgn_style_get_bpgn_style_ptr(a), Tzv_color{9, 9, 9, 0});
  EXPECT_FALSE(zv_pgn_style_equal(a, b));
  zv_pgn_style_destroy(a);
  zv_pgn_style_destroy(b);

  Tzv_pnt_style* p = zv_pnt_style_create();
  Tzv_pnt_style* q = zv_pnt_style_create();
  zv_bpnt_style_set_size(zv_pnt_style_get_bpnt_style_ptr(p), 7.5);
  EXPECT_FALSE(zv_pnt_style_equal(p, q));
  zv_pnt_style_assign(q, p);
  EXPECT_TRUE(zv_pnt_style_equal(p, q));
  zv_pnt_style_destroy(p);
  zv_pnt_style_destroy(q);
}

// The selected look differs from the default one, in one colour for all.
TEST(Styles, SelectedLookUsesTheSelectionColour) {
  Tzv_color sel{};
  zv_clr_style_init_selected(&sel);
  Tzv_pln_style* l = zv_pln_style_create();
  Tzv_pln_style* plain = zv_pln_style_create();
  Tzv_pgn_style* g = zv_pgn_style_create();
  zv_pln_style_init_selected(l);
  zv_pgn_style_init_selected(g);
  EXPECT_FALSE(zv_pln_style_equal(l, plain));
  EXPECT_TRUE(same(zv_bpln_style_get_color(zv_pln_style_get_bpln_style_ptr(l)), sel));
  EXPECT_TRUE(same(zv_bpln_style_get_color(zv_pgn_style_get_bpln_style_ptr(g)), sel));
  zv_pln_style_destroy(l);
  zv_pln_style_destroy(plain);
  zv_pgn_style_destroy(g);
}

TEST(Styles, NullHandlesAreIgnored) {
  zv_call_each_on_null(zv_pgn_style_destroy, zv_pgn_style_assign, zv_bpln_style_set_width, zv_clr_style_init_selected);
  zv_expect_each_zero_on_null(zv_pgn_style_equal, zv_pgn_style_get_bpln_style_ptr, zv_style_lrs_add_lr);
  EXPECT_STREQ(zv_style_lr_get_type(nullptr), "");
}

}  // namespace
