// The encoding table, its conversions, the string adapters' sinks, the
// caption index and the pointer set behind the layer order check.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "core/caption_index.h"
#include "core/pointer_set.h"
#include "core/string_adapters.h"
#include "text/encodings.h"

using zv::text::decode, zv::text::encode;

// Every row round-trips a text its code page holds (plain ASCII on the system
// page, which differs between platforms). The CP1255 and CP1258 texts end in
// a letter a following mark could combine with, and that letter also stands
// alone: decoders holding it back must still hand it out at the end.
TEST(Encodings, EveryRowRoundTrips) {
  std::map<int, std::vector<std::wstring>> const samples = {
      {0, {L"Gr\u00fc\u00dfe \u0416 \u20ac\U0001F600"}},
      {7, {L"\u017elu\u0165ou\u010dk\u00fd k\u016f\u0148"}},
      {8, {L"\u041f\u0440\u0438\u0432\u0435\u0442"}},
      {9, {L"na\u00efve caf\u00e9 \u20ac"}},
      {10, {L"\u0391\u03b8\u03ae\u03bd\u03b1"}},
      {11, {L"\u0130stanbul \u015f\u011f"}},
      {12, {L"\u05e9\u05dc\u05d5\u05dd \u05d0\u05d1\u05d0", L"\u05d0"}},
      {13, {L"\u0645\u0631\u062d\u0628\u0627"}},
      {14, {L"\u0160iauli\u0173 \u0101\u0113\u012b"}},
      {15, {L"\u0110\u00f4ng \u0111\u01b0\u01a1ng ca", L"a"}},
      {16, {L"\u041f\u0440\u0438\u0432\u0435\u0442 \u2591"}}};
  for (int row = 0; row < zv::text::encoding_count; ++row) {
    auto const it = samples.find(row);
    for (std::wstring const& text : it == samples.end() ? std::vector<std::wstring>{L"plain ~"} : it->second) {
      SCOPED_TRACE(std::string("row ") + std::to_string(row) + " " + zv::text::encoding(row).name);
      std::string const narrow = encode(text, row);
      EXPECT_FALSE(narrow.empty());
      EXPECT_EQ(decode(narrow, row), text);
    }
  }
}

TEST(Encodings, LookUpAndConversionsAreTheSameOnEveryPlatform) {
  EXPECT_TRUE(zv::text::encoding(-1).code_page == 0 && zv::text::encoding(19).code_page == 0);
  EXPECT_TRUE(zv::text::find_encoding("windows-1251") == 8 && zv::text::find_encoding("us-ascii") == 17 &&
              zv::text::find_encoding("EBCDIC") == -1);
  EXPECT_EQ(encode(L"\u0416", 16), "\x86");  // Cyrillic Zhe in CP866
  EXPECT_EQ(encode(L"\U0001F600", 0), "\xf0\x9f\x98\x80");
  EXPECT_TRUE(encode(L"", 0).empty() && decode("", 0).empty());
  // 0xFF is no character of CP1255; it comes between two letters that the
  // decoder may hold back, and what stands in for it keeps its place.
  std::wstring const mixed = decode("\xe0\xff\xe1", 12);
  EXPECT_TRUE(mixed.size() == 3 && mixed.front() == L'\u05d0' && mixed.back() == L'\u05d1');
}

// The wide sink takes any text fed; the matching sink tells whether a wide
// text fed so far equals the target, case-sensitively (a narrow one resets).
TEST(StringAdapters, WideAndMatchingSinks) {
  std::wstring target = L"old";
  Tzv_std_wstring_adapter sink(&target);
  zv_string_adp_feed(sink, nullptr);
  EXPECT_EQ(target, L"");
  zv_string_adp_feed_ansi(sink, zv::text::wide_to_narrow(L"caf\u00e9", 0).c_str());
  EXPECT_EQ(target, L"caf\u00e9");
  zv_string_adp_feed_ansi(sink, nullptr);
  EXPECT_EQ(target, L"");

  Tzv_match_any_wstring_adapter match(L"B");
  for (auto [text, matched] : {std::pair{L"A", false}, {L"b", false}, {L"B", true}, {L"A", true}}) {
    zv_string_adp_feed(match, text);
    EXPECT_EQ(match.matched(), matched) << text;
  }
  zv_string_adp_feed_ansi(match, "B");
  EXPECT_FALSE(match.matched());
  zv_string_adp_feed(Tzv_eat_string_adapter(), L"ignored");
}

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
  std::array<int, 600> objects{};
  std::vector<int*> items{&objects[7], nullptr};  // a repeat counts once, null is never held
  for (int& o : objects) items.push_back(&o);
  zv::core::Tzv_pointer_set set(items);
  int outside = 0;
  EXPECT_TRUE(set.size() == objects.size() && !set.take(nullptr) && !set.take(&outside));
  for (size_t i = objects.size(); i-- > 0;) ASSERT_TRUE(set.take(&objects[i])) << i;
  EXPECT_TRUE(set.size() == 0 && !set.take(&objects[0]) && zv::core::Tzv_pointer_set(std::vector<int*>{}).size() == 0);
}
