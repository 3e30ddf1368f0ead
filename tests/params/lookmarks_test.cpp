// Lookmarks and lookmark lists through the exported functions: captions and
// zoom values, the active-index rules, swaps, deletions, copies, comparisons
// and out-of-range indexes.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "zv/lookmarks.h"

namespace {

using zoom = std::array<double, 4>;

zoom zoom_of(Tzv_lookmark2d const* m) {
  zoom z{-1, -1, -1, -1};
  zv_lookmark_get_zoom(m, &z[0], &z[1], &z[2], &z[3]);
  return z;
}

std::wstring caption_by_adapter(Tzv_lookmark2d const* m) {
  std::wstring out = L"<untouched>";
  auto const wide = [](wchar_t const* s, void* data) { *static_cast<std::wstring*>(data) = s; };
  Izv_string_adp* adp = zv_string_adp_create(nullptr, wide, &out);
  zv_lookmark_get_caption_adp(m, adp);
  zv_string_adp_destroy(adp);
  return out;
}

// A list of entries captioned by single letters; `state()` shows the order
// and the active entry, e.g. "PQR Q".
struct lookmarks : ::testing::Test {
  Tzv_lookmarks2d* list = zv_lookmarks_create();
  ~lookmarks() override { zv_lookmarks_destroy(list); }

  void fill(std::wstring const& names) {
    for (wchar_t c : names) zv_lookmark_set_caption(zv_lookmarks_add_ptr(list), std::wstring(1, c).c_str());
  }
  Tzv_lookmark2d* at(uint32_t i) const { return zv_lookmarks_get_ptr(list, i); }
  std::wstring state() const {
    std::wstring out;
    for (uint32_t i = 0; i < zv_lookmarks_get_size(list); ++i) out += zv_lookmark_get_caption(at(i));
    Tzv_lookmark2d* active = zv_lookmarks_get_active_ptr(list);
    return out + L" " + (active ? zv_lookmark_get_caption(active) : L"-");
  }
};

}  // namespace

TEST(Lookmark, CaptionZoomCopyAndCompare) {
  Tzv_lookmark2d* a = zv_lookmark_create();
  EXPECT_STREQ(zv_lookmark_get_caption(a), L"");
  EXPECT_EQ(zoom_of(a), (zoom{0, 0, 1, 1}));
  zv_lookmark_set_caption(a, L"Harbour");
  zv_lookmark_set_zoom(a, 5, -2, 1, 0.5);  // neither ordered nor checked
  EXPECT_EQ(caption_by_adapter(a), L"Harbour");
  EXPECT_EQ(zoom_of(a), (zoom{5, -2, 1, 0.5}));
  Tzv_lookmark2d* b = zv_lookmark_create();
  zv_lookmark_assign(b, a);
  EXPECT_TRUE(zv_lookmark_equal(a, b));
  zv_lookmark_set_caption(b, L"harbour");  // case-sensitive
  EXPECT_FALSE(zv_lookmark_equal(a, b));
  zv_lookmark_assign(b, a);
  zv_lookmark_set_zoom(b, 5, -2, 1, 0.25);
  EXPECT_FALSE(zv_lookmark_equal(a, b));
  zv_lookmark_destroy(b);
  zv_lookmark_destroy(a);
}

TEST_F(lookmarks, ActiveIndexIsStoredAsGivenAndReadNormalised) {
  EXPECT_EQ(zv_lookmarks_get_active_idx(list), -1);
  EXPECT_EQ(zv_lookmarks_get_active_ptr(list), nullptr);
  fill(L"PQR");
  zv_lookmarks_set_active_idx(list, 5);
  EXPECT_EQ(zv_lookmarks_get_active_idx(list), -1);
  fill(L"STU");  // adding keeps the stored index, which now fits
  EXPECT_EQ(state(), L"PQRSTU U");
  EXPECT_EQ(zv_lookmarks_get_active_idx(list), 5);
  zv_lookmarks_set_active_ptr(list, at(1));
  EXPECT_EQ(state(), L"PQRSTU Q");
  Tzv_lookmark2d* copy = zv_lookmark_create();  // equal, but no member
  zv_lookmark_assign(copy, at(1));
  EXPECT_EQ(zv_lookmarks_find_ptr(list, copy), -1);
  zv_lookmarks_set_active_ptr(list, copy);
  EXPECT_EQ(zv_lookmarks_get_active_idx(list), -1);
  zv_lookmark_destroy(copy);
  zv_lookmarks_set_active_idx(list, 0);
  zv_lookmarks_clear(list);
  fill(L"PQ");
  EXPECT_EQ(state(), L"PQ -");
}

TEST_F(lookmarks, DeletingAndSwappingCarryTheActiveEntry) {
  // Entries P, Q, R with Q active; deleting index i gives the state shown.
  wchar_t const* const after_delete[] = {L"QR Q", L"PR -", L"PQ Q", L"PQR Q"};
  for (uint32_t i = 0; i < 4; ++i) {
    zv_lookmarks_clear(list);
    fill(L"PQR");
    zv_lookmarks_set_active_idx(list, 1);
    zv_lookmarks_delete_item(list, i);
    EXPECT_EQ(state(), after_delete[i]) << i;
  }
  zv_lookmarks_clear(list);
  fill(L"PQR");
  Tzv_lookmark2d* p = at(0);
  zv_lookmarks_set_active_idx(list, 0);
  zv_lookmarks_swap_items(list, 0, 1);
  EXPECT_EQ(state(), L"QPR P");
  EXPECT_EQ(zv_lookmarks_get_active_idx(list), 1);
  EXPECT_EQ(at(1), p);  // entries move, the objects do not
  zv_lookmarks_swap_items(list, 2, 1);
  zv_lookmarks_swap_items(list, 0, 1);
  EXPECT_EQ(state(), L"RQP P");
  zv_lookmarks_swap_items(list, 0, 3);
  zv_lookmarks_swap_items(list, 7, 0);
  EXPECT_EQ(state(), L"RQP P");
}

TEST_F(lookmarks, AssignAndEqualUseTheNormalisedActiveIndex) {
  fill(L"PQR");
  zv_lookmark_set_zoom(at(1), 1, 2, 3, 4);
  zv_lookmarks_set_active_idx(list, 2);
  Tzv_lookmarks2d* copy = zv_lookmarks_create();
  zv_lookmarks_add_ptr(copy);
  zv_lookmarks_assign(copy, list);
  EXPECT_TRUE(zv_lookmarks_equal(copy, list));
  EXPECT_NE(zv_lookmarks_get_ptr(copy, 1), at(1));
  EXPECT_EQ(zoom_of(zv_lookmarks_get_ptr(copy, 1)), (zoom{1, 2, 3, 4}));
  zv_lookmarks_set_active_idx(copy, 0);
  EXPECT_FALSE(zv_lookmarks_equal(copy, list));
  zv_lookmarks_set_active_idx(copy, 9);
  zv_lookmarks_set_active_idx(list, -1);
  EXPECT_TRUE(zv_lookmarks_equal(copy, list));
  zv_lookmarks_assign(list, copy);  // the out-of-range index arrives as -1
  fill(L"STUVWXY");
  EXPECT_EQ(zv_lookmarks_get_active_idx(list), -1);
  zv_lookmarks_destroy(copy);

  zv_lookmarks_set_active_idx(list, 1);
  Tzv_lookmark2d* q = at(1);
  zv_lookmarks_assign(list, list);
  EXPECT_EQ(state(), L"PQRSTUVWXY Q");
  EXPECT_EQ(at(1), q);
}

TEST_F(lookmarks, NullArgumentsAndOutOfRangeIndexesDoNothing) {
  EXPECT_EQ(caption_by_adapter(nullptr), L"<untouched>");
  zv_lookmarks_delete_item(list, 0);
  zv_lookmarks_swap_items(list, 0, 0);
  fill(L"P");
  zv_lookmark_set_caption(at(0), nullptr);
  zv_lookmark_get_caption_adp(at(0), nullptr);
  zv_lookmarks_assign(list, nullptr);
  EXPECT_EQ(zv_lookmarks_get_ptr(list, 1), nullptr);
  EXPECT_EQ(zv_lookmarks_get_ptr(list, 0xFFFFFFFFu), nullptr);
  EXPECT_EQ(state(), L"P -");
}
