// Lookmarks and lookmark lists through the exported functions: captions and
// zoom values, the active-index rules, swaps, deletions, copies, comparisons
// and out-of-range or null arguments.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "zv/lookmarks.h"

namespace {

std::array<double, 4> zoom_of(Tzv_lookmark2d const* m) {
  std::array<double, 4> z{-1, -1, -1, -1};
  zv_lookmark_get_zoom(m, &z[0], &z[1], &z[2], &z[3]);
  return z;
}

std::wstring caption_by_adapter(Tzv_lookmark2d const* m) {
  std::wstring out = L"<untouched>";
  auto const wide = [](wchar_t const* s, void* data) { *static_cast<std::wstring*>(data) = s ? s : L""; };
  Izv_string_adp* adp = zv_string_adp_create(nullptr, wide, &out);
  zv_lookmark_get_caption_adp(m, adp);
  zv_string_adp_destroy(adp);
  return out;
}

// A list with entries captioned by the letters of `names`.
struct list_fixture : ::testing::Test {
  Tzv_lookmarks2d* list = zv_lookmarks_create();
  ~list_fixture() override { zv_lookmarks_destroy(list); }

  void fill(std::wstring const& names) {
    for (wchar_t c : names) zv_lookmark_set_caption(zv_lookmarks_add_ptr(list), std::wstring(1, c).c_str());
  }
  // The captions in order, e.g. L"PQR".
  std::wstring order() const {
    std::wstring out;
    for (uint32_t i = 0; i < zv_lookmarks_get_size(list); ++i) out += zv_lookmark_get_caption(zv_lookmarks_get_ptr(list, i));
    return out;
  }
  std::wstring active() const {
    Tzv_lookmark2d* m = zv_lookmarks_get_active_ptr(list);
    return m ? zv_lookmark_get_caption(m) : L"-";
  }
};

}  // namespace

TEST(Lookmark, CaptionZoomCopyAndCompare) {
  Tzv_lookmark2d* a = zv_lookmark_create();
  EXPECT_STREQ(zv_lookmark_get_caption(a), L"");
  EXPECT_EQ(zoom_of(a), (std::array<double, 4>{0, 0, 1, 1}));
  zv_lookmark_set_caption(a, L"Harbour");
  zv_lookmark_set_zoom(a, 5, -2, 1, 0.5);  // stored unordered, unchecked
  EXPECT_STREQ(zv_lookmark_get_caption(a), L"Harbour");
  EXPECT_EQ(caption_by_adapter(a), L"Harbour");
  EXPECT_EQ(zoom_of(a), (std::array<double, 4>{5, -2, 1, 0.5}));

  Tzv_lookmark2d* b = zv_lookmark_create();
  EXPECT_FALSE(zv_lookmark_equal(a, b));
  zv_lookmark_assign(b, a);
  EXPECT_TRUE(zv_lookmark_equal(a, b));
  zv_lookmark_set_caption(b, L"harbour");  // case-sensitive
  EXPECT_FALSE(zv_lookmark_equal(a, b));
  zv_lookmark_set_caption(b, L"Harbour");
  zv_lookmark_set_zoom(b, 5, -2, 1, 0.25);
  EXPECT_FALSE(zv_lookmark_equal(a, b));
  zv_lookmark_set_caption(a, L"");
  EXPECT_STREQ(zv_lookmark_get_caption(a), L"");
  zv_lookmark_destroy(b);
  zv_lookmark_destroy(a);
}

TEST_F(list_fixture, NewListIsEmptyAndIgnoresIndexes) {
  EXPECT_EQ(zv_lookmarks_get_size(list), 0u);
  EXPECT_EQ(zv_lookmarks_get_active_idx(list), -1);
  EXPECT_EQ(zv_lookmarks_get_active_ptr(list), nullptr);
  EXPECT_EQ(zv_lookmarks_get_ptr(list, 0), nullptr);
  zv_lookmarks_delete_item(list, 0);
  zv_lookmarks_swap_items(list, 0, 0);
  EXPECT_EQ(zv_lookmarks_get_size(list), 0u);
}

TEST_F(list_fixture, AddedEntriesHaveDefaultsAndKeepTheActiveIndex) {
  fill(L"PQ");
  zv_lookmarks_set_active_idx(list, 0);
  Tzv_lookmark2d* r = zv_lookmarks_add_ptr(list);
  EXPECT_EQ(zv_lookmarks_get_size(list), 3u);
  EXPECT_EQ(zv_lookmarks_get_ptr(list, 2), r);
  EXPECT_STREQ(zv_lookmark_get_caption(r), L"");
  EXPECT_EQ(zoom_of(r), (std::array<double, 4>{0, 0, 1, 1}));
  EXPECT_EQ(zv_lookmarks_get_active_idx(list), 0);
  EXPECT_EQ(zv_lookmarks_find_ptr(list, r), 2);
  EXPECT_EQ(zv_lookmarks_get_ptr(list, 3), nullptr);
  EXPECT_EQ(zv_lookmarks_get_ptr(list, 0xFFFFFFFFu), nullptr);
}

TEST_F(list_fixture, StoredActiveIndexReadsAsNoneUntilItIsInRange) {
  fill(L"PQR");
  zv_lookmarks_set_active_idx(list, 5);
  EXPECT_EQ(zv_lookmarks_get_active_idx(list), -1);
  EXPECT_EQ(zv_lookmarks_get_active_ptr(list), nullptr);
  fill(L"STU");
  EXPECT_EQ(zv_lookmarks_get_active_idx(list), 5);
  EXPECT_EQ(active(), L"U");
  zv_lookmarks_set_active_idx(list, -7);
  EXPECT_EQ(zv_lookmarks_get_active_idx(list), -1);
}

TEST_F(list_fixture, DeletingMovesTheActiveIndexWithItsEntry) {
  struct deletion {
    uint32_t index;
    wchar_t const* order;
    int32_t active_idx;
    wchar_t const* active;
  };
  // Entries P, Q, R with Q active.
  for (deletion const& d : {deletion{0, L"QR", 0, L"Q"}, deletion{1, L"PR", -1, L"-"}, deletion{2, L"PQ", 1, L"Q"},
                            deletion{3, L"PQR", 1, L"Q"}}) {
    zv_lookmarks_clear(list);
    fill(L"PQR");
    zv_lookmarks_set_active_idx(list, 1);
    Tzv_lookmark2d* q = zv_lookmarks_get_ptr(list, 1);
    zv_lookmarks_delete_item(list, d.index);
    EXPECT_EQ(order(), d.order) << d.index;
    EXPECT_EQ(zv_lookmarks_get_active_idx(list), d.active_idx) << d.index;
    EXPECT_EQ(active(), d.active) << d.index;
    if (d.index != 1) {
      EXPECT_EQ(zv_lookmarks_find_ptr(list, q), d.active_idx);  // the object did not move
    }
  }
}

TEST_F(list_fixture, SwappingCarriesTheActiveEntry) {
  fill(L"PQR");
  Tzv_lookmark2d* p = zv_lookmarks_get_ptr(list, 0);
  zv_lookmarks_set_active_idx(list, 0);
  zv_lookmarks_swap_items(list, 0, 1);
  EXPECT_EQ(order(), L"QPR");
  EXPECT_EQ(zv_lookmarks_get_active_idx(list), 1);
  EXPECT_EQ(zv_lookmarks_get_active_ptr(list), p);
  zv_lookmarks_swap_items(list, 2, 1);
  EXPECT_EQ(order(), L"QRP");
  EXPECT_EQ(zv_lookmarks_get_active_idx(list), 2);
  zv_lookmarks_swap_items(list, 0, 1);  // the active entry is not involved
  EXPECT_EQ(order(), L"RQP");
  EXPECT_EQ(zv_lookmarks_get_active_idx(list), 2);
  zv_lookmarks_swap_items(list, 0, 3);
  zv_lookmarks_swap_items(list, 7, 0);
  EXPECT_EQ(order(), L"RQP");
}

TEST_F(list_fixture, ActivePointerIsFoundByIdentity) {
  fill(L"PQ");
  Tzv_lookmark2d* q = zv_lookmarks_get_ptr(list, 1);
  zv_lookmarks_set_active_ptr(list, q);
  EXPECT_EQ(zv_lookmarks_get_active_idx(list), 1);

  // An equal free-standing lookmark is not a member.
  Tzv_lookmark2d* copy = zv_lookmark_create();
  zv_lookmark_assign(copy, q);
  EXPECT_EQ(zv_lookmarks_find_ptr(list, copy), -1);
  zv_lookmarks_set_active_ptr(list, copy);
  EXPECT_EQ(zv_lookmarks_get_active_idx(list), -1);
  zv_lookmarks_set_active_ptr(list, q);
  zv_lookmarks_set_active_ptr(list, nullptr);
  EXPECT_EQ(zv_lookmarks_get_active_ptr(list), nullptr);
  EXPECT_EQ(zv_lookmarks_find_ptr(list, nullptr), -1);
  zv_lookmark_destroy(copy);

  zv_lookmarks_set_active_idx(list, 0);
  zv_lookmarks_clear(list);
  EXPECT_EQ(zv_lookmarks_get_size(list), 0u);
  fill(L"PQ");
  EXPECT_EQ(zv_lookmarks_get_active_idx(list), -1);  // clear forgot the active entry
}

TEST_F(list_fixture, AssignCopiesEntriesAndNormalisedActiveIndex) {
  fill(L"PQR");
  zv_lookmark_set_zoom(zv_lookmarks_get_ptr(list, 1), 1, 2, 3, 4);
  zv_lookmarks_set_active_idx(list, 2);
  Tzv_lookmarks2d* copy = zv_lookmarks_create();
  zv_lookmark_set_caption(zv_lookmarks_add_ptr(copy), L"old");
  zv_lookmarks_assign(copy, list);
  EXPECT_TRUE(zv_lookmarks_equal(copy, list));
  EXPECT_EQ(zv_lookmarks_get_size(copy), 3u);
  EXPECT_EQ(zv_lookmarks_get_active_idx(copy), 2);
  EXPECT_NE(zv_lookmarks_get_ptr(copy, 1), zv_lookmarks_get_ptr(list, 1));
  EXPECT_EQ(zoom_of(zv_lookmarks_get_ptr(copy, 1)), (std::array<double, 4>{1, 2, 3, 4}));

  // Equal entries, different active index: not equal.
  zv_lookmarks_set_active_idx(copy, 0);
  EXPECT_FALSE(zv_lookmarks_equal(copy, list));
  // An out-of-range stored index equals -1, and is copied as -1.
  zv_lookmarks_set_active_idx(copy, 9);
  zv_lookmarks_set_active_idx(list, -1);
  EXPECT_TRUE(zv_lookmarks_equal(copy, list));
  zv_lookmarks_assign(list, copy);
  fill(L"STUVWXY");
  EXPECT_EQ(zv_lookmarks_get_active_idx(list), -1);
  EXPECT_FALSE(zv_lookmarks_equal(copy, list));  // sizes differ
  zv_lookmarks_destroy(copy);
}

TEST_F(list_fixture, SelfAssignLeavesTheListAsItWas) {
  fill(L"PQR");
  zv_lookmarks_set_active_idx(list, 1);
  Tzv_lookmark2d* q = zv_lookmarks_get_ptr(list, 1);
  zv_lookmarks_assign(list, list);
  EXPECT_EQ(order(), L"PQR");
  EXPECT_EQ(zv_lookmarks_get_ptr(list, 1), q);
  EXPECT_EQ(zv_lookmarks_get_active_idx(list), 1);
}

TEST(LookmarksGuards, NullHandlesAndArgumentsDoNothing) {
  zv_lookmark_destroy(nullptr);
  zv_lookmarks_destroy(nullptr);
  EXPECT_STREQ(zv_lookmark_get_caption(nullptr), L"");
  EXPECT_EQ(caption_by_adapter(nullptr), L"<untouched>");
  zv_lookmark_set_caption(nullptr, L"x");
  zv_lookmark_set_zoom(nullptr, 1, 2, 3, 4);
  EXPECT_EQ(zoom_of(nullptr), (std::array<double, 4>{-1, -1, -1, -1}));
  EXPECT_FALSE(zv_lookmark_equal(nullptr, nullptr));

  Tzv_lookmark2d* m = zv_lookmark_create();
  zv_lookmark_set_caption(m, L"kept");
  zv_lookmark_set_caption(m, nullptr);
  EXPECT_STREQ(zv_lookmark_get_caption(m), L"kept");
  zv_lookmark_get_caption_adp(m, nullptr);
  zv_lookmark_assign(m, nullptr);
  zv_lookmark_assign(nullptr, m);
  EXPECT_FALSE(zv_lookmark_equal(m, nullptr));
  double z0 = -1;
  zv_lookmark_get_zoom(m, &z0, nullptr, nullptr, nullptr);
  EXPECT_EQ(z0, 0.0);
  zv_lookmark_destroy(m);

  EXPECT_EQ(zv_lookmarks_get_size(nullptr), 0u);
  EXPECT_EQ(zv_lookmarks_get_ptr(nullptr, 0), nullptr);
  EXPECT_EQ(zv_lookmarks_add_ptr(nullptr), nullptr);
  EXPECT_EQ(zv_lookmarks_find_ptr(nullptr, nullptr), -1);
  EXPECT_EQ(zv_lookmarks_get_active_idx(nullptr), -1);
  EXPECT_EQ(zv_lookmarks_get_active_ptr(nullptr), nullptr);
  zv_lookmarks_set_active_idx(nullptr, 0);
  zv_lookmarks_set_active_ptr(nullptr, nullptr);
  zv_lookmarks_delete_item(nullptr, 0);
  zv_lookmarks_swap_items(nullptr, 0, 1);
  zv_lookmarks_clear(nullptr);
  Tzv_lookmarks2d* list = zv_lookmarks_create();
  zv_lookmarks_add_ptr(list);
  zv_lookmarks_assign(list, nullptr);
  zv_lookmarks_assign(nullptr, list);
  EXPECT_EQ(zv_lookmarks_get_size(list), 1u);
  EXPECT_FALSE(zv_lookmarks_equal(list, nullptr));
  EXPECT_FALSE(zv_lookmarks_equal(nullptr, nullptr));
  zv_lookmarks_destroy(list);
}
