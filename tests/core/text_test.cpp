// The encoding table, its conversions, and the string adapters' sinks.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/string_adapters.h"
#include "text/encodings.h"

using zv::text::decode;
using zv::text::encode;

// Every row of the encoding table, encoded and decoded again, gives back a
// text that its code page can hold; rows on the system ANSI code page get
// plain ASCII, since that page differs between platforms. The CP1255 and
// CP1258 texts end in a letter that a following mark could combine with, and
// each of them also stands alone: decoders that hold such a letter back must
// still hand it out at the end of the text.
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
  EXPECT_EQ(zv::text::encoding(-1).code_page, 0u);
  EXPECT_EQ(zv::text::encoding(19).code_page, 0u);
  EXPECT_EQ(zv::text::find_encoding("windows-1251"), 8);
  EXPECT_EQ(zv::text::find_encoding("us-ascii"), 17);
  EXPECT_EQ(zv::text::find_encoding("EBCDIC"), -1);
  EXPECT_EQ(encode(L"\u0416", 16), "\x86");  // Cyrillic Zhe in CP866
  EXPECT_EQ(encode(L"\U0001F600", 0), "\xf0\x9f\x98\x80");
  EXPECT_EQ(encode(L"", 0), "");
  EXPECT_EQ(decode("", 0), L"");
  // 0xFF is no character of CP1255; it comes between two letters that the
  // decoder may hold back, and what stands in for it keeps its place.
  std::wstring const mixed = decode("\xe0\xff\xe1", 12);
  EXPECT_TRUE(mixed.size() == 3 && mixed.front() == L'\u05d0' && mixed.back() == L'\u05d1');
}

// The wide sink takes any text fed; the matching sink tells whether any wide
// text fed so far equals the target, case-sensitively, and a narrow text
// resets the answer.
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
  Tzv_eat_string_adapter eat;
  zv_string_adp_feed(eat, L"ignored");
}
