// Extent indicator through the exported functions: defaults, links, their
// validation against the entity storage, copies and comparison.
#include <gtest/gtest.h>

#include <memory>

#include "zv/extent_ind.h"
#include "zv/sibling/entity.h"

namespace {

// An entity that exists only to be found in the entity storage by its uuid.
class Tzv_stored_entity final : public Izv_entity {
 public:
  Tzv_stored_entity() : uuid_(zv_uuid_create()) {
    zv_uuid_generate(uuid_, 0);
    zv_entity_storage_add(this);
  }
  ~Tzv_stored_entity() override {
    zv_entity_storage_remove(this);
    zv_uuid_destroy(uuid_);
  }
  Tzv_stored_entity(Tzv_stored_entity const&) = delete;
  Tzv_stored_entity& operator=(Tzv_stored_entity const&) = delete;

  Tzv_uuid_t* get_uuid() override { return uuid_; }

  void begin_update() override {}
  void end_update() override {}
  Tzv_event_channel* get_update_event_channel() override { return nullptr; }
  char const* get_caption() override { return ""; }
  void set_caption(char const*) override {}
  void get_wcaption(Izv_string_adp*) override {}
  void set_wcaption(wchar_t const*) override {}
  void set_uuid(Tzv_uuid_t*) override {}
  void get_group_id(Izv_string_adp*) override {}
  void set_group_id(wchar_t const*) override {}
  bool get_marked() override { return false; }
  void set_marked(bool) override {}
  bool can_remove() override { return true; }
  int32_t is_occupied(Izv_string_adp*) override { return 0; }
  bool deoccupy(Izv_string_adp*) override { return true; }
  Tzv_valid_state validate() override { return 0; }
  Tzv_valid_state is_valid() override { return 0; }
  void set_valid(Tzv_valid_state) override {}
  Izv_entity* get_parent() override { return nullptr; }
  void set_parent(Izv_entity*) override {}
  uint32_t get_index() override { return zv_no_index; }
  Izv_entity* get_bind_entity(uint32_t) override { return nullptr; }
  uint32_t get_bind_count() override { return 0; }
  char const* get_meta_id() override { return "TestStoredEntityMetaID"; }
  Izv_entity* get_active() override { return nullptr; }
  void set_active(Izv_entity*) override {}
  uint32_t get_active_index() override { return zv_no_index; }
  void set_active_index(uint32_t) override {}
  Tzv_meta_data_obj* get_meta_data_ptr() override { return nullptr; }
  void set_meta_data(Tzv_meta_data_obj*) override {}
  void begin_update_recursive() override {}
  void end_update_recursive() override {}

 private:
  Tzv_uuid_t* uuid_;
};

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
  EXPECT_EQ(zv_extent_ind_get_links_count(ind_), 0u);
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

TEST_F(ExtentInd, OutOfRangeIndexesAndNullHandlesAreIgnored) {
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

  zv_extent_ind_destroy(nullptr);
  zv_extent_ind_assign(nullptr, ind_);
  zv_extent_ind_assign(ind_, nullptr);
  EXPECT_FALSE(zv_extent_ind_equal(nullptr, ind_));
  EXPECT_FALSE(zv_extent_ind_get_visible(nullptr));
  zv_extent_ind_set_visible(nullptr, true);
  EXPECT_EQ(zv_extent_ind_get_style(nullptr), nullptr);
  EXPECT_EQ(zv_extent_ind_get_links_count(nullptr), 0u);
  zv_extent_ind_set_links_count(nullptr, 3);
  EXPECT_EQ(zv_extent_ind_get_link_uid(nullptr, 0), nullptr);
  zv_extent_ind_set_link_uid(nullptr, 0, a.u);
  EXPECT_FALSE(zv_extent_ind_has_link(nullptr, a.u));
  zv_extent_ind_update_link(nullptr, a.u, true);
  zv_extent_ind_validate_links(nullptr);
}

}  // namespace
