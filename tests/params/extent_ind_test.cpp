// Extent indicator through the exported functions: defaults, links, their
// validation against the entity storage, copies and comparison.
#include <gtest/gtest.h>

#include <memory>

#include "support/test_entities.h"
#include "zv/extent_ind.h"
#include "zv/sibling/entity.h"

namespace {

// An entity found in the entity storage by its uuid.
using Tzv_stored_entity = Tzv_test_item;

// A uuid handle with a fresh value, freed at scope exit.
struct Tuid {
  Tuid() { zv_uuid_generate(u, 0); }
  ~Tuid() { zv_uuid_destroy(u); }
  Tuid(Tuid const&) = delete;
  Tuid& operator=(Tuid const&) = delete;
  Tzv_uuid_t* u = zv_uuid_create();
};

class ExtentInd : public ::testing::Test {
 protected:
  void TearDown() override { zv_extent_ind_destroy(ind_); }
  Tzv_extent_ind2d* ind_ = zv_extent_ind_create();
};

TEST_F(ExtentInd, Defaults) {
  EXPECT_FALSE(zv_extent_ind_get_visible(ind_));
  Tzv_pgn_style* s = zv_extent_ind_get_style(ind_);
  EXPECT_FALSE(zv_pgn_style_get_pgn_visible(s));
  EXPECT_TRUE(zv_pgn_style_get_pln_visible(s));
  EXPECT_EQ(zv_bpln_style_get_width(zv_pgn_style_get_bpln_style_ptr(s)), 1.0);
  EXPECT_EQ(zv_clr_to_int(zv_bpln_style_get_color(zv_pgn_style_get_bpln_style_ptr(s))), 255u);
}

TEST_F(ExtentInd, UpdateLinkAddsOnceAndRemoves) {
  Tuid a, b;
  zv_extent_ind_update_link(ind_, a.u, true);
  zv_extent_ind_update_link(ind_, a.u, true);
  zv_extent_ind_update_link(ind_, b.u, true);
  ASSERT_EQ(zv_extent_ind_get_links_count(ind_), 2u);
  EXPECT_TRUE(zv_uuid_equal(zv_extent_ind_get_link_uid(ind_, 0), a.u));
  EXPECT_NE(zv_extent_ind_get_link_uid(ind_, 0), a.u);  // a copy, not the caller's object
  zv_extent_ind_update_link(ind_, a.u, false);
  ASSERT_EQ(zv_extent_ind_get_links_count(ind_), 1u);
  EXPECT_FALSE(zv_extent_ind_has_link(ind_, a.u));
  EXPECT_TRUE(zv_extent_ind_has_link(ind_, b.u));
  zv_extent_ind_update_link(ind_, a.u, false);  // absent: nothing
  zv_extent_ind_update_link(ind_, b.u, false);
  EXPECT_EQ(zv_extent_ind_get_links_count(ind_), 0u);
}

TEST_F(ExtentInd, LinksCountGrowsWithNewUuidsAndShrinksFromTheEnd) {
  zv_extent_ind_set_links_count(ind_, 3);
  ASSERT_EQ(zv_extent_ind_get_links_count(ind_), 3u);
  Tzv_uuid_t* zero = zv_uuid_create();
  for (unsigned i = 0; i < 3; ++i) EXPECT_TRUE(zv_uuid_equal(zv_extent_ind_get_link_uid(ind_, i), zero));
  Tuid a;
  zv_extent_ind_set_link_uid(ind_, 0, a.u);
  Tzv_uuid_t* first = zv_extent_ind_get_link_uid(ind_, 0);
  zv_extent_ind_set_links_count(ind_, 1);
  ASSERT_EQ(zv_extent_ind_get_links_count(ind_), 1u);
  EXPECT_EQ(zv_extent_ind_get_link_uid(ind_, 0), first);
  EXPECT_TRUE(zv_uuid_equal(first, a.u));
  zv_uuid_destroy(zero);
}

TEST_F(ExtentInd, ValidateKeepsLiveEntitiesInOrder) {
  auto x = std::make_unique<Tzv_stored_entity>();
  auto y = std::make_unique<Tzv_stored_entity>();
  auto z = std::make_unique<Tzv_stored_entity>();
  for (auto* e : {x.get(), y.get(), z.get()}) zv_extent_ind_update_link(ind_, e->get_uuid(), true);
  Tuid unknown;
  zv_extent_ind_update_link(ind_, unknown.u, true);
  y.reset();
  zv_extent_ind_validate_links(ind_);
  ASSERT_EQ(zv_extent_ind_get_links_count(ind_), 2u);
  EXPECT_TRUE(zv_uuid_equal(zv_extent_ind_get_link_uid(ind_, 0), x->get_uuid()));
  EXPECT_TRUE(zv_uuid_equal(zv_extent_ind_get_link_uid(ind_, 1), z->get_uuid()));
}

TEST_F(ExtentInd, AssignCopiesLinksIntoOwnUuidsAndEqualIgnoresLinks) {
  Tuid a, b;
  zv_extent_ind_update_link(ind_, a.u, true);
  zv_extent_ind_update_link(ind_, b.u, true);
  zv_extent_ind_set_visible(ind_, true);
  Tzv_extent_ind2d* copy = zv_extent_ind_create();
  zv_extent_ind_set_links_count(copy, 5);
  EXPECT_FALSE(zv_extent_ind_equal(copy, ind_));
  zv_extent_ind_assign(copy, ind_);
  EXPECT_TRUE(zv_extent_ind_equal(copy, ind_));
  EXPECT_TRUE(zv_extent_ind_get_visible(copy));
  ASSERT_EQ(zv_extent_ind_get_links_count(copy), 2u);
  EXPECT_TRUE(zv_uuid_equal(zv_extent_ind_get_link_uid(copy, 1), b.u));

  zv_uuid_assign(zv_extent_ind_get_link_uid(ind_, 1), a.u);  // later changes of the source stay there
  EXPECT_TRUE(zv_uuid_equal(zv_extent_ind_get_link_uid(copy, 1), b.u));

  zv_extent_ind_set_links_count(copy, 0);
  EXPECT_TRUE(zv_extent_ind_equal(copy, ind_));
  zv_bpln_style_set_width(zv_pgn_style_get_bpln_style_ptr(zv_extent_ind_get_style(copy)), 2.0);
  EXPECT_FALSE(zv_extent_ind_equal(copy, ind_));
  zv_extent_ind_destroy(copy);
}

TEST_F(ExtentInd, OutOfRangeIndexesAndNullUuidsAreIgnored) {
  Tuid a;
  zv_extent_ind_set_links_count(ind_, 1);
  EXPECT_EQ(zv_extent_ind_get_link_uid(ind_, 1), nullptr);
  EXPECT_EQ(zv_extent_ind_get_link_uid(ind_, 0xFFFFFFFFu), nullptr);
  zv_extent_ind_set_link_uid(ind_, 1, a.u);
  EXPECT_EQ(zv_extent_ind_get_links_count(ind_), 1u);
  EXPECT_FALSE(zv_extent_ind_has_link(ind_, a.u));
  zv_extent_ind_set_link_uid(ind_, 0, nullptr);
  zv_extent_ind_update_link(ind_, nullptr, true);
  EXPECT_EQ(zv_extent_ind_get_links_count(ind_), 1u);
  EXPECT_FALSE(zv_extent_ind_has_link(ind_, nullptr));
}

}  // namespace
