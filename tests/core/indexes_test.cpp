// The caption index (the smallest free number of a numbered family as
// captions come and go) and the pointer set behind the layer order check.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "core/caption_index.h"
#include "core/pointer_set.h"

// Each step adds and removes captions, then asks for the first free caption
// of (base, format, first): none where the format holds not exactly one number.
TEST(CaptionIndex, SmallestFreeNumberFollowsAddsAndRemovals) {
  using Tstep = std::tuple<std::vector<wchar_t const*>, std::vector<wchar_t const*>, wchar_t const*, wchar_t const*,
                           int32_t, std::optional<std::wstring>>;
  Tstep const steps[] = {
      {{L"Map 1", L"Map 2", L"Map 3", L"Map 3"}, {}, L"Map", L"%ls %d", 1, L"Map 4"},
      {{}, {L"Map 3", L"never there"}, L"Map", L"%ls %d", 1, L"Map 4"},  // one of two bearers left: still taken
      {{}, {L"Map 2"}, L"Map", L"%ls %d", 1, L"Map 2"},
      {{L"Map 2"}, {L"Map 1"}, L"Map", L"%ls %d", 1, L"Map 1"},
      {{}, {}, L"A", L"%ls(%d)", 0, L"A(0)"},
      {{L"A(0)", L"A(01)", L"A(+1)", L"A(1"}, {}, L"A", L"%ls(%d)", 0, L"A(1)"},  // only canonical numbers count
      {{L"A(1)"}, {L"A(01)"}, L"A", L"%ls(%d)", 0, L"A(2)"},                      // not "A(1)": the family's hint stays
      {{}, {}, L"-", L"%ls%d", -2, L"--2"},
      {{}, {}, L"B", L"%ls", 1, std::nullopt},
      {{}, {}, L"B", L"%d-%d", 1, std::nullopt},
      {{}, {}, L"B", L"100%% %s %d", 1, L"100% B 1"},
  };
  Tzv_caption_index index;
  for (auto const& [add, remove, base, format, first, expected] : steps) {
    for (wchar_t const* c : add) index.add(c);
    for (wchar_t const* c : remove) index.remove(c);
    EXPECT_EQ(index.first_free(base, format, first), expected) << base << format;
  }
  EXPECT_TRUE(index.contains(L"Map 3"));
}

// Every pointer can be taken once, absent ones and null never, and taking
// in an order other than the filling one keeps later probes intact.
TEST(PointerSet, EachPointerIsTakenOnce) {
  EXPECT_EQ(zv::core::Tzv_pointer_set(std::vector<int*>{}).size(), 0u);
  std::array<int, 600> objects{};
  std::vector<int*> items{&objects[7], nullptr};  // a repeat counts once, null is never held
  for (int& o : objects) items.push_back(&o);
  zv::core::Tzv_pointer_set set(items);
  EXPECT_EQ(set.size(), objects.size());
  int outside = 0;
  EXPECT_FALSE(set.take(nullptr) || set.take(&outside));
  for (size_t i = objects.size(); i-- > 0;) ASSERT_TRUE(set.take(&objects[i])) << i;
  EXPECT_EQ(set.size(), 0u);
  for (int& o : objects) EXPECT_FALSE(set.take(&o));
}
