// The caption index: counted captions, and the smallest free number of a
// numbered family as captions come and go.
#include <gtest/gtest.h>

#include "core/caption_index.h"

TEST(CaptionIndex, SmallestFreeNumberFollowsAddsAndRemovals) {
  Tzv_caption_index index;
  for (wchar_t const* c : {L"Map 1", L"Map 2", L"Map 3", L"Map 3"}) index.add(c);
  EXPECT_EQ(index.first_free(L"Map", L"%ls %d", 1), L"Map 4");
  index.remove(L"Map 3");  // one of two bearers left: still taken
  EXPECT_EQ(index.first_free(L"Map", L"%ls %d", 1), L"Map 4");
  index.remove(L"Map 2");
  EXPECT_EQ(index.first_free(L"Map", L"%ls %d", 1), L"Map 2");
  index.add(L"Map 2");
  index.remove(L"Map 1");
  EXPECT_EQ(index.first_free(L"Map", L"%ls %d", 1), L"Map 1");
  index.remove(L"never there");  // ignored
  EXPECT_TRUE(index.contains(L"Map 3"));
}

TEST(CaptionIndex, OnlyTheCanonicalNumberBelongsToAFamily) {
  Tzv_caption_index index;
  EXPECT_EQ(index.first_free(L"A", L"%ls(%d)", 0), L"A(0)");
  for (wchar_t const* c : {L"A(0)", L"A(01)", L"A(+1)", L"A(1"}) index.add(c);
  EXPECT_EQ(index.first_free(L"A", L"%ls(%d)", 0), L"A(1)");
  index.add(L"A(1)");
  index.remove(L"A(01)");  // not "A(1)": the family's hint stays
  EXPECT_EQ(index.first_free(L"A", L"%ls(%d)", 0), L"A(2)");
  EXPECT_EQ(index.first_free(L"-", L"%ls%d", -2), L"--2");
}

TEST(CaptionIndex, FormatsWithoutExactlyOneNumberAreLeftToTheCaller) {
  Tzv_caption_index index;
  EXPECT_EQ(index.first_free(L"B", L"%ls", 1), std::nullopt);
  EXPECT_EQ(index.first_free(L"B", L"%d-%d", 1), std::nullopt);
  EXPECT_EQ(index.first_free(L"B", L"100%% %s %d", 1), L"100% B 1");
}
